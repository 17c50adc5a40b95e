#include "pages/DosExceptionDlg.h"

#include <array>
#include <string_view>

#include "platform/Text.h"
#include "res/templates/Template133.h"

namespace mirel {
namespace {

// Values of the page: elements 0..16 the registers, 17 the remark (as in the record; element 18
// is the composed block).
constexpr std::size_t kRegisters = 17;
constexpr std::size_t kRemark = 17;

// The page's edits by element of m_astrDosException.
constexpr std::array<CExceptionPageDlg::Field, 18> kFields = {{
    {id133::kException, 50}, // 0 Unhandled Exception
    {id133::kAt, 50},        // 1 at
    {id133::kEax, 50},       // 2 eax
    {id133::kEbx, 50},       // 3 ebx
    {id133::kEcx, 50},       // 4 ecx
    {id133::kEdx, 50},       // 5 edx
    {id133::kEsi, 50},       // 6 esi
    {id133::kEdi, 50},       // 7 edi
    {id133::kEbp, 50},       // 8 ebp
    {id133::kEsp, 50},       // 9 esp
    {id133::kEflags, 50},    // 10 eflags
    {id133::kErrorCode, 50}, // 11 errorcode
    {id133::kSs, 50},        // 12 ss
    {id133::kDs, 50},        // 13 ds
    {id133::kEs, 50},        // 14 es
    {id133::kFs, 50},        // 15 fs
    {id133::kGs, 50},        // 16 gs
    {id133::kRemark, 4000},  // 17 remark
}};

struct BlockItem {
    std::string_view label;
    std::size_t element;
    bool endsLine;
};

// The register lines of the exception block, one line of the block per row: label, element,
// line end after the value.
// clang-format off
constexpr BlockItem kRegisterLines[] = {
    {"\tUnhandled Exception ", 0, false}, {"\tat ", 1, false}, {"\teax = ", 2, true},
    {"\tebx = ", 3, false}, {"\tecx = ", 4, false}, {"\tedx = ", 5, true},
    {"\tesi = ", 6, false}, {"\tedi = ", 7, false}, {"\tebp = ", 8, true},
    {"\tesp = ", 9, false}, {"\teflags = ", 10, false}, {"\terrorcode = ", 11, true},
    {"\tss = ", 12, false}, {"\tds = ", 13, false}, {"\tes = ", 14, false}, {"\tfs = ", 15, false}, {"\tgs = ", 16, true},
};
// clang-format on

} // namespace

CDosExceptionDlg::CDosExceptionDlg(ReportRecord* pRecord)
    : CExceptionPageDlg(133, pRecord, kFields, pRecord->m_astrDosException.data(), 0, kRegisters) {}

bool CDosExceptionDlg::ValuesAccepted() {
    if (m_astrValue[1].find(':') == std::string::npos) {
        Refuse("Unkorrekte Angabe", "Das Feld \"at\" muss einen Doppelpunkt enthalten.", id133::kAt);
        return false;
    }
    // The values are kept in the record even when one of them is still missing.
    SaveToRecord();
    for (std::size_t i = 0; i < kRegisters; ++i) {
        if (m_astrValue[i].empty()) {
            Refuse("Unvollständige Angaben", "Bitte füllen Sie alle Felder aus.");
            return false;
        }
    }
    return true;
}

void CDosExceptionDlg::BuildExceptionBlock() {
    const auto& v = m_pRecord->m_astrDosException;
    std::string block;
    if (m_bScreenshot == 0) {
        block = "\nAufgetretene Exception (unter DOS):\n\n";
        for (const BlockItem& item : kRegisterLines) {
            block += item.label;
            block += v[item.element];
            if (item.endsLine)
                block += '\n';
        }
    } else {
        block = "\nEin Screenshot der Exception wurde beigefügt.\n";
    }
    // The block holds line feeds only, also where the remark has line breaks.
    const std::string& remark = v[kRemark];
    if (!remark.empty())
        block += "\tAnmerkung: " + CrLfToLf(remark) + "\n\n";
    else
        block += '\n';
    m_pRecord->m_astrDosException[18] = block;
}

} // namespace mirel
