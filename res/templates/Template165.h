// Control ids of dialog template 165, the final page.
#pragma once

#include "res/templates/FrameIds.h"

namespace mirel::id165 {

constexpr int kFinish = idframe::kNext; // labelled "&Fertigstellen"
using idframe::kInfoBox;
constexpr int kSubject = 1226; // the subject line to copy
constexpr int kAddress = 1231; // the support address to copy
constexpr int kSendMail = 1235;
constexpr int kSendMailNote = 1245;
constexpr int kIntro = 1244;
constexpr int kSendTo = 1246;
constexpr int kAlternativeFrame = 1242;
constexpr int kThanks = 1247;
constexpr int kHint = 1230;

} // namespace mirel::id165
