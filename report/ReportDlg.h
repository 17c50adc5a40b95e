// The report page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CReportDlg : public CPageDlg {
public:
    explicit CReportDlg(ReportRecord* pRecord) : CPageDlg(160, pRecord) {}
    const char* ClassName() const override { return "CReportDlg"; }
};

} // namespace mirel
