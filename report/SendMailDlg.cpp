#include "report/SendMailDlg.h"

#include <array>

#include "platform/Services.h"
#include "platform/Text.h"
#include "report/MailUrl.h"
#include "res/templates/Template165.h"

namespace mirel {
namespace {

struct Shortening {
    const char* from;
    const char* to;
};
// The product family words shortened in the subject, in this order; the Vexometer has none.
constexpr std::array<Shortening, 4> kShortNames = {{
    {"Quorix*Test", "Q*Test"},
    {"Quorix*Win", "Q*Win"},
    {"Quorix*Info", "Q*Info"},
    {"Quorix*Board", "Q*Board"},
}};

const char* const kHint = "Falls Sie den Report mit einem anderen Programm versenden möchten oder die unten "
                          "stehenden Angaben nicht "
                          "korrekt eingetragen wurden, kopieren Sie bitte folgende Zeile in das Betrefffeld "
                          "Ihrer E-Mail. Denn Nur so ist "
                          "gewährleistet, dass Ihre Support-Anfrage auch am richtigen Platz ankommt.";

// Shown when the desktop has no program for the mailto: URL: the user writes the mail by hand.
const char* const kNoMailCaption = "E-Mail verschicken";
std::string NoMailText(const std::string& subject) {
    return std::string("Es konnte kein E-Mail-Programm gestartet werden.\n\n"
                       "Bitte schreiben Sie die E-Mail selbst an:\n") +
           kSupportAddress + "\n\nmit dem Betreff:\n" + subject +
           "\n\nFügen Sie der E-Mail bitte den Report an. Adresse und Betreff können Sie aus den "
           "Feldern dieser Seite kopieren.";
}

} // namespace

void CSendMailDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(id165::kInfoBox, m_strInfo, 400);
    dx.Text(id165::kSubject, m_strSubjectBox, 250);
    dx.Text(id165::kAddress, m_strAddressBox, 250);
    dx.Text(id165::kHint, m_strHint, 500);
}

void CSendMailDlg::OnShowWindow() {
    UpdateData(true);
    ShowCommon();
    ReportRecord& r = *m_pRecord;
    for (const Shortening& s : kShortNames)
        ReplaceAll(r.m_strProductName, s.from, s.to);
    m_strSubject = "[Mirel] " + r.m_strProductName + " " + r.m_strVersionNo + "; #" + r.m_strCustomerNo +
                   "; " + r.m_strCompany;
    m_strSubjectBox = m_strSubject;
    m_strHint = kHint;
    m_strAddressBox = kSupportAddress;
    m_strInfo = "\r\nDer Report wurde erfolgreich erstellt.";
    UpdateData(false);
}

void CSendMailDlg::OnCommand(int id, Notify code) {
    switch (id) {
    case id165::kFinish:
        if (code == Notify::Clicked)
            OnFinish();
        break;
    case id165::kSendMail:
        if (code == Notify::Clicked)
            OnSendMail();
        break;
    default:
        CPageDlg::OnCommand(id, code); // the info box hands its focus to id165::kFinish
        break;
    }
}

void CSendMailDlg::OnSendMail() {
    if (GetServices().ShellOpen(MailUrl(kSupportAddress, m_strSubject, kMailBody)))
        return;
    // Nothing took the URL: say so, with address and subject, and leave the focus on the subject
    // box so that the line can be copied from there.
    Refuse(kNoMailCaption, NoMailText(m_strSubject), id165::kSubject);
}

void CSendMailDlg::OnFinish() {
    m_pRecord->m_bQuit = 1;
    EndPage();
}

} // namespace mirel
