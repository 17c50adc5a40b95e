// Test and Vexometer start settings pages. Three radio groups: start, medium and reproducibility;
// the four controls of the DOS block (type and version with their labels) are hidden until
// "unter DOS" is chosen.
#include "res/templates/Template151.h"
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
            {id151::kHeader, K::Static,
             "Bitte geben Sie an, mit welchen Einstellungen Sie Quorix*Test - Vollversion gestartet haben.",
             kNone, 5, 45, 335, 10},
            {id151::kStartFrame, K::GroupBox, "Programmstart", kNone, 5, 65, 85, 180},
            {id151::kStartQuestion, K::Static, "Wie erfolgt der Programmstart:", kNone, 10, 80, 75, 20},
            {id151::kSelfBooting, K::RadioButton, "selbstbootend", kGroup, 10, 105, 70, 10},
            {id151::kUnderDos, K::RadioButton, "unter DOS", kNone, 10, 125, 70, 10},
            {id151::kVersionLabel, K::Static, "Quorix*Test Version", kNone, 10, 145, 75, 10},
            {id151::kVersion, K::Edit, "", kTabStop, 10, 155, 75, 15},
            {id151::kDosTypeLabel, K::Static, "DOS Typ", kHidden, 10, 185, 50, 10},
            {id151::kDosType,
             K::ComboBox,
             "",
             kHidden | kTabStop,
             10,
             195,
             75,
             80,
             0,
             {"MS-DOS", "DR-DOS", "NW-DOS", "PTS-DOS", "IBM-DOS", "Free-DOS", "Caldera-DOS", "Andere/Other"}},
            {id151::kDosVersionLabel, K::Static, "DOS Version", kHidden, 10, 215, 50, 10},
            {id151::kDosVersion, K::Edit, "", kHidden | kTabStop, 10, 225, 75, 15},
            {id151::kMediumFrame, K::GroupBox, "Startmedium", kNone, 100, 65, 135, 90},
            {id151::kMediumQuestion, K::Static, "Von welchem Medium aus wurde Quorix*Test gestartet?", kNone,
             105, 80, 125, 20},
            {id151::kFloppy, K::RadioButton, "Start von Diskette aus", kGroup, 105, 105, 125, 10},
            {id151::kOtherMedium, K::RadioButton, "Start von einem anderem Medium ", kNone, 105, 125, 125,
             10},
            {id151::kMedium, K::Edit, "", kMultiline | kDisabled | kTabStop, 105, 135, 125, 15},
            {id151::kFloppySame, K::CheckBox, "Bei einem Start von Diskette, traten die selben Probleme auf.",
             kMultiline | kDisabled, 105, 160, 235, 15},
            {id151::kFromBatch, K::CheckBox, "Quorix*Test wurde durch einen externen Batch gestartet.",
             kMultiline | kDisabled, 105, 180, 235, 15},
            {id151::kFaultFrame, K::GroupBox, "Der Fehler ist:", kNone, 245, 65, 105, 60},
            {id151::kIdentical, K::RadioButton, "identisch reproduzierbar", kGroup, 255, 80, 90, 10},
            {id151::kSimilar, K::RadioButton, "ähnlich reproduzierbar", kNone, 255, 95, 90, 10},
            {id151::kNotReproducible, K::RadioButton, "nicht reproduzierbar", kNone, 255, 110, 90, 10},
            {id151::kNoteLabel, K::Static, "Sonstige Anmerkungen:", kNone, 100, 205, 100, 10},
            {id151::kNote, K::Edit, "", kMultiline | kAutoVScroll | kTabStop, 100, 215, 250, 30},
            frame::InfoBox(kMultiline | kNoBorder),
            {id151::kBack, K::PushButton, "<< &Zurück", kNone, 95, 255, 75, 20},
            {id151::kNext, K::PushButton, "&Weiter >>", kDefault, 180, 255, 75, 20},
        },
    };
    return t;
}

} // namespace mirel
