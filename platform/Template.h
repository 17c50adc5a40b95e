// Dialog templates as data: every page is built from one template whose controls are listed
// in template order, which is also the tab order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mirel {

enum class ControlKind {
    Static,     // text
    Picture,    // bitmap picture (image holds the resource id)
    WhiteRect,  // white filled rectangle
    BlackFrame, // black frame
    WhiteFrame, // white frame
    GroupBox,
    PushButton,
    RadioButton,
    CheckBox,
    Edit,
    ComboBox, // drop-down list
};

// Style bits of a control.
enum Style : std::uint32_t {
    kNone = 0,
    kTabStop = 1u << 0,
    kGroup = 1u << 1,      // starts a group (radio groups end at the next control with this bit)
    kDefault = 1u << 2,    // default push button
    kMultiline = 1u << 3,  // multi-line edit, or multi-line button/static text
    kReadOnly = 1u << 4,   // edit starts read-only
    kWantReturn = 1u << 5, // Return in a multi-line edit makes a line break
    kVScroll = 1u << 6,    // vertical scroll bar
    kHScroll = 1u << 7,    // horizontal scroll bar
    kNoBorder = 1u << 8,   // edit without border
    kHidden = 1u << 9,     // not visible when created
    kDisabled = 1u << 10,  // disabled when created
    kNotify = 1u << 11,    // static/picture that reports clicks
    kRight = 1u << 12,     // right-aligned static text
    kCenter = 1u << 13,    // centred static text
    kAutoHScroll = 1u << 14,
    kAutoVScroll = 1u << 15,
    kNoPrefix = 1u << 16, // static text shown as it stands: '&' is no mnemonic
};

struct ControlTemplate {
    int id = 0; // 0 or -1: the control has no id of its own
    ControlKind kind = ControlKind::Static;
    std::string text; // UTF-8; for pictures empty
    std::uint32_t style = kNone;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    int image = 0;                    // picture resource id (150, 153, 169, ...)
    std::vector<std::string> items{}; // fixed entries of a drop-down list
    std::string name{};               // accessible name (defaults to the label text)
};

// Whether the label of `t` may carry an '&' mnemonic that the dialog's mnemonic search finds.
inline bool HasMnemonicLabel(const ControlTemplate& t) {
    switch (t.kind) {
    case ControlKind::Static:
        return (t.style & kNoPrefix) == 0;
    case ControlKind::GroupBox:
        return true;
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        return t.id > 0;
    default:
        return false;
    }
}

struct DialogTemplate {
    int id = 0;
    std::string caption;
    int x = 100, y = 100;   // dialog units
    int cx = 358, cy = 280; // dialog units
    std::vector<ControlTemplate> controls;

    const ControlTemplate* Find(int controlId) const;
    // Ids of the radio buttons of the group that contains (or starts at) radio button `id`.
    std::vector<int> RadioGroup(int memberId) const;
};

// The template with this id; throws std::out_of_range for an unknown id.
const DialogTemplate& GetTemplate(int id);

// Adds a template that is not built into the program (the tests use their own); the object must
// outlive its use.
void RegisterTemplate(const DialogTemplate& tmpl);

// Conversion of dialog units to pixels at 96 dpi (base units 6 x 13 for an 8 pt dialog font).
inline int DluToPxX(int dlu) {
    return (dlu * 3 + 1) / 2;
}
inline int DluToPxY(int dlu) {
    return (dlu * 13 + 4) / 8;
}

} // namespace mirel
