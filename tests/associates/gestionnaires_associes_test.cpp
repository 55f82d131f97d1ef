#include "associates/table_associes.hpp"
#include "associes_fixture.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvarn::associates {
namespace {

using testing_support::NomDuCas;

const Colonnes kPhysique{{"PersonnePhysique", 1},
                         {"Nom", "Martin"},
                         {"NomPatronymique", "Durand"},
                         {"Prenoms", "Claire"},
                         {"Titre", TAP_MME},
                         {"Qualite", QA_GERANT_ASSOCIE},
                         {"RegimeImpositionSCI", RIS_RF},
                         {"SituationFamille", SF_MARIE},
                         {"NbParts", 1234.5}};
const Colonnes kMorale{{"PersonnePhysique", 0},  {"Nom", "Holding Martin"}, {"NomPatronymique", "Durand"},
                       {"Prenoms", "(filiale)"}, {"Titre", 4 /* SARL */},   {"Qualite", QA_ASSOCIE}};
const Colonnes kAdresse{{"AdrNoVoie", "12"},
                        {"AdrNomVoie", "rue des Lilas"},
                        {"AdrCP", "69003"},
                        {"AdrVille", "LYON"},
                        {"AdrComplmt2", "Bât. B "}};
const std::string kAdresseAffichee = "12  rue des Lilas 69003 LYON  Bât. B";
const std::string kSarl = "Société à responsabilité limitée";

struct Affichage {
    std::string nom;
    int mode;
    const Colonnes* personne;
    // NomAffichage, Identite, AdresseAffichage, IdentiteComplete, the texts of Titre, Qualite,
    // RegimeImpositionSCI, SituationFamille, NbParts; then the record's designation and short regime.
    std::vector<std::string> attendus;
};

class DisplayOfAnAssociate : public TableAssocies, public testing::WithParamInterface<Affichage> {};

TEST_P(DisplayOfAnAssociate, TextsAndCalculatedColumnsFollowTheLoadingMode) {
    _KVAffecterAssistantDeChargement(GetParam().mode);
    Colonnes ligne = *GetParam().personne;
    ligne.insert(ligne.end(), kAdresse.begin(), kAdresse.end());
    Ajouter(ligne);
    db::CTable& t = Table();
    t.First();
    const Associe lu = LireAssocie(t);
    const std::vector<std::string> vus{t.FieldByName("NomAffichage").AsString(),
                                       t.FieldByName("Identite").AsString(),
                                       t.FieldByName("AdresseAffichage").AsString(),
                                       t.FieldByName("IdentiteComplete").AsString(),
                                       t.FieldByName("Titre").DisplayText(),
                                       t.FieldByName("Qualite").DisplayText(),
                                       t.FieldByName("RegimeImpositionSCI").DisplayText(),
                                       t.FieldByName("SituationFamille").DisplayText(),
                                       t.FieldByName("NbParts").DisplayText(),
                                       lu.GetDesignationAssocie(),
                                       lu.GetTextRegimeImpositionSCI()};
    EXPECT_EQ(vus, GetParam().attendus);
}

INSTANTIATE_TEST_SUITE_P(
    Personnes, DisplayOfAnAssociate,
    testing::Values(
        Affichage{"PhysiqueMode5",
                  5,
                  &kPhysique,
                  {"Durand", "Durand Claire", kAdresseAffichee, "MME Durand Claire", "MME", "Gérant Associé",
                   "Revenus fonciers", "Marié", "1 234,50000", "Durand Claire", "RF"}},
        Affichage{"PhysiqueMode4",
                  4,
                  &kPhysique,
                  {"Martin", "Martin Claire", kAdresseAffichee, "MME Martin Claire", "MME", "Gérant Associé",
                   "Revenus fonciers", "Marié", "1 234,50000", "Martin Claire", "RF"}},
        Affichage{"MoraleMode5",
                  5,
                  &kMorale,
                  {"Holding Martin", "Holding Martin (filiale)", kAdresseAffichee, kSarl + " Holding Martin (filiale)",
                   kSarl, "Associé", "", "", "", "Holding Martin", ""}},
        Affichage{"MoraleMode4",
                  4,
                  &kMorale,
                  {"Holding Martin", "Holding Martin (filiale)", kAdresseAffichee, kSarl + " Holding Martin (filiale)",
                   kSarl, "Associé", "", "", "", "Holding Martin (filiale)", ""}}),
    NomDuCas());

struct TexteColonne {
    std::string nom, colonne;
    db::Value valeur;
    std::string texte;
};

class ColumnText : public TableAssocies, public testing::WithParamInterface<TexteColonne> {};

TEST_P(ColumnText, ShowsTheLabelOrTheFigure) {
    Ajouter({{GetParam().colonne, GetParam().valeur}});
    EXPECT_EQ(Table().FieldByName(GetParam().colonne).DisplayText(), GetParam().texte);
}

INSTANTIATE_TEST_SUITE_P(
    Valeurs, ColumnText,
    testing::Values(TexteColonne{"RegimeVide", "RegimeImpositionSCI", {}, ""},
                    TexteColonne{"RegimeAucun", "RegimeImpositionSCI", -1, ""},
                    TexteColonne{"RegimeBIC", "RegimeImpositionSCI", 0, "BIC"},
                    TexteColonne{"RegimeHorsTable", "RegimeImpositionSCI", 5, ""},
                    TexteColonne{"QualiteVideCommeZero", "Qualite", {}, "Exploitant"},
                    TexteColonne{"QualiteHorsTable", "Qualite", 13, ""},
                    TexteColonne{"SituationVide", "SituationFamille", {}, ""},
                    TexteColonne{"SituationPacse", "SituationFamille", 5, "Pacsé"},
                    TexteColonne{"SituationAucune", "SituationFamille", -1, ""},
                    TexteColonne{"PartsVides", "NbParts", {}, ""}, TexteColonne{"PartsZero", "NbParts", 0.0, ""},
                    TexteColonne{"PartsSommeInexacte", "NbParts", 0.1 + 0.2, "0,30000"},
                    TexteColonne{"PartsQuinzeChiffres", "NbParts", 123456789012.123456, "123 456 789 012,12300"},
                    TexteColonne{"PartsNegatives", "NbParts", -2.5, "-2,50000"}),
    NomDuCas());

TEST_F(TableAssocies, TitleOfAnEmptyTableShowsNothing) {
    ASSERT_TRUE(Table().IsEmpty());
    EXPECT_EQ(Table().FieldByName("Titre").DisplayText(), "");
}

}  // namespace
}  // namespace kvarn::associates
