// The Linux program: wires the Qt host and its interactive services, then runs the wizard.
// QtHost.h declares no Qt types, so this file stays free of Qt headers.
#include "app/Application.h"
#include "platform/Services.h"
#include "platform/qt/QtHost.h"

int main(int argc, char** argv) {
    mirel::KeepWriteSignalsHarmless();
    const std::unique_ptr<mirel::qt::QtEnvironment> environment = mirel::qt::CreateEnvironment(argc, argv);
    const std::unique_ptr<mirel::Services> services = mirel::qt::CreateServices();
    mirel::SetHost(&environment->GetHost());
    mirel::SetServices(services.get());
    mirel::RunApplication();
}
