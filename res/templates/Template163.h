// Control ids of dialog template 163, the hardware page.
#pragma once

#include "res/templates/FrameIds.h"

namespace mirel::id163 {

constexpr int kBoardMaker = 1192;
constexpr int kBoardModel = 1092;
constexpr int kChipset = 1093;
constexpr int kDiskMaker = 1094;
constexpr int kDiskModel = 1095;
constexpr int kDiskCapacity = 1096;
constexpr int kBiosMaker = 1097;
constexpr int kBiosVersion = 1098;
constexpr int kBiosDate = 1222;
constexpr int kRamMaker = 1223;
constexpr int kRamType = 1224;
constexpr int kRamModules = 1225;
constexpr int kRamSize = 1226;
constexpr int kDriveMaker = 1227;
constexpr int kDriveModel = 1228;
constexpr int kCpuModel = 1219;
constexpr int kOther = 1233;
constexpr int kIntro = 1244;
constexpr int kBoardMakerLabel = 1245;
constexpr int kChipsetLabel = 1247;
constexpr int kBoardModelLabel = 1246;
constexpr int kCpuModelLabel = 1268;
constexpr int kBiosMakerLabel = 1259;
constexpr int kBiosDateLabel = 1261;
constexpr int kBiosVersionLabel = 1260;
constexpr int kRamMakerLabel = 1262;
constexpr int kRamModulesLabel = 1264;
constexpr int kRamTypeLabel = 1263;
constexpr int kRamSizeLabel = 1265;
constexpr int kDriveMakerLabel = 1266;
constexpr int kDriveModelLabel = 1267;
constexpr int kDiskMakerLabel = 1248;
constexpr int kDiskCapacityLabel = 1258;
constexpr int kDiskModelLabel = 1257;
constexpr int kOtherLabel = 1269;
constexpr int kBoardFrame = 1242;
constexpr int kDiskFrame = 1243;
constexpr int kBiosFrame = 1270;
constexpr int kRamFrame = 1271;
constexpr int kDriveFrame = 1272;
constexpr int kCpuFrame = 1273;
using idframe::kBack;
using idframe::kInfoBox;
using idframe::kNext;

} // namespace mirel::id163
