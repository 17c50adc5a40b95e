#include "platform/win32/Png.h"

#include <array>

namespace mirel::win32 {
namespace {

std::uint32_t Crc32(const std::string& bytes, std::size_t from) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < bytes.size(); ++i)
        crc = table[(crc ^ static_cast<std::uint8_t>(bytes[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void Put32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void Chunk(std::string& out, const char* type, const std::string& data) {
    Put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    Put32(out, Crc32(out, start));
}

// Deflate's bit order: values from the lowest bit, Huffman codes from their highest bit.
class BitWriter {
  public:
    explicit BitWriter(std::string& out) : m_out(out) {}
    void Bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            Bit((value >> i) & 1u);
    }
    void Code(std::uint32_t code, int length) {
        for (int i = length - 1; i >= 0; --i)
            Bit((code >> i) & 1u);
    }
    void Flush() {
        if (m_count > 0)
            m_out.push_back(static_cast<char>(m_byte));
        m_byte = 0;
        m_count = 0;
    }

  private:
    void Bit(std::uint32_t bit) {
        m_byte |= bit << m_count;
        if (++m_count == 8)
            Flush();
    }
    std::string& m_out;
    std::uint32_t m_byte = 0;
    int m_count = 0;
};

// The fixed Huffman code of a literal/length symbol (0..287).
void Symbol(BitWriter& w, int symbol) {
    if (symbol < 144)
        w.Code(0x30u + static_cast<std::uint32_t>(symbol), 8);
    else if (symbol < 256)
        w.Code(0x190u + static_cast<std::uint32_t>(symbol - 144), 9);
    else if (symbol < 280)
        w.Code(static_cast<std::uint32_t>(symbol - 256), 7);
    else
        w.Code(0xC0u + static_cast<std::uint32_t>(symbol - 280), 8);
}

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};

// A copy of `length` (3..258) bytes from distance 1: the byte before, repeated.
void Run(BitWriter& w, int length) {
    std::size_t i = kLengthBase.size() - 1;
    while (kLengthBase[i] > length)
        --i;
    Symbol(w, 257 + static_cast<int>(i));
    w.Bits(static_cast<std::uint32_t>(length - kLengthBase[i]), kLengthExtra[i]);
    w.Code(0, 5); // distance code 0: distance 1
}

} // namespace

std::string Deflate(const std::string& data) {
    std::string z = "\x78\x01";
    BitWriter w(z);
    w.Bits(1, 1); // the last block
    w.Bits(1, 2); // fixed Huffman codes
    std::size_t i = 0;
    while (i < data.size()) {
        std::size_t run = 0;
        if (i > 0)
            while (run < 258 && i + run < data.size() && data[i + run] == data[i - 1])
                ++run;
        if (run >= 3) {
            Run(w, static_cast<int>(run));
            i += run;
        } else {
            Symbol(w, static_cast<std::uint8_t>(data[i]));
            ++i;
        }
    }
    Symbol(w, 256);
    w.Flush();
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (unsigned char c : data) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    Put32(z, (b << 16) | a);
    return z;
}

std::string EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb) {
    // Each row as its difference to the row above (filter "up"), so that repeated rows and
    // flat areas become runs.
    std::string raw;
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    raw.reserve((row + 1) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* line = rgb.data() + static_cast<std::size_t>(y) * row;
        raw.push_back(y == 0 ? '\0' : '\x02');
        for (std::size_t x = 0; x < row; ++x)
            raw.push_back(
                static_cast<char>(y == 0 ? line[x] : static_cast<std::uint8_t>(line[x] - line[x - row])));
    }
    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    Put32(header, static_cast<std::uint32_t>(width));
    Put32(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no filter method, no interlace
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", Deflate(raw));
    Chunk(png, "IEND", std::string());
    return png;
}

} // namespace mirel::win32
