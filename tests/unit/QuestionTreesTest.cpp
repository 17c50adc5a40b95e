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
#include "tests/unit/Harness.h"

namespace mirel {
namespace {

struct TreeCase {
    const char* name;
    std::vector<int> versions; // the version indices that show this tree
    const QuestionTree& (*tree)();
    // Successors of every inner node, as support lists them: "node → next, next, ...; ...".
    const char* shape;
    std::vector<int> leaves;
    int deepestLevel; // level of the deepest leaf (root = 0)
};

// clang-format off
const std::vector<TreeCase> kTrees = {
    {"test", {0, 1, 2, 3}, TestTree,
     "0 → 2, 3, 4; 2 → 5, 6; 3 → 10, 11, 86, 9; 4 → 5, 5, 7; 5 → 9, 87, 81; 6 → 12, 8; 7 → 84, 85; "
     "8 → 82, 83; 9 → 84, 85; 10 → 5, 13; 11 → 5, 13; 12 → 84, 85; 13 → 84, 85",
     {81, 82, 83, 84, 85, 86, 87}, 5},
    {"Vexometer", {12, 13}, VexometerTree,
     "0 → 2, 3, 4; 2 → 5, 6; 3 → 10, 11, 86, 9; 4 → 5, 5, 7; 5 → 9, 87, 81; 6 → 12, 8; 7 → 84, 85; "
     "8 → 82, 83; 9 → 84, 85; 10 → 5, 13; 11 → 5, 13; 12 → 84, 85; 13 → 84, 85",
     {81, 82, 83, 84, 85, 86, 87}, 5},
    {"info", {4, 5}, InfoTree,
     "0 → 2, 3; 2 → 4, 6, 5; 3 → 4, 6, 89; 4 → 81, 82, 83; 5 → 7, 84; 6 → 85, 86; 7 → 87, 88",
     {81, 82, 83, 84, 85, 86, 87, 88, 89}, 4},
    {"Windows", {6, 7, 8}, WinTree,
     "0 → 2, 3; 2 → 4, 5, 6, 81; 3 → 7, 81, 6; 4 → 7, 6, 82; 5 → 7, 81, 6; 6 → 83, 84; 7 → 85, 86",
     {81, 82, 83, 84, 85, 86}, 4},
};
// clang-format on

std::map<int, std::vector<int>> ParseShape(const std::string& shape) {
    std::map<int, std::vector<int>> successors;
    std::istringstream entries(shape);
    std::string entry;
    while (std::getline(entries, entry, ';')) {
        const std::size_t arrow = entry.find("→");
        const int node = std::stoi(entry.substr(0, arrow));
        std::istringstream list(entry.substr(arrow + std::string("→").size()));
        std::string next;
        while (std::getline(list, next, ','))
            successors[node].push_back(std::stoi(next));
    }
    return successors;
}

std::vector<int> Successors(const TreeNode& node) {
    std::vector<int> next;
    for (int k = 0; k < node.OptionCount(); ++k)
        next.push_back(node.options[static_cast<std::size_t>(k)].next);
    return next;
}

int Deepest(const QuestionTree& tree, int id, int level) {
    const TreeNode* node = tree.Find(id);
    int deepest = level;
    for (int next : Successors(*node))
        deepest = std::max(deepest, Deepest(tree, next, level + 1));
    return deepest;
}

TEST(QuestionTrees, ShapeAndCommonTextsOfEveryTree) {
    for (const TreeCase& c : kTrees) {
        const QuestionTree& tree = c.tree();
        const std::map<int, std::vector<int>> shape = ParseShape(c.shape);
        std::set<int> inner, leaves, ids;
        for (const TreeNode& node : tree.nodes) {
            EXPECT_TRUE(ids.insert(node.id).second) << c.name << ": node " << node.id << " twice";
            (node.IsLeaf() ? leaves : inner).insert(node.id);
            if (node.IsLeaf()) {
                EXPECT_EQ(node.OptionCount(), 0) << c.name << " " << node.id;
                EXPECT_EQ(node.question, "") << c.name << " " << node.id;
                EXPECT_EQ(node.lowerLabel, "Bitte tragen Sie hier die genaue Fehlerbeschreibung ein:")
                    << c.name << " " << node.id;
                EXPECT_EQ(node.info, "Bitte schildern Sie den Fehler genau.") << c.name << " " << node.id;
                EXPECT_NE(node.statement, "") << c.name << " " << node.id;
                continue;
            }
            // Options fill the buttons from the first one without gaps.
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(node.options[static_cast<std::size_t>(k)].label.empty(), k >= node.OptionCount())
                    << c.name << " " << node.id << " option " << k + 1;
            EXPECT_NE(node.question, "") << c.name << " " << node.id;
            EXPECT_NE(node.lowerLabel, "") << c.name << " " << node.id;
            EXPECT_EQ(node.statement.empty(), node.id == 0) << c.name << " " << node.id;
            const auto it = shape.find(node.id);
            ASSERT_NE(it, shape.end()) << c.name << ": node " << node.id << " is not in the shape";
            EXPECT_EQ(Successors(node), it->second) << c.name << " " << node.id;
        }
        EXPECT_EQ(inner.size(), shape.size()) << c.name;
        EXPECT_EQ(std::vector<int>(leaves.begin(), leaves.end()), c.leaves) << c.name;
        EXPECT_EQ(Deepest(tree, 0, 0), c.deepestLevel) << c.name;
        EXPECT_LT(c.deepestLevel, 10) << c.name; // the path has ten levels
    }
}

TEST(QuestionTrees, VexometerDiffersFromTheTestTreeInTwoTextsOnly) {
    const QuestionTree& test = TestTree();
    const QuestionTree& vex = VexometerTree();
    ASSERT_EQ(test.nodes.size(), vex.nodes.size());
    std::vector<std::string> differences;
    for (std::size_t i = 0; i < test.nodes.size(); ++i) {
        const TreeNode& a = test.nodes[i];
        const TreeNode& b = vex.nodes[i];
        ASSERT_EQ(a.id, b.id);
        auto note = [&](const std::string& where, std::string_view x, std::string_view y) {
            if (x != y)
                differences.push_back(std::to_string(a.id) + " " + where + ": " + std::string(x) + " / " +
                                      std::string(y));
        };
        note("statement", a.statement, b.statement);
        note("question", a.question, b.question);
        note("lower label", a.lowerLabel, b.lowerLabel);
        note("info", a.info, b.info);
        for (std::size_t k = 0; k < 4; ++k) {
            note("option " + std::to_string(k + 1), a.options[k].label, b.options[k].label);
            EXPECT_EQ(a.options[k].next, b.options[k].next) << a.id;
        }
        EXPECT_EQ(a.action, b.action) << a.id;
    }
    EXPECT_EQ(differences,
              (std::vector<std::string>{
                  "3 option 3: Quorix*Test wird beendet / Vexomether wird beendet",
                  "86 statement: Quorix*Test wird von selbst beendet. / Vexometer wird von selbst beendet.",
              }));
}

// Every path from the root to a leaf: the node ids and the option (0..3) taken at each node.
struct Path {
    std::vector<int> nodes;
    std::vector<int> options;
};

void CollectPaths(const QuestionTree& tree, Path& path, std::vector<Path>& out) {
    const TreeNode* node = tree.Find(path.nodes.back());
    if (node->IsLeaf()) {
        out.push_back(path);
        return;
    }
    for (int k = 0; k < node->OptionCount(); ++k) {
        path.options.push_back(k);
        path.nodes.push_back(node->options[static_cast<std::size_t>(k)].next);
        CollectPaths(tree, path, out);
        path.nodes.pop_back();
        path.options.pop_back();
    }
}

TEST(QuestionTrees, EveryPathThroughThePage) {
    // Each path is walked once per start mode (the exception page depends on it for the test and
    // Vexometer trees), with the version indices of the tree taken in turn.
    std::size_t run = 0;
    for (const TreeCase& c : kTrees) {
        const QuestionTree& tree = c.tree();
        std::vector<Path> paths;
        Path root{{0}, {}};
        CollectPaths(tree, root, paths);
        std::set<int> reached;
        for (const Path& path : paths) {
            for (int start : {-1, 0, 1}) {
                std::string script, text;
                bool viaNode9 = false;
                for (std::size_t level = 0; level < path.nodes.size(); ++level) {
                    const TreeNode& node = *tree.Find(path.nodes[level]);
                    reached.insert(node.id);
                    viaNode9 = viaNode9 || node.id == 9;
                    if (level > 0)
                        text += std::string(node.statement) + "\n";
                    if (level + 1 < path.nodes.size())
                        script += "click " + std::to_string(1067 + path.options[level]) + "\nclick 1016\n";
                }
                ReportRecord r;
                ResetForRun(r);
                r.m_nVersion = c.versions[run++ % c.versions.size()];
                r.m_nTestStartDos = start;
                CQuestionDlg page(&r);
                const test::ScriptResult result =
                    test::RunPage(page, script + "type 1202 \"Fehler\"\nclick 1016\n");

                std::ostringstream where;
                where << c.name << " version " << r.m_nVersion << " start " << start << " path";
                for (int id : path.nodes)
                    where << ' ' << id;
                EXPECT_EQ(result.log, "page CQuestionDlg\n") << where.str();
                EXPECT_EQ(r.m_strQuestionText, text + "\nFehlerbeschreibung:\n\tFehler\n\n") << where.str();
                EXPECT_EQ(r.m_nExceptionPage, viaNode9 ? (start == 1 ? 2 : 1) : 0) << where.str();
            }
        }
        EXPECT_EQ(reached.size(), tree.nodes.size()) << c.name << ": a node no path reaches";
    }
}

TEST(QuestionTrees, LeavingNode9UpwardsDropsTheExceptionPage) {
    struct Case {
        const char* what;
        std::string script;
        int exceptionPage;
    };
    const std::vector<Case> cases = {
        {"node 9 at level 3, back to node 5, no exception",
         "click 1067\nclick 1016\nclick 1067\nclick 1016\nclick 1067\nclick 1016\nclick 1015\nclick "
         "1068\nclick 1016\n",
         0},
        {"node 9 at level 2, back to node 3, main menu shown",
         "click 1068\nclick 1016\nclick 1070\nclick 1016\nclick 1015\nclick 1067\nclick 1016\nclick "
         "1068\nclick 1016\n"
         "click 1067\nclick 1016\n",
         0},
        {"node 9 left and reached again from node 5",
         "click 1069\nclick 1016\nclick 1068\nclick 1016\nclick 1067\nclick 1016\nclick 1015\nclick "
         "1067\nclick 1016\n"
         "click 1067\nclick 1016\n",
         2},
    };
    for (const Case& c : cases) {
        ReportRecord r;
        ResetForRun(r);
        r.m_nVersion = 1;
        r.m_nTestStartDos = 1;
        CQuestionDlg page(&r);
        const test::ScriptResult result =
            test::RunPage(page, c.script + "type 1202 \"Fehler\"\nclick 1016\n");
        EXPECT_EQ(result.log, "page CQuestionDlg\n") << c.what;
        EXPECT_EQ(r.m_nExceptionPage, c.exceptionPage) << c.what;
    }
}

} // namespace
} // namespace mirel
