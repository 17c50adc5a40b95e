#include "pages/QuestionDlg.h"

#include <array>
#include <string>

#include "platform/Services.h"
#include "platform/Text.h"
#include "res/templates/Template131.h"

namespace mirel {
namespace {

constexpr int kQuestionLabel = id131::kQuestion;
constexpr int kFirstOption = id131::kOption1; // options 1..4 are kOption1..kOption4
constexpr int kLowerLabel = id131::kLowerLabel;
constexpr int kAnswer = id131::kAnswer;
constexpr int kHistory = id131::kHistory;
constexpr int kLevels = static_cast<int>(std::tuple_size_v<decltype(ReportRecord::m_aSteps)>);

std::string WithoutChar(const std::string& text, char drop) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != drop)
            out += c;
    return out;
}

// Every line break followed by a tab, so that continuation lines stand indented.
std::string IndentLines(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '\n' && i > 0 && text[i - 1] == '\r')
            out += '\t';
    }
    return out;
}

// A remark as the history shows it: without tabs, without empty lines, continuation lines
// indented by a tab. Applying it again changes nothing.
std::string NormalisedNote(const std::string& note) {
    const std::string plain = WithoutChar(note, '\t');
    std::string out;
    out.reserve(plain.size() + plain.size() / 8);
    bool afterBreak = false;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (plain[i] == '\r' && i + 1 < plain.size() && plain[i + 1] == '\n') {
            if (!afterBreak)
                out += "\r\n\t";
            afterBreak = true;
            ++i;
            continue;
        }
        out += plain[i];
        afterBreak = false;
    }
    return out;
}

} // namespace

CQuestionDlg::CQuestionDlg(ReportRecord* pRecord) : CPageDlg(131, pRecord) {}

void CQuestionDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(kQuestionLabel, m_strQuestion);
    dx.Text(kLowerLabel, m_strLowerLabel);
    dx.Radio(kFirstOption, m_nOption);
    dx.Text(id131::kInfoBox, m_strInfo, 400);
    // No limit: the history of a long path with long remarks is shown and read back whole.
    dx.Text(kHistory, m_strHistory);
    dx.Text(kAnswer, m_strAnswer, 200);
}

void CQuestionDlg::OnShowWindow() {
    ShowCommon();
    SetItemText(id131::kNext, "&Weiter >>");
    SetItemText(id131::kBack, "<< &Zurück");
    m_bLeaf = 0;
    ReportRecord& r = *m_pRecord;
    if (r.m_bBack != 0) {
        // Back from a later page: the leaf lies one level below the last level with a choice.
        r.m_bBack = 0;
        int level = 0;
        for (int i = kLevels - 1; i >= 0; --i) {
            if (r.m_aSteps[static_cast<std::size_t>(i)].m_nChoice != -1) {
                level = i + 1;
                break;
            }
        }
        // Without a usable path (no choice at all, or none left room for a leaf) the page starts
        // at the root.
        if (level <= 0 || level >= kLevels)
            ResetPath();
        else
            m_nLevel = level;
    } else {
        ResetPath();
    }
    ShowCurrentNode();
}

void CQuestionDlg::ResetPath() {
    m_nLevel = 0;
    for (QuestionStep& step : m_pRecord->m_aSteps)
        step = QuestionStep{-1, 0, {}, {}};
}

void CQuestionDlg::ShowCurrentNode() {
    const int v = m_pRecord->m_nVersion;
    if (v >= 0 && v <= 3)
        ShowTestNode();
    else if (v >= 12 && v <= 13)
        ShowVexometerNode();
    else if (v >= 4 && v <= 5)
        ShowInfoNode();
    else if (v >= 6 && v <= 8)
        ShowWinNode();
}

void CQuestionDlg::ShowControls(bool question, int options) {
    ShowItem(kQuestionLabel, question);
    for (int k = 0; k < 4; ++k)
        ShowItem(kFirstOption + k, k < options);
    ShowItem(kLowerLabel, true);
    ShowItem(kAnswer, true);
}

