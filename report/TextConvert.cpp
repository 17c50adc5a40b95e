#include "report/TextConvert.h"

#include <array>
#include <cstring>

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

// What one byte of the converted text becomes in the program's text: LF becomes CR LF, every
// other byte its UTF-8 form (taken from the platform's cp1252 conversion), after the DOS
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
        const std::string piece =
            ansi == '\n' ? std::string("\r\n") : Cp1252ToUtf8(std::string(1, static_cast<char>(ansi)));
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

void AppendConvertedFile(std::string bytes, std::string& out) {
    std::string& text = bytes; // converted in place
    text.resize(UpToNul(text).size());
    RemoveCr(text);

    // The DOS mapping changes no byte that the HTML steps look at ("<", ">", line feeds, the
    // letters of "<html>"), so it is done on the way out, together with the line ends.
    const bool dos = IsDosText(text);
    if (IsHtmlText(text)) {
        StripTagsInPlace(text);
        CollapseLineFeedRuns(text);
    }

    static const std::array<Utf8Piece, 256> kAnsiOut = MakeOutputTable(false);
    static const std::array<Utf8Piece, 256> kDosOut = MakeOutputTable(true);
    const std::array<Utf8Piece, 256>& table = dos ? kDosOut : kAnsiOut;
    std::size_t length = 0;
    for (const char c : text)
        length += table[static_cast<unsigned char>(c)].size;
    const std::size_t start = out.size();
    out.resize(start + length + sizeof(Utf8Piece::bytes)); // room to copy whole pieces
    char* dest = out.data() + start;
    for (const char c : text) {
        const Utf8Piece& piece = table[static_cast<unsigned char>(c)];
        std::memcpy(dest, piece.bytes, sizeof piece.bytes);
        dest += piece.size;
    }
    out.resize(start + length);
}

std::string ConvertAppendedFile(std::string_view bytes) {
    std::string out;
    AppendConvertedFile(std::string(bytes), out);
    return out;
}

} // namespace mirel
