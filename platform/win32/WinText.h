// Text between the program (UTF-8) and the Windows API (UTF-16).
#pragma once

#include <string>
#include <string_view>

namespace mirel::win32 {

// Control text: the program's UTF-8 text goes through code page 1252, whatever the system's
// ANSI code page is, so a control holds exactly what the report can hold.
std::wstring ToControlText(std::string_view utf8);
// UTF-16 from a control to UTF-8; a character code page 1252 cannot hold becomes '?'.
std::string FromControlText(std::wstring_view wide);

// Full Unicode conversions for paths, URLs and command lines.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

} // namespace mirel::win32
