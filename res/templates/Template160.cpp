// Report page: the report box with Save, Edit and Append, the status line and the hint box.
#include "res/templates/Template160.h"
#include "res/templates/Templates.h"

namespace mirel {

const DialogTemplate& Template160() {
    using K = ControlKind;
    static const DialogTemplate t{
        160,
        "Bericht zur technischen Unterstützung - Alphaversion",
        30,
        30,
        358,
        280,
        {
            {id160::kSave, K::PushButton, "&Speichern", kTabStop, 55, 210, 75, 20},
            {id160::kReport,
             K::Edit,
             "",
             kMultiline | kReadOnly | kWantReturn | kVScroll | kHScroll | kGroup | kTabStop,
             5,
             100,
             345,
             105,
             0,
             {},
             "Report"},
            {id160::kNext, K::PushButton, "&Weiter >>", kDefault | kTabStop, 180, 255, 75, 20},
            {id160::kBack, K::PushButton, "<< &Zurück", kTabStop, 95, 255, 75, 20},
            {0, K::Picture, "", kNone, 205, 0, 152, 38, 150},
            {0, K::WhiteRect, "", kNone, 0, 0, 206, 38},
            {0, K::Picture, "", kNone, 0, 39, 200, 1, 153},
            {0, K::Picture, "", kNone, 158, 39, 200, 1, 153},
            {id160::kInfoBox,
             K::Edit,
             "",
             kMultiline | kWantReturn | kNoBorder | kGroup | kTabStop,
             5,
             5,
             175,
             30,
             0,
             {},
             "Info"},
            {id160::kStatus, K::Static, "Der Report wurde unter XXX gespeichert.", kGroup | kNoPrefix, 5, 233,
             345, 17},
            {id160::kEdit, K::PushButton, "Report &editieren", kGroup | kTabStop, 140, 210, 75, 20},
            {id160::kAppend, K::PushButton, "Textdatei &anfügen", kGroup | kTabStop, 225, 210, 75, 20},
            {id160::kHint,
             K::Edit,
             "",
             kMultiline | kReadOnly | kWantReturn | kNoBorder | kGroup | kTabStop,
             5,
             45,
             345,
             55,
             0,
             {},
             "Hinweis"},
        },
    };
    return t;
}

} // namespace mirel
