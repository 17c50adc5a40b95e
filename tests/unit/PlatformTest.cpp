// The platform layer as pages and users meet it: text conversion, radio groups, data exchange,
// the notifications of user actions, Return and Escape, and the runner's answers to the user.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Text.h"
#include "tests/unit/Gallery.h"
#include "tests/unit/Harness.h"

namespace mirel {
namespace {

TEST(Text, Cp1252ConversionAndTypedText) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Utf8ToCp1252("süß € – „x“ ‰"), "s\xFC\xDF \x80 \x96 \x84x\x93 \x89");
    EXPECT_EQ(Utf8ToCp1252("✓ 漢 😀"), "? ? ?");      // characters cp1252 cannot hold
    EXPECT_EQ(Utf8ToCp1252("a\xC3(b\xFF"), "a?(b?"); // broken UTF-8
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), "??");       // cut sequence
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");  // surrogate
    // Typed text: line breaks only in multi-line edits, the limit in characters, not bytes.
    EXPECT_EQ(TypedText("ab\ncd", false, 0), "abcd");
    EXPECT_EQ(TypedText("ab\r\ncd", true, 0), "ab\r\ncd");
    EXPECT_EQ(TypedText("äöü€x", false, 4), "äöü€");
    EXPECT_EQ(TypedText("a\nb", true, 2), "a"); // a line break takes two characters
    EXPECT_EQ(TypedText("✓x\x01\tz", false, 0), "?x?\tz");
    EXPECT_EQ(LfToCrLf(CrLfToLf("a\r\nb\rc\r\r\n")), "a\r\nb\rc\r\r\n");
}

TEST(UserActions, NotificationsAndState) {
    struct Case {
        std::string script;
        std::string trace;
        std::string log;
    };
    const std::vector<Case> cases = {
        // Typing: the input limit cuts, one change is reported.
        {"type 1101 \"abcdefghijk\"\nshow 1101\n", "change 1101\n",
         "page GalleryDlg\ncontrol 1101 text=\"abcdefgh\" visible=1 enabled=1 readonly=0\nend\n"},
        // Radio buttons: one of the group, which runs across a static up to the next group start.
        {"click 1112\nclick 1114\nshow 1112\nshow 1114\nclick 1120\nshow 1114\n",
         "click 1112\nclick 1114\nclick 1120\n",
         "page GalleryDlg\ncontrol 1112 text=\"Two\" visible=1 enabled=1 checked=0\n"
         "control 1114 text=\"Three\" visible=1 enabled=1 checked=1\n"
         "control 1114 text=\"Three\" visible=1 enabled=1 checked=1\nend\n"},
        {"select 1140 2\nshow 1140\n", "dropdown 1140\nselchange 1140\n",
         "page GalleryDlg\ncontrol 1140 text=\"Andere/Other\" visible=1 enabled=1 selected=2\nend\n"},
        // Focus: kill-focus of the old control before set-focus of the new one.
        {"focus 1102\nfocus 1130\nfocus 1130\n",
         "killfocus 1171\nsetfocus 1102\nkillfocus 1102\nsetfocus 1130\n", "page GalleryDlg\nend\n"},
        // Actions on hidden, disabled and read-only controls have no effect.
        {"click 1121\ntype 1151 \"x\"\ntype 1103 \"x\"\nfocus 1151\nshow 1103\n", "",
         "page GalleryDlg\nignored click 1121 (hidden)\nignored type 1151 (disabled)\n"
         "ignored type 1103 (read-only)\nignored focus 1151 (disabled)\n"
         "control 1103 text=\"fixed\" visible=1 enabled=1 readonly=1\nend\n"},
        // A static without click notification does nothing; a clickable picture reports it.
        {"click 1100\nclick 1150\n", "click 1150\n", "page GalleryDlg\nend\n"},
        // Return presses the default button, Escape is the page's cancel command.
        {"key escape\nclose\nkey enter\n", "cancel\nclose\nclick 1016\n", "page GalleryDlg\n"},
        // Return in a multi-line edit that takes it is a line break there, not the default button.
        {"type 1102 \"a\"\nfocus 1102\nkey enter\nshow 1102\n",
         "change 1102\nkillfocus 1171\nsetfocus 1102\nchange 1102\n",
         "page GalleryDlg\ncontrol 1102 text=\"a\\r\\n\" visible=1 enabled=1 readonly=0\nend\n"},
        // Return with the focus on a push button presses that button.
        {"focus 1015\nkey enter\n", "killfocus 1171\nsetfocus 1015\nclick 1015\n", "page GalleryDlg\n"},
    };
    for (const Case& c : cases) {
        test::GalleryDlg page;
        EXPECT_EQ(test::RunPage(page, c.script).log, c.log) << c.script;
        EXPECT_EQ(page.m_strTrace, c.trace) << c.script;
    }
}

TEST(UserActions, DataExchangeReadsWhatTheUserDid) {
    test::GalleryDlg page;
    test::RunPage(page, "type 1101 \"Grüße ✓\"\nclick 1114\nclick 1130\nselect 1140 1\nclick 1016\n");
    EXPECT_EQ(page.m_strLine, "Grüße ?");
    EXPECT_EQ(page.m_nRadio, 2);
    EXPECT_EQ(page.m_bCheck, 1);
    EXPECT_EQ(page.m_nList, 1);
}

// Shows the clock in its caption when it opens.
class ClockPage : public test::GalleryDlg {
  public:
    void OnShowWindow() override {
        const LocalTime t = GetServices().Now();
        SetCaption(std::to_string(t.day) + "." + std::to_string(t.month) + "." + std::to_string(t.year));
    }
};

TEST(Runner, AnswersAndErrors) {
    struct Case {
        std::string script;
        std::string log;
        int status;
    };
    const std::vector<Case> cases = {
        {"click 4711\n", "page GalleryDlg\nerror 1: no such control 4711\n", 2},
        {"\n# comment\nfrobnicate 3\n", "page GalleryDlg\nerror 3: unknown directive \"frobnicate\"\n", 2},
        {"answer ok\n", "page GalleryDlg\nerror 1: nothing asked for an answer\n", 2},
        {"type 1130 \"x\"\n", "page GalleryDlg\nerror 1: control 1130 is not an edit\n", 2},
        {"select 1140 3\n", "page GalleryDlg\nerror 1: list 1140 has no entry 3\n", 2},
        {"type 1101 \"open\n", "page GalleryDlg\nerror 1: cannot read \"type 1101 \"open\"\n", 2},
        {"clock 2026-13-01 10:00\n", "page GalleryDlg\nerror 1: cannot read \"clock 2026-13-01 10:00\"\n", 2},
        // The default clock, and a clock at the start that holds before the first page opens.
        {"caption\n", "page GalleryDlg\ncaption \"5.12.2026\"\nend\n", 0},
        {"clock 2027-03-04 05:06\ncaption\n", "page GalleryDlg\ncaption \"4.3.2027\"\nend\n", 0},
        // CR LF line ends; a backslash before any other letter is kept.
        {"type 1101 \"a\\qb\"\r\nshow 1101\r\n",
         "page GalleryDlg\ncontrol 1101 text=\"a\\\\qb\" visible=1 enabled=1 readonly=0\nend\n", 0},
    };
    for (const Case& c : cases) {
        ClockPage page;
        const test::ScriptResult r = test::RunPage(page, c.script);
        EXPECT_EQ(r.log, c.log) << c.script;
        EXPECT_EQ(r.status, c.status) << c.script;
    }
}

} // namespace
} // namespace mirel
