// The final page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CSendMailDlg : public CPageDlg {
public:
    explicit CSendMailDlg(ReportRecord* pRecord) : CPageDlg(165, pRecord) {}
    const char* ClassName() const override { return "CSendMailDlg"; }
};

} // namespace mirel
