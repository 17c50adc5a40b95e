// The win32 host as the programs see it: only the program's own types, no Windows header.
#pragma once

#include <memory>

#include "platform/Services.h"
#include "platform/Window.h"

namespace mirel::win32 {

// Prepares the process for the host: COM for the shell, the common controls, and standard
// output in binary mode (log lines end in "\n" alone, as on the other systems).
void InitProcess();

// The host that shows every page as a dialog of the system's dialog manager.
std::unique_ptr<Host> CreateHost();

// The services of the interactive program: message boxes with German buttons, the system's
// file dialogs, the shell's URL handler, the local clock.
std::unique_ptr<Services> CreateServices();

} // namespace mirel::win32
