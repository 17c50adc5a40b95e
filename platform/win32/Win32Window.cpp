#include "platform/win32/Win32Window.h"

#include <stdexcept>

#include "platform/win32/Screenshot.h"
#include "platform/win32/TemplateBuilder.h"
#include "platform/win32/TextFit.h"
#include "platform/win32/WinText.h"

namespace mirel::win32 {
namespace {

std::wstring WindowText(HWND hwnd) {
    const int n = ::GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(n > 0 ? n : 0) + 1, L'\0');
    const int got = ::GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

bool Inside(const ControlTemplate& inner, const ControlTemplate& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + inner.cy <= outer.y + outer.cy;
}

} // namespace

Win32Window::Win32Window(Dialog& dialog, const DialogTemplate& tmpl)
    : m_dialog(dialog), m_tmpl(tmpl), m_bytes(BuildDialogTemplate(tmpl)) {
    const Quiet quiet(*this);
    m_white = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    m_hwnd = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr),
                                          reinterpret_cast<LPCDLGTEMPLATEW>(m_bytes.data()), nullptr,
                                          &Win32Window::DialogProc, reinterpret_cast<LPARAM>(this));
    if (m_hwnd == nullptr)
        throw std::runtime_error("the dialog manager refused page " + std::to_string(tmpl.id));
}

Win32Window::~Win32Window() {
    if (m_hwnd != nullptr) {
        const Quiet quiet(*this);
        ::SetWindowLongPtrW(m_hwnd, DWLP_USER, 0);
        ::DestroyWindow(m_hwnd);
    }
    for (HBITMAP b : m_bitmaps)
        ::DeleteObject(b);
    for (const auto& [control, font] : m_fonts)
        ::DeleteObject(font);
    for (HICON i : m_icons)
        if (i != nullptr)
            ::DestroyIcon(i);
}

void Win32Window::OnInit() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    for (const ControlTemplate& c : m_tmpl.controls) {
        if (c.kind == ControlKind::WhiteRect) {
            for (const ControlTemplate& other : m_tmpl.controls)
                if (other.id > 0 && &other != &c && Inside(other, c))
                    m_onWhite.insert(other.id);
        }
        if (c.id <= 0 && c.kind != ControlKind::Picture)
            continue;
        if (c.kind == ControlKind::Edit)
            ::SetWindowSubclass(::GetDlgItem(m_hwnd, c.id), &Win32Window::EditProc, 1,
                                reinterpret_cast<DWORD_PTR>(this));
        if (c.kind == ControlKind::ComboBox) {
            const HWND combo = ::GetDlgItem(m_hwnd, c.id);
            for (const std::string& item : c.items)
                ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToControlText(item).c_str()));
        }
    }
    // Pictures: the bitmap resource drawn at the size of the control's rectangle. Controls
    // without an id are found by their place in the template (the dialog manager creates them
    // in template order).
    HWND child = ::GetWindow(m_hwnd, GW_CHILD);
    for (const ControlTemplate& c : m_tmpl.controls) {
        if (child == nullptr)
            break;
        if (c.kind == ControlKind::Static && !c.text.empty())
            FitText(child);
        if (c.kind == ControlKind::Picture && c.image > 0) {
            RECT rc{0, 0, c.cx, c.cy};
            ::MapDialogRect(m_hwnd, &rc);
            auto* bitmap = static_cast<HBITMAP>(::LoadImageW(instance, MAKEINTRESOURCEW(c.image),
                                                             IMAGE_BITMAP, rc.right > 0 ? rc.right : 1,
                                                             rc.bottom > 0 ? rc.bottom : 1, LR_DEFAULTCOLOR));
            if (bitmap != nullptr) {
                m_bitmaps.push_back(bitmap);
                ::SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
                ::SetWindowPos(child, nullptr, 0, 0, rc.right, rc.bottom,
                               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        child = ::GetWindow(child, GW_HWNDNEXT);
    }
}

void Win32Window::FitText(HWND control) {
    const auto dialogFont = reinterpret_cast<HFONT>(::SendMessageW(m_hwnd, WM_GETFONT, 0, 0));
    const HFONT font = FitStaticText(control, dialogFont);
    const auto old = m_fonts.find(control);
    if (font == nullptr && old == m_fonts.end())
        return;
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font != nullptr ? font : dialogFont), TRUE);
    if (old != m_fonts.end()) {
        ::DeleteObject(old->second);
        m_fonts.erase(old);
    }
    if (font != nullptr)
        m_fonts[control] = font;
}

