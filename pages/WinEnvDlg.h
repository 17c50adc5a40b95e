// The Windows product environment page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CWinEnvDlg : public CPageDlg {
public:
    explicit CWinEnvDlg(ReportRecord* pRecord) : CPageDlg(152, pRecord) {}
    const char* ClassName() const override { return "CWinEnvDlg"; }
};

} // namespace mirel
