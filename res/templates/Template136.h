// Control ids of dialog template 136, the self-booting exception page.
#pragma once

#include "res/templates/FrameIds.h"

namespace mirel::id136 {

constexpr int kRemark = 1091;
constexpr int kException = 1212; // field "Exception:"
constexpr int kAt = 1093;        // field "bei:", must contain a colon
constexpr int kS = 1094;         // field "S:", must contain a colon
constexpr int kC = 1095;         // field "C:", must contain a colon
constexpr int kCode = 1096;      // field "Code:"
constexpr int kStartLog = 1097;  // field "Startlog:", must contain a slash
constexpr int kLocked = 1098;    // field "Gesperrt:"
constexpr int kRemarkLabel = 1147;
constexpr int kIntro = 1245;
constexpr int kExceptionLabel = 1039;
constexpr int kAtLabel = 1040;
constexpr int kSLabel = 1041;
constexpr int kCLabel = 1042;
constexpr int kCodeLabel = 1043;
constexpr int kStartLogLabel = 1044;
constexpr int kLockedLabel = 1045;
constexpr int kScreenshot = 1234; // check box "a screenshot is attached"
using idframe::kBack;
using idframe::kInfoBox;
using idframe::kNext;

} // namespace mirel::id136
