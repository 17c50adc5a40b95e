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
    EXPECT_EQ(TypedText("a\nb", true, 2), "a");               // a line break takes two characters
    EXPECT_EQ(TypedText("✓x\x01\tz\x7f", false, 0), "?x\tz"); // control characters but tab are dropped
    EXPECT_EQ(MnemonicOf("&&a &Weiter"), U'w');
    EXPECT_EQ(MnemonicOf("&Über"), U'ü');
    EXPECT_EQ(MnemonicOf("a && b"), 0U);
    EXPECT_EQ(LfToCrLf(CrLfToLf("a\r\nb\rc\r\r\n")), "a\r\nb\rc\r\r\n");
}

TEST(UserActions, NotificationsAndState) {
    struct Case {
        std::string script;
        std::string trace;
        std::string log;
    };
    // The page opens with the focus on its first tab stop, the info box, and hears of it.
    const std::string open = "setfocus 1171\n";
    const std::string change8 = "change 1101\nchange 1101\nchange 1101\nchange 1101\n"
                                "change 1101\nchange 1101\nchange 1101\nchange 1101\n";
    const std::vector<Case> cases = {
        // Typing clicks into the edit and types key by key: one change a key, the input limit
        // refuses the keys past it.
        {"type 1101 \"abcdefghijk\"\nshow 1101\n", open + "killfocus 1171\nsetfocus 1101\n" + change8,
         "page GalleryDlg\ncontrol 1101 text=\"abcdefgh\" visible=1 enabled=1 readonly=0\nend\n"},
        // Paste: one insertion at the end, cut by the limit; empty text is select all + Delete.
        {"paste 1101 \"ab\\ncd\"\npaste 1101 \"123456\"\nshow 1101\ntype 1101 \"\"\nshow 1101\n",
         open + "killfocus 1171\nsetfocus 1101\nchange 1101\nchange 1101\n",
         "page GalleryDlg\ncontrol 1101 text=\"lineabcd\" visible=1 enabled=1 readonly=0\n"
         "control 1101 text=\"\" visible=1 enabled=1 readonly=0\nend\n"},
        // A click moves the focus to a radio button first; one of the group is checked, and
        // the group runs across a static up to the next group start.
        {"click 1112\nclick 1114\nshow 1112\nshow 1114\nclick 1120\nshow 1114\n",
         open + "killfocus 1171\nsetfocus 1112\nclick 1112\nkillfocus 1112\nsetfocus 1114\nclick 1114\n"
                "killfocus 1114\nsetfocus 1120\nclick 1120\n",
         "page GalleryDlg\ncontrol 1112 text=\"Two\" visible=1 enabled=1 checked=0\n"
         "control 1114 text=\"Three\" visible=1 enabled=1 checked=1\n"
         "control 1114 text=\"Three\" visible=1 enabled=1 checked=1\nend\n"},
        {"select 1140 2\nshow 1140\n", open + "dropdown 1140\nselchange 1140\n",
         "page GalleryDlg\ncontrol 1140 text=\"Andere/Other\" visible=1 enabled=1 selected=2\nend\n"},
        // Focus: kill-focus of the old control before set-focus of the new one.
        {"focus 1102\nfocus 1130\nfocus 1130\nfocused\n",
         open + "killfocus 1171\nsetfocus 1102\nkillfocus 1102\nsetfocus 1130\n",
         "page GalleryDlg\nfocused 1130\nend\n"},
        // Hidden and disabled controls take nothing; a read-only edit takes the click only.
        {"click 1121\ntype 1151 \"x\"\ntype 1103 \"x\"\nfocus 1151\nshow 1103\n",
         open + "killfocus 1171\nsetfocus 1103\n",
         "page GalleryDlg\nignored click 1121 (hidden)\nignored type 1151 (disabled)\n"
         "ignored type 1103 (read-only)\nignored focus 1151 (disabled)\n"
         "control 1103 text=\"fixed\" visible=1 enabled=1 readonly=1\nend\n"},
        // A static without click notification does nothing; a clickable picture that is a tab
        // stop takes the focus and reports the click.
        {"click 1100\nclick 1150\n", open + "killfocus 1171\nsetfocus 1150\nclick 1150\n",
         "page GalleryDlg\nend\n"},
        // Escape is the page's cancel command, Return presses the default button.
        {"key escape\nclose\nkey enter\n", open + "cancel\nclose\nclick 1016\n", "page GalleryDlg\n"},
        // Return in a multi-line edit that takes it is a line break at the caret.
        {"type 1102 \"ab\"\nkey left\nkey enter\nshow 1102\n",
         open + "killfocus 1171\nsetfocus 1102\nchange 1102\nchange 1102\nchange 1102\n",
         "page GalleryDlg\ncontrol 1102 text=\"a\\r\\nb\" visible=1 enabled=1 readonly=0\nend\n"},
        // Return on a push button presses that button; Space presses a focused button.
        {"focus 1015\nkey enter\n", open + "killfocus 1171\nsetfocus 1015\nclick 1015\n",
         "page GalleryDlg\n"},
        {"focus 1130\nkey space\nshow 1130\n", open + "killfocus 1171\nsetfocus 1130\nclick 1130\n",
         "page GalleryDlg\ncontrol 1130 text=\"Check\" visible=1 enabled=1 checked=1\nend\n"},
        // Tab runs in template order over every usable control a user acts on (1104 carries no
        // tab-stop mark); a radio group is one stop, entered at its checked button, and the
        // arrows move and choose within it.
        {"key tab\nfocused\nkey tab\nkey tab\nkey tab\nkey tab\nfocused\nkey down\nfocused\nkey "
         "tab\nfocused\n"
         "key shift+tab\nfocused\nkey shift+tab\nkey shift+tab\nfocused\n",
         open +
             "killfocus 1171\nsetfocus 1101\nkillfocus 1101\nsetfocus 1102\nkillfocus 1102\nsetfocus 1103\n"
             "killfocus 1103\nsetfocus 1111\nkillfocus 1111\nsetfocus 1112\nclick 1112\nkillfocus 1112\n"
             "setfocus 1120\nkillfocus 1120\nsetfocus 1112\nkillfocus 1112\nsetfocus 1103\n", // 1104 reports
                                                                                              // nothing
         "page GalleryDlg\nfocused 1101\nfocused 1111\nfocused 1112\nfocused 1120\nfocused 1112\n"
         "focused 1103\nend\n"},
        // Alt+letter: a label hands the focus to the next tab stop, a button is pressed.
        {"key alt+t\nfocused\nkey alt+W\n",
         open + "killfocus 1171\nsetfocus 1101\nkillfocus 1101\nsetfocus 1016\nclick 1016\n",
         "page GalleryDlg\nfocused 1101\n"},
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
