// The question page rebuilds the history of the path (every statement with the remark given
// with it) each time it shows a node. The page is driven on the headless host on the deepest
// path of the test product's tree, with remarks at their input limit and, as no user can type
// them, 10 and 100 times longer, and on shorter paths, to see that the time grows with the
// text and the depth and no faster.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <exception>
#include <string>

#include "bench/BenchSupport.h"

namespace {

using namespace mirel;

constexpr int kVersion = 0; // the test product
constexpr std::size_t kRemarkLimit = 200;

// The record as the page leaves it at the end of the deepest path.
const ReportRecord& Walked() {
    static const ReportRecord record = [] {
        bench::HeadlessSession session;
        return bench::FullRecord(session, kVersion);
    }();
    return record;
}

int PathDepth(const ReportRecord& r) {
    int depth = 0;
    while (depth < static_cast<int>(r.m_aSteps.size()) &&
           r.m_aSteps[static_cast<std::size_t>(depth)].m_nChoice != -1)
        ++depth;
    return depth;
}

// The walked record, coming back to level `depth` (the leaf when the path is that deep) with
// every remark and the fault description `chars` characters long.
ReportRecord ComingBack(int depth, std::size_t chars) {
    ReportRecord r = Walked();
    for (std::size_t i = 0; i < r.m_aSteps.size(); ++i) {
        QuestionStep& step = r.m_aSteps[i];
        if (static_cast<int>(i) >= depth) {
            step.m_nChoice = -1;
            if (static_cast<int>(i) > depth)
                step = QuestionStep{-1, 0, {}, {}};
        }
        if (static_cast<int>(i) <= depth)
            step.m_strNote = bench::FillerFor(131, 1202, chars);
    }
    r.m_bBack = 1;
    return r;
}

std::int64_t NoteBytes(const ReportRecord& r) {
    std::int64_t bytes = 0;
    for (const QuestionStep& step : r.m_aSteps)
        bytes += static_cast<std::int64_t>(step.m_strNote.size());
    return bytes;
}

// Back one level and Next again, with the page at level `depth`: two history rebuilds, each with
// the node shown again.
void BackNext(benchmark::State& state, int depth, std::size_t chars) {
    ReportRecord record = ComingBack(depth, chars);
    const std::int64_t noteBytes = NoteBytes(record);
    bench::HeadlessSession session;
    std::size_t historyBytes = 0;
    try {
        session.Run<CQuestionDlg>(record, [&](Dialog& page) {
            const std::string history = page.GetItemText(1199);
            for (auto _ : state) {
                page.UserClick(1015);
                page.UserClick(1016);
            }
            historyBytes = page.GetItemText(1199).size();
            if (page.GetItemText(1199) != history || !page.IsOpen())
                state.SkipWithError("Back and Next did not return to the same node");
        });
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
    if (session.services.messages != 0)
        state.SkipWithError(session.services.lastMessage.c_str());
    state.counters["depth"] = depth;
    state.counters["note_bytes"] = static_cast<double>(noteBytes);
    state.counters["history_bytes"] = static_cast<double>(historyBytes);
    state.counters["per_rebuild"] =
        benchmark::Counter(2, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// At the leaf of the deepest path, remarks of `chars` characters.
void BM_QuestionBackNext(benchmark::State& state) {
    BackNext(state, PathDepth(Walked()), static_cast<std::size_t>(state.range(0)));
}
BENCHMARK(BM_QuestionBackNext)
    ->ArgName("chars")
    ->Arg(kRemarkLimit)
    ->Arg(10 * kRemarkLimit)
    ->Arg(100 * kRemarkLimit)
    ->Unit(benchmark::kMicrosecond);

// At each level of the deepest path, remarks at their limit.
void BM_QuestionDepth(benchmark::State& state) {
    const int depth = static_cast<int>(state.range(0));
    if (depth > PathDepth(Walked())) {
        state.SkipWithError("the path is not that deep");
        return;
    }
    BackNext(state, depth, kRemarkLimit);
}
// Registered from main: the depth of the tree is known only once its table is initialised.

// The page shown again at the leaf and left with Next: the history with the fault description,
// stored in the record as the report's question block.
void BM_QuestionFinish(benchmark::State& state) {
    const ReportRecord prepared = ComingBack(PathDepth(Walked()), static_cast<std::size_t>(state.range(0)));
    bench::HeadlessSession session;
    std::size_t textBytes = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop idiom
        state.PauseTiming();
        ReportRecord record = prepared;
        record.m_strQuestionText.clear();
        state.ResumeTiming();
        session.Run<CQuestionDlg>(record, [](Dialog& page) { page.UserClick(1016); });
        textBytes = record.m_strQuestionText.size();
        if (textBytes == 0) {
            state.SkipWithError("the page did not finish");
            break;
        }
    }
    state.counters["note_bytes"] = static_cast<double>(NoteBytes(prepared));
    state.counters["text_bytes"] = static_cast<double>(textBytes);
}
BENCHMARK(BM_QuestionFinish)
    ->ArgName("chars")
    ->Arg(kRemarkLimit)
    ->Arg(10 * kRemarkLimit)
    ->Arg(100 * kRemarkLimit)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RegisterBenchmark("BM_QuestionDepth", BM_QuestionDepth)
        ->ArgName("depth")
        ->DenseRange(1, static_cast<int>(bench::DeepestPath(TestTree()).size()))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
