// The archive codec alone, per kind of content: where a backup's time goes, beside the whole
// backup measured by bench/backup_vs_zip.
#include "backup/codec.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>

namespace {

using kvarn::backup::Codec;
using kvarn::backup::MakeDclCodec;

constexpr std::size_t kSize = 4 << 20;

std::string TextLike() {
    std::mt19937 engine(1);
    std::string text;
    while (text.size() < kSize)
        text += "411" + std::to_string(10000 + engine() % 9000) + ";Facture " +
                std::to_string(engine() % 100000) + ";" + std::to_string(engine() % 100000) +
                "," + std::to_string(engine() % 100) + ";SCI Les Tilleuls\r\n";
    text.resize(kSize);
    return text;
}

// Records of a database page: small integers among zeros.
std::string BinaryLike() {
    std::mt19937 engine(2);
    std::string bytes(kSize, '\0');
    for (std::size_t i = 0; i < kSize; i += 16) {
        bytes[i] = static_cast<char>(engine() & 0xFF);
        bytes[i + 4] = static_cast<char>(engine() & 0x0F);
    }
    return bytes;
}

std::string AlreadyCompressed() {
    std::mt19937 engine(3);
    std::string bytes(kSize, '\0');
    for (char& c : bytes) c = static_cast<char>(engine() & 0xFF);
    return bytes;
}

// Runs the codec from `input` into a buffer that is kept, as the engine does into its
// temporary file.
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

template <std::string (*Make)()>
void BM_Implode(benchmark::State& state) {
    const std::string input = Make();
    const auto codec = MakeDclCodec();
    std::size_t produced = 0;
    for (auto _ : state) produced = Run(*codec, true, input).size();
    state.SetBytesProcessed(state.iterations() * static_cast<long>(input.size()));
    state.counters["ratio"] = static_cast<double>(produced) / static_cast<double>(input.size());
}
BENCHMARK(BM_Implode<TextLike>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Implode<BinaryLike>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Implode<AlreadyCompressed>)->Unit(benchmark::kMillisecond);

template <std::string (*Make)()>
void BM_Explode(benchmark::State& state) {
    const auto codec = MakeDclCodec();
    const std::string original = Make();
    const std::string imploded = Run(*codec, true, original);
    for (auto _ : state) benchmark::DoNotOptimize(Run(*codec, false, imploded));
    state.SetBytesProcessed(state.iterations() * static_cast<long>(original.size()));
}
BENCHMARK(BM_Explode<TextLike>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Explode<BinaryLike>)->Unit(benchmark::kMillisecond);

}  // namespace
