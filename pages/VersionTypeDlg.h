// The version type page: the first page of the wizard. It offers the editions of the chosen
// product as up to four large buttons; a click fixes the version index and ends the page.
#pragma once

#include <string>

#include "pages/common/PageDlg.h"

namespace mirel {

class CVersionTypeDlg : public CPageDlg {
  public:
    explicit CVersionTypeDlg(ReportRecord* pRecord);
    const char* ClassName() const override { return "CVersionTypeDlg"; }

    void DoDataExchange(DataExchange& dx) override;
    void OnShowWindow() override;
    void OnCommand(int id, Notify code) override;

  protected:
    void OnNext() override;
    // "Abbrechen": ends the program without asking.
    void OnQuit();

  private:
    std::string m_strPrompt; // static id138::kPrompt
    int m_nPageVersion = -1; // base index of the product plus the offset of the button clicked
};

} // namespace mirel
