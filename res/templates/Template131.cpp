// Question page.
#include "res/templates/Template131.h"
#include "res/templates/Frame.h"
#include "res/templates/Templates.h"

namespace mirel {

const DialogTemplate& Template131() {
    using K = ControlKind;
    // clang-format off
    static const DialogTemplate t{
        131,
        "Fallakte",
        100,
        100,
        358,
        280,
        {
            {id131::kOption1, K::RadioButton, "opt_1", kGroup, 5, 122, 345, 10},
            {id131::kOption2, K::RadioButton, "opt_2", kNone, 5, 137, 345, 10},
            {id131::kOption3, K::RadioButton, "opt_3", kNone, 5, 152, 345, 10},
            {id131::kOption4, K::RadioButton, "opt_4", kNone, 5, 167, 345, 10},
            {id131::kAnswer, K::Edit, "", kMultiline | kAutoVScroll | kWantReturn | kGroup | kTabStop, 5, 200, 345, 50},
            frame::NextButton(),
            frame::BackButton(),
            frame::InfoBox(),
            frame::HeaderRect(207),
            frame::Logo(205),
            frame::Separator(158),
            frame::Separator(0),
            {id131::kHistory, K::Edit, "", kMultiline | kReadOnly | kWantReturn | kVScroll | kGroup | kTabStop, 5, 45, 345, 53},
            {id131::kQuestion, K::Static, "Label\nOben", kGroup, 5, 100, 345, 17},
            {id131::kLowerLabel, K::Static, "Label Unten", kGroup, 5, 185, 345, 10},
        },
    };
    // clang-format on
    return t;
}

} // namespace mirel
