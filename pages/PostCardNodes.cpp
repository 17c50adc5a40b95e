#include "pages/PostCardNodes.h"
#include "res/templates/Template162.h"

#include <algorithm>

namespace mirel {
namespace {

using R = ReportRecord;

// ---- answer fields -------------------------------------------------------------------------

struct FieldBits {
    PostField field;
    int firstBit;
    int bitCount;
    PostField answeredBy; // None: answered when not 0; else answered while that field is
};

const FieldBits kFieldBits[] = {
    {PostField::CardKind, 0, 2, PostField::None},      {PostField::Occurrence, 2, 2, PostField::None},
    {PostField::AtxViolation, 5, 2, PostField::None},  {PostField::OperatingLeds, 7, 2, PostField::None},
    {PostField::PciClock, 9, 3, PostField::None},      {PostField::ResetLine, 12, 2, PostField::None},
    {PostField::PciError, 14, 2, PostField::None},     {PostField::PciActivity, 16, 2, PostField::None},
    {PostField::PostCode, 18, 2, PostField::None},     {PostField::PostFollowUp, 20, 1, PostField::PostCode},
    {PostField::PostCodeView, 18, 3, PostField::None}, {PostField::OsStart, 21, 2, PostField::None},
    {PostField::BeepCode, 23, 2, PostField::None},     {PostField::BootAbort, 25, 2, PostField::None},
};

const FieldBits* BitsOf(PostField field) {
    for (const FieldBits& b : kFieldBits)
        if (b.field == field)
            return &b;
    return nullptr;
}

std::uint32_t MaskOf(const FieldBits& b) {
    return ((1u << b.bitCount) - 1u) << b.firstBit;
}

// ---- texts used by several nodes -----------------------------------------------------------

const char* const kChooseOption = "ACHTUNG!\r\nBitte wählen Sie eine Option aus!";
const char* const kChooseMatchingOption = "ACHTUNG!\r\nBitte wählen Sie die entsprechende Option aus!";
const char* const kShortFlashQuestionInfo =
    "INFO:\r\nAlternativ können Sie auch den Reset-Knopf betätigen. Erlischt die LED nach kurzem aufleuchten "
    "wieder?";

// ---- nodes ---------------------------------------------------------------------------------

const std::vector<PostNode>& Nodes() {
    static const std::vector<PostNode> nodes = {
        {
            .node = 3, // card name, asked only for a card of another maker
            .question = "Bitte geben Sie Hersteller und Modell Ihrer\nDiagnosekarte an:",
            .lineShown = true,
            .lineText = &R::m_strOtherCard,
            .info = "INFO:\r\nSie können die Daten mit Komma getrennt eingeben.",
            .checks = {{Need::LineText, kAny, kAny,
                        "ACHTUNG!\r\nBitte geben Sie den Hersteller der Diagnosekarte ein!",
                        id162::kLineField}},
            .stored = {{PostField::None, kAny, kAny, 0, &R::m_strOtherCard}},
        },
        {
            .node = 4, // occurrence
            .question = "Tritt das Problem nur in einem bestimmtem Steckplatz oder mit einer bestimmten "
                        "Erweiterungskarte auf?",
            .answers = {"Ja, es ist von der Umgebung abhängig", "Nein, das Problem tritt immer auf"},
            .multiText = &R::m_strPostSlot,
            .info = "HINWEIS:\r\nDie von Ihnen gemachten Eingaben werden vollständig abgespeichert aber ggf. "
                    "verkürzt dargestellt.",
            .followUps =
                {
                    {.click = 1,
                     .sub = Asked(
                         "Ist das Problem abhängig von einem Steckplatz oder von einer Erweiterungskarte?",
                         {"Abhängig vom Steckplatz", "Abhängig von einer Erweiterungskarte"}),
                     .text = Shown("Bitte hier die Karte/den Steckplatz eintragen:")},
                    {.click = 2, .sub = kNotAsked, .text = kFieldHidden},
                },
            .checks =
                {
                    {Need::Answer, kAny, kAny, kChooseOption},
                    {Need::Option, 1, kAny, "ACHTUNG!\r\nBitte füllen Sie aller Felder aus!"},
                    {Need::MultiText, 1, kAny, "ACHTUNG!\r\nBitte füllen Sie aller Felder aus!"},
                },
            .stored =
                {
                    {PostField::Occurrence, 1, 3, 1, &R::m_strPostSlot},
                    {PostField::Occurrence, 1, 4, 2, &R::m_strPostSlot},
                    {PostField::Occurrence, 2, kAny, 3},
                },
        },
        {
            .node = 5, // ATX voltage violation
            .question = "Leuchten oder flackern beide roten LEDs \"ATX voltage violation\" ?",
            .answers = {"Ja", "Nein"},
            .info = "INFO:\r\nAuf der Karte finden Sie die LEDs oben links.",
            .checks = {{Need::Answer, kAny, kAny, kChooseOption}},
            .stored =
                {
                    {PostField::AtxViolation, 1, kAny, 1},
                    {PostField::AtxViolation, 2, kAny, 2},
                },
        },
        {
            .node = 6, // operating voltages
            .question = "Leuchten alle Betriebsspannungs-LEDs\n (4 x grün und 1 x gelb) ?",
            .answers = {"Ja", "Nein"},
            .lineText = &R::m_strPostDarkLeds,
            .info = "INFO:\r\nDie LEDs sind an der linken Seite des Boards angebracht.",
            .followUps =
                {
                    {.click = 1, .line = kFieldHidden},
                    {.click = 2, .line = Shown("Tragen Sie bitte ein, welche LEDs nicht leuchten:")},
                },
            .checks =
                {
                    {Need::Answer, kAny, kAny, kChooseOption},
                    {Need::LineText, 2, kAny, "ACHTUNG!\r\nBitte geben Sie an, welche LEDs nicht leuchten!",
                     id162::kLineField},
                },
            .stored =
                {
                    {PostField::OperatingLeds, 1, kAny, 1},
                    {PostField::OperatingLeds, 2, kAny, 2, &R::m_strPostDarkLeds},
                },
        },
        {
            .node = 7, // PCI clock
            .question = "Leuchten die grünen LEDs \"PCI clock\" ?",
            .answers = {"Ja, beide LEDs leuchten.", "Nein, eine oder beide leuchten nicht."},
            .info =
                "INFO:\r\nDie LEDs sind untereinander angebracht und mit \"High\" und \"Low\" bezeichnet.",
            .followUps =
                {
                    {.click = 1, .sub = kNotAsked},
                    {.click = 2,
                     .sub =
                         Asked("Welche der LEDs leuchtet ?", {"Nur die mit\"High\" bezeichnete LED leuchtet.",
                                                              "Nur die mit\"Low\" bezeichnete LED leuchtet.",
                                                              "Keine der beiden LEDs leuchtet."})},
                },
            .checks =
                {
                    {Need::Answer, kAny, kAny, kChooseOption},
                    {Need::Option, 2, kAny, "ACHTUNG!\r\nBitte geben Sie an, welche LEDs leuchten!"},
                },
            .stored =
                {
                    {PostField::PciClock, 1, kAny, 1},
                    {PostField::PciClock, 2, 3, 2},
                    {PostField::PciClock, 2, 4, 3},
                    {PostField::PciClock, 2, 5, 4},
                },
        },
        {
            .node = 8, // Reset line
            .question = "Blinkt die gelbe LED \"Reset line\" nur beim Einschalten des PCs kurz auf?",
            .answers = {"Ja, die LED blinkt nur kurz auf.", "Nein, sie leuchtet/blinkt ständig."},
            .info = kShortFlashQuestionInfo,
            .checks = {{Need::Answer, kAny, kAny, kChooseOption}},
            .stored =
                {
                    {PostField::ResetLine, 1, kAny, 1},
                    {PostField::ResetLine, 2, kAny, 2},
                },
        },
        {
            .node = 9, // PCI error
            .question = "Blinkt die rote LED \"PCI error\" nur beim Einschalten des PCs kurz auf?",
            .answers = {"Ja, die LED blinkt nur kurz auf.", "Nein, sie leuchtet/blinkt ständig."},
            .info = kShortFlashQuestionInfo,
            .checks = {{Need::Answer, kAny, kAny, kChooseOption}},
            .stored =
                {
                    {PostField::PciError, 1, kAny, 1},
                    {PostField::PciError, 2, kAny, 2},
                },
        },
        {
            .node = 10, // PCI and INT activity
            .question = "Flackern/leuchten die beiden LEDs \"PCI activity\" (grün) und \"INT activity\" "
                        "(gelb) ständig?",
            .answers = {"Ja, die LEDs flackern/leuchten ständig.",
                        "Nein, sie leuchten nur beim Einschalten kurz auf."},
            .info = "INFO:\r\nDie LEDs sind auf der rechten Seite des Boards untereinander angeordnet.",
            .checks = {{Need::Answer, kAny, kAny, kChooseOption}},
            .stored =
                {
                    {PostField::PciActivity, 1, kAny, 1},
                    {PostField::PciActivity, 2, kAny, 2},
                },
        },
        {
            .node = 11, // BIOS
            .linePrompt = "Bitte geben Sie den Herstellernamen und die Versionsnummer Ihres BIOS ein:",
            .lineShown = true,
            .textPrompt = "Tragen Sie bitte das Ausgabedatum Ihres BIOS ein:",
            .textShown = true,
            .lineText = &R::m_strPostBios,
            .multiText = &R::m_strPostBiosDate,
            .info =
                "INFO:\r\nIm Quorix*Board-Diagnoseführer finden Sie eine Beschreibung, wie Sie diese Daten "
                "ermitteln können.",
            .checks =
                {
                    {Need::LineText, kAny, kAny, "ACHTUNG!\r\nBitte tragen Sie die geforderten Daten ein!",
                     id162::kLineField},
                    {Need::MultiText, kAny, kAny, "ACHTUNG!\r\nBitte tragen Sie die geforderten Daten ein!",
                     id162::kTextField},
                },
            .stored =
                {
                    {PostField::None, kAny, kAny, 0, &R::m_strPostBios},
                    {PostField::None, kAny, kAny, 0, &R::m_strPostBiosDate},
                },
        },
        {
            .node = 12, // POST code
            .question = "Ist der vom Quorix*Board angezeigte\nPOSTcode \"00\" oder \"FF\" ?",
            .answers = {"Ja", "Nein"},
            .multiText = &R::m_strPostCodes,
            .info = "INFO:\r\nDer Code erscheint oben auf dem \"POST display (Port 80h)\" des Boards.",
            .followUps =
                {
                    {.click = 1,
                     .sub = Asked("Wann ist der Code \"00\" oder \"FF\" zu sehen?",
                                  {"Er erscheint direkt nach dem Einschalten/Reset.",
                                   "Vorher laufen noch andere Codes durch."}),
                     .text = kFieldHidden},
                    {.click = 2,
                     .sub = Asked("Was ist auf der Anzeige zu sehen?",
                                  {"Es werden andere Codes angezeigt.", "Es wird gar kein Code angezeigt."}),
                     .text = kFieldHidden},
                    {.click = 3, .withAnswer = 1, .text = kFieldHidden},
                    {.click = 4,
                     .withAnswer = 1,
                     .text = Shown("Bitte tragen Sie die Codes wenn möglich ein:")},
                    {.click = 3, .withAnswer = 2, .text = Shown("Bitte tragen Sie den/die Codes ein.")},
                    {.click = 4, .withAnswer = 2, .text = kFieldHidden},
                },
            .checks =
                {
                    {Need::Answer, kAny, kAny, kChooseMatchingOption},
                    {Need::Option, kAny, kAny, kChooseMatchingOption},
                    {Need::MultiText, 1, 4, "ACHTUNG!\r\nBitte tragen Sie die entsprechenden Codes ein!",
                     id162::kTextField},
                    {Need::MultiText, 2, 3, "ACHTUNG!\r\nBitte tragen Sie die entsprechenden Codes ein!",
                     id162::kTextField},
                },
            .stored =
                {
                    {PostField::PostCode, 1, kAny, 1},
                    {PostField::PostCode, 2, kAny, 2},
                    {PostField::PostFollowUp, kAny, 3, 0},
                    {PostField::PostFollowUp, kAny, 4, 1},
                    {PostField::None, kAny, kAny, 0, &R::m_strPostCodes},
                },
        },
        {
            .node = 13, // operating system
            .subQuestion = "Startet bzw. läuft das Betriebssystem einwandfrei?",
            .options = {"Ja", "Nein", "Test nicht möglich, es ist kein System installiert."},
            .multiText = &R::m_strPostOsSymptoms,
            .followUps =
                {
                    {.click = 3, .text = kFieldHidden},
                    {.click = 4, .text = Shown("Bitte tragen Sie die Symptome/Fehlermeldung ein.")},
                    {.click = 5, .text = kFieldHidden},
                },
            .checks =
                {
                    {Need::Option, kAny, kAny, kChooseMatchingOption},
                    {Need::MultiText, kAny, 4, "ACHTUNG!\r\nBitte tragen Sie die Fehlermeldung ein!",
                     id162::kTextField},
                },
            .stored =
                {
                    {PostField::OsStart, kAny, 3, 1},
                    {PostField::OsStart, kAny, 4, 2, &R::m_strPostOsSymptoms},
                    {PostField::OsStart, kAny, 5, 3},
                },
        },
        {
            .node = 14, // beep code
            .question = "Ist, wenn das Problem auftritt, ein Beep-Code zu hören?",
            .answers = {"Ja", "Nein"},
            .lineText = &R::m_strPostBeepCode,
            .info = "Evtl. ertönt der Beep-Code bereits bei Einschalten des PCs.",
            .followUps =
                {
                    {.click = 1,
                     .line = Shown("Tragen Sie den Code bitte hier ein (siehe auch INFO):"),
                     .info = "INFO:\r\nVerwenden Sie für lange Töne ein Minus, für kurze einen Punkt."},
                    {.click = 2, .line = kFieldHidden},
                },
            .checks =
                {
                    {Need::Answer, kAny, kAny, kChooseOption},
                    {Need::LineText, 1, kAny,
                     "ACHTUNG! Bitte geben Sie den Beepcode ein! Punkt für kurze, Minus für lange Töne.",
                     id162::kLineField},
                },
            .stored =
                {
                    {PostField::BeepCode, 1, kAny, 1, &R::m_strPostBeepCode},
                    {PostField::BeepCode, 2, kAny, 2},
                },
        },
        {
            .node = 15, // boot abort
            .subQuestion = "Bricht der PC während des bootens ab?",
            .options = {"Nein", "Ja, ohne irgend eine Mitteilung.",
                        "Ja, es wird folgende Mitteilung angezeigt:"},
            .textShown = true,
            .textEnabled = false,
            .multiText = &R::m_strPostBootMessage,
            .info = "INFO:\r\nBricht der PC noch vor Laden des Betriebsystems ab?",
            .followUps =
                {
                    {.click = 3, .text = kFieldDisabled},
                    {.click = 4, .text = kFieldDisabled},
                    {.click = 5, .text = kFieldEnabled},
                },
            .checks =
                {
                    {Need::Option, kAny, kAny, kChooseOption},
                    {Need::MultiText, kAny, 5, "ACHTUNG!\r\n Bitte tragen Sie die Meldung ein!",
                     id162::kTextField},
                },
            .stored =
                {
                    {PostField::BootAbort, kAny, 3, 1},
                    {PostField::BootAbort, kAny, 4, 2},
                    {PostField::BootAbort, kAny, 5, 3, &R::m_strPostBootMessage},
                },
        },
        {
            .node = 16, // problem description
            .textPrompt = "Tragen Sie bitte die Problembeschreibung ein.",
            .textShown = true,
            .multiText = &R::m_strPostProblem,
            .info = "INFO:\r\nAlternativ können Sie hier auch Kommentare einfügen.",
            .checks = {{Need::MultiText, kAny, kAny,
                        "ACHTUNG!\r\nBitte schreiben Sie eine kurze Problembeschreibung!",
                        id162::kTextField}},
            .stored = {{PostField::None, kAny, kAny, 0, &R::m_strPostProblem}},
        },
    };
    return nodes;
}

// ---- summary -------------------------------------------------------------------------------

SummaryLine Line(std::uint32_t when, const char* text) {
    return {when, LineForm::Answer, text, nullptr};
}
SummaryLine Arrow(std::uint32_t when, PostText value) {
    return {when, LineForm::Typed, nullptr, value};
}
SummaryLine ArrowIfAny(PostText value) {
    return {kAlways, LineForm::TypedIfAny, nullptr, value};
}
SummaryLine ArrowOrIndent(PostText value) {
    return {kAlways, LineForm::TypedOrIndent, nullptr, value};
}
SummaryLine CardName(PostText value) {
    return {kAlways, LineForm::CardName, nullptr, value};
}
SummaryLine LineEndWhen(std::uint32_t when) {
    return {when, LineForm::LineEnd, nullptr, nullptr};
}

} // namespace

std::uint32_t GetPostField(std::uint32_t answers, PostField field) {
    const FieldBits* b = BitsOf(field);
    return b == nullptr ? 0 : (answers & MaskOf(*b)) >> b->firstBit;
}

void SetPostField(std::uint32_t& answers, PostField field, std::uint32_t value) {
    const FieldBits* b = BitsOf(field);
    if (b == nullptr)
        return;
    const std::uint32_t mask = MaskOf(*b);
    answers = (answers & ~mask) | ((value << b->firstBit) & mask);
}

bool IsPostFieldAnswered(std::uint32_t answers, PostField field) {
    const FieldBits* b = BitsOf(field);
    if (b == nullptr)
        return false;
    if (b->answeredBy != PostField::None)
        return IsPostFieldAnswered(answers, b->answeredBy);
    return GetPostField(answers, field) != 0;
}

const std::array<PostText, 10> kPostTexts = {
    &R::m_strOtherCard,    &R::m_strPostSlot,       &R::m_strPostBios,        &R::m_strPostBiosDate,
    &R::m_strPostCodes,    &R::m_strPostBeepCode,   &R::m_strPostBootMessage, &R::m_strPostProblem,
    &R::m_strPostDarkLeds, &R::m_strPostOsSymptoms,
};

const PostCardModel* FindPostCardModel(int version) {
    static const PostCardModel kModels[] = {
        {9, 1, "Lumicard PCI"},
        {10, 2, "Lumicard PCI plus\n                (Quorix*Board)"},
        {11, 3, nullptr},
    };
    for (const PostCardModel& m : kModels)
        if (m.version == version)
            return &m;
    return nullptr;
}

const PostNode* FindPostNode(int node) {
    const std::vector<PostNode>& nodes = Nodes();
    auto it = std::find_if(nodes.begin(), nodes.end(), [node](const PostNode& n) { return n.node == node; });
    return it == nodes.end() ? nullptr : &*it;
}

const PostFollowUp* FindPostFollowUp(const PostNode& node, int click, int answer) {
    for (const PostFollowUp& f : node.followUps)
        if (f.click == click && (f.withAnswer == kAny || f.withAnswer == answer))
            return &f;
    return nullptr;
}

const std::vector<PostSection>& PostSections() {
    static const std::vector<PostSection> sections = {
        {"Verwendete Karte:",
         3,
         3,
         PostField::CardKind,
         {CardName(&R::m_strOtherCard)},
         SectionEnd::EmptyLineIfCardName},
        {"Auftreten des Problems:",
         4,
         4,
         PostField::Occurrence,
         {
             Line(1, "Nur in bestimmtem Steckplatz:"),
             Arrow(1, &R::m_strPostSlot),
             Line(2, "Nur mit Erweiterungskarte:"),
             Arrow(2, &R::m_strPostSlot),
             Line(3, "Immer"),
         }},
        // Two halves: the ATX line (or an empty line while unanswered) ends without an empty
        // line; the LED half ends with one only when the LED question is answered.
        {"Betriebsspannungen:",
         5,
         6,
         PostField::AtxViolation,
         {
             Line(1, "ATX Voltage Violation leuchtet"),
             Line(2, "ATX Voltage V. leuchtet nicht"),
             LineEndWhen(0),
         },
         SectionEnd::None},
        {nullptr,
         5,
         6,
         PostField::OperatingLeds,
         {
             Line(1, "LEDs grün und gelb leuchten"),
             Line(2, "Folgende LEDs leuchten nicht:"),
             Arrow(2, &R::m_strPostDarkLeds),
         },
         SectionEnd::EmptyLineIfAnswered},
        {"Bustakt:",
         7,
         7,
         PostField::PciClock,
         {
             Line(1, "Beide PCI Clock leuchten"),
             Line(2, "Nur PCI Clock \"High\" leuchtet"),
             Line(3, "Nur PCI Clock \"Low\" leuchtet"),
             Line(4, "Keine PCI Clock leuchtet"),
         }},
        {"Reset Line:",
         8,
         8,
         PostField::ResetLine,
         {
             Line(1, "LED blinkt nur kurz auf"),
             Line(2, "LED leuchtet ständig"),
         }},
        {"PCI-Error:",
         9,
         9,
         PostField::PciError,
         {
             Line(1, "LED blinkt nur kurz auf"),
             Line(2, "LED leuchtet ständig"),
         }},
        {"PCI-Activity:",
         10,
         10,
         PostField::PciActivity,
         {
             Line(1, "LED leuchtet ständig"),
             Line(2, "LED blinkt nur kurz auf"),
         }},
        {"BIOS-Hersteller / Ausgabedatum:",
         11,
         11,
         PostField::None,
         {
             ArrowIfAny(&R::m_strPostBios),
             ArrowIfAny(&R::m_strPostBiosDate),
         }},
        // Bits 18-20 as one value: 1 yes/directly, 5 yes/other codes first, 2 no/other codes,
        // 6 no/no code at all.
        {"POST-Code:",
         12,
         12,
         PostField::PostCodeView,
         {
             Line(1, "FF bzw. 00 erscheint direkt"),
             Line(1, "nach dem einschalten"),
             Line(2, "Andere Codes sind zu sehen"),
             Arrow(2, &R::m_strPostCodes),
             Line(5, "Andere Codes erscheinen vor"),
             Line(5, "FF oder 00"),
             Arrow(5, &R::m_strPostCodes),
             Line(6, "Es wird gar kein Code angezeigt"),
         }},
        {"Start des Betriebssystems:",
         13,
         13,
         PostField::OsStart,
         {
             Line(1, "Problemlos"),
             Line(2, "Es gibt Probleme"),
             Arrow(2, &R::m_strPostOsSymptoms),
             Line(3, "Test nicht möglich"),
         }},
        {"Beep-Code:",
         14,
         14,
         PostField::BeepCode,
         {
             Line(1, "Es ist ein Beep-Code zu hören"),
             Arrow(1, &R::m_strPostBeepCode),
             Line(2, "Es ist kein Code zu hören"),
         }},
        {"PC bricht booten ab:",
         15,
         15,
         PostField::BootAbort,
         {
             Line(1, "Nein"),
             Line(2, "Ja, es kommt aber keine Meldung"),
             Line(3, "Ja, mit folgender Meldung:"),
             Arrow(3, &R::m_strPostBootMessage),
         }},
        {"Problembeschreibung:",
         16,
         16,
         PostField::None,
         {ArrowOrIndent(&R::m_strPostProblem)},
         SectionEnd::None},
    };
    return sections;
}

} // namespace mirel
