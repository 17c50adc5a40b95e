// Random users: seeded sessions of clicks, typing, list picks, focus moves, keys and close requests
// on whatever the open page shows, with random answers to message boxes and file dialogs, through
// the whole program on the headless host. Each day runs other seeds, taken from the date. A failure
// names its seed; MIREL_RANDOM_SEED=<seed> MIREL_RANDOM_TRACE=1 repeats it with every action shown
// (MIREL_RANDOM_ACTIONS=<n> per seed).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "app/Application.h"
#include "app/WelcomeDlg.h"
#include "pages/PostCardNodes.h"
#include "pages/QuestionTrees.h"
#include "platform/Agent.h"
#include "platform/Dialog.h"
#include "platform/Scope.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "platform/headless/HeadlessHost.h"
#include "report/ReportRecord.h"
#include "tools/mirel-scenario/Script.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;
using scenario::Quote;

// Random choices from an engine whose sequence the standard fixes: a seed means the same run
// on every compiler.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : m_engine(seed) {}
    // 0 .. n-1 (0 for n <= 1).
    int Below(int n) { return n <= 1 ? 0 : static_cast<int>(m_engine() % static_cast<std::uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool Percent(int p) { return Below(100) < p; }
    template <class C> const auto& Pick(const C& c) {
        return c[static_cast<std::size_t>(Below(static_cast<int>(std::size(c))))];
    }
    // The index of the weight that was hit; a zero weight is never hit.
    template <class C> std::size_t Weighted(const C& weights) {
        int hit = Below(std::accumulate(std::begin(weights), std::end(weights), 0));
        std::size_t index = 0;
        while (hit >= weights[index])
            hit -= weights[index++];
        return index;
    }

  private:
    std::mt19937_64 m_engine;
};

// A failed check unwinds the session like an exception of the program (which catches none); the
// end of a session that has made its number of actions unwinds it like the end of the program.
[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what);
}
struct SessionCap : ProcessExit {};

// ---- checks ----

// Text a control can hold: UTF-8 of characters cp1252 has. Anything else comes back changed from
// the trip through cp1252, where it becomes '?'.
bool IsControlText(std::string_view text) {
    return Cp1252ToUtf8(Utf8ToCp1252(text)) == text;
}

// The numbers of the record with the values they may hold, the answer fields of the POST card
// page with their largest value, the versions of products 1 to 5 and the question tree of each
// version (the POST card versions have none).
using R = ReportRecord;
using TreeOf = const QuestionTree& (*)();
// clang-format off
const std::array<std::tuple<const char*, int R::*, int, int>, 17> kIntRanges = {{
    {"m_nVersion", &R::m_nVersion, -1, 13}, {"m_nProduct", &R::m_nProduct, 0, 5},
    {"m_nTestStartDos", &R::m_nTestStartDos, -1, 1}, {"m_nTestOtherMedium", &R::m_nTestOtherMedium, -1, 1},
    {"m_nTestReproducible", &R::m_nTestReproducible, -1, 2}, {"m_bTestFloppySame", &R::m_bTestFloppySame, 0, 1},
    {"m_bTestFromBatch", &R::m_bTestFromBatch, 0, 1}, {"m_nTestDosType", &R::m_nTestDosType, -1, 7},
    {"m_nWinAdmin", &R::m_nWinAdmin, -1, 1}, {"m_nWinStartFrom", &R::m_nWinStartFrom, 0, 1},
    {"m_bWinAdminSame", &R::m_bWinAdminSame, 0, 1}, {"m_nWinReproducible", &R::m_nWinReproducible, -1, 2},
    {"m_nInfoStartEnv", &R::m_nInfoStartEnv, -1, 2}, {"m_nInfoWinVersion", &R::m_nInfoWinVersion, -1, 10},
    {"m_nPostNode", &R::m_nPostNode, 0, 16}, {"m_bScreenshot", &R::m_bScreenshot, 0, 1},
    {"m_nExceptionPage", &R::m_nExceptionPage, 0, 2}}};
