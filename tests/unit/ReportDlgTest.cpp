// The report page driven as a user drives it: the saved/unsaved states and the questions of
// Back and Next, saving with every kind of file failure, appending text, DOS and HTML files, and
// the file writing and reading underneath.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
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

// ---- a private folder per test ----

class TempDir {
  public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "mirel-report-test.XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp");
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

  private:
    std::string m_path;
};

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Replaces every "$T" of a script or log by the folder.
std::string InDir(std::string text, const std::string& dir) {
    for (std::size_t pos; (pos = text.find("$T")) != std::string::npos;)
        text.replace(pos, 2, dir);
    return text;
}

// The report box's text makes a log unreadable: its "show" line keeps only the flags.
std::string WithoutReportText(const std::string& log) {
    std::istringstream in(log);
    std::string out, line;
    while (std::getline(in, line)) {
        if (line.rfind("control 1207 text=", 0) == 0)
            line = "control 1207" + line.substr(line.rfind(" visible="));
        out += line + "\n";
    }
    return out;
}

// ---- a scripted run of the page; the disk can be told to fail from a given write on ----

struct LogHolder {
    std::ostringstream log;
};

class TestRunner : private LogHolder, public scenario::Runner {
  public:
    explicit TestRunner(const std::string& script) : Runner(scenario::ParseScript(script), LogHolder::log) {}
    WriteStatus WriteFile(const std::string& path, const std::string& bytes) override {
        ++writes;
        if (failFrom > 0 && writes >= failFrom)
            return failWith;
        return Services::WriteFile(path, bytes);
    }
    std::optional<std::string> SaveFileDialog(const std::string& filter, const std::string& ext,
                                              const std::string& name) override {
        dialogs.push_back("save " + filter + " " + ext);
        return Runner::SaveFileDialog(filter, ext, name);
    }
    std::optional<std::string> OpenFileDialog(const std::string& filter, const std::string& ext) override {
        dialogs.push_back("open " + filter + " " + ext);
        return Runner::OpenFileDialog(filter, ext);
    }
    std::string Log() const { return LogHolder::log.str(); }
    std::vector<std::string> dialogs; // kind, filter and default extension of each file dialog
    int writes = 0;
    int failFrom = 0; // 0 = the disk never fails
    WriteStatus failWith = WriteStatus::CloseFailed;
};

struct Outcome {
    std::string log; // without the report box's text
    int status = 0;
    int writes = 0;
    std::vector<std::string> dialogs;
};

Outcome RunReportPage(ReportRecord& record, const std::string& script, int failFrom = 0,
                      WriteStatus failWith = WriteStatus::CloseFailed) {
    HeadlessHost host;
    TestRunner runner(script);
    runner.failFrom = failFrom;
    runner.failWith = failWith;
    SetHost(&host);
    SetServices(&runner);
    SetAgent(&runner);
    int status = 0;
    {
        CReportDlg page(&record);
        status = runner.RunPage(page);
    }
    SetAgent(nullptr);
    SetServices(nullptr);
    SetHost(nullptr);
    return {WithoutReportText(runner.Log()), status, runner.writes, runner.dialogs};
}

// ---- the record and what the page shows of it ----

const LocalTime kClock{2026, 12, 5, 14, 7, 0}; // the runner's clock

ReportRecord SampleRecord() {
    ReportRecord r;
    ResetForRun(r);
    r.m_strTitle = "Varenta Support Bericht - Version 1.22+";
    r.m_rcWindow = Rect{40, 50, 577, 505};
    r.m_strDate = "05.12.2026";
    r.m_strCompany = "Müller/Söhne: A*B";
    r.m_strContact = "Frau Weiß";
    r.m_strPhone = "030 123";
    r.m_strEmail = "w@example.com";
    r.m_nVersion = 0;
    r.m_nTestStartDos = 0;
    r.m_nTestOtherMedium = 0;
    r.m_nTestReproducible = 0;
    r.m_strTestVersion = "7.1";
    r.m_strQuestionText = "Frage: Bild bleibt schwarz\n";
    r.m_astrHardware[0] = "Hardware: keine Angaben\n";
    return r;
}

