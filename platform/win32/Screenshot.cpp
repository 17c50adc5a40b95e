#include "platform/win32/Screenshot.h"

#include <vector>

#include "platform/Services.h"
#include "platform/win32/Png.h"
#include "platform/win32/WinText.h"

namespace mirel::win32 {
bool CaptureWindow(HWND hwnd, const std::string& path) {
    RECT rc{};
    if (::GetWindowRect(hwnd, &rc) == FALSE)
        return false;
    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;
    if (width <= 0 || height <= 0)
        return false;
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    // The window system may show the last drawing a moment later (Wine hands it to X11).
    ::GdiFlush();
    ::Sleep(200);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = dib != nullptr && bits != nullptr;
    if (ok) {
        const HGDIOBJ old = ::SelectObject(memory, dib);
        // What the screen shows of the window (Wine's PrintWindow draws no controls); PrintWindow
        // when the screen cannot be read.
        ok = ::BitBlt(memory, 0, 0, width, height, screen, rc.left, rc.top, SRCCOPY) != FALSE ||
             ::PrintWindow(hwnd, memory, 0) != FALSE;
        ::GdiFlush();
        ::SelectObject(memory, old);
    }
    std::vector<std::uint8_t> rgb;
    if (ok) {
        const auto* px = static_cast<const std::uint8_t*>(bits);
        rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
        for (std::size_t i = 0, n = static_cast<std::size_t>(width) * static_cast<std::size_t>(height); i < n;
             ++i) {
            rgb[i * 3] = px[i * 4 + 2];
            rgb[i * 3 + 1] = px[i * 4 + 1];
            rgb[i * 3 + 2] = px[i * 4];
        }
    }
    if (dib != nullptr)
        ::DeleteObject(dib);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return ok && GetServices().WriteFile(path, EncodePng(width, height, rgb)) == WriteStatus::Ok;
}

} // namespace mirel::win32
