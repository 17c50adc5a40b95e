// The percent-encoding of the mail hand-off for the characters that no subject of the scenario
// scripts holds; the final page itself is checked by the scenario scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/MailUrl.h"

namespace mirel {
namespace {

TEST(MailUrl, PercentEncoding) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"AZaz09-._~", "AZaz09-._~"},
        {"?=+%:@'", "%3F%3D%2B%25%3A%40%27"},
        {"€\r\n\t\"<>\x7F", "%E2%82%AC%0D%0A%09%22%3C%3E%7F"},
    };
    for (const auto& [text, encoded] : cases)
        EXPECT_EQ(PercentEncode(text), encoded) << text;
}

} // namespace
} // namespace mirel
