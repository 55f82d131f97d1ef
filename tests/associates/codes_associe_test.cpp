#include "support/dossier_ouvert.hpp"

#include <kvarn/associe.hpp>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Liste = std::vector<std::string>;

struct TableCodes {
    std::string nom;
    std::function<std::string(int)> libelle;
    std::function<void(Liste&, bool)> remplir;
    std::function<int(const std::string&)> code;
    const char* const* tableau;                           // the exported label array, when the table has one
    Liste parCode, francais;                              // the labels by code, and as a French reader sorts them
    std::vector<std::pair<std::string, int>> recherches;  // texts typed by a user, and their codes
};

template <class Code>
TableCodes Table(std::string nom, std::string (*libelle)(Code), void (*remplir)(Liste&, bool),
                 Code (*code)(const std::string&), const char* const* tableau, Liste parCode, Liste francais,
                 std::vector<std::pair<std::string, int>> recherches) {
    return {std::move(nom), [libelle](int c) { return libelle(static_cast<Code>(c)); }, remplir,
            [code](const std::string& t) { return static_cast<int>(code(t)); }, tableau, parCode, francais, recherches};
}

const std::vector<TableCodes> kTables{
    Table("Civilite", CCivilite::Civilite, CCivilite::RemplirListeCivilites, CCivilite::DonneCivilite, __strTitrePhy,
          {"M", "MME", "MLE"}, {"M", "MLE", "MME"}, {{"mme", 1}, {" M", -1}, {"", -1}}),
    Table("SituationFamille", CSituationFamille::SituationFamille, CSituationFamille::RemplirListeSituationsFamille,
          CSituationFamille::DonneSituationFamille, nullptr,
          {"Célibataire", "Marié", "Séparé", "Divorcé", "Veuf", "Pacsé"},
          {"Célibataire", "Divorcé", "Marié", "Pacsé", "Séparé", "Veuf"}, {{"pacsé", 5}, {"Pacs", -1}}),
    Table("RegimeMatrimonial", CRegimeMatrimonial::RegimeMatrimonial,
          CRegimeMatrimonial::RemplirListeRegimesMatrimoniaux, CRegimeMatrimonial::DonneRegimeMatrimonial, nullptr,
          {"Séparations de biens", "Communauté réduite aux acquêts", "Communauté de meubles et acquêts",
           "Participation aux acquêts", "Communauté universelle"},
          {"Communauté de meubles et acquêts", "Communauté réduite aux acquêts", "Communauté universelle",
           "Participation aux acquêts", "Séparations de biens"},
          {{"COMMUNAUTÉ UNIVERSELLE", 4}}),
    Table("StatutConjoint", CStatutConjoint::StatutConjoint, CStatutConjoint::RemplirListeStatutsConjoint,
          CStatutConjoint::DonneStatutConjoint, nullptr,
          {"Collaborateur", "Salarié dans l'entreprise", "Assistant", "Sans fonction dans l'entreprise"},
          {"Assistant", "Collaborateur", "Salarié dans l'entreprise", "Sans fonction dans l'entreprise"},
          {{"salarié dans l'entreprise", 1}}),
    Table("QualiteAssocie", CQualiteAssocie::QualiteAssocie, CQualiteAssocie::RemplirListeQualites,
          CQualiteAssocie::DonneQualite, __strQualiteAssocie,
          {"Exploitant", "Gérant", "PDG", "DG", "Président du Directoire", "Membre du Directoire", "DGU", "Associé",
           "Gérant Associé", "Gérant non Associé", "Bénéficiaire", "Président", "Cogérant"},
          {"Associé", "Bénéficiaire", "Cogérant", "DG", "DGU", "Exploitant", "Gérant", "Gérant Associé",
           "Gérant non Associé", "Membre du Directoire", "PDG", "Président", "Président du Directoire"},
          {{"gérant associé", 8}, {"BÉNÉFICIAIRE", 10}, {"", -1}, {"Gérante", -1}}),
    Table("RegimeImposition", CRegimeImposition::RegimeImposition, CRegimeImposition::RemplirListeRegimesImposition,
          CRegimeImposition::DonneRegimeImposition, nullptr, {"BIC", "IS", "BA", "Revenus fonciers", "BNC"},
          {"BA", "BIC", "BNC", "IS", "Revenus fonciers"}, {{"revenus FONCIERS", 3}, {"RF", -1}}),
};

class CodeTable : public testing::TestWithParam<TableCodes> {};

TEST_P(CodeTable, EachCodeHasItsLabelAndNoneOutside) {
    const TableCodes& table = GetParam();
    for (std::size_t code = 0; code < table.parCode.size(); ++code) {
        EXPECT_EQ(table.libelle(static_cast<int>(code)), table.parCode[code]) << code;
        if (!table.tableau) continue;
        EXPECT_EQ(table.tableau[code], table.parCode[code]) << code;
    }
    EXPECT_EQ(table.libelle(-1), "");
    EXPECT_EQ(table.libelle(static_cast<int>(table.parCode.size())), "");
}

TEST_P(CodeTable, ListReplacedInCodeOrderOrInFrenchOrder) {
    Liste liste{"ancien contenu"};
    GetParam().remplir(liste, false);
    EXPECT_EQ(liste, GetParam().parCode);
    GetParam().remplir(liste, true);
    EXPECT_EQ(liste, GetParam().francais);
}

TEST_P(CodeTable, ReverseLookupComparesInFrenchUpperCase) {
    for (std::size_t code = 0; code < GetParam().parCode.size(); ++code)
        EXPECT_EQ(GetParam().code(GetParam().parCode[code]), static_cast<int>(code));
    for (const auto& [texte, code] : GetParam().recherches) EXPECT_EQ(GetParam().code(texte), code) << texte;
}

INSTANTIATE_TEST_SUITE_P(Tables, CodeTable, testing::ValuesIn(kTables), kvarn::testing_support::NomDuCas());

}  // namespace
