// The DOS exception page: the register dump the program prints for an exception it did not
// handle under DOS, a remark, and the choice to send a screenshot instead. Next composes the
// exception block of the report.
#pragma once

#include <array>
#include <string>

#include "pages/common/PageDlg.h"

namespace mirel {

class CDosExceptionDlg : public CPageDlg {
  public:
    explicit CDosExceptionDlg(ReportRecord* pRecord);
    const char* ClassName() const override { return "CDosExceptionDlg"; }

    void OnShowWindow() override;
    void OnCommand(int id, Notify code) override;
    void DoDataExchange(DataExchange& dx) override;

    // Values of the page: elements 0..16 the registers, 17 the remark (as in the record).
    static constexpr int kRegisters = 17;
    static constexpr int kRemark = 17;

  protected:
    void OnNext() override;
    void SaveToRecord() override;

  private:
    void OnScreenshot();
    // Info text and enabled register fields follow the screenshot box.
    void ApplyScreenshotState();
    void BuildExceptionBlock();

    std::array<std::string, 18> m_astrValue{};
    int m_bScreenshot = 0; // check box 1234
};

} // namespace mirel
