// The report page: builds the report from the record each time it is shown, lets the user
// save it, unlock and edit it, and append text, HTML and DOS files, and insists on a saved
// report before the wizard goes on.
#pragma once

#include <cstddef>
#include <string>

#include "pages/common/PageDlg.h"

namespace mirel {

class CReportDlg : public CPageDlg {
  public:
    explicit CReportDlg(ReportRecord* pRecord) : CPageDlg(160, pRecord) {}
    const char* ClassName() const override { return "CReportDlg"; }

    void OnShowWindow() override;
    void OnCommand(int id, Notify code) override;
    void DoDataExchange(DataExchange& dx) override;

    // Largest file that can be appended.
    static constexpr std::size_t kMaxAppendBytes = std::size_t{64} << 20;

  protected:
    void OnNext() override;
    void OnBack() override;

  private:
    enum class SaveResult {
        Saved,     // the report is in the file
        NoChange,  // nothing to save
        Cancelled, // the user cancelled the file dialog
        Failed,    // the status line tells what went wrong; the text counts as unsaved
    };

    void RebuildReport();
    SaveResult SaveReport();
    void OnEditReport();
    void OnAppendFile();
    void OnReportFocus();
    // true: m_bUnsaved from the report box's modified flag; false: the flag from m_bUnsaved.
    void SyncModifiedFlag(bool toMember);
    // Stores the window rectangle and closes the page; the driver looks at m_bBack.
    void LeavePage(bool back);

    int m_bUnsaved = 0;          // 1 = the report text holds changes that are in no file yet
    std::string m_strFilePath;   // file of the last successful save; empty before
    std::string m_strReport;     // the text as built from the record
    std::string m_strStatus;     // status line id160::kStatus
    std::string m_strReportText; // report box id160::kReport
    std::string m_strHint;       // hint box id160::kHint
};

} // namespace mirel
