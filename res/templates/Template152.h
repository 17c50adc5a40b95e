// Control ids of dialog template 152, the Windows environment page.
#pragma once

#include "res/templates/FrameIds.h"

namespace mirel::id152 {

constexpr int kHeader = 1101;
constexpr int kVersionLabel = 1140;
constexpr int kVersion = 1133;
constexpr int kMediumQuestion = 1122;
constexpr int kStartFrom = 1147; // check box "started from another medium"
constexpr int kMedium = 1148;
constexpr int kWindowsFrame = 1134;
constexpr int kWindows = 1136; // list of Windows versions
constexpr int kServicePackLabel = 1137;
constexpr int kServicePack = 1139;
constexpr int kIeVersionLabel = 1138;
constexpr int kIeVersion = 1049;
constexpr int kRightsFrame = 1149;
constexpr int kAdminQuestion = 1141;
constexpr int kAdminYes = 1142; // radio group: administrator rights yes, no
constexpr int kAdminNo = 1143;
constexpr int kAdminSame = 1144; // check box "same problem with administrator rights"
constexpr int kFaultFrame = 1176;
constexpr int kIdentical = 1177; // radio group: reproducible identically, similarly, not
constexpr int kSimilar = 1178;
constexpr int kNotReproducible = 1179;
constexpr int kBatchLabel = 1145;
constexpr int kBatch = 1146;
constexpr int kNoteLabel = 1151;
constexpr int kNote = 1150;
using idframe::kBack;
using idframe::kInfoBox;
using idframe::kNext;

} // namespace mirel::id152
