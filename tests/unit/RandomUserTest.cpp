// Random users: seeded sessions of random clicks, typing, list picks, focus moves, keys, close
// requests and answers to message boxes and file dialogs, driven through the whole program on
// the headless host for all five products. After every action the record must hold its indices
// in their ranges and only text a control can hold, the open page must show a sane state, every
// end of the program must be exit code 0, and every report the program writes must be cp1252
// with CR LF line ends and must arrive whole where the user chose (and fail where it cannot).
//
// A failure names the seed and the action number. Rerun one seed with
//     MIREL_RANDOM_SEED=<seed> mirel_tests --gtest_filter='RandomUser.*'
// (MIREL_RANDOM_TRACE=1 prints every action as it happens, MIREL_RANDOM_ACTIONS=<n> changes the
// number of actions per seed).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <typeinfo>
#include <unistd.h>
#include <vector>

#include "app/Application.h"
#include "app/WelcomeDlg.h"
#include "pages/PostCardNodes.h"
#include "pages/QuestionTrees.h"
#include "platform/Agent.h"
#include "platform/Dialog.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "platform/headless/HeadlessHost.h"
#include "report/ReportRecord.h"
#include "tools/mirel-scenario/Script.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;
using scenario::Quote;

// ---- random numbers that are the same on every compiler (splitmix64) ----

class Rng {
  public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1 (0 for n <= 1).
    int Below(int n) { return n <= 1 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool Percent(int p) { return Below(100) < p; }
    template <class T> const T& Pick(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(Below(static_cast<int>(v.size())))];
    }
    // Index of the weight that was hit.
    int Weighted(std::initializer_list<int> weights) {
        int total = 0;
        for (int w : weights)
            total += w;
        int hit = Below(total);
        int index = 0;
        for (int w : weights) {
            if (hit < w)
                return index;
            hit -= w;
            ++index;
        }
        return index - 1;
    }

  private:
    std::uint64_t m_state;
};

// ---- what a failed check throws; it unwinds the session like the end of the program ----

struct Failure {
    std::string what;
};
// Ends a session that has made its number of actions.
struct SessionCap {};

[[noreturn]] void Fail(const std::string& what) {
    throw Failure{what};
}

// ---- checks ----

// The characters of cp1252 bytes 0x80 to 0x9F; the five bytes cp1252 leaves undefined stand for
// their own C1 code points.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// A text that a control can hold: valid UTF-8 of characters cp1252 has. Runs after every
// action, so it decodes in place without building strings.
bool IsControlText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 0;
        char32_t cp = 0;
        if ((b0 & 0xE0) == 0xC0) {
            len = 2;
            cp = b0 & 0x1F;
        } else if ((b0 & 0xF0) == 0xE0) {
            len = 3;
            cp = b0 & 0x0F;
        } else {
            return false; // a stray continuation byte, or a character beyond the BMP
        }
        if (i + len > text.size())
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (b & 0x3F);
        }
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800))
            return false; // overlong
        const bool latin1 = cp >= 0xA0 && cp <= 0xFF;
        if (!latin1 && std::find(kCp1252High.begin(), kCp1252High.end(), cp) == kCp1252High.end())
            return false;
        i += len;
    }
    return true;
}

