// The result distribution over the generated dossier of 10,000 associates and 100,000 detail rows
// (dossier_genere.hpp), the list of associates loaded and both of the host's callbacks set, as the
// distribution screen works once it is open: a walk of the result view tblResultatsAssocies that
// reads every calculated column of every row, and the six distribution members of every cached
// associate.
#include "associates/etat_associes.hpp"
#include "associates/table_resultats.hpp"
#include "environment/gest_trp_ini.hpp"
#include "frame/etat_module.hpp"

#include "dossier_genere.hpp"

#include <kvarn/liste_associes.hpp>

#include <benchmark/benchmark.h>

namespace {

using namespace kvarn;

constexpr int kAssocies = 10000;
constexpr int kDetails = 100000;

// A new data module with the declared number of shares, the callbacks of both screens and the
// list loaded.
void Preparer() {
    bench::OuvrirDossierGenere(kAssocies, kDetails);
    bench::NouveauModuleDemarre();
    frame::Parametres().SetAssInteger(environment::kSectionKV, "NbParts", 1000000);
    associates::EtatAssocies& etat = frame::DataModule()->EtatDe<associates::EtatAssocies>();
    etat.calculResultat = [](const Associe&, int& resultat, int& pvlt, int& autre) {
        resultat = 123456, pvlt = 7890, autre = 0;
        return true;
    };
    etat.calculBICBA = [](const Associe&, long& bic, long& ba, long& abandons) {
        bic = -45678, ba = 3210, abandons = 999;
        return true;
    };
    InitListeAssocies(false);
}

void BM_VueResultats(benchmark::State& state) {
    Preparer();
    db::CTable& vue = frame::DataModule()->Donnees().Composant(associates::kVueResultats);
    long lignes = 0;
    for (auto _ : state) {
        lignes = 0;
        vue.Open();
        for (vue.First(); !vue.Eof(); vue.Next(), ++lignes)
            benchmark::DoNotOptimize(associates::LireColonnesResultats(vue));
        vue.Close();
    }
    state.counters["lignes"] = static_cast<double>(lignes);
}

void BM_MembresRepartition(benchmark::State& state) {
    Preparer();
    const CarteAssocies& associes = *DonnerListeAssocies(false);
    for (auto _ : state) {
        long total = 0;
        for (const auto& [id, a] : associes)
            total += a.BeneficeCalc(123456) + a.DeficitCalc(-123456) + a.PVLTCalc(7890, 0) + a.ResultatBICCalc(-45678) +
                     a.ResultatBACalc(3210) + a.AbandonsLoyersCalc(999);
        benchmark::DoNotOptimize(total);
    }
    state.counters["associes"] = static_cast<double>(associes.size());
}

BENCHMARK(BM_VueResultats)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_MembresRepartition)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
