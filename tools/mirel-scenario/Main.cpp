// mirel-scenario [--host headless|qt|win32] SCRIPT: runs one scripted session of the wizard and
// prints what happens, one line per event.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/Agent.h"
#include "platform/Scope.h"
#include "platform/Services.h"
#include "platform/Window.h"
#include "platform/headless/HeadlessHost.h"
#include "tools/mirel-scenario/Runner.h"
#ifdef MIREL_WITH_QT
#include "platform/qt/QtHost.h"
#endif
#ifdef MIREL_WITH_WIN32
#include "platform/win32/Win32Host.h"
#endif

int main(int argc, char** argv) {
    mirel::KeepWriteSignalsHarmless();
    std::string host = "headless";
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--host" && i + 1 < argc)
            host = argv[++i];
        else if (arg.rfind("--host=", 0) == 0)
            host = arg.substr(7);
        else if (path.empty())
            path = arg;
        else
            path.clear(), i = argc;
    }
    if (path.empty() || (host != "headless" && host != "qt" && host != "win32")) {
        std::cerr << "usage: mirel-scenario [--host headless|qt|win32] SCRIPT\n";
        return 64;
    }
    // Only a readable regular file of at most 1 MiB is a script.
    constexpr std::uintmax_t kMaxScript = 1u << 20;
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(path, error);
    const std::uintmax_t size = regular ? std::filesystem::file_size(path, error) : 0;
    std::ifstream in;
    if (regular && !error && size <= kMaxScript)
        in.open(path, std::ios::binary);
    if (!in) {
        std::cerr << "mirel-scenario: cannot read " << path
                  << (regular && size > kMaxScript ? " (larger than 1 MiB)" : "") << '\n';
        return 66;
    }
    std::stringstream text;
    text << in.rdbuf();

    mirel::scenario::Runner runner(mirel::scenario::ParseScript(text.str()), std::cout);
    mirel::HeadlessHost headless;
    mirel::Host* chosen = &headless;
#ifdef MIREL_WITH_QT
    std::unique_ptr<mirel::qt::QtEnvironment> qt;
    if (host == "qt") {
        // Without a display the real widgets run offscreen.
        const char* x11 = std::getenv("DISPLAY");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        if ((x11 == nullptr || *x11 == '\0') && (wayland == nullptr || *wayland == '\0') &&
            std::getenv("QT_QPA_PLATFORM") == nullptr)
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qt = mirel::qt::CreateEnvironment(argc, argv);
        chosen = &qt->GetHost();
    }
#else
    if (host == "qt") {
        std::cerr << "mirel-scenario: built without the Qt host\n";
        return 69;
    }
#endif
#ifdef MIREL_WITH_WIN32
    mirel::win32::InitProcess();
    std::unique_ptr<mirel::Host> win32;
    if (host == "win32") {
        win32 = mirel::win32::CreateHost();
        chosen = win32.get();
    }
#else
    if (host == "win32") {
        std::cerr << "mirel-scenario: built without the win32 host\n";
        return 69;
    }
#endif
    int status = 0;
    {
        const mirel::PlatformScope scope(chosen, &runner, &runner);
        try {
            status = runner.Run();
        } catch (const std::exception& e) {
            std::cout.flush();
            std::cerr << "mirel-scenario: " << e.what() << '\n';
            status = 70;
        }
    }
    std::cout.flush();
    return status;
}
