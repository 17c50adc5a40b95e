// The question page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CQuestionDlg : public CPageDlg {
public:
    explicit CQuestionDlg(ReportRecord* pRecord) : CPageDlg(131, pRecord) {}
    const char* ClassName() const override { return "CQuestionDlg"; }
    void OnShowWindow() override;
};

} // namespace mirel
