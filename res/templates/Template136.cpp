// Self-booting exception page.
#include "res/templates/Frame.h"
#include "res/templates/Templates.h"

namespace mirel {

const DialogTemplate& Template136() {
    using K = ControlKind;
    constexpr std::uint32_t kValue = kAutoHScroll | kGroup | kTabStop;
    // clang-format off
    static const DialogTemplate t{
        136,
        "Technische Unterstützung",
        100,
        100,
        358,
        280,
        {
            {1091, K::Edit, "", kMultiline | kWantReturn | kVScroll | kGroup | kTabStop, 5, 60, 345, 40},
            {1212, K::Edit, "", kValue, 50, 165, 95, 15},
            {1093, K::Edit, "", kValue, 205, 165, 95, 15},
            {1094, K::Edit, "", kValue, 50, 185, 95, 15},
            {1095, K::Edit, "", kValue, 205, 185, 95, 15},
            {1096, K::Edit, "", kValue, 50, 205, 95, 15},
            {1097, K::Edit, "", kValue, 205, 205, 95, 15},
            {1098, K::Edit, "", kValue, 50, 225, 250, 15},
            frame::NextButton(),
            frame::BackButton(),
            {1147, K::Static, "Tragen Sie hier bitte weitere Anmerkungen zu dem Problem ein:", kNone, 5, 50, 345, 10},
            {1245, K::Static, "Bitte füllen Sie die Felder mit den Daten die Sie auf dem Bildschirm sehen aus (selbstbootend)\n"
                              "Vorstehende Nullen können hierbei weggelassen werden", kNone, 5, 140, 345, 20},
            {1039, K::Static, "Exception:", kRight, 5, 170, 40, 10},
            {1040, K::Static, "bei:", kRight, 160, 170, 40, 10},
            {1041, K::Static, "S:", kRight, 5, 190, 40, 10},
            {1042, K::Static, "C:", kRight, 160, 190, 40, 10},
            {1043, K::Static, "Code:", kRight, 5, 210, 40, 10},
            {1044, K::Static, "Startlog:", kRight, 160, 210, 40, 10},
            {1045, K::Static, "Gesperrt:", kRight, 5, 230, 40, 10},
            frame::Logo(205),
            frame::HeaderRect(207),
            frame::Separator(0),
            frame::Separator(155),
            frame::InfoBox(),
            {1234, K::CheckBox, "Ich füge der E-Mail einen Screenshot der Exception bei !", kTabStop, 10, 115, 205, 10},
            {0, K::BlackFrame, "", kNone, 5, 110, 220, 19},
        },
    };
    // clang-format on
    return t;
}

} // namespace mirel
