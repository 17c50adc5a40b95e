#include "pages/DosExceptionDlg.h"

#include <array>
#include <string_view>

#include "platform/Text.h"

namespace mirel {
namespace {

// Values of the page: elements 0..16 the registers, 17 the remark (as in the record; element 18
// is the composed block).
constexpr std::size_t kRegisters = 17;
constexpr std::size_t kRemark = 17;

// The page's edits by element of m_astrDosException.
constexpr std::array<CExceptionPageDlg::Field, 18> kFields = {{
    {1226, 50},   // 0 Unhandled Exception
    {1227, 50},   // 1 at
    {1228, 50},   // 2 eax
    {1214, 50},   // 3 ebx
    {1215, 50},   // 4 ecx
    {1216, 50},   // 5 edx
    {1220, 50},   // 6 esi
    {1221, 50},   // 7 edi
    {1222, 50},   // 8 ebp
    {1223, 50},   // 9 esp
    {1224, 50},   // 10 eflags
    {1225, 50},   // 11 errorcode
    {1229, 50},   // 12 ss
    {1230, 50},   // 13 ds
    {1231, 50},   // 14 es
    {1232, 50},   // 15 fs
    {1233, 50},   // 16 gs
    {1150, 4000}, // 17 remark
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
        Refuse("Unkorrekte Angabe", "Das Feld \"at\" muss einen Doppelpunkt enthalten.", 1227);
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
