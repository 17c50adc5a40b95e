// Control ids of dialog template 160, the report page.
#pragma once

#include "res/templates/FrameIds.h"

namespace mirel::id160 {

constexpr int kSave = 1205;
constexpr int kStatus = 1206; // status line
constexpr int kReport = 1207; // the report text
constexpr int kEdit = 1208;
constexpr int kAppend = 1209;
constexpr int kHint = 1210;
using idframe::kBack;
using idframe::kInfoBox;
using idframe::kNext;

} // namespace mirel::id160
