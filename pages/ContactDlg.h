// The contact data page: date, company, customer number, contact person, telephone, e-mail
// address and fax of the customer. Five fields are mandatory; telephone and e-mail address get a
// minimal plausibility check. Its left button, labelled "Abbrechen", goes back.
#pragma once

#include <string>

#include "pages/common/PageDlg.h"

namespace mirel {

class CContactDlg : public CPageDlg {
  public:
    explicit CContactDlg(ReportRecord* pRecord);
    const char* ClassName() const override { return "CContactDlg"; }

    void DoDataExchange(DataExchange& dx) override;
    void OnShowWindow() override;
    void OnCommand(int id, Notify code) override;

  protected:
    void OnNext() override;
    void SaveToRecord() override;

  private:
    // One edit of the page: its member, input limit, whether it must be filled, and its record
    // field. In tab order.
    struct Field {
        int id;
        std::string CContactDlg::*member;
        int maxChars;
        bool mandatory;
        std::string ReportRecord::*recordField;
    };
    static const Field kFields[7];

    // Edits.
    std::string m_strDate;
    std::string m_strCompany;
    std::string m_strCustomerNo;
    std::string m_strContact;
    std::string m_strPhone;
    std::string m_strEmail;
    std::string m_strFax;

    // Labels.
    std::string m_strIntro;         // id129::kIntro
    std::string m_strRequired;      // id129::kRequiredNote
    std::string m_strDateLabel;     // id129::kDateLabel
    std::string m_strCustomerLabel; // id129::kCustomerNoLabel
    std::string m_strPhoneLabel;    // id129::kPhoneLabel
    std::string m_strFaxLabel;      // id129::kFaxLabel
    std::string m_strCompanyLabel;  // id129::kCompanyLabel
    std::string m_strContactLabel;  // id129::kContactLabel
    std::string m_strEmailLabel;    // id129::kEmailLabel
};

} // namespace mirel
