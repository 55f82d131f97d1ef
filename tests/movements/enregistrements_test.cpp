// The records without any table: decoding a detail row, the orderings, the synthesis labels.
#include "movements/codes_mouvement.hpp"
#include "movements/decodage_detail.hpp"
#include "movements/libelle_synthese.hpp"
#include "dossier_mouvements.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kvarn::movements {
namespace {

TEST(Decodage, EachRowGivesItsMainDetailThenItsDerivedOne) {
    struct Cas {
        const char* nom;
        LigneDetail ligne;
        std::vector<cDetailMouvementParts> attendus;
    };
    const Cas cas[] = {
        {"demembrement vers U", {7, {}, 10.0, {}, {}, 10.0, {}}, {D(7, kPartsPP, -10), D(7, kPartsU, 10)}},
        {"reconstitution depuis NP", {7, 5.0, {}, {}, 5.0, {}, {}}, {D(7, kPartsPP, 5), D(7, kPartsNP, -5)}},
        {"demembrement vers NP", {7, {}, 3.0, 3.0, {}, {}, {}}, {D(7, kPartsPP, -3), D(7, kPartsNP, 3)}},
        {"reconstitution depuis U", {7, 2.0, {}, {}, {}, {}, 2.0}, {D(7, kPartsPP, 2), D(7, kPartsU, -2)}},
        {"NP avant U", {7, {}, {}, 4.0, {}, {}, 1.0}, {D(7, kPartsNP, 4)}},
        {"augmentation avant diminution", {7, 1.0, 2.0, {}, {}, {}, {}}, {D(7, kPartsPP, 1)}},
        {"tout vide", {7, {}, {}, {}, {}, {}, {}}, {}},
        {"zero stocke", {7, {}, 0.0, {}, {}, {}, {}}, {D(7, kPartsPP, -0.0)}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const DetailsLigne details = DecoderLigneDetail(c.ligne);
        EXPECT_EQ(std::vector<cDetailMouvementParts>(details.begin(), details.end()), c.attendus);
    }
    EXPECT_TRUE(std::signbit(DecoderLigneDetail(cas[7].ligne).details[0].NbParts));  // a decrease of 0
}

TEST(Enregistrements, OrderingsPutTheHighestAssociateAndTheLargestHoldingFirst) {
    const std::set<cDetailMouvementParts> details{D(1, 0, 5), D(3, 2, 1), D(3, 0, 2), D(3, 0, 1), D(1, 0, 5)};
    EXPECT_EQ(std::vector(details.begin(), details.end()),
              (std::vector{D(3, 0, 1), D(3, 0, 2), D(3, 2, 1), D(1, 0, 5)}));

    std::vector<cUsufruitier> usufruitiers(3);
    usufruitiers[0].IdAsso = 2, usufruitiers[0].NbParts = 5;
    usufruitiers[1].IdAsso = 1, usufruitiers[1].NbParts = 5;
    usufruitiers[2].IdAsso = 3, usufruitiers[2].NbParts = 9;
    std::sort(usufruitiers.begin(), usufruitiers.end());
    EXPECT_EQ(usufruitiers[0].IdAsso, 3);
    EXPECT_EQ(usufruitiers[1].IdAsso, 1);
}

TEST(LibelleSynthese, TypeAndSignsGiveTheText) {
    struct Cas {
        std::optional<int> type;
        double pp, u, np;
        const char* attendu;
    };
    const Cas cas[] = {
        {0, 3, 0, 0, "Acquisition de parts PP"}, {0, -3, 0, 0, "Cession de parts PP"},
        {1, 0, 0, 2, "Acquisition de parts NP"}, {2, 0, -1, 0, "Cession de parts U"},
        {3, -1, 1, 0, "Démembrement de parts"},  {3, 0, 0, 1, "Démembrement bénéficiaire NP"},
        {3, 0, 1, 0, "Démembrement bénéficiaire U"}, {3, 0, 0, 0, ""},
        {4, 0, 0, 0, "Augmentation de capital"}, {5, -2, 0, 0, "Réduction de capital"},
        {6, 1, 0, -1, "Reconstitution bénéficiaire PP"}, {6, 0, -1, 0, "Reconstitution de parts"},
        {6, 0, 0, 0, ""}, {std::nullopt, 1, 0, 0, ""}, {7, 1, 0, 0, ""}, {-1, 1, 0, 0, ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.attendu);
        EXPECT_EQ(LibelleTypeSynthese(c.type, c.pp, c.u, c.np), c.attendu);
    }
}

}  // namespace
}  // namespace kvarn::movements
