// The standalone report engine's own rules: how its report files are read (and refused), and how
// it prints an amount.
#include "standalone/modele_etat.hpp"
#include "standalone/moteur_etats.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace kvarn::standalone {
namespace {

TEST(ModeleEtat, TheBuiltInFileHasTheStatementsFieldsAndColumns) {
    const std::optional<std::string_view> texte = FichierEtatEmbarque("kv.ETA");
    ASSERT_TRUE(texte);
    const ModeleEtat modele = LireModeleEtat(*texte, "KV.eta");
    ASSERT_EQ(modele.parties.size(), 1u);
    const PartieModele& partie = modele.parties[0];
    EXPECT_EQ(partie.numero, 0);
    std::vector<std::tuple<std::string, bool, std::string>> champs;
    for (const ChampModele& champ : partie.bandes.at(0).champs) champs.emplace_back(champ.nom, champ.titre, champ.libelle);
    EXPECT_EQ(champs, (std::vector<std::tuple<std::string, bool, std::string>>{
                          {"Titre", true, ""}, {"RaisonSociale", false, ""}, {"NomDossier", false, "Dossier"},
                          {"Exercice", false, "Exercice"}, {"DeviseTenue", false, "Comptes tenus en"}}));
    std::vector<std::pair<std::string, std::string>> colonnes;
    for (const ColonneModele& colonne : partie.tableaux.at(0).colonnes) colonnes.emplace_back(colonne.champ, colonne.titre);
    EXPECT_EQ(colonnes, (std::vector<std::pair<std::string, std::string>>{
                            {"Designation", "Désignation"}, {"MontantBNC", "BNC"}, {"MontantBIC", "BIC/IS"}, {"MontantBA", "BA"}}));
    EXPECT_EQ(partie.tableaux[0].libelleTotal, "Total");
    EXPECT_FALSE(FichierEtatEmbarque("AUTRE.eta"));
}

struct FichierRefuse {
    const char* nom;
    const char* texte;
    const char* message;  // what the error says, after the file's name
};

class ModeleRefuse : public testing::TestWithParam<FichierRefuse> {};

TEST_P(ModeleRefuse, NamesTheFileAndTheLine) {
    try {
        LireModeleEtat(GetParam().texte, "X.eta");
        FAIL() << "accepted";
    } catch (const std::invalid_argument& erreur) {
        EXPECT_EQ(std::string(erreur.what()), std::string("Fichier d'état X.eta") + GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ModeleRefuse,
    testing::Values(FichierRefuse{"vide", "# rien\n\n", " : aucune partie"},
                    FichierRefuse{"sans_partie", "bande b\n", ", ligne 1 : « partie » attendue d'abord"},
                    FichierRefuse{"guillemet", "partie 0\ntableau t\ncolonne A \"Titre 5 texte 3\n",
                                  ", ligne 3 : guillemet non fermé"},
                    FichierRefuse{"genre", "partie 0\ntableau t\ncolonne A \"T\" date 3\n",
                                  ", ligne 3 : « texte » ou « montant » attendu"},
                    FichierRefuse{"largeur", "partie 0\r\ntableau t\r\ncolonne A T texte 0\r\n",
                                  ", ligne 3 : nombre attendu de 1 à 100 : « 0 »"},
                    FichierRefuse{"champ_seul", "partie 0\nchamp Titre\n", ", ligne 2 : champ hors d'une bande"},
                    FichierRefuse{"inconnu", "partie 0\nimage logo.png\n", ", ligne 2 : ligne incomprise « image »"},
                    FichierRefuse{"arguments", "partie 0 1\n", ", ligne 1 : nombre d'arguments incorrect pour « partie »"}),
    [](const testing::TestParamInfo<FichierRefuse>& cas) { return std::string(cas.param.nom); });

TEST(MontantImprime, WholeEurosGroupedByThousands) {
    const std::pair<double, const char*> cas[] = {{0, "0"},         {-300, "-300"},        {999.4, "999"},
                                                  {999.5, "1 000"}, {12345, "12 345"},     {-1234567, "-1 234 567"},
                                                  {-0.4, "0"},      {100000, "100 000"}};
    for (const auto& [montant, texte] : cas) EXPECT_EQ(MontantImprime(montant), texte) << montant;
}

}  // namespace
}  // namespace kvarn::standalone