// What is wrong with the bytes of a report file, or "" when they are a proper cp1252 text file:
// no NUL, every line ending in CR LF, no CR anywhere else.
std::string ReportFileProblem(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        const std::string at = " at byte " + std::to_string(i) + " of " + std::to_string(bytes.size());
        if (c == '\0')
            return "NUL" + at;
        if (c == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return "LF without CR" + at;
        if (c == '\r' && i + 2 < bytes.size() && bytes[i + 1] == '\r' && bytes[i + 2] == '\n')
            return "CR CR LF" + at;
        if (c == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return "lone CR" + at;
    }
    return "";
}

// A mailto: URL may hold only the bytes of its frame and percent escapes.
std::string MailUrlProblem(const std::string& url) {
    if (url.rfind("mailto:", 0) != 0)
        return "does not start with mailto:";
    constexpr std::string_view kAllowed =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~:@?=&%";
    for (std::size_t i = 0; i < url.size(); ++i) {
        if (kAllowed.find(url[i]) == std::string_view::npos)
            return "byte " + std::to_string(static_cast<unsigned char>(url[i])) + " at " + std::to_string(i);
        if (url[i] == '%') {
            auto hex = [&](std::size_t k) {
                return k < url.size() &&
                       std::string_view("0123456789ABCDEF").find(url[k]) != std::string_view::npos;
            };
            if (!hex(i + 1) || !hex(i + 2))
                return "broken escape at " + std::to_string(i);
        }
    }
    return "";
}

// The numbers of the record with the values they may hold.
struct IntRange {
    const char* name;
    int ReportRecord::*field;
    int min;
    int max;
};
const std::array<IntRange, 16> kIntRanges = {{
    {"m_nVersion", &ReportRecord::m_nVersion, -1, 13},
    {"m_nTestStartDos", &ReportRecord::m_nTestStartDos, -1, 1},
    {"m_nTestOtherMedium", &ReportRecord::m_nTestOtherMedium, -1, 1},
    {"m_nTestReproducible", &ReportRecord::m_nTestReproducible, -1, 2},
    {"m_bTestFloppySame", &ReportRecord::m_bTestFloppySame, 0, 1},
    {"m_bTestFromBatch", &ReportRecord::m_bTestFromBatch, 0, 1},
    {"m_nTestDosType", &ReportRecord::m_nTestDosType, -1, 7},
    {"m_nWinStartFrom", &ReportRecord::m_nWinStartFrom, 0, 1},
    {"m_nWinAdmin", &ReportRecord::m_nWinAdmin, -1, 1},
    {"m_bWinAdminSame", &ReportRecord::m_bWinAdminSame, 0, 1},
    {"m_nWinReproducible", &ReportRecord::m_nWinReproducible, -1, 2},
    {"m_nInfoStartEnv", &ReportRecord::m_nInfoStartEnv, -1, 2},
    {"m_nInfoWinVersion", &ReportRecord::m_nInfoWinVersion, -1, 10},
    {"m_nPostNode", &ReportRecord::m_nPostNode, 0, 16},
    {"m_nExceptionPage", &ReportRecord::m_nExceptionPage, 0, 2},
    {"m_bScreenshot", &ReportRecord::m_bScreenshot, 0, 1},
}};

// The answer fields of the POST card page with their largest value.
struct PostRange {
    const char* name;
    PostField field;
    std::uint32_t max;
};
const std::array<PostRange, 12> kPostRanges = {{
    {"card kind", PostField::CardKind, 3},
    {"occurrence", PostField::Occurrence, 3},
    {"ATX voltage LEDs", PostField::AtxViolation, 2},
    {"operating voltage LEDs", PostField::OperatingLeds, 2},
    {"PCI clock LEDs", PostField::PciClock, 4},
    {"reset line LED", PostField::ResetLine, 2},
    {"PCI error LED", PostField::PciError, 2},
    {"PCI activity LEDs", PostField::PciActivity, 2},
    {"POST code", PostField::PostCode, 2},
    {"operating system start", PostField::OsStart, 3},
    {"beep code", PostField::BeepCode, 2},
    {"boot abort", PostField::BootAbort, 3},
}};
// Bits of m_dwPostAnswers that no field uses: bit 4 and bits 27 to 31.
constexpr std::uint32_t kUnusedPostBits = (1u << 4) | 0xF8000000u;

// The product code with its version indices.
struct ProductVersions {
    int picture;
    int product;
    int first;
    int last;
};
const std::array<ProductVersions, 5> kProducts = {{
    {1077, 1, 0, 3},
    {1085, 2, 4, 5},
    {1276, 3, 6, 8},
    {1275, 4, 9, 11},
    {1274, 5, 12, 13},
}};

const QuestionTree* TreeOf(int version) {
    if (version >= 0 && version <= 3)
        return &TestTree();
    if (version >= 4 && version <= 5)
        return &InfoTree();
    if (version >= 6 && version <= 8)
        return &WinTree();
    if (version >= 12 && version <= 13)
        return &VexometerTree();
    return nullptr;
}

// The single texts of the record.
struct TextField {
    const char* name;
    std::string ReportRecord::*field;
};
const std::array<TextField, 37> kTextFields = {{
    {"m_strTitle", &ReportRecord::m_strTitle},
    {"m_strVersionNo", &ReportRecord::m_strVersionNo},
    {"m_strDate", &ReportRecord::m_strDate},
    {"m_strCustomerNo", &ReportRecord::m_strCustomerNo},
    {"m_strPhone", &ReportRecord::m_strPhone},
    {"m_strFax", &ReportRecord::m_strFax},
    {"m_strCompany", &ReportRecord::m_strCompany},
    {"m_strContact", &ReportRecord::m_strContact},
    {"m_strEmail", &ReportRecord::m_strEmail},
    {"m_strTestVersion", &ReportRecord::m_strTestVersion},
    {"m_strTestDosVersion", &ReportRecord::m_strTestDosVersion},
    {"m_strTestMedium", &ReportRecord::m_strTestMedium},
    {"m_strTestNote", &ReportRecord::m_strTestNote},
    {"m_strWinVersion", &ReportRecord::m_strWinVersion},
    {"m_strWinMedium", &ReportRecord::m_strWinMedium},
    {"m_strWinOs", &ReportRecord::m_strWinOs},
    {"m_strWinIeVersion", &ReportRecord::m_strWinIeVersion},
    {"m_strWinServicePack", &ReportRecord::m_strWinServicePack},
    {"m_strWinBatch", &ReportRecord::m_strWinBatch},
    {"m_strWinNote", &ReportRecord::m_strWinNote},
    {"m_strInfoDetail", &ReportRecord::m_strInfoDetail},
    {"m_strInfoVersion", &ReportRecord::m_strInfoVersion},
    {"m_strInfoBatch", &ReportRecord::m_strInfoBatch},
    {"m_strInfoNote", &ReportRecord::m_strInfoNote},
    {"m_strOtherCard", &ReportRecord::m_strOtherCard},
    {"m_strPostSlot", &ReportRecord::m_strPostSlot},
    {"m_strPostBios", &ReportRecord::m_strPostBios},
    {"m_strPostBiosDate", &ReportRecord::m_strPostBiosDate},
    {"m_strPostCodes", &ReportRecord::m_strPostCodes},
    {"m_strPostBeepCode", &ReportRecord::m_strPostBeepCode},
    {"m_strPostBootMessage", &ReportRecord::m_strPostBootMessage},
    {"m_strPostProblem", &ReportRecord::m_strPostProblem},
    {"m_strPostDarkLeds", &ReportRecord::m_strPostDarkLeds},
    {"m_strPostOsSymptoms", &ReportRecord::m_strPostOsSymptoms},
    {"m_strPostCardText", &ReportRecord::m_strPostCardText},
    {"m_strQuestionText", &ReportRecord::m_strQuestionText},
    {"m_strProductName", &ReportRecord::m_strProductName},
}};

// Calls `check(name, text)` for every text of the record, the array elements included; `name`
// is a function, so names are only built for a report.
template <class Check> void ForEachRecordText(const ReportRecord& r, Check check) {
    for (const TextField& f : kTextFields)
        check([&] { return std::string(f.name); }, r.*f.field);
    for (std::size_t i = 0; i < r.m_aSteps.size(); ++i) {
        check([&] { return "m_aSteps[" + std::to_string(i) + "].m_strText"; }, r.m_aSteps[i].m_strText);
        check([&] { return "m_aSteps[" + std::to_string(i) + "].m_strNote"; }, r.m_aSteps[i].m_strNote);
    }
    for (std::size_t i = 0; i < r.m_astrBootException.size(); ++i)
        check([&] { return "m_astrBootException[" + std::to_string(i) + "]"; }, r.m_astrBootException[i]);
    for (std::size_t i = 0; i < r.m_astrDosException.size(); ++i)
        check([&] { return "m_astrDosException[" + std::to_string(i) + "]"; }, r.m_astrDosException[i]);
    for (std::size_t i = 0; i < r.m_astrHardware.size(); ++i)
        check([&] { return "m_astrHardware[" + std::to_string(i) + "]"; }, r.m_astrHardware[i]);
}

// The question path: choices only at the levels above the deepest answered one, each choice an
// option of the node shown at its level, and each level below showing the node that choice leads to.
void CheckQuestionPath(const ReportRecord& r) {
    const QuestionTree* tree = TreeOf(r.m_nVersion);
    bool gap = false;
    for (std::size_t i = 0; i < r.m_aSteps.size(); ++i) {
        const QuestionStep& step = r.m_aSteps[i];
        const std::string level = "m_aSteps[" + std::to_string(i) + "]";
        if (step.m_nChoice < -1 || step.m_nChoice > 3)
            Fail(level + ".m_nChoice is " + std::to_string(step.m_nChoice));
        if (step.m_nChoice == -1) {
            gap = true;
            continue;
        }
        if (gap)
            Fail(level + " holds a choice below a level without one");
        if (tree == nullptr)
            Fail(level + " holds a choice for version " + std::to_string(r.m_nVersion) +
                 ", which has no tree");
        if (i == 0 && step.m_nNode != 0)
            Fail("the first level shows node " + std::to_string(step.m_nNode) + ", not the root");
        const TreeNode* node = tree->Find(step.m_nNode);
        if (node == nullptr || node->IsLeaf() || step.m_nChoice >= node->OptionCount())
            Fail(level + " chose option " + std::to_string(step.m_nChoice) + " of node " +
                 std::to_string(step.m_nNode) + ", which has no such option");
        const int next = node->options[static_cast<std::size_t>(step.m_nChoice)].next;
        if (i + 1 < r.m_aSteps.size() && r.m_aSteps[i + 1].m_nNode != next)
            Fail("m_aSteps[" + std::to_string(i + 1) + "] shows node " +
                 std::to_string(r.m_aSteps[i + 1].m_nNode) + ", but the choice above leads to node " +
                 std::to_string(next));
    }
}

// The record between two actions. `page` is the open page ("" between pages); `pathKept` says
// that the question page has started a path, which it keeps from then on.
void CheckRecord(const ReportRecord& r, bool started, bool pathKept, const std::string& page) {
    if (r.m_bBack > 1 || r.m_bQuit > 1)
        Fail("m_bBack or m_bQuit is not 0 or 1");
    for (const IntRange& range : kIntRanges) {
        const int value = r.*range.field;
        if (value < range.min || value > range.max)
            Fail(std::string(range.name) + " is " + std::to_string(value) + ", outside " +
                 std::to_string(range.min) + ".." + std::to_string(range.max));
    }
    if (r.m_nPostNode == 2)
        Fail("m_nPostNode is 2, a value the POST card page never uses");
    if (page == "CPostCardDlg" && (r.m_nPostNode < 3 || (r.m_nPostNode == 3 && r.m_nVersion != 11)))
        Fail("the POST card page shows node " + std::to_string(r.m_nPostNode) + " for version " +
             std::to_string(r.m_nVersion));
    if (started) {
        const auto product = std::find_if(kProducts.begin(), kProducts.end(), [&](const ProductVersions& p) {
            return p.product == r.m_nProduct;
        });
        if (product == kProducts.end())
            Fail("m_nProduct is " + std::to_string(r.m_nProduct));
        if (r.m_nVersion != -1 && (r.m_nVersion < product->first || r.m_nVersion > product->last))
            Fail("m_nVersion is " + std::to_string(r.m_nVersion) + " for product " +
                 std::to_string(r.m_nProduct));
        if (r.m_nProduct != 4 && (r.m_nPostNode != 0 || r.m_dwPostAnswers != 0))
            Fail("the POST card answers changed for product " + std::to_string(r.m_nProduct));
        if (r.m_nExceptionPage != 0 && r.m_nProduct != 1 && r.m_nProduct != 5)
            Fail("m_nExceptionPage is " + std::to_string(r.m_nExceptionPage) + " for product " +
                 std::to_string(r.m_nProduct) + ", which has no exception page");
    }
    if ((r.m_dwPostAnswers & kUnusedPostBits) != 0)
        Fail("m_dwPostAnswers sets unused bits: " + std::to_string(r.m_dwPostAnswers));
    for (const PostRange& field : kPostRanges) {
        const std::uint32_t value = GetPostField(r.m_dwPostAnswers, field.field);
        if (value > field.max)
            Fail(std::string("the POST card answer '") + field.name + "' is " + std::to_string(value));
    }
    if (page == "CPostCardDlg" && r.m_nVersion >= 9 && r.m_nVersion <= 11 &&
        GetPostField(r.m_dwPostAnswers, PostField::CardKind) != static_cast<std::uint32_t>(r.m_nVersion - 8))
        Fail("the POST card kind does not match version " + std::to_string(r.m_nVersion));
    if (pathKept)
        CheckQuestionPath(r);
    ForEachRecordText(r, [](auto name, const std::string& text) {
        if (!IsControlText(text))
            Fail(name() +
                 " holds bytes that are not cp1252 characters in UTF-8: " + Quote(text.substr(0, 80)));
    });
}

// The state of the open page: list selections inside their lists, check boxes 0 or 1, at most
// one radio button per group checked, and only cp1252 characters in every text it shows.
void CheckControls(const Dialog& page) {
    const DialogTemplate& tmpl = page.Template();
    for (const ControlTemplate& c : tmpl.controls) {
        if (c.id <= 0)
            continue;
        const std::string name = std::string(page.ClassName()) + " control " + std::to_string(c.id);
        switch (c.kind) {
        case ControlKind::ComboBox: {
            const int sel = page.GetCurSel(c.id);
            if (sel < -1 || sel >= page.GetListCount(c.id))
                Fail(name + " selects entry " + std::to_string(sel) + " of " +
                     std::to_string(page.GetListCount(c.id)));
            break;
        }
        case ControlKind::CheckBox:
            if (page.GetCheck(c.id) != 0 && page.GetCheck(c.id) != 1)
                Fail(name + " is checked " + std::to_string(page.GetCheck(c.id)));
            break;
        case ControlKind::RadioButton: {
            int checked = 0;
            for (int member : tmpl.RadioGroup(c.id))
                checked += page.GetCheck(member) != 0 ? 1 : 0;
            if (checked > 1)
                Fail(name + ": " + std::to_string(checked) + " radio buttons of its group are checked");
            break;
        }
        default:
            break;
        }
        // Large texts (the report box) are checked where they end up: in the saved file.
        const std::string text = page.GetItemText(c.id);
        if (text.size() < 20000 && !IsControlText(text))
            Fail(name + " shows bytes that are not cp1252 characters in UTF-8: " + Quote(text.substr(0, 80)));
    }
}

// The report box of the report page.
constexpr int kReportBox = 1207;

std::string WithoutCr(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r')
            out.push_back(c);
    return out;
}

// ---- the files a user picks ----

std::string Repeat(const std::string& piece, std::size_t length) {
    std::string s;
    s.reserve(length + piece.size());
    while (s.size() < length)
        s += piece;
    return s;
}

// A fresh folder with the files the random user appends, and the places it saves to.
class Folder {
  public:
    explicit Folder(const std::string& path) : m_path(path) {
        fs::create_directories(m_path + "/sub");
        // Every byte value but NUL, with every kind of line end: LF, CR LF, lone CR, CR CR LF.
        std::string text = "Erste Zeile\nzweite Zeile\r\ndritte\rvierte\r\r\nf\xFC"
                           "nfte \x80\x81\x8D\x8F\x90\x9D\n";
        for (int b = 1; b < 256; ++b)
            text.push_back(static_cast<char>(b));
        text += "\n\n\n\nEnde";
        Write("notiz.txt", text);
        Write("seite.html", "<html><head><title>Titel</title></head>\r\n<body><p>Gr\xFC\xDF"
                            "e &amp; mehr</p>\r\n\r\n\r\n\r\n<b>fett</b> a > b <i\r\n>x</i> <unclosed");
        // A DOS text: three double lines mark it, umlauts and box characters in cp850.
        Write("dos.txt", "\xC9\xCD\xCD\xCD\xCD\xBB\r\n\xBA M\x81ller \x84\x94\x81\xE1 \xBA\r\n"
                         "\xC8\xCD\xCD\xCD\xCD\xBC\r\n\xB3\xC4\xDA\xBF\xC0\xD9\r\n");
        Write("leer.txt", "");
        // Half a megabyte of long lines, tabs and umlauts, to append more than a few lines.
        Write("gross.txt", Repeat(std::string(300, 'x') + "\t\xE4\xF6\xFC\xDF\r\n", 512 * 1024));
        Write("mit nul.txt", std::string("vor dem NUL\r\n") + '\0' + "nach dem NUL\r\n");
        Write("Gr\xC3\xBC\xC3\x9F"
              "e \"x\" & y.txt",
              "Name mit Umlauten, Blanks und Anf\xFChrungszeichen\r\n");
        Write("\xE6\xBC\xA2.txt", "Name au\xDF"
                                  "erhalb von cp1252\n");
        // Larger than the 64 MiB an append may take; sparse, so it costs no disk.
        const std::string huge = m_path + "/riesig.bin";
        const int fd = ::open(huge.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0 || ::ftruncate(fd, (off_t{64} << 20) + 1) != 0)
            throw std::runtime_error("cannot create " + huge);
        ::close(fd);
        // A link inside the folder: saving through it writes the file it names.
        fs::create_symlink("ziel.txt", m_path + "/verweis.txt");
    }

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }
    bool Contains(const std::string& path) const { return path.rfind(m_path + "/", 0) == 0; }

  private:
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream out(m_path + "/" + name, std::ios::binary);
        out << bytes;
        if (!out)
            throw std::runtime_error("cannot write " + name);
    }
    std::string m_path;
};

