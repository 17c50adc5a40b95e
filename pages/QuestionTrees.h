// The question trees of the question page: one table of nodes per product. The test product and
// the Vexometer product share one tree that differs only in two texts naming the product.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace mirel {

// What showing a node does besides showing it.
enum class NodeAction {
    None,
    NoExceptionPage,     // no exception page follows (m_nExceptionPage = 0)
    ExceptionPageByStart // the DOS exception page after a start under DOS, else the self-booting one
};

struct TreeOption {
    std::string_view label; // text of the radio button; empty = the node has no such option
    int next = 0;           // node reached by this option
};

// One node. Inner nodes have ids below 81 and one to four options; leaves have ids from 81 up,
// no question and no options, and ask for the fault description.
struct TreeNode {
    int id = 0;
    std::string_view statement; // what the answer leading here was; empty at the root
    std::string_view question;  // label above the options (inner nodes)
    std::array<TreeOption, 4> options{};
    std::string_view lowerLabel; // label above the answer edit
    std::string_view info;       // text of the info box
    NodeAction action = NodeAction::None;

    bool IsLeaf() const { return id >= kFirstLeafId; }
    int OptionCount() const;

    static constexpr int kFirstLeafId = 81;
};

struct QuestionTree {
    std::span<const TreeNode> nodes;
    // The node with this id, nullptr when the tree has none.
    const TreeNode* Find(int id) const;
};

const QuestionTree& TestTree();      // Quorix*Test, versions 0..3
const QuestionTree& VexometerTree(); // Vexometer, versions 12..13
const QuestionTree& InfoTree();      // Quorix*Info, versions 4..5
const QuestionTree& WinTree();       // Quorix*Win, versions 6..8

} // namespace mirel
