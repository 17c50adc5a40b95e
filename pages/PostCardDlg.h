// The POST card diagnosis page: one question node at a time on one dialog, with a summary box of
// all questions and the answers given so far. The node content is data (PostCardNodes.h).
#pragma once

#include <string>

#include "pages/PostCardNodes.h"
#include "pages/common/PageDlg.h"

namespace mirel {

class CPostCardDlg : public CPageDlg {
  public:
    explicit CPostCardDlg(ReportRecord* pRecord);
    const char* ClassName() const override { return "CPostCardDlg"; }

    void OnShowWindow() override;
    void OnCommand(int id, Notify code) override;
    void DoDataExchange(DataExchange& dx) override;

  protected:
    void OnNext() override;
    void OnBack() override;

  private:
    // Rebuilds the summary box (typed values shortened, or whole with `full`) and shows the
    // current node.
    void RefreshPage(bool full);
    // Shows the node m_pRecord->m_nPostNode: texts, options, selections and fields.
    void ShowNode();
    // Writes the answers of the node just left (the one below m_nPostNode) into the record.
    void StoreAnswers();
    void OnOption1() { OnOption(1); }
    void OnOption2() { OnOption(2); }
    void OnOption3() { OnOption(3); }
    void OnOption4() { OnOption(4); }
    void OnOption5() { OnOption(5); }
    void OnOption(int click);

    // Card set-up by version while the page is at node 3.
    void SetUpCard();
    void AppendSection(const PostSection& section, bool full);
    // A typed value as the summary shows it.
    static std::string SummaryValue(const std::string& value, bool shorten);
    // Shows or hides the parts of a follow-up; `clicked`: opened by the user, not by a stored
    // answer.
    void ApplyFollowUp(const PostNode& node, const PostFollowUp& followUp, bool clicked);
    void ShowSubQuestion(const char* question, const std::array<const char*, 3>& options);
    bool CheckPasses(const PostCheck& check) const;
    // Answer 1 or 2, 0 = none; option 3, 4 or 5, 0 = none.
    int AnswerNumber() const { return m_nAnswer < 0 ? 0 : m_nAnswer + 1; }
    int OptionNumber() const { return m_nSubAnswer < 0 ? 0 : m_nSubAnswer + 3; }

    std::string m_strMarker;      // "|==> ": heading prefix of the current question
    std::string m_strIndent;      // 16 blanks before every answer line
    std::string m_strNewLine;     // "\n"
    std::string m_strMargin;      // 8 blanks before every other heading
    std::string m_strQuestion;    // id162::kQuestion
    std::string m_strSubQuestion; // id162::kSubQuestion
    std::string m_strLineInput;   // id162::kLineField
    std::string m_strTextInput;   // id162::kTextField
    int m_nAnswer = -1;           // radio group id162::kAnswer1, kAnswer2
    std::string m_strLineLabel;   // id162::kLinePrompt
    int m_nSubAnswer = -1;        // radio group id162::kOption3 to kOption5
    std::string m_strTextLabel;   // id162::kTextPrompt
    std::string m_strSummary;     // id162::kSummary
};

} // namespace mirel
