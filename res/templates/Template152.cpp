// Windows environment page. The radio groups start at 1142 and 1177; the service pack (1137,
// 1139) and the user-rights controls (1149, 1141, 1142, 1143, 1144) start disabled and are
// enabled for Windows versions of the NT family. The info box accepts Return here.
#include "res/templates/Frame.h"
#include "res/templates/Templates.h"

namespace mirel {

const DialogTemplate& Template152() {
    using K = ControlKind;
    static const DialogTemplate t{
        152,
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
             "Bitte geben Sie an, unter welcher Umgebung Quorix*Win Professional gestartet wurde.", kNone, 5,
             50, 330, 10},
            {1140, K::Static, "Quorix*Win Version:", kNone, 5, 65, 77, 8},
            {1133, K::Edit, "", kNone, 5, 75, 90, 15},
            {1122, K::Static, "Wird Quorix*Win von anderen Medien als der Festplatte gestartet?", kNone, 5,
             110, 115, 20},
            {1147, K::CheckBox, "Ja, Start von ", kNone, 5, 135, 90, 10},
            {1148, K::Edit, "", kDisabled, 5, 145, 90, 15},
            {1134, K::GroupBox, "Ihre Windows-Version", kNone, 125, 65, 100, 105},
            {1136,
             K::ComboBox,
             "",
             kVScroll,
             131,
             75,
             90,
             94,
             0,
             {"Windows 95", "Windows 95 OSR 2", "Windows 98", "Windows 98 SE", "Windows ME", "Windows NT 4.0",
              "Windows 2000", "Windows XP", "Windows Server 2003"}},
            {1137, K::Static, "Verwendeter Service Pack", kDisabled, 130, 100, 90, 10},
            {1139, K::Edit, "", kDisabled, 130, 110, 90, 15},
            {1138, K::Static, "Internet Explorer Version", kNone, 130, 135, 90, 10},
            {1049, K::Edit, "", kNone, 130, 145, 90, 15},
            {1149, K::GroupBox, "User-Rechte", kDisabled, 250, 65, 100, 105},
            {1141, K::Static, "Verfügt Ihr Account über Administrator-Rechte?", kDisabled, 256, 80, 85, 18},
            {1142, K::RadioButton, "Ja", kGroup | kDisabled, 256, 100, 45, 10},
            {1143, K::RadioButton, "Nein", kDisabled, 256, 114, 45, 10},
            {1144, K::CheckBox, "Das Problem tritt auch mit Administrator- Rechten auf",
             kMultiline | kDisabled, 256, 135, 85, 25},
            {1176, K::GroupBox, "Der Fehler ist:", kNone, 5, 180, 100, 65},
            {1177, K::RadioButton, "identisch reproduzierbar", kGroup, 10, 195, 90, 10},
            {1178, K::RadioButton, "ähnlich reproduzierbar", kNone, 10, 210, 90, 10},
            {1179, K::RadioButton, "nicht reproduzierbar", kNone, 10, 225, 90, 10},
            {1145, K::Static,
             "Falls das Programm durch einen externen Batch ausgeführt wurde, bitte hier Befehlszeile "
             "eintragen:",
             kNone, 125, 180, 225, 18},
            {1146, K::Edit, "", kNone, 125, 200, 225, 15},
            {1151, K::Static, "Sonstige Anmerkungen:", kNone, 125, 220, 225, 10},
            {1150, K::Edit, "", kNone, 125, 230, 225, 15},
            frame::InfoBox(kMultiline | kWantReturn | kNoBorder),
            {1015, K::PushButton, "<< &Zurück", kNone, 95, 255, 75, 20},
            {1016, K::PushButton, "&Weiter >>", kDefault, 180, 255, 75, 20},
        },
    };
    return t;
}

} // namespace mirel