constexpr std::array<std::pair<PostField, std::uint32_t>, 12> kPostRanges = {{
    {PostField::CardKind, 3}, {PostField::Occurrence, 3}, {PostField::AtxViolation, 2},
    {PostField::OperatingLeds, 2}, {PostField::PciClock, 4}, {PostField::ResetLine, 2},
    {PostField::PciError, 2}, {PostField::PciActivity, 2}, {PostField::PostCode, 2},
    {PostField::OsStart, 3}, {PostField::BeepCode, 2}, {PostField::BootAbort, 3}}};
constexpr std::array<std::pair<int, int>, 5> kVersions = {{{0, 3}, {4, 5}, {6, 8}, {9, 11}, {12, 13}}};
const std::array<TreeOf, 14> kTrees = {&TestTree, &TestTree, &TestTree, &TestTree, &InfoTree, &InfoTree,
    &WinTree, &WinTree, &WinTree, nullptr, nullptr, nullptr, &VexometerTree, &VexometerTree};
// clang-format on

// The question path: choices only at the levels above the deepest answered one, the first at
// the root, each an option of the node shown at its level, and each level below showing the
// node that choice leads to.
void CheckQuestionPath(const ReportRecord& r) {
    const TreeOf tree = r.m_nVersion < 0 ? nullptr : kTrees[static_cast<std::size_t>(r.m_nVersion)];
    bool gap = false;
    for (std::size_t i = 0; i < r.m_aSteps.size(); ++i) {
        const QuestionStep& step = r.m_aSteps[i];
        gap = gap || step.m_nChoice == -1;
        if (step.m_nChoice == -1)
            continue;
        const TreeNode* node = tree == nullptr ? nullptr : tree().Find(step.m_nNode);
        if (gap || node == nullptr || node->IsLeaf() || (i == 0 && step.m_nNode != 0) || step.m_nChoice < 0 ||
            step.m_nChoice >= node->OptionCount())
            Fail("m_aSteps[" + std::to_string(i) + "] chose option " + std::to_string(step.m_nChoice) +
                 " of node " + std::to_string(step.m_nNode) + " for version " + std::to_string(r.m_nVersion));
        const int next = node->options[static_cast<std::size_t>(step.m_nChoice)].next;
        if (i + 1 < r.m_aSteps.size() && r.m_aSteps[i + 1].m_nNode != next)
            Fail("m_aSteps[" + std::to_string(i) + "] leads to node " + std::to_string(next) +
                 ", not to the next");
    }
}

// The record between two actions; `pathKept` says that the question page has started a path.
void CheckRecord(const ReportRecord& r, bool pathKept) {
    for (const auto& [name, field, min, max] : kIntRanges)
        if (r.*field < min || r.*field > max)
            Fail(std::string(name) + " is " + std::to_string(r.*field));
    // No POST card field uses bit 4 and bits 27 to 31.
    if (r.m_bBack > 1 || r.m_bQuit > 1 || (r.m_dwPostAnswers & 0xF8000010u) != 0)
        Fail("m_bBack or m_bQuit is not 0 or 1, or m_dwPostAnswers sets unused bits");
    for (const auto& [field, max] : kPostRanges)
        if (GetPostField(r.m_dwPostAnswers, field) > max)
            Fail("POST card field " + std::to_string(static_cast<int>(field)) + " is out of range");
    // Versions, POST card answers and the exception page belong to the product chosen.
    if (r.m_nProduct != 0) {
        const auto [first, last] = kVersions[static_cast<std::size_t>(r.m_nProduct - 1)];
        if ((r.m_nVersion != -1 && (r.m_nVersion < first || r.m_nVersion > last)) ||
            (r.m_nProduct != 4 && (r.m_nPostNode != 0 || r.m_dwPostAnswers != 0)) ||
            (r.m_nExceptionPage != 0 && r.m_nProduct != 1 && r.m_nProduct != 5))
            Fail("version " + std::to_string(r.m_nVersion) + ", POST card answers or exception page " +
                 std::to_string(r.m_nExceptionPage) + " do not fit product " + std::to_string(r.m_nProduct));
    }
    if (pathKept)
        CheckQuestionPath(r);
}

// ---- what the user picks and types ----

std::string Repeat(std::string_view piece, std::size_t length) {
    std::string s;
    while (s.size() < length)
        s += piece;
    return s;
}