// A save target and whether writing there must succeed.
struct SaveTarget {
    std::string path;
    bool good;
};

// ---- typed text ----

class TextMaker {
  public:
    TextMaker() {
        // Every cp1252 character as the keyboard sends it (UTF-8), the five undefined bytes as
        // their C1 code points.
        for (int b = 0x20; b < 0x100; ++b)
            m_chars.push_back(Cp1252ToUtf8(std::string(1, static_cast<char>(b))));
        m_chars.emplace_back("\t");
        m_allCp1252 = "";
        for (const std::string& c : m_chars)
            m_allCp1252 += c;
        // Characters cp1252 cannot hold, control characters, line breaks and bytes that are no UTF-8.
        m_outside = {"\xC4\x80",
                     "\xE6\xBC\xA2",
                     "\xF0\x9F\x98\x80",
                     "\xE2\x80\x8B",
                     "\xEF\xBB\xBF",
                     "\xE2\x80\xA8",
                     "\xEF\xBF\xBD",
                     "\xCC\x88",
                     "\xD0\x96",
                     std::string(1, '\0'),
                     "\r",
                     "\n",
                     "\r\n",
                     "\x1B",
                     "\x7F",
                     "\xC3",
                     "\xFF",
                     "\xED\xA0\x80",
                     "\xC0\xAF"};
    }

