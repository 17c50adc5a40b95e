// Self-booting exception page.
#include "res/templates/Template136.h"
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
            {id136::kRemark, K::Edit, "", kMultiline | kWantReturn | kVScroll | kGroup | kTabStop, 5, 60, 345, 40},
            {id136::kException, K::Edit, "", kValue, 50, 165, 95, 15},
            {id136::kAt, K::Edit, "", kValue, 205, 165, 95, 15},
            {id136::kS, K::Edit, "", kValue, 50, 185, 95, 15},
            {id136::kC, K::Edit, "", kValue, 205, 185, 95, 15},
            {id136::kCode, K::Edit, "", kValue, 50, 205, 95, 15},
            {id136::kStartLog, K::Edit, "", kValue, 205, 205, 95, 15},
            {id136::kLocked, K::Edit, "", kValue, 50, 225, 250, 15},
            frame::NextButton(),
            frame::BackButton(),
            {id136::kRemarkLabel, K::Static, "Tragen Sie hier bitte weitere Anmerkungen zu dem Problem ein:", kNone, 5, 50, 345, 10},
            {id136::kIntro, K::Static, "Bitte füllen Sie die Felder mit den Daten die Sie auf dem Bildschirm sehen aus (selbstbootend)\n"
                              "Vorstehende Nullen können hierbei weggelassen werden", kNone, 5, 140, 345, 20},
            {id136::kExceptionLabel, K::Static, "Exception:", kRight, 5, 170, 40, 10},
            {id136::kAtLabel, K::Static, "bei:", kRight, 160, 170, 40, 10},
            {id136::kSLabel, K::Static, "S:", kRight, 5, 190, 40, 10},
            {id136::kCLabel, K::Static, "C:", kRight, 160, 190, 40, 10},
            {id136::kCodeLabel, K::Static, "Code:", kRight, 5, 210, 40, 10},
            {id136::kStartLogLabel, K::Static, "Startlog:", kRight, 160, 210, 40, 10},
            {id136::kLockedLabel, K::Static, "Gesperrt:", kRight, 5, 230, 40, 10},
            frame::Logo(205),
            frame::HeaderRect(207),
            frame::Separator(0),
            frame::Separator(155),
            frame::InfoBox(),
            {id136::kScreenshot, K::CheckBox, "Ich füge der E-Mail einen Screenshot der Exception bei !", kTabStop, 10, 115, 205, 10},
            {0, K::BlackFrame, "", kNone, 5, 110, 220, 19},
        },
    };
    // clang-format on
    return t;
}

} // namespace mirel
