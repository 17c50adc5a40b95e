// The POST card diagnosis page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CPostCardDlg : public CPageDlg {
public:
    explicit CPostCardDlg(ReportRecord* pRecord) : CPageDlg(162, pRecord) {}
    const char* ClassName() const override { return "CPostCardDlg"; }
};

} // namespace mirel
