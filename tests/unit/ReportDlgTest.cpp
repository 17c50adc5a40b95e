// The report page driven as a user drives it: the questions of Back and Next in each saved and edited
// state, and every kind of file fault when saving and appending; the usual runs are in the scenarios.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/Scope.h"
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

// A disk failing with `status` from write `failFrom` on (0: never).
struct Disk {
    int failFrom = 0;
    WriteStatus status = WriteStatus::CloseFailed;
};

class TestRunner : public scenario::Runner {
  public:
    TestRunner(const std::string& script, std::ostream& log, Disk disk)
        : Runner(scenario::ParseScript(script), log), m_disk(disk) {}
    WriteStatus WriteFile(const std::string& path, const std::string& bytes) override {
        if (++writes >= m_disk.failFrom && m_disk.failFrom > 0)
            return m_disk.status;
        return Services::WriteFile(path, bytes);
    }

  private:
    Disk m_disk;
    int writes = 0;
};

struct Outcome {
    std::string log; // the folder shown as "$T", the question texts left out
    std::string fullLog;
};

Outcome RunReportPage(ReportRecord& record, const TempDir& dir, const std::string& script, Disk disk = {}) {
    HeadlessHost host;
    std::ostringstream raw;
    TestRunner runner(Replace(script, "$T", dir.path), raw, disk);
    {
        const PlatformScope scope(&host, &runner, &runner);
        CReportDlg page(&record);
        EXPECT_EQ(runner.RunPage(page), 0) << script;
    }
    Outcome out{"", Replace(raw.str(), dir.path, "$T")};
    std::istringstream in(out.fullLog);
    for (std::string line; std::getline(in, line); out.log += line + "\n") {
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
const std::string kAskChanges = "beep question\nmessage \"Änderungen speichern\" yesnocancel question -> ";
const std::string kAskBack = "message \"Änderungen speichern\" yesnocancel exclamation -> ";
// Saves, unlocks the box and types two lines, a blank one between, and a one-byte cp1252 character.
const std::string kSaveAndEdit =
    "click 1205\nsave \"$T/r.txt\"\nclick 1208\ntype 1207 \"Neu\\n\\nZeile €\"\n";
const std::string kSaved = kProposed + "\"$T/r.txt\"\n";

std::string Status(const std::string& text) {
    return "control 1206 text=" + Quote(text) + " visible=1 enabled=1\n";
}

// Whether the report was saved and whether the box was changed since decide what Back and Next
// ask. After a failed save the text stays unsaved: Save writes again and Next asks before it is lost.
TEST(ReportPage, TheQuestionsOfBackAndNextFollowTheSavedAndEditedState) {
    enum class File { None, Report, TypedAndAppended };
    struct Case {
        std::string script;
        std::string log; // after the "page" line; "end" when the page stays open
        File file;       // what $T/r.txt holds afterwards
        int back;        // m_bBack afterwards
        Disk disk = {};
    };
    const auto failing = [](WriteStatus status, const std::string& text) { // from the second write on
        return Case{kSaveAndEdit + "click 1205\nshow 1206\nclick 1205\nclick 1016\nanswer yes\nshow 1206\n",
                    kSaved + Status(text) + kAskChanges + "yes\n" + Status(text) + "end\n",
                    File::Report,
                    0,
                    {2, status}};
    };
    const std::vector<Case> cases = {
        {kSaveAndEdit + "click 1016\nanswer no\n", kSaved + kAskChanges + "no\n", File::Report, 0},
        {"click 1015\nanswer no\n", kAskBack + "no\n", File::None, 1},
        {"click 1015\nanswer yes\nsave cancel\n", kAskBack + "yes\n" + kProposed + "cancel\nend\n",
         File::None, 0},
        {kSaveAndEdit + "click 1209\nopen \"$T/a.txt\"\nclick 1016\nanswer yes\n",
         kSaved + "open-dialog -> \"$T/a.txt\"\n" + kAskChanges + "yes\n", File::TypedAndAppended, 0},
        failing(WriteStatus::OpenFailed, "Fehler: In die Datei $T/r.txt konnte nicht gespeichert werden!"),
        failing(WriteStatus::CloseFailed, "Fehler: Der Report konnte nicht geschlossen werden!"),
    };
    const mode_t mask = ::umask(0);
    ::umask(mask);
    for (const Case& c : cases) {
        TempDir dir;
        WriteBytes(dir / "a.txt", "Anhang");
        ReportRecord record = SampleRecord();
        EXPECT_EQ(RunReportPage(record, dir, c.script, c.disk).log, "page CReportDlg\n" + c.log) << c.script;
        EXPECT_EQ(record.m_bBack, c.back) << c.script;
        const std::string expected[] = {"", ReportBytes(),
                                        "Neu\r\n\r\nZeile \x80" + AppendedHeader("a.txt") + "Anhang"};
        EXPECT_EQ(fs::exists(dir / "r.txt"), c.file != File::None) << c.script;
        EXPECT_EQ(ReadBytes(dir / "r.txt"), expected[static_cast<int>(c.file)]) << c.script;
        // A new file gets the usual mode.
        EXPECT_TRUE(c.file == File::None ||
                    fs::status(dir / "r.txt").permissions() == fs::perms(0666 & ~mask))
            << c.script;
    }
}

// Every file fault, even to root, gives its own status line or message, writes and appends nothing and
// leaves an existing file as it was; the next Save asks for a file again and writes it under the name as
// given, blanks, quotes, umlauts and line breaks included. Readable files are appended, cut at a NUL.
// A missing folder, a full disk, a missing file and a folder are in the report-append script; the
// file-size limit and the other write faults in the save situations.
TEST(ReportPage, FileFaultsAreReportedAndThePageGoesOn) {
    struct Case {
        std::string script, log; // the fault's directives and log lines
        std::string appended;    // cp1252 bytes the saved report holds after the report itself
    };
    const auto saving = [](const std::string& target, const std::string& status) {
        return Case{"click 1205\nsave " + Quote(target) + "\nshow 1206\n",
                    kProposed + Quote(target) + "\n" + Status(status), ""};
    };
    const auto refusing = [](const std::string& path, const std::string& reason) {
        return Case{"click 1209\nopen " + Quote(path) + "\nanswer ok\n",
                    "open-dialog -> " + Quote(path) + "\nmessage \"Textdatei anfügen\" " +
                        Quote("Die Datei \"" + path + "\" konnte nicht angefügt werden.\n\n" + reason) +
                        " ok exclamation -> ok\n",
                    ""};
    };
    const auto appending = [](const std::string& path, const std::string& shownName,
                              const std::string& bytes) {
        return Case{"click 1209\nopen " + Quote(path) + "\n", "open-dialog -> " + Quote(path) + "\n",
                    AppendedHeader(shownName) + bytes};
    };
    const std::string notCreated = " konnte nicht erstellt werden!";
    const std::vector<Case> cases = {
        saving("/proc/r.txt", "Fehler: Die Datei /proc/r.txt" + notCreated),
        saving("$T/pipe", "Fehler: Die Datei $T/pipe" + notCreated), // nobody reads it
        refusing("/proc/self/mem", "Die Datei kann nicht gelesen werden."),
        refusing("$T/riesig.txt", "Die Datei ist größer als 64 MB."),
        refusing("/dev/zero", "Die Datei ist größer als 64 MB."), // without end
        appending("$T/genau.txt", "genau.txt", "alter Inhalt"),   // then NUL bytes up to 64 MB
        appending("$T/leer.txt", "leer.txt", ""),
        appending("$T/pipe", "pipe", ""), // nobody writes it: nothing, at once
        appending("$T/nul.txt", "nul.txt", "vorher"),
        appending("$T/漢 Grüße.txt", "? Grüße.txt", "x"),
    };
    // The file then chosen is a link to an earlier report, which is replaced through it.
    const std::string chosen = "$T/Grüße \"zwei\"\nZeilen.txt";
    for (const Case& c : cases) {
        TempDir dir;
        for (const char* name : {"ziel.txt", "genau.txt", "riesig.txt"})
            WriteBytes(dir / name, "alter Inhalt");
        WriteBytes(dir / "leer.txt", "");
        WriteBytes(dir / "nul.txt", "vorher\0nachher"s);
        WriteBytes(dir / "漢 Grüße.txt", "x");
        fs::resize_file(dir / "genau.txt", CReportDlg::kMaxAppendBytes); // sparse, takes no room
        fs::resize_file(dir / "riesig.txt", CReportDlg::kMaxAppendBytes + 1);
        ::chmod((dir / "ziel.txt").c_str(), 0640);
        fs::create_symlink("ziel.txt", Replace(chosen, "$T", dir.path));
        ::mkfifo((dir / "pipe").c_str(), 0600);
        ReportRecord record = SampleRecord();
        const Outcome out = RunReportPage(record, dir, c.script + "click 1205\nsave " + Quote(chosen) + "\n");
        EXPECT_EQ(out.fullLog, "page CReportDlg\n" + c.log + kProposed + Quote(chosen) + "\nend\n")
            << c.script;
        EXPECT_TRUE(ReadBytes(dir / "ziel.txt") == ReportBytes() + c.appended) << c.script;
        EXPECT_EQ(fs::status(dir / "ziel.txt").permissions(), fs::perms(0640)) << c.script;
        EXPECT_TRUE(fs::is_symlink(Replace(chosen, "$T", dir.path)) && fs::is_fifo(dir / "pipe")) << c.script;
        for (const auto& entry : fs::directory_iterator(dir.path))
            EXPECT_NE(entry.path().filename().string().rfind(".mirel-", 0), 0U)
                << c.script; // no temporary left
    }
}

// The box shows what the page appends, typing before and after an append stays, and a refresh
// after typing keeps the typed text. UTF-8, DOS and cp1252 files arrive in cp1252 as they read.
TEST(ReportPage, AppendsAndTypingMeetInTheSavedFile) {
    TempDir dir;
    WriteBytes(dir / "utf8.txt", "Systemu\xCC\x88"
                                 "bersicht: Gr\xC3\xBC\xC3\x9F\x65 \xE2\x82\xAC \xE2\x86\x92\n");
    WriteBytes(dir / "dos.txt", "\xCD\xCD\xCD \x84\x94\x81\r\n");
    WriteBytes(dir / "ansi.txt", "Gr\xFC\xDF\x65 \x80\n");
    const std::string append = "click 1209\nopen \"$T/utf8.txt\"\nclick 1209\nopen \"$T/dos.txt\"\n";
    const std::string appended = AppendedHeader("utf8.txt") + "Systemu?bersicht: Gr\xFC\xDF\x65 \x80 ?\r\n" +
                                 AppendedHeader("dos.txt") + "=== \xE4\xF6\xFC\r\n";
    struct Case {
        std::string script;
        std::string saved; // after the report
        bool replaced;     // the typing replaced the report
    };
    const std::vector<Case> cases = {
        {append, appended, false},
        {"click 1208\ntype 1207 \"Neu\"\n" + append, "Neu" + appended, true},
        {append + "click 1208\ntype 1207 \"Neu\"\nclick 1209\nopen \"$T/ansi.txt\"\n",
         "Neu" + AppendedHeader("ansi.txt") + "Gr\xFC\xDF\x65 \x80\r\n", true},
        {append + "click 1209\nopen \"$T/fehlt.txt\"\nanswer ok\n", appended, false},
    };
    for (const Case& c : cases) {
        ReportRecord record = SampleRecord();
        RunReportPage(record, dir, c.script + "click 1205\nsave \"$T/r.txt\"\n");
        const std::string saved = ReadBytes(dir / "r.txt");
        const std::string report = c.replaced ? "" : ReportBytes();
        EXPECT_EQ(saved.substr(0, report.size()), report) << c.script;
        EXPECT_EQ(saved.substr(std::min(report.size(), saved.size())), c.saved) << c.script;
    }
}

} // namespace
} // namespace mirel
