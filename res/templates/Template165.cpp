// Final page: the mail button, the subject and address boxes to copy, and Finish.
#include "res/templates/Template165.h"
#include "res/templates/Templates.h"

namespace mirel {

const DialogTemplate& Template165() {
    using K = ControlKind;
    static const DialogTemplate t{
        165,
        "M I R E L",
        100,
        100,
        358,
        280,
        {
            {id165::kFinish, K::PushButton, "&Fertigstellen", kTabStop, 180, 255, 75, 20},
            {0, K::Picture, "", kNone, 205, 0, 152, 38, 150},
            {0, K::WhiteRect, "", kNone, 0, 0, 207, 38},
            {0, K::Picture, "", kNone, 0, 39, 200, 1, 153},
            {0, K::Picture, "", kNone, 157, 39, 200, 1, 153},
            {id165::kInfoBox,
             K::Edit,
             "",
             kMultiline | kWantReturn | kNoBorder,
             5,
             5,
             175,
             30,
             0,
             {},
             "Info"},
            {id165::kSubject,
             K::Edit,
             "",
             kReadOnly | kAutoHScroll | kNoBorder | kTabStop,
             28,
             149,
             285,
             10,
             0,
             {},
             "Betreff"},
            {0, K::WhiteFrame, "", kNone, 25, 146, 293, 15},
            {id165::kAddress,
             K::Edit,
             "",
             kReadOnly | kAutoHScroll | kNoBorder | kTabStop,
             30,
             201,
             285,
             10,
             0,
             {},
             "Adresse"},
            {0, K::WhiteFrame, "", kNone, 27, 198, 293, 15},
            {id165::kSendMail, K::PushButton, "Report jetzt als E-Mail verschicken", kDefault | kTabStop, 45,
             70, 120, 20},
            {id165::kSendMailNote, K::Static,
             "Ein Klick auf diese Schaltfläche öffnet Ihren Standard-eMail-Client.", kGroup, 175, 72, 120,
             20},
            {id165::kIntro, K::Static,
             "Mit den von Ihnen gemachten Angaben wurde ein Report erstellt. Dieser ist wichtig, damit das "
             "Support-Team von Varenta Ihr Problem schnell und effektiv lösen kann.",
             kGroup, 10, 45, 305, 17},
            {id165::kSendTo, K::Static,
             "Fügen Sie der E-Mail bitte den Report sowie weitere Dateien (z.B. Screenshots) an.\n"
             "Die E-Mail senden Sie bitte an:",
             kGroup, 15, 176, 320, 17},
            {id165::kAlternativeFrame, K::GroupBox, "Alternativ:", kNone, 5, 100, 344, 140},
            {id165::kThanks, K::Static, "Vielen Dank für Ihre Bemühungen!", kGroup, 15, 225, 120, 10},
            {id165::kHint,
             K::Edit,
             "",
             kMultiline | kReadOnly | kTabStop | kNoBorder,
             15,
             115,
             325,
             25,
             0,
             {},
             "Hinweis"},
        },
    };
    return t;
}

} // namespace mirel
