// The question page: the user narrows the fault down by answering one question of the product's
// question tree at a time, with a remark at every level, and describes the fault at the leaf.
// The path lives in the record, so the page shows the same leaf again when the user comes back
// from a later page.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "pages/QuestionTrees.h"
#include "pages/common/PageDlg.h"

namespace mirel {

class CQuestionDlg : public CPageDlg {
  public:
    explicit CQuestionDlg(ReportRecord* pRecord);
    const char* ClassName() const override { return "CQuestionDlg"; }

    void OnShowWindow() override;
    void DoDataExchange(DataExchange& dx) override;

  protected:
    void OnNext() override;
    void OnBack() override;

  private:
    // Shows the node of level m_nLevel in the tree of the record's version.
    void ShowCurrentNode();
    void ShowTestNode() { ShowNode(TestTree()); }
    void ShowVexometerNode() { ShowNode(VexometerTree()); }
    void ShowInfoNode() { ShowNode(InfoTree()); }
    void ShowWinNode() { ShowNode(WinTree()); }
    void ShowNode(const QuestionTree& tree);
    // The question label and the first `options` option buttons are shown, the rest hidden.
    void ShowControls(bool question, int options);
    // The statements of the path down to the current level, each remark under the statement of
    // the answer given with it.
    void BuildHistory();
    // Starts an empty path at the root.
    void ResetPath();
    QuestionStep& CurrentStep() { return m_pRecord->m_aSteps[static_cast<std::size_t>(m_nLevel)]; }

    std::uint8_t m_bLeaf = 0;
    int m_nLevel = 0;              // index into m_aSteps of the node shown (0 = root)
    std::array<int, 4> m_anNext{}; // node reached by option 1..4 of the node shown
    std::string m_strQuestion;     // label id131::kQuestion
    std::string m_strLowerLabel;   // label id131::kLowerLabel
    int m_nOption = -1;            // option chosen in id131::kOption1..kOption4, -1 none
    std::string m_strHistory;      // history box id131::kHistory
    std::string m_strAnswer;       // remark or fault description, edit id131::kAnswer
};

} // namespace mirel
