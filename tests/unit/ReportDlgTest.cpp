// The report page driven as a user drives it: the questions of Back and Next in each saved and
// edited state, saving with every kind of file failure, appending files, and the file writing and
// reading underneath. The usual runs through the page are checked by the scenario scripts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/Text.h"
#include "platform/headless/HeadlessHost.h"
#include "report/BuildReport.h"
#include "report/ReportDlg.h"
#include "tools/mirel-scenario/Runner.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using scenario::Quote;

// A private folder per case; scripts and expected logs name it "$T".
struct TempDir {
    std::string path = (fs::temp_directory_path() / "mirel-report-test.XXXXXX").string();
    TempDir() { EXPECT_NE(::mkdtemp(path.data()), nullptr); }
    ~TempDir() { fs::remove_all(path, ignored); }
    std::error_code ignored;
    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t pos = 0; (pos = text.find(from, pos)) != std::string::npos; pos += to.size())
        text.replace(pos, from.size(), to);
    return text;
}

// The runner's services, with a disk that can be told to fail from a given write on.
class TestRunner : public scenario::Runner {
  public:
    TestRunner(const std::string& script, std::ostream& log) : Runner(scenario::ParseScript(script), log) {}
    WriteStatus WriteFile(const std::string& path, const std::string& bytes) override {
        ++writes;
        return failFrom > 0 && writes >= failFrom ? failWith : Services::WriteFile(path, bytes);
    }
    int writes = 0;
    int failFrom = 0; // 0 = the disk never fails
    WriteStatus failWith = WriteStatus::CloseFailed;
};

struct Outcome {
    std::string log; // the folder shown as "$T", the report box's text and the question texts left out
    std::string fullLog;
    int writes = 0;
};

Outcome RunReportPage(ReportRecord& record, const TempDir& dir, const std::string& script, int failFrom = 0,
                      WriteStatus failWith = WriteStatus::CloseFailed) {
    HeadlessHost host;
    std::ostringstream raw;
    TestRunner runner(Replace(script, "$T", dir.path), raw);
    runner.failFrom = failFrom;
    runner.failWith = failWith;
    SetHost(&host);
    SetServices(&runner);
    SetAgent(&runner);
    {
        CReportDlg page(&record);
        EXPECT_EQ(runner.RunPage(page), 0) << script;
    }
    SetAgent(nullptr);
    SetServices(nullptr);
    SetHost(nullptr);
    Outcome out{"", Replace(raw.str(), dir.path, "$T"), runner.writes};
    std::istringstream in(out.fullLog);
    for (std::string line; std::getline(in, line); out.log += line + "\n") {
        if (line.rfind("control 1207 text=", 0) == 0)
            line = "control 1207" + line.substr(line.rfind(" visible="));
        if (line.rfind("message ", 0) == 0) // caption, buttons, icon and answer
            // cppcheck-suppress uselessCallsSubstr ; the prefix is joined to the tail, not kept alone
            line = line.substr(0, line.find("\" \"") + 1) +
                   line.substr(line.rfind("\" ", line.rfind(" -> ")) + 1);
    }
    return out;
}

ReportRecord SampleRecord() {
    ReportRecord r;
    ResetForRun(r);
    r.m_strCompany = "Müller/Söhne: A*B";
    r.m_nVersion = 0;
    r.m_strTestVersion = "7.1";
    return r;
}

// The report file of the freshly built report: cp1252 with CR LF.
std::string ReportBytes() {
    ReportRecord record = SampleRecord();
    return Utf8ToCp1252(BuildReport(record, LocalTime{2026, 12, 5, 14, 7, 0})); // the runner's clock
}

std::string AppendedHeader(const std::string& name) {
    return "\r\n" + std::string(59, '=') + "\r\nAngef\xFCgte Datei \"" + Utf8ToCp1252(name) + "\"\r\n\r\n";
}

const std::string kProposed = "save-dialog \"Report von Müller_Söhne_ A_B\" -> ";
// The texts of the questions are checked by the scenario scripts.
const std::string kAskSave = "beep question\nmessage \"Report speichern\" yesno question -> ";
const std::string kAskChanges = "beep question\nmessage \"Änderungen speichern\" yesnocancel question -> ";
const std::string kAskBack = "message \"Änderungen speichern\" yesnocancel exclamation -> ";
// Saves, unlocks the box and types two lines with a blank one between and a character that
// cp1252 holds in a byte of its own.
const std::string kSaveAndEdit =
    "click 1205\nsave \"$T/r.txt\"\nclick 1208\ntype 1207 \"Neu\\n\\nZeile €\"\n";
const std::string kTyped = "Neu\r\n\r\nZeile \x80";

