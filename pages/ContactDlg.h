// The contact data page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CContactDlg : public CPageDlg {
public:
    explicit CContactDlg(ReportRecord* pRecord) : CPageDlg(129, pRecord) {}
    const char* ClassName() const override { return "CContactDlg"; }
};

} // namespace mirel
