// Info environment page (no info box). The radio group is 1152, 1114, 1154; the fields of each
// environment are hidden until that environment is chosen.
#include "res/templates/Frame.h"
#include "res/templates/Templates.h"

namespace mirel {

const DialogTemplate& Template158() {
    using K = ControlKind;
    static const DialogTemplate t{
        158,
        "Fallakte",
        100,
        100,
        358,
        280,
        {
            frame::HeaderRect(205),
            frame::Logo(206),
            frame::Separator(0),
            frame::Separator(158),
            {1101, K::Static,
             "Bitte wählen Sie aus, unter welcher Umgebung  Quorix*Info - Vollversion gestartet wird.", kNone,
             5, 50, 300, 10},
            {1151, K::GroupBox, "Ausführung unter", kNone, 5, 70, 105, 145},
            {1152, K::RadioButton, "Windows", kGroup, 11, 85, 75, 10},
            {1158, K::Static, "Wählen Sie Ihre Version:", kHidden, 11, 95, 85, 10},
            {1136,
             K::ComboBox,
             "",
             kVScroll | kHidden,
             11,
             106,
             95,
             105,
             0,
             {"Windows Server 2003", "Windows XP", "Windows 2000", "Windows NT 4.0", "Windows NT 3.x",
              "Windows ME", "Windows 98 SE", "Windows 98", "Windows 95 OSR 2", "Windows 95", "Windows 3.1x"}},
            {1114, K::RadioButton, "DOS", kNone, 11, 125, 75, 10},
            {1119, K::Static, "DOS Version:", kHidden, 11, 135, 80, 10},
            {1049, K::Edit, "", kHidden, 11, 145, 95, 15},
            {1154, K::RadioButton, "selbstbootendem Quorix*Test", kMultiline, 11, 165, 75, 20},
            {1118, K::Static, "Quorix*Test Version:", kHidden, 11, 185, 80, 10},
            {1129, K::Edit, "", kHidden, 11, 195, 95, 15},
            {1153, K::Static, "Quorix*Info Version:", kNone, 125, 70, 95, 10},
            {1155, K::Edit, "", kNone, 125, 81, 95, 15},
            {1137, K::Static, "Installierter Service Pack:", kHidden, 235, 70, 95, 10},
            {1139, K::Edit, "", kHidden, 235, 81, 95, 15},
            {1145, K::Static,
             "Falls das Programm im Batch-Modus ausgeführt wird, geben Sie hier bitte den entsprechenden "
             "Aufruf ein:",
             kNone, 125, 110, 200, 17},
            {1146, K::Edit, "", kMultiline | kAutoVScroll, 125, 130, 205, 30},
            {1147, K::Static, "Sonstige Anmerkungen zum Programmstart:", kNone, 125, 175, 200, 10},
            {1116, K::Edit, "", kMultiline | kAutoVScroll, 125, 185, 205, 30},
            {1015, K::PushButton, "<< &Zurück", kNone, 95, 255, 75, 20},
            {1016, K::PushButton, "&Weiter >>", kDefault, 180, 255, 75, 20},
        },
    };
    return t;
}

} // namespace mirel
