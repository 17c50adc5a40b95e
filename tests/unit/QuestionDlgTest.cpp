// The question page engine on the headless host, driven through user actions: entry, the hint,
// remarks in history and edit, Back through the levels and out of the page, re-entry at the
// stored leaf, the refused empty description and the stored text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/QuestionDlg.h"
#include "platform/Text.h"
#include "tests/unit/Harness.h"
#include "tools/mirel-scenario/Script.h"

namespace mirel {
namespace {

using scenario::Quote;

ReportRecord TestRecord(int version = 0) {
    ReportRecord r;
    ResetForRun(r);
    r.m_strTitle = "Varenta Support Bericht - Version 1.22+";
    r.m_rcWindow = {40, 30, 41, 31};
    r.m_nVersion = version;
    return r;
}

test::ScriptResult RunQuestion(ReportRecord& r, const std::string& script) {
    CQuestionDlg page(&r);
    return test::RunPage(page, script);
}

// Expected "show" lines.
std::string Edit(int id, const std::string& text, bool readOnly = false) {
    return "control " + std::to_string(id) + " text=" + Quote(text) +
           " visible=1 enabled=1 readonly=" + (readOnly ? "1" : "0") + "\n";
}
std::string Label(int id, const std::string& text, bool visible = true) {
    return "control " + std::to_string(id) + " text=" + Quote(text) + " visible=" + (visible ? "1" : "0") +
           " enabled=1\n";
}
std::string Option(int id, const std::string& text, bool visible, bool checked) {
    return "control " + std::to_string(id) + " text=" + Quote(text) + " visible=" + (visible ? "1" : "0") +
           " enabled=1 checked=" + (checked ? "1" : "0") + "\n";
}

// Root: option 2 ("Nachdem das Logo erschienen ist") leads to node 3, whose option 4 leads to
// node 9 and option 1 to node 10.
const std::string kRootQuestion = "Zu welchem Zeitpunkt tritt das Problem auf?";
const std::string kRootInfo = "Bitte schränken Sie den Zeitpunkt ein, an dem das Problem auftritt.";
const std::string kNode3 = "Das Problem tritt auf, nachdem das Logo sichtbar ist.";
const std::string kNode9 = "Eine Exception tritt auf.";
const std::string kNode10 = "Das Hauptmenü ist bereits sichtbar.";

TEST(QuestionDlg, ForwardEntryStartsAnEmptyPathAtTheRoot) {
    // A path left over from an earlier pass is dropped when the page is entered forward.
    ReportRecord r = TestRecord();
    for (QuestionStep& s : r.m_aSteps)
        s = QuestionStep{1, 3, "alt", "alte Anmerkung"};
    const test::ScriptResult result = RunQuestion(r, "show 1194\nshow 1067\nshow 1068\nshow 1069\nshow 1070\n"
                                                     "show 1193\nshow 1202\nshow 1199\nshow 1171\n");
    EXPECT_EQ(result.log, "page CQuestionDlg\n" + Label(1194, kRootQuestion) +
                              Option(1067, "Bevor das Logo erscheint", true, false) +
                              Option(1068, "Nachdem das Logo erschienen ist", true, false) +
                              Option(1069, "Während eines Test", true, false) +
                              Option(1070, "", false, false) + Label(1193, "Anmerkung: ") + Edit(1202, "") +
                              Edit(1199, "", true) + Edit(1171, kRootInfo) + "end\n");
    for (std::size_t i = 0; i < r.m_aSteps.size(); ++i) {
        EXPECT_EQ(r.m_aSteps[i].m_nChoice, -1) << i;
        EXPECT_EQ(r.m_aSteps[i].m_strNote, "") << i;
    }
}

TEST(QuestionDlg, NextWithoutAnOptionShowsTheHintAndStays) {
    ReportRecord r = TestRecord();
    const test::ScriptResult result = RunQuestion(
        r, "type 1202 \"abc\"\nclick 1016\nshow 1171\nshow 1194\nshow 1202\nclick 1068\nclick 1016\n"
           "show 1171\nshow 1194\n");
    EXPECT_EQ(result.log, "page CQuestionDlg\n" +
                              Edit(1171, "HINWEIS:\r\nBitte wählen Sie einen Punkt aus!") +
                              Label(1194, kRootQuestion) + Edit(1202, "abc") +
                              Edit(1171, "Wurde das Hauptmenü geladen?") +
                              Label(1194, "Ist das Hauptmenü schon zu sehen?") + "end\n");
    EXPECT_EQ(r.m_aSteps[0].m_nChoice, 1);
    EXPECT_EQ(r.m_aSteps[0].m_strNote, "abc");
    EXPECT_EQ(r.m_aSteps[1].m_nNode, 3);
}

TEST(QuestionDlg, RemarksInHistoryAndWhenShownAgain) {
    struct Case {
        std::string typed;   // remark typed at the root
        std::string stored;  // note of level 0 after the history was built
        std::string history; // history box at node 3
        std::string edit;    // the edit when the root is shown again
    };
    const std::vector<Case> cases = {
        {"  abc", "abc", kNode3 + "\r\n\tAnmerkung: abc\r\n", "abc"},
        {"\n\n abc", "abc", kNode3 + "\r\n\tAnmerkung: abc\r\n", "abc"},
        {"eins\n\nzwei\n\n\ndrei", "eins\r\n\tzwei\r\n\tdrei",
         kNode3 + "\r\n\tAnmerkung: eins\r\n\tzwei\r\n\tdrei\r\n", "eins\r\nzwei\r\ndrei"},
        {"a\tb\n\t\nc", "ab\r\n\tc", kNode3 + "\r\n\tAnmerkung: ab\r\n\tc\r\n", "ab\r\nc"},
        {"   ", "", kNode3 + "\r\n", ""},
        {"", "", kNode3 + "\r\n", ""},
    };
    for (const Case& c : cases) {
        ReportRecord r = TestRecord();
        const test::ScriptResult result = RunQuestion(
            r, "type 1202 " + Quote(c.typed) + "\nclick 1068\nclick 1016\nshow 1199\nshow 1202\n");
        EXPECT_EQ(result.log, "page CQuestionDlg\n" + Edit(1199, c.history, true) + Edit(1202, "") + "end\n")
            << Quote(c.typed);
        EXPECT_EQ(r.m_aSteps[0].m_strNote, c.stored) << Quote(c.typed);

        const test::ScriptResult back =
            RunQuestion(r, "type 1202 " + Quote(c.typed) +
                               "\nclick 1068\nclick 1016\nclick 1015\nshow 1202\nshow 1068\n");
        EXPECT_EQ(back.log, "page CQuestionDlg\n" + Edit(1202, c.edit) +
                                Option(1068, "Nachdem das Logo erschienen ist", true, true) + "end\n")
            << Quote(c.typed);
    }
}

TEST(QuestionDlg, BackRestoresChoiceAndRemarkLevelByLevel) {
    ReportRecord r = TestRecord();
    const std::string down = "type 1202 \"r0\"\nclick 1068\nclick 1016\n"  // root -> node 3
                             "type 1202 \"r1\"\nclick 1067\nclick 1016\n"; // node 3 -> node 10
    const test::ScriptResult result =
        RunQuestion(r, down + "show 1194\nclick 1015\nshow 1194\nshow 1067\nshow 1070\nshow 1202\nshow 1199\n"
                              "click 1015\nshow 1068\nshow 1202\nshow 1199\n"
                              // another branch from the root: node 4, with an empty remark edit
                              "click 1069\nclick 1016\nshow 1194\nshow 1202\nshow 1199\n");
    EXPECT_EQ(result.log,
              "page CQuestionDlg\n" + Label(1194, "Erscheint eine Fehlermeldung?") +
                  Label(1194, "Ist das Hauptmenü schon zu sehen?") + Option(1067, "Ja", true, true) +
                  Option(1070, "Es tritt sofort eine Exception auf", true, false) + Edit(1202, "r1") +
                  Edit(1199, kNode3 + "\r\n\tAnmerkung: r0\r\n", true) +
                  Option(1068, "Nachdem das Logo erschienen ist", true, true) + Edit(1202, "r0") +
                  Edit(1199, "", true) + Label(1194, "Wann kommt es zum Fehler?") + Edit(1202, "") +
                  Edit(1199, "Das Problem tritt bei einem Tests auf.\r\n\tAnmerkung: r0\r\n", true) +
                  "end\n");
    EXPECT_EQ(r.m_aSteps[0].m_nChoice, 2);
    EXPECT_EQ(r.m_aSteps[1].m_nNode, 4);
    EXPECT_EQ(r.m_aSteps[1].m_nChoice, -1);
}

TEST(QuestionDlg, BackAtTheRootLeavesThePageAndAForwardEntryStartsAnew) {
    ReportRecord r = TestRecord();
    const test::ScriptResult result =
        RunQuestion(r, "type 1202 \"r0\"\nclick 1068\nclick 1016\nclick 1015\nclick 1015\n");
    EXPECT_EQ(result.log, "page CQuestionDlg\n");
    EXPECT_EQ(r.m_bBack, 1);
    EXPECT_EQ(r.m_rcWindow, (Rect{40, 30, 40 + DluToPxX(358), 30 + DluToPxY(280)}));
    EXPECT_EQ(r.m_aSteps[0].m_nChoice, -1);
    EXPECT_EQ(r.m_aSteps[0].m_strNote, "");

    r.m_bBack = 0; // the driver clears it before the start page
    const test::ScriptResult again = RunQuestion(r, "show 1067\nshow 1068\nshow 1202\nshow 1199\n");
    EXPECT_EQ(again.log, "page CQuestionDlg\n" + Option(1067, "Bevor das Logo erscheint", true, false) +
                             Option(1068, "Nachdem das Logo erschienen ist", true, false) + Edit(1202, "") +
                             Edit(1199, "", true) + "end\n");
}

TEST(QuestionDlg, MultiLineDescriptionAndRemarksStandIndented) {
    ReportRecord r = TestRecord(0);
    RunQuestion(r, "click 1068\nclick 1016\n"                                  // node 3
                   "type 1202 \"erste\\n\\nzweite\"\nclick 1067\nclick 1016\n" // node 10
                   "click 1068\nclick 1016\n"                                  // node 13
                   "click 1067\nclick 1016\n"                                  // leaf 84
                   "type 1202 \"Zeile 1\\nZeile 2\\n\\nZeile 4\"\nclick 1016\n");
    EXPECT_EQ(r.m_strQuestionText, kNode3 + "\n" + kNode10 +
                                       "\n"
                                       "\tAnmerkung: erste\n\tzweite\n"
                                       "Es erscheint keine Fehlermeldung.\n"
                                       "Es ist ein Weiterbetrieb möglich.\n"
                                       "\n"
                                       "Fehlerbeschreibung:\n"
                                       "\tZeile 1\n\tZeile 2\n\t\n\tZeile 4\n"
                                       "\n");
    EXPECT_EQ(r.m_aSteps[4].m_strNote, "Zeile 1\r\nZeile 2\r\n\r\nZeile 4");
}

TEST(QuestionDlg, LeafRefusesAnEmptyDescriptionOnly) {
    struct Case {
        std::string description;
        bool refused;
    };
    const std::vector<Case> cases = {{"", true}, {" ", false}, {"\n", false}, {"Absturz", false}};
    for (const Case& c : cases) {
        ReportRecord r = TestRecord(0);
        CQuestionDlg page(&r);
        const test::ScriptResult result = test::RunPage(
            page, "click 1068\nclick 1016\nclick 1069\nclick 1016\nfocus 1016\n"
                  "type 1202 " +
                      Quote(c.description) + "\nclick 1016\n" + (c.refused ? "answer ok\nshow 1202\n" : ""));
        if (c.refused) {
            EXPECT_EQ(result.log,
                      "page CQuestionDlg\nbeep question\n"
                      "message \"Fehlerbeschreibung eintragen\" \"Bitte tragen Sie eine genaue "
                      "Fehlerbeschreibung ein. Nur so kann Ihr Problem schnell gelöst werden.\" ok "
                      "question -> ok\n" +
                          Edit(1202, "") + "end\n");
            EXPECT_EQ(page.GetFocusItem(), 1202);
            EXPECT_EQ(r.m_strQuestionText, "");
        } else {
            EXPECT_EQ(result.log, "page CQuestionDlg\n") << Quote(c.description);
            EXPECT_NE(
                r.m_strQuestionText.find("Quorix*Test wird von selbst beendet.\n\nFehlerbeschreibung:\n\t"),
                std::string::npos)
                << Quote(c.description);
        }
    }
}

TEST(QuestionDlg, BackFromALaterPageShowsTheSameLeafAgain) {
    ReportRecord r = TestRecord(0);
    RunQuestion(r,
                "type 1202 \"abc\"\nclick 1068\nclick 1016\nclick 1070\nclick 1016\nclick 1068\nclick 1016\n"
                "type 1202 \"xyz\"\nclick 1016\n");
    const std::string stored = r.m_strQuestionText;
    ASSERT_FALSE(stored.empty());

    r.m_bBack = 1; // the hardware page (or an exception page) was left with Back
    const test::ScriptResult again =
        RunQuestion(r, "show 1194\nshow 1067\nshow 1193\nshow 1202\nshow 1199\nshow 1171\nclick 1016\n");
    EXPECT_EQ(again.log, "page CQuestionDlg\n" + Label(1194, "", false) +
                             Option(1067, "opt_1", false, false) +
                             Label(1193, "Bitte tragen Sie hier die genaue Fehlerbeschreibung ein:") +
                             Edit(1202, "xyz") +
                             Edit(1199,
                                  kNode3 + "\r\n\tAnmerkung: abc\r\n" + kNode9 +
                                      "\r\nEs ist kein ein Weiterbetrieb möglich.\r\n",
                                  true) +
                             Edit(1171, "Bitte schildern Sie den Fehler genau."));
    EXPECT_EQ(r.m_bBack, 0);
    EXPECT_EQ(r.m_strQuestionText, stored);

    // Back at the leaf climbs up: node 9 with its choice, then node 3, which clears the exception
    // page again.
    r.m_bBack = 1;
    const test::ScriptResult up = RunQuestion(r, "click 1015\nshow 1068\nclick 1015\nshow 1070\n");
    EXPECT_EQ(up.log, "page CQuestionDlg\n" + Option(1068, "Nein", true, true) +
                          Option(1070, "Es tritt sofort eine Exception auf", true, true) + "end\n");
    EXPECT_EQ(r.m_nExceptionPage, 0);
}

TEST(QuestionDlg, ReentryWithoutAChoiceShowsTheRoot) {
    // Paths that hold no leaf to return to: nothing chosen, or every level chosen (a record
    // never set by this page).
    const std::vector<int> choices = {-1, 0};
    for (int choice : choices) {
        ReportRecord r = TestRecord(0);
        for (QuestionStep& s : r.m_aSteps)
            s = QuestionStep{choice, 0, "", "alt"};
        r.m_bBack = 1;
        const test::ScriptResult result = RunQuestion(r, "show 1194\nshow 1202\nshow 1199\n");
        EXPECT_EQ(result.log, "page CQuestionDlg\n" + Label(1194, kRootQuestion) + Edit(1202, "") +
                                  Edit(1199, "", true) + "end\n")
            << choice;
        EXPECT_EQ(r.m_bBack, 0);
        EXPECT_EQ(r.m_aSteps[0].m_strNote, "");
    }
}

TEST(QuestionDlg, LongPathHistoryIsShownAndStoredWhole) {
    // Five levels with remarks of 200 characters give a history far beyond 1000 characters.
    const std::vector<int> options = {1068, 1067, 1067, 1067, 1068}; // 0 -> 3 -> 10 -> 5 -> 9 -> 85
    std::string script;
    std::vector<std::string> remarks;
    for (std::size_t i = 0; i < options.size(); ++i) {
        remarks.push_back(std::string(199, static_cast<char>('a' + i)) + "!");
        script +=
            "type 1202 \"" + remarks.back() + "\"\nclick " + std::to_string(options[i]) + "\nclick 1016\n";
    }
    ReportRecord r = TestRecord(0);
    const std::string log = RunQuestion(r, script + "type 1202 \"Ende\"\nshow 1199\nclick 1016\n").log;
    const std::string& text = r.m_strQuestionText;
    // The history box as shown is the stored text without its description, with CR LF.
    const std::string description = "\nFehlerbeschreibung:\n\tEnde\n\n";
    ASSERT_GT(text.size(), 1000 + description.size());
    EXPECT_EQ(text.substr(text.size() - description.size()), description);
    EXPECT_NE(log.find(Edit(1199, LfToCrLf(text.substr(0, text.size() - description.size())), true)),
              std::string::npos);
    for (const std::string& remark : remarks)
        EXPECT_NE(text.find("\tAnmerkung: " + remark + "\n"), std::string::npos);
}

} // namespace
} // namespace mirel
