// Pieces of the frame that every page template shares: the white header, the company logo and
// the two separator lines under the header.
#pragma once

#include "platform/Template.h"
#include "res/templates/FrameIds.h"

namespace mirel::frame {

inline ControlTemplate HeaderRect(int cx) {
    return {0, ControlKind::WhiteRect, "", kNone, 0, 0, cx, 38};
}
inline ControlTemplate Logo(int x) {
    return {0, ControlKind::Picture, "", kNone, x, 0, 152, 38, 150};
}
inline ControlTemplate Separator(int x) {
    return {0, ControlKind::Picture, "", kNone, x, 39, 200, 1, 153};
}

// The info box in the top-left corner of the header.
inline ControlTemplate InfoBox(std::uint32_t style = kMultiline | kWantReturn | kNoBorder | kGroup |
                                                     kTabStop) {
    return {idframe::kInfoBox, ControlKind::Edit, "", style, 5, 5, 175, 30, 0, {}, "Info"};
}

inline ControlTemplate BackButton(const char* text = "<< &Zur\xC3\xBC"
                                                     "ck") {
    return {idframe::kBack, ControlKind::PushButton, text, kTabStop, 95, 255, 75, 20};
}
inline ControlTemplate NextButton(std::uint32_t extra = kNone) {
    return {
        idframe::kNext, ControlKind::PushButton, "&Weiter >>", kDefault | kTabStop | extra, 180, 255, 75, 20};
}

} // namespace mirel::frame
