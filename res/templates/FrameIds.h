// Control ids that the page templates share with one meaning: the info box in the header and the
// Back and Next buttons at the bottom. A template's own header names the ones it has.
#pragma once

namespace mirel::idframe {

constexpr int kBack = 1015;
constexpr int kNext = 1016;
constexpr int kInfoBox = 1171;

} // namespace mirel::idframe
