// The environment page of the Windows product: its version number, the start medium, the Windows
// version with service pack and Internet Explorer version, the user rights (NT family only), a
// batch command line (Professional only), the reproducibility and free remarks. Its info box may
// keep the keyboard focus and is never emptied.
#pragma once

#include <string>

#include "pages/common/PageDlg.h"

namespace mirel {

class CWinEnvDlg : public CPageDlg {
  public:
    explicit CWinEnvDlg(ReportRecord* pRecord);
    const char* ClassName() const override { return "CWinEnvDlg"; }

    void DoDataExchange(DataExchange& dx) override;
    void OnShowWindow() override;
    void OnCommand(int id, Notify code) override;

  protected:
    void OnNext() override;
    void SaveToRecord() override;

  private:
    // Service pack and user rights are asked for the NT family only; id152::kAdminSame also needs "Nein".
    void EnableNtControls(bool nt);
    void OnWindowsVersion();
    void OnAdminAnswer();

    std::string m_strVersion;
    int m_nStartFrom = 0; // 1 = started from the medium in m_strMedium
    std::string m_strMedium;
    std::string m_strOs; // text of the chosen entry of list id152::kWindows
    std::string m_strServicePack;
    std::string m_strIeVersion;
    int m_nAdmin = -1; // 0 yes, 1 no
    int m_bAdminSame = 0;
    std::string m_strBatch;
    int m_nReproducible = -1;
    std::string m_strNote;
};

} // namespace mirel
