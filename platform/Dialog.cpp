#include "platform/Dialog.h"

#include <algorithm>
#include <stdexcept>

#include "platform/Agent.h"
#include "platform/Text.h"

namespace mirel {

Dialog::Dialog(int templateId) : m_pTemplate(&GetTemplate(templateId)) {}

Dialog::~Dialog() = default;

int Dialog::DoModal() {
    m_pWnd = GetHost().CreateWindow(*this, *m_pTemplate);
    m_nResult = 0;
    m_nFocus = 0;
    UpdateData(false);
    m_pWnd->ShowFocus(0);
    // As the classic show-window notification, the page's show handling (its caption, its
    // place, its controls) comes before the window appears, so it appears where it belongs.
    OnShowWindow();
    if (IsOpen())
        m_pWnd->Open();
    // As the classic dialog manager, the first focus goes to a control like every other focus
    // change, with its notification, once the page has set itself up (unless it placed the
    // focus itself).
    if (IsOpen() && m_nFocus == 0)
        SetFocusItem(InitialFocus());
    if (Agent* agent = GetAgent()) {
        if (IsOpen())
            agent->PageShown(*this);
        while (IsOpen())
            agent->Step(*this);
    } else if (IsOpen()) {
        m_pWnd->RunModal();
    }
    const int result = m_nResult;
    m_pWnd.reset();
    return result;
}

int Dialog::InitialFocus() const {
    for (const ControlTemplate& c : m_pTemplate->controls) {
        if (c.id > 0 && (c.style & kTabStop) != 0 && c.kind != ControlKind::Picture &&
            m_pWnd->IsVisible(c.id) && m_pWnd->IsEnabled(c.id))
            return c.id;
    }
    return 0;
}

void Dialog::EndDialog(int result) {
    m_nResult = result;
    if (m_pWnd)
        m_pWnd->End(result);
}

void Dialog::OnOK() {
    if (UpdateData(true))
        EndDialog(kIdOk);
}

bool Dialog::UpdateData(bool saveAndValidate) {
    if (!m_pWnd)
        return false;
    DataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return true;
}

std::string Dialog::GetItemText(int id) const {
    return m_pWnd->GetText(id);
}
void Dialog::SetItemText(int id, std::string_view text) {
    m_pWnd->SetText(id, text);
}
bool Dialog::IsItemVisible(int id) const {
    return m_pWnd->IsVisible(id);
}
void Dialog::ShowItem(int id, bool show) {
    m_pWnd->Show(id, show);
}
bool Dialog::IsItemEnabled(int id) const {
    return m_pWnd->IsEnabled(id);
}
void Dialog::EnableItem(int id, bool enable) {
    m_pWnd->Enable(id, enable);
}
bool Dialog::IsReadOnly(int id) const {
    return m_pWnd->IsReadOnly(id);
}
void Dialog::SetReadOnly(int id, bool readOnly) {
    m_pWnd->SetReadOnly(id, readOnly);
}
bool Dialog::GetModify(int id) const {
    return m_pWnd->GetModify(id);
}
void Dialog::SetModify(int id, bool modified) {
    m_pWnd->SetModify(id, modified);
}
void Dialog::SetLimitText(int id, int maxChars) {
    m_pWnd->SetLimit(id, maxChars);
}
int Dialog::GetCheck(int id) const {
    return m_pWnd->GetCheck(id);
}
void Dialog::SetCheck(int id, int checked) {
    m_pWnd->SetCheck(id, checked);
}
int Dialog::GetCurSel(int id) const {
    return m_pWnd->GetCurSel(id);
}
void Dialog::SetCurSel(int id, int index) {
    m_pWnd->SetCurSel(id, index);
}
int Dialog::GetListCount(int id) const {
    return m_pWnd->GetCount(id);
}
std::string Dialog::GetListItem(int id, int index) const {
    return m_pWnd->GetItem(id, index);
}
std::string Dialog::GetCaption() const {
    return m_pWnd->GetCaption();
}
void Dialog::SetCaption(std::string_view caption) {
    m_pWnd->SetCaption(caption);
}
Rect Dialog::GetWindowRect() const {
    return m_pWnd->GetRect();
}
void Dialog::MoveWindow(int x, int y) {
    m_pWnd->MoveTo(x, y);
}
void Dialog::SetIcon(int iconId) {
    m_pWnd->SetIcon(iconId);
}

void Dialog::SetFocusItem(int id) {
    if (id == m_nFocus || !m_pWnd || (id != 0 && !HasControl(id)))
        return;
    const int old = m_nFocus;
    m_nFocus = id;
    m_pWnd->ShowFocus(id);
    if (old != 0)
        OnCommand(old, Notify::KillFocus);
    // A kill-focus handler may have moved the focus on; then the new control never got it.
    if (id != 0 && m_nFocus == id && IsOpen())
        OnCommand(id, Notify::SetFocus);
}

void Dialog::UserClick(int id) {
    m_pWnd->InputClick(id);
    const ControlTemplate* c = m_pTemplate->Find(id);
    // A click leaves the caret where the mouse was; Ctrl+End puts it at the end of the text, so
    // a script's click into an edit behaves the same wherever the click landed.
    if (c != nullptr && c->kind == ControlKind::Edit && IsOpen() && m_nFocus == id)
        m_pWnd->InputKey(Key::End);
}

void Dialog::UserType(int id, std::string_view text) {
    UserClick(id);
    if (!IsOpen() || m_nFocus != id || m_pWnd->IsReadOnly(id))
        return;
    m_pWnd->InputKey(Key::SelectAll);
    if (text.empty()) {
        m_pWnd->InputKey(Key::Delete);
        return;
    }
    const ControlTemplate* c = m_pTemplate->Find(id);
    const bool multiline = c != nullptr && (c->style & kMultiline) != 0;
    const bool takesReturn = multiline && (c->style & kWantReturn) != 0;
    for (std::size_t pos = 0; pos < text.size() && IsOpen();) {
        const std::size_t len = CharLength(text, pos);
        const std::string_view ch = text.substr(pos, len);
        pos += len;
        if (ch == "\r")
            continue; // a line break is the LF
        if (ch == "\n" && takesReturn)
            m_pWnd->InputKey(Key::Enter);
        else if (ch != "\n" || multiline)
            m_pWnd->InputChar(ch); // a line break in an edit that leaves Return to the dialog
                                   // is Ctrl+Return, which the edit takes as a character
    }
}

void Dialog::UserPaste(int id, std::string_view text) {
    UserClick(id);
    if (IsOpen() && m_nFocus == id && !m_pWnd->IsReadOnly(id))
        m_pWnd->InputPaste(text);
}

void Dialog::ControlClicked(int id) {
    const ControlTemplate* c = m_pTemplate->Find(id);
    if (c == nullptr)
        return;
    switch (c->kind) {
    case ControlKind::RadioButton:
        for (int member : m_pTemplate->RadioGroup(id))
            m_pWnd->SetCheck(member, member == id ? 1 : 0);
        break;
    case ControlKind::CheckBox:
        m_pWnd->SetCheck(id, m_pWnd->GetCheck(id) != 0 ? 0 : 1);
        break;
    case ControlKind::PushButton:
        break;
    case ControlKind::Static:
    case ControlKind::Picture:
        if ((c->style & kNotify) == 0)
            return;
        break;
    default:
        return;
    }
    OnCommand(id, Notify::Clicked);
}

bool Dialog::ControlDropDown(int id) {
    OnCommand(id, Notify::DropDown);
    return IsOpen();
}

void Dialog::ControlSelected(int id, int index) {
    if (index < 0 || index >= m_pWnd->GetCount(id))
        return;
    m_pWnd->SetCurSel(id, index);
    OnCommand(id, Notify::SelChange);
}

bool Dialog::TakesFocus(int id) const {
    const ControlTemplate* c = m_pTemplate->Find(id);
    if (c == nullptr)
        return false;
    switch (c->kind) {
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
    case ControlKind::Edit:
    case ControlKind::ComboBox:
        return true;
    case ControlKind::Picture:
        return (c->style & (kNotify | kTabStop)) == (kNotify | kTabStop);
    default:
        return false;
    }
}

bool Dialog::Usable(const ControlTemplate& c) const {
    if (c.id <= 0)
        return (c.style & (kHidden | kDisabled)) == 0;
    return m_pWnd->IsVisible(c.id) && m_pWnd->IsEnabled(c.id);
}

int Dialog::TabStopEntry(std::size_t index) const {
    // Tab reaches every control a user can act on, in template order: buttons, check boxes,
    // edits (read-only ones too, to read and copy them) and lists, a picture that acts as a
    // button, and a radio group as one stop. The template's tab-stop marks choose where the
    // focus starts when a page opens.
    const ControlTemplate& t = m_pTemplate->controls[index];
    if (t.id <= 0 || SkipsTab(t.id) || (t.kind != ControlKind::RadioButton && !Usable(t)))
        return 0;
    switch (t.kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::Edit:
    case ControlKind::ComboBox:
        return t.id;
    case ControlKind::Picture:
        return (t.style & (kNotify | kTabStop)) == (kNotify | kTabStop) ? t.id : 0;
    case ControlKind::RadioButton: {
        // The group is one stop at the place of its first member, entered at its checked
        // button, else at its first usable one.
        const std::vector<int> group = m_pTemplate->RadioGroup(t.id);
        if (group.empty() || group.front() != t.id)
            return 0;
        int first = 0;
        for (int member : group) {
            if (!Usable(*m_pTemplate->Find(member)))
                continue;
            if (m_pWnd->GetCheck(member) != 0)
                return member;
            if (first == 0)
                first = member;
        }
        return first;
    }
    default:
        return 0; // static texts, group boxes and rectangles never take the focus
    }
}

int Dialog::NextTabStop(std::ptrdiff_t from, bool forward, int skipGroupOf) const {
    const auto n = static_cast<std::ptrdiff_t>(m_pTemplate->controls.size());
    const std::vector<int> skip =
        skipGroupOf != 0 ? m_pTemplate->RadioGroup(skipGroupOf) : std::vector<int>{};
    for (std::ptrdiff_t step = 1; step <= n; ++step) {
        std::ptrdiff_t i = 0;
        if (from < 0)
            i = forward ? step - 1 : n - step;
        else
            i = ((from + (forward ? step : -step)) % n + n) % n;
        const int entry = TabStopEntry(static_cast<std::size_t>(i));
        if (entry != 0 && std::find(skip.begin(), skip.end(), entry) == skip.end())
            return entry;
    }
    return 0;
}

bool Dialog::RadioArrow(int id, bool forward) {
    // The arrows move within the radio group and choose the button they reach.
    const std::vector<int> group = m_pTemplate->RadioGroup(id);
    auto pos = std::find(group.begin(), group.end(), id);
    if (pos == group.end())
        return true;
    const std::size_t n = group.size();
    const auto i = static_cast<std::size_t>(pos - group.begin());
    for (std::size_t step = 1; step < n; ++step) {
        const std::size_t j = forward ? (i + step) % n : (i + n - step) % n;
        if (m_pWnd->IsVisible(group[j]) && m_pWnd->IsEnabled(group[j])) {
            SetFocusItem(group[j]);
            if (IsOpen() && m_nFocus == group[j])
                ControlClicked(group[j]);
            break;
        }
    }
    return true;
}

bool Dialog::DialogKey(Key key) {
    const ControlTemplate* focused = m_pTemplate->Find(m_nFocus);
    switch (key) {
    case Key::Escape:
        OnCancel();
        return true;
    case Key::Tab:
    case Key::ShiftTab: {
        // Tab order is template order, counted from the control that has the focus; Tab leaves
        // a radio group as a whole.
        std::ptrdiff_t from = -1;
        int group = 0;
        if (focused != nullptr) {
            from = focused - m_pTemplate->controls.data();
            if (focused->kind == ControlKind::RadioButton) {
                group = focused->id;
                from =
                    m_pTemplate->Find(m_pTemplate->RadioGroup(group).front()) - m_pTemplate->controls.data();
            }
        }
        if (const int target = NextTabStop(from, key == Key::Tab, group); target != 0)
            SetFocusItem(target);
        return true;
    }
    case Key::Space:
        if (focused != nullptr && TakesFocus(focused->id) && focused->kind != ControlKind::Edit &&
            focused->kind != ControlKind::ComboBox && Usable(*focused)) {
            ControlClicked(focused->id);
            return true;
        }
        return false;
    case Key::Up:
    case Key::Down:
    case Key::Left:
    case Key::Right:
        if (focused != nullptr && focused->kind == ControlKind::RadioButton)
            return RadioArrow(focused->id, key == Key::Down || key == Key::Right);
        return false;
    case Key::Enter:
        break;
    default:
        return false;
    }
    // Return presses the push button or picture that has the focus, else the visible, enabled
    // default button; without one it is the dialog's OK command. A multi-line edit that takes
    // Return keeps it.
    if (focused != nullptr && focused->kind == ControlKind::Edit &&
        (focused->style & (kMultiline | kWantReturn)) == (kMultiline | kWantReturn))
        return false;
    if (focused != nullptr && Usable(*focused) &&
        (focused->kind == ControlKind::PushButton ||
         (focused->kind == ControlKind::Picture && (focused->style & kNotify) != 0))) {
        ControlClicked(focused->id);
        return true;
    }
    for (const ControlTemplate& c : m_pTemplate->controls) {
        if (c.kind == ControlKind::PushButton && (c.style & kDefault) != 0) {
            if (Usable(c)) {
                ControlClicked(c.id);
                return true;
            }
            break;
        }
    }
    OnOK();
    return true;
}

bool Dialog::DialogMnemonic(char32_t letter) {
    // As the classic dialog manager: the search starts after the focused control, so a letter
    // that several labels share goes from one to the next.
    const std::vector<ControlTemplate>& controls = m_pTemplate->controls;
    const auto n = static_cast<std::ptrdiff_t>(controls.size());
    std::ptrdiff_t from = -1;
    if (const ControlTemplate* f = m_pTemplate->Find(m_nFocus))
        from = f - controls.data();
    for (std::ptrdiff_t step = 1; step <= n; ++step) {
        const std::ptrdiff_t i = from < 0 ? step - 1 : (from + step) % n;
        const ControlTemplate& t = controls[static_cast<std::size_t>(i)];
        const bool label = t.kind == ControlKind::Static || t.kind == ControlKind::GroupBox;
        if (!HasMnemonicLabel(t))
            continue;
        const std::string text = t.id > 0 ? m_pWnd->GetText(t.id) : t.text;
        if (MnemonicOf(text) != letter || !Usable(t))
            continue;
        if (label) {
            // A label hands the focus to the next control that Tab would reach after it.
            if (const int target = NextTabStop(i, true, 0); target != 0)
                SetFocusItem(target);
            return true;
        }
        // A button acts as if clicked: it takes the focus, then reports the click.
        SetFocusItem(t.id);
        if (IsOpen() && m_nFocus == t.id)
            ControlClicked(t.id);
        return true;
    }
    return false;
}

// ---- data exchange ----

void DataExchange::Text(int id, std::string& value, int maxChars) {
    if (m_bSave) {
        value = m_dialog.GetItemText(id);
        return;
    }
    if (maxChars > 0)
        m_dialog.SetLimitText(id, maxChars);
    m_dialog.SetItemText(id, value);
}

void DataExchange::Radio(int firstId, int& index) {
    const std::vector<int> group = m_dialog.Template().RadioGroup(firstId);
    if (m_bSave) {
        index = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (m_dialog.GetCheck(group[i]) != 0) {
                index = static_cast<int>(i);
                break;
            }
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i)
        m_dialog.SetCheck(group[i], static_cast<int>(i) == index ? 1 : 0);
}

void DataExchange::Check(int id, int& value) {
    if (m_bSave)
        value = m_dialog.GetCheck(id) != 0 ? 1 : 0;
    else
        m_dialog.SetCheck(id, value != 0 ? 1 : 0);
}

void DataExchange::ListIndex(int id, int& index) {
    if (m_bSave)
        index = m_dialog.GetCurSel(id);
    else
        m_dialog.SetCurSel(id, index >= 0 && index < m_dialog.GetListCount(id) ? index : -1);
}

namespace {
bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}
} // namespace

void DataExchange::ListText(int id, std::string& value) {
    const int count = m_dialog.GetListCount(id);
    if (m_bSave) {
        const int sel = m_dialog.GetCurSel(id);
        value = sel >= 0 && sel < count ? m_dialog.GetListItem(id, sel) : std::string();
        return;
    }
    int found = -1;
    if (!value.empty()) {
        for (int i = 0; i < count && found < 0; ++i)
            if (m_dialog.GetListItem(id, i) == value)
                found = i;
        for (int i = 0; i < count && found < 0; ++i) {
            const std::string item = m_dialog.GetListItem(id, i);
            if (item.size() >= value.size() &&
                EqualsNoCase(std::string_view(item).substr(0, value.size()), value))
                found = i;
        }
    }
    m_dialog.SetCurSel(id, found);
}

} // namespace mirel
