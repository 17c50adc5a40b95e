// The hardware details page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CHardwareDlg : public CPageDlg {
public:
    explicit CHardwareDlg(ReportRecord* pRecord) : CPageDlg(163, pRecord) {}
    const char* ClassName() const override { return "CHardwareDlg"; }
};

} // namespace mirel
