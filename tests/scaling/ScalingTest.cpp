// Appending large files grows time and memory linearly on both hosts: the scenario runner walks
// to the report page and appends one file of 1, 8, 32 and 64 MiB, each in a process of its own,
// and the CPU time and peak memory above a walk without an append must stay under ten times
// the 8 MiB figures at 64 MiB (eight is linear; the cost of an append that re-did the report so
// far, or a layout quadratic in a line, is far above).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace mirel {
namespace {

namespace fs = std::filesystem;

// To the report page of the test product with as little as the pages ask for.
constexpr const char* kWalk = R"(click 1077
click 1277
click 1114
select 1174 0
type 1049 "6.22"
click 1123
click 1163
type 1129 "2.10"
click 1016
click 1069
click 1016
type 1202 "Speichertest"
click 1069
click 1016
click 1067
click 1016
type 1202 "Fehler"
click 1016
click 1016
type 1003 "Firma"
type 1004 "Name"
type 1006 "030 1234"
type 1008 "a@b.example"
click 1010
)";

struct Cost {
    double cpu = 0; // seconds of user and system time
    double rss = 0; // peak resident memory in bytes
};

Cost RunScript(const std::string& host, const std::string& script) {
    // The runner starts as a copy of this process, whose peak memory would count for it; the
    // peak is set back to what this process holds now (a few MiB).
    std::ofstream("/proc/self/clear_refs") << "5";
    const std::string runner = MIREL_SCENARIO_BIN;
    std::vector<std::string> args = {runner, "--host", host, script};
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen",
                                    "HOME=" + fs::path(script).parent_path().string()};
    for (char** e = environ; *e != nullptr; ++e)
        if (std::string_view(*e).starts_with("PATH=") || std::string_view(*e).starts_with("LANG="))
            env.emplace_back(*e);
    std::vector<char*> envp;
    envp.reserve(env.size() + 1);
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, runner.c_str(), &actions, nullptr, argv.data(), envp.data()), 0);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    EXPECT_EQ(::wait4(pid, &status, 0, &usage), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << script;
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), static_cast<double>(usage.ru_maxrss) * 1024};
}

class Scaling : public ::testing::TestWithParam<const char*> {};

TEST_P(Scaling, AppendsGrowLinearly) {
    const std::string host = GetParam();
    std::string dir = (fs::temp_directory_path() / "mirel-scaling.XXXXXX").string();
    ASSERT_NE(::mkdtemp(dir.data()), nullptr);
    // Report lines of 80 characters with umlauts and box lines, as a system overview has them.
    const std::string line = "Laufwerk C: 512 GB, frei 128 GB, Pr\xFC"
                             "fung ohne Fehler \xC4\xC4\xC4\xC4\xC4 Temperatur 41 \xB0"
                             "C ok.....\r\n";
    const std::array<int, 4> sizes = {1, 8, 32, 64};
    std::string text; // freed before the runs, so that this process stays small
    for (const int mib : sizes) {
        while (text.size() < (static_cast<std::size_t>(mib) << 20))
            text += line;
        std::ofstream(dir + "/" + std::to_string(mib) + ".txt", std::ios::binary)
            << std::string_view(text).substr(0, static_cast<std::size_t>(mib) << 20);
        std::ofstream(dir + "/" + std::to_string(mib) + ".scn")
            << kWalk << "click 1209\nopen \"" << dir << "/" << mib << ".txt\"\nclose\nanswer yes\n";
    }
    std::ofstream(dir + "/walk.scn") << kWalk << "close\nanswer yes\n";
    std::string().swap(text);

    // Medians of several runs: the machine may be busy with something else for a moment, and
    // the small runs weigh most in the ratios.
    const auto median = [&](const std::string& script, std::size_t runs) {
        std::vector<Cost> costs(runs);
        for (Cost& c : costs)
            c = RunScript(host, script);
        std::sort(costs.begin(), costs.end(), [](const Cost& a, const Cost& b) { return a.cpu < b.cpu; });
        const double cpu = costs[runs / 2].cpu;
        std::sort(costs.begin(), costs.end(), [](const Cost& a, const Cost& b) { return a.rss < b.rss; });
        return Cost{cpu, costs[runs / 2].rss};
    };
    const Cost walk = median(dir + "/walk.scn", 5);
    std::array<Cost, sizes.size()> cost{};
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const std::string script = dir + "/" + std::to_string(sizes[i]) + ".scn";
        const Cost c = median(script, sizes[i] == 8 ? 5 : sizes[i] == 64 ? 3 : 1);
        cost[i] = {std::max(c.cpu - walk.cpu, 1e-3), std::max(c.rss - walk.rss, 1.0)};
    }
    std::ostringstream figures;
    for (std::size_t i = 0; i < sizes.size(); ++i)
        figures << sizes[i] << " MiB: " << cost[i].cpu << " s, " << cost[i].rss / 1048576 << " MiB; ";
    EXPECT_LT(cost[3].cpu / cost[1].cpu, 10) << host << ": " << figures.str();
    EXPECT_LT(cost[3].rss / cost[1].rss, 10) << host << ": " << figures.str();
    RecordProperty("figures", figures.str());
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Hosts, Scaling, ::testing::Values(MIREL_SCENARIO_HOSTS));

} // namespace
} // namespace mirel