HWND Win32Window::Item(int id) const {
    const HWND h = id > 0 ? ::GetDlgItem(m_hwnd, id) : nullptr;
    if (h == nullptr)
        throw std::out_of_range("no control " + std::to_string(id));
    return h;
}

// ---- control state ----

std::string Win32Window::GetText(int id) const {
    const ControlTemplate* c = Control(id);
    if (c != nullptr && c->kind == ControlKind::ComboBox)
        return GetItem(id, GetCurSel(id));
    return FromControlText(WindowText(Item(id)));
}

void Win32Window::SetText(int id, std::string_view text) {
    const Quiet quiet(*this);
    const HWND h = Item(id);
    const std::wstring wide = ToControlText(text);
    const ControlTemplate* c = Control(id);
    const bool edit = c != nullptr && c->kind == ControlKind::Edit;
    // The same text again leaves the edit alone, so the caret stays where the user is typing.
    if (!edit || WindowText(h) != wide)
        ::SetWindowTextW(h, wide.c_str());
    if (c != nullptr && c->kind == ControlKind::Static)
        FitText(h);
    if (edit)
        ::SendMessageW(h, EM_SETMODIFY, FALSE, 0);
}

void Win32Window::AppendText(int id, std::string_view text) {
    const Quiet quiet(*this);
    const HWND h = Item(id);
    const std::wstring wide = ToControlText(text);
    // The new text goes in at the end as a replaced empty selection there, so the rest of the
    // text is not set again; the user's selection stays. A text the program appends may pass
    // the input limit, as a text it sets may.
    DWORD from = 0;
    DWORD to = 0;
    ::SendMessageW(h, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    const auto length = static_cast<std::size_t>(::GetWindowTextLengthW(h));
    const auto limit = static_cast<std::size_t>(::SendMessageW(h, EM_GETLIMITTEXT, 0, 0));
    if (length + wide.size() > limit)
        ::SendMessageW(h, EM_LIMITTEXT, 0, 0);
    ::SendMessageW(h, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
    ::SendMessageW(h, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    if (length + wide.size() > limit)
        ::SendMessageW(h, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    ::SendMessageW(h, EM_SETSEL, static_cast<WPARAM>(from), static_cast<LPARAM>(to));
    ::SendMessageW(h, EM_SETMODIFY, FALSE, 0);
}

bool Win32Window::IsVisible(int id) const {
    return (::GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Window::Show(int id, bool show) {
    const Quiet quiet(*this);
    ::ShowWindow(Item(id), show ? SW_SHOWNA : SW_HIDE);
}

bool Win32Window::IsEnabled(int id) const {
    return ::IsWindowEnabled(Item(id)) != FALSE;
}

void Win32Window::Enable(int id, bool enable) {
    const Quiet quiet(*this);
    ::EnableWindow(Item(id), enable ? TRUE : FALSE);
}

bool Win32Window::IsReadOnly(int id) const {
    return (::GetWindowLongW(Item(id), GWL_STYLE) & ES_READONLY) != 0;
}

void Win32Window::SetReadOnly(int id, bool readOnly) {
    const Quiet quiet(*this);
    ::SendMessageW(Item(id), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

bool Win32Window::GetModify(int id) const {
    return ::SendMessageW(Item(id), EM_GETMODIFY, 0, 0) != 0;
}

void Win32Window::SetModify(int id, bool modified) {
    ::SendMessageW(Item(id), EM_SETMODIFY, modified ? TRUE : FALSE, 0);
}

int Win32Window::GetLimit(int id) const {
    Item(id);
    const auto it = m_limits.find(id);
    return it == m_limits.end() ? 0 : it->second;
}

void Win32Window::SetLimit(int id, int maxChars) {
    ::SendMessageW(Item(id), EM_LIMITTEXT, static_cast<WPARAM>(maxChars > 0 ? maxChars : 0), 0);
    m_limits[id] = maxChars > 0 ? maxChars : 0;
}

int Win32Window::GetCheck(int id) const {
    return ::SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Win32Window::SetCheck(int id, int checked) {
    const Quiet quiet(*this);
    ::SendMessageW(Item(id), BM_SETCHECK, checked != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Win32Window::GetCurSel(int id) const {
    const LRESULT sel = ::SendMessageW(Item(id), CB_GETCURSEL, 0, 0);
    return sel == CB_ERR ? -1 : static_cast<int>(sel);
}

void Win32Window::SetCurSel(int id, int index) {
    const Quiet quiet(*this);
    const int count = GetCount(id);
    ::SendMessageW(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index >= 0 && index < count ? index : -1), 0);
}

int Win32Window::GetCount(int id) const {
    const LRESULT n = ::SendMessageW(Item(id), CB_GETCOUNT, 0, 0);
    return n == CB_ERR ? 0 : static_cast<int>(n);
}

std::string Win32Window::GetItem(int id, int index) const {
    const HWND h = Item(id);
    if (index < 0 || index >= GetCount(id))
        return {};
    const LRESULT n = ::SendMessageW(h, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n == CB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    const LRESULT got =
        ::SendMessageW(h, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == CB_ERR ? 0 : static_cast<std::size_t>(got));
    return FromControlText(text);
}

void Win32Window::ShowFocus(int id) {
    m_focus = id;
    if (!m_open)
        return;
    const Quiet quiet(*this);
    const HWND target = id > 0 ? ::GetDlgItem(m_hwnd, id) : m_hwnd;
    if (target != nullptr && ::GetFocus() != target)
        ::SetFocus(target);
}

// ---- window ----

std::string Win32Window::GetCaption() const {
    return FromControlText(WindowText(m_hwnd));
}

void Win32Window::SetCaption(std::string_view caption) {
    ::SetWindowTextW(m_hwnd, ToControlText(caption).c_str());
}

Rect Win32Window::GetRect() const {
    RECT rc{};
    ::GetWindowRect(m_hwnd, &rc);
    return Rect{rc.left, rc.top, rc.right, rc.bottom};
}

void Win32Window::MoveTo(int x, int y) {
    ::SetWindowPos(m_hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::SetIcon(int iconId) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const int sizes[2][2] = {{::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)},
                             {::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)}};
    const WPARAM kinds[2] = {ICON_BIG, ICON_SMALL};
    for (int i = 0; i < 2; ++i) {
        auto* icon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                                     sizes[i][0], sizes[i][1], LR_DEFAULTCOLOR));
        if (icon == nullptr)
            continue;
        ::SendMessageW(m_hwnd, WM_SETICON, kinds[i], reinterpret_cast<LPARAM>(icon));
        if (m_icons[i] != nullptr)
            ::DestroyIcon(m_icons[i]);
        m_icons[i] = icon;
    }
}

void Win32Window::Open() {
    const Quiet quiet(*this);
    m_open = true;
    ::ShowWindow(m_hwnd, SW_SHOW);
    ::SetForegroundWindow(m_hwnd);
    ShowFocus(m_focus);
    ::UpdateWindow(m_hwnd);
}

void Win32Window::SetWindowVisible(bool visible) {
    const Quiet quiet(*this);
    ::ShowWindow(m_hwnd, visible ? SW_SHOW : SW_HIDE);
}

bool Win32Window::IsWindowVisible() const {
    return ::IsWindowVisible(m_hwnd) != FALSE;
}

void Win32Window::Dispatch(MSG& msg) {
    if (RouteKey(msg))
        return;
    // A person's mouse press on a control that takes the focus moves the page's focus first,
    // as a scripted click does.
    if ((msg.message == WM_LBUTTONDOWN || msg.message == WM_LBUTTONDBLCLK) &&
        ::IsChild(m_hwnd, msg.hwnd) != FALSE && m_quiet == 0 && !m_ended) {
        const int id = ::GetDlgCtrlID(msg.hwnd);
        const ControlTemplate* c = Control(id);
        if (c != nullptr && IsEnabled(id) && m_dialog.TakesFocus(id)) {
            m_dialog.SetFocusItem(id);
            if (m_ended)
                return;
        }
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

int Win32Window::RunModal() {
    // The modal loop of the dialog manager; the keys of the dialog itself go to the page's
    // dialog logic, which all hosts share.
    MSG msg{};
    while (!m_ended) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0)
            break;
        Dispatch(msg);
    }
    return m_result;
}

void Win32Window::Pump() {
    MSG msg{};
    while (!m_ended && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        Dispatch(msg);
    }
}

void Win32Window::End(int result) {
    m_ended = true;
    m_result = result;
    ::PostMessageW(m_hwnd, WM_NULL, 0, 0); // wakes the modal loop
}

bool Win32Window::Screenshot(const std::string& path) {
    // What waits to be drawn is drawn first, as the idle modal loop would.
    ::RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    Pump();
    return CaptureWindow(m_hwnd, path);
}

// ---- notifications ----

void Win32Window::OnControl(int id, int code) {
    const ControlTemplate* c = Control(id);
    if (c == nullptr || m_quiet > 0 || m_ended)
        return;
    // The notification codes overlap between the classes; each kind has its own. The focus is
    // the page's: it moves before a click reaches a control (see Dispatch and InputClick) and
    // with the dialog keys, so the controls' own focus notifications are not needed.
    switch (c->kind) {
    case ControlKind::Edit:
        if (code == EN_CHANGE)
            m_dialog.ControlChanged(id);
        break;
    case ControlKind::ComboBox:
        if (code == CBN_DROPDOWN)
            m_dialog.ControlDropDown(id);
        else if (code == CBN_SELCHANGE)
            m_dialog.ControlSelected(id, GetCurSel(id));
        break;
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        if (code == BN_CLICKED)
            m_dialog.ControlClicked(id);
        break;
    case ControlKind::Static:
    case ControlKind::Picture:
        if (code == STN_CLICKED)
            m_dialog.ControlClicked(id);
        break;
    default:
        break;
    }
}

INT_PTR Win32Window::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (lParam != 0)
            OnControl(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_ACTIVATE:
        // Back in front, the page's focus returns to where the page has it.
        if (LOWORD(wParam) != WA_INACTIVE && m_open) {
            const Quiet quiet(*this);
            ShowFocus(m_dialog.GetFocusItem());
        }
        return TRUE;
    case WM_CLOSE: // the close box, Alt+F4
        if (m_quiet == 0 && !m_ended)
            m_dialog.OnClose();
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (m_onWhite.count(::GetDlgCtrlID(reinterpret_cast<HWND>(lParam))) != 0) {
            ::SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
            return reinterpret_cast<INT_PTR>(m_white);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK Win32Window::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Win32Window*>(lParam);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->m_hwnd = hwnd;
        self->OnInit();
        return FALSE; // the page places the focus itself
    }
    auto* self = reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    return self != nullptr ? self->OnMessage(msg, wParam, lParam) : FALSE;
}

std::unique_ptr<Window> Win32Host::CreateWindow(Dialog& dialog, const DialogTemplate& tmpl) {
    return std::make_unique<Win32Window>(dialog, tmpl);
}

} // namespace mirel::win32
