// The version type page: a prompt and up to four large edition buttons; the left button quits.
#include "res/templates/Template138.h"
#include "res/templates/Frame.h"
#include "res/templates/Templates.h"

namespace mirel {

const DialogTemplate& Template138() {
    static const DialogTemplate t{
        138,
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
            {id138::kPrompt, ControlKind::Static,
             "Bitte wählen Sie den Versions-Typ Ihres Programmes aus:", kNone, 75, 60, 245, 10},
            {id138::kFull, ControlKind::PushButton, "Vollversion", kMultiline | kTabStop, 105, 90, 130, 20},
            {id138::kDemo, ControlKind::PushButton, "Demoversion", kMultiline | kTabStop, 105, 120, 130, 20},
            {id138::kOem, ControlKind::PushButton, "OEM-Version", kMultiline | kTabStop, 105, 150, 130, 20},
            {id138::kDealerTest, ControlKind::PushButton, "Händler-\nTestversion", kMultiline | kTabStop, 105,
             180, 130, 20},
            frame::BackButton("&Abbrechen"),
            frame::NextButton(),
        },
    };
    return t;
}

} // namespace mirel
