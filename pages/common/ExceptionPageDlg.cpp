#include "pages/common/ExceptionPageDlg.h"
#include "res/templates/Template133.h"
#include "res/templates/Template136.h"

namespace mirel {
namespace {

// Both exception templates have the screenshot check box under the same id.
constexpr int kScreenshotBox = id133::kScreenshot;
static_assert(id136::kScreenshot == kScreenshotBox);

} // namespace

CExceptionPageDlg::CExceptionPageDlg(int templateId, ReportRecord* pRecord, std::span<const Field> fields,
                                     std::string* recordValues, std::size_t firstLocked,
                                     std::size_t endLocked)
    : CPageDlg(templateId, pRecord), m_astrValue(fields.size()), m_fields(fields),
      m_pRecordValues(recordValues), m_nFirstLocked(firstLocked), m_nEndLocked(endLocked) {}

void CExceptionPageDlg::DoDataExchange(DataExchange& dx) {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        dx.Text(m_fields[i].control, m_astrValue[i], m_fields[i].limit);
    dx.Text(idframe::kInfoBox, m_strInfo, 400);
    dx.Check(kScreenshotBox, m_bScreenshot);
}

void CExceptionPageDlg::OnShowWindow() {
    ShowCommon();
    for (std::size_t i = 0; i < m_astrValue.size(); ++i)
        m_astrValue[i] = m_pRecordValues[i];
    m_bScreenshot = m_pRecord->m_bScreenshot != 0 ? 1 : 0;
    ApplyScreenshotState();
    UpdateData(false);
}

void CExceptionPageDlg::OnCommand(int id, Notify code) {
    if (id == kScreenshotBox) {
        if (code == Notify::Clicked)
            OnScreenshot();
        return;
    }
    CPageDlg::OnCommand(id, code);
}

void CExceptionPageDlg::OnScreenshot() {
    UpdateData(true);
    ApplyScreenshotState();
    UpdateData(false);
}

void CExceptionPageDlg::ApplyScreenshotState() {
    const bool ticked = m_bScreenshot != 0;
    m_strInfo = ticked ? "Bitte fügen Sie unbedingt den Screenshot der Exception der E-Mail bei!" : "";
    for (std::size_t i = m_nFirstLocked; i < m_nEndLocked; ++i)
        EnableItem(m_fields[i].control, !ticked);
}

void CExceptionPageDlg::OnNext() {
    UpdateData(true);
    if (m_bScreenshot == 0 && !ValuesAccepted())
        return;
    SaveToRecord();
    BuildExceptionBlock();
    EndPage();
}

void CExceptionPageDlg::SaveToRecord() {
    UpdateData(true);
    for (std::size_t i = 0; i < m_astrValue.size(); ++i)
        m_pRecordValues[i] = m_astrValue[i];
    m_pRecord->m_bScreenshot = m_bScreenshot;
    StoreWindowRect();
}

} // namespace mirel