void CQuestionDlg::ShowNode(const QuestionTree& tree) {
    UpdateData(true);
    QuestionStep& step = CurrentStep();
    if (const TreeNode* node = tree.Find(step.m_nNode)) {
        const bool leaf = node->IsLeaf();
        ShowControls(!leaf, leaf ? 0 : node->OptionCount());
        step.m_strText = node->statement;
        m_strAnswer = step.m_strNote;
        if (!leaf)
            m_nOption = step.m_nChoice;
        BuildHistory();
        if (!leaf) {
            m_strQuestion = node->question;
            for (int k = 0; k < 4; ++k) {
                const TreeOption& option = node->options[static_cast<std::size_t>(k)];
                SetItemText(kFirstOption + k, option.label);
                m_anNext[static_cast<std::size_t>(k)] = option.next;
            }
        }
        m_strLowerLabel = node->lowerLabel;
        m_strInfo = node->info;
        m_bLeaf = leaf ? 1 : 0;
        switch (node->action) {
        case NodeAction::None:
            break;
        case NodeAction::NoExceptionPage:
            m_pRecord->m_nExceptionPage = 0;
            break;
        case NodeAction::ExceptionPageByStart:
            m_pRecord->m_nExceptionPage = m_pRecord->m_nTestStartDos == 1 ? 2 : 1;
            break;
        }
    }
    m_strAnswer = WithoutChar(m_strAnswer, '\t');
    UpdateData(false);
}

void CQuestionDlg::BuildHistory() {
    auto& steps = m_pRecord->m_aSteps;
    m_strHistory.clear();
    for (int i = 0; i <= m_nLevel; ++i) {
        const QuestionStep& step = steps[static_cast<std::size_t>(i)];
        if (!step.m_strText.empty()) {
            m_strHistory += step.m_strText;
            m_strHistory += "\r\n";
        }
        if (i > 0) {
            std::string& note = steps[static_cast<std::size_t>(i - 1)].m_strNote;
            if (!note.empty()) {
                note = NormalisedNote(note);
                m_strHistory += "\tAnmerkung: ";
                m_strHistory += note;
                m_strHistory += "\r\n";
            }
        }
    }
}

void CQuestionDlg::OnNext() {
    UpdateData(true);
    QuestionStep& step = CurrentStep();
    if (m_bLeaf == 0) {
        if (m_nOption < 0 || m_nOption > 3) {
            m_strInfo = "HINWEIS:\r\nBitte wählen Sie einen Punkt aus!";
            UpdateData(false);
            return;
        }
        if (m_nLevel + 1 >= kLevels)
            return; // no tree is that deep
        step.m_nChoice = m_nOption;
        step.m_strNote = TrimmedLeft(m_strAnswer);
        m_pRecord->m_aSteps[static_cast<std::size_t>(m_nLevel) + 1].m_nNode =
            m_anNext[static_cast<std::size_t>(m_nOption)];
        ++m_nLevel;
        ShowCurrentNode();
        UpdateData(false);
        return;
    }
    if (m_strAnswer.empty()) {
        Services& services = GetServices();
        services.Beep(BeepKind::Question);
        services.MessageBox(
            "Fehlerbeschreibung eintragen",
            "Bitte tragen Sie eine genaue Fehlerbeschreibung ein. Nur so kann Ihr Problem schnell "
            "gelöst werden.",
            MsgButtons::Ok, MsgIcon::Question);
        SetFocusItem(kAnswer);
        UpdateData(false);
        return;
    }
    step.m_strNote = m_strAnswer;
    // The history is rebuilt from the path rather than read back from its box.
    BuildHistory();
    m_strHistory += "\r\nFehlerbeschreibung:\r\n\t" + IndentLines(m_strAnswer) + "\r\n\r\n";
    m_pRecord->m_strQuestionText = WithoutChar(m_strHistory, '\r');
    StoreWindowRect();
    EndPage();
}

void CQuestionDlg::OnBack() {
    UpdateData(true);
    m_bLeaf = 0;
    QuestionStep& step = CurrentStep();
    step.m_nChoice = -1;
    step.m_strNote.clear();
    --m_nLevel;
    if (m_nLevel < 0) {
        m_pRecord->m_bBack = 1;
        StoreWindowRect();
        EndPage();
        return;
    }
    ShowCurrentNode();
}

} // namespace mirel
