// The conversions of appended files: NUL cut, CR removal, the DOS byte mapping, HTML stripping
// and the shortening of blank-line runs, in the edge cases and in the order the append runs
// them. Typical DOS, HTML and ANSI files are appended through the report page in the scenarios.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/Services.h"
#include "platform/Text.h"
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

// Valid UTF-8 by the standard's rules (no overlong forms, no surrogates, nothing above U+10FFFF).
bool ValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t len = b < 0x80 ? 1 : b < 0xC2 ? 0 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : b < 0xF5 ? 4 : 0;
        if (len == 0 || i + len > s.size())
            return false;
        char32_t cp = len == 1 ? b : b & (0x7F >> len);
        for (std::size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

// The conversion written the plain way, one whole-text step after the other.
std::string Reference(std::string_view bytes) {
    std::string text(UpToNul(bytes));
    const bool bom = text.starts_with("\xEF\xBB\xBF");
    bool multiByte = false;
    for (const char c : text)
        multiByte = multiByte || static_cast<unsigned char>(c) >= 0x80;
    const bool utf8 = bom || (multiByte && ValidUtf8(text));
    if (bom)
        text.erase(0, 3);
    if (utf8)
        text = Utf8ToCp1252(text);
    std::string raw(UpToNul(bytes));
    RemoveCr(raw);
    RemoveCr(text);
    if (!utf8 && IsDosText(text))
        DosToAnsi(text);
    if (IsHtmlText(raw)) {
        text = StripTags(text);
        CollapseLineFeedRuns(text);
    }
    return LfToCrLf(Cp1252ToUtf8(text));
}

// Feeds `bytes` in pieces of the given sizes (the last one repeated), as the file reader does:
// what the converter leaves comes again at the front of the next piece.
std::string FedInPieces(std::string_view bytes, const std::vector<std::size_t>& sizes) {
    const auto feed = [&](std::string& out, FileConverter& converter) {
        std::string held;
        std::size_t pos = 0;
        for (std::size_t k = 0; !converter.Finished(); ++k) {
            const std::size_t n = std::min(sizes[std::min(k, sizes.size() - 1)], bytes.size() - pos);
            held.append(bytes.substr(pos, n));
            pos += n;
            const bool last = pos == bytes.size();
            held.erase(0, converter.Feed(held, last));
            if (last)
                break;
        }
        (void)out;
    };
    std::string out;
    FileConverter guess(out);
    feed(out, guess);
    if (!guess.Converted()) {
        out.clear();
        FileConverter again(out, guess.Form());
        feed(out, again);
    }
    return out;
}

TEST(TextConvert, Utf8FilesAreDecodedOthersKeepTheirRules) {
    // what, file bytes, text; the UTF-8 files are valid cp1252 too
    const std::vector<std::tuple<const char*, std::string, std::string>> cases = {
        {"umlauts and euro sign in UTF-8", "Systemu\xCC\x88 \xC3\xBC\xC3\x9F \xE2\x82\xAC\n",
         "Systemu? üß €\r\n"},
        {"the same bytes read as cp1252 when one byte is no UTF-8", "\xC3\xBC \xE2\x82\xAC \xFC", "Ã¼ â‚¬ ü"},
        {"characters cp1252 lacks become ?", "\xE2\x86\x92 \xF0\x9F\x98\x80 \xC5\x93", "? ? œ"},
        {"a byte order mark is dropped",
         "\xEF\xBB\xBF"
         "abc",
         "abc"},
        {"after a byte order mark bytes that are no UTF-8 become ?", "\xEF\xBB\xBF\xFC\xC3", "??"},
        {"ASCII only stays as it is", "a\tb\r\n", "a\tb\r\n"},
        {"cp1252 bytes", "\x80\x81\xE4\xFF", "€\u0081äÿ"},
        {"a DOS double line is no UTF-8", "\xCD\xCD\xCD \x84\x81", "=== äü"},
        {"UTF-8 decides before the DOS test", "\xC3\x84\xCD\x80", "Ä?"},
        {"a sequence cut by a NUL is no UTF-8", "\xC3\0\xBC"s, "Ã"},
        {"a CR inside a sequence makes it no UTF-8", "\xC3\r\xBC", "Ã¼"},
        {"UTF-8 HTML page", "<html><b>Gr\xC3\xBC\xC3\x9F</b>\n\n\n\n&amp;", "Grüß\r\n\r\n&amp;"},
        {"overlong and surrogate forms are no UTF-8", "\xC0\xAF\xED\xA0\x80", "À¯í\xC2\xA0€"},
    };
    for (const auto& [what, bytes, text] : cases) {
        EXPECT_EQ(ConvertAppendedFile(bytes), text) << what;
        EXPECT_EQ(Reference(bytes), text) << what;
    }
}

TEST(TextConvert, PiecesGiveTheSameTextAsTheWholeFile) {
    // Bytes that matter to some step, in random texts fed in pieces of every small size; the
    // guessed form is wrong in many of them. Some texts are HTML pages, and runs of plain text
    // long enough to be copied by the word come in between.
    const std::string alphabet = "ab\n\n\r<>\xCD\xCD\xC3\xBC\xE2\x82\xAC\x84\xEF\xBB\xBF\xF0\x9F\x98\t\x80"s;
    const std::string plain = "Laufwerk C: frei 12 GB ";
    std::mt19937 random(16);
    for (int round = 0; round < 6000; ++round) {
        std::string bytes;
        const std::size_t length = random() % 60;
        for (std::size_t i = 0; i < length; ++i) {
            const unsigned pick = random() % 16;
            if (pick == 0)
                bytes += plain.substr(random() % 8, 8 + random() % 12);
            else if (pick == 1 && random() % 4 == 0)
                bytes += "<html>";
            else
                bytes += alphabet[random() % alphabet.size()];
        }
        if (random() % 20 == 0)
            bytes.insert(random() % (bytes.size() + 1), 1, '\0');
        const std::string expected = Reference(bytes);
        ASSERT_EQ(ConvertAppendedFile(bytes), expected) << round;
        for (const std::size_t piece : {1, 2, 3, 5, 16})
            ASSERT_EQ(FedInPieces(bytes, {piece}), expected) << round << " in pieces of " << piece;
    }
    // Pieces larger than the converter's own, the form found late.
    const std::string line = "Zeile mit \xC3\xA4 und \xE2\x82\xAC\r\n";
    std::string big;
    while (big.size() < (std::size_t{300} << 10))
        big += line;
    for (const std::string& tail : {""s, "\xFC"s, "\xCD\xCD\xCD"s, "<html>"s, "\0\xFF"s}) {
        const std::string bytes = big + tail;
        const std::string expected = Reference(bytes);
        EXPECT_EQ(ConvertAppendedFile(bytes), expected);
        EXPECT_EQ(FedInPieces(bytes, {100000, 256 << 10}), expected);
    }
}

TEST(TextConvert, FilesAreReadAndConvertedAgainWhenTheGuessWasWrong) {
    struct Local : Services {
        MsgAnswer MessageBox(const std::string&, const std::string&, MsgButtons, MsgIcon, int) override {
            return MsgAnswer::Ok;
        }
        void Beep(BeepKind) override {}
        std::optional<std::string> SaveFileDialog(const std::string&, const std::string&,
                                                  const std::string&) override {
            return {};
        }
        std::optional<std::string> OpenFileDialog(const std::string&, const std::string&) override {
            return {};
        }
        bool ShellOpen(const std::string&) override { return true; }
        LocalTime Now() override { return {}; }
        [[noreturn]] void ExitProcess(int) override { std::abort(); }
    } services;
    namespace fs = std::filesystem;
    std::string dir = (fs::temp_directory_path() / "mirel-convert-test.XXXXXX").string();
    ASSERT_NE(::mkdtemp(dir.data()), nullptr);
    // A UTF-8 start, then a cp1252 byte after more than one read buffer.
    std::string bytes(std::size_t{600} << 10, 'x');
    bytes.replace(10, 2, "\xC3\xA4");
    bytes += "\xE4\n";
    std::ofstream(dir + "/a.txt", std::ios::binary) << bytes;
    std::string out = "vorher";
    EXPECT_EQ(AppendConvertedFile(services, dir + "/a.txt", 1 << 20, out), ReadResult::Status::Ok);
    EXPECT_TRUE(out == "vorher" + Reference(bytes));
    EXPECT_EQ(out.substr(6 + 10, 4), "Ã¤");
    // A failure leaves the text as it was.
    EXPECT_EQ(AppendConvertedFile(services, dir + "/a.txt", 1000, out), ReadResult::Status::TooLarge);
    EXPECT_EQ(AppendConvertedFile(services, dir + "/fehlt.txt", 1000, out), ReadResult::Status::Missing);
    EXPECT_TRUE(out == "vorher" + Reference(bytes));
    fs::remove_all(dir);
}

} // namespace
} // namespace mirel
