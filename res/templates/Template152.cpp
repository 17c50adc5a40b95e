// Placeholder template: the common frame with Back and Next only.
#include "res/templates/Frame.h"
#include "res/templates/Templates.h"

namespace mirel {

const DialogTemplate& Template152() {
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
            frame::BackButton(),
            frame::NextButton(),
        },
    };
    return t;
}

} // namespace mirel
