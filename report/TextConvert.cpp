#include "report/TextConvert.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#include "platform/Memory.h"
#include "platform/Text.h"

namespace mirel {
namespace {

struct ByteSwap {
    unsigned char dos;  // cp850 byte
    unsigned char ansi; // cp1252 byte
};

// The DOS bytes that are replaced, in the order the replacements are applied one after the
// other. Two targets (0xC4, 0xFC) are also sources of earlier rows, so this order converts
// every byte at most once.
constexpr std::array<ByteSwap, 14> kDosSwaps = {{
    {0xC4, 0xAF}, // single horizontal line -> macron
    {0xFC, 0xB3}, // superscript three
    {0x84, 0xE4}, // a umlaut
    {0x94, 0xF6}, // o umlaut
    {0x81, 0xFC}, // u umlaut
    {0xE1, 0xDF}, // sharp s
    {0x8E, 0xC4}, // A umlaut
    {0x99, 0xD6}, // O umlaut
    {0x9A, 0xDC}, // U umlaut
    {0xE6, 0xB5}, // micro sign
    {0xF5, 0xA7}, // section sign
    {0xF8, 0xB0}, // degree sign
    {0xCD, 0x3D}, // double horizontal line -> equals sign
    {0xFD, 0xB2}, // superscript two
}};

// The replacements above applied in their order to every byte value, so that one pass through
// this table gives the same result as the fourteen passes.
constexpr std::array<unsigned char, 256> MakeDosTable() {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
    for (const ByteSwap& swap : kDosSwaps)
        for (unsigned char& value : table)
            if (value == swap.dos)
                value = swap.ansi;
    return table;
}

constexpr std::array<unsigned char, 256> kDosTable = MakeDosTable();

} // namespace

std::string_view UpToNul(std::string_view bytes) {
    const void* nul = std::memchr(bytes.data(), '\0', bytes.size());
    if (nul == nullptr)
        return bytes;
    return bytes.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data()));
}

void RemoveCr(std::string& text) {
    std::erase(text, '\r');
}

bool IsDosText(std::string_view bytes) {
    return bytes.find("\xCD\xCD\xCD") != std::string_view::npos;
}

unsigned char DosToAnsiByte(unsigned char b) {
    return kDosTable[b];
}

void DosToAnsi(std::string& bytes) {
    for (char& c : bytes)
        c = static_cast<char>(kDosTable[static_cast<unsigned char>(c)]);
}

bool IsHtmlText(std::string_view bytes) {
    return bytes.find("<html>") != std::string_view::npos;
}

namespace {

// Drops the markup in place; the text only shrinks, so what is written never overtakes what is
// still to be read.
void StripTagsInPlace(std::string& text) {
    const std::string_view in(text);
    std::size_t out = 0;
    std::size_t pos = 0;
    while (pos < in.size()) {
        std::size_t open = in.find('<', pos);
        const std::size_t end = open == std::string_view::npos ? in.size() : open;
        if (out != pos)
            std::memmove(text.data() + out, in.data() + pos, end - pos);
        out += end - pos;
        if (open == std::string_view::npos)
            break;
        const std::size_t close = in.find('>', open + 1);
        if (close == std::string_view::npos)
            break; // an unclosed tag takes the rest of the text with it
        pos = close + 1;
    }
    text.resize(out);
}

// What one byte of the converted text becomes in the program's text: LF becomes CR LF, CR
// nothing, every other byte its UTF-8 form (taken from the platform's cp1252 conversion), after the DOS
// mapping when the text is a DOS text.
struct Utf8Piece {
    unsigned char size;
    char bytes[4];
};

std::array<Utf8Piece, 256> MakeOutputTable(bool dos) {
    std::array<Utf8Piece, 256> table{};
    for (int b = 0; b < 256; ++b) {
        const unsigned char ansi =
            dos ? kDosTable[static_cast<std::size_t>(b)] : static_cast<unsigned char>(b);
        const std::string piece = ansi == '\n'   ? std::string("\r\n")
                                  : ansi == '\r' ? std::string()
                                                 : Cp1252ToUtf8(std::string(1, static_cast<char>(ansi)));
        Utf8Piece& entry = table[static_cast<std::size_t>(b)];
        entry.size = static_cast<unsigned char>(piece.size());
        std::memcpy(entry.bytes, piece.data(), piece.size());
    }
    return table;
}

} // namespace

std::string StripTags(std::string_view html) {
    std::string text(html);
    StripTagsInPlace(text);
    return text;
}