std::string Status(const std::string& text) {
    return "control 1206 text=" + Quote(text) + " visible=1 enabled=1\n";
}

// Whether the report was saved and whether the box was changed since decide what Back and Next ask.
TEST(ReportPage, TheQuestionsOfBackAndNextFollowTheSavedAndEditedState) {
    enum class File { None, Report, Typed, TypedAndAppended };
    struct Case {
        std::string script;
        std::string log; // after the "page" line; "end" when the page stays open
        File file;       // what $T/r.txt holds afterwards
        int back;        // m_bBack afterwards
    };
    const std::vector<Case> cases = {
        {"click 1016\nanswer yes\nsave cancel\nclick 1016\nanswer no\n",
         kAskSave + "yes\n" + kProposed + "cancel\n" + kAskSave + "no\nend\n", File::None, 0},
        {kSaveAndEdit + "click 1016\nanswer no\n", kProposed + "\"$T/r.txt\"\n" + kAskChanges + "no\n",
         File::Report, 0},
        {kSaveAndEdit + "click 1016\nanswer cancel\n",
         kProposed + "\"$T/r.txt\"\n" + kAskChanges + "cancel\nend\n", File::Report, 0},
        {kSaveAndEdit + "click 1205\nshow 1207\nshow 1206\n",
         kProposed + "\"$T/r.txt\"\ncontrol 1207 visible=1 enabled=1 readonly=1\n" +
             Status("Der Report wurde unter $T/r.txt gespeichert.") + "end\n",
         File::Typed, 0},
        {"click 1015\nanswer no\n", kAskBack + "no\n", File::None, 1},
        {"click 1015\nanswer yes\nsave \"$T/r.txt\"\n", kAskBack + "yes\n" + kProposed + "\"$T/r.txt\"\n",
         File::Report, 1},
        {"click 1015\nanswer yes\nsave cancel\n", kAskBack + "yes\n" + kProposed + "cancel\nend\n",
         File::None, 0},
        {kSaveAndEdit + "click 1015\nanswer no\n", kProposed + "\"$T/r.txt\"\n" + kAskBack + "no\n",
         File::Report, 1},
        {kSaveAndEdit + "click 1209\nopen \"$T/a.txt\"\nclick 1016\nanswer yes\n",
         kProposed + "\"$T/r.txt\"\nopen-dialog -> \"$T/a.txt\"\n" + kAskChanges + "yes\n",
         File::TypedAndAppended, 0},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteBytes(dir / "a.txt", "Anhang");
        ReportRecord record = SampleRecord();
        const Outcome out = RunReportPage(record, dir, c.script);
        EXPECT_EQ(out.log, "page CReportDlg\n" + c.log) << c.script;
        EXPECT_EQ(record.m_bBack, c.back) << c.script;
        const std::string expected[] = {"", ReportBytes(), kTyped,
                                        kTyped + AppendedHeader("a.txt") + "Anhang"};
        EXPECT_EQ(fs::exists(dir / "r.txt"), c.file != File::None) << c.script;
        EXPECT_EQ(ReadBytes(dir / "r.txt"), expected[static_cast<int>(c.file)]) << c.script;
    }
}

// After a failure the next Save asks for a file again and Next still asks; the file then chosen
// is written under the name as given, blanks, quotes, umlauts and line breaks included.
TEST(ReportPage, FailedSavesReportTheFailureAndLoseNothing) {
    const std::string chosen = "$T/Grüße \"zwei\"\nZeilen.txt";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/proc/r.txt", "Fehler: Die Datei /proc/r.txt konnte nicht erstellt werden!"},
        {"$T/fehlt/r.txt", "Fehler: Die Datei $T/fehlt/r.txt konnte nicht erstellt werden!"},
        {"$T", "Fehler: Die Datei $T konnte nicht erstellt werden!"},
        {"/dev/full", "Fehler: Der Report konnte nicht geschlossen werden!"},
    };
    for (const auto& [target, status] : cases) {
        TempDir dir;
        ReportRecord record = SampleRecord();
        const Outcome out = RunReportPage(record, dir,
                                          "click 1205\nsave \"" + target +
                                              "\"\nshow 1206\nclick 1016\nanswer no\nclick 1205\nsave " +
                                              Quote(chosen) + "\nclick 1016\n");
        EXPECT_EQ(out.log, "page CReportDlg\n" + kProposed + "\"" + target + "\"\n" + Status(status) +
                               kAskSave + "no\n" + kProposed + Quote(chosen) + "\n")
            << target;
        EXPECT_EQ(ReadBytes(Replace(chosen, "$T", dir.path)), ReportBytes()) << target;
    }
}