// The report file of the freshly built report: cp1252 with CR LF.
std::string ReportBytes(const ReportRecord& record) {
    ReportRecord copy = record;
    return Utf8ToCp1252(BuildReport(copy, kClock));
}

const std::string kProposed = "save-dialog \"Report von Müller_Söhne_ A_B\" -> ";
const std::string kAskSave =
    "message \"Report speichern\" " +
    Quote("Der Report wurden noch nicht gespeichert. Sie müssen den Report speichern bevor "
          "sie weiter gehen können.\n\nSoll der Report jetzt gespeichert werden?") +
    " yesno question -> ";
const std::string kAskChanges =
    "message \"Änderungen speichern\" " +
    Quote("Die Änderungen wurden noch nicht gespeichert.\n\nSoll der Report jetzt gespeichert werden?") +
    " yesnocancel question -> ";
const std::string kAskBack =
    "message \"Änderungen speichern\" " +
    Quote("Der Report wurden noch nicht gespeichert. Wenn Sie zurückgehen, werden die von "
          "Ihnen gemachten Änderungen verworfen.\n\nSoll der Report jetzt gespeichert "
          "werden?") +
    " yesnocancel exclamation -> ";
const std::string kSavedTo =
    "control 1206 text=\"Der Report wurde unter $T/r.txt gespeichert.\" visible=1 enabled=1\n";

enum class File { None, Report, Typed };

struct FlowCase {
    const char* what;
    std::string script;
    std::string log; // after the "page" line
    File file;       // what $T/r.txt holds afterwards
    int back;        // m_bBack afterwards
    int writes;      // file writes tried
};

