// Conversions that a text file goes through before it is appended to the report: the bytes up
// to the first NUL, no CRs, DOS (cp850) box lines and umlauts turned into their cp1252 forms,
// HTML markup stripped, and blank-line runs shortened. Every function is one linear pass.
#pragma once

#include <string>
#include <string_view>

namespace mirel {

// The bytes before the first NUL byte (all of them when there is none).
std::string_view UpToNul(std::string_view bytes);

// Removes every CR in place.
void RemoveCr(std::string& text);

// A text holding three consecutive 0xCD bytes (the double line of the DOS box characters) is
// taken for a DOS (cp850) text.
bool IsDosText(std::string_view bytes);

// Maps the DOS umlauts, sharp s, box lines and the few signs that cp850 places elsewhere to
// their cp1252 bytes, in place; every byte is converted at most once.
void DosToAnsi(std::string& bytes);

// The cp1252 byte that DosToAnsi makes of `b`.
unsigned char DosToAnsiByte(unsigned char b);

// A text holding "<html>" (exactly, lower case) is taken for an HTML page.
bool IsHtmlText(std::string_view bytes);

// The text without its markup: everything from a "<" up to and including the next ">" is
// dropped, an unclosed "<" drops the rest; a ">" outside a tag stays. Entities stay as they are.
std::string StripTags(std::string_view html);

// Shortens every run of three or more line feeds to two, in place.
void CollapseLineFeedRuns(std::string& text);

// The whole conversion of an appended file's bytes: cut at NUL, CRs removed, DOS text
// converted, HTML stripped (and its blank-line runs shortened), LF written as CR LF, and the
// cp1252 bytes turned into the program's UTF-8 text, appended to `out`.
void AppendConvertedFile(std::string bytes, std::string& out);
std::string ConvertAppendedFile(std::string_view bytes);

} // namespace mirel
