// The POST card page driven through user actions: the checks of every node with their messages
// and focus, the follow-ups opened by a click and by a stored answer, the node sequence of the
// three versions forward and back, and what reaches the record.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pages/PostCardDlg.h"
#include "tests/unit/Harness.h"

namespace mirel {
namespace {

using R = ReportRecord;

ReportRecord Prepared(int version, int node) {
    ReportRecord r;
    ResetForRun(r);
    r.m_nVersion = version;
    r.m_nPostNode = node;
    r.m_strTitle = "Titel";
    r.m_rcWindow = {30, 40, 31, 41};
    return r;
}

const char* const kChoose = "ACHTUNG!\r\nBitte wählen Sie eine Option aus!";
const char* const kChooseMatching = "ACHTUNG!\r\nBitte wählen Sie die entsprechende Option aus!";
const char* const kFillAll = "ACHTUNG!\r\nBitte füllen Sie aller Felder aus!";
const char* const kData = "ACHTUNG!\r\nBitte tragen Sie die geforderten Daten ein!";
const char* const kCodes = "ACHTUNG!\r\nBitte tragen Sie die entsprechenden Codes ein!";

TEST(PostCardDlg, ChecksOfEveryNodeWithMessageAndFocus) {
    // The focus is put on 1016 first: a check that names no field leaves it there.
    struct Case {
        int node;
        std::string script;
        const char* message; // nullptr: the checks pass and the page goes on to the next node
        int focus;
    };
    const std::vector<Case> cases = {
        {3, "", "ACHTUNG!\r\nBitte geben Sie den Hersteller der Diagnosekarte ein!", 1192},
        {3, "type 1192 \" \"\n", nullptr, 0}, // blanks count as typed
        {4, "", kChoose, 1016},
        {4, "click 1067\n", kFillAll, 1016},
        {4, "click 1067\nclick 1069\n", kFillAll, 1016},
        {4, "click 1067\ntype 1092 \"AGP\"\n", kFillAll, 1016},
        {4, "click 1067\nclick 1070\ntype 1092 \"AGP\"\n", nullptr, 0},
        {4, "click 1068\n", nullptr, 0},
        {5, "", kChoose, 1016},
        {5, "click 1068\n", nullptr, 0},
        {6, "", kChoose, 1016},
        {6, "click 1068\n", "ACHTUNG!\r\nBitte geben Sie an, welche LEDs nicht leuchten!", 1192},
        {6, "click 1068\ntype 1192 \"gelb\"\n", nullptr, 0},
        {6, "click 1067\n", nullptr, 0},
        {7, "", kChoose, 1016},
        {7, "click 1068\n", "ACHTUNG!\r\nBitte geben Sie an, welche LEDs leuchten!", 1016},
        {7, "click 1068\nclick 1071\n", nullptr, 0},
        {7, "click 1067\n", nullptr, 0},
        {8, "", kChoose, 1016},
        {8, "click 1067\n", nullptr, 0},
        {9, "", kChoose, 1016},
        {9, "click 1068\n", nullptr, 0},
        {10, "", kChoose, 1016},
        {10, "click 1067\n", nullptr, 0},
        {11, "", kData, 1192},
        {11, "type 1192 \"AMI\"\n", kData, 1092},
        {11, "type 1092 \"2001\"\n", kData, 1192},
        {11, "type 1192 \"AMI\"\ntype 1092 \"2001\"\n", nullptr, 0},
        {12, "", kChooseMatching, 1016},
        {12, "click 1067\n", kChooseMatching, 1016},
        {12, "click 1067\nclick 1070\n", kCodes, 1092},
        {12, "click 1068\nclick 1069\n", kCodes, 1092},
        {12, "click 1067\nclick 1069\n", nullptr, 0},
        {12, "click 1068\nclick 1070\n", nullptr, 0},
        {13, "", kChooseMatching, 1016},
        {13, "click 1070\n", "ACHTUNG!\r\nBitte tragen Sie die Fehlermeldung ein!", 1092},
        {13, "click 1071\n", nullptr, 0},
        {14, "", kChoose, 1016},
        {14, "click 1067\n",
         "ACHTUNG! Bitte geben Sie den Beepcode ein! Punkt für kurze, Minus für lange Töne.", 1192},
        {14, "click 1068\n", nullptr, 0},
        {15, "", kChoose, 1016},
        {15, "click 1071\n", "ACHTUNG!\r\n Bitte tragen Sie die Meldung ein!", 1092},
        {15, "click 1070\n", nullptr, 0},
        {16, "", "ACHTUNG!\r\nBitte schreiben Sie eine kurze Problembeschreibung!", 1092},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(11, c.node);
        CPostCardDlg page(&r);
        const auto result = test::RunPage(page, "focus 1016\n" + c.script + "click 1016\n");
        const std::string where = std::to_string(c.node) + ": " + c.script;
        ASSERT_TRUE(page.IsOpen()) << where;
        if (c.message == nullptr) {
            EXPECT_EQ(r.m_nPostNode, c.node + 1) << where;
            continue;
        }
        EXPECT_EQ(r.m_nPostNode, c.node) << where;
        EXPECT_EQ(page.GetItemText(1171), c.message) << where;
        EXPECT_EQ(page.GetFocusItem(), c.focus) << where;
        EXPECT_EQ(result.log, "page CPostCardDlg\nend\n") << where; // no message box, no beep
    }
}

// The controls whose visibility changes from node to node.
const std::vector<int> kVarying = {1194, 1067, 1068, 1195, 1192, 1193, 1069, 1070, 1071, 1196, 1092};

TEST(PostCardDlg, FollowUpsOpenedByClickAndByStoredAnswer) {
    struct Case {
        int node;
        std::vector<std::pair<PostField, std::uint32_t>> stored;
        std::string script;
        std::vector<int> visible;                       // of kVarying; every other one hidden
        std::vector<int> checked;                       // of the five options
        std::vector<std::pair<int, std::string>> texts; // control texts
    };
    using F = PostField;
    const std::string slotQuestion =
        "Ist das Problem abhängig von einem Steckplatz oder von einer Erweiterungskarte?";
    const std::string notation = "INFO:\r\nVerwenden Sie für lange Töne ein Minus, für kurze einen Punkt.";
    const std::vector<Case> cases = {
        {3, {}, "", {1194, 1192}, {}, {{1192, "Acme"}}},
        {4, {}, "", {1194, 1067, 1068}, {}, {}},
        {4,
         {},
         "click 1067\n",
         {1194, 1067, 1068, 1193, 1069, 1070, 1196, 1092},
         {1067},
         {{1193, slotQuestion}, {1069, "Abhängig vom Steckplatz"}, {1092, "ISA"}}},
        {4,
         {{F::Occurrence, 2}},
         "",
         {1194, 1067, 1068, 1193, 1069, 1070, 1196, 1092},
         {1067, 1070},
         {{1092, "ISA"}}},
        {4,
         {{F::Occurrence, 2}},
         "click 1067\n",
         {1194, 1067, 1068, 1193, 1069, 1070, 1196, 1092},
         {1067},
         {}},
        {4, {{F::Occurrence, 2}}, "click 1068\n", {1194, 1067, 1068}, {1068}, {}},
        {4, {{F::Occurrence, 3}}, "", {1194, 1067, 1068}, {1068}, {}},
        {6, {}, "", {1194, 1067, 1068}, {}, {}},
        {6,
         {},
         "click 1068\n",
         {1194, 1067, 1068, 1195, 1192},
         {1068},
         {{1195, "Tragen Sie bitte ein, welche LEDs nicht leuchten:"}, {1192, "gelb"}}},
        {6, {{F::OperatingLeds, 2}}, "", {1194, 1067, 1068, 1195, 1192}, {1068}, {{1192, "gelb"}}},
        {6, {{F::OperatingLeds, 2}}, "click 1067\n", {1194, 1067, 1068}, {1067}, {}},
        {7,
         {},
         "click 1068\n",
         {1194, 1067, 1068, 1193, 1069, 1070, 1071},
         {1068},
         {{1193, "Welche der LEDs leuchtet ?"}, {1069, "Nur die mit\"High\" bezeichnete LED leuchtet."}}},
        {7, {{F::PciClock, 3}}, "", {1194, 1067, 1068, 1193, 1069, 1070, 1071}, {1068, 1070}, {}},
        {7, {{F::PciClock, 3}}, "click 1067\n", {1194, 1067, 1068}, {1067}, {}},
        {11, {}, "", {1195, 1192, 1196, 1092}, {}, {{1192, "AMI"}, {1092, "2001"}}},
        {12,
         {},
         "click 1067\n",
         {1194, 1067, 1068, 1193, 1069, 1070},
         {1067},
         {{1193, "Wann ist der Code \"00\" oder \"FF\" zu sehen?"}}},
        {12,
         {},
         "click 1067\nclick 1070\n",
         {1194, 1067, 1068, 1193, 1069, 1070, 1196, 1092},
         {1067, 1070},
         {{1196, "Bitte tragen Sie die Codes wenn möglich ein:"}, {1092, "E3"}}},
        {12,
         {},
         "click 1067\nclick 1070\nclick 1069\n",
         {1194, 1067, 1068, 1193, 1069, 1070},
         {1067, 1069},
         {}},
        {12,
         {},
         "click 1068\n",
         {1194, 1067, 1068, 1193, 1069, 1070},
         {1068},
         {{1193, "Was ist auf der Anzeige zu sehen?"}, {1070, "Es wird gar kein Code angezeigt."}}},
        {12,
         {{F::PostCode, 2}},
         "",
         {1194, 1067, 1068, 1193, 1069, 1070, 1196, 1092},
         {1068, 1069},
         {{1196, "Bitte tragen Sie den/die Codes ein."}, {1092, "E3"}}},
        {12, {{F::PostCode, 2}}, "click 1067\n", {1194, 1067, 1068, 1193, 1069, 1070}, {1067}, {}},
        {12,
         {{F::PostCode, 1}, {F::PostFollowUp, 1}},
         "",
         {1194, 1067, 1068, 1193, 1069, 1070, 1196, 1092},
         {1067, 1070},
         {{1196, "Bitte tragen Sie die Codes wenn möglich ein:"}}},
        {12,
         {{F::PostCode, 2}, {F::PostFollowUp, 1}},
         "",
         {1194, 1067, 1068, 1193, 1069, 1070},
         {1068, 1070},
         {}},
        {13, {}, "", {1193, 1069, 1070, 1071}, {}, {{1171, ""}}},
        {13, {}, "click 1070\n", {1193, 1069, 1070, 1071, 1196, 1092}, {1070}, {{1092, "Bluescreen"}}},
        {13, {{F::OsStart, 2}}, "click 1071\n", {1193, 1069, 1070, 1071}, {1071}, {}},
        {14,
         {},
         "",
         {1194, 1067, 1068},
         {},
         {{1171, "Evtl. ertönt der Beep-Code bereits bei Einschalten des PCs."}}},
        {14, {}, "click 1067\n", {1194, 1067, 1068, 1195, 1192}, {1067}, {{1171, notation}, {1192, "-.."}}},
        {14, {}, "click 1067\nclick 1068\n", {1194, 1067, 1068}, {1068}, {{1171, notation}}},
        {14, {{F::BeepCode, 1}}, "", {1194, 1067, 1068, 1195, 1192}, {1067}, {{1171, notation}}},
        {15, {}, "", {1193, 1069, 1070, 1071, 1092}, {}, {{1092, "NO ROM BASIC"}}},
        {16, {}, "", {1196, 1092}, {}, {{1092, "Bleibt stehen"}}},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(11, c.node);
        SetPostField(r.m_dwPostAnswers, F::CardKind, 3);
        for (const auto& [field, value] : c.stored)
            SetPostField(r.m_dwPostAnswers, field, value);
        r.m_strOtherCard = "Acme";
        r.m_strPostSlot = "ISA";
        r.m_strPostDarkLeds = "gelb";
        r.m_strPostBios = "AMI";
        r.m_strPostBiosDate = "2001";
        r.m_strPostCodes = "E3";
        r.m_strPostOsSymptoms = "Bluescreen";
        r.m_strPostBeepCode = "-..";
        r.m_strPostBootMessage = "NO ROM BASIC";
        r.m_strPostProblem = "Bleibt stehen";
        const std::uint32_t before = r.m_dwPostAnswers;
        CPostCardDlg page(&r);
        test::RunPage(page, c.script);
        const std::string where = std::to_string(c.node) + " " + std::to_string(before) + ": " + c.script;
        ASSERT_EQ(r.m_nPostNode, c.node) << where;
        for (int id : kVarying) {
            const bool shown = std::find(c.visible.begin(), c.visible.end(), id) != c.visible.end();
            EXPECT_EQ(page.IsItemVisible(id), shown) << where << " control " << id;
        }
        for (int id : {1067, 1068, 1069, 1070, 1071}) {
            if (!page.IsItemVisible(id))
                continue; // a hidden option may keep its check; it is never read
            const bool checked = std::find(c.checked.begin(), c.checked.end(), id) != c.checked.end();
            EXPECT_EQ(page.GetCheck(id), checked ? 1 : 0) << where << " control " << id;
        }
        for (const auto& [id, text] : c.texts)
            EXPECT_EQ(page.GetItemText(id), text) << where << " control " << id;
        EXPECT_EQ(r.m_dwPostAnswers, before) << where; // a click changes nothing in the record
    }
}

TEST(PostCardDlg, BootMessageCanBeTypedOnlyWithItsOptionAndIsStoredOnlyWithIt) {
    struct Case {
        std::uint32_t stored; // boot abort answer when the node is shown
        std::string script;
        std::string log;
        std::uint32_t abort;
        std::string message;
    };
    const std::vector<Case> cases = {
        {0, "type 1092 \"x\"\nclick 1070\nclick 1016\n", "ignored type 1092 (disabled)\n", 2, "alt"},
        {0, "click 1071\ntype 1092 \" NTLDR fehlt \"\nclick 1016\n", "", 3, "NTLDR fehlt"},
        {0, "click 1071\ntype 1092 \"NTLDR fehlt\"\nclick 1069\ntype 1092 \"y\"\nclick 1016\n",
         "ignored type 1092 (disabled)\n", 1, "alt"},
        {3, "type 1092 \"NTLDR fehlt\"\nclick 1016\n", "", 3, "NTLDR fehlt"},
        {2, "type 1092 \"x\"\nclick 1016\n", "ignored type 1092 (disabled)\n", 2, "alt"},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(9, 15);
        SetPostField(r.m_dwPostAnswers, PostField::BootAbort, c.stored);
        r.m_strPostBootMessage = "alt";
        CPostCardDlg page(&r);
        const auto result = test::RunPage(page, c.script);
        EXPECT_EQ(result.log, "page CPostCardDlg\n" + c.log + "end\n") << c.script;
        EXPECT_EQ(r.m_nPostNode, 16) << c.script;
        EXPECT_EQ(GetPostField(r.m_dwPostAnswers, PostField::BootAbort), c.abort) << c.script;
        EXPECT_EQ(r.m_strPostBootMessage, c.message) << c.script;
    }
}

// Answers that pass every node, and their fields in m_dwPostAnswers (the card kind aside).
const char* const kCardName = "type 1192 \"  Acme POST-Tester  \"\nclick 1016\n";
const std::string kAllNodes =
    "click 1067\nclick 1069\ntype 1092 \" AGP \"\nclick 1016\n"      // 4: slot, occurrence 1
    "click 1068\nclick 1016\n"                                       // 5: 2
    "click 1068\ntype 1192 \"gelb \"\nclick 1016\n"                  // 6: 2
    "click 1068\nclick 1070\nclick 1016\n"                           // 7: 3
    "click 1067\nclick 1016\n"                                       // 8: 1
    "click 1068\nclick 1016\n"                                       // 9: 2
    "click 1067\nclick 1016\n"                                       // 10: 1
    "type 1192 \"AMI\"\ntype 1092 \"08/15/2003\\n\"\nclick 1016\n"   // 11
    "click 1068\nclick 1069\ntype 1092 \"E3 C1\"\nclick 1016\n"      // 12: 2, bit 20 clear
    "click 1070\ntype 1092 \"Bluescreen\"\nclick 1016\n"             // 13: 2
    "click 1067\ntype 1192 \"-..\"\nclick 1016\n"                    // 14: 1
    "click 1071\ntype 1092 \"NO ROM BASIC\"\nclick 1016\n"           // 15: 3
    "type 1092 \"Rechner piept\\nund bleibt stehen\"\nclick 1016\n"; // 16
// Bits: occurrence 1 <<2, ATX 2 <<5, LEDs 2 <<7, clock 3 <<9, reset 1 <<12, error 2 <<14,
// activity 1 <<16, code 2 <<18, OS 2 <<21, beep 1 <<23, abort 3 <<25.
constexpr std::uint32_t kAllAnswers = (1u << 2) | (2u << 5) | (2u << 7) | (3u << 9) | (1u << 12) |
                                      (2u << 14) | (1u << 16) | (2u << 18) | (2u << 21) | (1u << 23) |
                                      (3u << 25);

TEST(PostCardDlg, WholeSequenceStoresEveryAnswerTrimmed) {
    struct Case {
        int version;
        std::string script;
        std::uint32_t card;
        std::string name;
    };
    const std::vector<Case> cases = {
        {9, kAllNodes, 1, "Lumicard PCI"},
        {10, kAllNodes, 2, "Lumicard PCI plus\n                (Quorix*Board)"},
        {11, kCardName + kAllNodes, 3, "Acme POST-Tester"},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(c.version, 0);
        CPostCardDlg page(&r);
        const auto result = test::RunPage(page, c.script);
        EXPECT_EQ(result.log, "page CPostCardDlg\n") << c.version;
        EXPECT_FALSE(page.IsOpen());
        EXPECT_EQ(r.m_nPostNode, 16);
        EXPECT_EQ(r.m_bBack, 0);
        EXPECT_EQ(r.m_dwPostAnswers, kAllAnswers | c.card) << c.version;
        EXPECT_EQ(r.m_strOtherCard, c.name);
        EXPECT_EQ(r.m_strPostSlot, "AGP");
        EXPECT_EQ(r.m_strPostDarkLeds, "gelb");
        EXPECT_EQ(r.m_strPostBios, "AMI");
        EXPECT_EQ(r.m_strPostBiosDate, "08/15/2003");
        EXPECT_EQ(r.m_strPostCodes, "E3 C1");
        EXPECT_EQ(r.m_strPostOsSymptoms, "Bluescreen");
        EXPECT_EQ(r.m_strPostBeepCode, "-..");
        EXPECT_EQ(r.m_strPostBootMessage, "NO ROM BASIC");
        EXPECT_EQ(r.m_strPostProblem, "Rechner piept\r\nund bleibt stehen");
        EXPECT_EQ(r.m_rcWindow.left, 30);
    }
}

TEST(PostCardDlg, StoredTextOfAWholeRun) {
    ReportRecord r = Prepared(10, 0);
    CPostCardDlg page(&r);
    test::RunPage(page, kAllNodes);
    const std::string M(8, ' '), I(16, ' ');
    const std::string expected =
        M + "Verwendete Karte:\r\n" + I + "Lumicard PCI plus\r\n" + I + "(Quorix*Board)\r\n\r\n" + M +
        "Auftreten des Problems:\r\n" + I + "Nur in bestimmtem Steckplatz:\r\n" + I + "--> AGP\r\n\r\n" + M +
        "Betriebsspannungen:\r\n" + I + "ATX Voltage V. leuchtet nicht\r\n" + I +
        "Folgende LEDs leuchten nicht:\r\n" + I + "--> gelb\r\n\r\n" + M + "Bustakt:\r\n" + I +
        "Nur PCI Clock \"Low\" leuchtet\r\n\r\n" + M + "Reset Line:\r\n" + I +
        "LED blinkt nur kurz auf\r\n\r\n" + M + "PCI-Error:\r\n" + I + "LED leuchtet ständig\r\n\r\n" + M +
        "PCI-Activity:\r\n" + I + "LED leuchtet ständig\r\n\r\n" + M + "BIOS-Hersteller / Ausgabedatum:\r\n" +
        I + "--> AMI\r\n" + I + "--> 08/15/2003\r\n\r\n" + M + "POST-Code:\r\n" + I +
        "Andere Codes sind zu sehen\r\n" + I + "--> E3 C1\r\n\r\n" + M + "Start des Betriebssystems:\r\n" +
        I + "Es gibt Probleme\r\n" + I + "--> Bluescreen\r\n\r\n" + M + "Beep-Code:\r\n" + I +
        "Es ist ein Beep-Code zu hören\r\n" + I + "--> -..\r\n\r\n" + M + "PC bricht booten ab:\r\n" + I +
        "Ja, mit folgender Meldung:\r\n" + I + "--> NO ROM BASIC\r\n\r\n" + M + "Problembeschreibung:\r\n" +
        I + "--> Rechner piept\r\nund bleibt stehen\r\n";
    EXPECT_EQ(r.m_strPostCardText, expected);
}

TEST(PostCardDlg, NodeSequenceForwardAndBack) {
    struct Case {
        int version;
        int startNode; // m_nPostNode when the page is shown
        std::string script;
        int node;  // m_nPostNode afterwards
        bool open; // the page is still shown
        int back;  // m_bBack
    };
    const std::vector<Case> cases = {
        {9, 0, "", 4, true, 0},
        {10, 0, "", 4, true, 0},
        {11, 0, "", 3, true, 0},
        {11, 0, "type 1192 \"Acme\"\nclick 1016\n", 4, true, 0},
        {9, 0, "click 1015\n", 1, false, 1},
        {10, 0, "click 1015\n", 1, false, 1},
        {11, 0, "click 1015\n", 1, false, 1},
        {11, 4, "click 1015\n", 3, true, 0},
        {11, 4, "click 1015\nclick 1015\n", 1, false, 1},
        {9, 5, "click 1015\n", 4, true, 0},
        {9, 5, "click 1015\nclick 1015\n", 1, false, 1},
        {9, 16, "click 1015\nclick 1015\nclick 1015\n", 13, true, 0},
        {11, 1, "", 3, true, 0},
        {9, 1, "", 4, true, 0},
        {9, 0, "click 1068\nclick 1016\nclick 1067\nclick 1016\n", 6, true, 0},
        {9, 0, kAllNodes, 16, false, 0},
        {11, 0, kCardName + kAllNodes, 16, false, 0},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(c.version, c.startNode);
        CPostCardDlg page(&r);
        test::RunPage(page, c.script);
        const std::string where =
            std::to_string(c.version) + " from " + std::to_string(c.startNode) + ": " + c.script;
        EXPECT_EQ(r.m_nPostNode, c.node) << where;
        EXPECT_EQ(page.IsOpen(), c.open) << where;
        EXPECT_EQ(r.m_bBack, c.back) << where;
    }
}

TEST(PostCardDlg, BackKeepsWhatIsOnTheNodeEvenIfIncomplete) {
    struct Case {
        int node;
        std::string script; // ends with Back
        std::uint32_t answers;
        PostText text;
        std::string value;
    };
    const std::vector<Case> cases = {
        {6, "click 1068\nclick 1015\n", 2u << 7, &R::m_strPostDarkLeds, ""},
        {4, "click 1067\nclick 1070\ntype 1092 \" ISA \"\nclick 1015\n", 2u << 2, &R::m_strPostSlot, "ISA"},
        {11, "type 1192 \" AMI\"\nclick 1015\n", 0, &R::m_strPostBios, "AMI"},
        {16, "type 1092 \"halb\"\nclick 1015\n", 0, &R::m_strPostProblem, "halb"},
        {12, "click 1068\nclick 1015\n", 2u << 18, &R::m_strPostCodes, ""},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(11, c.node);
        SetPostField(r.m_dwPostAnswers, PostField::CardKind, 3);
        CPostCardDlg page(&r);
        test::RunPage(page, c.script);
        EXPECT_EQ(r.m_nPostNode, c.node - 1) << c.script;
        EXPECT_EQ(r.m_dwPostAnswers, c.answers | 3u) << c.script;
        EXPECT_EQ(r.*c.text, c.value) << c.script;
    }
}

TEST(PostCardDlg, ReturnFromTheFollowingPageAndANewRun) {
    // Finish, then come back as after Back on the hardware page: node 16 with the description
    // and the box again shortened with node 16 marked.
    ReportRecord r = Prepared(11, 0);
    {
        CPostCardDlg page(&r);
        test::RunPage(page, kCardName + kAllNodes);
    }
    const std::string stored = r.m_strPostCardText;
    {
        CPostCardDlg page(&r);
        test::RunPage(page, "");
        EXPECT_EQ(r.m_nPostNode, 16);
        EXPECT_EQ(page.GetItemText(1092), "Rechner piept\r\nund bleibt stehen");
        const std::string box = page.GetItemText(1197);
        EXPECT_NE(box.find("|==> Problembeschreibung:\r\n                --> Rechner piept un\r\n"),
                  std::string::npos)
            << box;
        EXPECT_EQ(r.m_strPostCardText, stored);
    }
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

TEST(PostCardDlg, AFieldNeverTakesTheTextOfAnotherNode) {
    // The multi-line field is shared by the nodes. On the POST code node it stays hidden for
    // "yes, directly"; what it holds then must be the stored codes, not the BIOS date typed
    // on the node before.
    ReportRecord r = Prepared(9, 11);
    r.m_strPostCodes = "E3";
    CPostCardDlg page(&r);
    test::RunPage(page,
                  "type 1192 \"AMI\"\ntype 1092 \"2001\"\nclick 1016\nclick 1067\nclick 1069\nclick 1016\n");
    EXPECT_EQ(r.m_nPostNode, 13);
    EXPECT_EQ(r.m_strPostBiosDate, "2001");
    EXPECT_EQ(r.m_strPostCodes, "E3");
}

TEST(PostCardDlg, OwnModelNameIsNotOfferedAsAnotherMakersCard) {
    // Back to the version page from a "plus" run and on with another maker's card: the name
    // field starts empty instead of holding the two-line name of the own model.
    struct Case {
        std::uint32_t kind;
        std::string name;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {2, "Lumicard PCI plus\n                (Quorix*Board)", ""},
        {1, "Lumicard PCI", ""},
        {3, "Acme", "Acme"},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(11, 1);
        SetPostField(r.m_dwPostAnswers, PostField::CardKind, c.kind);
        r.m_strOtherCard = c.name;
        CPostCardDlg page(&r);
        test::RunPage(page, "");
        EXPECT_EQ(r.m_nPostNode, 3);
        EXPECT_EQ(page.GetItemText(1192), c.shown) << c.kind;
        EXPECT_EQ(GetPostField(r.m_dwPostAnswers, PostField::CardKind), 3u);
    }
}

} // namespace
} // namespace mirel
