#include "platform/Dialog.h"

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
    m_nFocus = InitialFocus();
    m_pWnd->ShowFocus(m_nFocus);
    m_pWnd->Open();
    OnShowWindow();
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
void Dialog::AppendItemText(int id, std::string_view text) {
    m_pWnd->AppendText(id, text);
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
    if (id == m_nFocus || !m_pWnd || !HasControl(id))
        return;
    const int old = m_nFocus;
    m_nFocus = id;
    m_pWnd->ShowFocus(id);
    if (old != 0)
        OnCommand(old, Notify::KillFocus);
    // A kill-focus handler may have moved the focus on; then the new control never got it.
    if (m_nFocus == id && IsOpen())
        OnCommand(id, Notify::SetFocus);
}

void Dialog::UserClick(int id) {
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

void Dialog::UserType(int id, std::string_view text) {
    const ControlTemplate* c = m_pTemplate->Find(id);
    if (c == nullptr || c->kind != ControlKind::Edit)
        return;
    const int limit = m_pWnd->GetLimit(id);
    m_pWnd->SetText(id, TypedText(text, (c->style & kMultiline) != 0, limit > 0 ? limit : 0));
    m_pWnd->SetModify(id, true);
    OnCommand(id, Notify::Change);
}

void Dialog::UserSelect(int id, int index) {
    const ControlTemplate* c = m_pTemplate->Find(id);
    if (c == nullptr || c->kind != ControlKind::ComboBox)
        return;
    OnCommand(id, Notify::DropDown);
    if (!IsOpen() || index < 0 || index >= m_pWnd->GetCount(id))
        return;
    m_pWnd->SetCurSel(id, index);
    OnCommand(id, Notify::SelChange);
}

void Dialog::UserKey(Key key) {
    if (key == Key::Escape) {
        OnCancel();
        return;
    }
    // Return presses the push button that has the focus, else the visible, enabled default
    // button; without one it is the dialog's OK command.
    auto usable = [this](const ControlTemplate* c) {
        return c != nullptr && c->kind == ControlKind::PushButton && m_pWnd->IsVisible(c->id) &&
               m_pWnd->IsEnabled(c->id);
    };
    const ControlTemplate* focused = m_pTemplate->Find(m_nFocus);
    if (focused != nullptr && focused->kind == ControlKind::Edit &&
        (focused->style & (kMultiline | kWantReturn)) == (kMultiline | kWantReturn)) {
        // A multi-line edit that takes Return keeps it: a line break at the end of its text
        // (the caret's place after typing), nothing in a read-only box.
        if (!m_pWnd->IsReadOnly(focused->id)) {
            const std::string text = m_pWnd->GetText(focused->id);
            const int limit = m_pWnd->GetLimit(focused->id);
            if (limit <= 0 || CharCount(text) + 2 <= static_cast<std::size_t>(limit)) {
                m_pWnd->SetText(focused->id, text + "\r\n");
                m_pWnd->SetModify(focused->id, true);
                OnCommand(focused->id, Notify::Change);
            }
        }
        return;
    }
    if (usable(focused) || (focused != nullptr && focused->kind == ControlKind::Picture &&
                            (focused->style & kNotify) != 0 && m_pWnd->IsVisible(focused->id))) {
        UserClick(focused->id);
        return;
    }
    for (const ControlTemplate& c : m_pTemplate->controls) {
        if (c.kind == ControlKind::PushButton && (c.style & kDefault) != 0) {
            if (usable(&c)) {
                UserClick(c.id);
                return;
            }
            break;
        }
    }
    OnOK();
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
