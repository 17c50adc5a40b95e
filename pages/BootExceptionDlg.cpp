#include "pages/BootExceptionDlg.h"

#include <string_view>

#include "platform/Text.h"

namespace mirel {
namespace {

struct Field {
    int control;
    int limit; // characters the edit accepts
};

// The page's edits by element of m_astrBootException.
constexpr std::array<Field, 8> kFields = {{
    {1091, 3000}, // 0 remark
    {1212, 20},   // 1 Exception
    {1093, 20},   // 2 bei
    {1094, 20},   // 3 S:
    {1095, 20},   // 4 C:
    {1096, 20},   // 5 Code
    {1097, 20},   // 6 Startlog
    {1098, 20},   // 7 Gesperrt (may stay empty)
}};
constexpr std::size_t kRemark = 0;
constexpr std::size_t kFirstValue = 1;
constexpr std::size_t kLastRequired = 6;

// Values that must hold one of some characters, tested in this order after the empty fields.
// element, characters, focus, message
struct Rule {
    std::size_t element;
    std::string_view anyOf;
    int focus;
    std::string_view text;
};
constexpr Rule kRules[] = {
    {2, ":", 1093, "Das Feld \"bei\" muss einen Doppelpunkt enthalten."},
    {3, ":", 1094, "Das Feld \"S:\" muss einen Doppelpunkt enthalten."},
    {4, ":", 1095, "Das Feld \"C:\" muss einen Doppelpunkt enthalten."},
    {6, "/\\", 1097, "Das Feld \"Startlog:\" muss einen Schrägstrich enthalten."},
};

constexpr int kScreenshotBox = 1234;

// "0028:0001A2F4" as "[0028]:0001A2F4": the part before the first colon in brackets.
std::string SegmentOffset(const std::string& value) {
    const std::size_t colon = value.find(':');
    if (colon == std::string::npos)
        return "[" + value + "]";
    return "[" + value.substr(0, colon) + "]:" + value.substr(colon + 1);
}

} // namespace

CBootExceptionDlg::CBootExceptionDlg(ReportRecord* pRecord) : CPageDlg(136, pRecord) {}

void CBootExceptionDlg::DoDataExchange(DataExchange& dx) {
    for (std::size_t i = 0; i < kFields.size(); ++i)
        dx.Text(kFields[i].control, m_astrValue[i], kFields[i].limit);
    dx.Text(1171, m_strInfo, 400);
    dx.Check(kScreenshotBox, m_bScreenshot);
}

void CBootExceptionDlg::OnShowWindow() {
    ShowCommon();
    for (std::size_t i = 0; i < m_astrValue.size(); ++i)
        m_astrValue[i] = m_pRecord->m_astrBootException[i];
    m_bScreenshot = m_pRecord->m_bScreenshot != 0 ? 1 : 0;
    ApplyScreenshotState();
    UpdateData(false);
}

void CBootExceptionDlg::OnCommand(int id, Notify code) {
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

void CBootExceptionDlg::OnScreenshot() {
    UpdateData(true);
    ApplyScreenshotState();
    UpdateData(false);
}

void CBootExceptionDlg::ApplyScreenshotState() {
    const bool ticked = m_bScreenshot != 0;
    m_strInfo = ticked ? "Bitte fügen Sie unbedingt den Screenshot der Exception der E-Mail bei!" : "";
    for (std::size_t i = kFirstValue; i < kFields.size(); ++i)
        EnableItem(kFields[i].control, !ticked);
}

void CBootExceptionDlg::OnNext() {
    UpdateData(true);
    if (m_bScreenshot == 0) {
        for (std::size_t i = kFirstValue; i <= kLastRequired; ++i) {
            if (m_astrValue[i].empty()) {
                Refuse("Unvollständige Angaben", "Bitte füllen Sie alle Felder aus.");
                return;
            }
        }
        for (const Rule& rule : kRules) {
            if (m_astrValue[rule.element].find_first_of(rule.anyOf) == std::string::npos) {
                Refuse("Unkorrekte Angabe", std::string(rule.text), rule.focus);
                return;
            }
        }
    }
    SaveToRecord();
    BuildExceptionBlock();
    EndPage();
}

void CBootExceptionDlg::SaveToRecord() {
    UpdateData(true);
    for (std::size_t i = 0; i < m_astrValue.size(); ++i)
        m_pRecord->m_astrBootException[i] = m_astrValue[i];
    m_pRecord->m_bScreenshot = m_bScreenshot;
    StoreWindowRect();
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
