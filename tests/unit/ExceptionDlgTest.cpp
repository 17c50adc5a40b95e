// The two exception pages on the headless host: their checks in order with caption, text and
// focus, what is stored when, the exception blocks, the shared screenshot box, Back without
// checks, caption and input limits.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "pages/BootExceptionDlg.h"
#include "pages/DosExceptionDlg.h"
#include "tests/unit/Harness.h"
#include "tools/mirel-scenario/Script.h"

namespace mirel {
namespace {

using scenario::Quote;

enum class Kind { Dos, Boot };

// Edits of the DOS page by record element: 17 registers, then the remark.
constexpr std::array<int, 18> kDosControls = {1226, 1227, 1228, 1214, 1215, 1216, 1220, 1221, 1222,
                                              1223, 1224, 1225, 1229, 1230, 1231, 1232, 1233, 1150};
// Edits of the self-booting page by record element: the remark, then the seven values.
constexpr std::array<int, 8> kBootControls = {1091, 1212, 1093, 1094, 1095, 1096, 1097, 1098};

ReportRecord Record() {
    ReportRecord r;
    ResetForRun(r);
    r.m_strTitle = "Varenta Support Bericht - Version 1.22+";
    r.m_rcWindow = {40, 30, 41, 31};
    // Values and blocks of an earlier pass.
    for (std::string& s : r.m_astrDosException)
        s = "alt";
    for (std::string& s : r.m_astrBootException)
        s = "alt";
    r.m_astrDosException[18] = "alter Block";
    r.m_astrBootException[8] = "alter Block";
    return r;
}

struct PageRun {
    test::ScriptResult result;
    int focus = 0;
};

PageRun RunOn(Kind kind, ReportRecord& r, const std::string& script) {
    if (kind == Kind::Dos) {
        CDosExceptionDlg page(&r);
        test::ScriptResult result = test::RunPage(page, script);
        return {result, page.GetFocusItem()};
    }
    CBootExceptionDlg page(&r);
    test::ScriptResult result = test::RunPage(page, script);
    return {result, page.GetFocusItem()};
}

template <std::size_t N>
std::string TypeAll(const std::array<int, N>& controls, const std::vector<std::string>& values,
                    std::size_t first = 0) {
    std::string script;
    for (std::size_t i = 0; i < values.size(); ++i)
        script += "type " + std::to_string(controls[first + i]) + " " + Quote(values[i]) + "\n";
    return script;
}

// Seventeen filled register values; "at" holds a colon.
std::vector<std::string> DosRegisters() {
    return {"0D",       "0028:1A2F", "00000001", "00000002", "00000003", "00000004",
            "00000005", "00000006",  "00000007", "0000FFF0", "00010202", "0000",
            "0030",     "0038",      "0038",     "0040",     "0048"};
}

std::string Message(const std::string& caption, const std::string& text) {
    return "beep information\nmessage " + Quote(caption) + " " + Quote(text) + " ok information -> ok\n";
}

const std::string kColonAt =
    Message("Unkorrekte Angabe", "Das Feld \"at\" muss einen Doppelpunkt enthalten.");
const std::string kIncomplete = Message("Unvollständige Angaben", "Bitte füllen Sie alle Felder aus.");

TEST(DosExceptionDlg, ChecksInOrderAndWhatTheyStore) {
    struct Case {
        const char* what;
        int element;       // register changed from the filled set; -1 none
        std::string value; // its value
        std::string log;   // after the page line
        int focus;
        bool stored; // the typed values are in the record
    };
    const std::vector<Case> cases = {
        {"at without a colon", 1, "0028", kColonAt + "end\n", 1227, false},
        {"at empty", 1, "", kColonAt + "end\n", 1227, false},
        {"ds empty", 13, "", kIncomplete + "end\n", 1226, true},
        {"eflags empty", 10, "", kIncomplete + "end\n", 1226, true},
        {"all filled", -1, "", "", 1226, true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> values = DosRegisters();
        if (c.element >= 0)
            values[static_cast<std::size_t>(c.element)] = c.value;
        ReportRecord r = Record();
        const PageRun run =
            RunOn(Kind::Dos, r, TypeAll(kDosControls, values) + "focus 1226\nclick 1016\nanswer ok\n");
        EXPECT_EQ(run.result.log, "page CDosExceptionDlg\n" + c.log) << c.what;
        EXPECT_EQ(run.focus, c.focus) << c.what;
        for (std::size_t i = 0; i < values.size(); ++i)
            EXPECT_EQ(r.m_astrDosException[i], c.stored ? values[i] : "alt") << c.what << " element " << i;
        const bool built = c.log.empty();
        EXPECT_EQ(r.m_astrDosException[18].rfind("\nAufgetretene Exception (unter DOS):", 0) == 0, built)
            << c.what;
        if (!built) {
            EXPECT_EQ(r.m_astrDosException[18], "alter Block") << c.what;
        }
    }
}

TEST(DosExceptionDlg, TheFullBlockWithAndWithoutRemark) {
    const std::string registers = "\nAufgetretene Exception (unter DOS):\n\n"
                                  "\tUnhandled Exception 0D\tat 0028:1A2F\teax = 00000001\n"
                                  "\tebx = 00000002\tecx = 00000003\tedx = 00000004\n"
                                  "\tesi = 00000005\tedi = 00000006\tebp = 00000007\n"
                                  "\tesp = 0000FFF0\teflags = 00010202\terrorcode = 0000\n"
                                  "\tss = 0030\tds = 0038\tes = 0038\tfs = 0040\tgs = 0048\n";
    struct Case {
        std::string remark;
        std::string tail;
    };
    const std::vector<Case> cases = {
        {"", "\n"},
        {"nach dem Speichertest", "\tAnmerkung: nach dem Speichertest\n\n"},
        {"Zeile 1\nZeile 2", "\tAnmerkung: Zeile 1\nZeile 2\n\n"},
    };
    for (const Case& c : cases) {
        ReportRecord r = Record();
        RunOn(Kind::Dos, r,
              TypeAll(kDosControls, DosRegisters()) + "type 1150 " + Quote(c.remark) + "\nclick 1016\n");
        EXPECT_EQ(r.m_astrDosException[18], registers + c.tail) << Quote(c.remark);
        EXPECT_EQ(r.m_astrBootException[8], "alter Block");
    }
}

TEST(BootExceptionDlg, ChecksInOrderWithCaptionTextAndFocus) {
    const std::string incomplete = kIncomplete;
    auto colon = [](const std::string& field) {
        return Message("Unkorrekte Angabe", "Das Feld \"" + field + "\" muss einen Doppelpunkt enthalten.");
    };
    const std::string slash =
        Message("Unkorrekte Angabe", "Das Feld \"Startlog:\" muss einen Schrägstrich enthalten.");
    struct Case {
        std::vector<std::string> values; // Exception, bei, S:, C:, Code, Startlog, Gesperrt
        std::string log;                 // empty = the page ends
        int focus;
    };
    const std::vector<Case> cases = {
        {{"0D", "0028:1A2F", "0028:0001A2F4", "0020:00001000", "0000", "3/7", ""}, "", 1091},
        {{"", "0028:1A2F", "0028:0001A2F4", "0020:00001000", "0000", "3/7", "A20"}, incomplete, 1091},
        {{"0D", "0028:1A2F", "0028:0001A2F4", "0020:00001000", "0000", "", "A20"}, incomplete, 1091},
        {{"", "1A2F", "0001A2F4", "00001000", "0000", "37", "A20"}, incomplete, 1091},
        {{"0D", "1A2F", "0001A2F4", "0020:00001000", "0000", "3/7", ""}, colon("bei"), 1093},
        {{"0D", "0028:1A2F", "0001A2F4", "00001000", "0000", "37", ""}, colon("S:"), 1094},
        {{"0D", "0028:1A2F", "0028:0001A2F4", "00001000", "0000", "37", ""}, colon("C:"), 1095},
        {{"0D", "0028:1A2F", "0028:0001A2F4", "0020:00001000", "0000", "LOG", ""}, slash, 1097},
        {{"0D", "0028:1A2F", "0028:0001A2F4", "0020:00001000", "0000", "3:7", ""}, slash, 1097},
    };
    for (const Case& c : cases) {
        ReportRecord r = Record();
        const PageRun run =
            RunOn(Kind::Boot, r, TypeAll(kBootControls, c.values, 1) + "click 1016\nanswer ok\n");
        const std::string where = c.values[0] + "|" + c.values[1] + "|" + c.values[2] + "|" + c.values[3] +
                                  "|" + c.values[5] + "|" + c.values[6];
        EXPECT_EQ(run.result.log, "page CBootExceptionDlg\n" + c.log + (c.log.empty() ? "" : "end\n"))
            << where;
        EXPECT_EQ(run.focus, c.focus) << where;
        // A refused Next stores nothing.
        for (std::size_t i = 0; i < c.values.size(); ++i)
            EXPECT_EQ(r.m_astrBootException[i + 1], c.log.empty() ? c.values[i] : "alt") << where << " " << i;
    }
}

TEST(BootExceptionDlg, TheFullBlockSplitsAtTheFirstColon) {
    struct Case {
        std::string s, c, blocked, remark;
        std::string block;
    };
    const std::string head = "\nAufgetretene Exception (selbstbootend):\n\n\tException 0D\tbei 0028:1A2F\n";
    const std::vector<Case> cases = {
        {"0028:0001A2F4", "0020:00001000", "A20", "",
         head + "\tS: [0028]:0001A2F4\tC: [0020]:00001000\n\tCODE: 0000\tStartlog: 3/7\n\tGesperrt: A20\n\n"},
        {"0028:00:1", "0020:", "", "",
         head + "\tS: [0028]:00:1\tC: [0020]:\n\tCODE: 0000\tStartlog: 3/7\n\tGesperrt: \n\n"},
        {":1", "0020:00001000", "", "beim Booten\nvon CD",
         head + "\tS: []:1\tC: [0020]:00001000\n\tCODE: 0000\tStartlog: 3/7\n\tGesperrt: \n"
                "\tAnmerkung:beim Booten\nvon CD\n\n"},
    };
    for (const Case& c : cases) {
        ReportRecord r = Record();
        const PageRun run =
            RunOn(Kind::Boot, r,
                  TypeAll(kBootControls, {c.remark, "0D", "0028:1A2F", c.s, c.c, "0000", "3/7", c.blocked}) +
                      "click 1016\n");
        EXPECT_EQ(run.result.log, "page CBootExceptionDlg\n") << c.s;
        EXPECT_EQ(r.m_astrBootException[8], c.block) << c.s;
        EXPECT_EQ(r.m_astrDosException[18], c.block) << c.s;
        EXPECT_EQ(r.m_astrBootException[0],
                  c.remark == "beim Booten\nvon CD" ? "beim Booten\r\nvon CD" : c.remark);
    }
}

std::string Field(int id, const std::string& text, bool enabled) {
    return "control " + std::to_string(id) + " text=" + Quote(text) +
           " visible=1 enabled=" + (enabled ? "1" : "0") + " readonly=0\n";
}

TEST(ExceptionDlg, ScreenshotBoxDisablesTheValuesAndIsSharedByBothPages) {
    const std::string hint = "Bitte fügen Sie unbedingt den Screenshot der Exception der E-Mail bei!";
    ReportRecord r = Record();
    // DOS page: a value typed, the box ticked and cleared and ticked again, Next with "at"
    // lacking its colon and ds empty.
    const PageRun dos =
        RunOn(Kind::Dos, r,
              "type 1227 \"0028\"\ntype 1230 \"\"\nclick 1234\nshow 1171\nshow 1226\nshow 1233\nshow 1150\n"
              "click 1234\nshow 1171\nshow 1226\nclick 1234\ntype 1226 \"x\"\nclick 1016\n");
    EXPECT_EQ(dos.result.log, "page CDosExceptionDlg\n" + Field(1171, hint, true) +
                                  Field(1226, "alt", false) + Field(1233, "alt", false) +
                                  Field(1150, "alt", true) + Field(1171, "", true) +
                                  Field(1226, "alt", true) + "ignored type 1226 (disabled)\n");
    EXPECT_EQ(r.m_bScreenshot, 1);
    EXPECT_EQ(r.m_astrDosException[1], "0028"); // stored, though not in the block
    EXPECT_EQ(r.m_astrDosException[13], "");
    EXPECT_EQ(r.m_astrDosException[18],
              "\nEin Screenshot der Exception wurde beigefügt.\n\tAnmerkung: alt\n\n");

    // The self-booting page shows the box ticked; Next accepts anything.
    const PageRun boot = RunOn(
        Kind::Boot, r,
        "show 1234\nshow 1171\nshow 1212\nshow 1098\nshow 1091\ntype 1091 \"Bild folgt\"\nclick 1016\n");
    EXPECT_EQ(
        boot.result.log,
        "page CBootExceptionDlg\ncontrol 1234 text=\"Ich füge der E-Mail einen Screenshot der Exception bei "
        "!\" visible=1 enabled=1 checked=1\n" +
            Field(1171, hint, true) + Field(1212, "alt", false) + Field(1098, "alt", false) +
            Field(1091, "alt", true));
    EXPECT_EQ(r.m_astrBootException[8],
              "\nEin Screenshot der Exception wurde beigefügt.\n\tAnmerkung:Bild folgt\n\n");
    EXPECT_EQ(r.m_astrDosException[18], r.m_astrBootException[8]);

    // Cleared on the self-booting page, the DOS page shows it cleared as well.
    RunOn(Kind::Boot, r, "click 1234\nclick 1015\n");
    EXPECT_EQ(r.m_bScreenshot, 0);
    const PageRun again = RunOn(Kind::Dos, r, "show 1234\nshow 1226\nshow 1171\n");
    EXPECT_EQ(again.result.log,
              "page CDosExceptionDlg\ncontrol 1234 text=\"Ich füge der E-Mail einen Screenshot der "
              "Exception bei !\" visible=1 enabled=1 checked=0\n" +
                  Field(1226, "alt", true) + Field(1171, "", true) + "end\n");
}

TEST(ExceptionDlg, BackStoresWithoutChecksAndTheValuesReturn) {
    struct Case {
        Kind kind;
        std::string script;
        int control; // shown again with `value`
        std::string value;
    };
    const std::vector<Case> cases = {
        {Kind::Dos, "type 1227 \"ohne Doppelpunkt\"\ntype 1230 \"\"\n", 1227, "ohne Doppelpunkt"},
        {Kind::Boot, "type 1212 \"\"\ntype 1097 \"LOG\"\n", 1097, "LOG"},
    };
    for (const Case& c : cases) {
        ReportRecord r = Record();
        const PageRun back = RunOn(c.kind, r, c.script + "click 1015\n");
        const std::string name = c.kind == Kind::Dos ? "CDosExceptionDlg" : "CBootExceptionDlg";
        EXPECT_EQ(back.result.log, "page " + name + "\n");
        EXPECT_EQ(r.m_bBack, 1);
        EXPECT_EQ(r.m_astrDosException[18], "alter Block");
        EXPECT_EQ(r.m_rcWindow, (Rect{40, 30, 40 + DluToPxX(358), 30 + DluToPxY(280)}));
        r.m_bBack = 0;
        const PageRun again = RunOn(c.kind, r, "show " + std::to_string(c.control) + "\n");
        EXPECT_EQ(again.result.log, "page " + name + "\n" + Field(c.control, c.value, true) + "end\n");
    }
}

TEST(ExceptionDlg, CaptionFromTheTitleAndInputLimits) {
    struct Case {
        Kind kind;
        int control;
        int limit;
    };
    const std::vector<Case> cases = {
        // eflags takes 50 characters like every other register.
        {Kind::Dos, 1224, 50},  {Kind::Dos, 1233, 50},    {Kind::Dos, 1150, 4000},
        {Kind::Boot, 1098, 20}, {Kind::Boot, 1091, 3000},
    };
    for (const Case& c : cases) {
        ReportRecord r = Record();
        const std::string longText(static_cast<std::size_t>(c.limit) + 10, '7');
        const PageRun run = RunOn(
            c.kind, r, "caption\ntype " + std::to_string(c.control) + " \"" + longText + "\"\nclick 1015\n");
        const std::string name = c.kind == Kind::Dos ? "CDosExceptionDlg" : "CBootExceptionDlg";
        EXPECT_EQ(run.result.log, "page " + name + "\ncaption \"Varenta Support Bericht - Version 1.22+\"\n");
        std::string stored;
        if (c.kind == Kind::Dos) {
            for (std::size_t i = 0; i < kDosControls.size(); ++i)
                if (kDosControls[i] == c.control)
                    stored = r.m_astrDosException[i];
        } else {
            for (std::size_t i = 0; i < kBootControls.size(); ++i)
                if (kBootControls[i] == c.control)
                    stored = r.m_astrBootException[i];
        }
        EXPECT_EQ(stored, longText.substr(0, static_cast<std::size_t>(c.limit))) << c.control;
    }
}

} // namespace
} // namespace mirel
