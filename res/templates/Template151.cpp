// Test and Vexometer start settings pages. The radio groups start at 1113, 1123 and 1163; the
// four controls of the DOS block (1126, 1174, 1119, 1049) are hidden until "unter DOS" is chosen.
#include "res/templates/Frame.h"
#include "res/templates/Templates.h"

namespace mirel {

const DialogTemplate& Template151() {
    using K = ControlKind;
    static const DialogTemplate t{
        151,
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
            {1085, K::Static,
             "Bitte geben Sie an, mit welchen Einstellungen Sie Quorix*Test - Vollversion gestartet haben.",
             kNone, 5, 45, 335, 10},
            {1121, K::GroupBox, "Programmstart", kNone, 5, 65, 85, 180},
            {1175, K::Static, "Wie erfolgt der Programmstart:", kNone, 10, 80, 75, 20},
            {1113, K::RadioButton, "selbstbootend", kGroup, 10, 105, 70, 10},
            {1114, K::RadioButton, "unter DOS", kNone, 10, 125, 70, 10},
            {1118, K::Static, "Quorix*Test Version", kNone, 10, 145, 75, 10},
            {1129, K::Edit, "", kTabStop, 10, 155, 75, 15},
            {1126, K::Static, "DOS Typ", kHidden, 10, 185, 50, 10},
            {1174,
             K::ComboBox,
             "",
             kHidden | kTabStop,
             10,
             195,
             75,
             80,
             0,
             {"MS-DOS", "DR-DOS", "NW-DOS", "PTS-DOS", "IBM-DOS", "Free-DOS", "Caldera-DOS", "Andere/Other"}},
            {1119, K::Static, "DOS Version", kHidden, 10, 215, 50, 10},
            {1049, K::Edit, "", kHidden | kTabStop, 10, 225, 75, 15},
            {1120, K::GroupBox, "Startmedium", kNone, 100, 65, 135, 90},
            {1122, K::Static, "Von welchem Medium aus wurde Quorix*Test gestartet?", kNone, 105, 80, 125, 20},
            {1123, K::RadioButton, "Start von Diskette aus", kGroup, 105, 105, 125, 10},
            {1124, K::RadioButton, "Start von einem anderem Medium ", kNone, 105, 125, 125, 10},
            {1125, K::Edit, "", kMultiline | kDisabled | kTabStop, 105, 135, 125, 15},
            {1127, K::CheckBox, "Bei einem Start von Diskette, traten die selben Probleme auf.",
             kMultiline | kDisabled, 105, 160, 235, 15},
            {1128, K::CheckBox, "Quorix*Test wurde durch einen externen Batch gestartet.",
             kMultiline | kDisabled, 105, 180, 235, 15},
            {1168, K::GroupBox, "Der Fehler ist:", kNone, 245, 65, 105, 60},
            {1163, K::RadioButton, "identisch reproduzierbar", kGroup, 255, 80, 90, 10},
            {1164, K::RadioButton, "ähnlich reproduzierbar", kNone, 255, 95, 90, 10},
            {1165, K::RadioButton, "nicht reproduzierbar", kNone, 255, 110, 90, 10},
            {1115, K::Static, "Sonstige Anmerkungen:", kNone, 100, 205, 100, 10},
            {1116, K::Edit, "", kMultiline | kAutoVScroll | kTabStop, 100, 215, 250, 30},
            frame::InfoBox(kMultiline | kNoBorder),
            {1015, K::PushButton, "<< &Zurück", kNone, 95, 255, 75, 20},
            {1016, K::PushButton, "&Weiter >>", kDefault, 180, 255, 75, 20},
        },
    };
    return t;
}

} // namespace mirel