TEST(ReportPage, SaveStatesAndTheQuestionsOfBackAndNext) {
    const std::vector<FlowCase> cases = {
        {"a fresh report is read-only and Next insists on a save; No stays",
         "show 1207\nshow 1206\nclick 1016\nanswer no\n",
         "control 1207 visible=1 enabled=1 readonly=1\ncontrol 1206 text=\"\" visible=1 enabled=1\n"
         "beep question\n" +
             kAskSave + "no\nend\n",
         File::None, 0, 0},
        {"Yes saves and stays; the next Next goes on",
         "click 1016\nanswer yes\nsave \"$T/r.txt\"\nshow 1206\nclick 1016\n",
         "beep question\n" + kAskSave + "yes\n" + kProposed + "\"$T/r.txt\"\n" + kSavedTo, File::Report, 0,
         1},
        {"Yes and a cancelled file dialog stay unsaved",
         "click 1016\nanswer yes\nsave cancel\nclick 1016\nanswer no\n",
         "beep question\n" + kAskSave + "yes\n" + kProposed + "cancel\nbeep question\n" + kAskSave +
             "no\nend\n",
         File::None, 0, 0},
        {"a second Save without changes writes nothing",
         "click 1205\nsave \"$T/r.txt\"\nclick 1205\nshow 1206\nshow 1207\n",
         kProposed + "\"$T/r.txt\"\ncontrol 1206 text=\"Keine Änderung vorhanden\" visible=1 enabled=1\n"
                     "control 1207 visible=1 enabled=1 readonly=1\nend\n",
         File::Report, 0, 1},
        {"edit, type, Next, Yes writes the same file without a dialog",
         "click 1205\nsave \"$T/r.txt\"\nclick 1208\nshow 1207\ntype 1207 \"Neu\\nZeile\"\nclick "
         "1016\nanswer yes\n",
         kProposed + "\"$T/r.txt\"\ncontrol 1207 visible=1 enabled=1 readonly=0\nbeep question\n" +
             kAskChanges + "yes\n",
         File::Typed, 0, 2},
        {"edit, Next, No goes on without saving",
         "click 1205\nsave \"$T/r.txt\"\nclick 1208\ntype 1207 \"Neu\\nZeile\"\nclick 1016\nanswer no\n",
         kProposed + "\"$T/r.txt\"\nbeep question\n" + kAskChanges + "no\n", File::Report, 0, 1},
        {"edit, Next, Cancel stays",
         "click 1205\nsave \"$T/r.txt\"\nclick 1208\ntype 1207 \"Neu\"\nclick 1016\nanswer cancel\n",
         kProposed + "\"$T/r.txt\"\nbeep question\n" + kAskChanges + "cancel\nend\n", File::Report, 0, 1},
        {"a saved report goes on at once", "click 1205\nsave \"$T/r.txt\"\nclick 1016\n",
         kProposed + "\"$T/r.txt\"\n", File::Report, 0, 1},
        {"Back on a fresh report asks; No goes back", "click 1015\nanswer no\n", kAskBack + "no\n",
         File::None, 1, 0},
        {"Back, Yes saves and goes back", "click 1015\nanswer yes\nsave \"$T/r.txt\"\n",
         kAskBack + "yes\n" + kProposed + "\"$T/r.txt\"\n", File::Report, 1, 1},
        {"Back, Yes, cancelled dialog stays", "click 1015\nanswer yes\nsave cancel\n",
         kAskBack + "yes\n" + kProposed + "cancel\nend\n", File::None, 0, 0},
        {"Back, Cancel stays", "click 1015\nanswer cancel\n", kAskBack + "cancel\nend\n", File::None, 0, 0},
        {"Back, Yes and a failing save stays and shows why",
         "click 1015\nanswer yes\nsave \"/proc/r.txt\"\nshow 1206\n",
         kAskBack + "yes\n" + kProposed +
             "\"/proc/r.txt\"\ncontrol 1206 text=\"Fehler: Die Datei /proc/r.txt konnte nicht erstellt "
             "werden!\" "
             "visible=1 enabled=1\nend\n",
         File::None, 0, 1},
        {"Back after a save without changes asks nothing", "click 1205\nsave \"$T/r.txt\"\nclick 1015\n",
         kProposed + "\"$T/r.txt\"\n", File::Report, 1, 1},
        {"edited after a save, Back asks again",
         "click 1205\nsave \"$T/r.txt\"\nclick 1208\ntype 1207 \"x\"\nclick 1015\nanswer no\n",
         kProposed + "\"$T/r.txt\"\n" + kAskBack + "no\n", File::Report, 1, 1},
        {"entering the box clears the status line; a save locks the box again",
         "click 1205\nsave \"$T/r.txt\"\nfocus 1207\nshow 1206\nclick 1208\nshow 1207\ntype 1207 "
         "\"Neu\\nZeile\"\n"
         "click 1205\nshow 1207\nshow 1206\n",
         kProposed +
             "\"$T/r.txt\"\ncontrol 1206 text=\"\" visible=1 enabled=1\n"
             "control 1207 visible=1 enabled=1 readonly=0\ncontrol 1207 visible=1 enabled=1 readonly=1\n" +
             kSavedTo + "end\n",
         File::Typed, 0, 2},
        {"Escape does nothing and a close answered No keeps the page",
         "key escape\nclose\nanswer no\nshow 1206\n",
         "beep question\nmessage \"Mirel beenden\" " +
             Quote("Wollen Sie das Programm wirklich beenden?\n\nWenn Sie das Programm jetzt beenden, werden "
                   "alle "
                   "Angaben verworfen.") +
             " yesno question -> no\ncontrol 1206 text=\"\" visible=1 enabled=1\nend\n",
         File::None, 0, 0},
    };
    for (const FlowCase& c : cases) {
        TempDir dir;
        ReportRecord record = SampleRecord();
        const Outcome out = RunReportPage(record, InDir(c.script, dir.Path()));
        EXPECT_EQ(out.log, InDir("page CReportDlg\n" + c.log, dir.Path())) << c.what;
        EXPECT_EQ(out.status, 0) << c.what;
        EXPECT_EQ(record.m_bBack, c.back) << c.what;
        EXPECT_EQ(out.writes, c.writes) << c.what;
        const bool exists = fs::exists(dir / "r.txt");
        switch (c.file) {
        case File::None:
            EXPECT_FALSE(exists) << c.what;
            break;
        case File::Report:
            EXPECT_EQ(ReadBytes(dir / "r.txt"), ReportBytes(SampleRecord())) << c.what;
            break;
        case File::Typed:
            EXPECT_EQ(ReadBytes(dir / "r.txt"), "Neu\r\nZeile") << c.what;
            break;
        }
        if (out.log.find("\nend\n") == std::string::npos) {
            EXPECT_EQ(record.m_rcWindow, (Rect{40, 50, 577, 505})) << c.what;
        }
    }
}

