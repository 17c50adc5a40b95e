// The Vexometer start settings page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CVexometerStartDlg : public CPageDlg {
public:
    explicit CVexometerStartDlg(ReportRecord* pRecord) : CPageDlg(151, pRecord) {}
    const char* ClassName() const override { return "CVexometerStartDlg"; }
};

} // namespace mirel
