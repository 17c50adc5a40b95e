// Appending a file to the report, against the cheapest thing that touches the same bytes, both
// measured in the same run:
// - Append/KIND/MiB: the file read and converted as the report page does it (read piece by piece
//   through the program's file services and converted into a fresh text), against read() of the
//   whole file into fresh memory.
// - Convert/KIND/MiB: bytes already in memory converted into a fresh text, against memcpy of them
//   into fresh memory.
// Each iteration runs the baseline and then the program's code, so that both meet the same
// machine. Every block of 128 KiB and more comes fresh from the system (malloc's mmap threshold
// is fixed), as the first append of a session gets it, for the baseline and ours alike. Counters (medians
// over the iterations): base_ms, ours_ms and speed = base / ours (1 would be as fast as the baseline).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/Services.h"
#include "platform/Text.h"
#include "report/TextConvert.h"
#include "tools/mirel-scenario/Runner.h"

namespace {

using namespace mirel;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kMiB = std::size_t{1} << 20;

// ---- test data ----

std::string Repeated(std::string text, const std::vector<std::string>& lines, std::size_t size) {
    for (std::size_t i = 0; text.size() < size; ++i)
        text += lines[i % lines.size()];
    text.resize(size);
    return text;
}

// A DOS system overview: box lines, umlauts, a header rule of double lines, CR LF.
std::string DosText(std::size_t size) {
    return Repeated("\xC9\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBB\r\n",
                    {
                        "\xBA Pr\x81"
                        "fung der Festplatte: 12 Sektoren gepr\x81"
                        "ft, keine Fehler   \xBA\r\n",
                        "\xBA Speicher: 640 KB konventionell, \x8E"
                        "nderung m\x94glich, Ma\xE1"
                        "e 25\xF8"
                        "C \xBA\r\n",
                        "\xC7\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4"
                        "\xC4\xB6\r\n",
                        "\r\n",
                    },
                    size);
}

// A Linux system overview in UTF-8 with LF line ends: mostly ASCII, some umlauts and signs.
std::string Utf8Text(std::size_t size) {
    return Repeated("",
                    {
                        "description: Computer\n",
                        "    product: Systemübersicht (Prüfstand 3)\n",
                        "  *-memory:0 size: 16GiB, Größe bestätigt, Preis 120 €\n",
                        "       bus info: pci@0000:00:1f.3 logical name: /dev/nvme0n1\n",
                    },
                    size);
}

// A Windows text in cp1252 with CR LF line ends.
std::string AnsiText(std::size_t size) {
    return Repeated("",
                    {
                        "Pr\xFC"
                        "fprotokoll vom 05.12.2026, Ger\xE4t 7\r\n",
                        "Ergebnis: keine Fehler gefunden, Temperatur 41 \xB0"
                        "C, Preis 120 \x80\r\n",
                    },
                    size);
}

// An HTML page with tags on every line and runs of blank lines between the paragraphs.
std::string HtmlText(std::size_t size) {
    std::string text =
        Repeated("<html><head><title>Systembericht</title></head><body>\n",
                 {"<p class=\"zeile\">Prozessor <b>Takt</b> 3200 MHz &amp; Cache 8 MB</p>\n\n\n\n",
                  "<table><tr><td>Slot 1</td><td>PCI</td></tr></table>\n"},
                 size - 15);
    return text + "</body></html>\n";
}

enum class Kind { Dos, Ansi, Utf8, Html };

std::string Sample(Kind kind, std::size_t size) {
    switch (kind) {
    case Kind::Dos:
        return DosText(size);
    case Kind::Ansi:
        return AnsiText(size);
    case Kind::Utf8:
        return Utf8Text(size);
    case Kind::Html:
        return HtmlText(size);
    }
    return {};
}

// ---- the file on disk ----

class SampleFile {
  public:
    explicit SampleFile(const std::string& bytes) {
        std::string pattern = (std::filesystem::temp_directory_path() / "mirel-bench.XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0)
            std::abort();
        ::close(fd);
        m_path = pattern;
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    ~SampleFile() { std::remove(m_path.c_str()); }
    SampleFile(const SampleFile&) = delete;
    SampleFile& operator=(const SampleFile&) = delete;
    const std::string& Path() const { return m_path; }

  private:
    std::string m_path;
};

// The baseline: the whole file read with read() into freshly allocated memory.
std::size_t ReadIntoFreshMemory(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0)
        std::abort();
    const auto size = static_cast<std::size_t>(st.st_size);
    const std::unique_ptr<char[]> memory(new char[size]);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, memory.get() + done, size - done);
        if (n <= 0)
            std::abort();
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    benchmark::DoNotOptimize(memory.get());
    benchmark::ClobberMemory();
    return done;
}

Services& FileServices() {
    static std::ostringstream log;
    static scenario::Runner services({}, log);
    return services;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

template <class Base, class Ours>
void Compare(benchmark::State& state, std::size_t size, Base base, Ours ours) {
    std::vector<double> baseTimes;
    std::vector<double> ourTimes;
    for (auto _ : state) {
        const Clock::time_point t0 = Clock::now();
        base();
        const Clock::time_point t1 = Clock::now();
        ours();
        const Clock::time_point t2 = Clock::now();
        baseTimes.push_back(std::chrono::duration<double>(t1 - t0).count());
        ourTimes.push_back(std::chrono::duration<double>(t2 - t1).count());
        state.SetIterationTime(ourTimes.back());
    }
    const double baseTime = Median(baseTimes);
    const double ourTime = Median(ourTimes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.counters["base_ms"] = baseTime * 1e3;
    state.counters["ours_ms"] = ourTime * 1e3;
    state.counters["speed"] = ourTime > 0 ? baseTime / ourTime : 0;
}

void BM_Append(benchmark::State& state, Kind kind) {
    const std::size_t size = static_cast<std::size_t>(state.range(0)) * kMiB;
    const SampleFile file(Sample(kind, size));
    std::size_t out = 0;
    Compare(
        state, size, [&] { ReadIntoFreshMemory(file.Path()); },
        [&] {
            std::string text;
            if (AppendConvertedFile(FileServices(), file.Path(), std::size_t{256} << 20, text) !=
                ReadResult::Status::Ok)
                state.SkipWithError("the file could not be read");
            out = text.size();
            benchmark::DoNotOptimize(text.data());
        });
    state.counters["out_MiB"] = static_cast<double>(out) / kMiB;
}

void BM_Convert(benchmark::State& state, Kind kind) {
    const std::size_t size = static_cast<std::size_t>(state.range(0)) * kMiB;
    const std::string bytes = Sample(kind, size);
    Compare(
        state, size,
        [&] {
            const std::unique_ptr<char[]> copy(new char[size]);
            std::memcpy(copy.get(), bytes.data(), size);
            benchmark::DoNotOptimize(copy.get());
            benchmark::ClobberMemory();
        },
        [&] {
            const std::string text = ConvertAppendedFile(bytes);
            benchmark::DoNotOptimize(text.data());
        });
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1)->Arg(10)->Arg(50)->UseManualTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(BM_Append, Dos, Kind::Dos)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Append, Ansi, Kind::Ansi)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Append, Utf8, Kind::Utf8)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Append, Html, Kind::Html)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Convert, Dos, Kind::Dos)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Convert, Ansi, Kind::Ansi)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Convert, Utf8, Kind::Utf8)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Convert, Html, Kind::Html)->Apply(Sizes);

} // namespace

int main(int argc, char** argv) {
    ::mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
