// The Windows program: wires the win32 host and its interactive services, then runs the wizard.
// The entry point is declared with the plain types behind the Windows names (an instance handle
// is a pointer, a command line a wide string), so this file stays free of Windows headers.
#include "app/Application.h"
#include "platform/Services.h"
#include "platform/win32/Win32Host.h"

struct HINSTANCE__;

extern "C" int __stdcall wWinMain(HINSTANCE__* /*instance*/, HINSTANCE__* /*previous*/,
                                  wchar_t* /*commandLine*/, int /*show*/) {
    mirel::KeepWriteSignalsHarmless();
    mirel::win32::InitProcess();
    const std::unique_ptr<mirel::Host> host = mirel::win32::CreateHost();
    const std::unique_ptr<mirel::Services> services = mirel::win32::CreateServices();
    mirel::SetHost(host.get());
    mirel::SetServices(services.get());
    mirel::RunApplication();
    return 0;
}
