// The list of associates' pure rules: the standing filter of the associates table, how a row
// joins the cached maps and orders, the successor of an associate, the holding percentage. (The
// list loaded from a dossier, with its positions, is tried with the movements.)
#include "associates/calculs_liste.hpp"
#include "associates/etat_associes.hpp"
#include "store/filtre_associes.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace kvarn::associates {
namespace {

TEST(FiltreAssocies, QualityTermThenCategory8TermThenTheExtraFilter) {
    const char* const regimes = "(RegimeImpositionSCI <>2) AND (RegimeImpositionSCI <>3)";
    // {mode, loading mode, category, extra filter, text}
    const std::tuple<int, int, int, const char*, std::string> cas[] = {
        {0, 1, 1, "", "(Qualite = 10)"},
        {1, 4, 1, "", "(Qualite <> 10)"},
        {2, 5, 1, "", ""},
        {1, 1, 8, "", std::string("(Qualite <> 10) AND ") + regimes},
        {2, 5, 8, "", regimes},
        {1, 6, 8, "", ""},
        {1, 6, 8, "Nom = 'A'", "Nom = 'A'"},
        {7, 4, 1, "Nom = 'A'", "Nom = 'A'"},
        {0, 4, 3, "Nom = 'A'", "(Qualite = 10) AND Nom = 'A'"},
    };
    for (const auto& [mode, chargement, categorie, filtre, attendu] : cas)
        EXPECT_EQ(store::TexteFiltreAssocies(mode, chargement, categorie, filtre), attendu) << mode << chargement;
}

Associe Nouveau(int id, bool physique, const char* nom = "") {
    return {.ShIDAssocie = id, .PersonnePhysique = physique, .Nom = nom};
}

TEST(ListeAssocies, ASecondRowWithAKeyIsIgnoredByTheMapAndKeptByTheOrders) {
    ListeAssocies liste;
    for (const Associe& a :
         {Nouveau(9, false), Nouveau(4, true, "PREMIER"), Nouveau(2, true), Nouveau(4, true, "SECOND")})
        liste.Ajouter(a);
    EXPECT_EQ(liste.ordreTous, (OrdreAssocies{9, 4, 2, 4}));
    EXPECT_EQ(liste.ordrePhysiques, (OrdreAssocies{4, 2, 4}));
    EXPECT_EQ(liste.ordreMorales, OrdreAssocies{9});
    EXPECT_EQ(liste.tous.at(4).Nom, "PREMIER");
    EXPECT_EQ(liste.tous.size(), 3u);
    // The successor follows the key's first place; none after the last, none for a stranger.
    const std::tuple<int, int> successeurs[] = {{9, 4}, {4, 2}, {2, 4}, {5, 0}};
    for (const auto& [id, suivant] : successeurs) EXPECT_EQ(Successeur(liste.ordreTous, id), suivant) << id;
    EXPECT_EQ(Successeur({9, 4, 2}, 2), 0);
    liste.Vider();
    EXPECT_TRUE(liste.tous.empty() && liste.ordreTous.empty() && !liste.chargee);
}

TEST(ListeAssocies, PercentageIsEmptyWhenNobodyHoldsFullOwnership) {
    EXPECT_EQ(PourcentageDetention(12.5, 0.0), Associe::kNulReel);
    EXPECT_EQ(PourcentageDetention(0.0, 0.0), Associe::kNulReel);
    EXPECT_DOUBLE_EQ(PourcentageDetention(70, 138), 70.0 / 138 * 100);
}

}  // namespace
}  // namespace kvarn::associates
