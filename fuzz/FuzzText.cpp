// UTF-8 and cp1252 conversions and typed text.
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // Any cp1252 bytes survive the way through UTF-8.
    const std::string utf8 = mirel::Cp1252ToUtf8(bytes);
    FUZZ_CHECK(mirel::Utf8ToCp1252(utf8) == bytes);
    FUZZ_CHECK(mirel::CharCount(utf8) == bytes.size());
    // Any input becomes one cp1252 byte per character.
    const std::string narrow = mirel::Utf8ToCp1252(bytes);
    FUZZ_CHECK(narrow.size() == mirel::CharCount(bytes));
    // Typed text fits its limit and holds only what cp1252 can hold.
    const std::size_t limit = size % 50;
    const std::string typed = mirel::TypedText(bytes, (size & 1) != 0, limit);
    FUZZ_CHECK(limit == 0 || mirel::CharCount(typed) <= limit);
    FUZZ_CHECK(mirel::Cp1252ToUtf8(mirel::Utf8ToCp1252(typed)) == typed);
    FUZZ_CHECK(mirel::LfToCrLf(mirel::CrLfToLf(typed)) == typed);
    return 0;
}
