// The hardware details page: seventeen optional one-line edits in six framed rows.
#include "res/templates/Template163.h"
#include "res/templates/Frame.h"
#include "res/templates/Templates.h"

namespace mirel {
namespace {

constexpr std::uint32_t kField = kTabStop | kAutoHScroll;

} // namespace

const DialogTemplate& Template163() {
    static const DialogTemplate t{
        163,
        "Fallakte",
        100,
        100,
        358,
        280,
        {
            {id163::kBoardMaker, ControlKind::Edit, "", kField, 55, 78, 65, 15},
            {id163::kBoardModel, ControlKind::Edit, "", kField, 165, 78, 65, 15},
            {id163::kChipset, ControlKind::Edit, "", kField, 280, 78, 65, 15},
            {id163::kDiskMaker, ControlKind::Edit, "", kField, 55, 108, 65, 15},
            {id163::kDiskModel, ControlKind::Edit, "", kField, 170, 108, 65, 15},
            {id163::kDiskCapacity, ControlKind::Edit, "", kField, 280, 108, 65, 15},
            {id163::kBiosMaker, ControlKind::Edit, "", kField, 55, 138, 65, 15},
            {id163::kBiosVersion, ControlKind::Edit, "", kField, 165, 138, 65, 15},
            {id163::kBiosDate, ControlKind::Edit, "", kField, 290, 138, 55, 15},
            {id163::kRamMaker, ControlKind::Edit, "", kField, 55, 168, 65, 15},
            {id163::kRamType, ControlKind::Edit, "", kField, 148, 168, 34, 15},
            {id163::kRamModules, ControlKind::Edit, "", kField, 240, 168, 34, 15},
            {id163::kRamSize, ControlKind::Edit, "", kField, 311, 168, 34, 15},
            {id163::kDriveMaker, ControlKind::Edit, "", kField, 57, 197, 93, 15},
            {id163::kDriveModel, ControlKind::Edit, "", kField, 207, 197, 138, 15},
            {id163::kCpuModel, ControlKind::Edit, "", kField, 45, 227, 85, 15},
            {id163::kOther, ControlKind::Edit, "", kField, 180, 227, 165, 15},
            frame::NextButton(),
            frame::BackButton(),
            frame::Logo(205),
            frame::HeaderRect(207),
            frame::Separator(0),
            frame::Separator(155),
            frame::InfoBox(kMultiline | kWantReturn | kTabStop | kNoBorder),
            {id163::kIntro, ControlKind::Static,
             "Sie brauchen nur die Daten einzutragen, welche aus der ausführlichen Systemübersicht nicht "
             "hervorgehen, "
             "bzw. falsch erkannt werden.",
             kNone, 5, 45, 320, 20},
            {id163::kBoardMakerLabel, ControlKind::Static, "Hersteller:", kRight, 10, 81, 35, 10},
            {id163::kChipsetLabel, ControlKind::Static, "Chipsatz:", kRight, 235, 81, 40, 10},
            {id163::kBoardModelLabel, ControlKind::Static, "Modell:", kRight, 125, 81, 35, 10},
            {id163::kCpuModelLabel, ControlKind::Static, "Typ:", kRight, 15, 230, 25, 10},
            {id163::kBiosMakerLabel, ControlKind::Static, "Hersteller:", kRight, 10, 141, 35, 10},
            {id163::kBiosDateLabel, ControlKind::Static, "Ausgabedatum:", kRight, 235, 141, 50, 10},
            {id163::kBiosVersionLabel, ControlKind::Static, "Version:", kRight, 130, 141, 30, 10},
            {id163::kRamMakerLabel, ControlKind::Static, "Hersteller:", kRight, 10, 171, 35, 10},
            {id163::kRamModulesLabel, ControlKind::Static, "Anzahl Module:", kRight, 185, 171, 50, 10},
            {id163::kRamTypeLabel, ControlKind::Static, "Typ:", kRight, 122, 171, 20, 10},
            {id163::kRamSizeLabel, ControlKind::Static, "Größe:", kRight, 280, 171, 25, 10},
            {id163::kDriveMakerLabel, ControlKind::Static, "Hersteller:", kRight, 10, 200, 35, 10},
            {id163::kDriveModelLabel, ControlKind::Static, "Modell/Typ:", kRight, 160, 200, 45, 10},
            {id163::kDiskMakerLabel, ControlKind::Static, "Hersteller:", kRight, 10, 111, 35, 10},
            {id163::kDiskCapacityLabel, ControlKind::Static, "Kapazität:", kRight, 240, 111, 35, 10},
            {id163::kDiskModelLabel, ControlKind::Static, "Modell/Typ:", kRight, 125, 111, 40, 10},
            {id163::kOtherLabel, ControlKind::Static, "Sonstiges:", kRight, 140, 230, 35, 10},
            {id163::kBoardFrame, ControlKind::GroupBox, "Mainboard:", kNone, 5, 71, 345, 25},
            {id163::kDiskFrame, ControlKind::GroupBox, "Festplatten:", kNone, 5, 101, 345, 25},
            {id163::kBiosFrame, ControlKind::GroupBox, "BIOS:", kNone, 5, 131, 345, 25},
            {id163::kRamFrame, ControlKind::GroupBox, "RAM:", kNone, 5, 161, 345, 25},
            {id163::kDriveFrame, ControlKind::GroupBox, "CD/DVD-LW:", kNone, 5, 191, 345, 25},
            {id163::kCpuFrame, ControlKind::GroupBox, "Prozessor", kNone, 5, 220, 130, 25},
        },
    };
    return t;
}

} // namespace mirel
