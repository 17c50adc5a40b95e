// The test product start settings page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CTestStartDlg : public CPageDlg {
public:
    explicit CTestStartDlg(ReportRecord* pRecord) : CPageDlg(151, pRecord) {}
    const char* ClassName() const override { return "CTestStartDlg"; }
};

} // namespace mirel
