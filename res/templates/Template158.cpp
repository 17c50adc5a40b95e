// Info environment page (no info box). The radio group is Windows, DOS, self-booting; the fields of each
// environment are hidden until that environment is chosen.
#include "res/templates/Template158.h"
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
            {id158::kHeader, K::Static,
             "Bitte wählen Sie aus, unter welcher Umgebung  Quorix*Info - Vollversion gestartet wird.", kNone,
             5, 50, 300, 10},
            {id158::kStartFrame, K::GroupBox, "Ausführung unter", kNone, 5, 70, 105, 145},
            {id158::kWindows, K::RadioButton, "Windows", kGroup, 11, 85, 75, 10},
            {id158::kWindowsLabel, K::Static, "Wählen Sie Ihre Version:", kHidden, 11, 95, 85, 10},
            {id158::kWindowsVersion,
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
            {id158::kDos, K::RadioButton, "DOS", kNone, 11, 125, 75, 10},
            {id158::kDosVersionLabel, K::Static, "DOS Version:", kHidden, 11, 135, 80, 10},
            {id158::kDosVersion, K::Edit, "", kHidden, 11, 145, 95, 15},
            {id158::kSelfBooting, K::RadioButton, "selbstbootendem Quorix*Test", kMultiline, 11, 165, 75, 20},
            {id158::kTestVersionLabel, K::Static, "Quorix*Test Version:", kHidden, 11, 185, 80, 10},
            {id158::kTestVersion, K::Edit, "", kHidden, 11, 195, 95, 15},
            {id158::kVersionLabel, K::Static, "Quorix*Info Version:", kNone, 125, 70, 95, 10},
            {id158::kVersion, K::Edit, "", kNone, 125, 81, 95, 15},
            {id158::kServicePackLabel, K::Static, "Installierter Service Pack:", kHidden, 235, 70, 95, 10},
            {id158::kServicePack, K::Edit, "", kHidden, 235, 81, 95, 15},
            {id158::kBatchLabel, K::Static,
             "Falls das Programm im Batch-Modus ausgeführt wird, geben Sie hier bitte den entsprechenden "
             "Aufruf ein:",
             kNone, 125, 110, 200, 17},
            {id158::kBatch, K::Edit, "", kMultiline | kAutoVScroll, 125, 130, 205, 30},
            {id158::kNoteLabel, K::Static, "Sonstige Anmerkungen zum Programmstart:", kNone, 125, 175, 200,
             10},
            {id158::kNote, K::Edit, "", kMultiline | kAutoVScroll, 125, 185, 205, 30},
            {id158::kBack, K::PushButton, "<< &Zurück", kNone, 95, 255, 75, 20},
            {id158::kNext, K::PushButton, "&Weiter >>", kDefault, 180, 255, 75, 20},
        },
    };
    return t;
}

} // namespace mirel
