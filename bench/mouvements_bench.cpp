// Loading the dossier's movement list (ChargerMouvements) on a dossier of 50,000 movements with
// 100,000 detail rows, against the plain reading that follows the linked detail component
// movement after movement.
#include "db/transaction.hpp"
#include "frame/etat_module.hpp"
#include "movements/lecture_mouvements.hpp"
#include "movements/liste_en_cache.hpp"
#include "standalone/dossier_fichier.hpp"
#include "standalone/standalone_host.hpp"
#include "store/nouveau_dossier.hpp"

#include "private_root.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>

namespace {

namespace fs = std::filesystem;
using namespace kvarn;

constexpr int kMouvements = 50000;
constexpr int kDetailsParMouvement = 2;
constexpr double kPremierJour = 45658;  // 1 January 2025

using kvarn::bench::PrivateRoot;

void Remplir(store::TdmKvarn& module) {
    db::CTable& mouvements = module.Donnees().Composant("tblMouvementPartsTraitement");
    db::CTable details(module.Donnees().Session());
    details.SetDatabaseName(mouvements.DatabaseName());
    details.SetTableName("KOLMIKVP");
    mouvements.Open();
    details.Open();
    std::mt19937 aleas(7);
    db::Transaction transaction(module.Donnees().Session());
    for (int m = 0; m < kMouvements; ++m) {
        mouvements.Append();
        mouvements.FieldByName("DateMouvement").SetAsDateTime(kPremierJour + static_cast<double>(aleas() % 365));
        mouvements.FieldByName("TypeMouvement").SetAsInteger(static_cast<int>(aleas() % 7));
        mouvements.Post();
        const int id = mouvements.FieldByName("AutoID").AsInteger();
        for (int d = 0; d < kDetailsParMouvement; ++d) {
            details.Append();
            details.FieldByName("IdMouv").SetAsInteger(id);
            details.FieldByName("IdAsso").SetAsInteger(static_cast<int>(1 + aleas() % 2000));
            details.FieldByName(d == 0 ? "NbPartsPPDim" : "NbPartsPPAug").SetAsFloat(1 + aleas() % 100);
            details.Post();
        }
    }
    transaction.Commit();
    mouvements.Close();
}

// One dossier for the whole run, its data module created and started.
store::TdmKvarn& Module() {
    static const fs::path root = PrivateRoot();
    static std::unique_ptr<standalone::StandaloneHost> host;
    if (!host) {
        const fs::path dossier = root / "dossier";
        standalone::DossierFichier::Creer(dossier, {{"Dossier", "RaisonSociale", "SCI Banc d'essai"}});
        store::InitialiserNouveauDossier(dossier);
        host = standalone::StandaloneHost::Open(dossier);
        InitDataModuleKV();
        InitKV();
        Remplir(*frame::DataModule());
    }
    return *frame::DataModule();
}

void BM_ChargerMouvements(benchmark::State& state) {
    store::TdmKvarn& module = Module();
    for (auto _ : state) {
        module.EtatDe<movements::EtatMouvements>().listeChargee = false;
        movements::ChargerMouvements(module);
    }
    if (module.EtatDe<movements::EtatMouvements>().liste.size() != kMouvements) state.SkipWithError("incomplete list");
    state.SetItemsProcessed(state.iterations() * kMouvements * kDetailsParMouvement);
}
BENCHMARK(BM_ChargerMouvements)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LectureParComposantLie(benchmark::State& state) {
    store::TdmKvarn& module = Module();
    for (auto _ : state) {
        ListeMouvParts liste;
        movements::LireListeMouvPartsParLien(module, liste);
        benchmark::DoNotOptimize(liste);
    }
    state.SetItemsProcessed(state.iterations() * kMouvements * kDetailsParMouvement);
}
BENCHMARK(BM_LectureParComposantLie)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(2);

}  // namespace
