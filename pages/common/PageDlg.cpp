#include "pages/common/PageDlg.h"

#include "platform/Services.h"
#include "res/templates/FrameIds.h"

namespace mirel {

CPageDlg::CPageDlg(int templateId, ReportRecord* pRecord) : Dialog(templateId), m_pRecord(pRecord) {}

void CPageDlg::ShowCommon() {
    SetCaption(m_pRecord->m_strTitle);
    MoveWindow(m_pRecord->m_rcWindow.left, m_pRecord->m_rcWindow.top);
    SetIcon(128);
}

void CPageDlg::OnShowWindow() {
    ShowCommon();
    UpdateData(false);
}

void CPageDlg::OnClose() {
    Services& services = GetServices();
    services.Beep(BeepKind::Question);
    const MsgAnswer answer = services.MessageBox(
        "Mirel beenden",
        "Wollen Sie das Programm wirklich beenden?\n\nWenn Sie das Programm jetzt beenden, "
        "werden alle Angaben verworfen.",
        MsgButtons::YesNo, MsgIcon::Question, 2);
    if (answer == MsgAnswer::No)
        return;
    m_pRecord->m_bQuit = 1;
    EndPage();
}

void CPageDlg::OnCommand(int id, Notify code) {
    switch (id) {
    case idframe::kNext:
        if (code == Notify::Clicked)
            OnNext();
        break;
    case idframe::kBack:
        if (code == Notify::Clicked)
            OnBack();
        break;
    case idframe::kInfoBox:
        if (code == Notify::SetFocus && !m_bInfoBoxKeepsFocus && HasControl(idframe::kNext))
            SetFocusItem(idframe::kNext);
        break;
    default:
        break;
    }
}

void CPageDlg::OnNext() {
    SaveToRecord();
    EndPage();
}

void CPageDlg::OnBack() {
    m_pRecord->m_bBack = 1;
    SaveToRecord();
    EndPage();
}

void CPageDlg::SaveToRecord() {
    UpdateData(true);
    StoreWindowRect();
}

void CPageDlg::StoreWindowRect() {
    m_pRecord->m_rcWindow = GetWindowRect();
}

void CPageDlg::Refuse(const std::string& caption, const std::string& text, int focusId) {
    Services& services = GetServices();
    services.Beep(BeepKind::Information);
    services.MessageBox(caption, text, MsgButtons::Ok, MsgIcon::Information);
    if (focusId != 0)
        SetFocusItem(focusId);
}

void CPageDlg::NextAfterChecks(std::initializer_list<PageCheck> checks) {
    for (const PageCheck& check : checks) {
        if (check.fails) {
            Refuse(check.caption, check.text, check.focus);
            return;
        }
    }
    SaveToRecord();
    EndPage();
}

void CPageDlg::SetInfo(const std::string& text) {
    UpdateData(true);
    m_strInfo = text;
    UpdateData(false);
}

} // namespace mirel
