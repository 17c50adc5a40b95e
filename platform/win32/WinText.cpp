#include "platform/win32/WinText.h"

#include "platform/Text.h"
#include "platform/win32/WinApi.h"

namespace mirel::win32 {
namespace {

constexpr UINT kCp1252 = 1252;

std::wstring ToWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    const int n = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        ::MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), n);
    return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    // Code page 1252 takes a default character; UTF-8 must be asked without one.
    const char fallback = '?';
    const char* def = codePage == CP_UTF8 ? nullptr : &fallback;
    // No best fit: a character the page lacks is '?', never a look-alike ('\u0100' is not 'A').
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int n = ::WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, def, nullptr);
    std::string bytes(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        ::WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), n, def, nullptr);
    return bytes;
}

} // namespace

std::wstring ToControlText(std::string_view utf8) {
    return ToWide(kCp1252, Utf8ToCp1252(utf8));
}

std::string FromControlText(std::wstring_view wide) {
    return Cp1252ToUtf8(FromWide(kCp1252, wide));
}

std::wstring Widen(std::string_view utf8) {
    return ToWide(CP_UTF8, utf8);
}

std::string Narrow(std::wstring_view wide) {
    return FromWide(CP_UTF8, wide);
}

} // namespace mirel::win32
