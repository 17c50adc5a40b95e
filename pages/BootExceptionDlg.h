// The self-booting exception page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CBootExceptionDlg : public CPageDlg {
public:
    explicit CBootExceptionDlg(ReportRecord* pRecord) : CPageDlg(136, pRecord) {}
    const char* ClassName() const override { return "CBootExceptionDlg"; }
};

} // namespace mirel