TEST(ReportPage, AFailureAfterAnEarlierSaveKeepsTheTextUnsavedAndThePageOpen) {
    const std::vector<std::pair<WriteStatus, std::string>> cases = {
        {WriteStatus::OpenFailed, "Fehler: In die Datei $T/r.txt konnte nicht gespeichert werden!"},
        {WriteStatus::CloseFailed, "Fehler: Der Report konnte nicht geschlossen werden!"},
    };
    for (const auto& [failure, status] : cases) {
        TempDir dir;
        ReportRecord record = SampleRecord();
        const Outcome out = RunReportPage(
            record, dir,
            kSaveAndEdit + "click 1205\nshow 1206\nclick 1205\nclick 1016\nanswer yes\nshow 1206\n", 2,
            failure);
        EXPECT_EQ(out.log, "page CReportDlg\n" + kProposed + "\"$T/r.txt\"\n" + Status(status) + kAskChanges +
                               "yes\n" + Status(status) + "end\n");
        EXPECT_EQ(out.writes, 4); // the first save, the Save click, the retry, and the Yes of Next
        EXPECT_EQ(ReadBytes(dir / "r.txt"), ReportBytes());
    }
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    out.reserve(text.size() * times);
    while (times-- > 0)
        out += text;
    return out;
}

// A file is appended after a rule and its name, DOS text, HTML and NUL bytes converted; one that
// cannot be read is refused with the reason and appends nothing.
TEST(ReportPage, AppendingFiles) {
    struct Case {
        std::string path;
        std::string bytes;    // written to the path unless `reason` is given
        std::string appended; // cp1252 bytes as saved
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"$T/dos.txt", "\xC9\xCD\xCD\xCD\xBB\r\n\xBA \x84\x94\x81\xE1 \x8E\x99\x9A \xC4\xBA\r\n",
         "\xC9===\xBB\r\n\xBA \xE4\xF6\xFC\xDF \xC4\xD6\xDC \xAF\xBA\r\n", nullptr},
        {"$T/kein-dos.txt", "\x84\xCD\xCD \xC4\r\n", "\x84\xCD\xCD \xC4\r\n", nullptr},
        {"$T/seite.html", "<html><p>a<br>b</p></html>\r\n", "ab\r\n", nullptr},
        {"$T/gross.HTML", "<HTML><B>x</B></HTML>\n", "<HTML><B>x</B></HTML>\r\n", nullptr},
        {"$T/offen.htm", "<html>vorher<a href=\"x\nnachher", "vorher", nullptr},
        {"$T/nul.txt", "vorher\0nachher"s, "vorher", nullptr},
        {"$T/ansi.txt", "\x80\x81\x8D\xFF", "\x80\x81\x8D\xFF", nullptr},
        {"$T/mac.txt", "a\rb\r\r\nc\n\x80\r", "ab\r\nc\r\n\x80", nullptr},
        {"$T/Grüße.txt", "x", "x", nullptr},
        // Ten megabytes: a box with a small size limit, or a quadratic conversion, would fail.
        {"$T/10mb.txt", "\xCD\xCD\xCD\r\n" + Repeat("\x84\x94\x81 Zeile \xC4\xC4\r\n", 800000),
         "===\r\n" + Repeat("\xE4\xF6\xFC Zeile \xAF\xAF\r\n", 800000), nullptr},
        {"$T/fehlt.txt", "", "", "Die Datei ist nicht vorhanden."},
        {"$T/datei.txt/x", "", "", "Die Datei ist nicht vorhanden."},
        {"$T", "", "", "Es handelt sich um einen Ordner, nicht um eine Datei."},
        {"$T/riesig.txt", "", "", "Die Datei ist größer als 64 MB."},
        {"/proc/self/mem", "", "", "Die Datei kann nicht gelesen werden."},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteBytes(dir / "datei.txt", "x");
        WriteBytes(dir / "riesig.txt", "");
        fs::resize_file(dir / "riesig.txt", CReportDlg::kMaxAppendBytes + 1); // sparse, takes no room
        if (c.reason == nullptr)
            WriteBytes(Replace(c.path, "$T", dir.path), c.bytes);
        ReportRecord record = SampleRecord();
        const Outcome out =
            RunReportPage(record, dir,
                          "click 1209\nopen \"" + c.path + "\"\n" +
                              (c.reason != nullptr ? "answer ok\n" : "") + "click 1205\nsave \"$T/r.txt\"\n");
        const std::string saved = ReadBytes(dir / "r.txt");
        if (c.reason == nullptr) {
            EXPECT_TRUE(saved == ReportBytes() + AppendedHeader(c.path.substr(3)) + c.appended) << c.path;
        } else {
            EXPECT_NE(out.fullLog.find(
                          Quote("Die Datei \"" + c.path + "\" konnte nicht angefügt werden.\n\n" + c.reason)),
                      std::string::npos)
                << c.path;
            EXPECT_EQ(saved, ReportBytes()) << c.path;
        }
    }
}

