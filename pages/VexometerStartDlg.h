// The start settings page of the Vexometer product: the test product's start page with the
// Vexometer's labels and texts, without the batch check box and without the version number format.
#pragma once

#include "pages/TestStartDlg.h"

namespace mirel {

class CVexometerStartDlg : public CTestStartDlg {
  public:
    explicit CVexometerStartDlg(ReportRecord* pRecord);
};

} // namespace mirel
