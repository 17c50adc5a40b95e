// Control ids of dialog template 133, the DOS exception page.
#pragma once

#include "res/templates/FrameIds.h"

namespace mirel::id133 {

constexpr int kRemark = 1150;
constexpr int kException = 1226; // "Unhandled Exception" value
constexpr int kAt = 1227;        // must contain a colon
constexpr int kEax = 1228;
constexpr int kEbx = 1214;
constexpr int kEcx = 1215;
constexpr int kEdx = 1216;
constexpr int kEsi = 1220;
constexpr int kEdi = 1221;
constexpr int kEbp = 1222;
constexpr int kEsp = 1223;
constexpr int kEflags = 1224;
constexpr int kErrorCode = 1225;
constexpr int kSs = 1229;
constexpr int kDs = 1230;
constexpr int kEs = 1231;
constexpr int kFs = 1232;
constexpr int kGs = 1233;
constexpr int kRemarkLabel = 1147;
constexpr int kIntro = 1245;
constexpr int kExceptionLabel = 1256;
constexpr int kScreenshot = 1234; // check box "a screenshot is attached"
using idframe::kBack;
using idframe::kInfoBox;
using idframe::kNext;

} // namespace mirel::id133
