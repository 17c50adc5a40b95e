// The program on Windows: the win32 host and the interactive services, then the wizard.
#include "app/Application.h"
#include "platform/win32/Win32Host.h"
#include "platform/win32/WinApi.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/) {
    mirel::KeepWriteSignalsHarmless();
    mirel::win32::InitProcess();
    const std::unique_ptr<mirel::Host> host = mirel::win32::CreateHost();
    const std::unique_ptr<mirel::Services> services = mirel::win32::CreateServices();
    mirel::SetHost(host.get());
    mirel::SetServices(services.get());
    mirel::RunApplication();
    return 0;
}
