#include "pages/PostCardDlg.h"

#include <array>
#include <tuple>
#include <type_traits>

#include "platform/Text.h"
#include "res/templates/Template162.h"

namespace mirel {
namespace {

constexpr std::array<int, 2> kAnswerIds = {id162::kAnswer1, id162::kAnswer2};
constexpr std::array<int, 3> kOptionIds = {id162::kOption3, id162::kOption4, id162::kOption5};
// Characters of a typed value that the summary box shows.
constexpr std::size_t kShownChars = 17;
// The node after the last one: passed through while Next finishes the page.
constexpr int kPastLastNode = 17;
constexpr int kLastNode = 16;
constexpr int kFirstNode = 3;

std::string TextOr(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

} // namespace

CPostCardDlg::CPostCardDlg(ReportRecord* pRecord)
    : CPageDlg(162, pRecord), m_strMarker("|==> "), m_strIndent(16, ' '), m_strNewLine("\n"),
      m_strMargin(8, ' ') {}

void CPostCardDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(id162::kInfoBox, m_strInfo);
    dx.Text(id162::kQuestion, m_strQuestion);
    dx.Text(id162::kSubQuestion, m_strSubQuestion);
    dx.Text(id162::kLineField, m_strLineInput, 50);
    dx.Text(id162::kTextField, m_strTextInput, 1000);
    dx.Radio(id162::kAnswer1, m_nAnswer);
    dx.Text(id162::kLinePrompt, m_strLineLabel);
    dx.Radio(id162::kOption3, m_nSubAnswer);
    dx.Text(id162::kTextPrompt, m_strTextLabel);
    dx.Text(id162::kSummary, m_strSummary);
}

void CPostCardDlg::OnCommand(int id, Notify code) {
    switch (id) {
    case id162::kAnswer1:
        if (code == Notify::Clicked)
            OnOption1();
        break;
    case id162::kAnswer2:
        if (code == Notify::Clicked)
            OnOption2();
        break;
    case id162::kOption3:
        if (code == Notify::Clicked)
            OnOption3();
        break;
    case id162::kOption4:
        if (code == Notify::Clicked)
            OnOption4();
        break;
    case id162::kOption5:
        if (code == Notify::Clicked)
            OnOption5();
        break;
    default:
        CPageDlg::OnCommand(id, code);
        break;
    }
}

void CPostCardDlg::OnShowWindow() {
    ShowCommon();
    ReportRecord& r = *m_pRecord;
    if (r.m_nPostNode == 0) {
        // A new run of the wizard: nothing of an earlier run is kept.
        r.m_dwPostAnswers = 0;
        for (PostText text : kPostTexts)
            (r.*text).clear();
        r.m_nPostNode = kFirstNode;
    } else if (r.m_nPostNode == 1) {
        // Back from the first question earlier: start again, answers kept.
        r.m_nPostNode = kFirstNode;
    }
    RefreshPage(false);
    UpdateData(false);
}

void CPostCardDlg::SetUpCard() {
    ReportRecord& r = *m_pRecord;
    const PostCardModel* model = FindPostCardModel(r.m_nVersion);
    if (model == nullptr)
        return;
    if (model->name == nullptr) {
        // The name of another maker's card is typed at node 3. A name left by one of the own
        // models (chosen earlier in this run) is not that name.
        const std::uint32_t kind = GetPostField(r.m_dwPostAnswers, PostField::CardKind);
        if (kind != 0 && kind != model->kind)
            r.m_strOtherCard.clear();
        SetPostField(r.m_dwPostAnswers, PostField::CardKind, model->kind);
        return;
    }
    SetPostField(r.m_dwPostAnswers, PostField::CardKind, model->kind);
    r.m_strOtherCard = model->name;
    r.m_nPostNode = kFirstNode + 1;
}

void CPostCardDlg::RefreshPage(bool full) {
    UpdateData(true);
    m_strSummary.clear();
    if (m_pRecord->m_nPostNode == kFirstNode)
        SetUpCard();
    for (const PostSection& section : PostSections())
        AppendSection(section, full);
    // The values in the summary hold bare line feeds only (see SummaryValue), so every line
    // break of the result is exactly one CR LF.
    m_strSummary = LfToCrLf(m_strSummary);
    UpdateData(false);
    ShowNode();
}

std::string CPostCardDlg::SummaryValue(const std::string& value, bool shorten) {
    if (!shorten)
        return CrLfToLf(value);
    // The box shows the first characters only, each line break as one blank.
    const std::string cut = TruncateChars(value, kShownChars);
    std::string shown;
    shown.reserve(cut.size());
    for (std::size_t i = 0; i < cut.size(); ++i) {
        if (cut[i] == '\r' || cut[i] == '\n') {
            if (cut[i] == '\r' && i + 1 < cut.size() && cut[i + 1] == '\n')
                ++i;
            shown.push_back(' ');
        } else {
            shown.push_back(cut[i]);
        }
    }
    return shown;
}

void CPostCardDlg::AppendSection(const PostSection& section, bool full) {
    const ReportRecord& r = *m_pRecord;
    const std::uint32_t value = GetPostField(r.m_dwPostAnswers, section.field);
    std::string& out = m_strSummary;
    if (section.heading != nullptr) {
        const bool current = r.m_nPostNode >= section.firstNode && r.m_nPostNode <= section.lastNode;
        out += current ? m_strMarker : m_strMargin;
        out += section.heading;
        out += m_strNewLine;
    }
    bool cardNamed = false;
    for (const SummaryLine& line : section.lines) {
        if (line.when != kAlways && line.when != value)
            continue;
        // A line of a typed form always names its record field; any other line reads as empty.
        static const std::string kNoValue;
        const std::string* typed = line.value != nullptr ? &(r.*line.value) : &kNoValue;
        switch (line.form) {
        case LineForm::Answer:
            out += m_strIndent;
            out += line.text;
            out += m_strNewLine;
            break;
        case LineForm::TypedIfAny:
        case LineForm::TypedOrIndent:
            if (typed->empty()) {
                if (line.form == LineForm::TypedOrIndent) {
                    out += m_strIndent;
                    out += m_strNewLine;
                }
                break;
            }
            [[fallthrough]];
        case LineForm::Typed:
            out += m_strIndent;
            out += "--> ";
            out += SummaryValue(*typed, !full);
            out += m_strNewLine;
            break;
        case LineForm::CardName:
            // Only a name typed for another maker's card is shortened; the own models' fixed
            // names appear whole.
            out += m_strIndent;
            out += SummaryValue(*typed, !full && r.m_nVersion == 11);
            out += m_strNewLine;
            cardNamed = !typed->empty();
            break;
        case LineForm::LineEnd:
            out += m_strNewLine;
            break;
        }
    }
    switch (section.end) {
    case SectionEnd::EmptyLine:
        out += m_strNewLine;
        break;
    case SectionEnd::EmptyLineIfAnswered:
        if (value != 0)
            out += m_strNewLine;
        break;
    case SectionEnd::EmptyLineIfCardName:
        if (cardNamed)
            out += m_strNewLine;
        break;
    case SectionEnd::None:
        break;
    }
}

void CPostCardDlg::ShowSubQuestion(const char* question, const std::array<const char*, 3>& options) {
    m_strSubQuestion = TextOr(question);
    ShowItem(id162::kSubQuestion, question != nullptr);
    static_assert(kOptionIds.size() == std::tuple_size_v<std::remove_reference_t<decltype(options)>>);
    for (std::size_t i = 0; i < kOptionIds.size(); ++i) {
        SetItemText(kOptionIds[i], TextOr(options[i]));
        ShowItem(kOptionIds[i], question != nullptr && options[i] != nullptr);
    }
}

void CPostCardDlg::ShowNode() {
    UpdateData(true);
    ReportRecord& r = *m_pRecord;
    const PostNode* node = FindPostNode(r.m_nPostNode);
    if (node == nullptr) {
        UpdateData(false);
        return;
    }
    if (node->node == kFirstNode && (GetPostField(r.m_dwPostAnswers, PostField::CardKind) & 1u) == 0) {
        // No card name to ask for: the page goes on to the first question.
        r.m_nPostNode = kFirstNode + 1;
        ShowNode();
        return;
    }

    m_strQuestion = TextOr(node->question);
    ShowItem(id162::kQuestion, node->question != nullptr);
    static_assert(kAnswerIds.size() == std::tuple_size_v<decltype(node->answers)>);
    for (std::size_t i = 0; i < kAnswerIds.size(); ++i) {
        SetItemText(kAnswerIds[i], TextOr(node->answers[i]));
        ShowItem(kAnswerIds[i], node->answers[i] != nullptr);
    }
    ShowSubQuestion(node->subQuestion, node->options);
    m_strLineLabel = TextOr(node->linePrompt);
    ShowItem(id162::kLinePrompt, node->linePrompt != nullptr);
    ShowItem(id162::kLineField, node->lineShown);
    m_strLineInput = node->lineText != nullptr ? r.*node->lineText : std::string();
    m_strTextLabel = TextOr(node->textPrompt);
    ShowItem(id162::kTextPrompt, node->textPrompt != nullptr);
    ShowItem(id162::kTextField, node->textShown);
    EnableItem(id162::kTextField, node->textEnabled);
    m_strTextInput = node->multiText != nullptr ? r.*node->multiText : std::string();
    m_strInfo = TextOr(node->info);

    // The stored choice, and the follow-ups it opens.
    m_nAnswer = -1;
    m_nSubAnswer = -1;
    for (const PostStore& s : node->stored) {
        if (s.field == PostField::None || !IsPostFieldAnswered(r.m_dwPostAnswers, s.field) ||
            GetPostField(r.m_dwPostAnswers, s.field) != s.value)
            continue;
        if (s.answer != kAny)
            m_nAnswer = s.answer - 1;
        if (s.option != kAny)
            m_nSubAnswer = s.option - 3;
    }
    for (const int click : {AnswerNumber(), OptionNumber()}) {
        if (click == 0)
            continue;
        if (const PostFollowUp* followUp = FindPostFollowUp(*node, click, AnswerNumber()))
            ApplyFollowUp(*node, *followUp, false);
    }
    UpdateData(false);
}

void CPostCardDlg::ApplyFollowUp(const PostNode& node, const PostFollowUp& followUp, bool clicked) {
    const ReportRecord& r = *m_pRecord;
    switch (followUp.sub.op) {
    case PartOp::Show:
        ShowSubQuestion(followUp.sub.question, followUp.sub.options);
        if (clicked)
            m_nSubAnswer = -1;
        break;
    case PartOp::Hide:
        ShowSubQuestion(nullptr, {});
        break;
    default:
        break;
    }

    struct FieldControls {
        const FieldPart& part;
        int promptId;
        int fieldId;
        std::string& prompt;
        std::string& input;
        PostText text;
    };
    const FieldControls fields[] = {
        {followUp.line, id162::kLinePrompt, id162::kLineField, m_strLineLabel, m_strLineInput, node.lineText},
        {followUp.text, id162::kTextPrompt, id162::kTextField, m_strTextLabel, m_strTextInput,
         node.multiText},
    };
    for (const FieldControls& f : fields) {
        switch (f.part.op) {
        case PartOp::Show:
            f.prompt = TextOr(f.part.prompt);
            ShowItem(f.promptId, true);
            ShowItem(f.fieldId, true);
            f.input = f.text != nullptr ? r.*f.text : std::string();
            break;
        case PartOp::Hide:
            ShowItem(f.promptId, false);
            ShowItem(f.fieldId, false);
            break;
        case PartOp::Enable:
        case PartOp::Disable:
            EnableItem(f.fieldId, f.part.op == PartOp::Enable);
            break;
        case PartOp::Keep:
            break;
        }
    }
    if (followUp.info != nullptr)
        m_strInfo = followUp.info;
}

void CPostCardDlg::OnOption(int click) {
    UpdateData(true);
    const PostNode* node = FindPostNode(m_pRecord->m_nPostNode);
    if (node == nullptr)
        return;
    if (const PostFollowUp* followUp = FindPostFollowUp(*node, click, AnswerNumber()))
        ApplyFollowUp(*node, *followUp, true);
    UpdateData(false);
}

bool CPostCardDlg::CheckPasses(const PostCheck& check) const {
    if (check.withAnswer != kAny && check.withAnswer != AnswerNumber())
        return true;
    if (check.withOption != kAny && check.withOption != OptionNumber())
        return true;
    switch (check.need) {
    case Need::Answer:
        return m_nAnswer >= 0;
    case Need::Option:
        return m_nSubAnswer >= 0;
    case Need::LineText:
        return !m_strLineInput.empty();
    case Need::MultiText:
        return !m_strTextInput.empty();
    }
    return true;
}

void CPostCardDlg::OnNext() {
    UpdateData(true);
    ReportRecord& r = *m_pRecord;
    if (const PostNode* node = FindPostNode(r.m_nPostNode)) {
        for (const PostCheck& check : node->checks) {
            if (CheckPasses(check))
                continue;
            m_strInfo = check.message;
            if (check.focus != 0)
                SetFocusItem(check.focus);
            UpdateData(false);
            return;
        }
    }
    ++r.m_nPostNode;
    StoreAnswers();
    if (r.m_nPostNode >= kPastLastNode) {
        // The stored text has every value whole and no heading marked.
        RefreshPage(true);
        r.m_strPostCardText = m_strSummary;
        StoreWindowRect();
        r.m_nPostNode = kLastNode;
        EndPage();
        return;
    }
    RefreshPage(false);
}

void CPostCardDlg::OnBack() {
    ReportRecord& r = *m_pRecord;
    ++r.m_nPostNode;
    if (r.m_nPostNode > kFirstNode + 2 || (r.m_nVersion == 11 && r.m_nPostNode > kFirstNode + 1)) {
        StoreAnswers();
        r.m_nPostNode -= 2;
        RefreshPage(false);
        return;
    }
    // Back on the first question: the page is left towards the version page.
    r.m_bBack = 1;
    StoreWindowRect();
    StoreAnswers();
    r.m_nPostNode = 1;
    EndPage();
}

void CPostCardDlg::StoreAnswers() {
    UpdateData(true);
    ReportRecord& r = *m_pRecord;
    const PostNode* node = FindPostNode(r.m_nPostNode - 1);
    if (node == nullptr)
        return;
    for (const PostStore& s : node->stored) {
        if ((s.answer != kAny && s.answer != AnswerNumber()) ||
            (s.option != kAny && s.option != OptionNumber()))
            continue;
        if (s.field != PostField::None)
            SetPostField(r.m_dwPostAnswers, s.field, s.value);
        if (s.text != nullptr)
            r.*s.text = Trimmed(s.text == node->lineText ? m_strLineInput : m_strTextInput);
    }
}

} // namespace mirel
