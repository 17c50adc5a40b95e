// The welcome page: it owns the report record and starts the wizard when a product picture is
// clicked.
#pragma once

#include <string>

#include "platform/Dialog.h"
#include "report/ReportRecord.h"

namespace mirel {

class CWelcomeDlg : public Dialog {
  public:
    CWelcomeDlg();
    const char* ClassName() const override { return "CWelcomeDlg"; }

    void DoDataExchange(DataExchange& dx) override;
    void OnShowWindow() override;
    void OnCommand(int id, Notify code) override;
    void OnClose() override { Dialog::OnOK(); }
    void OnOK() override {}
    void OnCancel() override {}
    int InitialFocus() const override { return 0; }

    // Runs the pages of the wizard one after the other; never returns.
    [[noreturn]] void RunWizard();

    ReportRecord& Record() { return m_record; }

  private:
    ReportRecord m_record;
    std::string m_strIntro;   // id135::kIntro
    std::string m_strPurpose; // id135::kPurpose
    std::string m_strPlease;  // id135::kPlease
    std::string m_strHint;    // id135::kHint
    std::string m_strThanks;  // id135::kThanks
};

} // namespace mirel
