// The DOS exception page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CDosExceptionDlg : public CPageDlg {
public:
    explicit CDosExceptionDlg(ReportRecord* pRecord) : CPageDlg(133, pRecord) {}
    const char* ClassName() const override { return "CDosExceptionDlg"; }
};

} // namespace mirel
