// Control ids of dialog template 138, the version type page.
#pragma once

#include "res/templates/FrameIds.h"

namespace mirel::id138 {

constexpr int kPrompt = 1101;
constexpr int kFull = 1277; // the four version buttons, in version index order
constexpr int kDemo = 1278;
constexpr int kOem = 1279;
constexpr int kDealerTest = 1280;
constexpr int kCancel = idframe::kBack; // labelled "&Abbrechen"
using idframe::kNext;

} // namespace mirel::id138
