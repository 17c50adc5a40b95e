#include "pages/HardwareDlg.h"
#include "res/templates/Template163.h"

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
    {1, id163::kBoardMaker, "Mainboard:", "Hersteller:"},
    {2, id163::kBoardModel, "Mainboard:", "Modell:"},
    {3, id163::kChipset, "Mainboard:", "Chipsatz:"},
    {4, id163::kDiskMaker, "Festplatte:", "Hersteller:"},
    {5, id163::kDiskModel, "Festplatte:", "Modell/Typ:"},
    {6, id163::kDiskCapacity, "Festplatte:", "Kapazität:"},
    {7, id163::kBiosMaker, "BIOS:", "Hersteller:"},
    {8, id163::kBiosVersion, "BIOS:", "Version:"},
    {9, id163::kBiosDate, "BIOS:", "Ausgabedatum:"},
    {10, id163::kRamMaker, "Arbeitsspeicher:", "Hersteller:"},
    {11, id163::kRamType, "Arbeitsspeicher:", "Typ:"},
    {12, id163::kRamModules, "Arbeitsspeicher:", "Anzahl Module:"},
    {13, id163::kRamSize, "Arbeitsspeicher:", "Größe:"},
    {14, id163::kDriveMaker, "CD-/DVD-Laufwerk:", "Hersteller:"},
    {15, id163::kDriveModel, "CD-/DVD-Laufwerk:", "Modell/Typ:"},
    {16, id163::kCpuModel, "Prozessor:", "Modell/Typ:"},
    {17, id163::kOther, "Sonstige Hardware:", "Sonstiges:"},
}};

} // namespace

void CHardwareDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(id163::kInfoBox, m_strInfo);
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
