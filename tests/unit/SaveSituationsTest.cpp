// Saving the report in hostile and unlucky file situations, as root and as the unprivileged user
// nobody. Each save runs in a process of its own: this test program started again as a helper
// (MIREL_SAVE_HELPER holds the script), under the user's ids, that drives the report page on the
// headless host and writes its log to descriptor 3. Per situation: the exact status line, the old
// file's bytes, owner and mode afterwards, no temporary file left, and the page still saving.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <iterator>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/Scope.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "platform/headless/HeadlessHost.h"
#include "report/BuildReport.h"
#include "report/ReportDlg.h"
#include "report/ReportRecord.h"
#include "tools/mirel-scenario/Runner.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;
using scenario::Quote;

// The whole test program takes write signals as the real program does.
[[maybe_unused]] const bool kSignalsHarmless = (KeepWriteSignalsHarmless(), true);

constexpr uid_t kNobody = 65534;
constexpr uid_t kStranger = 4242; // a third user, owner of planted links and foreign files

ReportRecord HelperRecord(const std::string& company) {
    ReportRecord r;
    ResetForRun(r);
    r.m_strCompany = company;
    r.m_nVersion = 0;
    r.m_strTestVersion = "7.1";
    return r;
}

// ---- the helper process ----

// Applies a file-size limit of `limit` bytes to the first save only; with `killAtLimit`, going
// over it ends the process by SIGKILL, in the middle of that save.
class HelperRunner : public scenario::Runner {
  public:
    HelperRunner(const std::string& script, std::ostream& log, rlim_t limit, bool killAtLimit)
        : Runner(scenario::ParseScript(script), log), m_limit(limit), m_kill(killAtLimit) {}
    WriteStatus WriteFile(const std::string& path, const std::string& bytes) override {
        if (m_limit == 0 || m_writes++ > 0)
            return Services::WriteFile(path, bytes);
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limited{m_limit, old.rlim_max};
        if (m_kill)
            ::signal(SIGXFSZ, [](int) { ::raise(SIGKILL); });
        ::setrlimit(RLIMIT_FSIZE, &limited);
        const WriteStatus status = Services::WriteFile(path, bytes);
        ::setrlimit(RLIMIT_FSIZE, &old);
        return status;
    }

  private:
    rlim_t m_limit;
    bool m_kill;
    int m_writes = 0;
};

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Runs before any test when the program was started as a helper, and never returns then.
class HelperMode : public testing::Environment {
  public:
    void SetUp() override {
        if (std::getenv("MIREL_SAVE_HELPER") == nullptr)
            return;
        HeadlessHost host;
        std::ostringstream log;
        const std::string limit = Env("MIREL_SAVE_LIMIT");
        HelperRunner runner(Env("MIREL_SAVE_HELPER"), log, limit.empty() ? 0 : std::stoul(limit),
                            !Env("MIREL_SAVE_KILL").empty());
        {
            const PlatformScope scope(&host, &runner, &runner);
            ReportRecord record = HelperRecord(Env("MIREL_SAVE_COMPANY"));
            CReportDlg page(&record);
            runner.RunPage(page);
        }
        const std::string text = log.str();
        const bool written = ::write(3, text.data(), text.size()) == static_cast<ssize_t>(text.size());
        std::_Exit(written ? 0 : 1);
    }
};
[[maybe_unused]] testing::Environment* const kHelperMode = testing::AddGlobalTestEnvironment(new HelperMode);

struct Helper {
    std::string log;
    int status = -1; // as waitpid gives it
};

