// The percent-encoding of the mail hand-off for the characters that no subject of the scenario
// scripts holds, and the final page when the desktop has no mail program; the usual runs of the
// final page are checked by the scenario scripts.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/Scope.h"
#include "platform/headless/HeadlessHost.h"
#include "report/MailUrl.h"
#include "report/SendMailDlg.h"
#include "tests/unit/PageTestSupport.h"
#include "tools/mirel-scenario/Runner.h"

namespace mirel {
namespace {

using scenario::Quote;

TEST(MailUrl, PercentEncoding) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"AZaz09-._~", "AZaz09-._~"},
        {"?=+%:@'", "%3F%3D%2B%25%3A%40%27"},
        {"€\r\n\t\"<>\x7F", "%E2%82%AC%0D%0A%09%22%3C%3E%7F"},
    };
    for (const auto& [text, encoded] : cases)
        EXPECT_EQ(PercentEncode(text), encoded) << text;
}

// A scripted user on a desktop whose URL handler takes (or refuses) every URL.
class DesktopRunner : public scenario::Runner {
  public:
    DesktopRunner(const std::string& script, std::ostream& log, bool mailProgram)
        : Runner(scenario::ParseScript(script), log), m_mailProgram(mailProgram) {}
    bool ShellOpen(const std::string& url) override {
        Runner::ShellOpen(url);
        return m_mailProgram;
    }

  private:
    bool m_mailProgram;
};

struct MailRun {
    std::string log;
    CSendMailDlg* page; // valid only inside the callback
};

// Shows the final page for `record`, runs `script` on it and hands the outcome to `check` while
// the page still exists.
template <class Check>
void RunFinalPage(ReportRecord& record, bool mailProgram, const std::string& script, Check check) {
    HeadlessHost host;
    std::ostringstream log;
    DesktopRunner runner(script, log, mailProgram);
    const PlatformScope scope(&host, &runner, &runner);
    CSendMailDlg page(&record);
    EXPECT_EQ(runner.RunPage(page), 0) << script;
    check(MailRun{log.str(), &page});
}

std::string NoMailMessage(const std::string& subject) {
    return "beep information\nmessage \"E-Mail verschicken\" " +
           Quote("Es konnte kein E-Mail-Programm gestartet werden.\n\nBitte schreiben Sie die E-Mail "
                 "selbst an:\nsupport@varenta.example\n\nmit dem Betreff:\n" +
                 subject +
                 "\n\nFügen Sie der E-Mail bitte den Report an. Adresse und Betreff können Sie aus den "
                 "Feldern dieser Seite kopieren.") +
           " ok information -> ok\n";
}

TEST(SendMailDlg, WithoutAMailProgramTheMessageGivesAddressAndSubjectForWritingByHand) {
    struct Case {
        const char* product;
        const char* versionNo;
        const char* customerNo;
        const char* company;
        bool mailProgram;
        int clicks;
        const char* subject; // as the box and the message show it
    };
    const std::vector<Case> cases = {
        // A desktop that takes the URL: no message, the focus stays on the button.
        {"Quorix*Test - Vollversion", "2.10", "K-4711", "Müller & Söhne", true, 1,
         "[Mirel] Q*Test - Vollversion 2.10; #K-4711; Müller & Söhne"},
        {"Quorix*Test - Vollversion", "2.10", "K-4711", "Müller & Söhne", false, 1,
         "[Mirel] Q*Test - Vollversion 2.10; #K-4711; Müller & Söhne"},
        // Markup and percent signs reach the message as they were typed.
        {"Vexometer - Demoversion", "", "", "<b>A&B</b> 100%", false, 1,
         "[Mirel] Vexometer - Demoversion ; #; <b>A&B</b> 100%"},
        // Every click tries the desktop again and, failing, tells again.
        {"Quorix*Board - Lumicard PCI", "", "7", "X", false, 2, "[Mirel] Q*Board - Lumicard PCI ; #7; X"},
    };
    for (const Case& c : cases) {
        ReportRecord r = test::Prepared(0);
        r.m_strProductName = c.product;
        r.m_strVersionNo = c.versionNo;
        r.m_strCustomerNo = c.customerNo;
        r.m_strCompany = c.company;
        std::string script = "focus 1235\n";
        std::string expected = "page CSendMailDlg\n";
        const std::string open = "shell-open " + Quote(MailUrl(kSupportAddress, c.subject, kMailBody)) + "\n";
        for (int i = 0; i < c.clicks; ++i) {
            script += c.mailProgram ? "click 1235\n" : "click 1235\nanswer ok\n";
            expected += open + (c.mailProgram ? "" : NoMailMessage(c.subject));
        }
        RunFinalPage(r, c.mailProgram, script, [&](const MailRun& run) {
            EXPECT_EQ(run.log, expected + "end\n") << c.company;
            // The subject box keeps the line to copy: unchanged, enabled, read-only, and it has
            // the focus after the message.
            EXPECT_EQ(run.page->GetItemText(1226), c.subject) << c.company;
            EXPECT_TRUE(run.page->IsItemEnabled(1226) && run.page->IsReadOnly(1226)) << c.company;
            EXPECT_EQ(run.page->GetFocusItem(), c.mailProgram ? 1235 : 1226) << c.company;
        });
    }
}

} // namespace
} // namespace mirel
