#include "report/ReportDlg.h"

namespace mirel {

} // namespace mirel
