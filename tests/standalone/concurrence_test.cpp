// Two processes changing the same file at once: every change either acknowledged is on disk at the
// end, for each file the standalone host replaces whole (the settings file, the dossier record,
// the outside-party directory).
#include "common/ini_file.hpp"
#include "standalone/annuaire_fichier.hpp"
#include "standalone/dossier_fichier.hpp"
#include "standalone/fichier_ini_partage.hpp"
#include "support/child.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/scripted_boxes.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace kvarn::standalone {
namespace {

namespace fs = std::filesystem;

struct Ecrivain {
    const char* nom;
    int ecrituresParProcessus;
    // Writes change number `n` of process `processus`, as its own acknowledged change.
    std::function<void(const fs::path& dossier, const std::string& cle)> ecrire;
    // The distinct changes the file holds at the end.
    std::function<std::size_t(const fs::path& dossier)> compter;
};

const Ecrivain kEcrivains[] = {
    {"parametres", 400,
     [](const fs::path& d, const std::string& cle) { FichierIniPartage(d / kFichierParametres).SetString("KV", cle, "1"); },
     [](const fs::path& d) { return IniFile(d / kFichierParametres, kWindowsIni).Document().Entries("KV").size(); }},
    {"dossier", 400,
     [](const fs::path& d, const std::string& cle) { DossierFichier::Ouvrir(d)->Modifier({{"Essai", cle, "1"}}); },
     [](const fs::path& d) { return IniFile(d / kFichierDossier, kUtf8Ini).Document().Entries("Essai").size(); }},
    {"annuaire", 100,
     [](const fs::path& d, const std::string& cle) {
         testing_support::QueuedChoice choix;
         AnnuaireFichier(d / "intervenants.ini", nullptr, choix).Ajouter({.Type = host::kComptable, .Nom = cle});
     },
     [](const fs::path& d) {
         testing_support::QueuedChoice choix;
         std::set<int> ids;
         for (const Intervenant& i : AnnuaireFichier(d / "intervenants.ini", nullptr, choix).Lister()) ids.insert(i.Id);
         return ids.size();  // two parties given one number would count once
     }},
};

void PrintTo(const Ecrivain& ecrivain, std::ostream* os) { *os << ecrivain.nom; }

class DeuxProcessus : public testing::TestWithParam<Ecrivain> {};

TEST_P(DeuxProcessus, GardentChacunToutesLeursEcritures) {
    const Ecrivain& ecrivain = GetParam();
    const fs::path dossier = fs::temp_directory_path() / (std::string("concurrence-") + ecrivain.nom);
    fs::remove_all(dossier);
    DossierFichier::Creer(dossier, {{"Dossier", "Nom", "Essai"}});
    std::vector<pid_t> enfants;
    for (int processus = 0; processus < 2; ++processus)
        enfants.push_back(testing_support::StartChild([&] {
            for (int n = 0; n < ecrivain.ecrituresParProcessus; ++n)
                ecrivain.ecrire(dossier, "P" + std::to_string(processus) + "_" + std::to_string(n));
            return 0;
        }));
    for (const pid_t enfant : enfants) EXPECT_EQ(testing_support::ExitStatus(enfant), 0);
    EXPECT_EQ(ecrivain.compter(dossier), 2u * static_cast<std::size_t>(ecrivain.ecrituresParProcessus));
}

INSTANTIATE_TEST_SUITE_P(Fichiers, DeuxProcessus, testing::ValuesIn(kEcrivains), testing_support::NomDuCas());

}  // namespace
}  // namespace kvarn::standalone
