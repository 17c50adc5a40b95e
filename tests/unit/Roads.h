// The scripted roads of tests/scenarios run with a user who, on every page, first types into
// every edit key by key and checks that the control holds exactly what was typed, then types
// the page's own text back, so that the road goes on as scripted and its saved report must
// still come out byte for byte. Used on the headless host and, under a window manager, on the
// Qt host.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Agent.h"
#include "platform/Dialog.h"
#include "platform/Scope.h"
#include "platform/Text.h"
#include "tools/mirel-scenario/Runner.h"

namespace mirel::test {

inline const char* const kProbe = "Hallo Welt 2.10";

class ProbingUser : public Agent {
  public:
    // `onPage` runs first on every page shown (placement and mapping checks).
    ProbingUser(Agent& script, std::function<void(Dialog&)> onPage)
        : m_script(script), m_onPage(std::move(onPage)) {}

    void PageShown(Dialog& page) override {
        if (m_onPage)
            m_onPage(page);
        Probe(page);
        m_script.PageShown(page);
    }
    void Step(Dialog& page) override { m_script.Step(page); }

    std::vector<std::string> failures;

  private:
    void Probe(Dialog& page) {
        const int focus = page.GetFocusItem();
        for (const ControlTemplate& c : page.Template().controls) {
            if (c.kind != ControlKind::Edit || c.id <= 0 || !page.IsOpen() || !page.IsItemVisible(c.id) ||
                !page.IsItemEnabled(c.id) || page.IsReadOnly(c.id))
                continue;
            // An edit that hands the focus on when clicked (an info box) takes no typing.
            page.UserClick(c.id);
            if (page.GetFocusItem() != c.id)
                continue;
            const std::string before = page.GetItemText(c.id);
            const int limit = page.GetWindow()->GetLimit(c.id);
            page.UserType(c.id, kProbe);
            const std::string expected =
                TypedText(kProbe, false, limit > 0 ? static_cast<std::size_t>(limit) : 0);
            const std::string where = std::string(page.ClassName()) + " " + std::to_string(c.id);
            if (page.GetItemText(c.id) != expected)
                failures.push_back(where + " shows \"" + page.GetItemText(c.id) + "\" for \"" + expected +
                                   "\"");
            page.UserType(c.id, before);
            if (page.GetItemText(c.id) != before)
                failures.push_back(where + " shows \"" + page.GetItemText(c.id) + "\" after retyping \"" +
                                   before + "\"");
        }
        if (page.IsOpen())
            page.UserFocus(focus);
    }

    Agent& m_script;
    std::function<void(Dialog&)> m_onPage;
};

struct RoadResult {
    std::string pages;                 // the "page" lines of the log
    std::string expectedPages;         // those of the expected log
    std::vector<std::string> failures; // probes that failed, saved files that differ
};

inline std::string PageLines(const std::string& log) {
    std::istringstream in(log);
    std::string out;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("page ", 0) == 0)
            out += line + "\n";
    return out;
}

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs `script` (a .scn of tests/scenarios) in a fresh temporary folder on `host`.
inline RoadResult RunRoad(const std::filesystem::path& script, Host& host,
                          const std::function<void(Dialog&)>& onPage = {}) {
    namespace fs = std::filesystem;
    RoadResult result;
    std::string dirTemplate = (fs::temp_directory_path() / "mirel-road.XXXXXX").string();
    const fs::path work = mkdtemp(dirTemplate.data());
    fs::path base = script;
    base.replace_extension();
    if (fs::is_directory(base.string() + ".in"))
        fs::copy(base.string() + ".in", work, fs::copy_options::recursive);
    const fs::path home = fs::current_path();
    fs::current_path(work);
    std::ostringstream log;
    {
        scenario::Runner runner(scenario::ParseScript(ReadAll(script)), log);
        ProbingUser user(runner, onPage);
        const PlatformScope scope(&host, &runner, &user);
        runner.Run();
        result.failures = user.failures;
    }
    fs::current_path(home);
    result.pages = PageLines(log.str());
    result.expectedPages = PageLines(ReadAll(base.string() + ".log"));
    if (fs::is_directory(base.string() + ".files"))
        for (const fs::directory_entry& e : fs::directory_iterator(base.string() + ".files"))
            if (ReadAll(e.path()) != ReadAll(work / e.path().filename()))
                result.failures.push_back("saved file differs: " + e.path().filename().string());
    fs::remove_all(work);
    return result;
}

// The end-to-end roads of every product and version.
inline std::vector<std::filesystem::path> Roads() {
    std::vector<std::filesystem::path> roads;
    for (const auto& e :
         std::filesystem::directory_iterator(std::filesystem::path(MIREL_SOURCE_DIR) / "tests/scenarios"))
        if (e.path().extension() == ".scn" && e.path().filename().string().rfind("e2e-", 0) == 0)
            roads.push_back(e.path());
    std::sort(roads.begin(), roads.end());
    return roads;
}

} // namespace mirel::test
