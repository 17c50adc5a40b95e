// The page order of the wizard: every row of the flow table, Back and Quit from every step,
// the POST card versions without question page, and the exception page choice.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Flow.h"
#include "platform/Agent.h"
#include "platform/headless/HeadlessHost.h"
#include "pages/common/PageDlg.h"
#include "tests/unit/Harness.h"

namespace mirel {
namespace {

const char* StepName(Step s) {
    static const char* const kNames[] = {"V", "S", "Q", "E", "H", "C", "R", "M", "End"};
    return kNames[static_cast<int>(s)];
}

// A stand-in page: records that it was shown and leaves as the plan for this visit says.
class FakePage : public CPageDlg {
public:
    FakePage(ReportRecord* r, Step step) : CPageDlg(138, r), m_step(step) {}
    const char* ClassName() const override { return StepName(m_step); }
    Step m_step;
};

// Acts on each fake page: 'n' Next, 'b' Back, 'q' Quit, 'x' sets the exception page to the
// digit that follows and goes on.
class PlanAgent : public Agent {
public:
    explicit PlanAgent(std::string plan) : m_plan(std::move(plan)) {}
    void PageShown(Dialog& page) override {
        auto& fake = static_cast<FakePage&>(page);
        m_visits += StepName(fake.m_step);
        m_visits += m_record->m_bBack != 0 ? "*" : "";
        m_visits += ' ';
    }
    void Step(Dialog& page) override {
        char action = m_pos < m_plan.size() ? m_plan[m_pos++] : 'q';
        if (action == 'x') {
            m_record->m_nExceptionPage = m_plan[m_pos++] - '0';
            action = 'n';
        }
        m_record->m_bBack = action == 'b' ? 1 : 0;
        m_record->m_bQuit = action == 'q' ? 1 : 0;
        page.EndDialog(kIdOk);
    }
    ReportRecord* m_record = nullptr;
    std::string m_plan;
    std::size_t m_pos = 0;
    std::string m_visits;
};

std::string Walk(int version, const std::string& plan) {
    HeadlessHost host;
    PlanAgent agent(plan);
    SetHost(&host);
    SetAgent(&agent);
    ReportRecord record;
    ResetForRun(record);
    record.m_nVersion = version;
    agent.m_record = &record;
    RunFlow(record, [](Step s, ReportRecord& r) { return std::make_unique<FakePage>(&r, s); });
    SetAgent(nullptr);
    SetHost(nullptr);
    return agent.m_visits;
}

TEST(Flow, PagesInOrderForEveryKindOfVersion) {
    // A '*' marks a page shown with the Back flag still set (only the question page sees it).
    struct Case {
        int version;
        std::string plan;
        std::string visits;
    };
    const std::vector<Case> cases = {
        {0, "nnnnnnnn", "V S Q H C R M "},             // test product, no exception page
        {0, "nnx1nnnnn", "V S Q E H C R M "},          // exception page 1
        {1, "nnx2nnnnn", "V S Q E H C R M "},          // exception page 2
        {4, "nnnnnnn", "V S Q H C R M "},              // info product
        {7, "nnnnnnn", "V S Q H C R M "},              // Windows product
        {9, "nnnnnn", "V S H C R M "},                 // POST card: no question page
        {11, "nnnnnn", "V S H C R M "},                //
        {12, "nnnnnnn", "V S Q H C R M "},             // Vexometer product
        {0, "nbnnb", "V S V S Q S "},                  // Back from S and Q
        {0, "nnnbnnbbbnnnnn", "V S Q H Q* H C H Q* S Q H C R M "},
        {10, "nnbnn", "V S H S H C "},                 // POST card: Back from H to S
        {0, "nnx1bbnx2nb", "V S Q E Q* S Q E H E "}, // Back from E to Q and from H to E
        {0, "nnnnnbbnnn", "V S Q H C R C H C R M "},   // Back from R and C
    };
    for (const Case& c : cases)
        EXPECT_EQ(Walk(c.version, c.plan), c.visits) << "version " << c.version << " plan " << c.plan;
}

TEST(Flow, QuitEndsAtEveryStep) {
    const std::vector<std::string> visits = {"V ", "V S ", "V S Q ", "V S Q E ", "V S Q E H ", "V S Q E H C ",
                                             "V S Q E H C R ", "V S Q E H C R M "};
    for (std::size_t n = 0; n < visits.size(); ++n) {
        std::string plan = n >= 3 ? std::string("nnx2") + std::string(n - 3, 'n') + "q" : std::string(n, 'n') + "q";
        EXPECT_EQ(Walk(0, plan), visits[n]) << plan;
    }
}

TEST(Flow, FinalPageEndsWhateverItDid) {
    EXPECT_EQ(Walk(6, "nnnnnnb"), "V S Q H C R M ");
    EXPECT_EQ(Walk(6, "nnnnnnn"), "V S Q H C R M ");
}

TEST(Flow, WelcomePageStartsTheWizardOnAPictureOnly) {
    // Return on the welcome page does nothing before a product was chosen; Abbrechen ends.
    EXPECT_EQ(test::RunProgram("key enter\nkey escape\nclick 1015\n").log,
              "page CWelcomeDlg\nexit 0\n");
    EXPECT_EQ(test::RunProgram("close\n").log, "page CWelcomeDlg\nexit 0\n");
    EXPECT_EQ(test::RunProgram("show 1016\nshow 1244\ncaption\n").log,
              "page CWelcomeDlg\n"
              "control 1016 text=\"Beginnen >>\" visible=0 enabled=1\n"
              "control 1244 text=\"Dieses Programm unterstützt Sie bei der Erstellung von technischen Reports "
              "für die unten aufgeführten Produkte.\" visible=1 enabled=1\n"
              "caption \"Varenta Support Bericht - Version 1.22+\"\n"
              "end\n");
}

} // namespace
} // namespace mirel
