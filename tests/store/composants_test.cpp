// The data module's own components as the module creates them: each with the fields, widths,
// display formats and labels of its declaration, in its declared order; the query components on
// their aliases; the screens' working objects created on demand.
#include "frame/etat_module.hpp"
#include "store/data_module.hpp"
#include "support/dossier_ouvert.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace kvarn::store {
namespace {

TdmKvarn& Module() { return *frame::DataModule(); }
db::CTable& Composant(const char* nom) { return Module().Donnees().Composant(nom); }

class Composants : public testing_support::ModuleOuvert {};

struct CasChamp {
    const char* nom;
    const char* composant;
    const char* champ;
    int largeur;
    const char* format;
    const char* titre;
};

const CasChamp kChamps[] = {
    {"ParTraitementLeCodePostalA5", "tblAssociesKVTraitement", "AdrCP", 5, "", "AdrCP"},
    {"ParTraitementLaVilleA31", "tblAssociesKVTraitement", "AdrVille", 31, "", "AdrVille"},
    {"AssociesLeCodePostalEntier", "tblAssociesKV", "AdrCP", 17, "", "AdrCP"},
    {"AssociesLesPartsACinqDecimales", "tblAssociesKV", "NbParts", 0, "#,####0.00000", "NbParts"},
    {"AssociesLePourcentageCalcule", "tblAssociesKV", "PourcentageDetention", 0, "#,##0.00", "PourcentageDetention"},
    {"DetailsLesPartsAvant", "tblDetMouvParts", "NbPartsPPAvant", 0, "#,####0.00000", "NbPartsPPAvant"},
    {"DetailsLesPartsAjoutees", "tblDetMouvParts", "NbPartsUAug", 0, "#,####0.00000", "NbPartsUAug"},
    {"DeductionsLeMontantBIC", "tblDiversFisc", "MontantBIC", 0, "", "BIC/IS"},
    {"DeductionsLeMontantBNC", "tblDiversFisc", "MontantBNC", 0, "", "BNC"},
    {"ResultatsLeBenefice", "tblResultatsAssocies", "Benefice", 0, "", "Bénéfice"},
    {"ResultatsLeNom", "tblResultatsAssocies", "Denomination", 100, "", "Nom ou dénomination"},
    {"ResultatsLeRegime", "tblResultatsAssocies", "RegimeImpositionSCI", 0, "", "Régime fiscal"},
};

void PrintTo(const CasChamp& cas, std::ostream* os) { *os << cas.composant << '.' << cas.champ; }

class ChampDeclare : public Composants, public testing::WithParamInterface<CasChamp> {};

TEST_P(ChampDeclare, ALaLargeurAuFormatEtAuTitreDeSaDeclaration) {
    const CasChamp& cas = GetParam();
    db::CTable& table = Composant(cas.composant);
    table.Open();
    db::Field& champ = table.FieldByName(cas.champ);
    EXPECT_EQ(champ.Size(), cas.largeur);
    EXPECT_EQ(champ.DisplayFormat(), cas.format);
    EXPECT_EQ(champ.DisplayLabel(), cas.titre);
    table.Close();
}

INSTANTIATE_TEST_SUITE_P(Declarations, ChampDeclare, testing::ValuesIn(kChamps), testing_support::NomDuCas());

TEST_F(Composants, ChacunMontreLesChampsDeSaDeclarationDansLeurOrdre) {
    struct Vue {
        const char* composant;
        int champs;
        const char* premier;
        const char* dernier;
    };
    for (const Vue& vue : {Vue{"tblResultatsAssocies", 33, "Benefice", "AbandonsSaisi"},
                           Vue{"tblAssociesKVTraitement", 21, "ShIDAssocie", "NbPartsN"},
                           Vue{"tblAssociesKV", 137, "ShIDAssocie", "IDSP"},
                           Vue{"tblDiversFiscPartAssocie", 9, "AutoID", "EstPourBA"}}) {
        SCOPED_TRACE(vue.composant);
        db::CTable& table = Composant(vue.composant);
        table.Open();
        ASSERT_EQ(table.FieldCount(), vue.champs);
        EXPECT_EQ(table.Fields(0).FieldName(), vue.premier);
        EXPECT_EQ(table.Fields(vue.champs - 1).FieldName(), vue.dernier);
        table.Close();
    }
}

TEST_F(Composants, LesMontantsParAssocieSeLisentDansLOrdreDeLeurDeduction) {
    db::CTable& montants = Composant("tblDiversFiscPartAssocie");
    montants.Open();
    for (const int deduction : {3, 1, 2}) {
        montants.Append();
        montants.FieldByName("IdDiversFisc").SetAsInteger(deduction);
        montants.FieldByName("IdAssocie").SetAsInteger(1);
        montants.Post();
    }
    std::vector<int> lus;
    for (montants.First(); !montants.Eof(); montants.Next()) lus.push_back(montants.FieldByName("IdDiversFisc").AsInteger());
    EXPECT_EQ(lus, (std::vector<int>{1, 2, 3}));
    montants.Close();
}

struct CasRequete {
    const char* nom;
    const char* requete;
    const char* table;  // a table its alias holds
};

const CasRequete kRequetes[] = {
    {"AssociesSurLeDossier", "QAssociesKV", "KOLMIKV1"},
    {"TraitementSurLeDossier", "qTraitement", "KOLMIKVM"},
    {"TraitementTmpSurLesTablesDeTravail", "qTraitementTmp", "MouvementKV"},
};

void PrintTo(const CasRequete& cas, std::ostream* os) { *os << cas.requete; }

class RequeteDuModule : public Composants, public testing::WithParamInterface<CasRequete> {};

TEST_P(RequeteDuModule, LitLesTablesDeSonAlias) {
    db::CQuery& requete = Module().Donnees().Requete(GetParam().requete);
    requete.SQL().Clear();
    requete.SQL().Add(std::string("SELECT COUNT(*) AS N FROM ") + GetParam().table);
    requete.Open();
    EXPECT_EQ(requete.FieldByName("N").AsInteger(), 0);
    requete.Close();
}

INSTANTIATE_TEST_SUITE_P(Requetes, RequeteDuModule, testing::ValuesIn(kRequetes), testing_support::NomDuCas());

TEST_F(Composants, UnNomInconnuEstRefuse) {
    EXPECT_THROW(Module().Donnees().Requete("qInconnue"), std::out_of_range);
    EXPECT_THROW(Module().Donnees().Composant("tblInconnue"), std::out_of_range);
}

TEST_F(Composants, LesObjetsDesEcransSontCreesALaDemandeEtGardes) {
    EXPECT_EQ(Module().ObjetPresent(ObjetEcran::Intervenants), nullptr);
    const auto donner = [this](bool declarant) -> CIntervenants& {
        return Module().DonnerObjet<CIntervenants>(ObjetEcran::Intervenants, 0, declarant, true, true, true, true, true,
                                                   true, false);
    };
    CIntervenants& intervenants = donner(true);
    EXPECT_EQ(intervenants.GetTypeEcran(), TE_INTERVENANTS);
    EXPECT_EQ(&donner(false), &intervenants);  // the one there is kept, its switches with it
    EXPECT_TRUE(intervenants.AfficherDeclarant);
    EXPECT_EQ(Module().ObjetPresent(ObjetEcran::AdresseDestinataire), nullptr);
    EXPECT_THROW(Module().DonnerObjet<CAdresseDestinataire>(ObjetEcran::Intervenants, 0, true, true, true, false), std::logic_error);
    Module().LibererObjet(ObjetEcran::Intervenants);
    EXPECT_EQ(Module().ObjetPresent(ObjetEcran::Intervenants), nullptr);
}

}  // namespace
}  // namespace kvarn::store
