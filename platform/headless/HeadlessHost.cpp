#include "platform/headless/HeadlessHost.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/Text.h"

namespace mirel {
namespace {

struct ControlState {
    ControlKind kind = ControlKind::Static;
    std::string text;
    bool visible = true;
    bool enabled = true;
    bool readOnly = false;
    bool modified = false;
    int limit = 0;
    int check = 0;
    int curSel = -1;
    std::vector<std::string> items;
    // An edit's caret and the other end of its selection, as byte offsets into `text`, and the
    // number of characters of `text` (kept, so that a key in a long text costs no count).
    std::size_t caret = 0;
    std::size_t anchor = 0;
    std::size_t chars = 0;
    bool multiline = false;
    bool wantReturn = false;

    std::size_t SelStart() const { return std::min(caret, anchor); }
    std::size_t SelEnd() const { return std::max(caret, anchor); }
};

// The length of the character before byte `pos`: CR LF is one step in a multi-line edit.
std::size_t StepBack(const std::string& text, std::size_t pos) {
    if (pos >= 2 && text.compare(pos - 2, 2, "\r\n") == 0)
        return 2;
    std::size_t start = pos - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80 && pos - start < 4)
        --start;
    return CharLength(text, start) == pos - start ? pos - start : 1;
}

std::size_t StepForward(const std::string& text, std::size_t pos) {
    if (text.compare(pos, 2, "\r\n") == 0)
        return 2;
    return CharLength(text, pos);
}

class HeadlessWindow : public Window {
  public:
    HeadlessWindow(Dialog& dialog, const DialogTemplate& tmpl) : m_dialog(dialog), m_caption(tmpl.caption) {
        m_rect.left = DluToPxX(tmpl.x);
        m_rect.top = DluToPxY(tmpl.y);
        m_rect.right = m_rect.left + DluToPxX(tmpl.cx);
        m_rect.bottom = m_rect.top + DluToPxY(tmpl.cy);
        for (const ControlTemplate& c : tmpl.controls) {
            if (c.id <= 0)
                continue;
            ControlState& s = m_controls[c.id];
            s.kind = c.kind;
            s.text = c.kind == ControlKind::ComboBox ? std::string() : c.text;
            s.visible = (c.style & kHidden) == 0;
            s.enabled = (c.style & kDisabled) == 0;
            s.readOnly = (c.style & kReadOnly) != 0;
            s.items = c.items;
            s.multiline = (c.style & kMultiline) != 0;
            s.wantReturn = (c.style & kWantReturn) != 0;
            s.chars = CharCount(s.text);
        }
    }

    std::string GetText(int id) const override {
        const ControlState& s = At(id);
        if (s.kind == ControlKind::ComboBox)
            return s.curSel >= 0 && s.curSel < static_cast<int>(s.items.size()) ? s.items[s.curSel] : "";
        return s.text;
    }
    void SetText(int id, std::string_view text) override {
        ControlState& s = At(id);
        s.modified = false;
        if (s.text == text)
            return; // the caret stays where the user is typing
        s.text.assign(text);
        s.chars = CharCount(s.text);
        // As a real edit: text set by the program puts the caret at its start.
        s.caret = 0;
        s.anchor = 0;
    }
    void AppendText(int id, std::string_view text) override {
        ControlState& s = At(id);
        s.text.append(text);
        s.chars += CharCount(text);
        s.modified = false;
    }
    bool IsVisible(int id) const override { return At(id).visible; }
    void Show(int id, bool show) override { At(id).visible = show; }
    bool IsEnabled(int id) const override { return At(id).enabled; }
    void Enable(int id, bool enable) override { At(id).enabled = enable; }
    bool IsReadOnly(int id) const override { return At(id).readOnly; }
    void SetReadOnly(int id, bool readOnly) override { At(id).readOnly = readOnly; }
    bool GetModify(int id) const override { return At(id).modified; }
    void SetModify(int id, bool modified) override { At(id).modified = modified; }
    int GetLimit(int id) const override { return At(id).limit; }
    void SetLimit(int id, int maxChars) override { At(id).limit = maxChars; }
    int GetCheck(int id) const override { return At(id).check; }
    void SetCheck(int id, int checked) override { At(id).check = checked; }
    int GetCurSel(int id) const override { return At(id).curSel; }
    void SetCurSel(int id, int index) override {
        ControlState& s = At(id);
        s.curSel = index >= 0 && index < static_cast<int>(s.items.size()) ? index : -1;
    }
    int GetCount(int id) const override { return static_cast<int>(At(id).items.size()); }
    std::string GetItem(int id, int index) const override {
        const ControlState& s = At(id);
        return index >= 0 && index < static_cast<int>(s.items.size()) ? s.items[index] : "";
    }
    void ShowFocus(int /*id*/) override {}

