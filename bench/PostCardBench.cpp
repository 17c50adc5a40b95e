// The POST card page rebuilds its summary of all questions and answers on every Next and Back
// and once more, with every typed value whole, when the last question is left. The page is
// driven on the headless host as a user drives it, with every question answered and every
// typed field at its input limit, and with the typed texts repeated 10 and 100 times (as no
// user can type them) to see that the time grows with the text and no faster.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <exception>
#include <string>

#include "bench/BenchSupport.h"

namespace {

using namespace mirel;

constexpr int kOtherMaker = 11; // the version whose card name is typed

// The record as the page leaves it after its last question.
const ReportRecord& Answered() {
    static const ReportRecord record = [] {
        bench::HeadlessSession session;
        return bench::FullRecord(session, kOtherMaker);
    }();
    return record;
}

ReportRecord Scaled(std::size_t factor) {
    ReportRecord r = Answered();
    for (PostText text : kPostTexts) {
        const std::string one = r.*text;
        for (std::size_t i = 1; i < factor; ++i)
            r.*text += one;
    }
    return r;
}

std::int64_t TypedBytes(const ReportRecord& r) {
    std::int64_t bytes = 0;
    for (PostText text : kPostTexts)
        bytes += static_cast<std::int64_t>((r.*text).size());
    return bytes;
}

// Back to the question before the last and Next again: two summary rebuilds with the values
// shortened, each with the node shown again.
void BM_PostCardBackNext(benchmark::State& state) {
    ReportRecord record = Scaled(static_cast<std::size_t>(state.range(0)));
    bench::HeadlessSession session;
    try {
        session.Run<CPostCardDlg>(record, [&](Dialog& page) {
            for (auto _ : state) {
                page.UserClick(1015);
                page.UserClick(1016);
            }
            if (record.m_nPostNode != 16 || !page.IsOpen())
                state.SkipWithError("Back and Next did not return to the last question");
        });
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
    if (session.services.messages != 0)
        state.SkipWithError(session.services.lastMessage.c_str());
    state.counters["typed_bytes"] = static_cast<double>(TypedBytes(record));
    state.counters["per_rebuild"] =
        benchmark::Counter(2, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PostCardBackNext)->ArgName("times")->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

// The page shown at the last question and ended at once: building the page and one shortened
// summary.
void BM_PostCardShow(benchmark::State& state) {
    const ReportRecord prepared = Scaled(static_cast<std::size_t>(state.range(0)));
    bench::HeadlessSession session;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop idiom
        state.PauseTiming();
        ReportRecord record = prepared;
        state.ResumeTiming();
        session.Run<CPostCardDlg>(record, nullptr);
        benchmark::DoNotOptimize(record.m_nPostNode);
    }
    state.counters["typed_bytes"] = static_cast<double>(TypedBytes(prepared));
}
BENCHMARK(BM_PostCardShow)->ArgName("times")->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

// The page shown at the last question and left with Next: as above, plus the summary with every
// value whole, stored in the record. The difference to the row above is the final summary.
void BM_PostCardFinish(benchmark::State& state) {
    const ReportRecord prepared = Scaled(static_cast<std::size_t>(state.range(0)));
    bench::HeadlessSession session;
    std::size_t summaryBytes = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop idiom
        state.PauseTiming();
        ReportRecord record = prepared;
        record.m_strPostCardText.clear();
        state.ResumeTiming();
        session.Run<CPostCardDlg>(record, [](Dialog& page) { page.UserClick(1016); });
        summaryBytes = record.m_strPostCardText.size();
        if (summaryBytes == 0) {
            state.SkipWithError("the page did not finish");
            break;
        }
    }
    state.counters["typed_bytes"] = static_cast<double>(TypedBytes(prepared));
    state.counters["summary_bytes"] = static_cast<double>(summaryBytes);
}
BENCHMARK(BM_PostCardFinish)->ArgName("times")->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
