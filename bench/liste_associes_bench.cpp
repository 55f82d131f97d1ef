// Loading the list of associates (InitListeAssocies) on a large dossier, as every command and C
// caller meets it: a data module just created and started, the movement list not loaded and the
// working position table empty, so that the load reads the movements, computes and writes every
// position, then reads every associate. Then the same load a second time in that data module
// (movements cached, positions to update in place). Dossiers of N associates and M detail rows:
// M/2 movements of all seven types through the year, a tenth of them after the situation date,
// about ten details per associate. The peak memory of the process is reported after the first
// size (it only grows). The share register is measured on the same dossiers, as its command meets
// them (a new data module, positions to compute), built then written as its largest CSV table.
#include "common/dates.hpp"
#include "db/query.hpp"
#include "db/transaction.hpp"
#include "frame/etat_module.hpp"
#include "movements/lecture_registre.hpp"
#include "movements/registre_csv.hpp"
#include "standalone/dossier_fichier.hpp"
#include "standalone/standalone_host.hpp"
#include "store/nouveau_dossier.hpp"

#include "private_root.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/liste_associes.hpp>
#include <kvarn/module.hpp>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace kvarn;

constexpr double kDebut = 45658;               // 1 January 2025
constexpr double kSituation = kDebut + 328;    // a tenth of the year after it

void AjouterAssocies(db::Session& session, int nombre) {
    db::CTable associes(session);
    associes.SetDatabaseName(db::ALIAS_DOSSIER);
    associes.SetTableName("KOLMIKV1");
    associes.Open();
    for (int a = 1; a <= nombre; ++a) {
        associes.Append();
        associes.FieldByName("Nom").SetAsString("ASSOCIE " + std::to_string(a));
        associes.FieldByName("Prenoms").SetAsString("Prénom " + std::to_string(a % 97));
        associes.FieldByName("PersonnePhysique").SetAsInteger(a % 3 != 0);
        associes.FieldByName("Titre").SetAsInteger(a % 3);
        associes.FieldByName("Qualite").SetAsInteger(a % 50 == 0 ? 10 : 7);
        associes.FieldByName("NbParts").SetAsFloat(100 + a % 17);
        associes.FieldByName("NbPartsU").SetAsFloat(a % 5 == 0 ? 10 : 0);
        associes.FieldByName("NbPartsN").SetAsFloat(a % 5 == 1 ? 10 : 0);
        associes.Post();
    }
}

// Two detail rows per movement, shaped by its type: a sale, a dismemberment (the giver keeps the
// usufruct), a capital change, a reconstitution.
void AjouterMouvements(db::Session& session, int associes, int details) {
    db::CTable mouvements(session), lignes(session);
    for (db::CTable* table : {&mouvements, &lignes}) table->SetDatabaseName(db::ALIAS_DOSSIER);
    mouvements.SetTableName("KOLMIKVM");
    lignes.SetTableName("KOLMIKVP");
    mouvements.Open();
    lignes.Open();
    std::mt19937 aleas(7);
    const auto ligne = [&](int id, int asso, const char* colonne, double n, const char* seconde = nullptr) {
        lignes.Append();
        lignes.FieldByName("IdMouv").SetAsInteger(id);
        lignes.FieldByName("IdAsso").SetAsInteger(asso);
        lignes.FieldByName(colonne).SetAsFloat(n);
        if (seconde) lignes.FieldByName(seconde).SetAsFloat(n);
        lignes.Post();
    };
    for (int m = 0; m < details / 2; ++m) {
        const int type = m % 7;
        const int a = static_cast<int>(1 + aleas() % static_cast<unsigned>(associes));
        const int b = static_cast<int>(1 + aleas() % static_cast<unsigned>(associes));
        const double n = 1 + aleas() % 1000 / 7.0;
        mouvements.Append();
        mouvements.FieldByName("DateMouvement").SetAsDateTime(kDebut + static_cast<double>(aleas() % 365));
        mouvements.FieldByName("TypeMouvement").SetAsInteger(type);
        mouvements.FieldByName("IDCedant").SetAsInteger(a);
        mouvements.Post();
        const int id = mouvements.FieldByName("AutoID").AsInteger();
        switch (type) {
            case 0: case 4: case 5: ligne(id, a, "NbPartsPPDim", n), ligne(id, b, "NbPartsPPAug", n); break;
            case 1: ligne(id, a, "NbPartsNPDim", n), ligne(id, b, "NbPartsNPAug", n); break;
            case 2: ligne(id, a, "NbPartsUDim", n), ligne(id, b, "NbPartsUAug", n); break;
            case 3: ligne(id, a, "NbPartsPPDim", n, "NbPartsUAug"), ligne(id, b, "NbPartsNPAug", n); break;
            default: ligne(id, a, "NbPartsPPAug", n, "NbPartsNPDim"), ligne(id, b, "NbPartsUDim", n); break;
        }
    }
}

