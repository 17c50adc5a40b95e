// The final page: the report is ready; a button opens the user's mail program with a message
// to support (address, subject and a short body filled in), and two boxes show the subject and
// the address for copying. When the desktop has no program for the mail, a message gives the
// address and the subject for writing it by hand. Finishing the page, or closing it, ends the
// program.
#pragma once

#include <string>

#include "pages/common/PageDlg.h"

namespace mirel {

// Support's mail address, in the URL and in the address box.
inline constexpr const char* kSupportAddress = "support@varenta.example";
// Body of the prepared mail.
inline constexpr const char* kMailBody = "Bitte vergessen Sie nicht den Report anzufügen.";

class CSendMailDlg : public CPageDlg {
  public:
    explicit CSendMailDlg(ReportRecord* pRecord) : CPageDlg(165, pRecord) {}
    const char* ClassName() const override { return "CSendMailDlg"; }

    void OnShowWindow() override;
    void OnClose() override { OnFinish(); }
    void OnCommand(int id, Notify code) override;
    void DoDataExchange(DataExchange& dx) override;

  private:
    void OnSendMail();
    void OnFinish();

    std::string m_strSubject;    // the mail subject line
    std::string m_strSubjectBox; // subject box id165::kSubject
    std::string m_strAddressBox; // address box id165::kAddress
    std::string m_strHint;       // hint box id165::kHint
};

} // namespace mirel