    // A careful user mostly types sensible values; a careless one anything.
    std::string Make(Rng& rng, bool careful) const {
        if (careful && rng.Percent(85))
            return rng.Percent(40) ? kUniversal : Plausible(rng);
        switch (rng.Weighted({40, 25, 4, 8, 6, 3, 6, 8})) {
        case 0:
            return Plausible(rng);
        case 1:
            return Mixed(rng, rng.Between(1, 60));
        case 2:
            return m_allCp1252;
        case 3:
            return Outside(rng);
        case 4:
            return rng.Pick(std::vector<std::string>{"\n", "a\nb", "\n\n\nx\n\n", "x\r\ny", "\r", " \n \n "});
        case 5:
            return Long(rng);
        case 6:
            return rng.Percent(50) ? std::string() : std::string("  \t ");
        default:
            return Plausible(rng) + Mixed(rng, rng.Between(1, 8));
        }
    }

  private:
    // One value that passes most checks of the pages: four characters and more, a separator
    // second, a colon, an at sign, a dot and a zero.
    static constexpr const char* kUniversal = "1.2:0@x.de";

    static std::string Plausible(Rng& rng) {
        if (rng.Percent(35))
            return kUniversal;
        static const std::vector<std::string> kValues = {
            "1.23",
            "2,05a",
            "6.22",
            "0711 4711-0",
            "+49 30 123456",
            "support@example.com",
            "m.mueller@firma.de",
            "12:34",
            "0008:1A2B",
            "M\xC3\xBCller & S\xC3\xB6hne GmbH, EDV",
            "Hans Mustermann",
            "Windows XP",
            "SP2",
            "MS-DOS 6.22",
            "C:\\QUORIX\\QTEST.EXE /B",
            "CD-ROM",
            "USB-Stick",
            "05.12.2026",
            "Der Rechner bleibt stehen.",
            "1234",
            "FFFF",
            "ASUS P5K",
            "1.0",
            "Zeile 1\nZeile 2",
        };
        return rng.Pick(kValues);
    }
    std::string Mixed(Rng& rng, int length) const {
        std::string s;
        for (int i = 0; i < length; ++i)
            s += rng.Percent(85) ? rng.Pick(m_chars) : rng.Pick(m_outside);
        return s;
    }
    std::string Outside(Rng& rng) const {
        std::string s;
        for (int i = rng.Between(1, 12); i > 0; --i)
            s += rng.Pick(m_outside);
        return s;
    }
    static std::string Long(Rng& rng) {
        const std::size_t length =
            static_cast<std::size_t>(rng.Pick(std::vector<int>{300, 1001, 5000, 70000}));
        return Repeat(rng.Percent(50) ? "Zeile \xC3\xA4\xC3\xB6\xC3\xBC \xE2\x82\xAC\n"
                                      : "x\xC3\x9F"
                                        "1.2:0@x.de ",
                      length);
    }

