// The final page: the subject line for every product, the mailto: URL handed to the desktop,
// the boxes to copy from, and the ways the page ends the program; and the percent-encoding.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "report/BuildReport.h"
#include "report/MailUrl.h"
#include "report/SendMailDlg.h"
#include "tests/unit/Harness.h"
#include "tools/mirel-scenario/Script.h"

namespace mirel {
namespace {

using scenario::Quote;

TEST(MailUrl, PercentEncoding) {
    struct Case {
        std::string text;
        std::string encoded;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"AZaz09-._~", "AZaz09-._~"},
        {"a b", "a%20b"},
        {"[Mirel] #4711; A&B=C?D+E%F/G:H@I", "%5BMirel%5D%20%234711%3B%20A%26B%3DC%3FD%2BE%25F%2FG%3AH%40I"},
        {"Müller", "M%C3%BCller"},
        {"€", "%E2%82%AC"},
        {"\r\n\t\"'<>", "%0D%0A%09%22%27%3C%3E"},
        {"\x7F", "%7F"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PercentEncode(c.text), c.encoded) << c.text;
    EXPECT_EQ(MailUrl("s@x.example", "a&b", "c d"), "mailto:s@x.example?subject=a%26b&body=c%20d");
}

const std::string kBody = "&body=Bitte%20vergessen%20Sie%20nicht%20den%20Report%20anzuf%C3%BCgen.";

struct Case {
    const char* what;
    int version;
    std::function<void(ReportRecord&)> setup;
    std::string subject;
    std::string encodedSubject;
};

TEST(FinalPage, SubjectAndMailForEveryProduct) {
    const std::vector<Case> cases = {
        {"test product, full version, no customer number", 0, [](ReportRecord&) {},
         "[Mirel] Q*Test - Vollversion 7.1; #; Müller & Söhne",
         "%5BMirel%5D%20Q%2ATest%20-%20Vollversion%207.1%3B%20%23%3B%20M%C3%BCller%20%26%20S%C3%B6hne"},
        {"test product with a customer number", 3, [](ReportRecord& r) { r.m_strCustomerNo = "4711"; },
         "[Mirel] Q*Test - Händlertestversion 7.1; #4711; Müller & Söhne",
         "%5BMirel%5D%20Q%2ATest%20-%20H%C3%A4ndlertestversion%207.1%3B%20%234711%3B%20M%C3%BCller%20%26%20S%"
         "C3%B6hne"},
        {"info product", 5, [](ReportRecord& r) { r.m_nInfoStartEnv = 1; },
         "[Mirel] Q*Info - Demoversion 3.0; #; Müller & Söhne",
         "%5BMirel%5D%20Q%2AInfo%20-%20Demoversion%203.0%3B%20%23%3B%20M%C3%BCller%20%26%20S%C3%B6hne"},
        {"Windows product", 7, [](ReportRecord&) {},
         "[Mirel] Q*Win - Personal Edition 2.5; #; Müller & Söhne",
         "%5BMirel%5D%20Q%2AWin%20-%20Personal%20Edition%202.5%3B%20%23%3B%20M%C3%BCller%20%26%20S%C3%B6hne"},
        {"POST card: no version number, one blank", 10, [](ReportRecord&) {},
         "[Mirel] Q*Board - Lumicard plus ; #; Müller & Söhne",
         "%5BMirel%5D%20Q%2ABoard%20-%20Lumicard%20plus%20%3B%20%23%3B%20M%C3%BCller%20%26%20S%C3%B6hne"},
        {"another maker's card", 11, [](ReportRecord& r) { r.m_strOtherCard = "PostProbe"; },
         "[Mirel] Q*Board - PostProbe ; #; Müller & Söhne",
         "%5BMirel%5D%20Q%2ABoard%20-%20PostProbe%20%3B%20%23%3B%20M%C3%BCller%20%26%20S%C3%B6hne"},
        {"Vexometer keeps its full name", 12, [](ReportRecord&) {},
         "[Mirel] Vexometer - Vollversion 7.1; #; Müller & Söhne",
         "%5BMirel%5D%20Vexometer%20-%20Vollversion%207.1%3B%20%23%3B%20M%C3%BCller%20%26%20S%C3%B6hne"},
    };
    for (const Case& c : cases) {
        ReportRecord r;
        ResetForRun(r);
        r.m_strTitle = "Varenta Support Bericht - Version 1.22+";
        r.m_strCompany = "Müller & Söhne";
        r.m_strTestVersion = "7.1";
        r.m_strInfoVersion = "3.0";
        r.m_strWinVersion = "2.5";
        r.m_nVersion = c.version;
        c.setup(r);
        BuildReport(r, LocalTime{});
        CSendMailDlg page(&r);
        const test::ScriptResult out =
            test::RunPage(page, "caption\nshow 1226\nshow 1231\nclick 1235\nclick 1235\nclick 1016\n");
        const std::string url = "mailto:support@varenta.example?subject=" + c.encodedSubject + kBody;
        EXPECT_EQ(
            out.log,
            "page CSendMailDlg\ncaption \"Varenta Support Bericht - Version 1.22+\"\ncontrol 1226 text=" +
                Quote(c.subject) +
                " visible=1 enabled=1 readonly=1\n"
                "control 1231 text=\"support@varenta.example\" visible=1 enabled=1 readonly=1\n"
                "shell-open " +
                Quote(url) + "\nshell-open " + Quote(url) + "\n")
            << c.what;
        EXPECT_EQ(r.m_bQuit, 1) << c.what;
    }
}

TEST(FinalPage, TheCloseBoxFinishesWithoutAskingEscapeDoesNothing) {
    struct Ending {
        const char* script;
        const char* log;
        int quit;
    };
    const std::vector<Ending> endings = {
        {"close\n", "page CSendMailDlg\n", 1},
        {"key escape\n", "page CSendMailDlg\nend\n", 0},
        {"focus 1171\nkey enter\n", "page CSendMailDlg\n", 1}, // the info box hands the focus to Finish
    };
    for (const Ending& e : endings) {
        ReportRecord r;
        CSendMailDlg page(&r);
        const test::ScriptResult out = test::RunPage(page, e.script);
        EXPECT_EQ(out.log, e.log) << e.script;
        EXPECT_EQ(r.m_bQuit, e.quit) << e.script;
    }
}

} // namespace
} // namespace mirel
