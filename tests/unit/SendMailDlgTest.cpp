// The final page: the subject line of each kind of product, the mail hand-off, the keys that do
// and do not end the program; and the percent-encoding of the mailto: URL.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
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
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"AZaz09-._~", "AZaz09-._~"},
        {"a b", "a%20b"},
        {"[Mirel] #4711; A&B=C?D+E%F/G:H@I", "%5BMirel%5D%20%234711%3B%20A%26B%3DC%3FD%2BE%25F%2FG%3AH%40I"},
        {"Müller", "M%C3%BCller"},
        {"€", "%E2%82%AC"},
        {"\r\n\t\"'<>", "%0D%0A%09%22%27%3C%3E"},
        {"\x7F", "%7F"},
    };
    for (const auto& [text, encoded] : cases)
        EXPECT_EQ(PercentEncode(text), encoded) << text;
    EXPECT_EQ(MailUrl("s@x.example", "a&b", "c d"), "mailto:s@x.example?subject=a%26b&body=c%20d");
}

// The subject of each kind of product; the whole URL of every product is checked by the
// scenario scripts.
TEST(FinalPage, SubjectAndMailForEveryProduct) {
    const std::vector<std::tuple<int, std::string, std::string>> cases = {
        {0, "", "[Mirel] Q*Test - Vollversion 7.1; #; Müller & Söhne"},
        {3, "4711", "[Mirel] Q*Test - Händlertestversion 7.1; #4711; Müller & Söhne"},
        {5, "", "[Mirel] Q*Info - Demoversion 3.0; #; Müller & Söhne"},
        {7, "", "[Mirel] Q*Win - Personal Edition 2.5; #; Müller & Söhne"},
        {10, "", "[Mirel] Q*Board - Lumicard plus ; #; Müller & Söhne"},
        {11, "", "[Mirel] Q*Board - PostProbe ; #; Müller & Söhne"},
        {12, "", "[Mirel] Vexometer - Vollversion 7.1; #; Müller & Söhne"},
    };
    for (const auto& [version, customerNo, subject] : cases) {
        ReportRecord r;
        ResetForRun(r);
        r.m_nVersion = version;
        r.m_strCustomerNo = customerNo;
        r.m_strCompany = "Müller & Söhne";
        r.m_strTestVersion = "7.1";
        r.m_strInfoVersion = "3.0";
        r.m_strWinVersion = "2.5";
        r.m_strOtherCard = "PostProbe";
        BuildReport(r, LocalTime{});
        CSendMailDlg page(&r);
        const test::ScriptResult out = test::RunPage(page, "show 1226\nclick 1235\nclick 1016\n");
        EXPECT_EQ(out.log,
                  "page CSendMailDlg\ncontrol 1226 text=" + Quote(subject) +
                      " visible=1 enabled=1 readonly=1\nshell-open " +
                      Quote("mailto:support@varenta.example?subject=" + PercentEncode(subject) +
                            "&body=Bitte%20vergessen%20Sie%20nicht%20den%20Report%20anzuf%C3%BCgen.") +
                      "\n")
            << subject;
        EXPECT_EQ(r.m_bQuit, 1) << subject;
    }
}

TEST(FinalPage, EscapeDoesNothingAndEnterInTheInfoBoxFinishes) {
    for (const auto& [script, log, quit] :
         {std::tuple{"key escape\n", "page CSendMailDlg\nend\n", 0},
          std::tuple{"focus 1171\nkey enter\n", "page CSendMailDlg\n", 1}}) {
        ReportRecord r;
        CSendMailDlg page(&r);
        EXPECT_EQ(test::RunPage(page, script).log, log) << script;
        EXPECT_EQ(r.m_bQuit, quit) << script;
    }
}

} // namespace
} // namespace mirel
