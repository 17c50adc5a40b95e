// DOS exception page.
#include "res/templates/Template133.h"
#include "res/templates/Frame.h"
#include "res/templates/Templates.h"

namespace mirel {

const DialogTemplate& Template133() {
    using K = ControlKind;
    constexpr std::uint32_t kRegister = kAutoHScroll | kTabStop;
    // clang-format off
    static const DialogTemplate t{
        133,
        "Fallakte",
        100,
        100,
        358,
        280,
        {
            {id133::kRemark, K::Edit, "", kMultiline | kWantReturn | kAutoVScroll | kGroup | kTabStop, 5, 55, 345, 25},
            {id133::kException, K::Edit, "", kRegister, 80, 140, 65, 15},
            {id133::kAt, K::Edit, "", kRegister, 160, 140, 95, 15},
            {id133::kEax, K::Edit, "", kRegister, 285, 140, 65, 15},
            {id133::kEbx, K::Edit, "", kRegister, 45, 165, 65, 15},
            {id133::kEcx, K::Edit, "", kRegister, 160, 165, 65, 15},
            {id133::kEdx, K::Edit, "", kRegister, 285, 165, 65, 15},
            {id133::kEsi, K::Edit, "", kRegister, 45, 187, 65, 15},
            {id133::kEdi, K::Edit, "", kRegister, 160, 187, 65, 15},
            {id133::kEbp, K::Edit, "", kRegister, 285, 187, 65, 15},
            {id133::kEsp, K::Edit, "", kRegister, 45, 209, 65, 15},
            {id133::kEflags, K::Edit, "", kRegister, 160, 209, 65, 15},
            {id133::kErrorCode, K::Edit, "", kRegister, 285, 209, 65, 15},
            {id133::kSs, K::Edit, "", kRegister, 25, 230, 45, 15},
            {id133::kDs, K::Edit, "", kRegister, 95, 230, 45, 15},
            {id133::kEs, K::Edit, "", kRegister, 165, 230, 45, 15},
            {id133::kFs, K::Edit, "", kRegister, 235, 230, 45, 15},
            {id133::kGs, K::Edit, "", kRegister, 305, 230, 45, 15},
            frame::NextButton(),
            frame::BackButton(),
            frame::InfoBox(),
            frame::Logo(205),
            frame::HeaderRect(205),
            frame::Separator(155),
            frame::Separator(0),
            {id133::kRemarkLabel, K::Static, "Tragen Sie hier bitte weitere Anmerkungen zu dem Problem ein:", kNone, 5, 45, 345, 10},
            {id133::kIntro, K::Static, "Bitte füllen Sie die Felder mit den Daten die Sie auf dem Bildschirm sehen aus (unter DOS)\n"
                              "Vorstehende Nullen können hierbei weggelassen werden", kNone, 5, 117, 345, 17},
            {0, K::Static, "ebx", kRight, 5, 167, 35, 10},
            {0, K::Static, "ecx", kRight, 120, 167, 35, 10},
            {0, K::Static, "edx", kRight, 245, 167, 35, 10},
            {0, K::Static, "esi", kRight, 5, 190, 35, 10},
            {0, K::Static, "edi", kRight, 120, 190, 35, 10},
            {0, K::Static, "ebp", kRight, 245, 190, 35, 10},
            {0, K::Static, "esp", kRight, 5, 212, 35, 10},
            {0, K::Static, "eflags", kRight, 120, 212, 35, 10},
            {0, K::Static, "errorcode ", kRight, 245, 212, 35, 10},
            {id133::kExceptionLabel, K::Static, "Unhandled Exception", kRight, 5, 143, 70, 10},
            {0, K::Static, "at", kRight, 145, 143, 10, 10},
            {0, K::Static, "eax", kRight, 265, 143, 15, 10},
            {0, K::Static, "ss", kRight, 5, 233, 15, 10},
            {0, K::Static, "ds", kRight, 75, 233, 15, 10},
            {0, K::Static, "es", kRight, 145, 233, 15, 10},
            {0, K::Static, "fs", kRight, 215, 233, 15, 10},
            {0, K::Static, "gs", kRight, 285, 233, 15, 10},
            {id133::kScreenshot, K::CheckBox, "Ich füge der E-Mail einen Screenshot der Exception bei !", kTabStop, 10, 95, 205, 10},
            {0, K::BlackFrame, "", kNone, 5, 90, 220, 19},
        },
    };
    // clang-format on
    return t;
}

} // namespace mirel
