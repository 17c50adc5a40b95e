#include "platform/Text.h"

#include <array>
#include <cstdint>
#include <utility>

namespace mirel {
namespace {

// Code points of the cp1252 bytes 0x80..0x9F; 0 where the byte is undefined.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char32_t ByteToCodePoint(unsigned char b) {
    if (b < 0x80 || b >= 0xA0)
        return b;
    char32_t cp = kHigh[b - 0x80];
    return cp != 0 ? cp : b; // undefined bytes keep their own value as C1 code points
}

// The cp1252 byte of a code point, or -1 when cp1252 cannot hold it.
int CodePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp || (kHigh[i] == 0 && cp == 0x80 + i))
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

// Decodes one code point at `pos`; returns the number of bytes used (at least 1) and sets `ok`
// to false for a byte that does not start a valid sequence.
std::size_t Decode(std::string_view s, std::size_t pos, char32_t& cp, bool& ok) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    ok = true;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t len = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        ok = false;
        cp = 0xFFFD;
        return 1;
    }
    if (pos + len > s.size()) {
        ok = false;
        cp = 0xFFFD;
        return 1;
    }
    for (std::size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            ok = false;
            cp = 0xFFFD;
            return 1;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ok = false;
        cp = 0xFFFD;
        return 1;
    }
    return len;
}

void Encode(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

std::size_t CharCount(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++n) {
        char32_t cp;
        bool ok;
        pos += Decode(utf8, pos, cp, ok);
    }
    return n;
}

std::string TruncateChars(std::string_view utf8, std::size_t maxChars) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < maxChars && pos < utf8.size(); ++n) {
        char32_t cp;
        bool ok;
        pos += Decode(utf8, pos, cp, ok);
    }
    return std::string(utf8.substr(0, pos));
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto b0 = static_cast<unsigned char>(utf8[pos]);
        if (b0 < 0x80) { // fast path for ASCII
            out.push_back(static_cast<char>(b0));
            ++pos;
            continue;
        }
        char32_t cp;
        bool ok;
        pos += Decode(utf8, pos, cp, ok);
        const int b = ok ? CodePointToByte(cp) : -1;
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out.push_back(c);
        else
            Encode(ByteToCodePoint(b), out);
    }
    return out;
}

std::size_t CharLength(std::string_view utf8, std::size_t pos) {
    char32_t cp = 0;
    bool ok = true;
    return Decode(utf8, pos, cp, ok);
}

char32_t MnemonicOf(std::string_view label) {
    for (std::size_t i = 0; i + 1 < label.size(); ++i) {
        if (label[i] != '&')
            continue;
        if (label[i + 1] == '&') {
            ++i; // "&&" is a plain '&'
            continue;
        }
        char32_t cp = 0;
        bool ok = true;
        Decode(label, i + 1, cp, ok);
        // Lower case for the letters cp1252 has in both cases.
        if ((cp >= 'A' && cp <= 'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7))
            cp += 0x20;
        return cp;
    }
    return 0;
}

std::string TypedText(std::string_view utf8, bool multiline, std::size_t maxChars) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t chars = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp;
        bool ok;
        const std::size_t start = pos;
        pos += Decode(utf8, pos, cp, ok);
        if (cp == '\r')
            continue; // a line break is the LF; a CR alone is not typed
        std::string piece;
        if (cp == '\n') {
            if (!multiline)
                continue;
            piece = "\r\n";
        } else if ((cp < 0x20 && cp != '\t') || cp == 0x7F) {
            continue;
        } else if (!ok || CodePointToByte(cp) < 0) {
            piece = "?";
        } else {
            piece.assign(utf8.substr(start, pos - start));
        }
        const std::size_t n = CharCount(piece);
        if (maxChars != 0 && chars + n > maxChars)
            break;
        chars += n;
        out += piece;
    }
    return out;
}

std::string CrLfToLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out.push_back(text[i]);
    }
    return out;
}

std::string LfToCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
        out.append(text, pos, hit - pos);
        out += to;
    }
    out.append(text, pos);
    text = std::move(out);
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(kWhitespace) - first + 1));
}

std::string TrimmedLeft(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kWhitespace);
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

} // namespace mirel
