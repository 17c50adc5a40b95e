#include "report/MailUrl.h"

namespace mirel {

std::string PercentEncode(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size() * 3);
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        const bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                           b == '-' || b == '.' || b == '_' || b == '~';
        if (plain) {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(kHex[b >> 4]);
            out.push_back(kHex[b & 0x0F]);
        }
    }
    return out;
}

std::string MailUrl(std::string_view address, std::string_view subject, std::string_view body) {
    std::string url = "mailto:";
    url += address;
    url += "?subject=";
    url += PercentEncode(subject);
    url += "&body=";
    url += PercentEncode(body);
    return url;
}

} // namespace mirel
