// Pictures of a page window as PNG files.
#pragma once

#include <string>

#include "platform/win32/WinApi.h"

namespace mirel::win32 {

// Writes a picture of the window `hwnd`, its frame included, to `path` (UTF-8).
bool CaptureWindow(HWND hwnd, const std::string& path);

} // namespace mirel::win32
