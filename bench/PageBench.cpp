// The time to build and show each page: the page object is made on a prepared record (every
// typed field at its input limit, as BenchSupport.h fills it), its window built from the
// template, the page's show handling run, and the page ended by a user who leaves as soon as it
// is shown. Each page once on the Qt host (offscreen unless QT_QPA_PLATFORM says otherwise) and
// once on the headless host, which is the page's own work without any widgets.
//
// Two comparisons with plain Qt in the same run, medians over the iterations as counters:
// - Qt/Startup: the welcome page built and shown against a minimal QDialog with one button
//   (`ratio` = welcome page / minimal dialog).
// - Qt/ReportBox/SHAPE/MiB: a file appended on the report page and shown, against a bare
//   QPlainTextEdit of the same size filled with the same text (`ratio` = ours / bare);
//   SHAPE is lines of 80 characters or one single line. Qt/ReportBox/ThreeAppends/10 appends a
//   10 MiB file three times (`third_to_first`).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

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

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void Startup(benchmark::State& state, Host& host) {
    bench::Session session(host);
    std::vector<double> ours;
    std::vector<double> bare;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop idiom
        Clock::time_point start = Clock::now();
        {
            QDialog dialog;
            dialog.resize(320, 200);
            QPushButton button(QStringLiteral("Weiter"), &dialog);
            dialog.show();
            QApplication::processEvents();
        }
        bare.push_back(Seconds(start));
        start = Clock::now();
        {
            CWelcomeDlg page;
            page.DoModal();
            QApplication::processEvents();
        }
        ours.push_back(Seconds(start));
        state.SetIterationTime(ours.back());
    }
    state.counters["bare_ms"] = Median(bare) * 1e3;
    state.counters["ours_ms"] = Median(ours) * 1e3;
    state.counters["ratio"] = Median(ours) / Median(bare);
}

// A file in a private temporary folder: lines of 80 characters (umlauts included), or one line.
class BoxFile {
  public:
    BoxFile(std::size_t size, bool singleLine) {
        m_dir = (std::filesystem::temp_directory_path() / "mirel-bench.XXXXXX").string();
        if (::mkdtemp(m_dir.data()) == nullptr)
            std::abort();
        std::string text;
        const std::string line = "Laufwerk C: 512 GB, frei 128 GB, Pr\xFC"
                                 "fung ohne Fehler, Temperatur 41 \xB0"
                                 "C, alles in Ordnung......\n";
        while (text.size() < size)
            text += singleLine ? line.substr(0, line.size() - 1) + ' ' : line;
        text.resize(size);
        std::ofstream(Path(), std::ios::binary) << text;
    }
    ~BoxFile() { std::filesystem::remove_all(m_dir); }
    BoxFile(const BoxFile&) = delete;
    BoxFile& operator=(const BoxFile&) = delete;
    std::string Path() const { return m_dir + "/anhang.txt"; }

  private:
    std::string m_dir;
};

// `appends` appends of the file on the report page, each shown, and the bare widget filled
// with the text the box holds after the first.
void ReportBox(benchmark::State& state, Host& host, bool singleLine, int appends) {
    const std::size_t size = static_cast<std::size_t>(state.range(0)) << 20;
    const BoxFile file(size, singleLine);
    bench::Session session(host);
    session.services.openAnswer = file.Path();
    ReportRecord prepared = Records().at({0, 1});
    std::vector<double> first;
    std::vector<double> third;
    std::vector<double> bare;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop idiom
        ReportRecord record = prepared;
        std::string shown;
        QRect box;
        session.Run<CReportDlg>(record, [&](Dialog& page) {
            for (int i = 0; i < appends; ++i) {
                const Clock::time_point start = Clock::now();
                page.UserClick(1209);
                QApplication::processEvents();
                const double took = Seconds(start);
                if (i == 0)
                    first.push_back(took);
                else if (i == 2)
                    third.push_back(took);
                if (i == 0)
                    shown = page.GetItemText(1207);
            }
            const Rect r = page.GetWindowRect();
            box = QRect(0, 0, std::max(r.Width() - 20, 100), 170);
        });
        const Clock::time_point start = Clock::now();
        {
            QPlainTextEdit edit;
            edit.setLineWrapMode(QPlainTextEdit::NoWrap);
            edit.setGeometry(box);
            edit.show();
            edit.setPlainText(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
            QApplication::processEvents();
        }
        bare.push_back(Seconds(start));
        state.SetIterationTime(first.back());
    }
    if (session.services.messages != 0)
        state.SkipWithError(session.services.lastMessage.c_str());
    state.counters["bare_ms"] = Median(bare) * 1e3;
    state.counters["ours_ms"] = Median(first) * 1e3;
    state.counters["ratio"] = Median(first) / Median(bare);
    if (appends > 1)
        state.counters["third_to_first"] = Median(third) / Median(first);
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
    Host* qtHost = &environment->GetHost();
    benchmark::RegisterBenchmark("Qt/Startup", [qtHost](benchmark::State& state) { Startup(state, *qtHost); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    struct BoxRow {
        const char* name;
        bool singleLine;
        int appends;
        std::vector<int> sizes;
    };
    const BoxRow boxes[] = {{"Qt/ReportBox/Lines/", false, 1, {10, 64}},
                            {"Qt/ReportBox/OneLine/", true, 1, {64}},
                            {"Qt/ReportBox/ThreeAppends/", false, 3, {10}}};
    for (const BoxRow& row : boxes) {
        for (const int mib : row.sizes) {
            benchmark::RegisterBenchmark((row.name + std::to_string(mib)).c_str(),
                                         [qtHost, row](benchmark::State& state) {
                                             ReportBox(state, *qtHost, row.singleLine, row.appends);
                                         })
                ->Arg(mib)
                ->UseManualTime()
                ->Iterations(3)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
