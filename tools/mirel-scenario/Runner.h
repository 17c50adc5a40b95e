// Runs a scenario script against the wizard: the runner is the user (an Agent that acts on
// the current page) and the system (Services that answer message boxes and file dialogs from
// the script and print every event to the log).
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Agent.h"
#include "platform/Services.h"
#include "tools/mirel-scenario/Script.h"

namespace mirel::scenario {

// Thrown when the runner stops: at `end` (status 0) or at `error` (status 2).
struct Stop {
    int status = 0;
};

class Runner : public Agent, public Services {
  public:
    Runner(std::vector<Directive> script, std::ostream& log);

    // Runs the whole program with the installed host; returns the runner's exit status.
    int Run();
    // Runs one page alone (tests); returns the status as Run does, 0 when the page ended.
    int RunPage(Dialog& page);

    // Agent
    void PageShown(Dialog& page) override;
    void Step(Dialog& page) override;

    // Services
    MsgAnswer MessageBox(const std::string& caption, const std::string& text, MsgButtons buttons,
                         MsgIcon icon, int defaultButton) override;
    void Beep(BeepKind kind) override;
    std::optional<std::string> SaveFileDialog(const std::string& filter, const std::string& defaultExt,
                                              const std::string& proposedName) override;
    std::optional<std::string> OpenFileDialog(const std::string& filter,
                                              const std::string& defaultExt) override;
    bool ShellOpen(const std::string& url) override;
    LocalTime Now() override { return m_clock; }
    [[noreturn]] void ExitProcess(int code) override;

  private:
    // Clock settings at the very start hold before the first page opens.
    void ApplyLeadingClock();
    // The next directive that is not a clock setting; nullptr when the script has run out.
    const Directive* Next();
    // The directive answering `what`; an error when the script holds something else.
    const Directive& NextAnswer(const char* verb, const char* what);
    [[noreturn]] void Error(const Directive& d, const std::string& what);
    [[noreturn]] void End();
    // Prints "ignored VERB ID (why)" and returns true when the control cannot take the action.
    bool Ignored(Dialog& page, const Directive& d, bool checkReadOnly);
    void ShowControl(Dialog& page, const Directive& d);
    void PressKey(Dialog& page, const std::string& name);

    std::vector<Directive> m_script;
    std::size_t m_next = 0;
    std::ostream& m_log;
    LocalTime m_clock;
};

} // namespace mirel::scenario
