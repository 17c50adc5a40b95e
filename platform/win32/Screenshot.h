// Pictures of a page window as PNG files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/WinApi.h"

namespace mirel::win32 {

// A PNG file (8-bit RGB, stored deflate blocks) of `width` x `height` pixels given as rows of
// RGB bytes from the top.
std::string EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

// Writes a picture of the window `hwnd`, its frame included, to `path` (UTF-8).
bool CaptureWindow(HWND hwnd, const std::string& path);

} // namespace mirel::win32
