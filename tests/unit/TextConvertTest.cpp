// The conversions of appended files: NUL cut, CR removal, the DOS byte mapping, HTML stripping
// and the shortening of blank-line runs, alone and in the order the append runs them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/TextConvert.h"

namespace mirel {
namespace {

using namespace std::string_literals;

TEST(TextConvert, DosBytesBecomeTheirAnsiCounterparts) {
    struct Case {
        unsigned char dos;
        unsigned char ansi;
        const char* what;
    };
    const std::vector<Case> cases = {
        {0x84, 0xE4, "a umlaut"},
        {0x81, 0xFC, "u umlaut, not passed on to superscript three"},
        {0x8E, 0xC4, "A umlaut, not passed on to the macron"},
        {0xC4, 0xAF, "single line"},
        {0xCD, 0x3D, "double line"},
        {0xFC, 0xB3, "superscript three"},
        // Bytes outside the list stay.
        {0x82, 0x82, "e acute is not mapped"},
        {0xB3, 0xB3, "an ANSI superscript three is not mapped again"},
        {0xAF, 0xAF, "an ANSI macron is not mapped again"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DosToAnsiByte(c.dos), c.ansi) << c.what;
        std::string text(3, static_cast<char>(c.dos));
        DosToAnsi(text);
        EXPECT_EQ(text, std::string(3, static_cast<char>(c.ansi))) << c.what;
    }
    int changed = 0;
    for (int b = 0; b < 256; ++b)
        changed += DosToAnsiByte(static_cast<unsigned char>(b)) != b ? 1 : 0;
    EXPECT_EQ(changed, 14);
}

TEST(TextConvert, StripTags) {
    struct Case {
        std::string html;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"plain", "plain"},
        {"<b>a</b><br>b", "ab"},
        {"a<br", "a"},             // an unclosed tag drops the rest
        {"a > b <i>c", "a > b c"}, // a lone ">" stays
        {"<<b>>x", ">x"},          // the first ">" ends the tag
        {"&amp;&lt;", "&amp;&lt;"},
        {"<a href=\"x>y\">z</a>", "y\">z"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StripTags(c.html), c.text) << c.html;
}

TEST(TextConvert, CollapseLineFeedRuns) {
    struct Case {
        std::string in;
        std::string out;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"\n", "\n"},
        {"\n\n", "\n\n"},
        {"\n\n\n", "\n\n"},
        {"a\n\n\n\n\n\n\nb", "a\n\nb"},
        {"a\n\n\nb\n\n\n\nc\n", "a\n\nb\n\nc\n"},
        {"\n \n\n\n", "\n \n\n"},
    };
    for (const Case& c : cases) {
        std::string text = c.in;
        CollapseLineFeedRuns(text);
        EXPECT_EQ(text, c.out);
    }
}

TEST(TextConvert, AppendedFileConversion) {
    struct Case {
        const char* what;
        std::string bytes;
        std::string text; // UTF-8 with CR LF line ends
    };
    const std::vector<Case> cases = {
        {"empty file", "", ""},
        {"Windows text keeps its line ends", "a\r\nb\r\n", "a\r\nb\r\n"},
        {"Unix line ends become CR LF", "a\nb\n", "a\r\nb\r\n"},
        {"lone and doubled CRs vanish", "a\rb\r\r\nc", "ab\r\nc"},
        {"text ends at the first NUL", "ab\0cd\0"s, "ab"},
        {"a NUL first gives nothing", "\0abc"s, ""},
        {"ANSI bytes become UTF-8", "\xE4\x80\xDF", "ä€ß"},
        {"DOS text with a double-line run",
         "\xC9\xCD\xCD\xCD\xBB\r\n\x84\x94\x81\xE1\x8E\x99\x9A \xC4\xC4 \xF8", "É===»\r\näöüßÄÖÜ ¯¯ °"},
        {"CRs inside the run are removed before the test", "\xCD\r\xCD\xCD\r\n\x84", "===\r\nä"},
        {"bytes after a NUL do not count for the test", "\x84\0\xCD\xCD\xCD"s, "„"},
        {"HTML is stripped", "<html><body>a<br>\r\nb</body></html>", "a\r\nb"},
        {"blank-line runs of HTML are shortened", "<html>a\n\n\n\n<p>\n</p>\nb", "a\r\n\r\nb"},
        {"blank-line runs of plain text stay", "a\n\n\n\nb", "a\r\n\r\n\r\n\r\nb"},
        {"DOS and HTML together", "<html>\xCD\xCD\xCD<b>\x81</b>", "===ü"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertAppendedFile(c.bytes), c.text) << c.what;
}

TEST(TextConvert, LargeInputsStayLinear) {
    // A quadratic erase or insert loop would take hours on these sizes.
    std::string dos = "\xCD\xCD\xCD";
    for (int i = 0; i < (1 << 20); ++i)
        dos += "\x84\r\n\n";
    const std::string text = ConvertAppendedFile(dos);
    ASSERT_EQ(text.size(), 3 + (2 + 4) * std::size_t{1 << 20});
    EXPECT_EQ(text.substr(0, 9), "===ä\r\n\r\n");
    std::string html = "<html>" + std::string(4u << 20, '\n') + "x";
    EXPECT_EQ(ConvertAppendedFile(html), "\r\n\r\nx");
}

} // namespace
} // namespace mirel
