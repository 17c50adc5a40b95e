#include "pages/PostCardDlg.h"

namespace mirel {

} // namespace mirel
