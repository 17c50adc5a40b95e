// Control ids of dialog template 158, the info environment page.
#pragma once

#include "res/templates/FrameIds.h"

namespace mirel::id158 {

constexpr int kHeader = 1101;
constexpr int kStartFrame = 1151;
constexpr int kWindows = 1152; // radio group: Windows, DOS, self-booting test program
constexpr int kWindowsLabel = 1158;
constexpr int kWindowsVersion = 1136; // list of Windows versions
constexpr int kDos = 1114;
constexpr int kDosVersionLabel = 1119;
constexpr int kDosVersion = 1049;
constexpr int kSelfBooting = 1154;
constexpr int kTestVersionLabel = 1118;
constexpr int kTestVersion = 1129;
constexpr int kVersionLabel = 1153;
constexpr int kVersion = 1155;
constexpr int kServicePackLabel = 1137;
constexpr int kServicePack = 1139;
constexpr int kBatchLabel = 1145;
constexpr int kBatch = 1146;
constexpr int kNoteLabel = 1147;
constexpr int kNote = 1116;
using idframe::kBack;
using idframe::kNext;

} // namespace mirel::id158