// Starts this program as a helper under `uid` with the extra environment `env`, and waits for it
// (at most 30 seconds).
Helper RunHelper(uid_t uid, const std::vector<std::string>& env) {
    std::vector<std::string> strings = {fs::read_symlink("/proc/self/exe").string(),
                                        "--gtest_filter=SaveSituations.*"};
    for (char** e = environ; *e != nullptr; ++e)
        if (std::string(*e).rfind("MIREL_SAVE_", 0) != 0)
            strings.emplace_back(*e);
    strings.insert(strings.end(), env.begin(), env.end());
    std::vector<char*> argv = {strings[0].data(), strings[1].data(), nullptr};
    std::vector<char*> envp;
    for (std::size_t i = 2; i < strings.size(); ++i)
        envp.push_back(strings[i].data());
    envp.push_back(nullptr);
    int fds[2];
    EXPECT_EQ(::pipe2(fds, O_CLOEXEC), 0);
    const gid_t gid = uid == 0 ? 0 : kNobody;
    const pid_t pid = ::fork();
    if (pid == 0) { // only calls that are safe after a fork, up to exec
        const int quiet = ::open("/dev/null", O_WRONLY);
        const bool log = fds[1] == 3 ? ::fcntl(3, F_SETFD, 0) == 0 : ::dup2(fds[1], 3) == 3;
        if (!log || quiet < 0 || ::dup2(quiet, 1) != 1 || ::setgroups(0, nullptr) != 0 ||
            ::setgid(gid) != 0 || ::setuid(uid) != 0)
            ::_exit(120);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(121);
    }
    ::close(fds[1]);
    Helper helper;
    char buffer[4096];
    for (int waited = 0; waited < 30000;) {
        pollfd p{fds[0], POLLIN, 0};
        if (::poll(&p, 1, 100) == 0) {
            waited += 100;
            continue;
        }
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        helper.log.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    ::kill(pid, SIGKILL); // nothing when it has ended
    ::waitpid(pid, &helper.status, 0);
    return helper;
}

// ---- the situations ----

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Make(const std::string& path, const std::string& bytes, mode_t mode, uid_t uid) {
    std::ofstream(path, std::ios::binary) << bytes;
    EXPECT_EQ(::chown(path.c_str(), uid, uid == kNobody ? kNobody : 0), 0) << path;
    EXPECT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

void MakeFolder(const std::string& path, mode_t mode, uid_t uid) {
    fs::create_directory(path);
    EXPECT_EQ(::chown(path.c_str(), uid, uid == kNobody ? kNobody : 0), 0) << path;
    EXPECT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

std::vector<std::string> Leftovers(const std::string& dir) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.path().filename().string().rfind(".mirel-", 0) == 0)
            found.push_back(entry.path().string());
    return found;
}

const std::string kOld = "alter Inhalt\r\n";
const std::string kTyped = "Noch da";
const std::string kEuro100 = [] {
    std::string s;
    for (int i = 0; i < 100; ++i)
        s += "€";
    return s;
}();

enum class Result { Saved, NotCreated, NotClosed };
enum class After { Old, Typed, Missing, Ignore }; // what the watched file holds afterwards

// What one user gets in one situation.
struct Expect {
    Result result;
    After after;
};

// What a situation adds to the save.
enum Extra : unsigned {
    kNone = 0,
    kLimit = 1,      // a file-size limit of 100 bytes for the save
    kBigReport = 2,  // a 200 KB file is appended first, more than a pipe holds
    kKillFirst = 4,  // a first save is killed in the middle
    kPipeReader = 8, // a reader at $T/w/pipe takes up to 100 bytes and goes
};

// In each situation's folder $T: "w" is a folder of the user's and "ok" one where the page saves
// again afterwards. `prepare` makes the rest and may give a reason to skip.
struct Situation {
    const char* what;
    std::function<std::string(const std::string& dir, uid_t user)> prepare;
    std::string target;  // where the user saves, below $T
    std::string watched; // the file whose bytes, owner and mode are checked, below $T; "" none
    Expect asRoot, asNobody;
    unsigned extra = kNone;
    std::string company = "Muster";
    std::string proposed = "Report von Muster"; // the name the save dialog proposes
};

std::string ProtectedSymlinks() {
    return ReadBytes("/proc/sys/fs/protected_symlinks");
}

const std::string kLongName = std::string(296, 'x') + ".txt"; // 300 bytes

std::vector<Situation> Situations() {
    const auto none = [](const std::string&, uid_t) { return std::string(); };
    const auto old = [](const std::string& name, mode_t mode) { // a file of the user's
        return [=](const std::string& dir, uid_t user) {
            Make(dir + "/w/" + name, kOld, mode, user);
            return std::string();
        };
    };
    const auto pipe = [](const std::string& dir, uid_t user) { // the user's pipe
        EXPECT_EQ(::mkfifo((dir + "/w/pipe").c_str(), 0600), 0);
        EXPECT_EQ(::chown((dir + "/w/pipe").c_str(), user, user == 0 ? 0 : kNobody), 0);
        return std::string();
    };
    const auto hardLink = [](const std::string& dir, uid_t user) {
        Make(dir + "/w/h.txt", kOld, 0640, user);
        fs::create_hard_link(dir + "/w/h.txt", dir + "/w/h2.txt");
        return std::string();
    };
    const Expect refused = {Result::NotCreated, After::Old};
    const Expect saved = {Result::Saved, After::Typed};
    const Expect notClosed = {Result::NotClosed, After::Old};
    const Expect pipeBroken = {Result::NotClosed, After::Ignore};
    // For a company of 100 "€" (300 bytes) the page proposes the first 80, so that the name with
    // the ".txt" a dialog adds takes 255 bytes.
    const std::string euroName = "Report von " + kEuro100.substr(0, 240);
    return {
        {"a link planted by another user in a sticky folder",
         [](const std::string& dir, uid_t user) {
             if (ProtectedSymlinks().rfind('1', 0) != 0 && ProtectedSymlinks().rfind('2', 0) != 0)
                 return std::string("fs.protected_symlinks is off; it is one switch for the whole kernel, "
                                    "which no namespace can turn on for a test alone");
             MakeFolder(dir + "/sticky", 01777, 0);
             Make(dir + "/w/opfer.txt", kOld, 0600, user);
             fs::create_symlink(dir + "/w/opfer.txt", dir + "/sticky/report.txt");
             EXPECT_EQ(::lchown((dir + "/sticky/report.txt").c_str(), kStranger, kStranger), 0);
             return std::string();
         },
         "sticky/report.txt", "w/opfer.txt", refused, refused},
        {"a read-only file", old("r.txt", 0444), "w/r.txt", "w/r.txt", saved, refused},
        {"another user's file in a folder all may write",
         [](const std::string& dir, uid_t) {
             MakeFolder(dir + "/alle", 0777, 0);
             Make(dir + "/alle/fremd.txt", kOld, 0644, kStranger);
             return std::string();
         },
         "alle/fremd.txt", "alle/fremd.txt", saved, refused},
        {"a writable file in a read-only folder",
         [](const std::string& dir, uid_t user) {
             MakeFolder(dir + "/nurlesen", 0755, 0);
             Make(dir + "/nurlesen/f.txt", kOld, 0644, user);
             EXPECT_EQ(::chmod((dir + "/nurlesen").c_str(), 0555), 0);
             return std::string();
         },
         "nurlesen/f.txt", "nurlesen/f.txt", saved, saved},
        {"a file-size limit of 100 bytes", old("gross.txt", 0644), "w/gross.txt", "w/gross.txt", notClosed,
         notClosed, kLimit},
        {"a pipe whose reader goes after 100 bytes, a small report", pipe, "w/pipe", "", pipeBroken,
         pipeBroken, kPipeReader},
        {"a pipe whose reader goes after 100 bytes, a report larger than the pipe", pipe, "w/pipe", "",
         pipeBroken, pipeBroken, kPipeReader | kBigReport},
        {"another user's link to the user's pipe",
         [pipe](const std::string& dir, uid_t user) {
             pipe(dir, user);
             MakeFolder(dir + "/alle", 0777, 0);
             fs::create_symlink(dir + "/w/pipe", dir + "/alle/report.txt");
             EXPECT_EQ(::lchown((dir + "/alle/report.txt").c_str(), kStranger, kStranger), 0);
             return std::string();
         },
         "alle/report.txt",
         "",
         {Result::NotCreated, After::Ignore},
         {Result::NotCreated, After::Ignore},
         kPipeReader},
        {"a name of 300 bytes",
         none,
         "w/" + kLongName,
         "w/" + kLongName,
         {Result::NotCreated, After::Missing},
         {Result::NotCreated, After::Missing}},
        {"the proposed name for a company of 100 \"€\"", none, "w/" + euroName + ".txt",
         "w/" + euroName + ".txt", saved, saved, kNone, kEuro100, euroName},
        {"a file with a second hard link", hardLink, "w/h.txt", "w/h2.txt", saved, saved},
        {"a file with a second hard link and a file-size limit of 100 bytes", hardLink, "w/h.txt", "w/h2.txt",
         notClosed, notClosed, kLimit},
        {"a save killed in the middle, then a second save", old("k.txt", 0640), "w/k.txt", "w/k.txt", saved,
         saved, kKillFirst},
    };
}

std::string StatusLine(const std::string& text) {
    return "control 1206 text=" + Quote(text) + " visible=1 enabled=1";
}

std::string ExpectedStatus(Result result, const std::string& path) {
    switch (result) {
    case Result::Saved:
        return "Der Report wurde unter " + Cp1252ToUtf8(Utf8ToCp1252(path)) + " gespeichert.";
    case Result::NotCreated:
        return "Fehler: Die Datei " + Cp1252ToUtf8(Utf8ToCp1252(path)) + " konnte nicht erstellt werden!";
    case Result::NotClosed:
        break;
    }
    return "Fehler: Der Report konnte nicht geschlossen werden!";
}

// Takes up to 100 bytes from a pipe and goes, or stops when told.
class Reader {
  public:
    explicit Reader(const std::string& pipe) : m_fd(::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
        EXPECT_GE(m_fd, 0) << pipe;
        m_thread = std::thread([this] {
            char buffer[100];
            while (m_got < sizeof buffer && !m_stop) {
                pollfd p{m_fd, POLLIN, 0};
                ::poll(&p, 1, 10);
                const ssize_t n = ::read(m_fd, buffer, sizeof buffer - m_got);
                if (n > 0)
                    m_got += static_cast<std::size_t>(n);
            }
            ::close(m_fd);
        });
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    ~Reader() { Stop(); }
    // The bytes it took.
    std::size_t Stop() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_got;
    }

  private:
    int m_fd;
    std::atomic<bool> m_stop = false;
    std::atomic<std::size_t> m_got = 0;
    std::thread m_thread;
};

void RunSituations(uid_t user) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "the situations need root: they give files to other users";
    std::string root = (fs::temp_directory_path() / "mirel-save-situations.XXXXXX").string();
    ASSERT_NE(::mkdtemp(root.data()), nullptr);
    ::chmod(root.c_str(), 0755);
    int n = 0;
    for (const Situation& s : Situations()) {
        SCOPED_TRACE(s.what);
        const std::string dir = root + "/" + std::to_string(++n);
        MakeFolder(dir, 0755, 0);
        MakeFolder(dir + "/w", 0755, user);
        MakeFolder(dir + "/ok", 0755, user);
        Make(dir + "/w/gross-anhang.txt", std::string(200000, 'x'), 0644, user);
        const std::string skip = s.prepare(dir, user);
        if (!skip.empty()) {
            std::cout << "[ SKIPPED  ] " << s.what << ": " << skip << '\n';
            continue;
        }
        const Expect& expect = user == 0 ? s.asRoot : s.asNobody;
        const std::string target = dir + "/" + s.target;
        const std::string watched = s.watched.empty() ? "" : dir + "/" + s.watched;
        struct stat before {};
        const bool existed = !watched.empty() && ::stat(watched.c_str(), &before) == 0;

        const std::vector<std::string> env = {"MIREL_SAVE_COMPANY=" + s.company};
        if ((s.extra & kKillFirst) != 0) {
            const Helper killed =
                RunHelper(user, {"MIREL_SAVE_HELPER=click 1205\nsave " + Quote(target) + "\n",
                                 "MIREL_SAVE_LIMIT=100", "MIREL_SAVE_KILL=1", env[0]});
            EXPECT_TRUE(WIFSIGNALED(killed.status) && WTERMSIG(killed.status) == SIGKILL) << killed.status;
            EXPECT_EQ(Leftovers(dir).size(), 1U) << "the killed save leaves its temporary file";
            EXPECT_EQ(ReadBytes(watched), kOld);
        }
        std::string script = (s.extra & kBigReport) != 0
                                 ? "click 1209\nopen " + Quote(dir + "/w/gross-anhang.txt") + "\n"
                                 : "";
        script += "click 1205\nsave " + Quote(target) + "\nshow 1206\nclick 1208\ntype 1207 " +
                  Quote(kTyped) + "\nclick 1205\n";
        const std::string again = expect.result == Result::Saved ? target : dir + "/ok/danach.txt";
        if (expect.result != Result::Saved)
            script += "save " + Quote(again) + "\n";
        script += "show 1206\n";
        std::vector<std::string> helperEnv = {"MIREL_SAVE_HELPER=" + script, env[0]};
        if ((s.extra & kLimit) != 0)
            helperEnv.emplace_back("MIREL_SAVE_LIMIT=100");
        std::optional<Reader> reader;
        if ((s.extra & kPipeReader) != 0)
            reader.emplace(dir + "/w/pipe");
        const Helper helper = RunHelper(user, helperEnv);
        if (reader) { // the report reaches the pipe only when the user chose it
            EXPECT_EQ(reader->Stop(), s.target == "w/pipe" ? 100U : 0U);
        }

        // The process lived on: no death by SIGPIPE or SIGXFSZ.
        EXPECT_TRUE(WIFEXITED(helper.status) && WEXITSTATUS(helper.status) == 0) << helper.status;
        std::vector<std::string> statuses;
        std::istringstream lines(helper.log);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("control 1206 ", 0) == 0)
                statuses.push_back(line);
        const std::vector<std::string> expected = {StatusLine(ExpectedStatus(expect.result, target)),
                                                   StatusLine(ExpectedStatus(Result::Saved, again))};
        EXPECT_EQ(statuses, expected) << helper.log;
        EXPECT_NE(helper.log.find("save-dialog " + Quote(s.proposed) + " -> "), std::string::npos)
            << helper.log;
        EXPECT_EQ(helper.log.substr(helper.log.size() < 4 ? 0 : helper.log.size() - 4), "end\n")
            << helper.log;
        const std::string after[] = {kOld, kTyped, "", ""};
        if (expect.after == After::Missing) {
            EXPECT_NE(::access(watched.c_str(), F_OK), 0);
        } else if (expect.after != After::Ignore) {
            EXPECT_EQ(ReadBytes(watched), after[static_cast<int>(expect.after)]);
        }
        EXPECT_EQ(ReadBytes(again), kTyped); // the page saved again
        struct stat now {};
        if (existed && ::stat(watched.c_str(), &now) == 0) { // owner and mode kept
            EXPECT_EQ(now.st_uid, before.st_uid);
            EXPECT_EQ(now.st_gid, before.st_gid);
            EXPECT_EQ(now.st_mode, before.st_mode);
        }
        EXPECT_EQ(Leftovers(dir), std::vector<std::string>{});
    }
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

