// The self-booting exception page: the exception screen of the self-booting program, a remark,
// and the choice to send a screenshot instead. Next composes the exception block of the report.
#pragma once

#include <array>
#include <string>

#include "pages/common/PageDlg.h"

namespace mirel {

class CBootExceptionDlg : public CPageDlg {
  public:
    explicit CBootExceptionDlg(ReportRecord* pRecord);
    const char* ClassName() const override { return "CBootExceptionDlg"; }

    void OnShowWindow() override;
    void OnCommand(int id, Notify code) override;
    void DoDataExchange(DataExchange& dx) override;

  protected:
    void OnNext() override;
    void SaveToRecord() override;

  private:
    void OnScreenshot();
    // Info text and enabled value fields follow the screenshot box.
    void ApplyScreenshotState();
    void BuildExceptionBlock();

    // As in the record: element 0 the remark, 1..7 Exception, bei, S:, C:, Code, Startlog, Gesperrt.
    std::array<std::string, 8> m_astrValue{};
    int m_bScreenshot = 0; // check box 1234
};

} // namespace mirel
