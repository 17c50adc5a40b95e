// Control ids of dialog template 162, the POST card page.
#pragma once

#include "res/templates/FrameIds.h"

namespace mirel::id162 {

constexpr int kAnswer1 = 1067; // answers 1 and 2 of the main question, one radio group
constexpr int kAnswer2 = 1068;
constexpr int kOption3 = 1069; // options 3 to 5 of the second question, one radio group
constexpr int kOption4 = 1070;
constexpr int kOption5 = 1071;
constexpr int kLineField = 1192; // one-line field
constexpr int kTextField = 1092; // multi-line field
constexpr int kQuestion = 1194;  // the main question
constexpr int kLinePrompt = 1195;
constexpr int kSubQuestion = 1193; // the second or follow-up question
constexpr int kTextPrompt = 1196;
constexpr int kSummary = 1197;
using idframe::kBack;
using idframe::kInfoBox;
using idframe::kNext;

} // namespace mirel::id162
