// Opening a dossier: InitDataModuleKV and the first InitKV (start-up, migrations with nothing to
// run, the table copy, the regime check), then releasing it, on a dossier in the current layout.
#include "frame/etat_module.hpp"
#include "standalone/dossier_fichier.hpp"
#include "standalone/standalone_host.hpp"
#include "store/nouveau_dossier.hpp"

#include "private_root.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

using kvarn::bench::PrivateRoot;

void BM_DossierStartUp(benchmark::State& state) {
    static const fs::path root = PrivateRoot();
    const fs::path dossier = root / "dossier";
    if (!kvarn::standalone::DossierFichier::Existe(dossier)) {
        kvarn::standalone::DossierFichier::Creer(dossier, {{"Dossier", "RaisonSociale", "SCI Banc d'essai"},
                                                           {"Dossier", "Categorie", "5"}});
        kvarn::store::InitialiserNouveauDossier(dossier);
    }
    const auto host = kvarn::standalone::StandaloneHost::Open(dossier);
    for (auto _ : state) {
        InitDataModuleKV();
        if (!kvarn::frame::DataModule()) {
            state.SkipWithError("the data module was not created");
            break;
        }
        InitKV();
        DesinitKV();
        DetruireDataModuleKV();
    }
}
BENCHMARK(BM_DossierStartUp)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
