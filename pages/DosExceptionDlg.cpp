#include "pages/DosExceptionDlg.h"

namespace mirel {

} // namespace mirel
