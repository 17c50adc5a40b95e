// mirel-pageprobe CAPTION [SECONDS]: waits until a page window with the caption CAPTION is shown
// (a visible dialog window of the dialog manager), prints "found" with the number of its
// controls, ends the program that shows it and exits with 0; exits with 1 when none appears
// in time (default 30 s). The installer test uses it to find the installed program's welcome
// page.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"

namespace {

BOOL CALLBACK CountChild(HWND /*child*/, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mirel-pageprobe CAPTION [SECONDS]\n");
        return 64;
    }
    const std::wstring caption = mirel::win32::Widen(argv[1]);
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 30;
    for (int waited = 0; waited < seconds * 10; ++waited) {
        const HWND page = ::FindWindowW(L"#32770", caption.c_str());
        if (page != nullptr && ::IsWindowVisible(page) != FALSE) {
            int controls = 0;
            ::EnumChildWindows(page, &CountChild, reinterpret_cast<LPARAM>(&controls));
            std::printf("found \"%s\" controls=%d\n", argv[1], controls);
            std::fflush(stdout);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(page, &pid);
            if (const HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
                ::TerminateProcess(process, 0);
                ::WaitForSingleObject(process, 10000);
                ::CloseHandle(process);
            }
            return 0;
        }
        ::Sleep(100);
    }
    std::printf("no page \"%s\"\n", argv[1]);
    return 1;
}
