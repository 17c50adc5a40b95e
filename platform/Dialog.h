// The dialog base class of every page: one template, a modal run through the host, events as
// virtual calls, data exchange and control operations by id.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/DataExchange.h"
#include "platform/Template.h"
#include "platform/Types.h"
#include "platform/Window.h"

namespace mirel {

enum class Key { Enter, Escape };

class Dialog {
  public:
    explicit Dialog(int templateId);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Class name of the page, as the scenario log prints it.
    virtual const char* ClassName() const = 0;

    // Shows the page and runs it until EndDialog; returns the code given to EndDialog.
    int DoModal();
    void EndDialog(int result);

    // Events. The default OnOK reads the controls and ends with kIdOk, the default OnCancel ends
    // with kIdCancel, the default OnClose acts as OnCancel.
    virtual void OnShowWindow() {}
    virtual void OnClose() { OnCancel(); }
    virtual void OnOK();
    virtual void OnCancel() { EndDialog(kIdCancel); }
    virtual void OnCommand(int id, Notify code) {
        (void)id;
        (void)code;
    }
    virtual void DoDataExchange(DataExchange& dx) { (void)dx; }
    // The control that holds the focus when the page opens (no notification is sent for it):
    // the first visible, enabled tab stop that is not a picture; 0 = none.
    virtual int InitialFocus() const;

    // true: controls -> members; false: members -> controls.
    bool UpdateData(bool saveAndValidate = true);

    // Control operations by id.
    std::string GetItemText(int id) const;
    void SetItemText(int id, std::string_view text);
    void AppendItemText(int id, std::string_view text);
    bool IsItemVisible(int id) const;
    void ShowItem(int id, bool show);
    bool IsItemEnabled(int id) const;
    void EnableItem(int id, bool enable);
    bool IsReadOnly(int id) const;
    void SetReadOnly(int id, bool readOnly);
    bool GetModify(int id) const;
    void SetModify(int id, bool modified);
    void SetLimitText(int id, int maxChars);
    int GetCheck(int id) const;
    void SetCheck(int id, int checked);
    int GetCurSel(int id) const;
    void SetCurSel(int id, int index);
    int GetListCount(int id) const;
    std::string GetListItem(int id, int index) const;
    // Moves the keyboard focus: the old control reports kill-focus, the new one set-focus.
    void SetFocusItem(int id);
    int GetFocusItem() const { return m_nFocus; }

    std::string GetCaption() const;
    void SetCaption(std::string_view caption);
    Rect GetWindowRect() const;
    void MoveWindow(int x, int y); // keeps the size
    void SetIcon(int iconId);
    void SetWindowVisible(bool visible) { m_pWnd->SetWindowVisible(visible); }

    const DialogTemplate& Template() const { return *m_pTemplate; }
    bool HasControl(int id) const { return m_pTemplate->Find(id) != nullptr; }
    Window* GetWindow() const { return m_pWnd.get(); }
    bool IsOpen() const { return m_pWnd != nullptr && !m_pWnd->Ended(); }

    // What a user does. The scenario runner and the tests act through these, and the Qt host
    // routes real input through them, so both hosts behave alike.
    void UserClick(int id);
    void UserType(int id, std::string_view text);
    void UserSelect(int id, int index);
    void UserFocus(int id) { SetFocusItem(id); }
    void UserKey(Key key);
    void UserClose() { OnClose(); }

  private:
    const DialogTemplate* m_pTemplate;
    std::unique_ptr<Window> m_pWnd;
    int m_nFocus = 0;
    int m_nResult = 0;
};

} // namespace mirel
