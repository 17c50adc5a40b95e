// The content of the POST card diagnosis page as data: the answer fields packed into
// ReportRecord::m_dwPostAnswers, the card models, the question nodes 3 to 16 (what each shows,
// its follow-ups, its checks, what it stores) and the sections of the summary text.
//
// Numbering used throughout the tables: answers 1 and 2 are the radio buttons id162::kAnswer1 and
// kAnswer2 of the main question; options 3, 4 and 5 are the radio buttons id162::kOption3 to
// kOption5 of the second question. 0 (kAny) in a condition means "whatever is selected, or nothing".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "report/ReportRecord.h"

namespace mirel {

// A text field of the record.
using PostText = std::string ReportRecord::*;

constexpr int kAny = 0;

// ---- answer fields -------------------------------------------------------------------------

// The fields of m_dwPostAnswers. 0 in a field means "not answered", except for PostFollowUp,
// whose 0 is a choice while PostCode is answered.
enum class PostField {
    None,          // no field (a stored row that writes only a text)
    CardKind,      // bits 0-1: 1 "Lumicard PCI", 2 "Lumicard PCI plus", 3 other card
    Occurrence,    // bits 2-3: 1 only in a certain slot, 2 only with a certain card, 3 always
    AtxViolation,  // bits 5-6: 1 they light or flicker, 2 they do not
    OperatingLeds, // bits 7-8: 1 all light, 2 not all
    PciClock,      // bits 9-11: 1 both, 2 only "High", 3 only "Low", 4 none
    ResetLine,     // bits 12-13: 1 flashes briefly, 2 lit or flashing constantly
    PciError,      // bits 14-15: 1 flashes briefly, 2 lit or flashing constantly
    PciActivity,   // bits 16-17: 1 flicker or light constantly, 2 only briefly at power-on
    PostCode,      // bits 18-19: "00" or "FF" shown: 1 yes, 2 no
    PostFollowUp,  // bit 20: with yes 0 directly, 1 other codes first; with no 0 other codes, 1 none
    PostCodeView,  // bits 18-20 read as one value (1, 2, 5, 6) by the summary
    OsStart,       // bits 21-22: 1 runs properly, 2 problems, 3 test not possible
    BeepCode,      // bits 23-24: 1 a beep code is heard, 2 none
    BootAbort,     // bits 25-26: 1 no abort, 2 abort without message, 3 abort with message
};

std::uint32_t GetPostField(std::uint32_t answers, PostField field);
// Writes `value` into the field's bits (cut to the field's width); no other bit changes.
void SetPostField(std::uint32_t& answers, PostField field, std::uint32_t value);
// Whether the field holds an answer (see PostFollowUp above).
bool IsPostFieldAnswered(std::uint32_t answers, PostField field);

// The ten texts typed on the page, cleared when a new run of the wizard shows the page.
extern const std::array<PostText, 10> kPostTexts;

// ---- card models -----------------------------------------------------------------------------

// What the page sets up at node 3 for the chosen version.
struct PostCardModel {
    int version;
    std::uint32_t kind; // CardKind
    const char* name;   // fixed name stored in m_strOtherCard; nullptr: the user types it
};
const PostCardModel* FindPostCardModel(int version);

// ---- nodes ---------------------------------------------------------------------------------

// What a follow-up does with a part of the page.
enum class PartOp { Keep, Show, Hide, Enable, Disable };

// The second question with its options 3 to 5 (nullptr: option hidden).
struct SubPart {
    PartOp op = PartOp::Keep;
    const char* question = nullptr;
    std::array<const char*, 3> options{};
};
// A field with its prompt: the one-line field id162::kLineField with id162::kLinePrompt, or the
// multi-line field id162::kTextField with id162::kTextPrompt. Show loads the field from the node's
// record text.
struct FieldPart {
    PartOp op = PartOp::Keep;
    const char* prompt = nullptr;
};

inline SubPart Asked(const char* question, std::array<const char*, 3> options) {
    return {PartOp::Show, question, options};
}
inline constexpr SubPart kNotAsked{PartOp::Hide, nullptr, {}};
inline FieldPart Shown(const char* prompt) {
    return {PartOp::Show, prompt};
}
inline constexpr FieldPart kFieldHidden{PartOp::Hide, nullptr};
inline constexpr FieldPart kFieldEnabled{PartOp::Enable, nullptr};
inline constexpr FieldPart kFieldDisabled{PartOp::Disable, nullptr};

// What a click on answer or option `click` shows. The same follow-up applies when the node is
// shown with that choice already stored. A second question opened by a click starts with no
// option selected; opened from a stored answer it shows the stored option.
struct PostFollowUp {
    int click = 0;         // 1 to 5
    int withAnswer = kAny; // for options: the answer that must be selected
    SubPart sub{};
    FieldPart line{};
    FieldPart text{};
    const char* info = nullptr; // new info box text; nullptr keeps it
};

// A check of Next: when the condition holds and `need` is missing, the message goes into the
// info box and the focus to `focus` (0: the focus stays).
enum class Need {
    Answer,    // an answer 1 or 2
    Option,    // an option 3, 4 or 5
    LineText,  // at least one character in id162::kLineField
    MultiText, // at least one character in id162::kTextField
};
struct PostCheck {
    Need need;
    int withAnswer = kAny;
    int withOption = kAny;
    const char* message = nullptr;
    int focus = 0;
};

// One row of what a node stores when it is left (Next or Back): with this answer and option
// selected, write `value` into `field` and the trimmed field text into `text`.
struct PostStore {
    PostField field = PostField::None;
    int answer = kAny;
    int option = kAny;
    std::uint32_t value = 0;
    PostText text = nullptr;
};

struct PostNode {
    int node = 0;
    // Arrival: what is shown; every other control is hidden. Prompts and questions nullptr are
    // hidden.
    const char* question = nullptr;       // id162::kQuestion
    std::array<const char*, 2> answers{}; // id162::kAnswer1, id162::kAnswer2
    const char* subQuestion = nullptr;    // id162::kSubQuestion
    std::array<const char*, 3> options{}; // id162::kOption3, id162::kOption4, id162::kOption5
    const char* linePrompt = nullptr;     // id162::kLinePrompt
    bool lineShown = false;               // id162::kLineField
    const char* textPrompt = nullptr;     // id162::kTextPrompt
    bool textShown = false;               // id162::kTextField
    bool textEnabled = true;              // id162::kTextField enabled on arrival
    // The record texts the two fields hold at this node, loaded on arrival.
    PostText lineText = nullptr;
    PostText multiText = nullptr;
    const char* info = nullptr; // info box on arrival (nullptr: empty)

