// Control ids of dialog template 131, the question page.
#pragma once

#include "res/templates/FrameIds.h"

namespace mirel::id131 {

constexpr int kOption1 = 1067; // the four answer options, one radio group
constexpr int kOption2 = 1068;
constexpr int kOption3 = 1069;
constexpr int kOption4 = 1070;
constexpr int kAnswer = 1202;     // remark or fault description
constexpr int kHistory = 1199;    // the path answered so far
constexpr int kQuestion = 1194;   // label above the options
constexpr int kLowerLabel = 1193; // label above the answer field
using idframe::kBack;
using idframe::kInfoBox;
using idframe::kNext;

} // namespace mirel::id131
