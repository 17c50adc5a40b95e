// Building the report text from a record with every typed field at its input limit, for one
// version of each product, and from the same record with every text repeated 10 and 100 times
// to see that the time grows with the text and no faster.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <exception>
#include <map>
#include <string>

#include "bench/BenchSupport.h"
#include "report/BuildReport.h"

namespace {

using namespace mirel;

const ReportRecord& Prepared(int version) {
    static std::map<int, ReportRecord> records;
    auto it = records.find(version);
    if (it == records.end()) {
        bench::HeadlessSession session;
        it = records.emplace(version, bench::FullRecord(session, version)).first;
    }
    return it->second;
}

// A report text must end every line with exactly one CR LF.
bool LineEndsSound(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))
            return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return false;
    }
    return true;
}

void Measure(benchmark::State& state, ReportRecord record) {
    const LocalTime now;
    std::string text = BuildReport(record, now);
    if (!LineEndsSound(text) || BuildReport(record, now) != text) {
        state.SkipWithError("the report text has broken line ends or changes when built again");
        return;
    }
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop idiom
        text = BuildReport(record, now);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["report_bytes"] = static_cast<double>(text.size());
    state.counters["per_byte"] =
        benchmark::Counter(static_cast<double>(text.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_BuildReport(benchmark::State& state) {
    const int version = static_cast<int>(state.range(0));
    try {
        Measure(state, Prepared(version));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}
// One version of each product: test, info, Windows, POST card of another maker, Vexometer.
BENCHMARK(BM_BuildReport)
    ->ArgName("version")
    ->Arg(0)
    ->Arg(4)
    ->Arg(6)
    ->Arg(11)
    ->Arg(12)
    ->Unit(benchmark::kMicrosecond);

void BM_BuildReportScaled(benchmark::State& state) {
    try {
        ReportRecord record = Prepared(0);
        bench::ScaleTexts(record, static_cast<std::size_t>(state.range(0)));
        Measure(state, std::move(record));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}
BENCHMARK(BM_BuildReportScaled)->ArgName("times")->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
