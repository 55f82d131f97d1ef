// The record's own texts and the six code tables, with no table behind them.
#include <kvarn/associe.hpp>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(Associe, BirthDepartmentFollowsTheRulesInOrder) {
    // {physical person, country of birth, birth postcode, INSEE code, department}
    const std::tuple<bool, int, const char*, const char*, const char*> cas[] = {
        {false, 76, "75008", "", ""}, {true, 99, "75008", "", "99"},     {true, 76, "20090", "", "2A"},
        {true, 76, "20137", "", "2A"}, {true, 76, "20223", "", "2A"},    {true, 76, "20224", "", "2B"},
        {true, 76, "20600", "", "2B"}, {true, 76, "98000", "", ""},      {true, 76, "97400", "", "974"},
        {true, 76, "75008", "", "75"}, {true, 76, "", "69123", "69"},    {true, 76, "13001", "69123", "13"},
        {true, 76, "", "", ""}};
    for (const auto& [physique, pays, cp, insee, departement] : cas) {
        Associe a;
        std::tie(a.PersonnePhysique, a.IDPaysNaissance, a.CPNaissance, a.CodeInseeNaissance) =
            std::tuple(physique, pays, cp, insee);
        EXPECT_EQ(a.GetDeptNaissance(), departement) << pays << " " << cp << " " << insee;
    }
}

TEST(Associe, TitleRegimeAndSexCode) {
    // {physical person, title, text, EDI text, sex code}; 27 is an association, 98 no legal form
    const std::tuple<bool, int, const char*, const char*, int> cas[] = {
        {true, 0, "M", "M", 1},    {true, 1, "MME", "MME", 2},   {true, 2, "MLE", "MLE", 2},
        {true, -1, "", "", 0},     {true, 4, "", "", 0},         {false, 27, "Association", "ASSOCIATION", 0},
        {false, -1, "", "", 0},    {false, 98, "", "", 0}};
    for (const auto& [physique, titre, texte, texteEDI, sexe] : cas) {
        Associe a;
        std::tie(a.PersonnePhysique, a.Titre) = std::tuple(physique, titre);
        EXPECT_EQ(std::tuple(a.GetTextTitre(), a.GetTextTitreEDI(), a.GetCodeSexe()), std::tuple(texte, texteEDI, sexe))
            << titre;
    }
    const char* codes[] = {"", "BIC", "IS", "BA", "RF", "BNC", ""};  // the short codes, not the labels
    Associe associe;
    for (associe.RegimeImpositionSCI = -1; associe.RegimeImpositionSCI <= 5; ++associe.RegimeImpositionSCI)
        EXPECT_EQ(associe.GetTextRegimeImpositionSCI(), codes[associe.RegimeImpositionSCI + 1]);
}

using Liste = std::vector<std::string>;

// A code table: its labels by code, both ways; all of them in a list, in code order; "" outside.
template <class Code>
void VerifierTable(std::string (*libelle)(Code), void (*remplir)(Liste&, bool), Code (*code)(const std::string&),
                   const Liste& parCode) {
    Liste liste{"ancien contenu"};
    remplir(liste, false);
    EXPECT_EQ(liste, parCode);
    for (int c = 0; c < static_cast<int>(parCode.size()); ++c)
        EXPECT_EQ(std::pair(libelle(Code(c)), code(parCode[c])), std::pair(parCode[c], Code(c)));
    EXPECT_EQ(libelle(Code(-1)) + libelle(Code(parCode.size())), "") << parCode[0];
}

TEST(CodeTables, LabelsByCodeBothWaysInListsAndInFrenchOrder) {
    const Liste civilites{"M", "MME", "MLE"};
    const Liste qualites{"Exploitant", "Gérant", "PDG", "DG", "Président du Directoire", "Membre du Directoire", "DGU",
                         "Associé", "Gérant Associé", "Gérant non Associé", "Bénéficiaire", "Président", "Cogérant"};
    VerifierTable(CCivilite::Civilite, CCivilite::RemplirListeCivilites, CCivilite::DonneCivilite, civilites);
    VerifierTable(CQualiteAssocie::QualiteAssocie, CQualiteAssocie::RemplirListeQualites, CQualiteAssocie::DonneQualite,
                  qualites);
    VerifierTable(CSituationFamille::SituationFamille, CSituationFamille::RemplirListeSituationsFamille,
                  CSituationFamille::DonneSituationFamille,
                  {"Célibataire", "Marié", "Séparé", "Divorcé", "Veuf", "Pacsé"});
    VerifierTable(CRegimeImposition::RegimeImposition, CRegimeImposition::RemplirListeRegimesImposition,
                  CRegimeImposition::DonneRegimeImposition, {"BIC", "IS", "BA", "Revenus fonciers", "BNC"});
    VerifierTable(CRegimeMatrimonial::RegimeMatrimonial, CRegimeMatrimonial::RemplirListeRegimesMatrimoniaux,
                  CRegimeMatrimonial::DonneRegimeMatrimonial,
                  {"Séparations de biens", "Communauté réduite aux acquêts", "Communauté de meubles et acquêts",
                   "Participation aux acquêts", "Communauté universelle"});
    VerifierTable(CStatutConjoint::StatutConjoint, CStatutConjoint::RemplirListeStatutsConjoint,
                  CStatutConjoint::DonneStatutConjoint,
                  {"Collaborateur", "Salarié dans l'entreprise", "Assistant", "Sans fonction dans l'entreprise"});
    EXPECT_EQ(Liste(__strTitrePhy, __strTitrePhy + 3), civilites);
    EXPECT_EQ(Liste(__strQualiteAssocie, __strQualiteAssocie + 13), qualites);
    Liste liste;
    CSituationFamille::RemplirListeSituationsFamille(liste, true);
    EXPECT_EQ(liste, (Liste{"Célibataire", "Divorcé", "Marié", "Pacsé", "Séparé", "Veuf"}));
    CQualiteAssocie::RemplirListeQualites(liste, true);
    EXPECT_EQ(liste, (Liste{"Associé", "Bénéficiaire", "Cogérant", "DG", "DGU", "Exploitant", "Gérant",
                            "Gérant Associé", "Gérant non Associé", "Membre du Directoire", "PDG", "Président",
                            "Président du Directoire"}));
}

TEST(CodeTables, TypedLabelsAreLookedUpInFrenchUpperCase) {
    EXPECT_EQ((std::vector{CQualiteAssocie::DonneQualite("gérant associé"), CQualiteAssocie::DonneQualite(""),
                           CQualiteAssocie::DonneQualite("Gérante")}),
              (std::vector{QA_GERANT_ASSOCIE, QA_AUCUNE, QA_AUCUNE}));
    EXPECT_EQ(CCivilite::DonneCivilite("mme"), TAP_MME);
    EXPECT_EQ(CRegimeImposition::DonneRegimeImposition("RF"), RIS_AUCUN);  // a short code is no label
}

}  // namespace