// The files to append: all bytes but NUL with every line end, HTML, DOS (cp850), empty, long, a NUL,
// odd names, one above the 64 MiB an append may take (sparse, so it costs no disk), and a link
// through which a save writes the file it names.
void MakeFolder(const std::string& dir) {
    std::string everyByte = "Erste Zeile\nzweite Zeile\r\ndritte\rvierte\r\r\n";
    for (int b = 1; b < 256; ++b)
        everyByte.push_back(static_cast<char>(b));
    // clang-format off
    const std::map<std::string, std::string> files = {
        {"notiz.txt", everyByte + "\n\n\n\nEnde"},
        {"seite.html", "<html><title>T</title>\r\n<p>Gr\xFC\xDF &amp; mehr</p>\r\n\r\n\r\na > b <i\r\n>x</i> <offen"},
        {"dos.txt", "\xC9\xCD\xCD\xBB\r\n\xBA M\x81ller \x84\x94\x81\xE1 \xBA\r\n\xC8\xCD\xCD\xBC\r\n"},
        {"leer.txt", ""}, {"riesig.bin", ""},
        {"gross.txt", Repeat(std::string(300, 'x') + "\t\xE4\xF6\xFC\xDF\r\n", std::size_t{512} * 1024)},
        {"mit nul.txt", std::string("vor dem NUL\r\n") + '\0' + "nach dem NUL\r\n"},
        {"Gr\xC3\xBC\xC3\x9F \"x\" & y.txt", "Name mit Umlauten, Blanks und Anf\xFChrungszeichen\r\n"},
        {"\xE6\xBC\xA2.txt", "Name nicht in cp1252\n"}};
    // clang-format on
    fs::create_directories(dir + "/sub");
    for (const auto& [name, bytes] : files)
        EXPECT_TRUE(std::ofstream(dir + "/" + name, std::ios::binary) << bytes) << name;
    fs::resize_file(dir + "/riesig.bin", (std::uintmax_t{64} << 20) + 1);
    fs::create_symlink("ziel.txt", dir + "/verweis.txt");
}

// Where the user saves: the first five must work; then a missing folder, a folder, two folders
// nobody may create files in and a device that takes no byte. Names without '/' in front are in
// the user's folder.
// clang-format off
constexpr std::array<const char*, 10> kSaveTargets = {
    "report.txt", "Report von M\xC3\xBCller & S\xC3\xB6hne.txt", "sub/\"zitiert\" 'x'.txt", "neue\nZeile.txt",
    "verweis.txt", "fehlt/report.txt", "sub", "/proc/mirel-report.txt", "/proc/self/mirel-report.txt", "/dev/full"};
// What the user appends: the files above, a missing one, a folder, one too large and one that
// refuses to be read, also to root.
constexpr std::array<const char*, 12> kOpenTargets = {
    "notiz.txt", "seite.html", "dos.txt", "leer.txt", "gross.txt", "mit nul.txt", "Gr\xC3\xBC\xC3\x9F \"x\" & y.txt",
    "\xE6\xBC\xA2.txt", "fehlt.txt", "sub", "riesig.bin", "/proc/self/mem"};

// Characters cp1252 cannot hold, control characters, line breaks and bytes that are no UTF-8.
constexpr std::array<std::string_view, 19> kOutside = {
    "\xC4\x80", "\xE6\xBC\xA2", "\xF0\x9F\x98\x80", "\xE2\x80\x8B", "\xEF\xBB\xBF", "\xE2\x80\xA8", "\xEF\xBF\xBD",
    "\xCC\x88", "\xD0\x96", std::string_view("\0", 1), "\r", "\n", "\r\n", "\x1B", "\x7F", "\xC3", "\xFF",
    "\xED\xA0\x80", "\xC0\xAF"};
// Values that pass checks of the pages; the first passes nearly all: four characters and more, a
// separator second, a colon, an at sign, a dot and a zero.
constexpr std::array<const char*, 25> kPlausible = {
    "1.2:0@x.de", "1.23", "2,05a", "6.22", "0711 4711-0", "+49 30 123456", "support@example.com",
    "m.mueller@firma.de", "12:34", "0008:1A2B", "M\xC3\xBCller & S\xC3\xB6hne GmbH, EDV", "Hans Mustermann",
    "Windows XP", "SP2", "MS-DOS 6.22", "C:\\QUORIX\\QTEST.EXE /B", "CD-ROM", "USB-Stick", "05.12.2026",
    "Der Rechner bleibt\tstehen.", "1234", "FFFF", "ASUS P5K", "1.0", "Zeile 1\nZeile 2"};
