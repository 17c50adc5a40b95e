#include "report/BuildReport.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "platform/Text.h"
#include "report/TextConvert.h"

namespace mirel {
namespace {

using Record = ReportRecord;

// ---- value lists ----

constexpr std::array<const char*, 8> kDosTypes = {
    "MS-DOS", "DR-DOS", "NW-DOS", "PTS-DOS", "IBM-DOS", "Free-DOS", "Caldera-DOS", "Siehe \"Anmerkung\"",
};

constexpr std::array<const char*, 3> kReproducible = {
    "identisch reproduzierbar",
    "ähnlich reproduzierbar",
    "nicht reproduzierbar",
};

constexpr std::array<const char*, 11> kWindowsNames = {
    "Server 2003", "XP", "2000", "NT 4.0", "NT 3.x", "ME", "98 SE", "98", "95 OSR 2", "95", "3.1x",
};

// The entry `index` of a value list; an index outside the list gives nothing.
template <std::size_t N> std::string Pick(const std::array<const char*, N>& list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? list[static_cast<std::size_t>(index)] : "";
}

std::string Or(const std::string& value, const char* ifEmpty) {
    return value.empty() ? ifEmpty : value;
}

// ---- products and versions ----

enum class Block { Test, Info, Windows, PostCard, Vexometer };

struct Version {
    const char* name;               // product name as the report prints it
    bool otherCard;                 // the name is followed by the card name the user typed
    Block block;                    // program information block
    std::string Record::*versionNo; // copied into m_strVersionNo; nullptr = left as it is
};

// Version indices 0..13.
const std::array<Version, 14> kVersions = {{
    {"Quorix*Test - Vollversion", false, Block::Test, &Record::m_strTestVersion},
    {"Quorix*Test - Demoversion", false, Block::Test, &Record::m_strTestVersion},
    {"Quorix*Test - OEM-Version", false, Block::Test, &Record::m_strTestVersion},
    {"Quorix*Test - Händlertestversion", false, Block::Test, &Record::m_strTestVersion},
    {"Quorix*Info - Vollversion", false, Block::Info, &Record::m_strInfoVersion},
    {"Quorix*Info - Demoversion", false, Block::Info, &Record::m_strInfoVersion},
    {"Quorix*Win - Professional", false, Block::Windows, &Record::m_strWinVersion},
    {"Quorix*Win - Personal Edition", false, Block::Windows, &Record::m_strWinVersion},
    {"Quorix*Win - Demoversion", false, Block::Windows, &Record::m_strWinVersion},
    {"Quorix*Board - Lumicard", false, Block::PostCard, nullptr},
    {"Quorix*Board - Lumicard plus", false, Block::PostCard, nullptr},
    {"Quorix*Board - ", true, Block::PostCard, nullptr},
    {"Vexometer - Vollversion", false, Block::Vexometer, &Record::m_strTestVersion},
    {"Vexometer - Demoversion", false, Block::Vexometer, &Record::m_strTestVersion},
}};

const Version* VersionOf(const Record& r) {
    if (r.m_nVersion < 0 || static_cast<std::size_t>(r.m_nVersion) >= kVersions.size())
        return nullptr;
    return &kVersions[static_cast<std::size_t>(r.m_nVersion)];
}

// ---- report lines ----

// One indented line: label, value and the condition under which it is printed. A label that
// is the whole line has no value.
struct Line {
    const char* label;
    std::string (*value)(const Record&);
    bool (*shown)(const Record&);
};

bool Always(const Record&) {
    return true;
}
std::string Nothing(const Record&) {
    return "";
}

const std::array<Line, 6> kPersonalLines = {{
    {"Firma:\t\t\t", [](const Record& r) { return r.m_strCompany; }, Always},
    {"Kundennummer:\t\t", [](const Record& r) { return r.m_strCustomerNo; },
     [](const Record& r) { return !r.m_strCustomerNo.empty(); }},
    {"Ansprechpartner:\t\t", [](const Record& r) { return r.m_strContact; }, Always},
    {"Telefon:    \t\t", [](const Record& r) { return r.m_strPhone; }, Always},
    {"Fax:\t\t\t", [](const Record& r) { return r.m_strFax; },
     [](const Record& r) { return !r.m_strFax.empty(); }},
    {"E-Mail:\t\t\t", [](const Record& r) { return r.m_strEmail; }, Always},
}};

bool TestUnderDos(const Record& r) {
    return r.m_nTestStartDos != 0;
}
bool TestOtherMedium(const Record& r) {
    return r.m_nTestOtherMedium != 0;
}

// The test product and the Vexometer product; the batch line belongs to the test product only.
const std::array<Line, 9> kTestLines = {{
    {"Version:    \t\t", [](const Record& r) { return r.m_strProductName + " " + r.m_strTestVersion; },
     Always},
    {"Programmstart:\t\t",
     [](const Record& r) { return std::string(TestUnderDos(r) ? "unter DOS" : "selbstbootend"); }, Always},
    {"DOS-Typ:    \t\t", [](const Record& r) { return Pick(kDosTypes, r.m_nTestDosType); }, TestUnderDos},
    {"DOS-Version:\t\t", [](const Record& r) { return r.m_strTestDosVersion; }, TestUnderDos},
    {"Startmedium:\t\t", [](const Record& r) { return TestOtherMedium(r) ? r.m_strTestMedium : "Diskette"; },
     Always},
    {"Bei Diskettenstart: \t",
     [](const Record& r) { return std::string(r.m_bTestFloppySame != 0 ? "selber Fehler" : "kein Fehler"); },
     TestOtherMedium},
    {"Start aus Batch heraus:\t",
     [](const Record& r) { return std::string(r.m_bTestFromBatch != 0 ? "Ja" : "Nein"); },
     [](const Record& r) { return TestUnderDos(r) && VersionOf(r)->block == Block::Test; }},
    {"Der Fehler ist:\t\t", [](const Record& r) { return Pick(kReproducible, r.m_nTestReproducible); },
     Always},
    {"Anmerkung:  \t\t", [](const Record& r) { return Or(r.m_strTestNote, "Keine"); }, Always},
}};

std::string InfoStart(const Record& r) {
    switch (r.m_nInfoStartEnv) {
    case 0:
        return "unter Windows " + Pick(kWindowsNames, r.m_nInfoWinVersion);
    case 1:
        return "unter DOS " + r.m_strInfoDetail;
    case 2:
        return "unter selbstbootendem Quorix*Test " + r.m_strInfoDetail;
    default:
        return "";
    }
}

const std::array<Line, 5> kInfoLines = {{
    {"Version:    \t\t", [](const Record& r) { return r.m_strProductName + " " + r.m_strInfoVersion; },
     Always},
    {"Programmstart:\t\t", InfoStart, Always},
    // The NT-family entries come first in the list; only they have a service pack line.
    {"Service Pack:\t\t", [](const Record& r) { return r.m_strInfoDetail; },
     [](const Record& r) { return r.m_nInfoStartEnv == 0 && r.m_nInfoWinVersion < 5; }},
    {"Aufruf Batch-Modus: \t", [](const Record& r) { return Or(r.m_strInfoBatch, "Keiner"); }, Always},
    {"Anmerkung:  \t\t", [](const Record& r) { return Or(r.m_strInfoNote, "Keine"); }, Always},
}};

const std::array<Line, 10> kWindowsLines = {{
    {"Version:    \t\t", [](const Record& r) { return r.m_strProductName + " " + r.m_strWinVersion; },
     Always},
    {"Programmstart:\t\t",
     [](const Record& r) {
         return r.m_nWinStartFrom == 0 ? std::string("von Festplatte") : "von " + r.m_strWinMedium;
     },
     Always},
    {"Betriebssystem:\t\t", [](const Record& r) { return r.m_strWinOs; }, Always},
    {"Service Pack:\t\t", [](const Record& r) { return r.m_strWinServicePack; },
     [](const Record& r) { return !r.m_strWinServicePack.empty(); }},
    {"IE-Version: \t\t", [](const Record& r) { return r.m_strWinIeVersion; }, Always},
    {"Aufruf Batch-Modus: \t", [](const Record& r) { return Or(r.m_strWinBatch, "Keiner"); }, Always},
    {"Administrator Rechte:  \t",
     [](const Record& r) { return std::string(r.m_nWinAdmin == 0 ? "Ja" : "Nein"); },
     [](const Record& r) { return r.m_nWinAdmin != -1; }},
    {"Mit Admin-Rechten:  \tDas Problem tritt ebenfalls auf", Nothing,
     [](const Record& r) { return r.m_nWinAdmin != -1 && r.m_nWinAdmin != 0 && r.m_bWinAdminSame != 0; }},
    {"Der Fehler ist:\t\t", [](const Record& r) { return Pick(kReproducible, r.m_nWinReproducible); },
     Always},
    {"Anmerkung:  \t\t", [](const Record& r) { return Or(r.m_strWinNote, "Keine"); }, Always},
}};

// Appends the printed lines of a table, each indented, then one empty line.
template <std::size_t N>
void AppendLines(std::string& text, const std::array<Line, N>& lines, const Record& r) {
    for (const Line& line : lines) {
        if (!line.shown(r))
            continue;
        text += "    ";
        text += line.label;
        text += line.value(r);
        text += '\n';
    }
    text += '\n';
}

} // namespace

std::string BuildReport(ReportRecord& r, const LocalTime& now) {
    std::string text;
    text.reserve(4096 + r.m_strQuestionText.size() + r.m_astrHardware[0].size() + r.m_strPostCardText.size());

    // Header.
    char time[16];
    std::snprintf(time, sizeof time, "%.2i:%.2i", now.hour, now.minute);
    text += r.m_strTitle + "\n";
    text += "Reportdatei vom " + r.m_strDate + "  " + time + "\n";
    text += std::string(59, '=') + "\n\n";

    // Personal data.
    text += "Persönliche Daten:\n";
    AppendLines(text, kPersonalLines, r);

    // Product name and program information.
    const Version* version = VersionOf(r);
    r.m_strProductName = version == nullptr ? "" : version->name;
    if (version != nullptr && version->otherCard)
        r.m_strProductName += r.m_strOtherCard;
    if (version != nullptr && version->versionNo != nullptr)
        r.m_strVersionNo = r.*(version->versionNo);

    text += "Programminfo:\n";
    if (version != nullptr) {
        switch (version->block) {
        case Block::Test:
        case Block::Vexometer:
            AppendLines(text, kTestLines, r);
            break;
        case Block::Info:
            AppendLines(text, kInfoLines, r);
            break;
        case Block::Windows:
            AppendLines(text, kWindowsLines, r);
            break;
        case Block::PostCard:
            RemoveCr(r.m_strPostCardText);
            text += r.m_strPostCardText + "\n\n";
            break;
        }
    }

    // The blocks other pages composed.
    text += r.m_strQuestionText;
    if (r.m_nExceptionPage != 0)
        text += r.m_astrDosException[18];
    text += r.m_astrHardware[0];

    // Values typed into multi-line boxes carry CR LF; the report uses LF until the last step, so
    // every line end comes out as one CR LF.
    RemoveCr(text);
    return LfToCrLf(text);
}

} // namespace mirel
