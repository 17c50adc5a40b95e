#include "platform/headless/HeadlessHost.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Dialog.h"

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
};

class HeadlessWindow : public Window {
  public:
    explicit HeadlessWindow(const DialogTemplate& tmpl) : m_caption(tmpl.caption) {
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
        s.text.assign(text);
        s.modified = false;
    }
    void AppendText(int id, std::string_view text) override {
        ControlState& s = At(id);
        s.text.append(text);
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
    int RunModal() override {
        throw std::logic_error("the headless host needs a scripted user to run a page");
    }
    void End(int result) override {
        m_bEnded = true;
        m_nResult = result;
    }
    bool Ended() const override { return m_bEnded; }
    bool Screenshot(const std::string& /*path*/) override { return true; }

  private:
    const ControlState& At(int id) const {
        auto it = m_controls.find(id);
        if (it == m_controls.end())
            throw std::out_of_range("no control " + std::to_string(id));
        return it->second;
    }
    ControlState& At(int id) {
        return const_cast<ControlState&>(static_cast<const HeadlessWindow*>(this)->At(id));
    }

    std::map<int, ControlState> m_controls;
    std::string m_caption;
    Rect m_rect;
    bool m_bEnded = false;
    int m_nResult = 0;
};

} // namespace

std::unique_ptr<Window> HeadlessHost::CreateWindow(Dialog& /*dialog*/, const DialogTemplate& tmpl) {
    return std::make_unique<HeadlessWindow>(tmpl);
}

} // namespace mirel
