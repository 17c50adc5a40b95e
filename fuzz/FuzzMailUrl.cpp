// The mailto: URL never carries a byte outside its allowed set, and the encoded fields decode
// back to what they were.
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "report/MailUrl.h"

namespace {

bool Unreserved(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string Decode(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size()) {
            out.push_back(static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string encoded = mirel::PercentEncode(input);
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '%') {
            FUZZ_CHECK(i + 2 < encoded.size());
            FUZZ_CHECK(std::string("0123456789ABCDEF").find(encoded[i + 1]) != std::string::npos);
            FUZZ_CHECK(std::string("0123456789ABCDEF").find(encoded[i + 2]) != std::string::npos);
            i += 2;
        } else {
            FUZZ_CHECK(Unreserved(c));
        }
    }
    FUZZ_CHECK(Decode(encoded) == input);

    const std::size_t half = size / 2;
    const std::string url =
        mirel::MailUrl("support@varenta.example", input.substr(0, half), input.substr(half));
    const std::string prefix = "mailto:support@varenta.example?subject=";
    FUZZ_CHECK(url.compare(0, prefix.size(), prefix) == 0);
    FUZZ_CHECK(url.find('&') == url.rfind('&'));
    FUZZ_CHECK(url.find('#') == std::string::npos);
    for (char c : url.substr(prefix.size()))
        FUZZ_CHECK(Unreserved(c) || c == '%' || c == '&' || c == '=');
    return 0;
}