// One dossier per size, filled once, its data module created (not started).
void OuvrirDossier(int associes, int details) {
    static const fs::path racine = bench::PrivateRoot();
    static std::unique_ptr<standalone::StandaloneHost> hote;
    static std::pair<int, int> taille;
    if (hote && taille == std::pair(associes, details)) return;
    DetruireDataModuleKV();
    hote.reset();
    const fs::path dossier = racine / ("dossier-" + std::to_string(associes) + "-" + std::to_string(details));
    const bool nouveau = !fs::exists(dossier);
    if (nouveau) {
        standalone::DossierFichier::Creer(dossier, {{"Exercice", "Debut", FormatDate(kDebut)},
                                                    {"Exercice", "Situation", FormatDate(kSituation)}});
        store::InitialiserNouveauDossier(dossier);
    }
    hote = standalone::StandaloneHost::Open(dossier);
    taille = {associes, details};
    InitDataModuleKV();
    if (!nouveau) return;
    db::Session& session = frame::DataModule()->Donnees().Session();
    db::Transaction transaction(session);
    AjouterAssocies(session, associes);
    AjouterMouvements(session, associes, details);
    transaction.Commit();
}

// As a new process finds it: a new data module, started, over an empty working position table.
void NouveauModule() {
    DetruireDataModuleKV();
    InitDataModuleKV();
    InitKV();
    db::CQuery vider(frame::DataModule()->Donnees().Session());
    vider.SetDatabaseName(db::ALIAS_TMP);
    vider.SQL().Add("DELETE FROM MouvementKV");
    vider.ExecSQL();
}

void Compter(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["associes"] = static_cast<double>(DonnerListeAssocies(false)->size());
}

void BM_PremierChargement(benchmark::State& state) {
    OuvrirDossier(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        state.PauseTiming();
        NouveauModule();
        state.ResumeTiming();
        InitListeAssocies(false);
    }
    Compter(state);
}

void BM_SecondChargement(benchmark::State& state) {
    OuvrirDossier(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    NouveauModule();
    InitListeAssocies(false);
    for (auto _ : state) InitListeAssocies(false);
    Compter(state);
}

// A command's process starts with empty working tables: the synthesis too.
void BM_Registre(benchmark::State& state) {
    OuvrirDossier(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::size_t octets = 0;
    for (auto _ : state) {
        state.PauseTiming();
        NouveauModule();
        db::CQuery vider(frame::DataModule()->Donnees().Session());
        vider.SetDatabaseName(db::ALIAS_TMP);
        vider.SQL().Add("DELETE FROM SyntheseMouvementKV");
        vider.ExecSQL();
        state.ResumeTiming();
        const movements::Registre registre = movements::ConstruireRegistre(*frame::DataModule());
        octets = movements::RegistreEnCsv(registre, movements::TableRegistre::Mouvements, true).size();
        benchmark::DoNotOptimize(octets);
    }
    state.counters["csv_MB"] = static_cast<double>(octets) / 1e6;
    Compter(state);
}

BENCHMARK(BM_PremierChargement)->Args({10000, 100000})->Args({20000, 200000})->Unit(benchmark::kMillisecond)
    ->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_SecondChargement)->Args({10000, 100000})->Args({20000, 200000})->Unit(benchmark::kMillisecond)
    ->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_Registre)->Args({10000, 100000})->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();

}  // namespace
