// The in-memory host: every control is plain state. Used by the tests and by the scenario
// runner's headless mode; it behaves as the Qt host does, without a display.
#pragma once

#include "platform/Window.h"

namespace mirel {

class HeadlessHost : public Host {
public:
    std::unique_ptr<Window> CreateWindow(Dialog& dialog, const DialogTemplate& tmpl) override;
};

} // namespace mirel
