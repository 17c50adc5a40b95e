// A quiet session for driving pages outside a test: services that show nothing, a user who acts
// once on a shown page and leaves, and the headless host. The benchmarks and the fuzz targets use it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "platform/Agent.h"
#include "platform/Dialog.h"
#include "platform/Scope.h"
#include "platform/Services.h"
#include "platform/headless/HeadlessHost.h"
#include "report/ReportRecord.h"

namespace mirel::bench {

// Services that show nothing: every message box is counted and answered with its harmless
// button, file dialogs are cancelled, the clock stands still.
class QuietServices final : public Services {
  public:
    MsgAnswer MessageBox(const std::string& caption, const std::string& text, MsgButtons buttons, MsgIcon,
                         int) override {
        ++messages;
        lastMessage = caption + ": " + text;
        return buttons == MsgButtons::Ok      ? MsgAnswer::Ok
               : buttons == MsgButtons::YesNo ? MsgAnswer::No
                                              : MsgAnswer::Cancel;
    }
    void Beep(BeepKind) override {}
    std::optional<std::string> SaveFileDialog(const std::string&, const std::string&,
                                              const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> OpenFileDialog(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool ShellOpen(const std::string&) override { return true; }
    LocalTime Now() override { return {}; }
    [[noreturn]] void ExitProcess(int code) override { throw ProcessExit{code}; }

    int messages = 0;
    std::string lastMessage;
};

// A user who acts once on the page that has just been shown (`act` may run the benchmark loop)
// and then leaves: a page still open afterwards is ended at once.
class OnceAgent final : public Agent {
  public:
    void PageShown(Dialog& page) override {
        if (act)
            act(page);
    }
    void Step(Dialog& page) override { page.EndDialog(kIdCancel); }

    std::function<void(Dialog&)> act;
};

// Installs the given host with quiet services and the once-acting user for its lifetime.
class Session {
  public:
    explicit Session(Host& host) : m_scope(&host, &services, &agent) {}

    // Shows a page of class Page on `record`, lets `act` work on it, and returns once it is closed.
    template <class Page> void Run(ReportRecord& record, std::function<void(Dialog&)> act) {
        agent.act = std::move(act);
        Page page(&record);
        page.DoModal();
        agent.act = nullptr;
    }

    QuietServices services;
    OnceAgent agent;

  private:
    PlatformScope m_scope; // last: installs the members above
};

class HeadlessSession : public Session {
  public:
    HeadlessSession() : Session(m_host) {}

  private:
    HeadlessHost m_host;
};

} // namespace mirel::bench
