// The records without any table: decoding a detail row, the orderings, the synthesis labels.
#include "movements/codes_mouvement.hpp"
#include "movements/decodage_detail.hpp"
#include "movements/libelle_synthese.hpp"
#include "dossier_mouvements.hpp"

#include <gtest/gtest.h>

#include <iterator>
#include <cmath>

namespace kvarn::movements {
namespace {

TEST(Decodage, EachRowGivesItsMainDetailThenItsDerivedOne) {
    const std::pair<LigneDetail, std::vector<D>> cas[] = {
        {{7, {}, 10.0, {}, {}, 10.0, {}}, {{7, kPartsPP, -10}, {7, kPartsU, 10}}},  // dismemberment
        {{7, 5.0, {}, {}, 5.0, {}, {}}, {{7, kPartsPP, 5}, {7, kPartsNP, -5}}},     // reconstitution
        {{7, {}, 3.0, 3.0, {}, {}, {}}, {{7, kPartsPP, -3}, {7, kPartsNP, 3}}},
        {{7, 2.0, {}, {}, {}, {}, 2.0}, {{7, kPartsPP, 2}, {7, kPartsU, -2}}},
        {{7, {}, {}, 4.0, {}, {}, 1.0}, {{7, kPartsNP, 4}}},  // NP before U
        {{7, 1.0, 2.0, {}, {}, {}, {}}, {{7, kPartsPP, 1}}},  // the increase before the decrease
        {{7, {}, {}, {}, {}, {}, {}}, {}},
        {{7, {}, 0.0, {}, {}, {}, {}}, {{7, kPartsPP, -0.0}}},  // a stored 0 is a decrease of 0
    };
    for (const auto& [ligne, attendus] : cas) {
        const DetailsLigne details = DecoderLigneDetail(ligne);
        EXPECT_EQ(std::vector(details.begin(), details.end()), attendus) << &ligne - &cas[0].first;
    }
    EXPECT_TRUE(std::signbit(DecoderLigneDetail(cas[7].first).details[0].NbParts));
}

TEST(Enregistrements, OrderingsPutTheHighestAssociateAndTheLargestHoldingFirst) {
    const std::set<D> details{{1, 0, 5}, {3, 2, 1}, {3, 0, 2}, {3, 0, 1}, {1, 0, 5}};
    EXPECT_EQ(std::vector(details.begin(), details.end()),
              (std::vector<D>{{3, 0, 1}, {3, 0, 2}, {3, 2, 1}, {1, 0, 5}}));
    const std::set<cUsufruitier> usufruitiers{{3, 5}, {2, 5}, {1, 9}};
    EXPECT_EQ(usufruitiers.begin()->IdAsso, 1);
    EXPECT_EQ(std::next(usufruitiers.begin())->IdAsso, 2);
}

TEST(LibelleSynthese, TypeAndSignsGiveTheText) {
    const std::tuple<std::optional<int>, double, double, double, const char*> cas[] = {
        {0, 3, 0, 0, "Acquisition de parts PP"}, {0, -3, 0, 0, "Cession de parts PP"},
        {1, 0, 0, 2, "Acquisition de parts NP"}, {2, 0, -1, 0, "Cession de parts U"},
        {3, -1, 1, 0, "Démembrement de parts"},  {3, 0, 0, 1, "Démembrement bénéficiaire NP"},
        {3, 0, 1, 0, "Démembrement bénéficiaire U"}, {3, 0, 0, 0, ""},
        {4, 0, 0, 0, "Augmentation de capital"}, {5, -2, 0, 0, "Réduction de capital"},
        {6, 1, 0, -1, "Reconstitution bénéficiaire PP"}, {6, 0, -1, 0, "Reconstitution de parts"},
        {6, 0, 0, 0, ""}, {std::nullopt, 1, 0, 0, ""}, {7, 1, 0, 0, ""}, {-1, 1, 0, 0, ""},
    };
    for (const auto& [type, pp, u, np, attendu] : cas) EXPECT_EQ(LibelleTypeSynthese(type, pp, u, np), attendu);
}

}  // namespace
}  // namespace kvarn::movements
