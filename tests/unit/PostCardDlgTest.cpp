// The POST card page driven through user actions: checks, follow-ups, Back, the return to the last
// node and what reaches the record. Whole runs of the three versions, with the stored text, are
// the postcard and e2e-v09 to e2e-v11 scenarios.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "pages/PostCardDlg.h"
#include "tests/unit/Harness.h"

namespace mirel {
namespace {

using R = ReportRecord;
using F = PostField;

// The record as the page finds it after the version page: the card kind matches the version.
// `withTexts`: texts stored earlier, each telling its field.
ReportRecord Prepared(int version, int node, bool withTexts = false) {
    ReportRecord r;
    ResetForRun(r);
    r.m_nVersion = version;
    r.m_nPostNode = node;
    SetPostField(r.m_dwPostAnswers, F::CardKind, version - 8);
    if (withTexts) {
        r.m_strPostSlot = "ISA";
        r.m_strPostDarkLeds = "gelb";
        r.m_strPostCodes = "E3";
        r.m_strPostOsSymptoms = "Bluescreen";
        r.m_strPostBeepCode = "-..";
        r.m_strPostBootMessage = "alt";
    }
    return r;
}

// Steps separated by blanks: "next", "back", "1067" clicks 1067, "1092=a_b" types "a b" into 1092.
std::string Script(const std::string& steps) {
    std::istringstream in(steps);
    std::string script;
    std::string step;
    while (in >> step) {
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
    const char* const beep =
        "ACHTUNG! Bitte geben Sie den Beepcode ein! Punkt für kurze, Minus für lange Töne.";
    struct Case {
        std::vector<int> nodes;
        std::string steps;   // before Next
        const char* message; // nullptr: the checks pass
        int focus;           // 1016: the check names no field, the focus stays
    };
    const std::vector<Case> cases = {
        {{3}, "", "ACHTUNG!\r\nBitte geben Sie den Hersteller der Diagnosekarte ein!", 1192},
        {{4, 5, 6, 7, 8, 9, 10, 14, 15}, "", "ACHTUNG!\r\nBitte wählen Sie eine Option aus!", 1016},
        {{4}, "1067 1069", "ACHTUNG!\r\nBitte füllen Sie aller Felder aus!", 1016},
        {{4}, "1067 1092=AGP", "ACHTUNG!\r\nBitte füllen Sie aller Felder aus!", 1016},
        {{6}, "1068", "ACHTUNG!\r\nBitte geben Sie an, welche LEDs nicht leuchten!", 1192},
        {{7}, "1068", "ACHTUNG!\r\nBitte geben Sie an, welche LEDs leuchten!", 1016},
        {{11}, "", "ACHTUNG!\r\nBitte tragen Sie die geforderten Daten ein!", 1192},
        {{11}, "1192=AMI", "ACHTUNG!\r\nBitte tragen Sie die geforderten Daten ein!", 1092},
        {{12, 13}, "", "ACHTUNG!\r\nBitte wählen Sie die entsprechende Option aus!", 1016},
        {{12}, "1067", "ACHTUNG!\r\nBitte wählen Sie die entsprechende Option aus!", 1016},
        {{12}, "1067 1070", "ACHTUNG!\r\nBitte tragen Sie die entsprechenden Codes ein!", 1092},
        {{12}, "1068 1069", "ACHTUNG!\r\nBitte tragen Sie die entsprechenden Codes ein!", 1092},
        {{12}, "1068 1070", nullptr, 0}, // no code at all: nothing to type
        {{13}, "1070", "ACHTUNG!\r\nBitte tragen Sie die Fehlermeldung ein!", 1092},
        {{14}, "1067", beep, 1192},
        {{15}, "1071", "ACHTUNG!\r\n Bitte tragen Sie die Meldung ein!", 1092},
        {{16}, "", "ACHTUNG!\r\nBitte schreiben Sie eine kurze Problembeschreibung!", 1092},
    };
    for (const Case& c : cases) {
        for (const int node : c.nodes) {
            ReportRecord r = Prepared(11, node);
            CPostCardDlg page(&r);
            const auto result = test::RunPage(page, "focus 1016\n" + Script(c.steps + " next"));
            SCOPED_TRACE(std::to_string(node) + ": " + c.steps);
            ASSERT_TRUE(page.IsOpen());
            EXPECT_EQ(r.m_nPostNode, c.message == nullptr ? node + 1 : node);
            if (c.message == nullptr)
                continue;
            EXPECT_EQ(page.GetItemText(1171), c.message);
            EXPECT_EQ(page.GetFocusItem(), c.focus);
            EXPECT_EQ(result.log, "page CPostCardDlg\nend\n"); // no message box, no beep
        }
    }
}

TEST(PostCardDlg, FollowUpsOpenedByClickAndByStoredAnswer) {
    // Controls as letters: question Q with answers a b, second question S with options x y z,
    // prompt L with field l (1192), prompt T with field t (1092).
    const std::vector<std::pair<char, int>> controls = {{'Q', 1194}, {'a', 1067}, {'b', 1068}, {'S', 1193},
                                                        {'x', 1069}, {'y', 1070}, {'z', 1071}, {'L', 1195},
                                                        {'l', 1192}, {'T', 1196}, {'t', 1092}};
    const std::string notation = "INFO:\r\nVerwenden Sie für lange Töne ein Minus, für kurze einen Punkt.";
    struct Case {
        int node;
        std::vector<std::pair<PostField, std::uint32_t>> stored;
        std::string steps, shown, checked; // shown: every other control hidden
        std::vector<std::pair<int, std::string>> texts;
    };
    const std::vector<Case> cases = {
        {4, {}, "1067", "Qab Sxy Tt", "a", {{1092, "ISA"}}},
        {4, {{F::Occurrence, 2}}, "", "Qab Sxy Tt", "ay", {{1092, "ISA"}}},
        {4, {{F::Occurrence, 2}}, "1067", "Qab Sxy Tt", "a", {}}, // the option starts unselected
        {6, {{F::OperatingLeds, 2}}, "", "Qab Ll", "b", {{1192, "gelb"}}},
        {6, {{F::OperatingLeds, 2}}, "1067", "Qab", "a", {}},
        {7, {{F::PciClock, 3}}, "1067", "Qab", "a", {}},
        {12, {}, "1067 1070", "Qab Sxy Tt", "ay", {{1092, "E3"}}},
        {12, {}, "1067 1070 1069", "Qab Sxy", "ax", {}},
        {12, {{F::PostCode, 2}}, "1067", "Qab Sxy", "a", {}},
        {12, {{F::PostCode, 1}, {F::PostFollowUp, 1}}, "", "Qab Sxy Tt", "ay", {{1092, "E3"}}},
        {12, {{F::PostCode, 2}, {F::PostFollowUp, 1}}, "", "Qab Sxy", "by", {}},
        {13, {}, "1070", "Sxyz Tt", "y", {{1092, "Bluescreen"}, {1171, ""}}},
        {14, {{F::BeepCode, 1}}, "", "Qab Ll", "a", {{1171, notation}, {1192, "-.."}}},
        {14, {}, "1067 1068", "Qab", "b", {{1171, notation}}}, // the hint stays
        {15, {}, "", "Sxyz t", "", {{1092, "alt"}}},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(11, c.node, true);
        for (const auto& [field, value] : c.stored)
            SetPostField(r.m_dwPostAnswers, field, value);
        const std::uint32_t before = r.m_dwPostAnswers;
        CPostCardDlg page(&r);
        test::RunPage(page, Script(c.steps));
        SCOPED_TRACE(std::to_string(c.node) + " " + std::to_string(before) + ": " + c.steps);
        ASSERT_EQ(r.m_nPostNode, c.node);
        for (const auto& [letter, id] : controls) {
            const bool shown = c.shown.find(letter) != std::string::npos;
            EXPECT_EQ(page.IsItemVisible(id), shown) << id;
            if (shown && std::string("abxyz").find(letter) != std::string::npos) {
                EXPECT_EQ(page.GetCheck(id), c.checked.find(letter) != std::string::npos ? 1 : 0) << id;
            }
        }
        for (const auto& [id, text] : c.texts)
            EXPECT_EQ(page.GetItemText(id), text) << id;
        EXPECT_EQ(r.m_dwPostAnswers, before); // a click changes nothing in the record
    }
}

TEST(PostCardDlg, WhereNextAndBackGoAndWhatTheyStore) {
    const PostText boot = &R::m_strPostBootMessage;
    struct Case {
        int version, node;
        std::uint32_t stored; // answers when the node is shown, besides the card kind
        std::string steps;
        int after;             // node afterwards; 1: the page is left towards the version page
        std::uint32_t answers; // afterwards
        PostText text;
        std::string value;
    };
    const std::vector<Case> cases = {
        {9, 4, 0, "1068 back", 1, 3u << 2, nullptr, ""},
        {10, 4, 0, "back", 1, 0, nullptr, ""},
        {11, 4, 0, "back", 3, 0, nullptr, ""},
        {9, 5, 0, "back", 4, 0, nullptr, ""},
        // Back keeps what is selected or typed, even where Next would refuse it.
        {11, 4, 0, "1067 1070 1092=_ISA\\n back", 3, 2u << 2, &R::m_strPostSlot, "ISA"},
        {11, 6, 0, "1068 1192= back", 5, 2u << 7, &R::m_strPostDarkLeds, ""},
        {11, 12, 0, "1068 back", 11, 2u << 18, nullptr, ""},
        // The multi-line field is shared by the nodes: hidden for "yes, directly" it still
        // holds the stored codes, not the BIOS date typed on the node before.
        {9, 11, 0, "1192=AMI 1092=2001 next 1067 1069 next", 13, 1u << 18, &R::m_strPostCodes, "E3"},
        // The boot message can be typed only with its option and is stored only with it.
        {9, 15, 0, "1071 1092=NTLDR 1069 1092=y 1071 next", 16, 3u << 25, boot, "NTLDR"},
        {9, 15, 0, "1071 1092=NTLDR 1069 next", 16, 1u << 25, boot, "alt"},
        {9, 15, 3u << 25, "1092=NTLDR next", 16, 3u << 25, boot, "NTLDR"},
        {9, 15, 2u << 25, "1092=x 1071 next", 16, 3u << 25, boot, "alt"},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(c.version, c.node, true);
        r.m_dwPostAnswers |= c.stored;
        CPostCardDlg page(&r);
        test::RunPage(page, Script(c.steps));
        SCOPED_TRACE(std::to_string(c.version) + " at " + std::to_string(c.node) + ": " + c.steps);
        EXPECT_EQ(r.m_nPostNode, c.after);
        EXPECT_EQ(page.IsOpen(), c.after != 1);
        EXPECT_EQ(r.m_bBack, c.after == 1 ? 1 : 0);
        EXPECT_EQ(r.m_dwPostAnswers, c.answers | static_cast<std::uint32_t>(c.version - 8));
        EXPECT_EQ(c.text != nullptr ? r.*c.text : c.value, c.value);
    }
}

TEST(PostCardDlg, ReturnToTheLastNodeAndANewRun) {
    ReportRecord r = Prepared(11, 16);
    r.m_dwPostAnswers = 0x5A5A5A7;
    for (PostText text : kPostTexts)
        r.*text = "alt";
    CPostCardDlg finished(&r);
    test::RunPage(finished, Script("1092=Rechner_piept next"));
    const std::string stored = r.m_strPostCardText;
    // Shown again after Back on the following page: the last node with its description.
    CPostCardDlg again(&r);
    test::RunPage(again, "");
    EXPECT_EQ(r.m_nPostNode, 16);
    EXPECT_EQ(again.GetItemText(1092), "Rechner piept");
    EXPECT_EQ(r.m_strPostCardText, stored);
    // A new run of the wizard starts the page with node 0: every answer is gone.
    r.m_nPostNode = 0;
    CPostCardDlg page(&r);
    test::RunPage(page, "");
    EXPECT_EQ(r.m_nPostNode, 3);
    EXPECT_EQ(r.m_dwPostAnswers, 3u);
    for (PostText text : kPostTexts)
        EXPECT_EQ(r.*text, "");
    EXPECT_EQ(page.GetItemText(1192), "");
}

TEST(PostCardDlg, OwnModelNameIsNotOfferedAsAnotherMakersCard) {
    // Back to the version page from a "plus" run and on with another maker's card: the name
    // field starts empty instead of holding the two-line name of the own model.
    ReportRecord r = Prepared(10, 1);
    r.m_nVersion = 11;
    r.m_strOtherCard = "Lumicard PCI plus\n                (Quorix*Board)";
    CPostCardDlg page(&r);
    test::RunPage(page, "");
    EXPECT_EQ(r.m_nPostNode, 3);
    EXPECT_EQ(page.GetItemText(1192), "");
    EXPECT_EQ(GetPostField(r.m_dwPostAnswers, F::CardKind), 3u);
}

} // namespace
} // namespace mirel
