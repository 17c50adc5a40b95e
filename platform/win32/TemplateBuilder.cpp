#include "platform/win32/TemplateBuilder.h"

#include <cstring>
#include <string>

#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"

namespace mirel::win32 {
namespace {

constexpr std::uint16_t kButton = 0x0080;
constexpr std::uint16_t kEdit = 0x0081;
constexpr std::uint16_t kStatic = 0x0082;
constexpr std::uint16_t kComboBox = 0x0085;

// Appends WORDs and DWORDs in the little-endian layout of a dialog template.
class Writer {
  public:
    void Word(std::uint16_t w) {
        m_bytes.push_back(static_cast<std::uint8_t>(w & 0xFF)),
            m_bytes.push_back(static_cast<std::uint8_t>(w >> 8));
    }
    void Dword(std::uint32_t d) {
        Word(static_cast<std::uint16_t>(d & 0xFFFF));
        Word(static_cast<std::uint16_t>(d >> 16));
    }
    void Short(int s) { Word(static_cast<std::uint16_t>(static_cast<std::int16_t>(s))); }
    void Byte(std::uint8_t b) { m_bytes.push_back(b); }
    void Text(const std::wstring& text) {
        for (wchar_t c : text)
            Word(static_cast<std::uint16_t>(c));
        Word(0);
    }
    void AlignDword() {
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back(0);
    }
    std::vector<std::uint32_t> Finish() {
        AlignDword();
        std::vector<std::uint32_t> out(m_bytes.size() / 4);
        std::memcpy(out.data(), m_bytes.data(), m_bytes.size());
        return out;
    }

  private:
    std::vector<std::uint8_t> m_bytes;
};

// Style bits every control kind shares.
std::uint32_t CommonStyle(std::uint32_t s) {
    std::uint32_t style = WS_CHILD;
    if ((s & kHidden) == 0)
        style |= WS_VISIBLE;
    if ((s & kDisabled) != 0)
        style |= WS_DISABLED;
    if ((s & kTabStop) != 0)
        style |= WS_TABSTOP;
    if ((s & kGroup) != 0)
        style |= WS_GROUP;
    if ((s & kVScroll) != 0)
        style |= WS_VSCROLL;
    if ((s & kHScroll) != 0)
        style |= WS_HSCROLL;
    return style;
}

} // namespace

ControlClass ClassOf(const ControlTemplate& c) {
    const std::uint32_t s = c.style;
    ControlClass out;
    out.style = CommonStyle(s);
    switch (c.kind) {
    case ControlKind::Static:
        out.atom = kStatic;
        out.style |= (s & kRight) != 0 ? SS_RIGHT : (s & kCenter) != 0 ? SS_CENTER : SS_LEFT;
        if ((s & kNotify) != 0)
            out.style |= SS_NOTIFY;
        if ((s & kNoPrefix) != 0)
            out.style |= SS_NOPREFIX;
        break;
    case ControlKind::Picture:
        // The host loads the bitmap itself at the size of the control.
        out.atom = kStatic;
        out.style |= SS_BITMAP | SS_CENTERIMAGE;
        if ((s & kNotify) != 0)
            out.style |= SS_NOTIFY;
        break;
    case ControlKind::WhiteRect:
        out.atom = kStatic;
        out.style |= SS_WHITERECT;
        break;
    case ControlKind::BlackFrame:
        out.atom = kStatic;
        out.style |= SS_BLACKFRAME;
        break;
    case ControlKind::WhiteFrame:
        out.atom = kStatic;
        out.style |= SS_WHITEFRAME;
        break;
    case ControlKind::GroupBox:
        out.atom = kButton;
        out.style |= BS_GROUPBOX;
        break;
    case ControlKind::PushButton:
        out.atom = kButton;
        out.style |= (s & kDefault) != 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if ((s & kMultiline) != 0)
            out.style |= BS_MULTILINE;
        break;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        // The page sets the checks itself (a click toggles through the page's logic), so the
        // buttons are not the automatic kinds.
        out.atom = kButton;
        out.style |= c.kind == ControlKind::RadioButton ? BS_RADIOBUTTON : BS_CHECKBOX;
        if ((s & kMultiline) != 0)
            out.style |= BS_MULTILINE;
        break;
    case ControlKind::Edit:
        out.atom = kEdit;
        if ((s & kMultiline) != 0) {
            // A multi-line edit always scrolls as text grows, so typing is never refused for want
            // of room; a one-line edit scrolls sideways for the same reason.
            out.style |= ES_MULTILINE | ES_AUTOVSCROLL;
            if ((s & kWantReturn) != 0)
                out.style |= ES_WANTRETURN;
            if ((s & kAutoHScroll) != 0)
                out.style |= ES_AUTOHSCROLL;
        } else {
            out.style |= ES_AUTOHSCROLL;
        }
        if ((s & kReadOnly) != 0)
            out.style |= ES_READONLY;
        if ((s & kNoBorder) == 0)
            out.exStyle |= WS_EX_CLIENTEDGE;
        break;
    case ControlKind::ComboBox:
        out.atom = kComboBox;
        out.style |= CBS_DROPDOWNLIST | WS_VSCROLL;
        break;
    }
    return out;
}

std::uint32_t PageStyle() {
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFONT | DS_MODALFRAME | DS_3DLOOK;
}

std::vector<std::uint32_t> BuildDialogTemplate(const DialogTemplate& tmpl) {
    Writer w;
    w.Word(1);      // dlgVer
    w.Word(0xFFFF); // signature: the extended template
    w.Dword(0);     // helpID
    w.Dword(WS_EX_CONTROLPARENT);
    w.Dword(PageStyle());
    w.Word(static_cast<std::uint16_t>(tmpl.controls.size()));
    w.Short(tmpl.x);
    w.Short(tmpl.y);
    w.Short(tmpl.cx);
    w.Short(tmpl.cy);
    w.Word(0); // no menu
    w.Word(0); // the dialog class
    w.Text(ToControlText(tmpl.caption));
    w.Word(8);   // point size
    w.Word(400); // weight
    w.Byte(0);   // italic
    w.Byte(DEFAULT_CHARSET);
    w.Text(L"MS Shell Dlg");
    for (const ControlTemplate& c : tmpl.controls) {
        const ControlClass cls = ClassOf(c);
        w.AlignDword();
        w.Dword(0); // helpID
        w.Dword(cls.exStyle);
        w.Dword(cls.style);
        w.Short(c.x);
        w.Short(c.y);
        w.Short(c.cx);
        w.Short(c.cy);
        w.Dword(c.id > 0 ? static_cast<std::uint32_t>(c.id) : 0xFFFFFFFFu);
        w.Word(0xFFFF);
        w.Word(cls.atom);
        const bool hasText = c.kind == ControlKind::Static || c.kind == ControlKind::GroupBox ||
                             c.kind == ControlKind::PushButton || c.kind == ControlKind::RadioButton ||
                             c.kind == ControlKind::CheckBox || c.kind == ControlKind::Edit;
        w.Text(hasText ? ToControlText(c.text) : std::wstring());
        w.Word(0); // no creation data
    }
    return w.Finish();
}

} // namespace mirel::win32
