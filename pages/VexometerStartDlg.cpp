#include "pages/VexometerStartDlg.h"

namespace mirel {

} // namespace mirel