void CollapseLineFeedRuns(std::string& text) {
    std::size_t out = 0;
    std::size_t run = 0; // line feeds just copied in a row
    for (const char c : text) {
        if (c == '\n') {
            if (++run > 2)
                continue;
        } else {
            run = 0;
        }
        text[out++] = c;
    }
    text.resize(out);
}

namespace {

// Bytes are converted in pieces of this size, so that the converted piece is still in the
// cache when it is appended to the result.
constexpr std::size_t kPiece = std::size_t{64} << 10;

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Bytes that the converter looks at one by one: controls below 0x0E (NUL, LF, CR, also tab),
// "<" (the start of "<html>") and every byte from 0x80 up. Everything else is copied as it is.
bool IsSpecial(unsigned char b) {
    return b < 0x0E || b == '<' || b >= 0x80;
}

// The high bit of every special byte of the eight in `x`. The lowest flag is exact; flags
// above it may be wrong (a borrow), which does not matter as only the first one is used.
std::uint64_t SpecialBytes(std::uint64_t x) {
    const std::uint64_t low = (x - 0x0E * kOnes) & ~x;
    const std::uint64_t lt = x ^ (0x3C * kOnes);
    const std::uint64_t less = (lt - kOnes) & ~lt;
    return (low | less | x) & kHighBits;
}

// Whether one of the eight bytes in `x` is `b`.
bool HasByte(std::uint64_t x, unsigned char b) {
    const std::uint64_t y = x ^ (b * kOnes);
    return ((y - kOnes) & ~y & kHighBits) != 0;
}

// The place in the word of the first flagged byte.
std::size_t FirstFlagged(std::uint64_t flags) {
    const int bit =
        std::endian::native == std::endian::little ? std::countr_zero(flags) : std::countl_zero(flags);
    return static_cast<std::size_t>(bit / 8);
}

// The UTF-8 sequence at `p` (`n` bytes there): its length when it is valid (its code point in
// `cp`), 0 when the bytes end inside a sequence that is valid so far, -1 when it is invalid.
int Utf8Sequence(const char* p, std::size_t n, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(p[0]);
    std::size_t len = 0;
    unsigned char lo = 0x80; // range of the second byte (no overlong forms, no surrogates)
    unsigned char hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        cp = b0 & 0x1Fu;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        cp = b0 & 0x0Fu;
        lo = b0 == 0xE0 ? 0xA0 : 0x80;
        hi = b0 == 0xED ? 0x9F : 0xBF;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        cp = b0 & 0x07u;
        lo = b0 == 0xF0 ? 0x90 : 0x80;
        hi = b0 == 0xF4 ? 0x8F : 0xBF;
    } else {
        return -1;
    }
    for (std::size_t k = 1; k < len; ++k) {
        if (k >= n)
            return 0;
        const auto b = static_cast<unsigned char>(p[k]);
        if (b < lo || b > hi)
            return -1;
        lo = 0x80;
        hi = 0xBF;
        cp = (cp << 6) | (b & 0x3Fu);
    }
    return static_cast<int>(len);
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kHtmlTag = "<html>";

const std::array<Utf8Piece, 256>& OutputTable(FileCoding coding) {
    static const std::array<Utf8Piece, 256> kAnsiOut = MakeOutputTable(false);
    static const std::array<Utf8Piece, 256> kDosOut = MakeOutputTable(true);
    return coding == FileCoding::Dos ? kDosOut : kAnsiOut;
}

// The coding guessed at the first byte from 0x80 up, from the bytes at hand; the whole text
// decides in FileConverter::Form().
FileCoding Guess(bool validSoFar, const char* p, std::size_t avail) {
    if (validSoFar)
        return FileCoding::Utf8;
    const std::string_view ahead(p, std::min(avail, kPiece));
    return ahead.find("\xCD\xCD\xCD") != std::string_view::npos ? FileCoding::Dos : FileCoding::Ansi;
}

// Writes one character of the stripped text: markup is dropped, the third and later line feed
// of a run too.
struct HtmlWriter {
    bool& inTag;
    int& lfRun;

