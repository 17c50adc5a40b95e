#include "pages/HardwareDlg.h"

#include <string_view>

namespace mirel {
namespace {

constexpr int kMaxChars = 50;

struct HardwareField {
    int element; // element of m_astrHardware
    int id;      // edit
    const char* group;
    const char* label;
};

// The fields in the order of the block. The block's group headings and labels are its own and
// differ from the texts on the page ("Festplatte:" against "Festplatten:", ...).
constexpr std::array<HardwareField, CHardwareDlg::kFieldCount> kFields = {{
    {1, 1192, "Mainboard:", "Hersteller:"},
    {2, 1092, "Mainboard:", "Modell:"},
    {3, 1093, "Mainboard:", "Chipsatz:"},
    {4, 1094, "Festplatte:", "Hersteller:"},
    {5, 1095, "Festplatte:", "Modell/Typ:"},
    {6, 1096, "Festplatte:", "Kapazität:"},
    {7, 1097, "BIOS:", "Hersteller:"},
    {8, 1098, "BIOS:", "Version:"},
    {9, 1222, "BIOS:", "Ausgabedatum:"},
    {10, 1223, "Arbeitsspeicher:", "Hersteller:"},
    {11, 1224, "Arbeitsspeicher:", "Typ:"},
    {12, 1225, "Arbeitsspeicher:", "Anzahl Module:"},
    {13, 1226, "Arbeitsspeicher:", "Größe:"},
    {14, 1227, "CD-/DVD-Laufwerk:", "Hersteller:"},
    {15, 1228, "CD-/DVD-Laufwerk:", "Modell/Typ:"},
    {16, 1219, "Prozessor:", "Modell/Typ:"},
    {17, 1233, "Sonstige Hardware:", "Sonstiges:"},
}};

} // namespace

void CHardwareDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(1171, m_strInfo);
    for (const HardwareField& f : kFields)
        dx.Text(f.id, m_astrField[f.element - 1], kMaxChars);
}

void CHardwareDlg::OnShowWindow() {
    ShowCommon();
    m_strInfo =
        "Sie brauchen nur die Daten einzugenben, welche nicht oder falsch erkannt werden bzw. aus der "
        "Systemübersicht nicht ersichtlich sind.";
    for (const HardwareField& f : kFields)
        m_astrField[f.element - 1] = m_pRecord->m_astrHardware[f.element];
    UpdateData(false);
}

void CHardwareDlg::SaveToRecord() {
    BuildHardwareBlock();
    StoreWindowRect();
}

void CHardwareDlg::BuildHardwareBlock() {
    UpdateData(true);
    std::string block;
    // The fields of one group stand next to each other in the table.
    for (std::size_t first = 0; first < kFields.size();) {
        std::size_t end = first;
        bool anyFilled = false;
        for (; end < kFields.size() && std::string_view(kFields[end].group) == kFields[first].group; ++end) {
            if (!m_astrField[kFields[end].element - 1].empty())
                anyFilled = true;
        }
        if (anyFilled) {
            block += '\n';
            block += kFields[first].group;
            block += '\n';
        }
        for (std::size_t i = first; i < end; ++i) {
            const std::string& text = m_astrField[kFields[i].element - 1];
            // An emptied field empties its element too, so the old text does not come back.
            m_pRecord->m_astrHardware[kFields[i].element] = text;
            if (text.empty())
                continue;
            block += "    ";
            block += kFields[i].label;
            block += ' ';
            block += text;
            block += '\n';
        }
        first = end;
    }
    if (!block.empty())
        block.insert(0, "Zusätzliche Angaben zur verwendeten Hardware:\n");
    m_pRecord->m_astrHardware[0] = std::move(block);
}

} // namespace mirel