TEST(ReportPage, CloseConfirmedEndsTheProgram) {
    ReportRecord record = SampleRecord();
    const Outcome out = RunReportPage(record, "close\nanswer yes\n");
    EXPECT_EQ(record.m_bQuit, 1);
    EXPECT_EQ(out.log.find("\nend\n"), std::string::npos);
}

TEST(ReportPage, FileDialogFiltersAndExtension) {
    ReportRecord record = SampleRecord();
    const Outcome out = RunReportPage(record, "click 1209\nopen cancel\nclick 1205\nsave cancel\n");
    EXPECT_EQ(out.dialogs, (std::vector<std::string>{
                               "open Textdatei (*.txt)|*.txt|HTML-Dateien (*.htm, *.html)|*.htm; *.html|"
                               "Quorix*Skript (*.qts)|*.qts|QuorTest INI (*.ini)|*.ini|Alle Dateien "
                               "(*.*)|*.*|| txt",
                               "save Textdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*|| txt"}));
}

TEST(ReportPage, SavesToPathsWithBlanksQuotesUmlautsAndLineBreaks) {
    // The path goes to the file system as it was chosen; the status line names it.
    for (const std::string name :
         {"mit Leer zeichen.txt", "\\\"zitiert\\\".txt", "Grüße.txt", "zwei\\nZeilen.txt"}) {
        TempDir dir;
        ReportRecord record = SampleRecord();
        const Outcome out =
            RunReportPage(record, InDir("click 1205\nsave \"$T/" + name + "\"\nclick 1016\n", dir.Path()));
        std::string plain = name;
        for (std::size_t pos; (pos = plain.find("\\\"")) != std::string::npos;)
            plain.replace(pos, 2, "\"");
        for (std::size_t pos; (pos = plain.find("\\n")) != std::string::npos;)
            plain.replace(pos, 2, "\n");
        EXPECT_EQ(ReadBytes(dir / plain), ReportBytes(SampleRecord())) << name;
        EXPECT_EQ(out.status, 0) << name;
    }
}

