// The conversions of appended files: NUL cut, CR removal, the DOS byte mapping, HTML stripping
// and the shortening of blank-line runs, in the edge cases and in the order the append runs
// them. Typical DOS, HTML and ANSI files are appended through the report page in the scenarios.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "report/TextConvert.h"

namespace mirel {
namespace {

using namespace std::string_literals;

TEST(TextConvert, DosBytesAreMappedOnceAndNoOthers) {
    // The mapping is a chain (u umlaut becomes 0xFC, the DOS superscript three; A umlaut becomes
    // 0xC4, the DOS single line), yet each byte is mapped once; ANSI 0xB3 and 0xAF stay.
    std::string text = "\x81\x8E\xFC\xC4\x82\xB3\xAF";
    DosToAnsi(text);
    EXPECT_EQ(text, "\xFC\xC4\xB3\xAF\x82\xB3\xAF");
    int changed = 0;
    for (int b = 0; b < 256; ++b)
        changed += DosToAnsiByte(static_cast<unsigned char>(b)) != b ? 1 : 0;
    EXPECT_EQ(changed, 14);
}

TEST(TextConvert, StripTagsAndCollapseLineFeedRuns) {
    const std::vector<std::pair<std::string, std::string>> tags = {
        {"a<br", "a"},             // an unclosed tag drops the rest
        {"a > b <i>c", "a > b c"}, // a lone ">" stays
        {"<<b>>x", ">x"},          // the first ">" ends the tag
        {"<a href=\"x>y\">z</a>", "y\">z"},
    };
    for (const auto& [in, out] : tags)
        EXPECT_EQ(StripTags(in), out) << in;
    // Runs at the start and the end; a blank between line feeds ends a run.
    std::string runs = "\n\n\nx\n\nx\n \n\n\nx\n\n\n\n";
    CollapseLineFeedRuns(runs);
    EXPECT_EQ(runs, "\n\nx\n\nx\n \n\nx\n\n");
    std::string none;
    CollapseLineFeedRuns(none);
    EXPECT_EQ(none, "");
}

TEST(TextConvert, AppendedFileConversion) {
    // what, file bytes, text (UTF-8 with CR LF line ends)
    const std::vector<std::tuple<const char*, std::string, std::string>> cases = {
        {"empty file", "", ""},
        {"a NUL first gives nothing", "\0abc"s, ""},
        {"DOS text with a double-line run",
         "\xC9\xCD\xCD\xCD\xBB\r\n\x84\x94\x81\xE1\x8E\x99\x9A \xC4\xC4 \xF8", "É===»\r\näöüßÄÖÜ ¯¯ °"},
        {"CRs inside the run are removed before the test", "\xCD\r\xCD\xCD\r\n\x84", "===\r\nä"},
        {"bytes after a NUL do not count for the test", "\x84\0\xCD\xCD\xCD"s, "„"},
        {"blank-line runs of plain text stay, its LFs become CR LF", "a\n\n\n\nb", "a\r\n\r\n\r\n\r\nb"},
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