// clang-format on

// A careful user mostly types sensible values; a careless one anything: now and then every cp1252
// character at once (in UTF-8, the five undefined bytes as C1 code points) or a long text, else
// perhaps a sensible value and random characters from inside and outside cp1252.
std::string RandomText(Rng& rng, bool careful) {
    std::string plausible = rng.Percent(50) ? kPlausible[0] : rng.Pick(kPlausible);
    if (careful && rng.Percent(85))
        return plausible;
    if (rng.Percent(4)) {
        std::string every(0x100 - 0x20, ' ');
        std::iota(every.begin(), every.end(), ' ');
        return Cp1252ToUtf8(every + '\t');
    }
    std::string s = rng.Percent(50) ? plausible : "";
    if (rng.Percent(3))
        return Repeat(s + " Zeile \xC3\xA4\xE2\x82\xAC\n", std::size_t{1} << rng.Between(8, 17));
    const int outside = rng.Pick(std::array{0, 15, 15, 100});
    for (int n = rng.Pick(std::array{0, 1, 3, 8, 20, 60}); n > 0; --n)
        s += rng.Percent(outside) ? std::string(rng.Pick(kOutside))
                                  : Cp1252ToUtf8(std::string(1, static_cast<char>(rng.Between(0x20, 0xFF))));
    return s;
}

// ---- the random user ----

// What a user does on a page, and the weights of a careless and a careful user.
enum Action : std::size_t { kNext, kBack, kClick, kType, kSelect, kFocus, kEnter, kEscape, kClose, kActions };
constexpr std::array<const char*, kActions> kActionNames = {"next",  "back",  "click",  "type", "select",
                                                            "focus", "enter", "escape", "close"};
constexpr std::array<std::array<int, kActions>, 2> kWeights = {
    {{120, 30, 270, 270, 80, 80, 50, 20, 10}, {150, 10, 300, 300, 80, 50, 50, 10, 2}}};

class RandomUser : public Agent, public Services {
  public:
    RandomUser(std::uint64_t seed, std::string dir, std::map<std::string, long>& counts, bool trace)
        : m_rng(seed), m_dir(std::move(dir)), m_counts(counts), m_printTrace(trace) {}

    // Runs sessions until `actions` actions have been made; returns the first failure, or "".
    std::string Run(long actions) {
        while (m_actions < actions) { // every session makes an action at least
            const std::string failure = RunSession(actions - m_actions);
            if (!failure.empty())
                return failure + "\n  at action " + std::to_string(m_actions);
        }
        return "";
    }

    void PageShown(Dialog& page) override {
        const std::string name = page.ClassName();
        Note("page " + name, "page " + name);
        if (m_record == nullptr) { // the welcome page, which owns the record
            m_record = &dynamic_cast<CWelcomeDlg&>(page).Record();
            return;
        }
        ++m_counts["product " + std::to_string(m_record->m_nProduct)];
        m_page = &page;
        m_pathKept = m_pathKept || name == "CQuestionDlg";
        if (page.GetCaption() != m_record->m_strTitle)
            Fail(name + " shows the caption " + Quote(page.GetCaption()));
        Check(page);
    }

    void Step(Dialog& page) override {
        if (m_sessionActions++ >= m_sessionCap)
            throw SessionCap{};
        ++m_actions;
        m_dialogs = 0;
        Act(page);
        Check(page);
    }

    MsgAnswer MessageBox(const std::string& caption, const std::string& text, MsgButtons buttons,
                         MsgIcon /*icon*/, int defaultButton) override {
        Asked(text);
        const int count = 1 + static_cast<int>(buttons); // Ok, YesNo, YesNoCancel
        if (caption.empty() || !IsControlText(caption) || defaultButton < 1 || defaultButton > count)
            Fail("a message box " + Quote(caption) + " with default button " + std::to_string(defaultButton));
        const auto answer = count == 1 ? MsgAnswer::Ok : static_cast<MsgAnswer>(1 + m_rng.Below(count));
        Note("  message " + Quote(caption) + " -> answer " + std::to_string(static_cast<int>(answer)));
        return answer;
    }

