#include "pages/BootExceptionDlg.h"

namespace mirel {

} // namespace mirel
