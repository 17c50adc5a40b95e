// A page window as a host shows it: the controls of one template and their state. The page
// (Dialog) works only through this interface; the Qt host backs it with widgets, the headless
// host with plain state.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/Template.h"
#include "platform/Types.h"

namespace mirel {

class Dialog;

class Window {
  public:
    virtual ~Window() = default;

    // Control state. Texts are UTF-8; multi-line edits use "\r\n" line breaks.
    virtual std::string GetText(int id) const = 0;
    virtual void SetText(int id, std::string_view text) = 0; // clears an edit's modified flag
    virtual bool IsVisible(int id) const = 0;
    virtual void Show(int id, bool show) = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual void Enable(int id, bool enable) = 0;
    virtual bool IsReadOnly(int id) const = 0;
    virtual void SetReadOnly(int id, bool readOnly) = 0;
    virtual bool GetModify(int id) const = 0;
    virtual void SetModify(int id, bool modified) = 0;
    virtual int GetLimit(int id) const = 0; // 0 = no limit
    virtual void SetLimit(int id, int maxChars) = 0;
    virtual int GetCheck(int id) const = 0;
    virtual void SetCheck(int id, int checked) = 0;
    virtual int GetCurSel(int id) const = 0;
    virtual void SetCurSel(int id, int index) = 0;
    virtual int GetCount(int id) const = 0;
    virtual std::string GetItem(int id, int index) const = 0;

    // Shows the keyboard focus on control `id` (0 = none). The page tracks the focus itself and
    // sends the notifications; the host only moves its own focus along.
    virtual void ShowFocus(int id) = 0;

    // Window.
    virtual std::string GetCaption() const = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    virtual Rect GetRect() const = 0; // screen coordinates
    virtual void MoveTo(int x, int y) = 0;
    virtual void SetIcon(int iconId) = 0;

    // Makes the window visible, once the page has finished its show handling.
    virtual void Open() = 0;
    // Hides or shows the whole window again while it stays open.
    virtual void SetWindowVisible(bool visible) = 0;
    virtual bool IsWindowVisible() const = 0;
    // Runs the window modally until End is called; returns the code passed to End.
    virtual int RunModal() = 0;
    virtual void End(int result) = 0;
    virtual bool Ended() const = 0;

    // Writes a picture of the window to `path` (PNG). Hosts without pictures do nothing.
    virtual bool Screenshot(const std::string& path) = 0;

    // Input as a person gives it. A host delivers each as its toolkit delivers real input, so
    // the toolkit's own behaviour (focus on click, caret, selection, input limit, keys) is what
    // runs; the controls then report to the page as they do for a person.
    virtual void InputClick(int id) = 0;                // press and release at the control's centre
    virtual void InputKey(Key key) = 0;                 // a key press where the focus is
    virtual void InputMnemonic(char letter) = 0;        // Alt+letter, `letter` a..z
    virtual void InputChar(std::string_view ch) = 0;    // one typed character (UTF-8) where the focus is
    virtual void InputPaste(std::string_view text) = 0; // Ctrl+V of `text` where the focus is
    virtual void InputSelect(int id, int index) = 0;    // opens drop-down list `id`, picks entry `index`
    virtual void InputClose() = 0;                      // the close box of the window
};

class Host {
  public:
    virtual ~Host() = default;
    virtual std::unique_ptr<Window> CreateWindow(Dialog& dialog, const DialogTemplate& tmpl) = 0;
};

Host& GetHost();
void SetHost(Host* host);

} // namespace mirel
