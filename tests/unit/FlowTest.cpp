// The page order of the wizard: every row of the flow table, Back and Quit from every step,
// the POST card versions without question page, and the exception page choice.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Flow.h"
#include "pages/common/PageDlg.h"
#include "platform/Agent.h"
#include "platform/Scope.h"
#include "platform/headless/HeadlessHost.h"
#include "tests/unit/Harness.h"

namespace mirel {
namespace {

// A stand-in page named by the letter of its step.
class FakePage : public CPageDlg {
  public:
    FakePage(ReportRecord* r, Step step) : CPageDlg(138, r), m_name(1, "VSQEHCRM"[static_cast<int>(step)]) {}
    const char* ClassName() const override { return m_name.c_str(); }
    std::string m_name;
};

// Notes each page shown ('*' when the Back flag is still set) and leaves it as the plan says:
// 'n' Next, 'b' Back, 'q' Quit, a digit sets the exception page to it and goes on. After the
// plan it quits.
class PlanAgent : public Agent {
  public:
    PlanAgent(std::string plan, ReportRecord* record) : m_plan(std::move(plan)), m_record(record) {}
    void PageShown(Dialog& page) override {
        m_visits += page.ClassName();
        m_visits += m_record->m_bBack != 0 ? "* " : " ";
    }
    void Step(Dialog& page) override {
        const char action = m_pos < m_plan.size() ? m_plan[m_pos++] : 'q';
        if (action >= '0' && action <= '9')
            m_record->m_nExceptionPage = action - '0';
        m_record->m_bBack = action == 'b' ? 1 : 0;
        m_record->m_bQuit = action == 'q' ? 1 : 0;
        page.EndDialog(kIdOk);
    }
    std::string m_plan;
    ReportRecord* m_record;
    std::size_t m_pos = 0;
    std::string m_visits;
};

std::string Walk(int version, const std::string& plan) {
    ReportRecord record;
    ResetForRun(record);
    record.m_nVersion = version;
    HeadlessHost host;
    PlanAgent agent(plan, &record);
    {
        const PlatformScope scope(&host, nullptr, &agent);
        RunFlow(record, [](Step s, ReportRecord& r) { return std::make_unique<FakePage>(&r, s); });
    }
    return agent.m_visits;
}

TEST(Flow, PagesInOrderForEveryKindOfVersion) {
    struct Case {
        int version;
        std::string plan;
        std::string visits;
    };
    const std::vector<Case> cases = {
        {0, "nnnnnnnn", "V S Q H C R M "},   // test product, no exception page
        {0, "nn1nnnnn", "V S Q E H C R M "}, // exception page 1
        {1, "nn2nnnnn", "V S Q E H C R M "}, // exception page 2
        {4, "nnnnnnn", "V S Q H C R M "},    // info product
        {7, "nnnnnnn", "V S Q H C R M "},    // Windows product
        {9, "nnnnnn", "V S H C R M "},       // POST card: no question page
        {11, "nnnnnn", "V S H C R M "},      //
        {12, "nnnnnnn", "V S Q H C R M "},   // Vexometer product
        {0, "nbnnb", "V S V S Q S "},        // Back from S and Q
        {0, "nnnbnnbbbnnnnn", "V S Q H Q* H C H Q* S Q H C R M "},
        {10, "nnbnn", "V S H S H C "},               // POST card: Back from H to S
        {0, "nn1bbn2nb", "V S Q E Q* S Q E H E "},   // Back from E to Q and from H to E
        {0, "nnnnnbbnnn", "V S Q H C R C H C R M "}, // Back from R and C
        {6, "nnnnnnb", "V S Q H C R M "},            // the final page ends whatever it did
    };
    for (const Case& c : cases)
        EXPECT_EQ(Walk(c.version, c.plan), c.visits) << "version " << c.version << " plan " << c.plan;
}

TEST(Flow, QuitEndsAtEveryStep) {
    const std::string all = "V S Q E H C R M ";
    for (std::size_t n = 0; n < 8; ++n) {
        const std::string plan = n < 3 ? std::string(n, 'n') + "q" : "nn2" + std::string(n - 3, 'n') + "q";
        EXPECT_EQ(Walk(0, plan), all.substr(0, 2 * (n + 1))) << plan;
    }
}

TEST(Flow, WelcomePageStartsTheWizardOnAPictureOnly) {
    // Return and Escape do nothing before a product was chosen; Abbrechen and the close box end.
    EXPECT_EQ(test::RunProgram("close\n").log, "page CWelcomeDlg\nexit 0\n");
    EXPECT_EQ(
        test::RunProgram("key enter\nkey escape\nshow 1016\nshow 1244\nclick 1015\n").log,
        "page CWelcomeDlg\n"
        "control 1016 text=\"Beginnen >>\" visible=0 enabled=1\n"
        "control 1244 text=\"Dieses Programm unterstützt Sie bei der Erstellung von technischen Reports "
        "für die unten aufgeführten Produkte.\" visible=1 enabled=1\n"
        "exit 0\n");
}

} // namespace
} // namespace mirel
