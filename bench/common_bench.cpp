// Text conversions run for every field of every exchanged record: measure them per character.
#include "common/codepage.hpp"
#include "common/text.hpp"

#include <benchmark/benchmark.h>

namespace {

const std::string kAddress = "12, rue de l’Église — Bâtiment Œ, 75004 Paris « Île-de-France »";

void BM_Utf8ToOem(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kvarn::ZORCharToOem(kAddress));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kvarn::CharacterCount(kAddress)));
}
BENCHMARK(BM_Utf8ToOem);

void BM_AnsiToUtf8(benchmark::State& state) {
    const std::string ansi = kvarn::FromUtf8(kAddress, kvarn::CodePage::Ansi);
    for (auto _ : state) benchmark::DoNotOptimize(kvarn::ToUtf8(ansi, kvarn::CodePage::Ansi));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(ansi.size()));
}
BENCHMARK(BM_AnsiToUtf8);

void BM_FrenchUpperCase(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kvarn::ToUpperFrench(kAddress));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kvarn::CharacterCount(kAddress)));
}
BENCHMARK(BM_FrenchUpperCase);

}  // namespace
