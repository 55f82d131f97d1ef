// The data chain's steps, each on the case it is for, run as the chain registers them: a dossier
// in the current layout given the older values each step converts.
#include "common/numbers.hpp"
#include "migration/donnees_etapes.hpp"
#include "migration/etapes_donnees.hpp"
#include "frame/etat_module.hpp"
#include "support/requete_sql.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/nom_du_cas.hpp"

#include <kvarn/adresse.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

namespace kvarn::migration {
namespace {

environment::CGestTRPIni& Parametres() { return ParametresDuDossier(*frame::DataModule()); }
void Sql(const std::string& sql) { frame::DataModule()->Donnees().Session().connection().Execute(sql); }
void Associe(int id, const std::string& colonnes, const std::string& valeurs) {
    Sql("INSERT INTO KOLMIKV1 (ShIDAssocie, Nom, " + colonnes + ") VALUES (" + std::to_string(id) + ", 'A', " + valeurs + ")");
}
std::string Cles(const char* section, std::initializer_list<const char*> cles) {
    std::string texte;
    for (const char* cle : cles) texte += Parametres().GetAssString(section, cle) + ";";
    return texte;
}

struct Cas {
    const char* nom;
    std::uint32_t numero;
    std::function<void(standalone::DossierFichier&)> avant;
    std::function<std::string()> lire;  // what the step changes, after it ran
    std::string attendu;
};

class EtapesDonnees : public testing_support::ModuleDemarre, public testing::WithParamInterface<Cas> {};

TEST_P(EtapesDonnees, ConvertTheValuesTheyAreFor) {
    const Cas& cas = GetParam();
    cas.avant(*host_->Dossier());
    store::ChainesMigration chaines;
    EnregistrerEtapesDonnees(chaines);
    const auto etape = std::find_if(chaines.donnees.begin(), chaines.donnees.end(),
                                    [&](const store::EtapeMigration& e) { return e.numero == cas.numero; });
    ASSERT_NE(etape, chaines.donnees.end());
    etape->methode();
    EXPECT_EQ(cas.lire(), cas.attendu);
}

void FormesJuridiques(int structureInitiale) {
    Parametres().SetAssInteger("KVDonnees", "StructureInitiale", structureInitiale);
    Associe(1, "PersonnePhysique, Titre", "0, 4");
    Associe(2, "PersonnePhysique, Titre", "1, 1");
}
std::string Titres() { return testing_support::LignesSql("SELECT Titre FROM KOLMIKV1 ORDER BY ShIDAssocie"); }
std::string Siege() {
    TAdresseFormatTDFC precedent, courant;
    frame::DataModule()->Environnement().GetAdresseSiegeSocial(&precedent, &courant);
    return precedent.NomVoie + ";" + courant.NomVoie + " " + courant.CP + " " + courant.Ville + ";";
}

const Cas kCas[] = {
    {"FormesJuridiquesDecalees", 0x10500, [](auto&) { FormesJuridiques(0x10404); }, Titres, "5;1;"},
    {"FormesJuridiquesDejaAJour", 0x10500, [](auto&) { FormesJuridiques(0x10406); }, Titres, "4;1;"},
    {"Signature", 0x10501,
     [](auto&) {
         Parametres().SetAssString("DEFAUT", "SignNom", "Jeanne Dupont");
         Parametres().SetAssString("DEFAUT", "SignDate", "01/02/2003");
         Parametres().SetAssString("KV", "SignDate", "04/05/2006");
     },
     [] { return Cles("KV", {"SignNom", "SignDate"}) + Cles("DEFAUT", {"SignNom", "SignDate"}); },
     "Jeanne Dupont;04/05/2006;;;"},
    {"ValeursVidesDesAnciennesVersions", 0x10502,
     [](auto&) {
         Associe(1, "NbParts, NbPartsU, CleRepartition, BeneficeSaisi, PVLTSaisi",
                 "-1.7976931348623157e308, 12.5, -32768, -2147483647, -32767");
     },
     [] { return testing_support::LignesSql("SELECT NbParts, NbPartsU, CleRepartition, BeneficeSaisi, PVLTSaisi FROM KOLMIKV1"); },
     "NULL|12.5|NULL|NULL|-32767;"},
    {"CapitalDeLaCategorie", 0x10503,
     [](standalone::DossierFichier& dossier) {
         dossier.Modifier({{"Dossier", "Categorie", "3"}});
         Parametres().SetAssString("BN", "MontantCapital", "1500,5");
         Parametres().SetAssString("CF", "MontantCapital", "99");
     },
     [] {
         return Cles("BN", {"MontantCapital"}) + Cles("CF", {"MontantCapital"}) +
                std::to_string(ZORStr2Double(Parametres().GetAssString("KV", "MontantCapital")));
     },
     ";99;1500.500000"},
    {"SiegeSocialVide", 0x10902,
     [](auto&) {
         TAdresseFormatTDFC precedent, courant;
         precedent.NomVoie = "RUE DU MOULIN", precedent.CP = "35000", precedent.Ville = "RENNES";
         frame::DataModule()->Environnement().SetAdresseSiegeSocial(&precedent, &courant);
     },
     Siege, ";RUE DU MOULIN 35000 RENNES;"},
    {"PaysVidesOuZero", 0x11600,
     [](auto&) {
         Associe(1, "AdrIDPays, IDPaysNaissance, Adr1JanIDPays", "NULL, 0, 99");
         Associe(2, "AdrIDPays, IDPaysNaissance, Adr1JanIDPays", "34, NULL, 0");
     },
     [] { return testing_support::LignesSql("SELECT AdrIDPays, IDPaysNaissance, Adr1JanIDPays FROM KOLMIKV1 ORDER BY ShIDAssocie"); },
     "76|76|99;34|76|76;"},
    {"CategoriesDePremierNiveau", 0x12010,
     [](auto&) {
         Parametres().SetAssString("KV", "CategorieJuridique", "1300");
         Associe(1, "CategorieJuridique", "'1500'");
     },
     [] { return Cles("KV", {"CategorieJuridique"}) + testing_support::LignesSql("SELECT CategorieJuridique FROM KOLMIKV1"); },
     "1000;1000;"},
    {"CategoriesRetirees", 0x21000,
     [](auto&) {
         Parametres().SetAssString("KV", "CategorieJuridique", "5498");
         Associe(1, "CategorieJuridique", "'6588'");
     },
     [] { return Cles("KV", {"CategorieJuridique"}) + testing_support::LignesSql("SELECT CategorieJuridique FROM KOLMIKV1"); },
     ";NULL;"},
};
INSTANTIATE_TEST_SUITE_P(Donnees, EtapesDonnees, testing::ValuesIn(kCas), testing_support::NomDuCas());

}  // namespace
}  // namespace kvarn::migration
