// The hardware details page: optional details of the PC's hardware. Leaving it in either
// direction stores every field and rebuilds the hardware block of the report.
#pragma once

#include <array>
#include <string>

#include "pages/common/PageDlg.h"

namespace mirel {

class CHardwareDlg : public CPageDlg {
  public:
    // Number of edits; field n (1..17) lives in element n of the record's m_astrHardware.
    static constexpr int kFieldCount = 17;

    explicit CHardwareDlg(ReportRecord* pRecord) : CPageDlg(163, pRecord) {}
    const char* ClassName() const override { return "CHardwareDlg"; }

    void DoDataExchange(DataExchange& dx) override;
    void OnShowWindow() override;

  protected:
    // Stores the fields and rebuilds the block; used by Weiter and Zurück alike.
    void SaveToRecord() override;
    void BuildHardwareBlock();

  private:
    // The edits' texts, index n - 1 for field n.
    std::array<std::string, kFieldCount> m_astrField{};
};

} // namespace mirel