TEST(ReportPage, FailedSavesReportTheFailureAndLoseNothing) {
    struct Case {
        std::string target;
        std::string status;
    };
    const std::vector<Case> cases = {
        {"/proc/r.txt", "Fehler: Die Datei /proc/r.txt konnte nicht erstellt werden!"},
        {"$T/fehlt/r.txt", "Fehler: Die Datei $T/fehlt/r.txt konnte nicht erstellt werden!"},
        {"$T", "Fehler: Die Datei $T konnte nicht erstellt werden!"},
        {"/dev/full", "Fehler: Der Report konnte nicht geschlossen werden!"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        ReportRecord record = SampleRecord();
        // The failed target is forgotten: the next Save asks for a file again, Next still asks.
        const std::string script =
            "click 1205\nsave \"" + c.target +
            "\"\nshow 1206\nclick 1016\nanswer no\nclick 1205\nsave \"$T/r.txt\"\nclick 1016\n";
        const Outcome out = RunReportPage(record, InDir(script, dir.Path()));
        EXPECT_EQ(out.log,
                  InDir("page CReportDlg\n" + kProposed + "\"" + c.target + "\"\ncontrol 1206 text=\"" +
                            c.status + "\" visible=1 enabled=1\nbeep question\n" + kAskSave + "no\n" +
                            kProposed + "\"$T/r.txt\"\n",
                        dir.Path()))
            << c.target;
        EXPECT_EQ(ReadBytes(dir / "r.txt"), ReportBytes(SampleRecord())) << c.target;
    }
}

TEST(ReportPage, AFailureAfterAnEarlierSaveKeepsTheTextUnsavedAndThePageOpen) {
    struct Case {
        WriteStatus failure;
        std::string status;
    };
    const std::vector<Case> cases = {
        {WriteStatus::OpenFailed, "Fehler: In die Datei $T/r.txt konnte nicht gespeichert werden!"},
        {WriteStatus::CloseFailed, "Fehler: Der Report konnte nicht geschlossen werden!"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        ReportRecord record = SampleRecord();
        const std::string script =
            "click 1205\nsave \"$T/r.txt\"\nclick 1208\ntype 1207 \"neu\"\nclick 1205\n"
            "show 1206\nclick 1205\nclick 1016\nanswer yes\nshow 1206\n";
        const Outcome out = RunReportPage(record, InDir(script, dir.Path()), 2, c.failure);
        const std::string status = "control 1206 text=\"" + c.status + "\" visible=1 enabled=1\n";
        EXPECT_EQ(out.log, InDir("page CReportDlg\n" + kProposed + "\"$T/r.txt\"\n" + status +
                                     "beep question\n" + kAskChanges + "yes\n" + status + "end\n",
                                 dir.Path()));
        EXPECT_EQ(out.writes, 4); // the first save, the Save click, the retry, and the Yes of Next
        EXPECT_EQ(ReadBytes(dir / "r.txt"), ReportBytes(SampleRecord()));
    }
}

// Runs `body` with writes limited to `bytes` per file, as a full disk would stop them.
void WithFileSizeLimit(rlim_t bytes, const std::function<void()>& body) {
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = bytes;
    const sighandler_t oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limited);
    body();
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);
}

TEST(ReportPage, ADiskThatFillsUpLeavesTheEarlierFileAsItWas) {
    TempDir dir;
    WriteBytes(dir / "r.txt", "alte Fassung");
    ReportRecord record = SampleRecord();
    Outcome out;
    WithFileSizeLimit(64, [&] {
        out = RunReportPage(record, InDir("click 1205\nsave \"$T/r.txt\"\nshow 1206\n", dir.Path()));
    });
    EXPECT_NE(out.log.find("text=\"Fehler: Der Report konnte nicht geschlossen werden!\""),
              std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "r.txt"), "alte Fassung");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1); // no leftovers
}

TEST(ReportPage, TheSavedFileHasOneCrLfPerLineAndCp1252Bytes) {
    TempDir dir;
    WriteBytes(dir / "mac.txt", "a\rb\r\r\nc\n\x80\r");
    ReportRecord record = SampleRecord();
    record.m_strContact = "Frau Weiß\r\nAbteilung 2";
    record.m_strTestNote = "eins\r\nzwei\r\n";
    const Outcome out =
        RunReportPage(record, InDir("click 1208\ntype 1207 \"Grüße\\n\\nEnde\\n€\"\nclick 1209\n"
                                    "open \"$T/mac.txt\"\nclick 1205\nsave \"$T/r.txt\"\n",
                                    dir.Path()));
    const std::string bytes = ReadBytes(dir / "r.txt");
    EXPECT_EQ(bytes, "Gr\xFC\xDF"
                     "e\r\n\r\nEnde\r\n\x80\r\n" +
                         std::string(59, '=') + "\r\nAngef\xFCgte Datei \"mac.txt\"\r\n\r\nab\r\nc\r\n\x80");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << i;
        }
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << i;
        }
    }
    // The report as built, with its multi-line values, saved without a change.
    ReportRecord second = record;
    RunReportPage(second, InDir("click 1205\nsave \"$T/plain.txt\"\n", dir.Path()));
    const std::string plain = ReadBytes(dir / "plain.txt");
    EXPECT_NE(plain.find("Frau Wei\xDF\r\nAbteilung 2\r\n"), std::string::npos);
    EXPECT_EQ(plain.find("\r\r"), std::string::npos);
}

