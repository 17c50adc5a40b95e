#include "pages/InfoEnvDlg.h"

namespace mirel {

} // namespace mirel