    void Put(char*& d, const char* bytes, std::size_t size) const {
        if (inTag) {
            inTag = bytes[0] != '>';
            return;
        }
        if (bytes[0] == '<') {
            inTag = true;
        } else if (bytes[0] == '\n') {
            if (++lfRun <= 2) {
                *d++ = '\r';
                *d++ = '\n';
            }
        } else {
            lfRun = 0;
            std::memcpy(d, bytes, size);
            d += size;
        }
    }
};

// Strips the markup from text already converted (UTF-8, "\r\n" line ends) from `from` on and
// shortens its line-feed runs, in place, as HtmlWriter writes them; `inTag` and `lfRun` are
// left as the text ends, for what follows. '<', '>' and line feeds keep their places in the
// conversion, and a CR only comes before a line feed.
void StripConverted(std::string& text, std::size_t from, bool& inTag, int& lfRun) {
    char* const s = text.data();
    const std::size_t size = text.size();
    std::size_t out = from;
    for (std::size_t i = from; i < size; ++i) {
        const char c = s[i];
        if (inTag) {
            inTag = c != '>';
        } else if (c == '<') {
            inTag = true;
        } else if (c == '\r' && i + 1 < size && s[i + 1] == '\n') {
            ++i;
            if (++lfRun <= 2) {
                s[out++] = '\r';
                s[out++] = '\n';
            }
        } else {
            lfRun = 0;
            s[out++] = c;
        }
    }
    text.resize(out);
}

} // namespace

FileConverter::FileConverter(std::string& out) : m_out(out), m_start(out.size()) {}

FileConverter::FileConverter(std::string& out, FileForm form)
    : m_out(out), m_start(out.size()), m_form(form), m_bFixed(true), m_bChosen(true) {}

FileForm FileConverter::Form() const {
    FileForm form;
    form.coding = m_bBom || (m_bValidUtf8 && m_bMultiByte) ? FileCoding::Utf8
                  : m_bDos                                 ? FileCoding::Dos
                                                           : FileCoding::Ansi;
    form.html = m_bHtml;
    return form;
}

bool FileConverter::Converted() const {
    if (m_bFixed)
        return true;
    // Before the first byte from 0x80 up, every coding gives the same text.
    return !m_bChosen || Form().coding == m_form.coding;
}

std::size_t FileConverter::Feed(std::string_view bytes, bool last) {
    if (m_bNul)
        return bytes.size();
    std::size_t used = 0;
    if (m_bAtStart) {
        if (bytes.size() < kBom.size() && !last && kBom.starts_with(bytes))
            return 0; // not enough to tell whether the file starts with a byte order mark
        m_bAtStart = false;
        if (bytes.starts_with(kBom)) {
            if (!m_bFixed) {
                m_bBom = true;
                m_bChosen = true;
                m_form.coding = FileCoding::Utf8;
            }
            if (m_form.coding == FileCoding::Utf8)
                used = kBom.size();
        }
    }
    if (m_buffer.size() < 3 * kPiece + 16)
        m_buffer.resize(3 * kPiece + 16); // a byte becomes at most three; words are stored whole
    while (used < bytes.size() && !m_bNul) {
        const std::size_t n = std::min(kPiece, bytes.size() - used);
        std::size_t written = 0;
        const std::size_t took =
            ConvertPiece(bytes.data() + used, n, bytes.size() - used, last, m_buffer.data(), written);
        m_out.append(m_buffer.data(), written);
        used += took;
        if (m_bHtml && !m_form.html) {
            // The text has just shown itself to be an HTML page: what was converted of it so
            // far is stripped now, and the rest is stripped on the way.
            StripConverted(m_out, m_start, m_bInTag, m_nLfRun);
            m_form.html = true;
            continue;
        }
        if (took < n)
            break; // a sequence cut by the end of the bytes, or a NUL
    }
    return m_bNul ? bytes.size() : used;
}

