// The time to build and show each page: the page object is made on a prepared record (every
// typed field at its input limit, as BenchSupport.h fills it), its window built from the
// template, the page's show handling run, and the page ended by a user who leaves as soon as it
// is shown. Each page once on the Qt host (offscreen unless QT_QPA_PLATFORM says otherwise) and
// once on the headless host, which is the page's own work without any widgets.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QString>
#include <QtGlobal>

#include "app/WelcomeDlg.h"
#include "bench/BenchSupport.h"
#include "pages/ContactDlg.h"
#include "pages/InfoEnvDlg.h"
#include "pages/TestStartDlg.h"
#include "pages/VersionTypeDlg.h"
#include "pages/VexometerStartDlg.h"
#include "pages/WinEnvDlg.h"
#include "platform/qt/QtHost.h"
#include "report/ReportDlg.h"
#include "report/SendMailDlg.h"

namespace {

using namespace mirel;

using MakePage = std::function<std::unique_ptr<Dialog>(ReportRecord*)>;

template <class Page> MakePage Make() {
    return [](ReportRecord* r) { return std::make_unique<Page>(r); };
}

struct PageCase {
    const char* name;
    int version; // record the page is shown on
    bool back;   // the page is shown coming back from a later page
    MakePage make;
    bool scaled = false; // also with the record's texts 10 and 100 times as long
};

// The pages in the order the wizard shows them.
const PageCase kPages[] = {
    {"CWelcomeDlg", 0, false, [](ReportRecord*) { return std::make_unique<CWelcomeDlg>(); }},
    {"CVersionTypeDlg", 0, false, Make<CVersionTypeDlg>()},
    {"CTestStartDlg", 0, false, Make<CTestStartDlg>()},
    {"CVexometerStartDlg", 12, false, Make<CVexometerStartDlg>()},
    {"CInfoEnvDlg", 4, false, Make<CInfoEnvDlg>()},
    {"CWinEnvDlg", 6, false, Make<CWinEnvDlg>()},
    {"CPostCardDlg", 11, false, Make<CPostCardDlg>(), true},
    {"CQuestionDlg", 0, true, Make<CQuestionDlg>(), true},
    {"CBootExceptionDlg", 0, false, Make<CBootExceptionDlg>()},
    {"CDosExceptionDlg", 0, false, Make<CDosExceptionDlg>()},
    {"CHardwareDlg", 0, false, Make<CHardwareDlg>()},
    {"CContactDlg", 0, false, Make<CContactDlg>()},
    {"CReportDlg", 0, false, Make<CReportDlg>(), true},
    {"CSendMailDlg", 0, false, Make<CSendMailDlg>()},
};

// Prepared records by version and by how many times their texts are repeated.
std::map<std::pair<int, int>, ReportRecord>& Records() {
    static std::map<std::pair<int, int>, ReportRecord> records;
    return records;
}

void ShowPage(benchmark::State& state, Host& host, const PageCase& c, int times) {
    ReportRecord prepared = Records().at({c.version, times});
    prepared.m_bBack = c.back ? 1 : 0;
    bench::Session session(host);
    try {
        for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop idiom
            state.PauseTiming();
            ReportRecord record = prepared;
            state.ResumeTiming();
            const std::unique_ptr<Dialog> page = c.make(&record);
            page->DoModal();
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
    if (session.services.messages != 0)
        state.SkipWithError(session.services.lastMessage.c_str());
}

// The offscreen platform cannot raise a window and says so on every page shown; every other
// message goes on to Qt's own handler.
QtMessageHandler g_qtHandler = nullptr;
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support raise()")))
        return;
    if (g_qtHandler != nullptr)
        g_qtHandler(type, context, message);
}

} // namespace

// NOLINTNEXTLINE(bugprone-exception-escape): a benchmark run that throws should end with the exception
int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const std::unique_ptr<qt::QtEnvironment> environment = qt::CreateEnvironment(argc, argv);
    g_qtHandler = qInstallMessageHandler(QuietMessages);
    HeadlessHost headless;
    std::vector<std::pair<const PageCase*, int>> runs;
    {
        bench::HeadlessSession session;
        for (const PageCase& c : kPages) {
            for (const int times : {1, 10, 100}) {
                if (times > 1 && !c.scaled)
                    break;
                runs.emplace_back(&c, times);
                if (Records().contains({c.version, times}))
                    continue;
                ReportRecord record = bench::FullRecord(session, c.version);
                bench::ScaleTexts(record, static_cast<std::size_t>(times));
                Records().emplace(std::make_pair(c.version, times), std::move(record));
            }
        }
    }
    struct HostRow {
        const char* name;
        Host& host;
    };
    const HostRow hosts[] = {{"Qt/", environment->GetHost()}, {"Headless/", headless}};
    for (const HostRow& h : hosts) {
        for (const auto& [c, times] : runs) {
            std::string name = std::string(h.name) + c->name;
            if (c->scaled)
                name += "/times:" + std::to_string(times);
            Host* host = &h.host;
            benchmark::RegisterBenchmark(name.c_str(), [c = c, times = times, host](benchmark::State& state) {
                ShowPage(state, *host, *c, times);
            })->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
