// Runs scripted user sessions in-process on the headless host, for page and flow tests.
#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "platform/Dialog.h"
#include "platform/Scope.h"
#include "platform/headless/HeadlessHost.h"
#include "tools/mirel-scenario/Runner.h"

namespace mirel::test {

struct ScriptResult {
    std::string log;
    int status = 0;
};

// Installs the headless host and a scripted user for the lifetime of the object.
class Session {
  public:
    explicit Session(std::string_view script)
        : m_runner(scenario::ParseScript(script), m_log), m_scope(&m_host, &m_runner, &m_runner) {}

    ScriptResult RunProgram() {
        const int status = m_runner.Run();
        return {m_log.str(), status};
    }
    ScriptResult RunPage(Dialog& page) {
        const int status = m_runner.RunPage(page);
        return {m_log.str(), status};
    }

  private:
    std::ostringstream m_log;
    HeadlessHost m_host;
    scenario::Runner m_runner;
    PlatformScope m_scope;
};

// The whole program from the welcome page.
inline ScriptResult RunProgram(std::string_view script) {
    return Session(script).RunProgram();
}

// One page alone, built by the caller on its record.
inline ScriptResult RunPage(Dialog& page, std::string_view script) {
    return Session(script).RunPage(page);
}

} // namespace mirel::test