TEST(SaveSituations, AsRoot) {
    RunSituations(0);
}

TEST(SaveSituations, AsNobody) {
    RunSituations(kNobody);
}

// Leftovers in the folder of a save: the user's unlocked `.mirel-XXXXXX` files go (one left by a
// killed save is in the situations above); a save's locked file, another user's file and names or
// kinds this program never makes stay.
TEST(SaveLeftovers, OnlyTheUsersUnlockedTemporaryFilesGo) {
    std::string dir = (fs::temp_directory_path() / "mirel-save-leftovers.XXXXXX").string();
    ASSERT_NE(::mkdtemp(dir.data()), nullptr);
    const std::string report(10000, 'r');
    std::ostringstream log;
    scenario::Runner services(scenario::ParseScript(""), log); // the usual WriteFile

    struct Case {
        const char* name;
        bool folder;
        bool locked;
        bool stranger;
        bool stays;
    };
    const std::vector<Case> cases = {
        {".mirel-Ab3dE9", false, false, false, false}, {".mirel-Ab3dE8", false, true, false, true},
        {".mirel-Ab3dE7", false, false, true, true},   {".mirel-Ab3dE", false, false, false, true},
        {".mirel-Ab3dE_6", false, false, false, true}, {".mirel-Ab3d.6", false, false, false, true},
        {".mirel-Ab3dF0", true, false, false, true},
    };
    std::vector<int> locks;
    for (const Case& c : cases) {
        const std::string path = dir + "/" + c.name;
        if (c.folder) {
            fs::create_directory(path);
            continue;
        }
        std::ofstream(path) << "x";
        if (c.stranger && ::geteuid() == 0) {
            EXPECT_EQ(::chown(path.c_str(), kStranger, kStranger), 0);
        }
        if (c.locked) {
            locks.push_back(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
            EXPECT_EQ(::flock(locks.back(), LOCK_EX), 0);
        }
    }
    EXPECT_EQ(services.WriteFile(dir + "/k.txt", report), WriteStatus::Ok);
    EXPECT_EQ(ReadBytes(dir + "/k.txt"), report);
    std::size_t staying = 0;
    for (const Case& c : cases) {
        const bool stays = c.stays && (!c.stranger || ::geteuid() == 0); // only root has strangers' files
        EXPECT_EQ(fs::exists(dir + "/" + c.name), stays) << c.name;
        staying += stays ? 1 : 0;
    }
    EXPECT_EQ(Leftovers(dir).size(), staying);
    for (const int fd : locks)
        ::close(fd);
    std::error_code ignored;
    fs::remove_all(dir, ignored);
}

} // namespace
} // namespace mirel
