// The dialog base class of every page: one template, a modal run through the host, events as
// virtual calls, data exchange and control operations by id.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/DataExchange.h"
#include "platform/Template.h"
#include "platform/Types.h"
#include "platform/Window.h"

namespace mirel {

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
    // The control that takes the focus when the page has opened: the first visible, enabled
    // tab stop that is not a picture; 0 = none.
    virtual int InitialFocus() const;
    // A control that Tab passes by although a user could act on it.
    virtual bool SkipsTab(int id) const {
        (void)id;
        return false;
    }

    // true: controls -> members; false: members -> controls.
    bool UpdateData(bool saveAndValidate = true);

    // Control operations by id.
    std::string GetItemText(int id) const;
    void SetItemText(int id, std::string_view text);
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

    // What a person does. Each goes to the host as real input (Window::Input*), so the tests, the
    // scenario runner and a person at the keyboard run the same code.
    // A mouse click; on an edit the caret then goes to the end of its text (Ctrl+End).
    void UserClick(int id);
    // Clicks into edit `id`, selects its whole text and types `text` one key at a time ('\n' is
    // Return in a multi-line edit that takes it and is dropped elsewhere); an empty text selects
    // everything and presses Delete.
    void UserType(int id, std::string_view text);
    // Clicks into edit `id` and pastes `text` as Ctrl+V does.
    void UserPaste(int id, std::string_view text);
    void UserSelect(int id, int index) { m_pWnd->InputSelect(id, index); }
    void UserFocus(int id) { SetFocusItem(id); }
    void UserKey(Key key) { m_pWnd->InputKey(key); }
    void UserMnemonic(char letter) { m_pWnd->InputMnemonic(letter); }
    void UserClose() { m_pWnd->InputClose(); }

    // What the controls report; the hosts call these for the input they receive.
    // A push button, check box, radio button or notifying picture or text was clicked.
    void ControlClicked(int id);
    // The user changed the text of an edit.
    void ControlChanged(int id) { OnCommand(id, Notify::Change); }
    // A drop-down list is about to open; false when the page ended or moved on meanwhile.
    bool ControlDropDown(int id);
    // The user picked entry `index` of a drop-down list.
    void ControlSelected(int id, int index);
    // The keys the dialog handles rather than the focused control: Tab and Shift+Tab, Return,
    // Escape, Space on a button or picture, the arrows within a radio group. Returns whether
    // the key was the dialog's.
    bool DialogKey(Key key);
    // Alt+letter: the first label or button after the focus whose mnemonic is `letter`
    // (lower case). Returns whether one was found.
    bool DialogMnemonic(char32_t letter);
    // Whether a mouse click on the control gives it the keyboard focus.
    bool TakesFocus(int id) const;

  private:
    bool Usable(const ControlTemplate& c) const;
    int TabStopEntry(std::size_t index) const;
    int NextTabStop(std::ptrdiff_t from, bool forward, int skipGroupOf) const;
    bool RadioArrow(int id, bool forward);

    const DialogTemplate* m_pTemplate;
    std::unique_ptr<Window> m_pWnd;
    int m_nFocus = 0;
    int m_nResult = 0;
};

} // namespace mirel