    void Beep(BeepKind /*kind*/) override {}

    std::optional<std::string> SaveFileDialog(const std::string& /*filter*/,
                                              const std::string& /*defaultExt*/,
                                              const std::string& proposedName) override {
        Asked(proposedName);
        // The proposed name is a name, not a path, and holds nothing a file name cannot hold.
        if (std::any_of(proposedName.begin(), proposedName.end(),
                        [](char c) { return c == '/' || (c >= 0 && c < ' '); }))
            Fail("the save dialog proposes " + Quote(proposedName));
        return Chosen("save",
                      m_rng.Percent(15) ? std::nullopt : std::optional(PathOf(m_rng.Pick(kSaveTargets))));
    }

    std::optional<std::string> OpenFileDialog(const std::string& /*filter*/,
                                              const std::string& /*defaultExt*/) override {
        Asked("");
        return Chosen("append",
                      m_rng.Percent(10) ? std::nullopt : std::optional(PathOf(m_rng.Pick(kOpenTargets))));
    }

    // A mailto: URL holds only the bytes of its frame and percent escapes.
    bool ShellOpen(const std::string& url) override {
        constexpr std::string_view kUrlBytes =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~:@?=&%";
        Note("  shell-open " + Quote(url.substr(0, 80)), "mail");
        if (url.rfind("mailto:", 0) != 0 || url.find_first_not_of(kUrlBytes) != std::string::npos)
            Fail("the mail URL is broken: " + Quote(url.substr(0, 80)));
        return true;
    }

    LocalTime Now() override { return m_clock; }

