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

TEST(Text, Cp1252RoundTripOfEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Text, ConversionTable) {
    struct Case {
        std::string utf8;
        std::string cp1252;
    };
    const std::vector<Case> cases = {
        {"Grüße", "Gr\xFC\xDF"
                  "e"},
        {"€ – „x“ ‰", "\x80 \x96 \x84x\x93 \x89"},
        {"✓ 漢 😀", "? ? ?"},      // characters cp1252 cannot hold
        {"a\xC3(b\xFF", "a?(b?"}, // broken UTF-8
        {"\xE2\x82", "??"},       // cut sequence
        {"\xED\xA0\x80", "???"},  // surrogate
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
}

TEST(Text, TypedTextFiltersBreaksAndCutsAtTheLimit) {
    struct Case {
        std::string typed;
        bool multiline;
        std::size_t limit;
        std::string held;
    };
    const std::vector<Case> cases = {
        {"ab\ncd", true, 0, "ab\r\ncd"},
        {"ab\ncd", false, 0, "abcd"},
        {"ab\r\ncd", true, 0, "ab\r\ncd"},
        {"äöü€x", false, 4, "äöü€"}, // the limit counts characters, not bytes
        {"a\nb", true, 2, "a"},      // a line break takes two characters
        {"✓x\x01", false, 0, "?x?"},
        {"tab\there", false, 0, "tab\there"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TypedText(c.typed, c.multiline, c.limit), c.held) << c.typed;
    EXPECT_EQ(CharCount("äöü€x"), 5u);
    EXPECT_EQ(TruncateChars("äöü€x", 2), "äö");
    EXPECT_EQ(LfToCrLf(CrLfToLf("a\r\nb\rc\r\r\n")), "a\r\nb\rc\r\r\n");
}

TEST(Templates, RadioGroupsRunFromGroupStartToGroupStart) {
    const DialogTemplate& t = test::GalleryTemplate();
    EXPECT_EQ(t.RadioGroup(1111), (std::vector<int>{1111, 1112, 1114}));
    EXPECT_EQ(t.RadioGroup(1114), (std::vector<int>{1111, 1112, 1114}));
    EXPECT_EQ(t.RadioGroup(1121), (std::vector<int>{1120, 1121}));
    EXPECT_TRUE(t.RadioGroup(1130).empty());
}

struct PageRun {
    std::string log;
    std::string trace;
    test::GalleryDlg page;
};

void RunGallery(PageRun& run, const std::string& script) {
    run.log = test::RunPage(run.page, script).log;
    run.trace = run.page.m_strTrace;
}

TEST(UserActions, NotificationsAndState) {
    struct Case {
        std::string script;
        std::string trace;
        std::string log;
    };
    const std::vector<Case> cases = {
        // Typing: the input limit cuts, one change is reported, the modified flag is set.
        {"type 1101 \"abcdefghijk\"\nshow 1101\n", "change 1101\n",
         "page GalleryDlg\ncontrol 1101 text=\"abcdefgh\" visible=1 enabled=1 readonly=0\nend\n"},
        {"type 1102 \"one\\ntwo\"\nshow 1102\n", "change 1102\n",
         "page GalleryDlg\ncontrol 1102 text=\"one\\r\\ntwo\" visible=1 enabled=1 readonly=0\nend\n"},
        // Radio buttons: one of the group, the other groups untouched; no selection at first.
        {"show 1111\nclick 1112\nclick 1114\nshow 1112\nshow 1114\nclick 1120\nshow 1114\n",
         "click 1112\nclick 1114\nclick 1120\n",
         "page GalleryDlg\ncontrol 1111 text=\"One\" visible=1 enabled=1 checked=0\n"
         "control 1112 text=\"Two\" visible=1 enabled=1 checked=0\n"
         "control 1114 text=\"Three\" visible=1 enabled=1 checked=1\n"
         "control 1114 text=\"Three\" visible=1 enabled=1 checked=1\nend\n"},
        {"click 1130\nclick 1130\nclick 1130\nshow 1130\n", "click 1130\nclick 1130\nclick 1130\n",
         "page GalleryDlg\ncontrol 1130 text=\"Check\" visible=1 enabled=1 checked=1\nend\n"},
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
        PageRun run;
        RunGallery(run, c.script);
        EXPECT_EQ(run.trace, c.trace) << c.script;
        EXPECT_EQ(run.log, c.log) << c.script;
    }
}

TEST(UserActions, DataExchangeReadsWhatTheUserDid) {
    PageRun run;
    RunGallery(run, "type 1101 \"Grüße ✓\"\nclick 1114\nclick 1130\nselect 1140 1\nclick 1016\n");
    EXPECT_EQ(run.page.m_strLine, "Grüße ?");
    EXPECT_EQ(run.page.m_nRadio, 2);
    EXPECT_EQ(run.page.m_bCheck, 1);
    EXPECT_EQ(run.page.m_nList, 1);
}

TEST(Runner, ErrorsStopTheRun) {
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
        {"caption\n", "page GalleryDlg\ncaption \"Gallery\"\nend\n", 0},
    };
    for (const Case& c : cases) {
        test::GalleryDlg page;
        const test::ScriptResult r = test::RunPage(page, c.script);
        EXPECT_EQ(r.log, c.log) << c.script;
        EXPECT_EQ(r.status, c.status) << c.script;
    }
}

TEST(Runner, QuotesTextsInTheLog) {
    EXPECT_EQ(scenario::Quote("a\"b\\c\r\n\td€"), "\"a\\\"b\\\\c\\r\\n\\td€\"");
    const std::vector<scenario::Directive> d =
        scenario::ParseScript("type 1 \"x\\\"y\\\\z\\n\\q\"\r\nclock 2026-01-02 03:04");
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].text, "x\"y\\z\n\\q");
    EXPECT_EQ(d[1].year, 2026);
    EXPECT_EQ(d[1].minute, 4);
}

} // namespace
} // namespace mirel

namespace mirel {
namespace {

// Shows the clock in its caption when it opens.
class ClockPage : public test::GalleryDlg {
  public:
    void OnShowWindow() override {
        const LocalTime t = GetServices().Now();
        SetCaption(std::to_string(t.day) + "." + std::to_string(t.month) + "." + std::to_string(t.year));
    }
};

TEST(Runner, ClockAtTheStartHoldsBeforeTheFirstPageOpens) {
    ClockPage page;
    EXPECT_EQ(test::RunPage(page, "clock 2027-03-04 05:06\ncaption\n").log,
              "page GalleryDlg\ncaption \"4.3.2027\"\nend\n");
    ClockPage plain;
    EXPECT_EQ(test::RunPage(plain, "caption\n").log, "page GalleryDlg\ncaption \"5.12.2026\"\nend\n");
}

} // namespace
} // namespace mirel
