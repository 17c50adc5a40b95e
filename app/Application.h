// Application start: shows the welcome page and ends the process when it closes.
#pragma once

namespace mirel {

// Runs the whole program on the installed host and services; ends through
// Services::ExitProcess(0) in every case.
[[noreturn]] void RunApplication();

} // namespace mirel
