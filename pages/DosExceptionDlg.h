// The DOS exception page: the register dump the program prints for an exception it did not
// handle under DOS, a remark, and the choice to send a screenshot instead. Next composes the
// exception block of the report.
#pragma once

#include "pages/common/ExceptionPageDlg.h"

namespace mirel {

class CDosExceptionDlg : public CExceptionPageDlg {
  public:
    explicit CDosExceptionDlg(ReportRecord* pRecord);
    const char* ClassName() const override { return "CDosExceptionDlg"; }

  protected:
    bool ValuesAccepted() override;
    void BuildExceptionBlock() override;
};

} // namespace mirel
