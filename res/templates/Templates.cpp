// The registry of all dialog templates.
#include <map>
#include <stdexcept>
#include <string>

#include "res/templates/Templates.h"

namespace mirel {
namespace {
std::map<int, const DialogTemplate*>& Registered() {
    static std::map<int, const DialogTemplate*> registered;
    return registered;
}
} // namespace

void RegisterTemplate(const DialogTemplate& tmpl) {
    Registered()[tmpl.id] = &tmpl;
}

const DialogTemplate& GetTemplate(int id) {
    switch (id) {
    case 129:
        return Template129();
    case 131:
        return Template131();
    case 133:
        return Template133();
    case 135:
        return Template135();
    case 136:
        return Template136();
    case 138:
        return Template138();
    case 151:
        return Template151();
    case 152:
        return Template152();
    case 158:
        return Template158();
    case 160:
        return Template160();
    case 162:
        return Template162();
    case 163:
        return Template163();
    case 165:
        return Template165();
    default: {
        auto it = Registered().find(id);
        if (it == Registered().end())
            throw std::out_of_range("no dialog template " + std::to_string(id));
        return *it->second;
    }
    }
}

} // namespace mirel
