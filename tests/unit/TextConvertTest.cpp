// The conversions of appended files: NUL cut, CR removal, the DOS byte mapping, HTML stripping
// and the shortening of blank-line runs, alone and in the order the append runs them. Typical
// DOS, HTML, NUL and ANSI files are also appended through the report page in its tests.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "report/TextConvert.h"

namespace mirel {
namespace {

using namespace std::string_literals;

TEST(TextConvert, DosBytesBecomeTheirAnsiCounterparts) {
    // Each byte is mapped once: a mapped byte that is itself in the list is not mapped again.
    const std::vector<std::pair<unsigned char, unsigned char>> cases = {
        {0x84, 0xE4}, // a umlaut
        {0x81, 0xFC}, // u umlaut, not passed on to superscript three
        {0x8E, 0xC4}, // A umlaut, not passed on to the macron
        {0xC4, 0xAF}, // single line
        {0xCD, 0x3D}, // double line
        {0xFC, 0xB3}, // superscript three
        {0x82, 0x82}, // e acute is not in the list
        {0xB3, 0xB3}, // an ANSI superscript three stays
        {0xAF, 0xAF}, // an ANSI macron stays
    };
    for (const auto& [dos, ansi] : cases)
        EXPECT_EQ(DosToAnsiByte(dos), ansi) << int{dos};
    int changed = 0;
    for (int b = 0; b < 256; ++b)
        changed += DosToAnsiByte(static_cast<unsigned char>(b)) != b ? 1 : 0;
    EXPECT_EQ(changed, 14);
    std::string text = "\x81\x8E\x81";
    DosToAnsi(text);
    EXPECT_EQ(text, "\xFC\xC4\xFC");
}

TEST(TextConvert, StripTagsAndCollapseLineFeedRuns) {
    const std::vector<std::tuple<bool, std::string, std::string>> cases = {
        // false: StripTags
        {false, "", ""},
        {false, "a<br", "a"},             // an unclosed tag drops the rest
        {false, "a > b <i>c", "a > b c"}, // a lone ">" stays
        {false, "<<b>>x", ">x"},          // the first ">" ends the tag
        {false, "&amp;&lt;", "&amp;&lt;"},
        {false, "<a href=\"x>y\">z</a>", "y\">z"},
        // true: CollapseLineFeedRuns
        {true, "", ""},
        {true, "\n\n", "\n\n"},
        {true, "\n\n\n", "\n\n"},
        {true, "a\n\n\nb\n\n\n\nc\n", "a\n\nb\n\nc\n"},
        {true, "\n \n\n\n", "\n \n\n"},
    };
    for (auto [collapse, in, out] : cases) {
        if (collapse)
            CollapseLineFeedRuns(in);
        EXPECT_EQ(collapse ? in : StripTags(in), out) << in;
    }
}

TEST(TextConvert, AppendedFileConversion) {
    // what, file bytes, text (UTF-8 with CR LF line ends)
    const std::vector<std::tuple<const char*, std::string, std::string>> cases = {
        {"empty file", "", ""},
        {"Windows text keeps its line ends", "a\r\nb\r\n", "a\r\nb\r\n"},
        {"Unix line ends become CR LF", "a\nb\n", "a\r\nb\r\n"},
        {"a NUL first gives nothing", "\0abc"s, ""},
        {"DOS text with a double-line run",
         "\xC9\xCD\xCD\xCD\xBB\r\n\x84\x94\x81\xE1\x8E\x99\x9A \xC4\xC4 \xF8", "É===»\r\näöüßÄÖÜ ¯¯ °"},
        {"CRs inside the run are removed before the test", "\xCD\r\xCD\xCD\r\n\x84", "===\r\nä"},
        {"bytes after a NUL do not count for the test", "\x84\0\xCD\xCD\xCD"s, "„"},
        {"blank-line runs of HTML are shortened", "<html>a\n\n\n\n<p>\n</p>\nb", "a\r\n\r\nb"},
        {"blank-line runs of plain text stay", "a\n\n\n\nb", "a\r\n\r\n\r\n\r\nb"},
        {"DOS and HTML together", "<html>\xCD\xCD\xCD<b>\x81</b>", "===ü"},
    };
    for (const auto& [what, bytes, text] : cases)
        EXPECT_EQ(ConvertAppendedFile(bytes), text) << what;
}

TEST(TextConvert, LargeInputsStayLinear) {
    // A quadratic erase or insert loop would take hours on these sizes.
    std::string dos = "\xCD\xCD\xCD";
    for (int i = 0; i < (1 << 20); ++i)
        dos += "\x84\r\n\n";
    const std::string text = ConvertAppendedFile(dos);
    ASSERT_EQ(text.size(), 3 + (2 + 4) * std::size_t{1 << 20});
    EXPECT_EQ(text.substr(0, 9), "===ä\r\n\r\n");
    EXPECT_EQ(ConvertAppendedFile("<html>" + std::string(4u << 20, '\n') + "x"), "\r\n\r\nx");
}

} // namespace
} // namespace mirel
