// The real host: Qt widgets built from the dialog templates, and the interactive services
// (message boxes, file dialogs, the desktop's URL handler).
#pragma once

#include <memory>

#include "platform/Services.h"
#include "platform/Window.h"

namespace mirel::qt {

// The running Qt application together with the host that builds page windows in it.
class QtEnvironment {
  public:
    virtual ~QtEnvironment() = default;
    virtual Host& GetHost() = 0;
};

// Creates the QApplication (Fusion style, the desktop's palette and general font or else
// Liberation Sans 8 pt, Qt's own German texts, window icon 128) and the host. `argc` and `argv` must outlive
// the environment.
std::unique_ptr<QtEnvironment> CreateEnvironment(int& argc, char** argv);

// The services of the interactive program. Needs a running environment.
std::unique_ptr<Services> CreateServices();

} // namespace mirel::qt