    std::vector<std::string> m_chars;
    std::vector<std::string> m_outside;
    std::string m_allCp1252;
};

std::string Shorten(const std::string& text) {
    if (text.size() <= 40)
        return Quote(text);
    return Quote(text.substr(0, 40)) + "... (" + std::to_string(text.size()) + " bytes)";
}

// ---- the random user ----

struct Stats {
    long actions = 0;
    long sessions = 0;
    long exits = 0;
    long capped = 0;
    long savesOk = 0;
    long savesFailed = 0;
    long appends = 0;
    long mails = 0;
    std::map<std::string, long> pages;
    std::set<int> products;

    void Add(const Stats& o) {
        actions += o.actions;
        sessions += o.sessions;
        exits += o.exits;
        capped += o.capped;
        savesOk += o.savesOk;
        savesFailed += o.savesFailed;
        appends += o.appends;
        mails += o.mails;
        for (const auto& [name, count] : o.pages)
            pages[name] += count;
        products.insert(o.products.begin(), o.products.end());
    }
};

struct Found {
    std::uint64_t seed;
    long session;
    long action;
    std::string what;
    std::string trace;
};

class RandomUser : public Agent, public Services {
  public:
    RandomUser(std::uint64_t seed, const Folder& folder, bool trace)
        : m_seed(seed), m_rng(seed * 0x2545F4914F6CDD1Dull + 1), m_folder(folder), m_printTrace(trace) {
        m_saveTargets = {
            {folder / "report.txt", true},
            {folder / "Report von M\xC3\xBCller & S\xC3\xB6hne.txt", true},
            {folder / "sub/\"zitiert\" 'x'.txt", true},
            {folder / "neue\nZeile.txt", true},
            {folder / "verweis.txt", true},
            {folder / "fehlt/report.txt", false}, // a folder that does not exist
            {folder / "sub", false},              // a folder
            {"/proc/mirel-report.txt", false},    // a folder nobody may create files in
            {"/proc/self/mirel-report.txt", false},
            {"/dev/full", false}, // a device that takes no byte
        };
        m_openTargets = {
            folder / "notiz.txt",
            folder / "seite.html",
            folder / "dos.txt",
            folder / "leer.txt",
            folder / "gross.txt",
            folder / "mit nul.txt",
            folder / "Gr\xC3\xBC\xC3\x9F"
                     "e \"x\" & y.txt",
            folder / "\xE6\xBC\xA2.txt",
            folder / "fehlt.txt",  // missing
            folder / "sub",        // a folder
            folder / "riesig.bin", // too large
            "/proc/self/mem",      // refuses to be read, also to root
        };
    }

