// The answer word of the POST card page and the summary it writes: every field keeps to its own
// bits, and every answer value of every summary section appears as the box shows it (values
// shortened, current heading marked) and as the report receives it (values whole, no marker).
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "pages/PostCardDlg.h"
#include "tests/unit/Harness.h"

namespace mirel {
namespace {

const std::string M(8, ' ');  // heading margin
const std::string I(16, ' '); // answer indent

TEST(PostCardAnswers, EveryFieldWritesOnlyItsOwnBits) {
    struct Case {
        PostField field;
        std::uint32_t mask;
    };
    const std::vector<Case> cases = {
        {PostField::CardKind, 0x3},          {PostField::Occurrence, 0xC},
        {PostField::AtxViolation, 0x60},     {PostField::OperatingLeds, 0x180},
        {PostField::PciClock, 0xE00},        {PostField::ResetLine, 0x3000},
        {PostField::PciError, 0xC000},       {PostField::PciActivity, 0x30000},
        {PostField::PostCode, 0xC0000},      {PostField::PostFollowUp, 0x100000},
        {PostField::PostCodeView, 0x1C0000}, {PostField::OsStart, 0x600000},
        {PostField::BeepCode, 0x1800000},    {PostField::BootAbort, 0x6000000},
    };
    for (const Case& c : cases) {
        const int shift = std::countr_zero(c.mask);
        const std::uint32_t max = c.mask >> shift;
        for (const std::uint32_t background : {0u, 0xFFFFFFFFu, 0x5A5A5A5Au}) {
            for (std::uint32_t value = 0; value <= max; ++value) {
                std::uint32_t word = background;
                SetPostField(word, c.field, value);
                EXPECT_EQ(GetPostField(word, c.field), value) << c.mask << " " << value;
                EXPECT_EQ(word & c.mask, value << shift) << c.mask << " " << value;
                EXPECT_EQ(word & ~c.mask, background & ~c.mask) << c.mask << " " << value;
            }
            // A value wider than the field cannot spill into the neighbours.
            std::uint32_t word = background;
            SetPostField(word, c.field, max + 1);
            EXPECT_EQ(word & ~c.mask, background & ~c.mask) << c.mask;
        }
    }
}

TEST(PostCardAnswers, FollowUpOfThePostCodeIsAnsweredOnlyWithTheCode) {
    // Bit 20 holds a choice even when it is 0, but only while bits 18-19 hold an answer.
    struct Case {
        std::uint32_t word;
        PostField field;
        bool answered;
    };
    const std::vector<Case> cases = {
        {0x0, PostField::PostFollowUp, false},     {0x40000, PostField::PostFollowUp, true},
        {0x140000, PostField::PostFollowUp, true}, {0x100000, PostField::PostFollowUp, false},
        {0x0, PostField::OsStart, false},          {0x200000, PostField::OsStart, true},
        {0xFFFFFFFF, PostField::Occurrence, true}, {0xFFFFFFF3, PostField::Occurrence, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsPostFieldAnswered(c.word, c.field), c.answered) << std::hex << c.word;
}

ReportRecord Prepared(int version) {
    ReportRecord r;
    ResetForRun(r);
    r.m_nVersion = version;
    r.m_strTitle = "Titel";
    r.m_strPostProblem = "Bleibt stehen";
    return r;
}

struct Summaries {
    std::string box;    // the summary box shown at node 16
    std::string stored; // m_strPostCardText after Next on node 16
};

Summaries SummariesAtLastNode(ReportRecord r) {
    r.m_nPostNode = 16;
    Summaries s;
    {
        ReportRecord shown = r;
        CPostCardDlg page(&shown);
        test::RunPage(page, "");
        s.box = page.GetItemText(1197);
    }
    CPostCardDlg page(&r);
    // A description of blanks passes the check and is stored empty.
    const auto result = test::RunPage(
        page, std::string(r.m_strPostProblem.empty() ? "type 1092 \" \"\n" : "") + "click 1016\n");
    EXPECT_EQ(result.log, "page CPostCardDlg\n");
    s.stored = r.m_strPostCardText;
    return s;
}

bool IsHeadingLine(const std::string& line) {
    return line.rfind("|==> ", 0) == 0 || (line.size() > 8 && line.rfind(M, 0) == 0 && line[8] != ' ');
}

// The lines of the section with `heading`, up to the next heading, each with its "\r\n".
std::string SectionOf(const std::string& summary, const std::string& heading) {
    std::string section;
    bool inside = false;
    for (std::size_t pos = 0; pos < summary.size();) {
        std::size_t end = summary.find("\r\n", pos);
        end = end == std::string::npos ? summary.size() : end + 2;
        const std::string line = summary.substr(pos, end - pos);
        pos = end;
        if (IsHeadingLine(line)) {
            if (inside)
                break;
            inside = line.find(heading) != std::string::npos;
        }
        if (inside)
            section += line;
    }
    return section;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

struct SectionCase {
    const char* heading;
    std::vector<std::pair<PostField, std::uint32_t>> answers;
    std::vector<std::pair<PostText, std::string>> texts;
    std::vector<std::string> box;    // the section's lines in the box
    std::vector<std::string> stored; // in the stored text; empty: as in the box
};

void RunSectionCases(int version, const std::vector<SectionCase>& cases) {
    for (const SectionCase& c : cases) {
        ReportRecord r = Prepared(version);
        for (const auto& [field, value] : c.answers)
            SetPostField(r.m_dwPostAnswers, field, value);
        for (const auto& [text, value] : c.texts)
            r.*text = value;
        const Summaries s = SummariesAtLastNode(r);
        const std::string where = std::string(c.heading) + " " + std::to_string(r.m_dwPostAnswers);
        EXPECT_EQ(SectionOf(s.box, c.heading), Lines(c.box)) << where;
        EXPECT_EQ(SectionOf(s.stored, c.heading), Lines(c.stored.empty() ? c.box : c.stored)) << where;
    }
}

TEST(PostCardSummary, EveryAnswerOfEverySection) {
    using F = PostField;
    using R = ReportRecord;
    const std::string longSlot = "PCI-Steckplatz Nummer 3";
    const std::vector<SectionCase> cases = {
        {"Auftreten", {}, {{&R::m_strPostSlot, "AGP"}}, {M + "Auftreten des Problems:", ""}, {}},
        {"Auftreten",
         {{F::Occurrence, 1}},
         {{&R::m_strPostSlot, "AGP"}},
         {M + "Auftreten des Problems:", I + "Nur in bestimmtem Steckplatz:", I + "--> AGP", ""},
         {}},
        {"Auftreten",
         {{F::Occurrence, 2}},
         {{&R::m_strPostSlot, longSlot}},
         {M + "Auftreten des Problems:", I + "Nur mit Erweiterungskarte:", I + "--> PCI-Steckplatz Nu", ""},
         {M + "Auftreten des Problems:", I + "Nur mit Erweiterungskarte:", I + "--> " + longSlot, ""}},
        // The slot text is kept, but "always" neither shows nor prints it.
        {"Auftreten",
         {{F::Occurrence, 3}},
         {{&R::m_strPostSlot, "AGP"}},
         {M + "Auftreten des Problems:", I + "Immer", ""},
         {}},
        // Voltages: the ATX half ends with one line end, the LED half with its own empty line.
        {"Betriebsspannungen", {}, {}, {M + "Betriebsspannungen:", ""}, {}},
        {"Betriebsspannungen",
         {{F::AtxViolation, 1}},
         {},
         {M + "Betriebsspannungen:", I + "ATX Voltage Violation leuchtet"},
         {}},
        {"Betriebsspannungen",
         {{F::AtxViolation, 2}, {F::OperatingLeds, 1}},
         {},
         {M + "Betriebsspannungen:", I + "ATX Voltage V. leuchtet nicht", I + "LEDs grün und gelb leuchten",
          ""},
         {}},
        {"Betriebsspannungen",
         {{F::OperatingLeds, 2}},
         {{&R::m_strPostDarkLeds, "gelb"}},
         {M + "Betriebsspannungen:", "", I + "Folgende LEDs leuchten nicht:", I + "--> gelb", ""},
         {}},
        {"Bustakt", {{F::PciClock, 1}}, {}, {M + "Bustakt:", I + "Beide PCI Clock leuchten", ""}, {}},
        {"Bustakt", {{F::PciClock, 2}}, {}, {M + "Bustakt:", I + "Nur PCI Clock \"High\" leuchtet", ""}, {}},
        {"Bustakt", {{F::PciClock, 3}}, {}, {M + "Bustakt:", I + "Nur PCI Clock \"Low\" leuchtet", ""}, {}},
        {"Bustakt", {{F::PciClock, 4}}, {}, {M + "Bustakt:", I + "Keine PCI Clock leuchtet", ""}, {}},
        {"Bustakt", {}, {}, {M + "Bustakt:", ""}, {}},
        {"Reset Line", {{F::ResetLine, 1}}, {}, {M + "Reset Line:", I + "LED blinkt nur kurz auf", ""}, {}},
        {"Reset Line", {{F::ResetLine, 2}}, {}, {M + "Reset Line:", I + "LED leuchtet ständig", ""}, {}},
        {"PCI-Error", {{F::PciError, 1}}, {}, {M + "PCI-Error:", I + "LED blinkt nur kurz auf", ""}, {}},
        {"PCI-Error", {{F::PciError, 2}}, {}, {M + "PCI-Error:", I + "LED leuchtet ständig", ""}, {}},
        {"PCI-Activity",
         {{F::PciActivity, 1}},
         {},
         {M + "PCI-Activity:", I + "LED leuchtet ständig", ""},
         {}},
        {"PCI-Activity",
         {{F::PciActivity, 2}},
         {},
         {M + "PCI-Activity:", I + "LED blinkt nur kurz auf", ""},
         {}},
        {"BIOS", {}, {}, {M + "BIOS-Hersteller / Ausgabedatum:", ""}, {}},
        {"BIOS",
         {},
         {{&R::m_strPostBiosDate, "12/24/2001"}},
         {M + "BIOS-Hersteller / Ausgabedatum:", I + "--> 12/24/2001", ""},
         {}},
        {"BIOS",
         {},
         {{&R::m_strPostBios, "Award Modular BIOS v6.00PG"}, {&R::m_strPostBiosDate, "12/24/2001"}},
         {M + "BIOS-Hersteller / Ausgabedatum:", I + "--> Award Modular BIO", I + "--> 12/24/2001", ""},
         {M + "BIOS-Hersteller / Ausgabedatum:", I + "--> Award Modular BIOS v6.00PG", I + "--> 12/24/2001",
          ""}},
        {"POST-Code",
         {{F::PostCode, 1}},
         {{&R::m_strPostCodes, "E3"}},
         {M + "POST-Code:", I + "FF bzw. 00 erscheint direkt", I + "nach dem einschalten", ""},
         {}},
        {"POST-Code",
         {{F::PostCode, 1}, {F::PostFollowUp, 1}},
         {{&R::m_strPostCodes, "E3"}},
         {M + "POST-Code:", I + "Andere Codes erscheinen vor", I + "FF oder 00", I + "--> E3", ""},
         {}},
        // A free-text line is written for its answer even while the text is empty.
        {"POST-Code",
         {{F::PostCode, 2}},
         {},
         {M + "POST-Code:", I + "Andere Codes sind zu sehen", I + "--> ", ""},
         {}},
        {"POST-Code",
         {{F::PostCode, 2}, {F::PostFollowUp, 1}},
         {{&R::m_strPostCodes, "E3"}},
         {M + "POST-Code:", I + "Es wird gar kein Code angezeigt", ""},
         {}},
        {"POST-Code", {{F::PostFollowUp, 1}}, {}, {M + "POST-Code:", ""}, {}},
        {"Start des", {{F::OsStart, 1}}, {}, {M + "Start des Betriebssystems:", I + "Problemlos", ""}, {}},
        // A typed line break is one blank in the box and one CR LF in the stored text.
        {"Start des",
         {{F::OsStart, 2}},
         {{&R::m_strPostOsSymptoms, "Bluescreen\r\nSTOP 0x0000007B"}},
         {M + "Start des Betriebssystems:", I + "Es gibt Probleme", I + "--> Bluescreen STOP ", ""},
         {M + "Start des Betriebssystems:", I + "Es gibt Probleme", I + "--> Bluescreen", "STOP 0x0000007B",
          ""}},
        {"Start des",
         {{F::OsStart, 3}},
         {},
         {M + "Start des Betriebssystems:", I + "Test nicht möglich", ""},
         {}},
        {"Beep-Code",
         {{F::BeepCode, 1}},
         {{&R::m_strPostBeepCode, "-.."}},
         {M + "Beep-Code:", I + "Es ist ein Beep-Code zu hören", I + "--> -..", ""},
         {}},
        {"Beep-Code",
         {{F::BeepCode, 2}},
         {{&R::m_strPostBeepCode, "-.."}},
         {M + "Beep-Code:", I + "Es ist kein Code zu hören", ""},
         {}},
        {"PC bricht", {{F::BootAbort, 1}}, {}, {M + "PC bricht booten ab:", I + "Nein", ""}, {}},
        {"PC bricht",
         {{F::BootAbort, 2}},
         {{&R::m_strPostBootMessage, "Disk Boot Failure"}},
         {M + "PC bricht booten ab:", I + "Ja, es kommt aber keine Meldung", ""},
         {}},
        {"PC bricht",
         {{F::BootAbort, 3}},
         {{&R::m_strPostBootMessage, "Disk Boot Failure, insert system disk"}},
         {M + "PC bricht booten ab:", I + "Ja, mit folgender Meldung:", I + "--> Disk Boot Failure", ""},
         {M + "PC bricht booten ab:", I + "Ja, mit folgender Meldung:",
          I + "--> Disk Boot Failure, insert system disk", ""}},
        // The last section: marked in the box (node 16), no empty line after it.
        {"Problembeschreibung",
         {},
         {{&R::m_strPostProblem, "Kein Bild nach dem Einschalten"}},
         {"|==> Problembeschreibung:", I + "--> Kein Bild nach de"},
         {M + "Problembeschreibung:", I + "--> Kein Bild nach dem Einschalten"}},
        {"Problembeschreibung",
         {},
         {{&R::m_strPostProblem, ""}},
         {"|==> Problembeschreibung:", I},
         {M + "Problembeschreibung:", I}},
    };
    RunSectionCases(9, cases);
}

TEST(PostCardSummary, CardNameByVersion) {
    using R = ReportRecord;
    struct Case {
        int version;
        std::string name;
        std::vector<std::string> box;
        std::vector<std::string> stored;
    };
    // The own models' names are never shortened (the "plus" name spans two lines); a typed
    // name is cut to 17 characters in the box only.
    const std::vector<Case> cases = {
        {9, "Lumicard PCI", {M + "Verwendete Karte:", I + "Lumicard PCI", ""}, {}},
        {10,
         "Lumicard PCI plus\n" + I + "(Quorix*Board)",
         {M + "Verwendete Karte:", I + "Lumicard PCI plus", I + "(Quorix*Board)", ""},
         {}},
        {11,
         "Acme Post-Tester 3000, Rev B",
         {M + "Verwendete Karte:", I + "Acme Post-Tester ", ""},
         {M + "Verwendete Karte:", I + "Acme Post-Tester 3000, Rev B", ""}},
        {11, "", {M + "Verwendete Karte:", I}, {}},
    };
    for (const Case& c : cases) {
        RunSectionCases(c.version,
                        {{"Verwendete Karte", {}, {{&R::m_strOtherCard, c.name}}, c.box, c.stored}});
    }
}

TEST(PostCardSummary, ExampleSectionExactly) {
    ReportRecord r = Prepared(9);
    SetPostField(r.m_dwPostAnswers, PostField::Occurrence, 1);
    r.m_strPostSlot = "AGP";
    const std::string stored = SummariesAtLastNode(r).stored;
    EXPECT_NE(
        stored.find("\r\n        Auftreten des Problems:\r\n                Nur in bestimmtem Steckplatz:\r\n"
                    "                --> AGP\r\n\r\n        Betriebsspannungen:"),
        std::string::npos)
        << stored;
}

TEST(PostCardSummary, OnlyTheCurrentNodesHeadingIsMarked) {
    const std::vector<std::pair<int, std::vector<std::string>>> cases = {
        {3, {"Verwendete Karte:"}},
        {4, {"Auftreten des Problems:"}},
        {5, {"Betriebsspannungen:"}},
        {6, {"Betriebsspannungen:"}},
        {7, {"Bustakt:"}},
        {8, {"Reset Line:"}},
        {9, {"PCI-Error:"}},
        {10, {"PCI-Activity:"}},
        {11, {"BIOS-Hersteller / Ausgabedatum:"}},
        {12, {"POST-Code:"}},
        {13, {"Start des Betriebssystems:"}},
        {14, {"Beep-Code:"}},
        {15, {"PC bricht booten ab:"}},
        {16, {"Problembeschreibung:"}},
    };
    for (const auto& [node, marked] : cases) {
        ReportRecord r = Prepared(11);
        r.m_nPostNode = node;
        CPostCardDlg page(&r);
        test::RunPage(page, "");
        const std::string box = page.GetItemText(1197);
        std::vector<std::string> found;
        int headings = 0;
        for (std::size_t pos = 0; pos < box.size();) {
            const std::size_t end = box.find("\r\n", pos);
            const std::string line = box.substr(pos, end - pos);
            pos = end + 2;
            headings += IsHeadingLine(line) ? 1 : 0;
            if (line.rfind("|==> ", 0) == 0)
                found.push_back(line.substr(5));
        }
        EXPECT_EQ(found, marked) << node;
        EXPECT_EQ(headings, 13) << node;
    }
}

} // namespace
} // namespace mirel