    // Every report is cp1252 without NUL, every line ends in CR LF and no other CR is in it; it
    // holds what the report box shows and arrives whole where the user chose, and only there.
    WriteStatus WriteFile(const std::string& path, const std::string& bytes) override {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] == '\0' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) ||
                (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')))
                Fail("the report written to " + Quote(path) + " is broken at byte " + std::to_string(i));
        const auto* target = std::find_if(kSaveTargets.begin(), kSaveTargets.end(),
                                          [&](const char* name) { return PathOf(name) == path; });
        if (target == kSaveTargets.end())
            Fail("the report is written to " + Quote(path) + ", a path the user never chose");
        if (m_page != nullptr && std::string_view(m_page->ClassName()) == "CReportDlg" &&
            CrLfToLf(Cp1252ToUtf8(bytes)) != CrLfToLf(m_page->GetItemText(1207)))
            Fail("the report written to " + Quote(path) + " differs from the text in the report box");
        const WriteStatus status = Services::WriteFile(path, bytes);
        const bool ok = status == WriteStatus::Ok;
        Note("  write " + Quote(path) + " " + std::to_string(bytes.size()) + " bytes",
             ok ? "save ok" : "save failed");
        // Nothing at all fits even on a full device.
        const bool canWork = target < kSaveTargets.begin() + 5 || (bytes.empty() && path == "/dev/full");
        if (ok != canWork)
            Fail("saving to " + Quote(path) + (ok ? " is reported as done, but cannot work" : " failed"));
        std::ifstream onDisk(path, std::ios::binary);
        if (ok && path.rfind(m_dir + "/", 0) == 0 &&
            std::string(std::istreambuf_iterator<char>(onDisk), {}) != bytes)
            Fail("the file " + Quote(path) + " does not hold the report that was saved");
        return status;
    }

    [[noreturn]] void ExitProcess(int code) override {
        Note("exit " + std::to_string(code), "exit");
        if (code != 0)
            Fail("the program ended with exit code " + std::to_string(code));
        throw ProcessExit{code};
    }

  private:
    std::string RunSession(long remaining) {
        m_sessionCap = std::min<long>(remaining, m_rng.Between(200, 4000));
        m_sessionActions = 0;
        m_page = nullptr;
        m_record = nullptr;
        m_pathKept = false;
        m_careful = m_rng.Percent(50);
        m_clock = LocalTime{m_rng.Between(1995, 2037), m_rng.Between(1, 12), m_rng.Between(1, 28),
                            m_rng.Between(0, 23),      m_rng.Between(0, 59), m_rng.Between(0, 59)};
        Note(m_careful ? "session of a careful user" : "session of a careless user", "session");
        HeadlessHost host;
        const PlatformScope scope(&host, this, this);
        std::string failure;
        try {
            RunApplication();
        } catch (const ProcessExit&) { // the end of the program, or of the session
        } catch (const std::exception& e) {
            failure = e.what();
        }
        return failure;
    }

    // One action on one of the usable controls of the page, or a key or a close request.
    void Act(Dialog& page) {
        m_page = &page;
        std::array<std::vector<int>, kActions> ids; // the controls each action can go to
        ids[kEnter] = ids[kEscape] = ids[kClose] = {0};
        for (const ControlTemplate& c : page.Template().controls) {
            if (c.id <= 0 || !page.IsItemVisible(c.id) || !page.IsItemEnabled(c.id))
                continue;
            const bool button = c.kind == ControlKind::PushButton;
            const bool list = c.kind == ControlKind::ComboBox;
            const bool edit = c.kind == ControlKind::Edit;
            const bool clickable = button || c.kind == ControlKind::RadioButton ||
                                   c.kind == ControlKind::CheckBox || (c.style & kNotify) != 0;
            // clang-format off
            const std::array<bool, kActions> fits = {button && (c.id == 1016 || c.id == 1010),
                button && (c.id == 1015 || c.id == 1009), clickable, edit && !page.IsReadOnly(c.id),
                list && page.GetListCount(c.id) > 0, clickable || list || edit};
            // clang-format on
            for (std::size_t a = 0; a < kActions; ++a)
                if (fits[a])
                    ids[a].push_back(c.id);
        }
        std::array<int, kActions> weights = kWeights[m_careful ? 1 : 0];
        for (std::size_t a = 0; a < kActions; ++a)
            weights[a] = ids[a].empty() ? 0 : weights[a];
        const std::size_t action = m_rng.Weighted(weights);
        const int id = m_rng.Pick(ids[action]);
        Note(std::string(page.ClassName()) + ": " + kActionNames[action] + " " + std::to_string(id));
        if (action == kType) {
            // A user clicks into the edit, then types; an edit that hands its focus on takes no typing.
            const std::string text = RandomText(m_rng, m_careful);
            page.UserFocus(id);
            if (page.IsOpen() && page.GetFocusItem() == id && page.IsItemVisible(id) &&
                page.IsItemEnabled(id) && !page.IsReadOnly(id)) {
                Note("  typed " + Quote(text.substr(0, 80)));
                page.UserType(id, text);
            }
        } else if (action == kSelect) {
            page.UserSelect(id, m_rng.Below(page.GetListCount(id)));
        } else if (action == kFocus) {
            page.UserFocus(id);
        } else if (action == kEnter || action == kEscape) {
            page.UserKey(action == kEnter ? Key::Enter : Key::Escape);
        } else if (action == kClose) {
            page.UserClose();
        } else { // next, back and other clicks
            page.UserClick(id);
        }
    }

    // The record, and every text the open page shows. Large texts (the report box) are checked
    // where they end up: in the saved file.
    void Check(const Dialog& page) {
        if (m_record != nullptr)
            CheckRecord(*m_record, m_pathKept);
        for (const ControlTemplate& c : page.Template().controls) {
            const std::string text = page.IsOpen() && c.id > 0 ? page.GetItemText(c.id) : "";
            if (text.size() < 20000 && !IsControlText(text))
                Fail(std::string(page.ClassName()) + " control " + std::to_string(c.id) +
                     " shows bytes that are not cp1252 characters in UTF-8: " + Quote(text.substr(0, 80)));
        }
    }

    // A message box or file dialog shows only cp1252 text; a page that keeps asking without the
    // user doing anything is caught in a loop.
    void Asked(const std::string& text) {
        if (!IsControlText(text))
            Fail("a message box or file dialog shows " + Quote(text.substr(0, 80)));
        if (++m_dialogs > 100)
            Fail("one action brought up more than 100 message boxes and file dialogs");
    }

    std::optional<std::string> Chosen(const char* dialog, std::optional<std::string> path) {
        Note(std::string("  ") + dialog + " dialog -> " + (path ? Quote(*path) : "cancel"), dialog);
        return path;
    }

    std::string PathOf(const char* name) const { return name[0] == '/' ? name : m_dir + "/" + name; }

    // Prints `line` when tracing and counts `event` for the coverage check.
    void Note(const std::string& line, const std::string& event = "") {
        if (m_printTrace)
            std::cerr << "[" << m_actions << "] " << line << '\n';
        if (!event.empty())
            ++m_counts[event];
    }

    Rng m_rng;
    std::string m_dir;
    std::map<std::string, long>& m_counts;
    bool m_printTrace;
    long m_actions = 0;
    long m_sessionCap = 0;
    long m_sessionActions = 0;
    const Dialog* m_page = nullptr; // the page the last action went to
    ReportRecord* m_record = nullptr;
    bool m_pathKept = false;
    bool m_careful = false;
    int m_dialogs = 0; // message boxes and file dialogs of this action
    LocalTime m_clock;
};

