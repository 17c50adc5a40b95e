// The time to build and show each page: the page object is made on a prepared record (every
// typed field at its input limit, as BenchSupport.h fills it), its window built from the
// template, the page's show handling run, and the page ended by a user who leaves as soon as it
// is shown. Each page once on the Qt host (offscreen unless QT_QPA_PLATFORM says otherwise) and
// once on the headless host, which is the page's own work without any widgets.
//
// Two comparisons with plain Qt in the same run, medians over the iterations as counters:
// - Qt/Startup: the welcome page built and shown against a minimal QDialog with one button
//   (`ratio` = welcome page / minimal dialog).
// - Qt/ReportBox/AgainstBare/MiB: a file of 80-character lines appended on the report page and
//   shown, against a bare QPlainTextEdit of the box's size filled with the same text
//   (`ratio` = ours / bare). Qt/ReportBox/OneLine/64: a 64 MiB file that is one line against
//   one of 80-character lines, both appended on the page. Qt/ReportBox/ThreeAppends/10: the
//   third of three appends of a 10 MiB file against the first.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
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
#include "platform/Template.h"
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
    BoxFile(std::size_t size, bool singleLine)
        : m_dir((std::filesystem::temp_directory_path() / "mirel-bench.XXXXXX").string()) {
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

// Shows the report page and appends the file `appends` times, each shown; returns the time of
// each append and, in `shown`, the box's text after the first.
std::vector<double> AppendOnPage(bench::Session& session, const std::string& path, int appends,
                                 std::string* shown) {
    session.services.openAnswer = path;
    ReportRecord record = Records().at({0, 1});
    std::vector<double> times;
    session.Run<CReportDlg>(record, [&](Dialog& page) {
        for (int i = 0; i < appends; ++i) {
            const Clock::time_point start = Clock::now();
            page.UserClick(1209);
            QApplication::processEvents();
            times.push_back(Seconds(start));
            if (i == 0 && shown != nullptr)
                *shown = page.GetItemText(1207);
        }
    });
    return times;
}

enum class BoxCase { AgainstBare, OneLine, ThreeAppends };

// AgainstBare: a file of 80-character lines appended, against a bare QPlainTextEdit of the
// report box's size filled with the same text. OneLine: a file that is one line, against the
// same size in 80-character lines, both on the report page. ThreeAppends: the third of three
// appends of the same file against the first.
void ReportBox(benchmark::State& state, Host& host, BoxCase which) {
    const std::size_t size = static_cast<std::size_t>(state.range(0)) << 20;
    const BoxFile lines(size, false);
    const std::optional<BoxFile> oneLine =
        which == BoxCase::OneLine ? std::optional<BoxFile>(std::in_place, size, true) : std::nullopt;
    bench::Session session(host);
    std::vector<double> ours;
    std::vector<double> base;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop idiom
        switch (which) {
        case BoxCase::AgainstBare: {
            std::string shown;
            ours.push_back(AppendOnPage(session, lines.Path(), 1, &shown).front());
            const Clock::time_point start = Clock::now();
            {
                QPlainTextEdit edit;
                edit.setLineWrapMode(QPlainTextEdit::NoWrap);
                edit.resize(DluToPxX(345), DluToPxY(105));
                edit.show();
                edit.setPlainText(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
                QApplication::processEvents();
            }
            base.push_back(Seconds(start));
            break;
        }
        case BoxCase::OneLine:
            base.push_back(AppendOnPage(session, lines.Path(), 1, nullptr).front());
            ours.push_back(AppendOnPage(session, oneLine->Path(), 1, nullptr).front());
            break;
        case BoxCase::ThreeAppends: {
            const std::vector<double> times = AppendOnPage(session, lines.Path(), 3, nullptr);
            base.push_back(times.front());
            ours.push_back(times.back());
            break;
        }
        }
        state.SetIterationTime(ours.back());
    }
    if (session.services.messages != 0)
        state.SkipWithError(session.services.lastMessage.c_str());
    const char* const names[] = {"bare_ms", "lines_ms", "first_ms"};
    state.counters[names[static_cast<int>(which)]] = Median(base) * 1e3;
    state.counters["ours_ms"] = Median(ours) * 1e3;
    state.counters["ratio"] = Median(ours) / Median(base);
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
        BoxCase which;
        int mib;
    };
    const BoxRow boxes[] = {{"Qt/ReportBox/AgainstBare/10", BoxCase::AgainstBare, 10},
                            {"Qt/ReportBox/AgainstBare/64", BoxCase::AgainstBare, 64},
                            {"Qt/ReportBox/OneLine/64", BoxCase::OneLine, 64},
                            {"Qt/ReportBox/ThreeAppends/10", BoxCase::ThreeAppends, 10}};
    for (const BoxRow& row : boxes) {
        benchmark::RegisterBenchmark(
            row.name, [qtHost, row](benchmark::State& state) { ReportBox(state, *qtHost, row.which); })
            ->Arg(row.mib)
            ->UseManualTime()
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
