// Conversions that a text file goes through before it is appended to the report: the bytes up
// to the first NUL, no CRs, DOS (cp850) box lines and umlauts turned into their cp1252 forms,
// UTF-8 decoded, HTML markup stripped, and blank-line runs shortened. Every function is one
// linear pass.
#pragma once

#include <string>
#include <string_view>

#include "platform/Services.h"

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

// How an appended file's bytes are read: cp1252 (plain Windows text), cp850 (a DOS text) or
// UTF-8, and whether its markup is stripped.
enum class FileCoding : unsigned char { Ansi, Dos, Utf8 };
struct FileForm {
    FileCoding coding = FileCoding::Ansi;
    bool html = false;
    bool operator==(const FileForm&) const = default;
};

// Converts an appended file's bytes piece by piece in one pass and appends the result, the
// program's UTF-8 text with CR LF line ends, to `out`: cut at the first NUL, CRs removed,
// LF written as CR LF, the bytes decoded in the file's form. Runs that need no change are
// copied in one go.
//
// The form follows from the whole text: a file that starts with a UTF-8 byte order mark (which
// is dropped), or that is valid UTF-8 and holds at least one multi-byte sequence, is UTF-8
// (characters cp1252 cannot hold become '?'); else a text holding three 0xCD bytes in a row is
// DOS text; else cp1252. A text holding "<html>" is stripped of its markup and its blank-line
// runs are shortened. The detection counts the text after the NUL cut and the CR removal, as
// the tests of the form always did.
//
// Without a given form the converter guesses the coding at the first byte that depends on it
// and finds the true one on the way; when the text turns out to be HTML, what it wrote so far
// is stripped and the rest is stripped as it comes. When the coding guess was wrong,
// Converted() is false and the file must be converted again with Form().
class FileConverter {
  public:
    explicit FileConverter(std::string& out);
    FileConverter(std::string& out, FileForm form);

    // Converts the front of the next bytes of the file; `last`: no bytes follow. Returns how
    // many bytes were taken: the start of a UTF-8 sequence cut by the end of `bytes` (at most
    // three bytes) is left and must come again at the front of the next call.
    std::size_t Feed(std::string_view bytes, bool last);
    // A NUL was met: the rest of the file does not count.
    bool Finished() const { return m_bNul; }
    // The file's form by its whole text (after the last Feed).
    FileForm Form() const;
    // The text appended to `out` is the file's text in its form.
    bool Converted() const;

  private:
    std::size_t ConvertPiece(const char* p, std::size_t n, std::size_t avail, bool last, char* dst,
                             std::size_t& written);

    std::string& m_out;
    std::size_t m_start;  // where this file's text begins in `out`
    std::string m_buffer; // converted bytes of one piece, before they go to `out`
    FileForm m_form;      // the form the output is written in
    bool m_bFixed = false;
    bool m_bChosen = false; // the coding was chosen (a byte that depends on it came)
    bool m_bAtStart = true;
    bool m_bNul = false;
    // What the text shows of its form so far.
    bool m_bBom = false;
    bool m_bValidUtf8 = true;
    bool m_bMultiByte = false;
    bool m_bDos = false;
    bool m_bHtml = false;
    int m_nCdRun = 0;    // 0xCD bytes in a row
    int m_nHtmlSeen = 0; // characters of "<html>" matched
    // Markup stripping.
    bool m_bInTag = false;
    int m_nLfRun = 0; // line feeds written in a row
};

// Reads the file at `path` (at most `maxBytes` bytes) through the services and appends its
// converted text to `out`, read piece by piece straight into the result. A file whose form was
// guessed wrong is read a second time. On a failure `out` is as it was.
ReadResult::Status AppendConvertedFile(Services& services, const std::string& path, std::size_t maxBytes,
                                       std::string& out);

// The whole conversion of an appended file's bytes held in memory, appended to `out`.
void AppendConvertedFile(std::string_view bytes, std::string& out);
std::string ConvertAppendedFile(std::string_view bytes);

} // namespace mirel