// ---- the test ----

TEST(RandomUser, EveryProductSurvivesRandomUsers) {
    const auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : 0;
    };
    // Eight seeds of 12,500 actions each: 100,000 actions per run. Each day runs a block of its
    // own, from the date: on 2026-12-05 the seeds 2026120501 to 2026120508.
    const char* only = std::getenv("MIREL_RANDOM_SEED");
    const bool single = only != nullptr && *only != '\0';
    std::vector<std::uint64_t> seeds;
    if (single) {
        seeds.push_back(env("MIREL_RANDOM_SEED"));
    } else {
        const std::time_t now = std::time(nullptr);
        std::tm utc{};
        ::gmtime_r(&now, &utc);
        const int date = (utc.tm_year + 1900) * 10000 + (utc.tm_mon + 1) * 100 + utc.tm_mday;
        for (std::uint64_t i = 1; i <= 8; ++i)
            seeds.push_back(static_cast<std::uint64_t>(date) * 100 + i);
    }
    const auto actions =
        static_cast<long>(env("MIREL_RANDOM_ACTIONS") != 0 ? env("MIREL_RANDOM_ACTIONS") : 12500);

    // A fresh folder for the files of the users, removed at the end.
    std::string root = (fs::temp_directory_path() / "mirel-random-user.XXXXXX").string();
    ASSERT_NE(::mkdtemp(root.data()), nullptr);
    std::map<std::string, long> counts;
    for (std::uint64_t seed : seeds) {
        // Printed first, so that a hang names its seed too.
        std::cout << "random user: MIREL_RANDOM_SEED=" << seed << std::endl;
        const std::string dir = root + "/seed-" + std::to_string(seed);
        MakeFolder(dir);
        const std::string failure =
            RandomUser(seed, dir, counts, env("MIREL_RANDOM_TRACE") != 0).Run(actions);
        if (!failure.empty())
            ADD_FAILURE() << failure << "\n  rerun with MIREL_RANDOM_SEED=" << seed
                          << " MIREL_RANDOM_TRACE=1";
    }
    for (const auto& [what, count] : counts)
        std::cout << ' ' << what << '=' << count;
    std::cout << '\n';
    fs::remove_all(root);
    if (single)
        return;
    // The users must get everywhere, or the checks above prove little.
    // clang-format off
    constexpr std::array<const char*, 23> kEvents = {
        "product 1", "product 2", "product 3", "product 4", "product 5", "page CVersionTypeDlg", "page CTestStartDlg",
        "page CVexometerStartDlg", "page CInfoEnvDlg", "page CWinEnvDlg", "page CPostCardDlg", "page CQuestionDlg",
        "page CBootExceptionDlg", "page CDosExceptionDlg", "page CHardwareDlg", "page CContactDlg", "page CReportDlg",
        "page CSendMailDlg", "save ok", "save failed", "append", "mail", "exit"};
    // clang-format on
    for (const char* what : kEvents)
        EXPECT_GT(counts[what], 0) << what << " never happened";
}

} // namespace
} // namespace mirel
