// The environment page of the info product: under Windows (with Windows version and service
// pack), under DOS (with DOS version) or inside the self-booting test product (with its version);
// further the info product's version number, a batch-mode call and free remarks. Only the detail
// of the chosen environment reaches the record; choosing another environment forgets the others.
#pragma once

#include <array>
#include <string>

#include "pages/common/PageDlg.h"

namespace mirel {

class CInfoEnvDlg : public CPageDlg {
  public:
    explicit CInfoEnvDlg(ReportRecord* pRecord) : CPageDlg(158, pRecord) {}
    const char* ClassName() const override { return "CInfoEnvDlg"; }

    void DoDataExchange(DataExchange& dx) override;
    void OnShowWindow() override;
    void OnCommand(int id, Notify code) override;

  protected:
    void OnNext() override;
    void SaveToRecord() override;

  private:
    bool IsFullVersion() const { return m_pRecord->m_nVersion == 4; }
    void ChooseEnvironment(int chosen);
    void OnWindowsVersion();
    void ShowServicePack(bool show);
    void EnableBatch(bool enable);

    int m_nStartEnv = -1;   // 0 Windows, 1 DOS, 2 self-booting test product
    int m_nWinVersion = -1; // index in list id158::kWindowsVersion
    // The detail of each environment, by environment: service pack, DOS version, test product version.
    std::array<std::string, 3> m_astrDetail{};
    std::string m_strVersion;
    std::string m_strBatch;
    std::string m_strNote;
};

} // namespace mirel