    std::string GetCaption() const override { return m_caption; }
    void SetCaption(std::string_view caption) override { m_caption.assign(caption); }
    Rect GetRect() const override { return m_rect; }
    void MoveTo(int x, int y) override {
        const int w = m_rect.Width();
        const int h = m_rect.Height();
        m_rect = Rect{x, y, x + w, y + h};
    }
    void SetIcon(int /*iconId*/) override {}

    void Open() override {}
    void SetWindowVisible(bool visible) override { m_bVisible = visible; }
    bool IsWindowVisible() const override { return m_bVisible; }
    int RunModal() override {
        throw std::logic_error("the headless host needs a scripted user to run a page");
    }
    void End(int result) override {
        m_bEnded = true;
        m_nResult = result;
    }
    bool Ended() const override { return m_bEnded; }
    bool Screenshot(const std::string& /*path*/) override { return true; }

    // ---- input ----
    void InputClick(int id) override {
        ControlState& s = At(id);
        if (!s.visible || !s.enabled)
            return;
        if (m_dialog.TakesFocus(id))
            m_dialog.SetFocusItem(id);
        if (!m_dialog.IsOpen())
            return;
        switch (s.kind) {
        case ControlKind::Edit:
            s.anchor = s.caret; // a click ends the selection
            break;
        case ControlKind::ComboBox:
            // The list opens under the mouse and closes again with the next click.
            m_dialog.ControlDropDown(id);
            break;
        default:
            m_dialog.ControlClicked(id);
            break;
        }
    }

    void InputKey(Key key) override {
        const int focus = m_dialog.GetFocusItem();
        auto it = m_controls.find(focus);
        if (it != m_controls.end() && it->second.kind == ControlKind::Edit && EditKey(focus, it->second, key))
            return;
        if (it != m_controls.end() && it->second.kind == ControlKind::ComboBox &&
            ListKey(focus, it->second, key))
            return;
        m_dialog.DialogKey(key);
    }

    void InputMnemonic(char letter) override { m_dialog.DialogMnemonic(static_cast<unsigned char>(letter)); }

    void InputChar(std::string_view ch) override {
        const int focus = m_dialog.GetFocusItem();
        auto it = m_controls.find(focus);
        if (it == m_controls.end() || it->second.kind != ControlKind::Edit)
            return;
        const std::string typed = TypedText(ch, it->second.multiline, 0);
        if (!typed.empty())
            Insert(focus, it->second, typed, false);
    }

    void InputPaste(std::string_view text) override {
        const int focus = m_dialog.GetFocusItem();
        auto it = m_controls.find(focus);
        if (it != m_controls.end() && it->second.kind == ControlKind::Edit)
            Insert(focus, it->second, TypedText(text, it->second.multiline, 0), true);
    }

    void InputSelect(int id, int index) override {
        if (m_dialog.ControlDropDown(id))
            m_dialog.ControlSelected(id, index);
    }

    void InputClose() override { m_dialog.OnClose(); }

  private:
    // A key the focused edit handles itself; false for the keys that go on to the dialog.
    bool EditKey(int id, ControlState& s, Key key) {
        switch (key) {
        case Key::SelectAll:
            s.anchor = 0;
            s.caret = s.text.size();
            return true;
        case Key::End:
            s.anchor = s.caret = s.text.size();
            return true;
        case Key::Left:
        case Key::Right: {
            const bool left = key == Key::Left;
            if (s.caret != s.anchor)
                s.caret = left ? s.SelStart() : s.SelEnd();
            else if (left && s.caret > 0)
                s.caret -= StepBack(s.text, s.caret);
            else if (!left && s.caret < s.text.size())
                s.caret += StepForward(s.text, s.caret);
            s.anchor = s.caret;
            return true;
        }
        case Key::Up:
        case Key::Down:
            if (s.multiline)
                MoveLine(s, key == Key::Down);
            return s.multiline;
        case Key::Delete:
            if (!s.readOnly) {
                if (s.caret == s.anchor && s.caret < s.text.size())
                    s.anchor = s.caret + StepForward(s.text, s.caret);
                if (s.caret != s.anchor)
                    Insert(id, s, "", false);
            }
            return true;
        case Key::Space:
            if (!s.readOnly)
                Insert(id, s, " ", false);
            return true;
        case Key::Enter:
            if (!s.multiline || !s.wantReturn)
                return false;
            if (!s.readOnly)
                Insert(id, s, "\r\n", false);
            return true;
        default:
            return false;
        }
    }

