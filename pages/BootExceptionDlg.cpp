#include "pages/BootExceptionDlg.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "platform/Text.h"
#include "res/templates/Template136.h"

namespace mirel {
namespace {

// The page's edits by element of m_astrBootException (element 8 is the composed block).
constexpr std::array<CExceptionPageDlg::Field, 8> kFields = {{
    {id136::kRemark, 3000},  // 0 remark
    {id136::kException, 20}, // 1 Exception
    {id136::kAt, 20},        // 2 bei
    {id136::kS, 20},         // 3 S:
    {id136::kC, 20},         // 4 C:
    {id136::kCode, 20},      // 5 Code
    {id136::kStartLog, 20},  // 6 Startlog
    {id136::kLocked, 20},    // 7 Gesperrt (may stay empty)
}};
constexpr std::size_t kRemark = 0;
constexpr std::size_t kFirstValue = 1;
constexpr std::size_t kLastRequired = 6;

// Values that must hold one of some characters, tested in this order after the empty fields.
struct Rule {
    std::size_t element;
    std::string_view anyOf;
    int focus;
    std::string_view text;
};
constexpr Rule kRules[] = {
    {2, ":", id136::kAt, "Das Feld \"bei\" muss einen Doppelpunkt enthalten."},
    {3, ":", id136::kS, "Das Feld \"S:\" muss einen Doppelpunkt enthalten."},
    {4, ":", id136::kC, "Das Feld \"C:\" muss einen Doppelpunkt enthalten."},
    {6, "/\\", id136::kStartLog, "Das Feld \"Startlog:\" muss einen Schrägstrich enthalten."},
};

// "0028:0001A2F4" as "[0028]:0001A2F4": the part before the first colon in brackets.
std::string SegmentOffset(const std::string& value) {
    const std::size_t colon = value.find(':');
    if (colon == std::string::npos)
        return "[" + value + "]";
    return "[" + value.substr(0, colon) + "]:" + value.substr(colon + 1);
}

} // namespace

CBootExceptionDlg::CBootExceptionDlg(ReportRecord* pRecord)
    : CExceptionPageDlg(136, pRecord, kFields, pRecord->m_astrBootException.data(), kFirstValue,
                        kFields.size()) {}

bool CBootExceptionDlg::ValuesAccepted() {
    for (std::size_t i = kFirstValue; i <= kLastRequired; ++i) {
        if (m_astrValue[i].empty()) {
            Refuse("Unvollständige Angaben", "Bitte füllen Sie alle Felder aus.");
            return false;
        }
    }
    const Rule* const failed = std::ranges::find_if(kRules, [this](const Rule& rule) {
        return m_astrValue[rule.element].find_first_of(rule.anyOf) == std::string::npos;
    });
    if (failed == std::end(kRules))
        return true;
    Refuse("Unkorrekte Angabe", std::string(failed->text), failed->focus);
    return false;
}

void CBootExceptionDlg::BuildExceptionBlock() {
    const auto& v = m_pRecord->m_astrBootException;
    std::string block;
    if (m_bScreenshot == 0) {
        block = "\nAufgetretene Exception (selbstbootend):\n\n";
        block += "\tException " + v[1] + "\tbei " + v[2] + "\n";
        block += "\tS: " + SegmentOffset(v[3]) + "\tC: " + SegmentOffset(v[4]) + "\n";
        block += "\tCODE: " + v[5] + "\tStartlog: " + v[6] + "\n";
        block += "\tGesperrt: " + v[7] + "\n";
    } else {
        block = "\nEin Screenshot der Exception wurde beigefügt.\n";
    }
    // The block holds line feeds only, also where the remark has line breaks.
    const std::string& remark = v[kRemark];
    if (!remark.empty())
        block += "\tAnmerkung:" + CrLfToLf(remark) + "\n\n";
    else
        block += '\n';
    m_pRecord->m_astrBootException[8] = block;
    m_pRecord->m_astrDosException[18] = block;
}

} // namespace mirel
