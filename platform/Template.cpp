#include "platform/Template.h"

namespace mirel {

const ControlTemplate* DialogTemplate::Find(int controlId) const {
    if (controlId <= 0)
        return nullptr;
    for (const ControlTemplate& c : controls)
        if (c.id == controlId)
            return &c;
    return nullptr;
}

std::vector<int> DialogTemplate::RadioGroup(int memberId) const {
    // As in the classic dialog manager, a group runs from a control with the group style up to
    // the next control with the group style; the radio buttons within it form one choice.
    std::vector<int> group;
    bool found = false;
    for (const ControlTemplate& c : controls) {
        if ((c.style & kGroup) != 0) {
            if (found)
                break;
            group.clear();
        }
        if (c.kind != ControlKind::RadioButton)
            continue;
        group.push_back(c.id);
        if (c.id == memberId)
            found = true;
    }
    if (!found)
        group.clear();
    return group;
}

} // namespace mirel
