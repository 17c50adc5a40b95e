// The page window of the win32 host: a dialog created by the system's dialog manager from an
// in-memory template. The page's state lives in the real controls; what the user does with
// them (clicks, typing, focus, keys, the close box) reaches the page through its dialog logic.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Dialog.h"
#include "platform/Window.h"
#include "platform/win32/WinApi.h"

namespace mirel::win32 {

class Win32Window : public Window {
  public:
    Win32Window(Dialog& dialog, const DialogTemplate& tmpl);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    std::string GetText(int id) const override;
    void SetText(int id, std::string_view text) override;
    void AppendText(int id, std::string_view text) override;
    bool IsVisible(int id) const override;
    void Show(int id, bool show) override;
    bool IsEnabled(int id) const override;
    void Enable(int id, bool enable) override;
    bool IsReadOnly(int id) const override;
    void SetReadOnly(int id, bool readOnly) override;
    bool GetModify(int id) const override;
    void SetModify(int id, bool modified) override;
    int GetLimit(int id) const override;
    void SetLimit(int id, int maxChars) override;
    int GetCheck(int id) const override;
    void SetCheck(int id, int checked) override;
    int GetCurSel(int id) const override;
    void SetCurSel(int id, int index) override;
    int GetCount(int id) const override;
    std::string GetItem(int id, int index) const override;
    void ShowFocus(int id) override;

    std::string GetCaption() const override;
    void SetCaption(std::string_view caption) override;
    Rect GetRect() const override;
    void MoveTo(int x, int y) override;
    void SetIcon(int iconId) override;

    void Open() override;
    void SetWindowVisible(bool visible) override;
    bool IsWindowVisible() const override;
    int RunModal() override;
    void End(int result) override;
    bool Ended() const override { return m_ended; }
    bool Screenshot(const std::string& path) override;

    // Input as a person gives it, delivered as window messages (Win32Input.cpp).
    void InputClick(int id) override;
    void InputKey(Key key) override;
    void InputMnemonic(char letter) override;
    void InputChar(std::string_view ch) override;
    void InputPaste(std::string_view text) override;
    void InputSelect(int id, int index) override;
    void InputClose() override;

    HWND Handle() const { return m_hwnd; }
    HWND Item(int id) const; // throws std::out_of_range for a control the page does not have
    // The keys the page's dialog logic decides (Tab, Return, Escape, Space on a button, the
    // arrows in a radio group, Alt+letter) go to it; the focused control keeps its own keys.
    // True when `msg` was taken and must not be dispatched.
    bool RouteKey(const MSG& msg);
    // Handles every message waiting for this thread, as the modal loop would.
    void Pump();
    // Inserts `utf8` into edit `edit` as the clipboard's Ctrl+V does: filtered as typed text, cut
    // by the input limit, one change.
    void PasteInto(HWND edit, std::string_view utf8);
    // The window that receives the keys: the control with the page's focus, else the page.
    HWND FocusWindow() const;
    // The edit that has the focus (its window in `edit`), or nullptr when no edit has it.
    const ControlTemplate* FocusedEdit(HWND& edit) const;
    // Whether a typed character of `chars` characters fits edit `edit`'s input limit.
    bool Fits(HWND edit, std::size_t chars) const;

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnInit();
    void OnControl(int id, int code);
    const ControlTemplate* Control(int id) const { return m_tmpl.Find(id); }
    void Dispatch(MSG& msg);
    void SendKey(UINT vk, bool shift, bool control);
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);

    // Marks a stretch in which the program, not the user, changes controls: the notifications it
    // causes are not user input.
    class Quiet {
      public:
        explicit Quiet(const Win32Window& w) : m_w(w) { ++m_w.m_quiet; }
        ~Quiet() { --m_w.m_quiet; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;

      private:
        const Win32Window& m_w;
    };

    Dialog& m_dialog;
    const DialogTemplate& m_tmpl;
    std::vector<std::uint32_t> m_bytes;
    HWND m_hwnd = nullptr;
    mutable int m_quiet = 0;
    bool m_ended = false;
    bool m_open = false;
    int m_result = 0;
    int m_focus = 0;
    std::map<int, int> m_limits;
    std::set<int> m_onWhite; // controls that lie on the white header
    std::vector<HBITMAP> m_bitmaps;
    std::map<HWND, HFONT> m_fonts; // narrower fonts of static texts that would not fit
    void FitText(HWND control);
    HICON m_icons[2] = {nullptr, nullptr};
    HBRUSH m_white = nullptr;
};

class Win32Host : public Host {
  public:
    std::unique_ptr<Window> CreateWindow(Dialog& dialog, const DialogTemplate& tmpl) override;
};

} // namespace mirel::win32
