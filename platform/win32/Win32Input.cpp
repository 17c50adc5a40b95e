// Input as a person gives it, delivered to the page window as window messages: mouse presses
// and releases at a control's centre, key presses with the keyboard state of Shift and Ctrl,
// typed characters. The controls' own window procedures handle them (focus on click, caret,
// selection, input limit), and report to the page through their notifications.
#include <algorithm>
#include <array>

#include "platform/Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/WinText.h"

namespace mirel::win32 {
namespace {

struct KeyCode {
    Key key;
    UINT vk;
    bool shift;
    bool control;
};

// Each key of the script as the keyboard gives it.
constexpr std::array<KeyCode, 12> kKeys = {{
    {Key::Enter, VK_RETURN, false, false},
    {Key::Escape, VK_ESCAPE, false, false},
    {Key::Tab, VK_TAB, false, false},
    {Key::ShiftTab, VK_TAB, true, false},
    {Key::Space, VK_SPACE, false, false},
    {Key::Up, VK_UP, false, false},
    {Key::Down, VK_DOWN, false, false},
    {Key::Left, VK_LEFT, false, false},
    {Key::Right, VK_RIGHT, false, false},
    {Key::End, VK_END, false, true},
    {Key::SelectAll, 'A', false, true},
    {Key::Delete, VK_DELETE, false, false},
}};

bool Down(int vk) {
    return (::GetKeyState(vk) & 0x8000) != 0;
}

// The script's key for a key press, if it is one of them.
const KeyCode* KeyOf(UINT vk) {
    const bool shift = Down(VK_SHIFT);
    const bool control = Down(VK_CONTROL);
    for (const KeyCode& k : kKeys)
        if (k.vk == vk && k.shift == shift && k.control == control)
            return &k;
    return nullptr;
}

// The keys an edit handles itself; the others go to the dialog.
bool EditTakes(Key key, LONG style) {
    switch (key) {
    case Key::Left:
    case Key::Right:
    case Key::End:
    case Key::SelectAll:
    case Key::Delete:
    case Key::Space:
        return true;
    case Key::Up:
    case Key::Down:
        return (style & ES_MULTILINE) != 0;
    case Key::Enter:
        return (style & ES_MULTILINE) != 0 && (style & ES_WANTRETURN) != 0;
    default:
        return false;
    }
}

} // namespace

HWND Win32Window::FocusWindow() const {
    // The control the page gave the focus. The system's own focus can lag behind it while the
    // window system activates the page (under X11 that arrives as an event of its own).
    const int id = m_dialog.GetFocusItem();
    const HWND h = id > 0 ? ::GetDlgItem(m_hwnd, id) : nullptr;
    return h != nullptr ? h : m_hwnd;
}

bool Win32Window::RouteKey(const MSG& msg) {
    if (m_ended || (msg.hwnd != m_hwnd && ::IsChild(m_hwnd, msg.hwnd) == FALSE))
        return false;
    if (msg.message == WM_SYSKEYDOWN && msg.wParam >= 'A' && msg.wParam <= 'Z' &&
        (msg.lParam & (1 << 29)) != 0) {
        m_dialog.DialogMnemonic(static_cast<char32_t>(msg.wParam - 'A' + 'a'));
        return true;
    }
    if (msg.message != WM_KEYDOWN)
        return false;
    const KeyCode* k = KeyOf(static_cast<UINT>(msg.wParam));
    if (k == nullptr)
        return false;
    const int id = msg.hwnd != m_hwnd ? ::GetDlgCtrlID(msg.hwnd) : 0;
    const ControlTemplate* c = id > 0 ? Control(id) : nullptr;
    if (c != nullptr && c->kind == ControlKind::Edit &&
        EditTakes(k->key, ::GetWindowLongW(msg.hwnd, GWL_STYLE)))
        return false;
    if (c != nullptr && c->kind == ControlKind::ComboBox) {
        // A closed drop-down list: Space does not open it, Up and Down pick the entry above or
        // below.
        if (k->key == Key::Space)
            return true;
        if (k->key == Key::Up || k->key == Key::Down) {
            const int next = GetCurSel(id) + (k->key == Key::Down ? 1 : -1);
            if (next >= 0 && next < GetCount(id) && next != GetCurSel(id))
                m_dialog.ControlSelected(id, next);
            return true;
        }
    }
    return m_dialog.DialogKey(k->key);
}

void Win32Window::SendKey(UINT vk, bool shift, bool control) {
    // The keyboard state that the controls and TranslateMessage read for Shift and Ctrl.
    BYTE saved[256] = {};
    ::GetKeyboardState(saved);
    BYTE state[256];
    std::copy(std::begin(saved), std::end(saved), std::begin(state));
    state[VK_SHIFT] = state[VK_LSHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = state[VK_LCONTROL] = control ? 0x80 : 0;
    ::SetKeyboardState(state);
    const HWND target = FocusWindow();
    const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    MSG down{target, WM_KEYDOWN, vk, 1 | scan, ::GetTickCount(), {}};
    if (!RouteKey(down)) {
        // With Ctrl the key makes no character (the control keys' characters are no text).
        if (!control)
            ::TranslateMessage(&down);
        ::DispatchMessageW(&down);
    }
    Pump();
    if (!m_ended && ::IsWindow(target) != FALSE) {
        MSG up{target, WM_KEYUP, vk, 1 | scan | (LPARAM{3} << 30), ::GetTickCount(), {}};
        Dispatch(up);
        Pump();
    }
    ::SetKeyboardState(saved);
}

void Win32Window::InputKey(Key key) {
    const auto k = std::find_if(kKeys.begin(), kKeys.end(), [key](const KeyCode& c) { return c.key == key; });
    if (k == kKeys.end())
        return;
    const HWND focus = FocusWindow();
    SendKey(k->vk, k->shift, k->control);
    // Ctrl+A and Ctrl+End as every edit knows them, also where an older edit control lacks them.
    if (!m_ended && (key == Key::SelectAll || key == Key::End) && focus != m_hwnd &&
        ::IsWindow(focus) != FALSE) {
        const ControlTemplate* c = Control(::GetDlgCtrlID(focus));
        if (c != nullptr && c->kind == ControlKind::Edit) {
            const int length = ::GetWindowTextLengthW(focus);
            const Quiet quiet(*this);
            if (key == Key::SelectAll)
                ::SendMessageW(focus, EM_SETSEL, 0, length);
            else
                ::SendMessageW(focus, EM_SETSEL, static_cast<WPARAM>(length), length);
        }
    }
}

void Win32Window::InputMnemonic(char letter) {
    const UINT vk = static_cast<UINT>(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter);
    const HWND target = FocusWindow();
    BYTE saved[256] = {};
    ::GetKeyboardState(saved);
    BYTE state[256];
    std::copy(std::begin(saved), std::end(saved), std::begin(state));
    state[VK_MENU] = state[VK_LMENU] = 0x80;
    ::SetKeyboardState(state);
    const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    MSG down{target, WM_SYSKEYDOWN, vk, 1 | scan | (LPARAM{1} << 29), ::GetTickCount(), {}};
    Dispatch(down);
    Pump();
    ::SetKeyboardState(saved);
}

bool Win32Window::Fits(HWND edit, std::size_t chars) const {
    const auto it = m_limits.find(::GetDlgCtrlID(edit));
    const int limit = it == m_limits.end() ? 0 : it->second;
    if (limit <= 0)
        return true;
    DWORD from = 0;
    DWORD to = 0;
    ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    const auto length = static_cast<std::size_t>(::GetWindowTextLengthW(edit));
    const std::size_t kept = length - (to - from);
    // A text the program set longer than the limit may stay that long, but not grow.
    return kept + chars <= std::max(static_cast<std::size_t>(limit), length);
}

const ControlTemplate* Win32Window::FocusedEdit(HWND& edit) const {
    edit = FocusWindow();
    if (edit == m_hwnd)
        return nullptr;
    const ControlTemplate* c = Control(::GetDlgCtrlID(edit));
    return c != nullptr && c->kind == ControlKind::Edit ? c : nullptr;
}

void Win32Window::InputChar(std::string_view ch) {
    HWND focus = nullptr;
    const ControlTemplate* c = FocusedEdit(focus);
    if (c == nullptr)
        return;
    const std::string typed = TypedText(ch, (c->style & kMultiline) != 0, 0);
    if (typed.empty())
        return;
    // A line break typed into a multi-line edit that leaves Return to the dialog is Ctrl+Return,
    // which the edit receives as the character LF.
    const std::wstring wide = typed == "\r\n" ? std::wstring(L"\n") : ToControlText(typed);
    for (wchar_t w : wide) {
        MSG msg{focus, WM_CHAR, static_cast<WPARAM>(w), 1, ::GetTickCount(), {}};
        Dispatch(msg);
    }
    Pump();
}

void Win32Window::PasteInto(HWND edit, std::string_view utf8) {
    if ((::GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0)
        return;
    const bool multiline = (::GetWindowLongW(edit, GWL_STYLE) & ES_MULTILINE) != 0;
    std::string piece = TypedText(utf8, multiline, 0);
    const auto it = m_limits.find(::GetDlgCtrlID(edit));
    const int limit = it == m_limits.end() ? 0 : it->second;
    DWORD from = 0;
    DWORD to = 0;
    ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    if (limit > 0) {
        const auto length = static_cast<std::size_t>(::GetWindowTextLengthW(edit));
        const std::size_t kept = length - (to - from);
        const std::size_t room = std::max(static_cast<std::size_t>(limit), length);
        if (kept + CharCount(piece) > room)
            piece = room > kept ? TypedText(piece, multiline, room - kept) : std::string();
    }
    if (piece.empty() && from == to)
        return;
    ::SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(ToControlText(piece).c_str()));
}

void Win32Window::InputPaste(std::string_view text) {
    HWND focus = nullptr;
    if (FocusedEdit(focus) == nullptr)
        return;
    PasteInto(focus, text);
    Pump();
}

void Win32Window::InputClick(int id) {
    const HWND h = Item(id);
    if (!IsVisible(id) || !IsEnabled(id))
        return;
    if (m_dialog.TakesFocus(id))
        m_dialog.SetFocusItem(id);
    if (!m_dialog.IsOpen() || m_ended)
        return;
    const ControlTemplate* c = Control(id);
    switch (c->kind) {
    case ControlKind::ComboBox:
        // The list opens under the mouse (the combo box reports the drop-down) and closes
        // again with the next click.
        ::SendMessageW(h, CB_SHOWDROPDOWN, TRUE, 0);
        if (!m_ended && ::IsWindow(h) != FALSE) {
            const Quiet quiet(*this);
            ::SendMessageW(h, CB_SHOWDROPDOWN, FALSE, 0);
        }
        break;
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
    case ControlKind::Edit:
    case ControlKind::Static:
    case ControlKind::Picture: {
        if ((c->kind == ControlKind::Static || c->kind == ControlKind::Picture) && (c->style & kNotify) == 0)
            break; // a click there reaches no control
        RECT rc{};
        ::GetClientRect(h, &rc);
        const LPARAM at = MAKELPARAM(rc.right / 2, rc.bottom / 2);
        ::SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
        if (!m_ended && ::IsWindow(h) != FALSE)
            ::SendMessageW(h, WM_LBUTTONUP, 0, at);
        break;
    }
    default:
        break; // group boxes, frames and rectangles take no clicks
    }
    Pump();
}

void Win32Window::InputSelect(int id, int index) {
    const HWND h = Item(id);
    // Opening the list reports the drop-down; the page may end meanwhile.
    ::SendMessageW(h, CB_SHOWDROPDOWN, TRUE, 0);
    if (m_ended || !m_dialog.IsOpen() || ::IsWindow(h) == FALSE)
        return;
    {
        const Quiet quiet(*this);
        ::SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageW(h, CB_SHOWDROPDOWN, FALSE, 0);
    }
    m_dialog.ControlSelected(id, index);
    Pump();
}

void Win32Window::InputClose() {
    ::SendMessageW(m_hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
}

LRESULT CALLBACK Win32Window::EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                       DWORD_PTR self) {
    auto* window = reinterpret_cast<Win32Window*>(self);
    if (msg == WM_KEYDOWN && wParam == 'A' && Down(VK_CONTROL) && !Down(VK_MENU)) {
        // Ctrl+A selects the whole text, and changes nothing (Wine's edit would report a change).
        ::SendMessageW(hwnd, EM_SETSEL, 0, -1);
        return 0;
    }
    if (msg == WM_CHAR && window != nullptr) {
        const auto c = static_cast<wchar_t>(wParam);
        const LONG style = ::GetWindowLongW(hwnd, GWL_STYLE);
        const bool multiline = (style & ES_MULTILINE) != 0;
        const bool lineBreak = c == L'\r' || c == L'\n';
        if (c == 0x01) {
            // Ctrl+A selects the whole text; it is never a character of the text.
            ::SendMessageW(hwnd, EM_SETSEL, 0, -1);
            return 0;
        }
        if (c >= L' ' || c == L'\t' || (lineBreak && multiline)) {
            if ((style & ES_READONLY) != 0)
                return 0;
            // A key beyond the input limit is refused; the edit itself would still report a
            // change under some systems.
            if (!window->Fits(hwnd, lineBreak ? 2 : 1)) {
                ::MessageBeep(MB_OK);
                return 0;
            }
            // What code page 1252 cannot hold is typed as '?'; a tab goes into the text even
            // where the edit would leave it to the dialog.
            const std::wstring one(1, c);
            if (c == L'\t' || FromControlText(one) == "?") {
                const std::string piece = c == L'\t' ? "\t" : "?";
                ::SendMessageW(hwnd, EM_REPLACESEL, TRUE,
                               reinterpret_cast<LPARAM>(ToControlText(piece).c_str()));
                return 0;
            }
        }
    } else if (msg == WM_PASTE && window != nullptr) {
        // The clipboard's text, filtered as typed text and cut by the limit, in one insertion.
        std::wstring text;
        if (::IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE && ::OpenClipboard(hwnd) != FALSE) {
            if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
                if (const auto* p = static_cast<const wchar_t*>(::GlobalLock(data))) {
                    text = p;
                    ::GlobalUnlock(data);
                }
            }
            ::CloseClipboard();
        }
        window->PasteInto(hwnd, Narrow(text));
        return 0;
    }
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}

} // namespace mirel::win32