TEST(ReportPage, AppendedFiles) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string appended; // cp1252 bytes as saved
    };
    const std::vector<Case> cases = {
        {"dos.txt", "\xC9\xCD\xCD\xCD\xBB\r\n\xBA \x84\x94\x81\xE1 \x8E\x99\x9A \xC4\xBA\r\n",
         "\xC9===\xBB\r\n\xBA \xE4\xF6\xFC\xDF \xC4\xD6\xDC \xAF\xBA\r\n"},
        {"kein-dos.txt", "\x84\xCD\xCD \xC4\r\n", "\x84\xCD\xCD \xC4\r\n"},
        {"seite.html", "<html><p>a<br>b</p></html>\r\n", "ab\r\n"},
        {"gross.HTML", "<HTML><B>x</B></HTML>\n", "<HTML><B>x</B></HTML>\r\n"},
        {"offen.htm", "<html>vorher<a href=\"x\nnachher", "vorher"},
        {"nul.txt", "vorher\0nachher"s, "vorher"},
        {"ansi.txt", "\x80\x81\x8D\xFF", "\x80\x81\x8D\xFF"},
        {"Grüße.txt", "x", "x"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteBytes(dir / c.name, c.bytes);
        ReportRecord record = SampleRecord();
        const std::string script = "click 1209\nopen \"$T/" + std::string(c.name) +
                                   "\"\nshow 1206\nshow 1207\nclick 1205\nsave \"$T/r.txt\"\n";
        const Outcome out = RunReportPage(record, InDir(script, dir.Path()));
        EXPECT_EQ(out.log,
                  InDir("page CReportDlg\nopen-dialog -> \"$T/" + std::string(c.name) +
                            "\"\ncontrol 1206 text=" +
                            Quote("Die Datei \"" + std::string(c.name) + "\" wurde dem Report hinzugefügt.") +
                            " visible=1 enabled=1\ncontrol 1207 visible=1 enabled=1 readonly=1\n" +
                            kProposed + "\"$T/r.txt\"\nend\n",
                        dir.Path()))
            << c.name;
        EXPECT_EQ(ReadBytes(dir / "r.txt"), ReportBytes(SampleRecord()) + "\r\n" + std::string(59, '=') +
                                                "\r\nAngef\xFCgte Datei \"" + Utf8ToCp1252(c.name) +
                                                "\"\r\n\r\n" + c.appended)
            << c.name;
    }
}

TEST(ReportPage, AppendingKeepsTheUsersEditsAndMarksTheTextUnsaved) {
    TempDir dir;
    WriteBytes(dir / "a.txt", "Anhang");
    ReportRecord record = SampleRecord();
    const Outcome out =
        RunReportPage(record, InDir("click 1205\nsave \"$T/r.txt\"\nclick 1208\ntype 1207 \"Eigener Text\"\n"
                                    "click 1209\nopen \"$T/a.txt\"\nclick 1016\nanswer yes\n",
                                    dir.Path()));
    EXPECT_EQ(ReadBytes(dir / "r.txt"),
              "Eigener Text\r\n" + std::string(59, '=') + "\r\nAngef\xFCgte Datei \"a.txt\"\r\n\r\nAnhang");
    EXPECT_EQ(out.writes, 2);
}

