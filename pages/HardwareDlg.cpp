#include "pages/HardwareDlg.h"

namespace mirel {

} // namespace mirel
