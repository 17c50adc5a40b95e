#include "platform/win32/TextFit.h"

#include <array>
#include <string>

namespace mirel::win32 {
namespace {

// The height the static's text needs at its width with `font`.
int NeededHeight(HWND control, HFONT font, const std::wstring& text, int width) {
    const HDC dc = ::GetDC(control);
    const HGDIOBJ old = ::SelectObject(dc, font);
    RECT rc{0, 0, width, 0};
    UINT format = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS;
    if ((::GetWindowLongW(control, GWL_STYLE) & SS_NOPREFIX) != 0)
        format |= DT_NOPREFIX;
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, format);
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    return rc.bottom;
}

} // namespace

HFONT FitStaticText(HWND control, HFONT dialogFont) {
    const int length = ::GetWindowTextLengthW(control);
    if (length <= 0 || dialogFont == nullptr)
        return nullptr;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), length + 1)));
    RECT client{};
    ::GetClientRect(control, &client);
    if (NeededHeight(control, dialogFont, text, client.right) <= client.bottom)
        return nullptr;
    // Our dialog font may run wider than the one the layout was made for: rather than lose a
    // line, the text is drawn a little narrower, in the same place and size.
    LOGFONTW lf{};
    ::GetObjectW(dialogFont, sizeof lf, &lf);
    const HDC dc = ::GetDC(control);
    const HGDIOBJ old = ::SelectObject(dc, dialogFont);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    constexpr std::array<int, 5> kPercent = {94, 88, 82, 76, 70};
    HFONT font = nullptr;
    for (int percent : kPercent) {
        if (font != nullptr)
            ::DeleteObject(font);
        lf.lfWidth = tm.tmAveCharWidth * percent / 100;
        font = ::CreateFontIndirectW(&lf);
        if (font == nullptr || NeededHeight(control, font, text, client.right) <= client.bottom)
            break;
    }
    return font;
}

} // namespace mirel::win32