    std::vector<PostFollowUp> followUps{};
    std::vector<PostCheck> checks{}; // in the order they are tried
    std::vector<PostStore> stored{};
};

// The node `node` (3 to 16), nullptr for any other value.
const PostNode* FindPostNode(int node);
// The follow-up of a click on `click` while answer `answer` (0 none) is selected.
const PostFollowUp* FindPostFollowUp(const PostNode& node, int click, int answer);

// ---- summary -------------------------------------------------------------------------------

enum class LineForm {
    Answer,        // indent + answer text
    Typed,         // indent + "--> " + typed value
    TypedIfAny,    // as Typed, only when the value is not empty
    TypedOrIndent, // as Typed when the value is not empty, else the indent alone
    CardName,      // indent + the card name (no "--> ")
    LineEnd,       // a line end alone
};
constexpr std::uint32_t kAlways = 0xFFFFFFFFu;

struct SummaryLine {
    std::uint32_t when = kAlways; // the field value that writes the line
    LineForm form = LineForm::Answer;
    const char* text = nullptr; // Answer
    PostText value = nullptr;   // typed forms and CardName
};

enum class SectionEnd {
    EmptyLine,           // always an empty line
    EmptyLineIfAnswered, // an empty line only when the section's field is answered
    EmptyLineIfCardName, // an empty line only when the card name is not empty
    None,
};

struct PostSection {
    const char* heading = nullptr; // nullptr: the lines continue the section before
    int firstNode = 0;             // the heading is marked while the page is at one of these
    int lastNode = 0;
    PostField field = PostField::None;
    std::vector<SummaryLine> lines{};
    SectionEnd end = SectionEnd::EmptyLine;
};

// The sections in the order the summary lists them.
const std::vector<PostSection>& PostSections();

} // namespace mirel
