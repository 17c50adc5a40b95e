// The question page driven through user actions: remarks in history and edit, Back through the
// levels, the stored text and the return to the stored leaf; the shape of the four trees and a
// walk along every path of each.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "pages/QuestionDlg.h"
#include "pages/QuestionTrees.h"
#include "platform/Text.h"
#include "tests/unit/PageTestSupport.h"

namespace mirel {
namespace {

using scenario::Quote;

test::ScriptResult RunQuestion(ReportRecord& r, const std::string& script) {
    CQuestionDlg page(&r);
    return test::RunPage(page, script);
}

// Expected "show" line of an edit or of a radio button; `state` is its last field.
std::string Shown(int id, const std::string& text, const char* state = "readonly=0") {
    return "control " + std::to_string(id) + " text=" + Quote(text) + " visible=1 enabled=1 " + state + "\n";
}

const std::string kNode3 = "Das Problem tritt auf, nachdem das Logo sichtbar ist.";

TEST(QuestionDlg, RemarksInHistoryAndBackRestoresThemLevelByLevel) {
    struct Case {
        std::string typed, stored; // remark typed at the root, note of level 0
        std::string history, edit; // history box at node 3, the edit when the root is shown again
    };
    const std::vector<Case> cases = {
        {"\n\n abc", "abc", kNode3 + "\r\n\tAnmerkung: abc\r\n", "abc"},
        {"eins\n\nzwei\n\n\ndrei", "eins\r\n\tzwei\r\n\tdrei",
         kNode3 + "\r\n\tAnmerkung: eins\r\n\tzwei\r\n\tdrei\r\n", "eins\r\nzwei\r\ndrei"},
        {"a\tb\n\t\nc", "ab\r\n\tc", kNode3 + "\r\n\tAnmerkung: ab\r\n\tc\r\n", "ab\r\nc"},
        {"   ", "", kNode3 + "\r\n", ""},
    };
    for (const Case& c : cases) {
        // A refused Next keeps the remark; down to node 10, back to the root, on to node 4.
        ReportRecord r = test::Prepared(0);
        const test::ScriptResult result = RunQuestion(
            r, "type 1202 " + Quote(c.typed) + "\nclick 1016\nclick 1068\nclick 1016\nshow 1199\n" +
                   "type 1202 \"r1\"\nclick 1067\nclick 1016\nclick 1015\nshow 1067\nshow 1202\n"
                   "click 1015\nshow 1068\nshow 1202\nclick 1069\nclick 1016\nshow 1202\n");
        EXPECT_EQ(result.log, "page CQuestionDlg\n" + Shown(1199, c.history, "readonly=1") +
                                  Shown(1067, "Ja", "checked=1") + Shown(1202, "r1") +
                                  Shown(1068, "Nachdem das Logo erschienen ist", "checked=1") +
                                  Shown(1202, c.edit) + Shown(1202, "") + "end\n")
            << Quote(c.typed);
        EXPECT_EQ(r.m_aSteps[0].m_strNote, c.stored) << Quote(c.typed);
    }
}

TEST(QuestionDlg, LongPathIsStoredWholeAndShownAgainFromALaterPage) {
    // Five levels with long remarks give a history far beyond 1000 characters; multi-line texts.
    const std::vector<int> options = {1068, 1067, 1067, 1067, 1068}; // 0 -> 3 -> 10 -> 5 -> 9 -> 85
    std::string script;
    std::vector<std::string> remarks;
    for (std::size_t i = 0; i < options.size(); ++i) {
        remarks.push_back(std::string(i == 4 ? 150 : 199, static_cast<char>('a' + i)) + "!");
        script += "type 1202 \"" + remarks.back() + (i == 4 ? "\\n\\nzwei" : "") + "\"\nclick " +
                  std::to_string(options[i]) + "\nclick 1016\n";
    }
    remarks.back() += "\n\tzwei";
    ReportRecord r = test::Prepared(0);
    // An empty description is refused, with the focus on it.
    CQuestionDlg leaf(&r);
    EXPECT_TRUE(test::RunPage(leaf, script + "focus 1016\ntype 1202 \"\"\nclick 1016\nanswer ok\n")
                    .log.ends_with(" ok question -> ok\nend\n"));
    EXPECT_EQ(leaf.GetFocusItem(), 1202);
    RunQuestion(r, script + "type 1202 \"Ende\\n\\nZeile 3\"\nclick 1016\n");
    const std::string text = r.m_strQuestionText;
    const std::string description = "\nFehlerbeschreibung:\n\tEnde\n\t\n\tZeile 3\n\n";
    ASSERT_GT(text.size(), 1000 + description.size());
    EXPECT_EQ(text.substr(text.size() - description.size()), description);
    for (const std::string& remark : remarks)
        EXPECT_NE(text.find("\tAnmerkung: " + remark + "\n"), std::string::npos);

    // Back on the following page: the leaf as it was left; Next stores the same text.
    r.m_bBack = 1;
    EXPECT_EQ(RunQuestion(r, "show 1194\nshow 1202\nshow 1199\nclick 1016\n").log,
              "page CQuestionDlg\ncontrol 1194 text=\"\" visible=0 enabled=1\n" +
                  Shown(1202, "Ende\r\n\r\nZeile 3") +
                  Shown(1199, LfToCrLf(text.substr(0, text.size() - description.size())), "readonly=1"));
    EXPECT_EQ(r.m_bBack, 0);
    EXPECT_EQ(r.m_strQuestionText, text);
}

// Successors of every inner node, as support lists them: "node: next next ...; ...".
const char* const kTestShape = "0: 2 3 4; 2: 5 6; 3: 10 11 86 9; 4: 5 5 7; 5: 9 87 81; 6: 12 8; 7: 84 85; "
                               "8: 82 83; 9: 84 85; 10: 5 13; 11: 5 13; 12: 84 85; 13: 84 85";
struct TreeCase {
    const char* name;
    std::vector<int> versions; // the version indices that show this tree
    const QuestionTree& (*tree)();
    const char* shape;
};
const std::vector<TreeCase> kTrees = {
    {"test", {0, 1, 2, 3}, TestTree, kTestShape},
    {"Vexometer", {12, 13}, VexometerTree, kTestShape},
    {"info", {4, 5}, InfoTree, "0: 2 3; 2: 4 6 5; 3: 4 6 89; 4: 81 82 83; 5: 7 84; 6: 85 86; 7: 87 88"},
    {"win", {6, 7, 8}, WinTree, "0: 2 3; 2: 4 5 6 81; 3: 7 81 6; 4: 7 6 82; 5: 7 81 6; 6: 83 84; 7: 85 86"},
};

// Walks every path below node `id` (reached by `script`, with the statements `text`) and runs the
// page to each leaf once per start mode, on which the exception page depends.
void Walk(const TreeCase& c, int id, std::size_t depth, const std::string& script, std::string text,
          bool viaNode9, std::set<int>& reached, std::size_t& run) {
    const TreeNode& node = *c.tree().Find(id);
    reached.insert(id);
    text += id == 0 ? "" : std::string(node.statement) + "\n";
    viaNode9 = viaNode9 || id == 9;
    for (int k = 0; k < node.OptionCount(); ++k)
        Walk(c, node.options[static_cast<std::size_t>(k)].next, depth + 1,
             script + "click " + std::to_string(1067 + k) + "\nclick 1016\n", text, viaNode9, reached, run);
    if (!node.IsLeaf())
        return;
    EXPECT_LE(depth, 9u) << c.name << ": the page keeps ten levels";
    for (int start : {-1, 0, 1}) {
        ReportRecord r = test::Prepared(c.versions[run++ % c.versions.size()]);
        r.m_nTestStartDos = start;
        CQuestionDlg page(&r);
        const auto result = test::RunPage(page, script + "type 1202 \"Fehler\"\nclick 1016\n");
        EXPECT_EQ(result.log, "page CQuestionDlg\n") << c.name << " " << text;
        EXPECT_EQ(r.m_strQuestionText, text + "\nFehlerbeschreibung:\n\tFehler\n\n") << c.name;
        EXPECT_EQ(r.m_nExceptionPage, viaNode9 ? (start == 1 ? 2 : 1) : 0) << c.name << " " << text << start;
    }
}

TEST(QuestionTrees, ShapeAndEveryPathThroughThePage) {
    std::size_t run = 0;
    for (const TreeCase& c : kTrees) {
        std::map<int, std::string> successors; // of the inner nodes, by id
        for (const TreeNode& node : c.tree().nodes)
            for (int k = 0; k < node.OptionCount(); ++k)
                successors[node.id] += " " + std::to_string(node.options[static_cast<std::size_t>(k)].next);
        std::string shape;
        for (const auto& [id, next] : successors)
            shape += (shape.empty() ? "" : "; ") + std::to_string(id) + ":" + next;
        EXPECT_EQ(shape, c.shape) << c.name;
        std::set<int> reached;
        Walk(c, 0, 0, "", "", false, reached, run);
        EXPECT_EQ(reached.size(), c.tree().nodes.size()) << c.name << ": a node no path reaches";
    }
}

} // namespace
} // namespace mirel