    // Runs sessions until `actions` actions have been made. An action that does not come back
    // within kHangSeconds is a hang: the run is stopped with the seed and the last actions,
    // after `onHang` has cleaned up.
    void Run(long actions, const std::function<void()>& onHang) {
        std::thread watchdog([this, &onHang] { Watch(onHang); });
        while (m_stats.actions < actions) {
            const long before = m_stats.actions;
            RunSession(actions - m_stats.actions);
            if (m_stats.actions == before)
                ++m_stats.actions; // never loops without acting
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        watchdog.join();
    }

    const Stats& Statistics() const { return m_stats; }
    const std::vector<Found>& Failures() const { return m_found; }

    // ---- Agent ----

    void PageShown(Dialog& page) override {
        const std::string name = page.ClassName();
        ++m_stats.pages[name];
        Note("page " + name);
        if (m_welcome == nullptr) {
            auto* welcome = dynamic_cast<CWelcomeDlg*>(&page);
            if (welcome == nullptr)
                Fail("the first page is " + name + ", not the welcome page");
            m_welcome = &page;
            m_record = &welcome->Record();
            return;
        }
        m_started = true;
        m_current = &page;
        if (name == "CQuestionDlg")
            m_pathKept = true;
        if (page.GetCaption() != m_record->m_strTitle)
            Fail(name + " shows the caption " + Quote(page.GetCaption()));
        Check(page);
    }

    void Step(Dialog& page) override {
        if (m_sessionActions >= m_sessionCap)
            throw SessionCap{};
        ++m_sessionActions;
        ++m_stats.actions;
        m_actionNumber = m_stats.actions;
        m_current = &page;
        m_dialogsThisAction = 0;
        if (&page == m_welcome)
            ActOnWelcome(page);
        else
            ActOnPage(page);
        Check(page);
    }

    // ---- Services ----

    MsgAnswer MessageBox(const std::string& caption, const std::string& text, MsgButtons buttons,
                         MsgIcon /*icon*/, int defaultButton) override {
        CountDialog();
        if (caption.empty() || !IsControlText(caption) || !IsControlText(text))
            Fail("message box with a broken caption or text: " + Quote(caption) + " " + Shorten(text));
        const int count = buttons == MsgButtons::Ok ? 1 : buttons == MsgButtons::YesNo ? 2 : 3;
        if (defaultButton < 1 || defaultButton > count)
            Fail("message box " + Quote(caption) + " with default button " + std::to_string(defaultButton));
        MsgAnswer answer = MsgAnswer::Ok;
        if (buttons != MsgButtons::Ok)
            answer =
                std::array<MsgAnswer, 3>{MsgAnswer::Yes, MsgAnswer::No,
                                         MsgAnswer::Cancel}[static_cast<std::size_t>(m_rng.Below(count))];
        static const char* const kWords[] = {"ok", "yes", "no", "cancel"};
        Note("  message " + Quote(caption) + " -> " + kWords[static_cast<int>(answer)]);
        return answer;
    }

    void Beep(BeepKind /*kind*/) override {}

    std::optional<std::string> SaveFileDialog(const std::string& /*filter*/,
                                              const std::string& /*defaultExt*/,
                                              const std::string& proposedName) override {
        CountDialog();
        // The proposed name is a name, not a path, and holds nothing a file name cannot hold.
        if (!IsControlText(proposedName) || proposedName.find('/') != std::string::npos ||
            std::any_of(proposedName.begin(), proposedName.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
            Fail("the save dialog proposes " + Quote(proposedName));
        if (m_rng.Percent(15)) {
            Note("  save-dialog -> cancel");
            return std::nullopt;
        }
        const SaveTarget& target = m_rng.Percent(55) ? m_saveTargets[static_cast<std::size_t>(m_rng.Below(5))]
                                                     : m_rng.Pick(m_saveTargets);
        Note("  save-dialog -> " + Quote(target.path));
        return target.path;
    }

    std::optional<std::string> OpenFileDialog(const std::string& /*filter*/,
                                              const std::string& /*defaultExt*/) override {
        CountDialog();
        if (m_rng.Percent(10)) {
            Note("  open-dialog -> cancel");
            return std::nullopt;
        }
        const std::string& path = m_rng.Pick(m_openTargets);
        Note("  open-dialog -> " + Quote(path));
        ++m_stats.appends;
        return path;
    }

    void ShellOpen(const std::string& url) override {
        ++m_stats.mails;
        Note("  shell-open " + Shorten(url));
        const std::string problem = MailUrlProblem(url);
        if (!problem.empty())
            Fail("the mail URL is broken (" + problem + "): " + Shorten(url));
    }

    LocalTime Now() override { return m_clock; }

    WriteStatus WriteFile(const std::string& path, const std::string& bytes) override {
        std::string problem = ReportFileProblem(bytes);
        if (!problem.empty())
            Fail("the report written to " + Quote(path) + " is no proper text file: " + problem);
        const auto target = std::find_if(m_saveTargets.begin(), m_saveTargets.end(),
                                         [&](const SaveTarget& t) { return t.path == path; });
        if (target == m_saveTargets.end())
            Fail("the report is written to " + Quote(path) + ", a path the user never chose");
        // What is saved is what the user sees in the report box, every character of it.
        if (m_current != nullptr && std::string_view(m_current->ClassName()) == "CReportDlg" &&
            WithoutCr(Cp1252ToUtf8(bytes)) != WithoutCr(m_current->GetItemText(kReportBox)))
            Fail("the report written to " + Quote(path) + " differs from the text in the report box");
        const WriteStatus status = Services::WriteFile(path, bytes);
        static const char* const kWords[] = {"ok", "open failed", "close failed"};
        Note("  write " + Quote(path) + " " + std::to_string(bytes.size()) + " bytes -> " +
             kWords[static_cast<int>(status)]);
        if (status == WriteStatus::Ok)
            ++m_stats.savesOk;
        else
            ++m_stats.savesFailed;
        if (target->good && status != WriteStatus::Ok)
            Fail("saving to " + Quote(path) + " failed");
        if (!target->good && status == WriteStatus::Ok)
            Fail("saving to " + Quote(path) + " is reported as done, but cannot have worked");
        if (status == WriteStatus::Ok && m_folder.Contains(path)) {
            std::ifstream in(path, std::ios::binary);
            std::stringstream onDisk;
            onDisk << in.rdbuf();
            if (onDisk.str() != bytes)
                Fail("the file " + Quote(path) + " does not hold the report that was saved");
        }
        return status;
    }

    [[noreturn]] void ExitProcess(int code) override {
        Note("exit " + std::to_string(code));
        if (code != 0)
            Fail("the program ended with exit code " + std::to_string(code));
        throw ProcessExit{code};
    }

  private:
    void RunSession(long remaining) {
        m_sessionCap = std::min<long>(remaining, m_rng.Between(200, 4000));
        m_sessionActions = 0;
        m_welcome = nullptr;
        m_current = nullptr;
        m_record = nullptr;
        m_started = false;
        m_pathKept = false;
        m_careful = m_rng.Percent(50);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_trace.clear();
            m_sessionNumber = m_stats.sessions + 1;
        }
        m_clock = LocalTime{m_rng.Between(1995, 2037), m_rng.Between(1, 12), m_rng.Between(1, 28),
                            m_rng.Between(0, 23),      m_rng.Between(0, 59), m_rng.Between(0, 59)};
        ++m_stats.sessions;
        Note("session " + std::to_string(m_stats.sessions) +
             (m_careful ? ", a careful user" : ", a careless user"));

        HeadlessHost host;
        SetHost(&host);
        SetServices(this);
        SetAgent(this);
        std::string failure;
        try {
            RunApplication();
        } catch (const ProcessExit&) {
            ++m_stats.exits;
        } catch (const SessionCap&) {
            ++m_stats.capped;
        } catch (const Failure& f) {
            failure = f.what;
        } catch (const std::exception& e) {
            failure = std::string("exception ") + typeid(e).name() + ": " + e.what();
        } catch (...) {
            failure = "an unknown exception";
        }
        SetAgent(nullptr);
        SetServices(nullptr);
        SetHost(nullptr);
        m_welcome = nullptr;
        m_current = nullptr;
        m_record = nullptr;
        if (!failure.empty()) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_found.push_back({m_seed, m_stats.sessions, m_stats.actions, failure, Trace()});
        }
    }

    void Note(std::string line) {
        if (m_printTrace)
            std::cerr << "[" << m_stats.actions << "] " << line << '\n';
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_progress;
        m_trace.push_back(std::move(line));
        if (m_trace.size() > 60)
            m_trace.pop_front();
    }

    std::string Trace() const {
        std::string trace;
        for (const std::string& line : m_trace)
            trace += "    " + line + "\n";
        return trace;
    }

    void Watch(const std::function<void()>& onHang) {
        static constexpr int kHangSeconds = 30;
        std::unique_lock<std::mutex> lock(m_mutex);
        long seen = -1;
        auto since = std::chrono::steady_clock::now();
        while (!m_done) {
            m_wake.wait_for(lock, std::chrono::milliseconds(250));
            if (m_progress != seen) {
                seen = m_progress;
                since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(kHangSeconds)) {
                std::cerr << "random users: the program hangs (no progress for " << kHangSeconds
                          << " s) with MIREL_RANDOM_SEED=" << m_seed << ", session " << m_sessionNumber
                          << ", action " << m_actionNumber << "; the last actions:\n"
                          << Trace() << std::flush;
                onHang();
                std::abort();
            }
        }
    }

    void Check(const Dialog& page) {
        const bool open = page.IsOpen();
        if (m_record != nullptr)
            CheckRecord(*m_record, m_started, m_pathKept, open ? page.ClassName() : "");
        if (open)
            CheckControls(page);
    }

    // A page that keeps asking without the user doing anything is caught in a loop.
    void CountDialog() {
        if (++m_dialogsThisAction > 100)
            Fail("one action brought up more than 100 message boxes and file dialogs");
    }

    static bool Usable(const Dialog& page, int id) {
        return page.IsItemVisible(id) && page.IsItemEnabled(id);
    }

    static bool Clickable(const ControlTemplate& c) {
        switch (c.kind) {
        case ControlKind::PushButton:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
            return true;
        case ControlKind::Static:
        case ControlKind::Picture:
            return (c.style & kNotify) != 0;
        default:
            return false;
        }
    }

    void Click(Dialog& page, int id) {
        Note(std::string(page.ClassName()) + ": click " + std::to_string(id));
        page.UserClick(id);
    }

    // The welcome page: mostly a product picture, now and then closing or its buttons.
    void ActOnWelcome(Dialog& page) {
        switch (m_rng.Weighted({96, 2, 1, 1})) {
        case 0: {
            const ProductVersions& p = kProducts[static_cast<std::size_t>(m_rng.Below(5))];
            m_stats.products.insert(p.product);
            Click(page, p.picture);
            break;
        }
        case 1:
            Note("CWelcomeDlg: close");
            page.UserClose();
            break;
        case 2:
            Note("CWelcomeDlg: key enter");
            page.UserKey(Key::Enter);
            break;
        default:
            Click(page, 1015);
            break;
        }
    }

    void ActOnPage(Dialog& page) {
        std::vector<int> clicks, edits, lists, focusable;
        int next = 0, back = 0;
        for (const ControlTemplate& c : page.Template().controls) {
            if (c.id <= 0 || !Usable(page, c.id))
                continue;
            if (Clickable(c))
                clicks.push_back(c.id);
            if (c.kind == ControlKind::Edit && !page.IsReadOnly(c.id))
                edits.push_back(c.id);
            if (c.kind == ControlKind::ComboBox && page.GetListCount(c.id) > 0)
                lists.push_back(c.id);
            if (c.kind == ControlKind::Edit || c.kind == ControlKind::ComboBox || Clickable(c))
                focusable.push_back(c.id);
            if (c.kind == ControlKind::PushButton && (c.id == 1016 || c.id == 1010) && next == 0)
                next = c.id;
            if (c.kind == ControlKind::PushButton && (c.id == 1015 || c.id == 1009) && back == 0)
                back = c.id;
        }
        const std::string name = page.ClassName();
        // next, back, click, type, select, focus, enter, escape, close
        const int choice = m_careful ? m_rng.Weighted({150, 10, 300, 300, 80, 50, 50, 10, 2})
                                     : m_rng.Weighted({120, 30, 270, 270, 80, 80, 50, 20, 10});
        switch (choice) {
        case 0:
            if (next != 0) {
                Click(page, next);
                return;
            }
            break;
        case 1:
            if (back != 0) {
                Click(page, back);
                return;
            }
            break;
        case 2:
            if (!clicks.empty()) {
                Click(page, m_rng.Pick(clicks));
                return;
            }
            break;
        case 3:
            if (!edits.empty()) {
                // A user clicks into the edit, then types; an edit that hands its focus on
                // takes no typing.
                std::vector<int> empty;
                for (int id : edits)
                    if (page.GetItemText(id).empty())
                        empty.push_back(id);
                const int id =
                    m_careful && !empty.empty() && m_rng.Percent(70) ? m_rng.Pick(empty) : m_rng.Pick(edits);
                const std::string text = m_text.Make(m_rng, m_careful);
                Note(name + ": focus " + std::to_string(id));
                page.UserFocus(id);
                if (page.IsOpen() && page.GetFocusItem() == id && Usable(page, id) && !page.IsReadOnly(id)) {
                    Note(name + ": type " + std::to_string(id) + " " + Shorten(text));
                    page.UserType(id, text);
                }
                return;
            }
            break;
        case 4:
            if (!lists.empty()) {
                const int id = m_rng.Pick(lists);
                const int index = m_rng.Below(page.GetListCount(id));
                Note(name + ": select " + std::to_string(id) + " " + std::to_string(index));
                page.UserSelect(id, index);
                return;
            }
            break;
        case 5:
            if (!focusable.empty()) {
                const int id = m_rng.Pick(focusable);
                Note(name + ": focus " + std::to_string(id));
                page.UserFocus(id);
                return;
            }
            break;
        case 7:
            Note(name + ": key escape");
            page.UserKey(Key::Escape);
            return;
        case 8:
            Note(name + ": close");
            page.UserClose();
            return;
        default:
            break;
        }
        Note(name + ": key enter");
        page.UserKey(Key::Enter);
    }

    std::uint64_t m_seed;
    Rng m_rng;
    const Folder& m_folder;
    bool m_printTrace;
    TextMaker m_text;
    std::vector<SaveTarget> m_saveTargets;
    std::vector<std::string> m_openTargets;

    long m_sessionCap = 0;
    long m_sessionActions = 0;
    const Dialog* m_welcome = nullptr;
    const Dialog* m_current = nullptr; // the page the last action went to
    ReportRecord* m_record = nullptr;
    bool m_started = false;
    bool m_pathKept = false;
    bool m_careful = false;
    int m_dialogsThisAction = 0;
    LocalTime m_clock;

    // Shared with the watchdog.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::string> m_trace;
    long m_progress = 0;
    bool m_done = false;
    std::atomic<long> m_sessionNumber = 0;
    std::atomic<long> m_actionNumber = 0;

    Stats m_stats;
    std::vector<Found> m_found;
};

// ---- the test ----

class TempRoot {
  public:
    TempRoot() {
        std::string pattern = (fs::temp_directory_path() / "mirel-random-user.XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp");
        m_path = pattern;
    }
    ~TempRoot() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;
    const std::string& Path() const { return m_path; }

