#include "report/SendMailDlg.h"

namespace mirel {

} // namespace mirel
