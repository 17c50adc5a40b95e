#include "pages/ContactDlg.h"

#include <cstdio>
#include <string_view>

#include "platform/Services.h"
#include "platform/Text.h"
#include "res/templates/Template129.h"

namespace mirel {
namespace {

// Today's local date as 05.12.2026.
std::string Today() {
    const LocalTime now = GetServices().Now();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2i.%.2i.%i", now.day, now.month, now.year);
    return buf;
}

} // namespace

const CContactDlg::Field CContactDlg::kFields[7] = {
    {id129::kDate, &CContactDlg::m_strDate, 15, true, &ReportRecord::m_strDate},
    {id129::kCompany, &CContactDlg::m_strCompany, 100, true, &ReportRecord::m_strCompany},
    {id129::kCustomerNo, &CContactDlg::m_strCustomerNo, 20, false, &ReportRecord::m_strCustomerNo},
    {id129::kContact, &CContactDlg::m_strContact, 50, true, &ReportRecord::m_strContact},
    {id129::kPhone, &CContactDlg::m_strPhone, 30, true, &ReportRecord::m_strPhone},
    {id129::kEmail, &CContactDlg::m_strEmail, 100, true, &ReportRecord::m_strEmail},
    {id129::kFax, &CContactDlg::m_strFax, 30, false, &ReportRecord::m_strFax},
};

CContactDlg::CContactDlg(ReportRecord* pRecord) : CPageDlg(129, pRecord) {}

void CContactDlg::DoDataExchange(DataExchange& dx) {
    for (const Field& f : kFields)
        dx.Text(f.id, this->*f.member, f.maxChars);
    dx.Text(id129::kIntro, m_strIntro);
    dx.Text(id129::kRequiredNote, m_strRequired);
    dx.Text(id129::kDateLabel, m_strDateLabel);
    dx.Text(id129::kCustomerNoLabel, m_strCustomerLabel);
    dx.Text(id129::kPhoneLabel, m_strPhoneLabel);
    dx.Text(id129::kFaxLabel, m_strFaxLabel);
    dx.Text(id129::kCompanyLabel, m_strCompanyLabel);
    dx.Text(id129::kContactLabel, m_strContactLabel);
    dx.Text(id129::kEmailLabel, m_strEmailLabel);
}

void CContactDlg::OnShowWindow() {
    ShowCommon();
    m_strIntro =
        "Bitte tragen Sie hier Ihre Daten ein, damit unser Support Ihre Anfrage schnell bearbeiten kann.";
    m_strRequired = "Die mit einem * gekennzeichneten Felder müssen ausgefüllt werden.";
    m_strDateLabel = "Datum*";
    m_strCustomerLabel = "Kundennummer";
    m_strPhoneLabel = "Telefonnummer*";
    m_strFaxLabel = "Faxnummer";
    m_strCompanyLabel = "Firmenname,*\nAbteilung";
    m_strContactLabel = "Ansprechpartner*";
    m_strEmailLabel = "E-Mail-Adresse*";
    SetItemText(id129::kNext, "&Weiter >>");
    SetItemText(id129::kBack, "Abbrechen"); // keeps this label although it goes back
    for (const Field& f : kFields)
        this->*f.member = m_pRecord->*f.recordField;
    if (m_strDate.empty())
        m_strDate = Today();
    SetFocusItem(id129::kCompany);
    UpdateData(false);
}

void CContactDlg::OnCommand(int id, Notify code) {
    switch (id) {
    case id129::kNext:
        if (code == Notify::Clicked)
            OnNext();
        break;
    case id129::kBack:
        if (code == Notify::Clicked)
            OnBack();
        break;
    default:
        CPageDlg::OnCommand(id, code);
        break;
    }
}

void CContactDlg::OnNext() {
    UpdateData(true);
    for (const Field& f : kFields)
        this->*f.member = Trimmed(this->*f.member);
    for (const Field& f : kFields) {
        if (f.mandatory && (this->*f.member).empty()) {
            Refuse("Unvollständige Angaben", "Bitte füllen Sie alle Pflichtfelder aus.");
            return;
        }
    }
    if (m_strPhone.find_first_of("0+") == std::string::npos) {
        Refuse("Ungültige Telefonnummer", "Das Feld Telefon enthält keine gültige Nummer!", id129::kPhone);
        return;
    }
    if (m_strEmail.find('@') == std::string::npos || m_strEmail.find('.') == std::string::npos) {
        Refuse("Ungültige E-Mail-Adresse", "Das Feld E-Mail enthält keine gültige Adresse!", id129::kEmail);
        return;
    }
    SaveToRecord();
    EndPage();
}

void CContactDlg::SaveToRecord() {
    UpdateData(true);
    for (const Field& f : kFields)
        m_pRecord->*f.recordField = Trimmed(this->*f.member);
    StoreWindowRect();
}

} // namespace mirel
