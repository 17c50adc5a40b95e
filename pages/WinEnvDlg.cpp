#include "pages/WinEnvDlg.h"

namespace mirel {

} // namespace mirel
