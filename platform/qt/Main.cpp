// The program: the Qt host and the interactive services, then the wizard.
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