TEST(ReportPage, AFileThatCannotBeReadAppendsNothing) {
    struct Case {
        std::string path;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"$T/fehlt.txt", "Die Datei ist nicht vorhanden."},
        {"$T/datei.txt/x", "Die Datei ist nicht vorhanden."},
        {"$T", "Es handelt sich um einen Ordner, nicht um eine Datei."},
        {"$T/riesig.txt", "Die Datei ist größer als 64 MB."},
        {"/proc/self/mem", "Die Datei kann nicht gelesen werden."},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteBytes(dir / "datei.txt", "x");
        fs::resize_file(dir / "datei.txt", 1);
        WriteBytes(dir / "riesig.txt", "");
        fs::resize_file(dir / "riesig.txt", CReportDlg::kMaxAppendBytes + 1); // sparse, takes no room
        ReportRecord record = SampleRecord();
        const std::string script =
            "click 1209\nopen \"" + c.path + "\"\nanswer ok\nshow 1206\nclick 1205\nsave \"$T/r.txt\"\n";
        const Outcome out = RunReportPage(record, InDir(script, dir.Path()));
        EXPECT_EQ(
            out.log,
            InDir("page CReportDlg\nopen-dialog -> \"" + c.path + "\"\nmessage \"Textdatei anfügen\" " +
                      Quote("Die Datei \"" + c.path + "\" konnte nicht angefügt werden.\n\n" + c.reason) +
                      " ok exclamation -> ok\ncontrol 1206 text=\"\" visible=1 enabled=1\n" + kProposed +
                      "\"$T/r.txt\"\nend\n",
                  dir.Path()))
            << c.path;
        EXPECT_EQ(ReadBytes(dir / "r.txt"), ReportBytes(SampleRecord())) << c.path;
    }
}

TEST(ReportPage, ShowingThePageAgainStartsFromTheRecord) {
    TempDir dir;
    WriteBytes(dir / "a.txt", "Anhang");
    ReportRecord record = SampleRecord();
    RunReportPage(record,
                  InDir("click 1209\nopen \"$T/a.txt\"\nclick 1205\nsave \"$T/a-report.txt\"\nclick 1016\n",
                        dir.Path()));
    const Outcome again =
        RunReportPage(record, InDir("click 1016\nanswer yes\nsave \"$T/r.txt\"\n", dir.Path()));
    EXPECT_NE(again.log.find(kProposed), std::string::npos); // the earlier path is gone
    EXPECT_EQ(ReadBytes(dir / "r.txt"), ReportBytes(SampleRecord()));
}

TEST(ReportPage, TenMegabytesOfDosTextAreAppended) {
    TempDir dir;
    std::string dos = "\xCD\xCD\xCD\r\n";
    const std::string line = "\x84\x94\x81 Zeile mit Umlauten und Rahmen \xC4\xC4\xC4\r\n";
    while (dos.size() < (10u << 20))
        dos += line;
    WriteBytes(dir / "gross.txt", dos);
    ReportRecord record = SampleRecord();
    RunReportPage(record,
                  InDir("click 1209\nopen \"$T/gross.txt\"\nclick 1205\nsave \"$T/r.txt\"\n", dir.Path()));
    const std::string saved = ReadBytes(dir / "r.txt");
    const std::string header = "\r\n" + std::string(59, '=') + "\r\nAngef\xFCgte Datei \"gross.txt\"\r\n\r\n";
    EXPECT_EQ(saved.size(), ReportBytes(SampleRecord()).size() + header.size() + dos.size());
    EXPECT_EQ(saved.substr(saved.size() - 12), "Rahmen \xAF\xAF\xAF\r\n");
}

// ---- the file writing and reading underneath ----

class Disk {
  public:
    WriteStatus Write(const std::string& path, const std::string& bytes) {
        return m_services.WriteFile(path, bytes);
    }
    ReadResult Read(const std::string& path, std::size_t max) { return m_services.ReadFile(path, max); }

  private:
    std::ostringstream m_log;
    scenario::Runner m_services{{}, m_log};
};

