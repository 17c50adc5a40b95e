// The two exception pages: their checks in order with focus and what a refused Next stores, the
// blocks they build, Back without checks and the input limits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/BootExceptionDlg.h"
#include "pages/DosExceptionDlg.h"
#include "tests/unit/PageTestSupport.h"

namespace mirel {
namespace {

// A record holding the values and blocks of an earlier pass.
ReportRecord Record() {
    ReportRecord r = test::Prepared(0);
    r.m_astrDosException.fill("alt");
    r.m_astrBootException.fill("alt");
    r.m_astrDosException[18] = "alter Block";
    r.m_astrBootException[8] = "alter Block";
    return r;
}

// Types `values` into `controls` in turn, then runs `tail`; returns the log and the final focus.
template <class Page>
std::pair<std::string, int> TypeAndRun(ReportRecord& r, const std::vector<int>& controls,
                                       const std::vector<std::string>& values, const std::string& tail) {
    std::string script;
    for (std::size_t i = 0; i < values.size(); ++i)
        script += "type " + std::to_string(controls[i]) + " " + scenario::Quote(values[i]) + "\n";
    Page page(&r);
    std::string log = test::RunPage(page, script + tail).log;
    return {log, page.GetFocusItem()};
}

// Edits of the DOS page by record element: 17 registers, then the remark.
const std::vector<int> kDos = {1226, 1227, 1228, 1214, 1215, 1216, 1220, 1221, 1222,
                               1223, 1224, 1225, 1229, 1230, 1231, 1232, 1233, 1150};
// Edits of the self-booting page by record element: the remark, then the seven values.
const std::vector<int> kBoot = {1091, 1212, 1093, 1094, 1095, 1096, 1097, 1098};
const std::string kIncomplete = test::Refusal("Unvollständige Angaben", "Bitte füllen Sie alle Felder aus.");
std::string Colon(const std::string& field) {
    return test::Refusal("Unkorrekte Angabe", "Das Feld \"" + field + "\" muss einen Doppelpunkt enthalten.");
}

TEST(DosExceptionDlg, ChecksInOrderAndWhatTheyStore) {
    struct Case {
        // Element changed (17: the remark), its value, log after the page line, focus, block end.
        std::size_t element;
        std::string value, log;
        int focus;
        std::string tail;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {1, "0028", Colon("at") + "end\n", 1227, "alter Block"},
        {1, "", Colon("at") + "end\n", 1227, "alter Block"}, // the check of "at" comes first
        {10, "", kIncomplete + "end\n", 1016, "alter Block"}, // the focus stays on the clicked button
        {17, "", "", 1016, "\tgs = 0048\n\n"},
        {17, "Zeile 1\nZeile 2", "", 1016, "\tgs = 0048\n\tAnmerkung: Zeile 1\nZeile 2\n\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::vector<std::string> values = {"0D",       "0028:1A2F", "00000001", "00000002", "00000003",
                                           "00000004", "00000005",  "00000006", "00000007", "0000FFF0",
                                           "00010202", "0000",      "0030",     "0038",     "0038",
                                           "0040",     "0048",      ""};
        values[c.element] = c.value;
        ReportRecord r = Record();
        const auto [log, focus] =
            TypeAndRun<CDosExceptionDlg>(r, kDos, values, "focus 1226\nclick 1016\nanswer ok\n");
        SCOPED_TRACE(std::to_string(c.element) + " " + scenario::Quote(c.value));
        EXPECT_EQ(log, "page CDosExceptionDlg\n" + c.log);
        EXPECT_EQ(focus, c.focus);
        // Only the colon check keeps the values out of the record.
        for (std::size_t i = 0; i < 17; ++i)
            EXPECT_EQ(r.m_astrDosException[i], c.element == 1 ? "alt" : values[i]) << i;
        EXPECT_TRUE(r.m_astrDosException[18].ends_with(c.tail)) << r.m_astrDosException[18];
    }
}

TEST(BootExceptionDlg, ChecksInOrderAndTheBlockSplitAtTheFirstColon) {
    const std::string block = "\nAufgetretene Exception (selbstbootend):\n\n\tException 0D\tbei 0028:1A2F\n"
                              "\tS: []:1\tC: [0020]:\n\tCODE: 0000\tStartlog: 3/7\n\tGesperrt: \n"
                              "\tAnmerkung:Booten\nvon CD\n\n";
    struct Case {
        std::vector<std::string> values; // remark, Exception, bei, S:, C:, Code, Startlog, Gesperrt
        std::string log;                 // empty: the page ends
        int focus;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {{"Booten\nvon CD", "0D", "0028:1A2F", ":1", "0020:", "0000", "3/7", ""}, "", 1016},
        {{"", "", "1A2F", "0001A2F4", "00001000", "0000", "37", "A20"}, kIncomplete, 1016},
        {{"", "0D", "0028:1A2F", "0028:0001A2F4", "0020:00001000", "0000", "", "A20"}, kIncomplete, 1016},
        {{"", "0D", "1A2F", "0001A2F4", "0020:00001000", "0000", "3/7", ""}, Colon("bei"), 1093},
        {{"", "0D", "0028:1A2F", "0001A2F4", "00001000", "0000", "37", ""}, Colon("S:"), 1094},
        {{"", "0D", "0028:1A2F", "0028:0001A2F4", "00001000", "0000", "37", ""}, Colon("C:"), 1095},
        {{"", "0D", "0028:1A2F", "0028:0001A2F4", "0020:00001000", "0000", "3:7", ""},
         test::Refusal("Unkorrekte Angabe", "Das Feld \"Startlog:\" muss einen Schrägstrich enthalten."), 1097},
    };
    // clang-format on
    for (const Case& c : cases) {
        ReportRecord r = Record();
        const auto [log, focus] =
            TypeAndRun<CBootExceptionDlg>(r, kBoot, c.values, "click 1016\nanswer ok\n");
        SCOPED_TRACE(c.values[2] + "|" + c.values[3] + "|" + c.values[4] + "|" + c.values[6]);
        EXPECT_EQ(log, "page CBootExceptionDlg\n" + c.log + (c.log.empty() ? "" : "end\n"));
        EXPECT_EQ(focus, c.focus);
        for (std::size_t i = 1; i < c.values.size(); ++i) // a refused Next stores nothing
            EXPECT_EQ(r.m_astrBootException[i], c.log.empty() ? c.values[i] : "alt") << i;
        EXPECT_EQ(r.m_astrBootException[0], c.log.empty() ? "Booten\r\nvon CD" : "alt");
        EXPECT_EQ(r.m_astrBootException[8], c.log.empty() ? block : "alter Block");
        EXPECT_EQ(r.m_astrDosException[18], r.m_astrBootException[8]);
    }
}

TEST(ExceptionDlg, BackStoresWithoutChecksUpToTheInputLimit) {
    struct Case {
        bool dos;
        std::size_t element;
        std::string typed, stored;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {true, 1, "ohne Doppelpunkt", "ohne Doppelpunkt"},
        {false, 6, "LOG", "LOG"},
        {true, 10, std::string(60, '7'), std::string(50, '7')}, // eflags: 50 like every register
        {true, 17, std::string(4010, '7'), std::string(4000, '7')},
        {false, 7, std::string(30, '7'), std::string(20, '7')},
        {false, 0, std::string(3010, '7'), std::string(3000, '7')},
    };
    // clang-format on
    for (const Case& c : cases) {
        ReportRecord r = Record();
        const int id = (c.dos ? kDos : kBoot)[c.element];
        const std::string log = c.dos
                                    ? TypeAndRun<CDosExceptionDlg>(r, {id}, {c.typed}, "click 1015\n").first
                                    : TypeAndRun<CBootExceptionDlg>(r, {id}, {c.typed}, "click 1015\n").first;
        EXPECT_EQ(log, c.dos ? "page CDosExceptionDlg\n" : "page CBootExceptionDlg\n") << id;
        EXPECT_EQ(r.m_bBack, 1);
        EXPECT_EQ(r.m_astrDosException[18], "alter Block");
        EXPECT_EQ(c.dos ? r.m_astrDosException[c.element] : r.m_astrBootException[c.element], c.stored) << id;
    }
}

} // namespace
} // namespace mirel
