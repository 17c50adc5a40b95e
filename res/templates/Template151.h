// Control ids of dialog template 151, the test and Vexometer start settings pages.
#pragma once

#include "res/templates/FrameIds.h"

namespace mirel::id151 {

constexpr int kHeader = 1085;
constexpr int kStartFrame = 1121;
constexpr int kStartQuestion = 1175;
constexpr int kSelfBooting = 1113; // radio group: self-booting, under DOS
constexpr int kUnderDos = 1114;
constexpr int kVersionLabel = 1118;
constexpr int kVersion = 1129;
constexpr int kDosTypeLabel = 1126; // the DOS block: hidden until "unter DOS" is chosen
constexpr int kDosType = 1174;
constexpr int kDosVersionLabel = 1119;
constexpr int kDosVersion = 1049;
constexpr int kMediumFrame = 1120;
constexpr int kMediumQuestion = 1122;
constexpr int kFloppy = 1123; // radio group: floppy, other medium
constexpr int kOtherMedium = 1124;
constexpr int kMedium = 1125;     // the other medium
constexpr int kFloppySame = 1127; // check box "same problems from a floppy"
constexpr int kFromBatch = 1128;  // check box "started from an external batch"
constexpr int kFaultFrame = 1168;
constexpr int kIdentical = 1163; // radio group: reproducible identically, similarly, not
constexpr int kSimilar = 1164;
constexpr int kNotReproducible = 1165;
constexpr int kNoteLabel = 1115;
constexpr int kNote = 1116;
using idframe::kBack;
using idframe::kInfoBox;
using idframe::kNext;

} // namespace mirel::id151
