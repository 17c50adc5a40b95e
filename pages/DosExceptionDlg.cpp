#include "pages/DosExceptionDlg.h"

#include <string_view>

#include "platform/Text.h"

namespace mirel {
namespace {

struct Field {
    int control;
    int limit; // characters the edit accepts
};

// The page's edits by element of m_astrDosException.
constexpr std::array<Field, 18> kFields = {{
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
    int element;
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

constexpr int kScreenshotBox = 1234;

} // namespace

CDosExceptionDlg::CDosExceptionDlg(ReportRecord* pRecord) : CPageDlg(133, pRecord) {}

void CDosExceptionDlg::DoDataExchange(DataExchange& dx) {
    for (std::size_t i = 0; i < kFields.size(); ++i)
        dx.Text(kFields[i].control, m_astrValue[i], kFields[i].limit);
    dx.Text(1171, m_strInfo, 400);
    dx.Check(kScreenshotBox, m_bScreenshot);
}

void CDosExceptionDlg::OnShowWindow() {
    ShowCommon();
    for (std::size_t i = 0; i < m_astrValue.size(); ++i)
        m_astrValue[i] = m_pRecord->m_astrDosException[i];
    m_bScreenshot = m_pRecord->m_bScreenshot != 0 ? 1 : 0;
    ApplyScreenshotState();
    UpdateData(false);
}

void CDosExceptionDlg::OnCommand(int id, Notify code) {
    switch (id) {
    case kScreenshotBox:
        if (code == Notify::Clicked)
            OnScreenshot();
        break;
    default:
        CPageDlg::OnCommand(id, code);
        break;
    }
}

void CDosExceptionDlg::OnScreenshot() {
    UpdateData(true);
    ApplyScreenshotState();
    UpdateData(false);
}

void CDosExceptionDlg::ApplyScreenshotState() {
    const bool ticked = m_bScreenshot != 0;
    m_strInfo = ticked ? "Bitte fügen Sie unbedingt den Screenshot der Exception der E-Mail bei!" : "";
    for (int i = 0; i < kRegisters; ++i)
        EnableItem(kFields[static_cast<std::size_t>(i)].control, !ticked);
}

void CDosExceptionDlg::OnNext() {
    UpdateData(true);
    if (m_bScreenshot == 0) {
        if (m_astrValue[1].find(':') == std::string::npos) {
            Refuse("Unkorrekte Angabe", "Das Feld \"at\" muss einen Doppelpunkt enthalten.", 1227);
            return;
        }
        SaveToRecord();
        for (int i = 0; i < kRegisters; ++i) {
            if (m_astrValue[static_cast<std::size_t>(i)].empty()) {
                Refuse("Unvollständige Angaben", "Bitte füllen Sie alle Felder aus.");
                return;
            }
        }
    } else {
        SaveToRecord();
    }
    BuildExceptionBlock();
    EndPage();
}

void CDosExceptionDlg::SaveToRecord() {
    UpdateData(true);
    for (std::size_t i = 0; i < m_astrValue.size(); ++i)
        m_pRecord->m_astrDosException[i] = m_astrValue[i];
    m_pRecord->m_bScreenshot = m_bScreenshot;
    StoreWindowRect();
}

void CDosExceptionDlg::BuildExceptionBlock() {
    const auto& v = m_pRecord->m_astrDosException;
    std::string block;
    if (m_bScreenshot == 0) {
        block = "\nAufgetretene Exception (unter DOS):\n\n";
        for (const BlockItem& item : kRegisterLines) {
            block += item.label;
            block += v[static_cast<std::size_t>(item.element)];
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
