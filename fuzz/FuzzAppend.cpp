// Appended file bytes through the whole conversion; the DOS mapping is compared with the
// byte-by-byte replacements applied one after the other, and the text converted in two pieces
// (split where the first byte says) with the text converted whole.
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "platform/Text.h"
#include "report/TextConvert.h"

namespace {

std::string SequentialDosToAnsi(std::string s) {
    static const unsigned char kRows[14][2] = {
        {0xC4, 0xAF}, {0xFC, 0xB3}, {0x84, 0xE4}, {0x94, 0xF6}, {0x81, 0xFC}, {0xE1, 0xDF}, {0x8E, 0xC4},
        {0x99, 0xD6}, {0x9A, 0xDC}, {0xE6, 0xB5}, {0xF5, 0xA7}, {0xF8, 0xB0}, {0xCD, 0x3D}, {0xFD, 0xB2},
    };
    for (const auto& row : kRows)
        for (char& c : s)
            if (static_cast<unsigned char>(c) == row[0])
                c = static_cast<char>(row[1]);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    std::string dos = bytes;
    mirel::DosToAnsi(dos);
    FUZZ_CHECK(dos == SequentialDosToAnsi(bytes));

    const std::string text = mirel::ConvertAppendedFile(bytes);
    const std::string file = mirel::Utf8ToCp1252(text);
    FUZZ_CHECK(file.find('\0') == std::string::npos);
    FUZZ_CHECK(OnlyCrLf(file));
    FUZZ_CHECK(mirel::Cp1252ToUtf8(file) == text);
    if (mirel::IsHtmlText(mirel::UpToNul(bytes)))
        FUZZ_CHECK(file.find("\r\n\r\n\r\n") == std::string::npos);

    const std::size_t split = size == 0 ? 0 : data[0] % (size + 1);
    std::string pieces;
    mirel::FileConverter guess(pieces);
    const std::size_t taken = guess.Feed(std::string_view(bytes).substr(0, split), split == size);
    if (split < size && !guess.Finished())
        guess.Feed(std::string_view(bytes).substr(taken), true);
    if (!guess.Converted()) {
        pieces.clear();
        mirel::FileConverter again(pieces, guess.Form());
        again.Feed(bytes, true);
    }
    FUZZ_CHECK(pieces == text);
    return 0;
}
