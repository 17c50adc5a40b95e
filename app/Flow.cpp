#include "app/Flow.h"

#include <array>

#include "pages/BootExceptionDlg.h"
#include "pages/ContactDlg.h"
#include "pages/DosExceptionDlg.h"
#include "pages/HardwareDlg.h"
#include "pages/InfoEnvDlg.h"
#include "pages/PostCardDlg.h"
#include "pages/QuestionDlg.h"
#include "pages/TestStartDlg.h"
#include "pages/VersionTypeDlg.h"
#include "pages/VexometerStartDlg.h"
#include "pages/WinEnvDlg.h"
#include "report/ReportDlg.h"
#include "report/SendMailDlg.h"

namespace mirel {
namespace {

bool IsPostCard(const ReportRecord& r) {
    return r.m_nVersion >= 9 && r.m_nVersion <= 11;
}
bool Always(const ReportRecord&) {
    return true;
}
bool HasQuestionPage(const ReportRecord& r) {
    return !IsPostCard(r);
}
bool HasExceptionPage(const ReportRecord& r) {
    return r.m_nExceptionPage == 1 || r.m_nExceptionPage == 2;
}

Step ToEnd(const ReportRecord&) {
    return Step::End;
}
Step ToVersion(const ReportRecord&) {
    return Step::Version;
}
Step ToStart(const ReportRecord&) {
    return Step::Start;
}
Step ToQuestion(const ReportRecord&) {
    return Step::Question;
}
Step ToHardware(const ReportRecord&) {
    return Step::Hardware;
}
Step ToContact(const ReportRecord&) {
    return Step::Contact;
}
Step BackFromHardware(const ReportRecord& r) {
    if (r.m_nExceptionPage != 0)
        return Step::Exception;
    return IsPostCard(r) ? Step::Start : Step::Question;
}

// step, shown, back, next, clears m_bBack before the page
const std::array<FlowRow, 8> kFlow = {{
    {Step::Version, Always, ToEnd, Step::Start, true},
    {Step::Start, Always, ToVersion, Step::Question, true},
    {Step::Question, HasQuestionPage, ToStart, Step::Exception, false},
    {Step::Exception, HasExceptionPage, ToQuestion, Step::Hardware, true},
    {Step::Hardware, Always, BackFromHardware, Step::Contact, true},
    {Step::Contact, Always, ToHardware, Step::Report, true},
    {Step::Report, Always, ToContact, Step::Mail, true},
    {Step::Mail, Always, ToEnd, Step::End, false},
}};

std::unique_ptr<Dialog> CreateStartPage(ReportRecord& r) {
    const int v = r.m_nVersion;
    if (v >= 4 && v <= 5)
        return std::make_unique<CInfoEnvDlg>(&r);
    if (v >= 6 && v <= 8)
        return std::make_unique<CWinEnvDlg>(&r);
    if (v >= 9 && v <= 11)
        return std::make_unique<CPostCardDlg>(&r);
    if (v >= 12 && v <= 13)
        return std::make_unique<CVexometerStartDlg>(&r);
    return std::make_unique<CTestStartDlg>(&r);
}

} // namespace

const FlowRow& FlowRowOf(Step step) {
    return kFlow.at(static_cast<std::size_t>(step));
}

std::unique_ptr<Dialog> CreatePage(Step step, ReportRecord& r) {
    switch (step) {
    case Step::Version:
        return std::make_unique<CVersionTypeDlg>(&r);
    case Step::Start:
        return CreateStartPage(r);
    case Step::Question:
        return std::make_unique<CQuestionDlg>(&r);
    case Step::Exception:
        if (r.m_nExceptionPage == 2)
            return std::make_unique<CDosExceptionDlg>(&r);
        return std::make_unique<CBootExceptionDlg>(&r);
    case Step::Hardware:
        return std::make_unique<CHardwareDlg>(&r);
    case Step::Contact:
        return std::make_unique<CContactDlg>(&r);
    case Step::Report:
        return std::make_unique<CReportDlg>(&r);
    case Step::Mail:
        return std::make_unique<CSendMailDlg>(&r);
    case Step::End:
        break;
    }
    return nullptr;
}

void RunFlow(ReportRecord& record, const PageFactory& factory) {
    Step step = Step::Version;
    while (step != Step::End) {
        const FlowRow& row = FlowRowOf(step);
        if (!row.shown(record)) {
            step = row.next;
            continue;
        }
        if (row.clearsBack)
            record.m_bBack = 0;
        {
            std::unique_ptr<Dialog> page = factory(step, record);
            page->DoModal();
        }
        if (record.m_bQuit != 0)
            return;
        step = record.m_bBack != 0 ? row.back(record) : row.next;
    }
}

} // namespace mirel
