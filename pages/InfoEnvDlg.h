// The info product environment page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CInfoEnvDlg : public CPageDlg {
public:
    explicit CInfoEnvDlg(ReportRecord* pRecord) : CPageDlg(158, pRecord) {}
    const char* ClassName() const override { return "CInfoEnvDlg"; }
};

} // namespace mirel
