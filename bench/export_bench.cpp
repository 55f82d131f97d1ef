// Writing the exchange file (GenererFichierEGE_ISA) of a large dossier: 10,000 associates with
// full addresses and 50 holdings, read from the tables, formatted and written to disk.
#include "associates/table_associes.hpp"
#include "db/session.hpp"
#include "db/table.hpp"
#include "db/transaction.hpp"
#include "export/participations.hpp"
#include "frame/etat_module.hpp"
#include "standalone/dossier_fichier.hpp"
#include "standalone/standalone_host.hpp"
#include "store/nouveau_dossier.hpp"

#include "private_root.hpp"

#include <kvarn/export_isa.hpp>
#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace kvarn;

constexpr int kAssocies = 10000;
constexpr int kParticipations = 50;

void Remplir(store::TdmKvarn& module, const fs::path& dossier) {
    db::CTable table(module.Donnees().Session());
    table.SetDatabaseName(db::ALIAS_DOSSIER);
    table.SetTableName("KOLMIKV1");
    table.Open();
    db::Transaction transaction(module.Donnees().Session());
    for (int i = 0; i < kAssocies; ++i) {
        Associe a;
        a.PersonnePhysique = i % 3 != 0;
        a.Titre = a.PersonnePhysique ? i % 3 : 6;
        a.Nom = "Associé " + std::to_string(i);
        a.Prenoms = "Prénom";
        a.NomPatronymique = a.Nom;
        a.DateNaissance = 20000 + i % 9000;
        a.LieuNaissance = "Nantes";
        a.CPNaissance = "44000";
        a.AdrNoVoie = std::to_string(i % 200);
        a.AdrNomVoie = "rue de la République";
        a.AdrCP = "44000";
        a.AdrVille = "Nantes";
        a.AdrTel = "0240000000";
        a.NoSiret = "55212022200013";
        a.NbParts = 1 + i % 17;
        a.NbPartsU = (i % 4) * 0.25;
        table.Append();
        associates::EcrireAssocie(table, a);
        table.Post();
    }
    transaction.Commit();
    table.Close();
    std::vector<exportisa::ParticipationFiliale> participations(
        kParticipations, {4, "Foncière de l'Ouest", "542107651", 12.5, "7", "quai de la Fosse", "44000", "Nantes", 76});
    exportisa::EcrireParticipations(exportisa::CheminParticipations(dossier.string()), participations);
}

const fs::path& Racine() {
    static const fs::path root = bench::PrivateRoot();
    return root;
}

// One dossier for the whole run, its data module created and started.
void Preparer() {
    static std::unique_ptr<standalone::StandaloneHost> host;
    if (host) return;
    const fs::path dossier = Racine() / "dossier";
    standalone::DossierFichier::Creer(dossier, {{"Dossier", "RaisonSociale", "SCI Banc d'essai"},
                                                {"Dossier", "IdentifiantISA", "BANC01"}});
    store::InitialiserNouveauDossier(dossier);
    host = standalone::StandaloneHost::Open(dossier);
    InitDataModuleKV();
    InitKV();
    Remplir(*frame::DataModule(), dossier);
}

void BM_GenererFichierEGE_ISA(benchmark::State& state) {
    Preparer();
    const std::string cible = (Racine() / "export.txt").string();
    const std::vector<ResultatExportISA> resultats{{45658, 46022, {"Données permanentes"}, true}};
    for (auto _ : state)
        if (!GenererFichierEGE_ISA(cible, false, resultats)) state.SkipWithError("export failed");
    state.SetItemsProcessed(state.iterations() * kAssocies);
    state.counters["octets"] = static_cast<double>(fs::file_size(cible));
}
BENCHMARK(BM_GenererFichierEGE_ISA)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
