// The hardware details page: seventeen optional one-line edits in six framed rows.
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
            {1192, ControlKind::Edit, "", kField, 55, 78, 65, 15},
            {1092, ControlKind::Edit, "", kField, 165, 78, 65, 15},
            {1093, ControlKind::Edit, "", kField, 280, 78, 65, 15},
            {1094, ControlKind::Edit, "", kField, 55, 108, 65, 15},
            {1095, ControlKind::Edit, "", kField, 170, 108, 65, 15},
            {1096, ControlKind::Edit, "", kField, 280, 108, 65, 15},
            {1097, ControlKind::Edit, "", kField, 55, 138, 65, 15},
            {1098, ControlKind::Edit, "", kField, 165, 138, 65, 15},
            {1222, ControlKind::Edit, "", kField, 290, 138, 55, 15},
            {1223, ControlKind::Edit, "", kField, 55, 168, 65, 15},
            {1224, ControlKind::Edit, "", kField, 148, 168, 34, 15},
            {1225, ControlKind::Edit, "", kField, 240, 168, 34, 15},
            {1226, ControlKind::Edit, "", kField, 311, 168, 34, 15},
            {1227, ControlKind::Edit, "", kField, 57, 197, 93, 15},
            {1228, ControlKind::Edit, "", kField, 207, 197, 138, 15},
            {1219, ControlKind::Edit, "", kField, 45, 227, 85, 15},
            {1233, ControlKind::Edit, "", kField, 180, 227, 165, 15},
            frame::NextButton(),
            frame::BackButton(),
            frame::Logo(205),
            frame::HeaderRect(207),
            frame::Separator(0),
            frame::Separator(155),
            frame::InfoBox(kMultiline | kWantReturn | kTabStop | kNoBorder),
            {1244, ControlKind::Static,
             "Sie brauchen nur die Daten einzutragen, welche aus der ausführlichen Systemübersicht nicht "
             "hervorgehen, "
             "bzw. falsch erkannt werden.",
             kNone, 5, 45, 320, 20},
            {1245, ControlKind::Static, "Hersteller:", kRight, 10, 81, 35, 10},
            {1247, ControlKind::Static, "Chipsatz:", kRight, 235, 81, 40, 10},
            {1246, ControlKind::Static, "Modell:", kRight, 125, 81, 35, 10},
            {1268, ControlKind::Static, "Typ:", kRight, 15, 230, 25, 10},
            {1259, ControlKind::Static, "Hersteller:", kRight, 10, 141, 35, 10},
            {1261, ControlKind::Static, "Ausgabedatum:", kRight, 235, 141, 50, 10},
            {1260, ControlKind::Static, "Version:", kRight, 130, 141, 30, 10},
            {1262, ControlKind::Static, "Hersteller:", kRight, 10, 171, 35, 10},
            {1264, ControlKind::Static, "Anzahl Module:", kRight, 185, 171, 50, 10},
            {1263, ControlKind::Static, "Typ:", kRight, 122, 171, 20, 10},
            {1265, ControlKind::Static, "Größe:", kRight, 280, 171, 25, 10},
            {1266, ControlKind::Static, "Hersteller:", kRight, 10, 200, 35, 10},
            {1267, ControlKind::Static, "Modell/Typ:", kRight, 160, 200, 45, 10},
            {1248, ControlKind::Static, "Hersteller:", kRight, 10, 111, 35, 10},
            {1258, ControlKind::Static, "Kapazität:", kRight, 240, 111, 35, 10},
            {1257, ControlKind::Static, "Modell/Typ:", kRight, 125, 111, 40, 10},
            {1269, ControlKind::Static, "Sonstiges:", kRight, 140, 230, 35, 10},
            {1242, ControlKind::GroupBox, "Mainboard:", kNone, 5, 71, 345, 25},
            {1243, ControlKind::GroupBox, "Festplatten:", kNone, 5, 101, 345, 25},
            {1270, ControlKind::GroupBox, "BIOS:", kNone, 5, 131, 345, 25},
            {1271, ControlKind::GroupBox, "RAM:", kNone, 5, 161, 345, 25},
            {1272, ControlKind::GroupBox, "CD/DVD-LW:", kNone, 5, 191, 345, 25},
            {1273, ControlKind::GroupBox, "Prozessor", kNone, 5, 220, 130, 25},
        },
    };
    return t;
}

} // namespace mirel
