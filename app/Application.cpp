#include "app/Application.h"

#include "app/WelcomeDlg.h"
#include "platform/Services.h"

namespace mirel {

void RunApplication() {
    {
        CWelcomeDlg welcome;
        welcome.DoModal();
    }
    // The welcome page was closed before a product was chosen.
    EndProcess(0);
}

} // namespace mirel
