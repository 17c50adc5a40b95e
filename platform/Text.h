// Text helpers of the platform layer. Program text is UTF-8; the report file and everything a
// control can hold is limited to the characters of Windows code page 1252.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mirel {

// Number of characters (code points) of a UTF-8 text. A byte that is not valid UTF-8 counts as one.
std::size_t CharCount(std::string_view utf8);

// Length in bytes of the character that starts at byte `pos` (at least 1; a byte that is not
// valid UTF-8 is a character of its own).
std::size_t CharLength(std::string_view utf8, std::size_t pos);

// The mnemonic of a label, the letter after its single '&' ("&Weiter" -> 'w'), in lower case;
// 0 when it has none ("&&" is a plain '&').
char32_t MnemonicOf(std::string_view label);

// The first `maxChars` characters of a UTF-8 text.
std::string TruncateChars(std::string_view utf8, std::size_t maxChars);

// UTF-8 text to cp1252 bytes; a character cp1252 cannot hold (and a byte that is not valid UTF-8)
// becomes '?'. The five byte values cp1252 leaves undefined map to U+0081, U+008D, U+008F,
// U+0090 and U+009D and back, so every byte sequence survives a round trip.
std::string Utf8ToCp1252(std::string_view utf8);

// cp1252 bytes to UTF-8 text.
std::string Cp1252ToUtf8(std::string_view bytes);

// Text as an edit control receives it from the keyboard or the clipboard: characters cp1252
// cannot hold become '?', control characters other than tab and line breaks are dropped, a line
// break ("\n" or "\r\n"; a lone CR is dropped) becomes "\r\n" in a multi-line edit and is dropped
// in a one-line edit, and the text is cut to `maxChars` characters (0 = no limit; a line break
// counts two).
std::string TypedText(std::string_view utf8, bool multiline, std::size_t maxChars);

// Removes the CR of every CR LF pair ("\r\n" -> "\n"), as a text widget holds it.
std::string CrLfToLf(std::string_view text);

// Writes every LF as CR LF, a lone CR is kept as it stands ("\n" -> "\r\n").
std::string LfToCrLf(std::string_view text);

// Replaces every occurrence of `from` (not empty) by `to`, in one pass that builds a new string.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to);

// Blanks, tabs and line breaks (" \t\r\n\v\f"), as the pages trim typed values.
inline constexpr std::string_view kWhitespace = " \t\r\n\v\f";

// The text without whitespace at either end.
std::string Trimmed(std::string_view text);

// The text without whitespace at its start.
std::string TrimmedLeft(std::string_view text);

// Empty or whitespace only.
inline bool IsBlank(std::string_view text) {
    return text.find_first_not_of(kWhitespace) == std::string_view::npos;
}

} // namespace mirel
