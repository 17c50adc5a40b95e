#include "pages/TestStartDlg.h"

namespace mirel {

} // namespace mirel
