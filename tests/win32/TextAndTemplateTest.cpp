// The win32 host's text conversion and the dialog templates it builds.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/win32/TemplateBuilder.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"

namespace mirel::win32 {
namespace {

TEST(Win32Text, ControlTextGoesThroughCodePage1252) {
    struct Row {
        const char* utf8;
        const wchar_t* wide;
    };
    const Row rows[] = {
        {"Zur\xC3\xBC"
         "ck",
         L"Zur\u00FCck"},
        {"\xE2\x82\xAC 5", L"\u20AC 5"}, // the euro sign is 0x80 in cp1252
        {"\xE6\x97\xA5", L"?"},          // outside cp1252
        {"\xC4\x80", L"?"},              // no best fit: not 'A'
        {"\xC2\x81", L"\u0081"},         // an undefined byte survives
        {"a\r\nb", L"a\r\nb"},           // line breaks of multi-line edits
        {"", L""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ToControlText(r.utf8), std::wstring(r.wide)) << r.utf8;
    }
}

TEST(Win32Text, ControlTextBackToUtf8) {
    struct Row {
        const wchar_t* wide;
        const char* utf8;
    };
    const Row rows[] = {
        {L"\u00C4rger \u20AC", "\xC3\x84rger \xE2\x82\xAC"},
        {L"\u0100\u65E5", "??"}, // neither has a place in cp1252, and no look-alike stands in
        {L"\u0081", "\xC2\x81"},
        {L"", ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FromControlText(r.wide), r.utf8);
}

TEST(Win32Text, PathsKeepEveryCharacter) {
    const std::string path = "C:\\Berichte\\Z\xC3\xBCrich \xE6\x97\xA5\xE6\x9C\xAC.txt";
    EXPECT_EQ(Narrow(Widen(path)), path);
}

TEST(Win32Template, ControlKindsMapToSystemClasses) {
    struct Row {
        ControlKind kind;
        std::uint32_t style;
        std::uint16_t atom;
        std::uint32_t mustHave;
        std::uint32_t mustLack;
    };
    const Row rows[] = {
        {ControlKind::Static, kRight, 0x82, SS_RIGHT | WS_VISIBLE, SS_NOTIFY},
        {ControlKind::Static, kNotify | kHidden, 0x82, SS_NOTIFY, WS_VISIBLE},
        {ControlKind::Picture, kNotify | kTabStop, 0x82, SS_BITMAP | SS_NOTIFY | WS_TABSTOP, 0},
        {ControlKind::WhiteRect, kNone, 0x82, SS_WHITERECT, 0},
        {ControlKind::GroupBox, kNone, 0x80, BS_GROUPBOX, WS_TABSTOP},
        {ControlKind::PushButton, kDefault | kTabStop, 0x80, BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
        {ControlKind::RadioButton, kGroup, 0x80, BS_RADIOBUTTON | WS_GROUP, 0},
        {ControlKind::CheckBox, kDisabled, 0x80, BS_CHECKBOX | WS_DISABLED, 0},
        {ControlKind::Edit, kNone, 0x81, ES_AUTOHSCROLL, ES_MULTILINE},
        {ControlKind::Edit, kMultiline | kWantReturn | kReadOnly | kVScroll, 0x81,
         ES_MULTILINE | ES_WANTRETURN | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, 0},
        {ControlKind::ComboBox, kTabStop, 0x85, CBS_DROPDOWNLIST | WS_TABSTOP, 0},
    };
    for (const Row& r : rows) {
        ControlTemplate c;
        c.kind = r.kind;
        c.style = r.style;
        const ControlClass cls = ClassOf(c);
        EXPECT_EQ(cls.atom, r.atom) << static_cast<int>(r.kind);
        EXPECT_EQ(cls.style & r.mustHave, r.mustHave) << static_cast<int>(r.kind);
        EXPECT_EQ(cls.style & r.mustLack, 0u) << static_cast<int>(r.kind);
        EXPECT_NE(cls.style & WS_CHILD, 0u);
    }
    ControlTemplate bare;
    bare.kind = ControlKind::Edit;
    bare.style = kNoBorder;
    EXPECT_EQ(ClassOf(bare).exStyle & WS_EX_CLIENTEDGE, 0u);
    bare.style = kNone;
    EXPECT_NE(ClassOf(bare).exStyle & WS_EX_CLIENTEDGE, 0u);
}

TEST(Win32Template, HeaderHoldsFontCaptionAndEveryControl) {
    DialogTemplate t;
    t.caption = "Pr\xC3\xBC"
                "fung";
    t.x = 10;
    t.cx = 358;
    t.controls = {{7, ControlKind::Edit, "", kTabStop, 1, 2, 30, 12},
                  {0, ControlKind::Static, "&Name", kNone, 1, 20, 30, 8}};
    const std::vector<std::uint32_t> words = BuildDialogTemplate(t);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(words.data());
    std::uint16_t head[2];
    std::memcpy(head, bytes, sizeof head);
    EXPECT_EQ(head[0], 1);
    EXPECT_EQ(head[1], 0xFFFF);
    std::uint32_t style = 0;
    std::memcpy(&style, bytes + 12, 4);
    EXPECT_NE(style & DS_SETFONT, 0u);
    EXPECT_EQ(style & WS_VISIBLE, 0u);
    std::uint16_t count = 0;
    std::int16_t x = 0;
    std::int16_t cx = 0;
    std::memcpy(&count, bytes + 16, 2);
    std::memcpy(&x, bytes + 18, 2);
    std::memcpy(&cx, bytes + 22, 2);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(cx, 358);
    const std::wstring caption(reinterpret_cast<const wchar_t*>(bytes + 30));
    EXPECT_EQ(caption, L"Pr\u00FCfung");
    const auto* font = reinterpret_cast<const wchar_t*>(bytes + 30 + (caption.size() + 1) * 2 + 6);
    EXPECT_EQ(std::wstring(font), L"MS Shell Dlg");
}

} // namespace
} // namespace mirel::win32
