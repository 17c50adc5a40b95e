// The four question trees: their shape against the successor lists support works with, the
// texts every leaf shares, the two Vexometer texts, and a walk through the question page along
// every path of every tree with the stored text and the exception page choice at its end.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "pages/QuestionDlg.h"
#include "pages/QuestionTrees.h"
#include "tests/unit/PageTestSupport.h"

namespace mirel {
namespace {

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
    {"Windows",
     {6, 7, 8},
     WinTree,
     "0: 2 3; 2: 4 5 6 81; 3: 7 81 6; 4: 7 6 82; 5: 7 81 6; 6: 83 84; 7: 85 86"},
};

TEST(QuestionTrees, ShapeAndCommonTextsOfEveryTree) {
    for (const TreeCase& c : kTrees) {
        std::map<int, std::vector<int>> shape;
        std::istringstream entries(c.shape);
        for (std::string entry; std::getline(entries, entry, ';');) {
            std::istringstream in(entry);
            int node = 0;
            int next = 0;
            for (in >> node, in.ignore(1); in >> next;)
                shape[node].push_back(next);
        }
        std::set<int> ids;
        std::size_t inner = 0;
        for (const TreeNode& node : c.tree().nodes) {
            const std::string where = std::string(c.name) + " " + std::to_string(node.id);
            EXPECT_TRUE(ids.insert(node.id).second) << where << " twice";
            if (node.IsLeaf()) {
                EXPECT_EQ(node.OptionCount(), 0) << where;
                EXPECT_EQ(node.question, "") << where;
                EXPECT_EQ(node.lowerLabel, "Bitte tragen Sie hier die genaue Fehlerbeschreibung ein:")
                    << where;
                EXPECT_EQ(node.info, "Bitte schildern Sie den Fehler genau.") << where;
                EXPECT_NE(node.statement, "") << where;
                continue;
            }
            ++inner;
            std::vector<int> next;
            for (int k = 0; k < 4; ++k) { // options fill the buttons from the first one without gaps
                const TreeOption& o = node.options[static_cast<std::size_t>(k)];
                EXPECT_EQ(o.label.empty(), k >= node.OptionCount()) << where << " option " << k + 1;
                if (k < node.OptionCount())
                    next.push_back(o.next);
            }
            EXPECT_NE(node.question, "") << where;
            EXPECT_NE(node.lowerLabel, "") << where;
            EXPECT_EQ(node.statement.empty(), node.id == 0) << where;
            EXPECT_EQ(next, shape[node.id]) << where;
        }
        EXPECT_EQ(inner, shape.size()) << c.name;
    }
}

TEST(QuestionTrees, VexometerDiffersFromTheTestTreeInTwoTextsOnly) {
    auto describe = [](const TreeNode& n) {
        std::string s = std::to_string(n.id) + "|" + std::string(n.statement) + "|" +
                        std::string(n.question) + "|" + std::string(n.lowerLabel) + "|" +
                        std::string(n.info) + "|" + std::to_string(static_cast<int>(n.action));
        for (const TreeOption& o : n.options)
            s += "|" + std::string(o.label) + ">" + std::to_string(o.next);
        return s;
    };
    // Node, text in the test tree, text in the Vexometer tree.
    const std::map<int, std::pair<std::string, std::string>> renamed = {
        {3, {"|Quorix*Test wird beendet>", "|Vexomether wird beendet>"}},
        {86, {"|Quorix*Test wird von selbst beendet.|", "|Vexometer wird von selbst beendet.|"}},
    };
    ASSERT_EQ(TestTree().nodes.size(), VexometerTree().nodes.size());
    for (std::size_t i = 0; i < TestTree().nodes.size(); ++i) {
        std::string expected = describe(TestTree().nodes[i]);
        if (const auto it = renamed.find(TestTree().nodes[i].id); it != renamed.end()) {
            const std::size_t at = expected.find(it->second.first);
            ASSERT_NE(at, std::string::npos) << expected;
            expected.replace(at, it->second.first.size(), it->second.second);
        }
        EXPECT_EQ(describe(VexometerTree().nodes[i]), expected);
    }
}

// Every path from the root to a leaf as the node ids and the option (0..3) taken at each node.
void CollectPaths(const QuestionTree& tree, std::vector<int>& nodes, std::vector<int>& options,
                  std::vector<std::pair<std::vector<int>, std::vector<int>>>& out) {
    const TreeNode* node = tree.Find(nodes.back());
    if (node->IsLeaf())
        out.emplace_back(nodes, options);
    for (int k = 0; k < node->OptionCount(); ++k) {
        options.push_back(k);
        nodes.push_back(node->options[static_cast<std::size_t>(k)].next);
        CollectPaths(tree, nodes, options, out);
        nodes.pop_back();
        options.pop_back();
    }
}

TEST(QuestionTrees, EveryPathThroughThePage) {
    // Each path is walked once per start mode (the exception page depends on it for the test and
    // Vexometer trees), with the version indices of the tree taken in turn.
    std::size_t run = 0;
    for (const TreeCase& c : kTrees) {
        const QuestionTree& tree = c.tree();
        std::vector<std::pair<std::vector<int>, std::vector<int>>> paths;
        std::vector<int> nodes{0};
        std::vector<int> options;
        CollectPaths(tree, nodes, options, paths);
        std::set<int> reached;
        for (const auto& [path, chosen] : paths) {
            EXPECT_LE(path.size(), 10u) << c.name << ": the page keeps ten levels";
            std::string script;
            std::string text;
            std::string where = c.name;
            bool viaNode9 = false;
            for (std::size_t level = 0; level < path.size(); ++level) {
                const TreeNode& node = *tree.Find(path[level]);
                reached.insert(node.id);
                viaNode9 = viaNode9 || node.id == 9;
                where += " " + std::to_string(node.id);
                text += level > 0 ? std::string(node.statement) + "\n" : "";
                if (level < chosen.size())
                    script += "click " + std::to_string(1067 + chosen[level]) + "\nclick 1016\n";
            }
            for (int start : {-1, 0, 1}) {
                ReportRecord r = test::Prepared(c.versions[run++ % c.versions.size()]);
                r.m_nTestStartDos = start;
                CQuestionDlg page(&r);
                const auto result = test::RunPage(page, script + "type 1202 \"Fehler\"\nclick 1016\n");
                EXPECT_EQ(result.log, "page CQuestionDlg\n") << where;
                EXPECT_EQ(r.m_strQuestionText, text + "\nFehlerbeschreibung:\n\tFehler\n\n") << where;
                EXPECT_EQ(r.m_nExceptionPage, viaNode9 ? (start == 1 ? 2 : 1) : 0)
                    << where << " start " << start;
            }
        }
        EXPECT_EQ(reached.size(), tree.nodes.size()) << c.name << ": a node no path reaches";
    }
}

TEST(QuestionTrees, LeavingNode9UpwardsDropsTheExceptionPage) {
    // Options taken (1..4) or B for Back, on the test tree after a start under DOS.
    const std::vector<std::pair<std::string, int>> cases = {
        {"1 1 1 B 2", 0},   // node 9 at level 3, back to node 5
        {"2 4 B 1 2 1", 0}, // node 9 at level 2, back to node 3, on through node 5 to a leaf
        {"3 2 1 B 1 1", 2}, // node 9 left and reached again from node 5
    };
    for (const auto& [steps, exceptionPage] : cases) {
        std::istringstream in(steps);
        std::string script;
        for (std::string step; in >> step;)
            script += step == "B" ? "click 1015\n"
                                  : "click " + std::to_string(1066 + std::stoi(step)) + "\nclick 1016\n";
        ReportRecord r = test::Prepared(1);
        r.m_nTestStartDos = 1;
        CQuestionDlg page(&r);
        EXPECT_EQ(test::RunPage(page, script + "type 1202 \"Fehler\"\nclick 1016\n").log,
                  "page CQuestionDlg\n")
            << steps;
        EXPECT_EQ(r.m_nExceptionPage, exceptionPage) << steps;
    }
}

} // namespace
} // namespace mirel
