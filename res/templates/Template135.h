// Control ids of dialog template 135, the welcome page.
#pragma once

#include "res/templates/FrameIds.h"

namespace mirel::id135 {

constexpr int kIntro = 1244;
constexpr int kSupportFrame = 1242;
constexpr int kTestPicture = 1077; // product pictures, clicked to choose the product
constexpr int kWinPicture = 1276;
constexpr int kInfoPicture = 1085;
constexpr int kBoardPicture = 1275;
constexpr int kVexometerPicture = 1274;
constexpr int kPurpose = 1245;
constexpr int kPlease = 1246;
constexpr int kHintFrame = 1243;
constexpr int kHint = 1247;
constexpr int kThanks = 1248;
constexpr int kCancel = idframe::kBack; // labelled "Abbrechen"
constexpr int kStart = idframe::kNext;  // labelled "Beginnen >>", hidden

} // namespace mirel::id135