    // Up and Down in a multi-line edit: the same column of the line above or below.
    static void MoveLine(ControlState& s, bool down) {
        const std::string& t = s.text;
        const std::size_t lineStart = s.caret == 0 ? 0 : (t.rfind('\n', s.caret - 1) + 1);
        const std::size_t column = CharCount(std::string_view(t).substr(lineStart, s.caret - lineStart));
        std::size_t target = 0;
        if (down) {
            const std::size_t next = t.find('\n', s.caret);
            if (next == std::string::npos) {
                s.anchor = s.caret;
                return;
            }
            target = next + 1;
        } else {
            if (lineStart == 0) {
                s.anchor = s.caret;
                return;
            }
            const std::size_t prevEnd = lineStart - 1; // the LF ending the line above
            target = prevEnd == 0 ? 0 : t.rfind('\n', prevEnd - 1) + 1;
        }
        for (std::size_t n = 0; n < column && target < t.size() && t[target] != '\r' && t[target] != '\n';
             ++n)
            target += CharLength(t, target);
        s.caret = s.anchor = target;
    }

    // Up and Down in a closed drop-down list pick the entry above or below.
    bool ListKey(int id, ControlState& s, Key key) {
        if (key == Key::Space)
            return true; // Space does not open the list
        if (key != Key::Up && key != Key::Down)
            return false;
        const int next = s.curSel + (key == Key::Down ? 1 : -1);
        if (next >= 0 && next < static_cast<int>(s.items.size()) && next != s.curSel)
            m_dialog.ControlSelected(id, next);
        return true;
    }

    // Replaces the selection by `piece` (already filtered) as the edit does for a typed key or a
    // paste: past the input limit a key is refused and a paste is cut. Reports the change.
    void Insert(int id, ControlState& s, std::string_view piece, bool cut) {
        if (s.readOnly)
            return;
        const std::size_t from = s.SelStart();
        const std::size_t to = s.SelEnd();
        const std::size_t removed = CharCount(std::string_view(s.text).substr(from, to - from));
        const std::size_t kept = s.chars - removed;
        std::string inserted(piece);
        // A text the program set longer than the limit may stay that long, but not grow.
        const std::size_t limit = std::max(static_cast<std::size_t>(std::max(s.limit, 0)), s.chars);
        if (s.limit > 0 && kept + CharCount(inserted) > limit) {
            if (!cut)
                return; // the key is refused
            inserted = limit > kept ? TypedText(inserted, s.multiline, limit - kept) : std::string();
        }
        if (inserted.empty() && from == to)
            return;
        s.text.replace(from, to - from, inserted);
        s.chars = kept + CharCount(inserted);
        s.caret = s.anchor = from + inserted.size();
        s.modified = true;
        m_dialog.ControlChanged(id);
    }

    const ControlState& At(int id) const {
        auto it = m_controls.find(id);
        if (it == m_controls.end())
            throw std::out_of_range("no control " + std::to_string(id));
        return it->second;
    }
    ControlState& At(int id) {
        return const_cast<ControlState&>(static_cast<const HeadlessWindow*>(this)->At(id));
    }

    Dialog& m_dialog;
    std::map<int, ControlState> m_controls;
    std::string m_caption;
    bool m_bVisible = true;
    Rect m_rect;
    bool m_bEnded = false;
    int m_nResult = 0;
};

} // namespace

std::unique_ptr<Window> HeadlessHost::CreateWindow(Dialog& dialog, const DialogTemplate& tmpl) {
    return std::make_unique<HeadlessWindow>(dialog, tmpl);
}

} // namespace mirel
