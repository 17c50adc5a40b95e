// The POST card page through user actions: checks, follow-ups, where Next and Back go and what
// they store, the entry at node 0 or 1, and the summary in the box and in the stored text. Whole
// runs are the postcard and e2e-v09 to e2e-v11 scenarios.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "pages/PostCardDlg.h"
#include "tests/unit/PageTestSupport.h"

namespace mirel {
namespace {

using R = ReportRecord;
using F = PostField;

// The record after the version page, with texts of an earlier pass that tell their fields.
ReportRecord Prepared(int version, int node) {
    ReportRecord r = test::Prepared(version);
    r.m_nPostNode = node;
    SetPostField(r.m_dwPostAnswers, F::CardKind, static_cast<std::uint32_t>(version - 8));
    r.m_strPostSlot = "ISA";
    r.m_strPostDarkLeds = "gelb";
    r.m_strPostCodes = "E3";
    r.m_strPostBeepCode = "-..";
    r.m_strPostBootMessage = "alt";
    return r;
}

// Steps separated by blanks: "next", "back", "1067" clicks 1067, "1092=a_b" types "a b" into 1092.
std::string Script(const std::string& steps) {
    std::istringstream in(steps);
    std::string script;
    for (std::string step; in >> step;) {
        std::replace(step.begin(), step.end(), '_', ' ');
        const std::size_t eq = step.find('=');
        if (eq != std::string::npos)
            script += "type " + step.substr(0, eq) + " \"" + step.substr(eq + 1) + "\"\n";
        else
            script += "click " + (step == "next" ? "1016" : step == "back" ? "1015" : step) + "\n";
    }
    return script;
}

TEST(PostCardDlg, ChecksOfEveryNodeWithMessageAndFocus) {
    struct Case {
        std::vector<int> nodes;
        std::string steps;   // before Next
        const char* message; // after "ACHTUNG!"; nullptr: the checks pass
        int focus;           // 1016: the check names no field, the focus stays
    };
    // clang-format off
    const std::vector<Case> cases = {
        {{4, 5, 6, 7, 8, 9, 10, 14, 15}, "", "\r\nBitte wählen Sie eine Option aus!", 1016},
        {{4}, "1067 1092=AGP", "\r\nBitte füllen Sie aller Felder aus!", 1016},
        {{7}, "1068", "\r\nBitte geben Sie an, welche LEDs leuchten!", 1016},
        {{11}, "", "\r\nBitte tragen Sie die geforderten Daten ein!", 1192},
        {{11}, "1192=AMI", "\r\nBitte tragen Sie die geforderten Daten ein!", 1092},
        {{12, 13}, "", "\r\nBitte wählen Sie die entsprechende Option aus!", 1016},
        {{12}, "1067", "\r\nBitte wählen Sie die entsprechende Option aus!", 1016},
        {{12}, "1067 1070 1092=", "\r\nBitte tragen Sie die entsprechenden Codes ein!", 1092},
        {{12}, "1068 1070", nullptr, 0}, // no code at all: nothing to type
        {{13}, "1070", "\r\nBitte tragen Sie die Fehlermeldung ein!", 1092},
        {{15}, "1071 1092=", "\r\n Bitte tragen Sie die Meldung ein!", 1092},
    };
    // clang-format on
    for (const Case& c : cases) {
        for (const int node : c.nodes) {
            ReportRecord r = Prepared(11, node);
            CPostCardDlg page(&r);
            const auto result = test::RunPage(page, "focus 1016\n" + Script(c.steps + " next"));
            SCOPED_TRACE(std::to_string(node) + ": " + c.steps);
            EXPECT_EQ(r.m_nPostNode, c.message == nullptr ? node + 1 : node);
            if (c.message == nullptr)
                continue;
            EXPECT_EQ(page.GetItemText(1171), std::string("ACHTUNG!") + c.message);
            EXPECT_EQ(page.GetFocusItem(), c.focus);
            EXPECT_EQ(result.log, "page CPostCardDlg\nend\n"); // no message box, no beep
        }
    }
}

TEST(PostCardDlg, FollowUpsOpenedByClickAndByStoredAnswer) {
    // Two questions with their options, two prompts with their fields.
    const std::string ids = "1194 1067 1068 1193 1069 1070 1071 1195 1192 1196 1092";
    struct Case {
        int node;
        PostField field;
        std::uint32_t value;             // stored before
        std::string steps, states, text; // text: of the field shown (1192 before 1092)
    };
    // clang-format off
    const std::vector<Case> cases = {
        // A click starts the follow-up unselected.
        {4, F::Occurrence, 2, "1067", "1194 1067x 1068 1193 1069 1070 1071h 1195h 1192h 1196 1092", ""},
        {6, F::OperatingLeds, 2, "", "1194 1067 1068x 1193h 1069h 1070h 1071h 1195 1192 1196h 1092h", "gelb"},
        {6, F::OperatingLeds, 2, "1067", "1194 1067x 1068 1193h 1069h 1070h 1071h 1195h 1192h 1196h 1092h", ""},
        {12, F::None, 0, "1067 1070 1069", "1194 1067x 1068 1193 1069x 1070 1071h 1195h 1192h 1196h 1092h", ""},
        {12, F::PostCode, 2, "1067", "1194 1067x 1068 1193 1069 1070 1071h 1195h 1192h 1196h 1092h", ""},
        {12, F::PostCodeView, 5, "", "1194 1067x 1068 1193 1069 1070x 1071h 1195h 1192h 1196 1092", "E3"},
        {12, F::PostCodeView, 6, "", "1194 1067 1068x 1193 1069 1070x 1071h 1195h 1192h 1196h 1092h", ""},
        // Bit 20 alone is no answer.
        {12, F::PostCodeView, 4, "", "1194 1067 1068 1193h 1069h 1070h 1071h 1195h 1192h 1196h 1092h", ""},
        {14, F::BeepCode, 1, "", "1194 1067x 1068 1193h 1069h 1070h 1071h 1195 1192 1196h 1092h", "-.."},
        {14, F::None, 0, "1067 1068", "1194 1067 1068x 1193h 1069h 1070h 1071h 1195h 1192h 1196h 1092h", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        ReportRecord r = Prepared(11, c.node);
        if (c.field != F::None)
            SetPostField(r.m_dwPostAnswers, c.field, c.value);
        const std::uint32_t before = r.m_dwPostAnswers;
        CPostCardDlg page(&r);
        test::RunPage(page, Script(c.steps));
        SCOPED_TRACE(std::to_string(c.node) + " " + std::to_string(before) + ": " + c.steps);
        EXPECT_EQ(test::States(page, ids), c.states);
        if (!c.text.empty()) {
            EXPECT_EQ(page.GetItemText(page.IsItemVisible(1192) ? 1192 : 1092), c.text);
        }
        if (c.node == 14) { // the notation hint stays while the node is shown
            EXPECT_EQ(page.GetItemText(1171),
                      "INFO:\r\nVerwenden Sie für lange Töne ein Minus, für kurze einen Punkt.");
        }
        EXPECT_EQ(r.m_dwPostAnswers, before); // a click changes nothing in the record
    }
}

TEST(PostCardDlg, WhereNextAndBackGoAndWhatTheyStore) {
    const PostText boot = &R::m_strPostBootMessage;
    struct Case {
        int version, node;
        std::uint32_t stored; // answers when the node is shown, besides the card kind
        std::string steps;
        int after;             // node afterwards
        std::uint32_t answers; // afterwards
        PostText text;
        std::string value;
    };
    // clang-format off
    const std::vector<Case> cases = {
        // Back keeps what is selected or typed, even where Next would refuse it.
        {11, 4, 0, "1067 1070 1092=_ISA\\n back", 3, 2u << 2, &R::m_strPostSlot, "ISA"},
        {11, 6, 0, "1068 1192= back", 5, 2u << 7, &R::m_strPostDarkLeds, ""},
        {11, 12, 0, "1068 back", 11, 2u << 18, nullptr, ""},
        // The shared field, hidden at node 12, holds the codes, not the BIOS date of node 11.
        {9, 11, 0, "1192=AMI 1092=2001 next 1067 1069 next", 13, 1u << 18, &R::m_strPostCodes, "E3"},
        // The boot message can be typed only with its option and is stored only with it.
        {9, 15, 0, "1071 1092=NTLDR 1069 1092=y 1071 next", 16, 3u << 25, boot, "NTLDR"},
        {9, 15, 0, "1071 1092=NTLDR 1069 next", 16, 1u << 25, boot, "alt"},
        {9, 15, 2u << 25, "1092=x 1071 next", 16, 3u << 25, boot, "alt"},
    };
    // clang-format on
    for (const Case& c : cases) {
        ReportRecord r = Prepared(c.version, c.node);
        r.m_dwPostAnswers |= c.stored;
        CPostCardDlg page(&r);
        test::RunPage(page, Script(c.steps));
        SCOPED_TRACE(std::to_string(c.version) + " at " + std::to_string(c.node) + ": " + c.steps);
        EXPECT_EQ(r.m_nPostNode, c.after);
        EXPECT_EQ(r.m_dwPostAnswers, c.answers | static_cast<std::uint32_t>(c.version - 8));
        EXPECT_EQ(c.text != nullptr ? r.*c.text : c.value, c.value);
    }
}

TEST(PostCardDlg, ANewRunClearsTheAnswersAndAnOwnModelsName) {
    // Node 0: a new run of the wizard, every answer and text is gone. Node 1: another maker's card
    // after a "plus" run; the name field starts empty, not with the own model's two-line name.
    for (const int node : {0, 1}) {
        ReportRecord r = Prepared(10, node);
        r.m_nVersion = 11;
        r.m_dwPostAnswers = 0x5A5A5A6;
        for (PostText text : kPostTexts)
            r.*text = "alt";
        r.m_strOtherCard = "Lumicard PCI plus\n                (Quorix*Board)";
        CPostCardDlg page(&r);
        test::RunPage(page, "");
        EXPECT_EQ(r.m_nPostNode, 3);
        EXPECT_EQ(page.GetItemText(1192), "");
        EXPECT_EQ(r.m_dwPostAnswers, node == 0 ? 3u : 0x5A5A5A7u);
        EXPECT_EQ(r.m_strPostSlot, node == 0 ? "" : "alt");
    }
}

const std::string M(8, ' ');  // heading margin of the summary
const std::string I(16, ' '); // answer indent

TEST(PostCardSummary, BoxShortensValuesStoredTextKeepsThemWhole) {
    struct Case {
        // Answer and text stored; found in the box at the last node and in the stored text.
        PostField field;
        std::uint32_t answer;
        PostText text;
        std::string value, box, stored;
    };
    // clang-format off
    const std::vector<Case> cases = {
        // 17 characters, not bytes; a line break: one blank in the box, one CR LF when stored.
        {F::Occurrence, 1, &R::m_strPostSlot, "Grafikkarte für\r\nSpiele", I + "--> Grafikkarte für \r\n\r\n",
         I + "--> Grafikkarte für\r\nSpiele\r\n\r\n"},
        // No empty line after an empty card name, nor after the voltage line alone.
        {F::None, 0, &R::m_strOtherCard, "", M + "Verwendete Karte:\r\n" + I + "\r\n" + M + "Auftreten", ""},
        {F::AtxViolation, 1, nullptr, "",
         M + "Betriebsspannungen:\r\n" + I + "ATX Voltage Violation leuchtet\r\n" + M + "Bustakt:", ""},
        // Bits 18 to 20 read as one value: no code at all.
        {F::PostCodeView, 6, nullptr, "",
         M + "POST-Code:\r\n" + I + "Es wird gar kein Code angezeigt\r\n\r\n" + M + "Start", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        ReportRecord r = Prepared(11, 16);
        r.m_strOtherCard = "Acme";
        r.m_strPostProblem = "Bleibt stehen";
        if (c.field != F::None)
            SetPostField(r.m_dwPostAnswers, c.field, c.answer);
        if (c.text != nullptr)
            r.*c.text = c.value;
        CPostCardDlg page(&r);
        const std::string shown = test::RunPage(page, "show 1197\nclick 1016\n").log; // the box, quoted
        const std::string& stored = r.m_strPostCardText;
        const std::string box = scenario::Quote(c.box);
        EXPECT_NE(shown.find(box.substr(1, box.size() - 2)), std::string::npos) << box << "\n" << shown;
        EXPECT_NE(stored.find(c.stored.empty() ? c.box : c.stored), std::string::npos) << stored;
        EXPECT_EQ(stored.find("|==>"), std::string::npos) << stored;
    }
}

TEST(PostCardSummary, OnlyTheCurrentNodesHeadingIsMarked) {
    for (int node = 3; node <= 16; ++node) {
        ReportRecord r = Prepared(11, node);
        CPostCardDlg page(&r);
        test::RunPage(page, "");
        const std::string box = page.GetItemText(1197);
        std::vector<int> marked; // numbers of the marked headings, from 0
        int headings = 0;
        for (std::size_t pos = 0; pos < box.size();) {
            const std::size_t end = box.find("\r\n", pos);
            const std::string line = box.substr(pos, end - pos);
            pos = end + 2;
            if (line.starts_with("|==> "))
                marked.push_back(headings++);
            else if (line.size() > 8 && line.starts_with(M) && line[8] != ' ')
                ++headings;
        }
        // Nodes 5 and 6 share the voltage section; every other node has one of its own.
        EXPECT_EQ(marked, std::vector<int>{node <= 5 ? node - 3 : node - 4}) << node;
        EXPECT_EQ(headings, 13) << node;
    }
}

} // namespace
} // namespace mirel
