#include "pages/ContactDlg.h"

#include <cstdio>
#include <string_view>

#include "platform/Services.h"
#include "platform/Text.h"

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
    {1002, &CContactDlg::m_strDate, 15, true, &ReportRecord::m_strDate},
    {1003, &CContactDlg::m_strCompany, 100, true, &ReportRecord::m_strCompany},
    {1005, &CContactDlg::m_strCustomerNo, 20, false, &ReportRecord::m_strCustomerNo},
    {1004, &CContactDlg::m_strContact, 50, true, &ReportRecord::m_strContact},
    {1006, &CContactDlg::m_strPhone, 30, true, &ReportRecord::m_strPhone},
    {1008, &CContactDlg::m_strEmail, 100, true, &ReportRecord::m_strEmail},
    {1007, &CContactDlg::m_strFax, 30, false, &ReportRecord::m_strFax},
};

CContactDlg::CContactDlg(ReportRecord* pRecord) : CPageDlg(129, pRecord) {}

void CContactDlg::DoDataExchange(DataExchange& dx) {
    for (const Field& f : kFields)
        dx.Text(f.id, this->*f.member, f.maxChars);
    dx.Text(1244, m_strIntro);
    dx.Text(1245, m_strRequired);
    dx.Text(1249, m_strDateLabel);
    dx.Text(1250, m_strCustomerLabel);
    dx.Text(1251, m_strPhoneLabel);
    dx.Text(1252, m_strFaxLabel);
    dx.Text(1253, m_strCompanyLabel);
    dx.Text(1254, m_strContactLabel);
    dx.Text(1255, m_strEmailLabel);
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
    SetItemText(1010, "&Weiter >>");
    SetItemText(1009, "Abbrechen"); // keeps this label although it goes back
    for (const Field& f : kFields)
        this->*f.member = m_pRecord->*f.recordField;
    if (m_strDate.empty())
        m_strDate = Today();
    SetFocusItem(1003);
    UpdateData(false);
}

void CContactDlg::OnCommand(int id, Notify code) {
    switch (id) {
    case 1010:
        if (code == Notify::Clicked)
            OnNext();
        break;
    case 1009:
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
        Refuse("Ungültige Telefonnummer", "Das Feld Telefon enthält keine gültige Nummer!", 1006);
        return;
    }
    if (m_strEmail.find('@') == std::string::npos || m_strEmail.find('.') == std::string::npos) {
        Refuse("Ungültige E-Mail-Adresse", "Das Feld E-Mail enthält keine gültige Adresse!", 1008);
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
