#include "pages/ContactDlg.h"

namespace mirel {

} // namespace mirel
