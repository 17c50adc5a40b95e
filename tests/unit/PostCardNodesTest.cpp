// The answer word of the POST card page and the summary it writes: every field keeps to its own
// bits; the box shortens typed values and marks the current heading, the stored text keeps the
// values whole and has no marker. Every summary line of whole runs is checked by the postcard
// and e2e-v09 to e2e-v11 scenarios.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "pages/PostCardDlg.h"
#include "tests/unit/Harness.h"

namespace mirel {
namespace {

using F = PostField;
const std::string M(8, ' ');  // heading margin
const std::string I(16, ' '); // answer indent

TEST(PostCardAnswers, EveryFieldWritesOnlyItsOwnBits) {
    const std::vector<std::pair<PostField, std::uint32_t>> cases = {
        {F::CardKind, 0x3},          {F::Occurrence, 0xC},        {F::AtxViolation, 0x60},
        {F::OperatingLeds, 0x180},   {F::PciClock, 0xE00},        {F::ResetLine, 0x3000},
        {F::PciError, 0xC000},       {F::PciActivity, 0x30000},   {F::PostCode, 0xC0000},
        {F::PostFollowUp, 0x100000}, {F::PostCodeView, 0x1C0000}, {F::OsStart, 0x600000},
        {F::BeepCode, 0x1800000},    {F::BootAbort, 0x6000000},
    };
    for (const auto& [field, mask] : cases) {
        const int shift = std::countr_zero(mask);
        const std::uint32_t max = mask >> shift;
        for (const std::uint32_t background : {0u, 0xFFFFFFFFu, 0x5A5A5A5Au}) {
            // max + 1 is wider than the field: it must not spill into the neighbours.
            for (std::uint32_t value = 0; value <= max + 1; ++value) {
                std::uint32_t word = background;
                SetPostField(word, field, value);
                EXPECT_EQ(word & ~mask, background & ~mask) << mask << " " << value;
                if (value <= max) {
                    EXPECT_EQ(GetPostField(word, field), value) << mask << " " << value;
                    EXPECT_EQ(word & mask, value << shift) << mask << " " << value;
                }
            }
        }
    }
}

TEST(PostCardAnswers, FollowUpOfThePostCodeIsAnsweredOnlyWithTheCode) {
    // Bit 20 holds a choice even when it is 0, but only while bits 18-19 hold an answer.
    const std::vector<std::pair<std::uint32_t, bool>> cases = {
        {0x0, false}, {0x40000, true}, {0x140000, true}, {0x100000, false}};
    for (const auto& [word, answered] : cases)
        EXPECT_EQ(IsPostFieldAnswered(word, F::PostFollowUp), answered) << std::hex << word;
}

ReportRecord Prepared(int node) {
    ReportRecord r;
    ResetForRun(r);
    r.m_nVersion = 11;
    r.m_nPostNode = node;
    SetPostField(r.m_dwPostAnswers, F::CardKind, 3);
    r.m_strOtherCard = "Acme";
    r.m_strPostProblem = "Bleibt stehen";
    return r;
}

TEST(PostCardSummary, BoxShortensValuesStoredTextKeepsThemWhole) {
    using R = ReportRecord;
    struct Case {
        std::vector<std::pair<PostField, std::uint32_t>> answers;
        PostText text;
        std::string value;
        std::string box;    // found in the box at the last node
        std::string stored; // found in the stored text; empty: as in the box
    };
    const std::vector<Case> cases = {
        // 17 characters, not bytes.
        {{{F::Occurrence, 1}},
         &R::m_strPostSlot,
         "Grafikkarte für Spiele",
         I + "--> Grafikkarte für S\r\n\r\n",
         I + "--> Grafikkarte für Spiele\r\n\r\n"},
        // A line break is one blank in the box and one CR LF in the stored text.
        {{{F::OsStart, 2}},
         &R::m_strPostOsSymptoms,
         "Bluescreen\r\nSTOP 0x0000007B",
         I + "--> Bluescreen STOP \r\n\r\n",
         I + "--> Bluescreen\r\nSTOP 0x0000007B\r\n\r\n"},
        // No empty line after an empty card name, nor after the voltage line alone.
        {{}, &R::m_strOtherCard, "", M + "Verwendete Karte:\r\n" + I + "\r\n" + M + "Auftreten", ""},
        {{{F::AtxViolation, 1}},
         nullptr,
         "",
         M + "Betriebsspannungen:\r\n" + I + "ATX Voltage Violation leuchtet\r\n" + M + "Bustakt:",
         ""},
        // Bits 18 to 20 read as one value.
        {{{F::PostCode, 2}, {F::PostFollowUp, 1}},
         nullptr,
         "",
         M + "POST-Code:\r\n" + I + "Es wird gar kein Code angezeigt\r\n\r\n" + M + "Start",
         ""},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(16);
        for (const auto& [field, value] : c.answers)
            SetPostField(r.m_dwPostAnswers, field, value);
        if (c.text != nullptr)
            r.*c.text = c.value;
        std::string box;
        {
            ReportRecord shown = r;
            CPostCardDlg page(&shown);
            test::RunPage(page, "");
            box = page.GetItemText(1197);
        }
        CPostCardDlg page(&r);
        EXPECT_EQ(test::RunPage(page, "click 1016\n").log, "page CPostCardDlg\n");
        const std::string& stored = r.m_strPostCardText;
        EXPECT_NE(box.find(c.box), std::string::npos) << c.box << "\n" << box;
        EXPECT_NE(stored.find(c.stored.empty() ? c.box : c.stored), std::string::npos) << stored;
        EXPECT_EQ(stored.find("|==>"), std::string::npos) << stored;
    }
}

TEST(PostCardSummary, OnlyTheCurrentNodesHeadingIsMarked) {
    for (int node = 3; node <= 16; ++node) {
        ReportRecord r = Prepared(node);
        CPostCardDlg page(&r);
        test::RunPage(page, "");
        const std::string box = page.GetItemText(1197);
        std::vector<int> marked; // numbers of the marked headings, from 0
        int headings = 0;
        for (std::size_t pos = 0; pos < box.size();) {
            const std::size_t end = box.find("\r\n", pos);
            const std::string line = box.substr(pos, end - pos);
            pos = end + 2;
            if (line.rfind("|==> ", 0) == 0)
                marked.push_back(headings++);
            else if (line.size() > 8 && line.rfind(M, 0) == 0 && line[8] != ' ')
                ++headings;
        }
        // Nodes 5 and 6 share the voltage section; every other node has one of its own.
        EXPECT_EQ(marked, std::vector<int>{node <= 5 ? node - 3 : node - 4}) << node;
        EXPECT_EQ(headings, 13) << node;
    }
}

} // namespace
} // namespace mirel