std::size_t FileConverter::ConvertPiece(const char* p, std::size_t n, std::size_t avail, bool last, char* dst,
                                        std::size_t& written) {
    char* d = dst;
    // The state in locals: the compiler cannot tell that writing the output leaves members alone.
    bool bNul = m_bNul;
    bool bValidUtf8 = m_bValidUtf8;
    bool bMultiByte = m_bMultiByte;
    bool bDos = m_bDos;
    bool bHtml = m_bHtml;
    int nCdRun = m_nCdRun;
    int nHtmlSeen = m_nHtmlSeen;
    bool bInTag = m_bInTag;
    int nLfRun = m_nLfRun;
    bool bChosen = m_bChosen;
    FileCoding coding = m_form.coding;
    const bool stripping = m_form.html;
    const bool fixed = m_bFixed;
    const HtmlWriter html{bInTag, nLfRun};
    std::size_t i = 0;
    while (i < n) {
        if (stripping) {
            // Markup and the third and later line feeds of a run are dropped in a short loop
            // over the bytes below 0x80: every byte is stored, and the output moves on by the
            // bytes kept (none, the byte, or CR LF for a line feed). Bytes from 0x80 up and a
            // NUL go the usual way below.
            while (i < n) {
                const auto b = static_cast<unsigned char>(p[i]);
                if (b >= 0x80 || b == 0)
                    break;
                const bool lf = b == '\n';
                const bool shown = !bInTag && b != '<' && b != '\r';
                nLfRun = shown ? (lf ? nLfRun + 1 : 0) : nLfRun;
                nCdRun = b == '\r' ? nCdRun : 0; // for the tests of the form while guessing
                d[0] = lf ? '\r' : static_cast<char>(b);
                d[1] = '\n';
                d += shown && nLfRun <= 2 ? 1 + static_cast<int>(lf) : 0;
                bInTag = bInTag ? b != '>' : b == '<';
                ++i;
            }
            if (i == n)
                break;
        } else if (nHtmlSeen == 0) {
            // Eight bytes at a time: a word without special bytes is stored whole (the buffer
            // has room); one whose bytes need no test of the form (no NUL, "<" or 0xCD, and
            // bytes from 0x80 up only once cp1252 or DOS is chosen) goes through the table
            // without a branch per byte. Otherwise the output moves on to the first special
            // byte, which is handled below.
            const std::array<Utf8Piece, 256>& table = OutputTable(coding);
            const bool tableHigh = bChosen && coding != FileCoding::Utf8;
            const std::size_t from = i;
            std::uint64_t flags = 0;
            while (i + 8 <= n) {
                std::uint64_t x;
                std::memcpy(&x, p + i, sizeof x);
                flags = SpecialBytes(x);
                if (flags == 0) {
                    std::memcpy(d, &x, sizeof x);
                    i += 8;
                    d += 8;
                    continue;
                }
                if ((tableHigh || (x & kHighBits) == 0) && !HasByte(x, 0) && !HasByte(x, '<') &&
                    !HasByte(x, 0xCD)) {
                    for (unsigned k = 0; k < 8; ++k) {
                        const unsigned shift =
                            std::endian::native == std::endian::little ? 8 * k : 56 - 8 * k;
                        const Utf8Piece& piece = table[(x >> shift) & 0xFF];
                        std::memcpy(d, piece.bytes, sizeof piece.bytes);
                        d += piece.size;
                    }
                    if (x != 0x0D * kOnes) // CRs alone leave a run of 0xCD as it is
                        nCdRun = 0;
                    i += 8;
                    continue;
                }
                std::memcpy(d, &x, sizeof x);
                break;
            }
            if (i + 8 <= n) {
                const std::size_t k = FirstFlagged(flags);
                i += k;
                d += k;
            } else {
                while (i < n && !IsSpecial(static_cast<unsigned char>(p[i])))
                    *d++ = p[i++];
            }
            if (i != from && p[i - 1] != '\r')
                nCdRun = 0;
            if (i == n)
                break;
        }
        const auto b = static_cast<unsigned char>(p[i]);
        if (b < 0x80) {
            if (b == 0) {
                bNul = true;
                break;
            }
            ++i;
            if (b == '\r')
                continue; // CRs are dropped, and the tests of the form look through them
            nCdRun = 0;
            if (!fixed) {
                const auto next = static_cast<unsigned char>(kHtmlTag[static_cast<std::size_t>(nHtmlSeen)]);
                nHtmlSeen = b == next ? nHtmlSeen + 1 : b == '<' ? 1 : 0;
                if (nHtmlSeen == static_cast<int>(kHtmlTag.size())) {
                    bHtml = true;
                    nHtmlSeen = 0;
                }
            }
            const char c = static_cast<char>(b);
            if (stripping) {
                html.Put(d, &c, 1);
            } else if (c == '\n') {
                *d++ = '\r';
                *d++ = '\n';
            } else {
                *d++ = c;
            }
            if (bHtml && !stripping)
                break; // "<html>" was just seen: the text so far is stripped before going on
            continue;
        }

        nHtmlSeen = 0;
        char32_t cp = 0;
        int len = 0;
        if (!bChosen || coding == FileCoding::Utf8) {
            len = Utf8Sequence(p + i, avail - i, cp);
            if (len == 0) {
                if (!last)
                    break; // the rest of the sequence comes with the next bytes
                len = -1;  // the text ends inside it
            }
            if (!fixed) {
                if (len < 0)
                    bValidUtf8 = false;
                else
                    bMultiByte = true;
            }
            if (!bChosen) {
                bChosen = true;
                coding = Guess(bValidUtf8, p + i, avail - i);
            }
        }

        if (coding == FileCoding::Utf8) {
            if (b != 0xCD)
                nCdRun = 0;
            else if (++nCdRun >= 3)
                bDos = true;
            const std::size_t size = len > 0 ? static_cast<std::size_t>(len) : 1;
            if (size > 1)
                nCdRun = 0; // a continuation byte is never 0xCD
            const bool held = len > 0 && Cp1252ByteOf(cp) >= 0;
            const char* bytes = held ? p + i : "?";
            const std::size_t shown = held ? size : 1;
            if (stripping) {
                html.Put(d, bytes, shown);
            } else {
                std::memcpy(d, bytes, shown);
                d += shown;
            }
            i += size;
            continue;
        }

        // cp1252 or DOS: a run of bytes from 0x80 up, each through the table.
        const std::array<Utf8Piece, 256>& table = OutputTable(coding);
        unsigned char c = b;
        do {
            if (c == 0xCD) {
                if (++nCdRun >= 3)
                    bDos = true;
            } else {
                nCdRun = 0;
            }
            const Utf8Piece& piece = table[c];
            if (stripping) {
                html.Put(d, piece.bytes, piece.size);
            } else {
                std::memcpy(d, piece.bytes, sizeof piece.bytes);
                d += piece.size;
            }
            ++i;
        } while (i < n && (c = static_cast<unsigned char>(p[i])) >= 0x80);
    }
    m_bNul = bNul;
    m_bValidUtf8 = bValidUtf8;
    m_bMultiByte = bMultiByte;
    m_bDos = bDos;
    m_bHtml = bHtml;
    m_nCdRun = nCdRun;
    m_nHtmlSeen = nHtmlSeen;
    m_bInTag = bInTag;
    m_nLfRun = nLfRun;
    m_bChosen = bChosen;
    m_form.coding = coding;
    written = static_cast<std::size_t>(d - dst);
    return i;
}

