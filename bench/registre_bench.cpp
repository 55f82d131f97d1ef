// The share register on the generated dossier (dossier_genere.hpp), as its command meets it: a
// data module just created and started, positions and synthesis still to compute. Each iteration
// measures, in the same run and in process CPU time, what the register cannot do without (the
// list of associates loaded and the movements' synthesis written) and then the register itself,
// built and written as one CSV table, each from a fresh data module; the counter `ratio` is the
// register's time over that base. The command's JSON goes through the same builder and the same
// column lists (registre_colonnes.hpp); only its writer, in the command line, differs.
#include "frame/etat_module.hpp"
#include "movements/lecture_registre.hpp"
#include "movements/registre_csv.hpp"
#include "movements/synthese_mouvements.hpp"

#include "dossier_genere.hpp"

#include <kvarn/liste_associes.hpp>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <ctime>

namespace {

using namespace kvarn;

double SecondesCpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The CPU seconds `travail` takes, started from a fresh data module.
template <class Travail>
double Mesurer(Travail&& travail) {
    bench::NouveauModuleDemarre();
    const double debut = SecondesCpu();
    travail();
    return SecondesCpu() - debut;
}

void BM_Registre(benchmark::State& state) {
    bench::OuvrirDossierGenere(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto table = static_cast<movements::TableRegistre>(state.range(2));
    double base = 0, registre = 0;
    for (auto _ : state) {
        base += Mesurer([] {
            InitListeAssocies(false);
            benchmark::DoNotOptimize(movements::InitialiserSyntheseMouvements(*frame::DataModule()));
        });
        registre += Mesurer([table] {
            const movements::Registre construit = movements::ConstruireRegistre(*frame::DataModule());
            benchmark::DoNotOptimize(movements::RegistreEnCsv(construit, table, true));
        });
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["base_ms"] = base * 1e3 / static_cast<double>(state.iterations());
    state.counters["registre_ms"] = registre * 1e3 / static_cast<double>(state.iterations());
    state.counters["ratio"] = registre / base;
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

BENCHMARK(BM_Registre)
    ->ArgNames({"associes", "details", "table"})
    ->Args({10000, 100000, static_cast<int>(movements::TableRegistre::Detentions)})
    ->Args({10000, 100000, static_cast<int>(movements::TableRegistre::Mouvements)})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
