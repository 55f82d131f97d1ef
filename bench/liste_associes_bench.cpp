// Loading the list of associates (InitListeAssocies) on a large dossier, as every command and C
// caller meets it: a data module just created and started, the movement list not loaded and the
// working position table empty, so that the load reads the movements, computes and writes every
// position, then reads every associate. Then the same load a second time in that data module
// (movements cached, positions to update in place). Dossiers of N associates and M detail rows
// (dossier_genere.hpp). The peak memory of the process is reported after the first
// size (it only grows).
#include "dossier_genere.hpp"

#include <kvarn/liste_associes.hpp>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

using namespace kvarn;

void Compter(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["associes"] = static_cast<double>(DonnerListeAssocies(false)->size());
}

void BM_PremierChargement(benchmark::State& state) {
    bench::OuvrirDossierGenere(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        state.PauseTiming();
        bench::NouveauModuleDemarre();
        state.ResumeTiming();
        InitListeAssocies(false);
    }
    Compter(state);
}

void BM_SecondChargement(benchmark::State& state) {
    bench::OuvrirDossierGenere(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    bench::NouveauModuleDemarre();
    InitListeAssocies(false);
    for (auto _ : state) InitListeAssocies(false);
    Compter(state);
}

BENCHMARK(BM_PremierChargement)->Args({10000, 100000})->Args({20000, 200000})->Unit(benchmark::kMillisecond)
    ->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_SecondChargement)->Args({10000, 100000})->Args({20000, 200000})->Unit(benchmark::kMillisecond)
    ->Iterations(3)->MeasureProcessCPUTime();

}  // namespace
