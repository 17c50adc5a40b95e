// What every page of the wizard shares: the record pointer, caption, placement and icon when
// shown, the close confirmation, Enter and Escape that never close a page, the info box that
// hands its focus on to the Next button, and the beep + message box form of validation.
#pragma once

#include <initializer_list>
#include <string>

#include "platform/Dialog.h"
#include "report/ReportRecord.h"
#include "res/templates/FrameIds.h"

namespace mirel {

class CPageDlg : public Dialog {
  public:
    CPageDlg(int templateId, ReportRecord* pRecord);

    void OnShowWindow() override;
    void OnClose() override;
    void OnOK() override {}     // Enter without a usable default button does nothing
    void OnCancel() override {} // Escape never closes a page
    void OnCommand(int id, Notify code) override;
    // Tab passes by the info box that hands its focus on: it is reached with the mouse only.
    bool SkipsTab(int id) const override { return id == idframe::kInfoBox && !m_bInfoBoxKeepsFocus; }

  protected:
    // Caption from the record's title, placement at the last page's position, icon 128.
    void ShowCommon();
    // Next: the page's checks, then SaveToRecord and the end of the page.
    virtual void OnNext();
    // Back: no checks; the typed values are kept in the record.
    virtual void OnBack();
    // Reads the controls into the record; the default stores only the window rectangle.
    virtual void SaveToRecord();

    // Ends the page as the classic dialog's OK does: controls to members, end of the modal run.
    void EndPage() { Dialog::OnOK(); }
    void StoreWindowRect();
    // Information beep, then a message box with OK and the information icon; the focus moves to
    // `focusId` when it is not 0.
    void Refuse(const std::string& caption, const std::string& text, int focusId = 0);
    // One rule of a page's Next: when `fails`, the page refuses with caption and text and moves
    // the focus to `focus` (0 = the focus stays).
    struct PageCheck {
        bool fails;
        const char* caption;
        const char* text;
        int focus;
    };
    // Refuses with the first failing rule; when every rule passes, SaveToRecord and the end.
    void NextAfterChecks(std::initializer_list<PageCheck> checks);
    // Sets the info box text: controls to members, m_strInfo = text, members to controls.
    void SetInfo(const std::string& text);

    ReportRecord* m_pRecord;
    std::string m_strInfo;             // text of the info box idframe::kInfoBox (pages that have one bind it)
    bool m_bInfoBoxKeepsFocus = false; // the Windows environment page lets the info box keep it
};

} // namespace mirel
