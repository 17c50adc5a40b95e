// Windows environment page. Two radio groups: administrator rights and reproducibility; the service
// pack (label and field) and the user-rights controls (frame, question, Ja, Nein and the check box)
// start disabled and are enabled for Windows versions of the NT family. The info box accepts Return here.
#include "res/templates/Template152.h"
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
            {id152::kHeader, K::Static,
             "Bitte geben Sie an, unter welcher Umgebung Quorix*Win Professional gestartet wurde.", kNone, 5,
             50, 330, 10},
            {id152::kVersionLabel, K::Static, "Quorix*Win Version:", kNone, 5, 65, 77, 8},
            {id152::kVersion, K::Edit, "", kNone, 5, 75, 90, 15},
            {id152::kMediumQuestion, K::Static,
             "Wird Quorix*Win von anderen Medien als der Festplatte gestartet?", kNone, 5, 110, 115, 20},
            {id152::kStartFrom, K::CheckBox, "Ja, Start von ", kNone, 5, 135, 90, 10},
            {id152::kMedium, K::Edit, "", kDisabled, 5, 145, 90, 15},
            {id152::kWindowsFrame, K::GroupBox, "Ihre Windows-Version", kNone, 125, 65, 100, 105},
            {id152::kWindows,
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
            {id152::kServicePackLabel, K::Static, "Verwendeter Service Pack", kDisabled, 130, 100, 90, 10},
            {id152::kServicePack, K::Edit, "", kDisabled, 130, 110, 90, 15},
            {id152::kIeVersionLabel, K::Static, "Internet Explorer Version", kNone, 130, 135, 90, 10},
            {id152::kIeVersion, K::Edit, "", kNone, 130, 145, 90, 15},
            {id152::kRightsFrame, K::GroupBox, "User-Rechte", kDisabled, 250, 65, 100, 105},
            {id152::kAdminQuestion, K::Static, "Verfügt Ihr Account über Administrator-Rechte?", kDisabled,
             256, 80, 85, 18},
            {id152::kAdminYes, K::RadioButton, "Ja", kGroup | kDisabled, 256, 100, 45, 10},
            {id152::kAdminNo, K::RadioButton, "Nein", kDisabled, 256, 114, 45, 10},
            {id152::kAdminSame, K::CheckBox, "Das Problem tritt auch mit Administrator- Rechten auf",
             kMultiline | kDisabled, 256, 135, 85, 25},
            {id152::kFaultFrame, K::GroupBox, "Der Fehler ist:", kNone, 5, 180, 100, 65},
            {id152::kIdentical, K::RadioButton, "identisch reproduzierbar", kGroup, 10, 195, 90, 10},
            {id152::kSimilar, K::RadioButton, "ähnlich reproduzierbar", kNone, 10, 210, 90, 10},
            {id152::kNotReproducible, K::RadioButton, "nicht reproduzierbar", kNone, 10, 225, 90, 10},
            {id152::kBatchLabel, K::Static,
             "Falls das Programm durch einen externen Batch ausgeführt wurde, bitte hier Befehlszeile "
             "eintragen:",
             kNone, 125, 180, 225, 18},
            {id152::kBatch, K::Edit, "", kNone, 125, 200, 225, 15},
            {id152::kNoteLabel, K::Static, "Sonstige Anmerkungen:", kNone, 125, 220, 225, 10},
            {id152::kNote, K::Edit, "", kNone, 125, 230, 225, 15},
            frame::InfoBox(kMultiline | kWantReturn | kNoBorder),
            {id152::kBack, K::PushButton, "<< &Zurück", kNone, 95, 255, 75, 20},
            {id152::kNext, K::PushButton, "&Weiter >>", kDefault, 180, 255, 75, 20},
        },
    };
    return t;
}

} // namespace mirel