// ---- the file writing and reading underneath ----

TEST(Files, WritingReplacesWholeFilesAndNeverHalfOfOne) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct Case {
        const char* what;
        std::string path;
        WriteStatus status;
        mode_t mode;  // of the written file
        rlim_t limit; // bytes a file may hold, as a full disk would stop them; 0 = no limit
    };
    const std::vector<Case> cases = {
        {"a new file gets the usual mode", "neu.txt", WriteStatus::Ok, 0666 & ~mask, 0},
        {"an existing file is replaced and keeps its mode", "alt.txt", WriteStatus::Ok, 0640, 0},
        {"a full disk leaves the earlier file as it was", "alt.txt", WriteStatus::CloseFailed, 0, 3},
        {"a link is followed and stays a link", "link.txt", WriteStatus::Ok, 0666 & ~mask, 0},
        {"a loop of links is refused", "a", WriteStatus::OpenFailed, 0, 0},
        {"a pipe nobody reads is refused at once", "pipe", WriteStatus::OpenFailed, 0, 0},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteBytes(dir / "alt.txt", "alter, längerer Inhalt");
        ::chmod((dir / "alt.txt").c_str(), 0640);
        fs::create_directory(dir / "sub");
        WriteBytes(dir / "sub/ziel.txt", "alt");
        fs::create_symlink("sub/ziel.txt", dir / "link.txt");
        fs::create_symlink(dir / "b", dir / "a");
        fs::create_symlink(dir / "a", dir / "b");
        ::mkfifo((dir / "pipe").c_str(), 0600);
        std::vector<std::pair<fs::path, fs::file_type>> before;
        for (const auto& entry : fs::recursive_directory_iterator(dir.path))
            before.emplace_back(entry.path(), fs::symlink_status(entry.path()).type());
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limited{c.limit > 0 ? c.limit : old.rlim_cur, old.rlim_max};
        const sighandler_t oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limited);
        std::ostringstream log;
        EXPECT_EQ(scenario::Runner({}, log).WriteFile(dir / c.path, "Inhalt"), c.status) << c.what;
        ::setrlimit(RLIMIT_FSIZE, &old);
        ::signal(SIGXFSZ, oldHandler);
        if (c.status == WriteStatus::Ok) {
            EXPECT_EQ(ReadBytes(dir / c.path), "Inhalt") << c.what;
            struct stat st {};
            ::stat((dir / c.path).c_str(), &st);
            EXPECT_EQ(st.st_mode & 0777, c.mode) << c.what;
        } else {
            EXPECT_EQ(ReadBytes(dir / "alt.txt"), "alter, längerer Inhalt") << c.what;
        }
        // Links stay links, the pipe stays a pipe, and no temporary file is left behind.
        for (const auto& [name, type] : before)
            EXPECT_EQ(fs::symlink_status(name).type(), type) << c.what << " " << name;
        for (const auto& entry : fs::recursive_directory_iterator(dir.path))
            EXPECT_EQ(entry.path().filename().string().rfind(".mirel-", 0), std::string::npos) << c.what;
    }
}

TEST(Files, ReadingWholeFilesWithinALimit) {
    struct Case {
        const char* what;
        std::string path; // "$T/a" holds `content`
        std::string content;
        std::size_t max;
        ReadResult::Status status;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"a file", "$T/a", "a\0b"s, 10, ReadResult::Status::Ok, "a\0b"s},
        {"exactly the limit", "$T/a", "12345", 5, ReadResult::Status::Ok, "12345"},
        {"one byte over the limit", "$T/a", "123456", 5, ReadResult::Status::TooLarge, ""},
        {"a device without end stops at the limit", "/dev/zero", "", 1 << 20, ReadResult::Status::TooLarge,
         ""},
        {"a pipe nobody writes gives nothing at once", "$T/pipe", "", 10, ReadResult::Status::Ok, ""},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteBytes(dir / "a", c.content);
        ::mkfifo((dir / "pipe").c_str(), 0600);
        std::ostringstream log;
        const ReadResult r = scenario::Runner({}, log).ReadFile(Replace(c.path, "$T", dir.path), c.max);
        EXPECT_EQ(r.status, c.status) << c.what;
        EXPECT_EQ(r.bytes, c.bytes) << c.what;
    }
}

} // namespace
} // namespace mirel