  private:
    std::string m_path;
};

// A failure without its numbers and quoted texts, so that one fault is reported once.
std::string KindOf(const std::string& what) {
    std::string kind;
    bool quoted = false;
    for (std::size_t i = 0; i < what.size(); ++i) {
        const char c = what[i];
        if (c == '\\' && quoted) {
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
            kind += quoted ? "\"...\"" : "";
        } else if (!quoted && !(c >= '0' && c <= '9' && !kind.empty() && kind.back() == '#')) {
            kind += c >= '0' && c <= '9' ? '#' : c;
        }
    }
    return kind;
}

long EnvNumber(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtol(value, nullptr, 10) : fallback;
}

TEST(RandomUser, EveryProductSurvivesRandomUsers) {
    // Eight seeds of 12,500 actions each: 100,000 actions per run.
    std::vector<std::uint64_t> seeds = {1, 2, 3, 4, 5, 6, 7, 8};
    const char* only = std::getenv("MIREL_RANDOM_SEED");
    const bool single = only != nullptr && *only != '\0';
    if (single)
        seeds = {std::strtoull(only, nullptr, 10)};
    const long actions = EnvNumber("MIREL_RANDOM_ACTIONS", 12500);
    const bool trace = EnvNumber("MIREL_RANDOM_TRACE", 0) != 0;

    TempRoot root;
    Stats total;
    std::vector<Found> found;
    for (std::uint64_t seed : seeds) {
        const Folder folder(root.Path() + "/seed-" + std::to_string(seed));
        RandomUser user(seed, folder, trace);
        user.Run(actions, [&] {
            std::error_code ec;
            fs::remove_all(root.Path(), ec);
        });
        total.Add(user.Statistics());
        found.insert(found.end(), user.Failures().begin(), user.Failures().end());
    }

    std::cout << "random users: " << total.actions << " actions in " << total.sessions << " sessions ("
              << total.exits << " program ends, " << total.capped << " stopped), " << total.savesOk
              << " saves, " << total.savesFailed << " failed saves, " << total.appends << " appends, "
              << total.mails << " mail hand-offs\n  pages:";
    for (const auto& [name, count] : total.pages)
        std::cout << ' ' << name << '=' << count;
    std::cout << '\n';

    // Each kind of failure once, with the first seed and action that showed it.
    std::map<std::string, std::pair<const Found*, int>> kinds;
    for (const Found& f : found) {
        auto [it, fresh] = kinds.try_emplace(KindOf(f.what), &f, 0);
        ++it->second.second;
    }
    for (const auto& [kind, first] : kinds) {
        const Found& f = *first.first;
        ADD_FAILURE() << f.what << "\n  seen " << first.second
                      << " times; first with MIREL_RANDOM_SEED=" << f.seed << ", session " << f.session
                      << ", action " << f.action << "; the last actions:\n"
                      << f.trace;
    }

    if (!single) {
        // The users must get everywhere, or the checks above prove little.
        EXPECT_GE(total.actions, 100000);
        EXPECT_EQ(total.products.size(), 5u);
        for (const char* page :
             {"CVersionTypeDlg", "CTestStartDlg", "CVexometerStartDlg", "CInfoEnvDlg", "CWinEnvDlg",
              "CPostCardDlg", "CQuestionDlg", "CBootExceptionDlg", "CDosExceptionDlg", "CHardwareDlg",
              "CContactDlg", "CReportDlg", "CSendMailDlg"})
            EXPECT_GT(total.pages[page], 0) << page << " was never reached";
        EXPECT_GT(total.savesOk, 0);
        EXPECT_GT(total.savesFailed, 0);
        EXPECT_GT(total.appends, 0);
        EXPECT_GT(total.mails, 0);
        EXPECT_GT(total.exits, 0);
    }
}

} // namespace
} // namespace mirel
