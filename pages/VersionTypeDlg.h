// The version type page (placeholder: Back and Next only).
#pragma once

#include "pages/common/PageDlg.h"

namespace mirel {

class CVersionTypeDlg : public CPageDlg {
public:
    explicit CVersionTypeDlg(ReportRecord* pRecord) : CPageDlg(138, pRecord) {}
    const char* ClassName() const override { return "CVersionTypeDlg"; }
    void OnCommand(int id, Notify code) override;
};

} // namespace mirel
