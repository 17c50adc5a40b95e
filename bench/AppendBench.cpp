// Appending a file to the report: the file is read, cut at NUL, its CRs removed, DOS bytes
// mapped, HTML stripped with its blank-line runs shortened, LF written as CR LF and the bytes
// turned into the program's text. "Ours" is the program's code; "Loop" does the same steps as
// a straightforward replace-in-a-loop, each replacement a full pass that builds a new string.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "platform/Services.h"
#include "platform/Text.h"
#include "report/TextConvert.h"
#include "tools/mirel-scenario/Runner.h"

namespace {

using namespace mirel;

constexpr std::size_t kMiB = std::size_t{1} << 20;

// ---- test data ----

// A DOS system overview: box lines, umlauts, a header rule of double lines.
std::string DosText(std::size_t size) {
    std::string text = "\xC9\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBB\r\n";
    const std::string lines[] = {
        "\xBA Pr\x81"
        "fung der Festplatte: 12 Sektoren gepr\x81"
        "ft, keine Fehler   \xBA\r\n",
        "\xBA Speicher: 640 KB konventionell, \x8E"
        "nderung m\x94glich, Ma\xE1"
        "e 25\xF8"
        "C \xBA\r\n",
        "\xC7\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xB6\r\n",
        "\r\n",
    };
    for (std::size_t i = 0; text.size() < size; ++i)
        text += lines[i % 4];
    text.resize(size);
    return text;
}

// An HTML page with tags on every line and runs of blank lines between the paragraphs.
std::string HtmlText(std::size_t size) {
    std::string text = "<html><head><title>Systembericht</title></head><body>\n";
    const std::string block = "<p class=\"zeile\">Prozessor <b>Takt</b> 3200 MHz &amp; Cache 8 MB</p>\n\n\n\n"
                              "<table><tr><td>Slot 1</td><td>PCI</td></tr></table>\n";
    while (text.size() < size)
        text += block;
    text.resize(size - 15);
    text += "</body></html>\n";
    return text;
}

// ---- the straightforward version ----

std::string LoopConvert(const std::string& bytes) {
    std::string text = bytes.substr(0, bytes.find('\0'));
    ReplaceAll(text, "\r", "");
    if (text.find("\xCD\xCD\xCD") != std::string::npos) {
        const char* const rows[14][2] = {
            {"\xC4", "\xAF"}, {"\xFC", "\xB3"}, {"\x84", "\xE4"}, {"\x94", "\xF6"}, {"\x81", "\xFC"},
            {"\xE1", "\xDF"}, {"\x8E", "\xC4"}, {"\x99", "\xD6"}, {"\x9A", "\xDC"}, {"\xE6", "\xB5"},
            {"\xF5", "\xA7"}, {"\xF8", "\xB0"}, {"\xCD", "\x3D"}, {"\xFD", "\xB2"},
        };
        for (const auto& row : rows)
            ReplaceAll(text, row[0], row[1]);
    }
    if (text.find("<html>") != std::string::npos) {
        std::string stripped;
        bool inTag = false;
        for (const char c : text) {
            if (inTag)
                inTag = c != '>';
            else if (c == '<')
                inTag = true;
            else
                stripped += c;
        }
        text.swap(stripped);
        while (text.find("\n\n\n") != std::string::npos)
            ReplaceAll(text, "\n\n\n", "\n\n");
    }
    ReplaceAll(text, "\n", "\r\n");
    return Cp1252ToUtf8(text);
}

// ---- the file on disk ----

class SampleFile {
  public:
    SampleFile(const std::string& bytes) {
        std::string pattern = (std::filesystem::temp_directory_path() / "mirel-bench.XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0)
            std::abort();
        ::close(fd);
        m_path = pattern;
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    ~SampleFile() { std::remove(m_path.c_str()); }
    const std::string& Path() const { return m_path; }

  private:
    std::string m_path;
};

std::string Sample(bool html, std::size_t size) {
    return html ? HtmlText(size) : DosText(size);
}

// Reading through the program's file services.
ReadResult ReadWhole(const std::string& path) {
    static std::ostringstream log;
    static scenario::Runner services({}, log);
    return services.ReadFile(path, std::size_t{256} << 20);
}

template <bool Html, bool Ours> void BM_Append(benchmark::State& state) {
    const std::size_t size = static_cast<std::size_t>(state.range(0)) * kMiB;
    const SampleFile file(Sample(Html, size));
    std::size_t out = 0;
    for (auto _ : state) {
        ReadResult read = ReadWhole(file.Path());
        const std::string text = Ours ? ConvertAppendedFile(read.bytes) : LoopConvert(read.bytes);
        out = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.counters["out_MiB"] = static_cast<double>(out) / kMiB;
}

template <bool Html, bool Ours> void BM_Convert(benchmark::State& state) {
    const std::size_t size = static_cast<std::size_t>(state.range(0)) * kMiB;
    const std::string bytes = Sample(Html, size);
    if (ConvertAppendedFile(bytes) != LoopConvert(bytes))
        state.SkipWithError("the two versions disagree");
    for (auto _ : state) {
        const std::string text = Ours ? ConvertAppendedFile(bytes) : LoopConvert(bytes);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

// File read plus conversion.
BENCHMARK(BM_Append<false, true>)
    ->Name("Append/Dos/Ours")
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Append<false, false>)
    ->Name("Append/Dos/Loop")
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Append<true, true>)
    ->Name("Append/Html/Ours")
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Append<true, false>)
    ->Name("Append/Html/Loop")
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);
// The conversion alone.
BENCHMARK(BM_Convert<false, true>)
    ->Name("Convert/Dos/Ours")
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert<false, false>)
    ->Name("Convert/Dos/Loop")
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert<true, true>)
    ->Name("Convert/Html/Ours")
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert<true, false>)
    ->Name("Convert/Html/Loop")
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
