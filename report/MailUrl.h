// The mailto: URL that hands the report mail to the desktop's mail program.
#pragma once

#include <string>
#include <string_view>

namespace mirel {

// Every byte of the UTF-8 text outside A-Z, a-z, 0-9, "-", ".", "_" and "~" written as %XX
// (upper-case hex), so that no character of the text can end the field it stands in or start
// another one.
std::string PercentEncode(std::string_view utf8);

// "mailto:" + address + "?subject=" + encoded subject + "&body=" + encoded body.
std::string MailUrl(std::string_view address, std::string_view subject, std::string_view body);

} // namespace mirel