namespace {

// Room for `size` more bytes of a file, its line ends and umlauts (a DOS overview grows by a
// fifth), so that the text is not moved while it is converted; memory not written to costs
// nothing. Growing by at least half keeps a series of appends from copying the report each time.
// The new memory is advised for large pages before the text so far is copied into it, so that
// the copy and the conversion fill it in large steps.
void MakeRoom(std::string& out, std::size_t size) {
    const std::size_t need = out.size() + size + size / 2 + 64;
    if (need <= out.capacity())
        return;
    std::string room;
    room.reserve(std::max(need, out.capacity() + out.capacity() / 2));
    AdviseLargeWrite(room.data(), room.capacity());
    room.append(out);
    out.swap(room);
}

} // namespace

void AppendConvertedFile(std::string_view bytes, std::string& out) {
    MakeRoom(out, bytes.size());
    const std::size_t start = out.size();
    FileConverter guess(out);
    guess.Feed(bytes, true);
    if (guess.Converted())
        return;
    out.resize(start);
    FileConverter again(out, guess.Form());
    again.Feed(bytes, true);
}

namespace {

class ConvertingSink : public PieceSink {
  public:
    ConvertingSink(std::string& out, std::optional<FileForm> form)
        : m_out(out), m_converter(form ? FileConverter(out, *form) : FileConverter(out)) {}
    void Begin(std::size_t size) override { MakeRoom(m_out, size); }
    std::size_t Take(std::string_view bytes, bool last) override { return m_converter.Feed(bytes, last); }
    const FileConverter& Converter() const { return m_converter; }

  private:
    std::string& m_out;
    FileConverter m_converter;
};

} // namespace

ReadResult::Status AppendConvertedFile(Services& services, const std::string& path, std::size_t maxBytes,
                                       std::string& out) {
    const std::size_t start = out.size();
    ConvertingSink guess(out, std::nullopt);
    ReadResult::Status status = services.ReadFileInPieces(path, maxBytes, guess);
    if (status == ReadResult::Status::Ok && !guess.Converter().Converted()) {
        out.resize(start);
        ConvertingSink again(out, guess.Converter().Form());
        status = services.ReadFileInPieces(path, maxBytes, again);
    }
    if (status != ReadResult::Status::Ok)
        out.resize(start);
    return status;
}

std::string ConvertAppendedFile(std::string_view bytes) {
    std::string out;
    AppendConvertedFile(bytes, out);
    return out;
}

} // namespace mirel
