#include "dossier_genere.hpp"

#include "common/dates.hpp"
#include "db/query.hpp"
#include "db/transaction.hpp"
#include "frame/etat_module.hpp"
#include "standalone/dossier_fichier.hpp"
#include "standalone/standalone_host.hpp"
#include "store/nouveau_dossier.hpp"

#include "private_root.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <utility>

namespace kvarn::bench {
namespace {

namespace fs = std::filesystem;

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
        mouvements.FieldByName("DateMouvement").SetAsDateTime(kDebutExercice + static_cast<double>(aleas() % 365));
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

}  // namespace

// One dossier per size, filled once, its data module created (not started).
void OuvrirDossierGenere(int associes, int details) {
    static const fs::path racine = PrivateRoot();
    static std::unique_ptr<standalone::StandaloneHost> hote;
    static std::pair<int, int> taille;
    if (hote && taille == std::pair(associes, details)) return;
    DetruireDataModuleKV();
    hote.reset();
    const fs::path dossier = racine / ("dossier-" + std::to_string(associes) + "-" + std::to_string(details));
    const bool nouveau = !fs::exists(dossier);
    if (nouveau) {
        standalone::DossierFichier::Creer(dossier, {{"Exercice", "Debut", FormatDate(kDebutExercice)},
                                                    {"Exercice", "Situation", FormatDate(kDateSituation)}});
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

// As a new process finds it: a new data module, started, over empty working tables of positions
// and of the movements' synthesis.
void NouveauModuleDemarre() {
    DetruireDataModuleKV();
    InitDataModuleKV();
    InitKV();
    for (const char* table : {"MouvementKV", "SyntheseMouvementKV"}) {
        db::CQuery vider(frame::DataModule()->Donnees().Session());
        vider.SetDatabaseName(db::ALIAS_TMP);
        vider.SQL().Add(std::string("DELETE FROM ") + table);
        vider.ExecSQL();
    }
}

}  // namespace kvarn::bench
