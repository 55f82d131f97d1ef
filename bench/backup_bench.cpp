// The archive codec alone, per kind of content: our implode encoder beside the library's on the
// same inputs, in CPU time (the machine is shared: wall time says more about the neighbours), and
// explode. Ends with the ratios of this run: our speed over the library's, our size over its.
// Where a whole backup's time goes is measured by bench/backup_vs_zip.
#include "backup/codec.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace {

using kvarn::backup::Codec;

constexpr std::size_t kSize = 4 << 20;

// Ledger lines, as the exports of an accounting package write them.
std::string Text() {
    std::mt19937 engine(1);
    std::string text;
    while (text.size() < kSize)
        text += "411" + std::to_string(10000 + engine() % 9000) + ";Facture " +
                std::to_string(engine() % 100000) + ";" + std::to_string(engine() % 100000) +
                "," + std::to_string(engine() % 100) + ";SCI Les Tilleuls\r\n";
    text.resize(kSize);
    return text;
}

// Database pages: a few hundred bytes of records, then zeros to the end of the 4096-byte page.
std::string Pages() {
    std::mt19937 engine(2);
    std::string bytes;
    while (bytes.size() < kSize) {
        const std::size_t used = 256 + engine() % 1792;
        for (std::size_t i = 0; i < used; ++i) bytes += static_cast<char>(engine() & 0xFF);
        bytes.append(4096 - used, '\0');
    }
    bytes.resize(kSize);
    return bytes;
}

std::string Random() {
    std::mt19937 engine(3);
    std::string bytes(kSize, '\0');
    for (char& c : bytes) c = static_cast<char>(engine() & 0xFF);
    return bytes;
}

std::string Run(Codec& codec, bool implode, const std::string& input);

// Text as the library imploded it: compressed data, which no codec shrinks again.
std::string Compressed() {
    const std::string text = Text() + Pages();
    return Run(*kvarn::backup::MakeReferenceDclCodec(), true, text).substr(0, kSize);
}

// Runs the codec from `input` into a buffer that is kept, as the engine does into its spool.
std::string Run(Codec& codec, bool implode, const std::string& input) {
    std::size_t at = 0;
    std::string output;
    const auto read = [&](std::uint8_t* buffer, std::size_t capacity) {
        const std::size_t n = std::min(capacity, input.size() - at);
        std::memcpy(buffer, input.data() + at, n);
        at += n;
        return n;
    };
    const auto write = [&](const std::uint8_t* data, std::size_t size) {
        output.append(reinterpret_cast<const char*>(data), size);
    };
    if (implode)
        codec.Implode(read, write);
    else
        codec.Explode(read, write);
    return output;
}

template <std::string (*Make)(), std::unique_ptr<Codec> (*MakeCodec)()>
void BM_Implode(benchmark::State& state) {
    const std::string input = Make();
    const auto codec = MakeCodec();
    std::size_t produced = 0;
    for (auto _ : state) produced = Run(*codec, true, input).size();
    state.SetBytesProcessed(state.iterations() * static_cast<long>(input.size()));
    state.counters["ratio"] = static_cast<double>(produced) / static_cast<double>(input.size());
}


template <std::string (*Make)()>
void BM_Explode(benchmark::State& state) {
    const auto codec = kvarn::backup::MakeDclCodec();
    const std::string original = Make();
    const std::string imploded = Run(*codec, true, original);
    for (auto _ : state) benchmark::DoNotOptimize(Run(*codec, false, imploded));
    state.SetBytesProcessed(state.iterations() * static_cast<long>(original.size()));
}
template <std::string (*Make)()>
void Register(const std::string& input, bool explode) {
    using kvarn::backup::MakeDclCodec;
    using kvarn::backup::MakeReferenceDclCodec;
    benchmark::RegisterBenchmark(("Implode/" + input + "/ours").c_str(),
                                 BM_Implode<Make, MakeDclCodec>)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Implode/" + input + "/library").c_str(),
                                 BM_Implode<Make, MakeReferenceDclCodec>)
        ->Unit(benchmark::kMillisecond);
    if (explode)
        benchmark::RegisterBenchmark(("Explode/" + input).c_str(), BM_Explode<Make>)
            ->Unit(benchmark::kMillisecond);
}

// The console table, then per input our CPU speed and size over the library's.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const std::size_t last = name.rfind('/');
            if (name.rfind("Implode/", 0) != 0 || last == std::string::npos) continue;
            Figures& figures = byInput_[name.substr(8, last - 8)];
            const bool ours = name.substr(last + 1) == "ours";
            (ours ? figures.oursCpu : figures.libraryCpu) = run.GetAdjustedCPUTime();
            (ours ? figures.oursSize : figures.librarySize) = run.counters.at("ratio");
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nour implode beside the library's, one run (CPU time)\n");
        std::printf("%-12s %14s %14s\n", "input", "speed ratio", "size ratio");
        for (const auto& [input, f] : byInput_)
            if (f.oursCpu > 0 && f.librarySize > 0)
                std::printf("%-12s %13.2fx %14.4f\n", input.c_str(), f.libraryCpu / f.oursCpu,
                            f.oursSize / f.librarySize);
    }

private:
    struct Figures {
        double oursCpu = 0, libraryCpu = 0, oursSize = 0, librarySize = 0;
    };
    std::map<std::string, Figures> byInput_;
};

}  // namespace

int main(int argc, char** argv) {
    Register<Text>("Text", true);
    Register<Pages>("Pages", true);
    Register<Random>("Random", false);
    Register<Compressed>("Compressed", false);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
