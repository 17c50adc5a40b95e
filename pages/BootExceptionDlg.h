// The self-booting exception page: the exception screen of the self-booting program, a remark,
// and the choice to send a screenshot instead. Next composes the exception block of the report.
#pragma once

#include "pages/common/ExceptionPageDlg.h"

namespace mirel {

class CBootExceptionDlg : public CExceptionPageDlg {
  public:
    explicit CBootExceptionDlg(ReportRecord* pRecord);
    const char* ClassName() const override { return "CBootExceptionDlg"; }

  protected:
    bool ValuesAccepted() override;
    void BuildExceptionBlock() override;
};

} // namespace mirel