TEST(Files, WritingReplacesWholeFilesAndNeverHalfOfOne) {
    struct Case {
        const char* what;
        std::function<std::string(const TempDir&)> prepare; // returns the path to write
        WriteStatus status;
        std::function<void(const TempDir&)> check;
    };
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const std::vector<Case> cases = {
        {"a new file gets the usual mode", [](const TempDir& d) { return d / "neu.txt"; }, WriteStatus::Ok,
         [mask](const TempDir& d) {
             EXPECT_EQ(ReadBytes(d / "neu.txt"), "Inhalt");
             struct stat st {};
             ::stat((d / "neu.txt").c_str(), &st);
             EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask);
         }},
        {"an existing file is replaced and keeps its mode",
         [](const TempDir& d) {
             WriteBytes(d / "alt.txt", "alter, längerer Inhalt");
             ::chmod((d / "alt.txt").c_str(), 0640);
             return d / "alt.txt";
         },
         WriteStatus::Ok,
         [](const TempDir& d) {
             EXPECT_EQ(ReadBytes(d / "alt.txt"), "Inhalt");
             struct stat st {};
             ::stat((d / "alt.txt").c_str(), &st);
             EXPECT_EQ(st.st_mode & 0777, 0640u);
         }},
        {"a link is followed and stays a link",
         [](const TempDir& d) {
             fs::create_directory(d / "sub");
             WriteBytes(d / "sub/ziel.txt", "alt");
             fs::create_symlink("sub/ziel.txt", d / "link.txt");
             return d / "link.txt";
         },
         WriteStatus::Ok,
         [](const TempDir& d) {
             EXPECT_TRUE(fs::is_symlink(d / "link.txt"));
             EXPECT_EQ(ReadBytes(d / "sub/ziel.txt"), "Inhalt");
         }},
        {"a loop of links is refused",
         [](const TempDir& d) {
             fs::create_symlink(d / "b", d / "a");
             fs::create_symlink(d / "a", d / "b");
             return d / "a";
         },
         WriteStatus::OpenFailed, [](const TempDir& d) { EXPECT_TRUE(fs::is_symlink(d / "a")); }},
        {"a folder is refused", [](const TempDir& d) { return d.Path(); }, WriteStatus::OpenFailed, nullptr},
        {"a full device fails after opening", [](const TempDir&) { return "/dev/full"s; },
         WriteStatus::CloseFailed, nullptr},
        {"a pipe nobody reads is refused at once",
         [](const TempDir& d) {
             ::mkfifo((d / "pipe").c_str(), 0600);
             return d / "pipe";
         },
         WriteStatus::OpenFailed,
         [](const TempDir& d) { EXPECT_EQ(fs::status(d / "pipe").type(), fs::file_type::fifo); }},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = c.prepare(dir);
        Disk disk;
        EXPECT_EQ(disk.Write(path, "Inhalt"), c.status) << c.what;
        if (c.check)
            c.check(dir);
        for (const auto& entry : fs::directory_iterator(dir.Path()))
            EXPECT_EQ(entry.path().filename().string().rfind(".mirel-", 0), std::string::npos) << c.what;
    }
}

TEST(Files, ReadingWholeFilesWithinALimit) {
    struct Case {
        const char* what;
        std::function<std::string(const TempDir&)> prepare;
        std::size_t max;
        ReadResult::Status status;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"a file",
         [](const TempDir& d) {
             WriteBytes(d / "a", "a\0b"s);
             return d / "a";
         },
         10, ReadResult::Status::Ok, "a\0b"s},
        {"exactly the limit",
         [](const TempDir& d) {
             WriteBytes(d / "a", "12345");
             return d / "a";
         },
         5, ReadResult::Status::Ok, "12345"},
        {"one byte over the limit",
         [](const TempDir& d) {
             WriteBytes(d / "a", "123456");
             return d / "a";
         },
         5, ReadResult::Status::TooLarge, ""},
        {"a device without end stops at the limit", [](const TempDir&) { return "/dev/zero"s; }, 1 << 20,
         ReadResult::Status::TooLarge, ""},
        {"a pipe nobody writes gives nothing at once",
         [](const TempDir& d) {
             ::mkfifo((d / "pipe").c_str(), 0600);
             return d / "pipe";
         },
         10, ReadResult::Status::Ok, ""},
    };
    for (const Case& c : cases) {
        TempDir dir;
        Disk disk;
        const ReadResult r = disk.Read(c.prepare(dir), c.max);
        EXPECT_EQ(r.status, c.status) << c.what;
        EXPECT_EQ(r.bytes, c.bytes) << c.what;
    }
}

} // namespace
} // namespace mirel
