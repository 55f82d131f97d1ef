// Recording and reading movements and links through the exported operations, their failures,
// and the processing components handed back as found.
#include "common/nulls.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/lecture_mouvements.hpp"
#include "movements/liste_en_cache.hpp"
#include "movements/operation_protegee.hpp"
#include "dossier_mouvements.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <tuple>

namespace kvarn::movements {
namespace {

// An event that throws at its n-th call, and only then.
db::TDataSetNotifyEvent EchecAuAppel(int n) {
    return [n, appels = 0](db::CTable&) mutable {
        if (++appels == n) throw std::runtime_error("panne du disque");
    };
}

using Stockage = DossierMouvements;

TEST_F(Stockage, MovementsComeBackRankedByDateWithTheirDetailsDecoded) {
    // A repeated detail, a quantity of 0, a kind that stores no quantity; transferor 2.
    const std::vector<D> details{{1, kPartsPP, 10}, {2, kPartsPP, -10}, {1, kPartsPP, 10}, {3, kPartsU, 0}, {3, 9, 4}};
    const int vente = Mouvement(kJour + 40, kCessionPP, details, 2);
    Mouvement(0, kAugmentationCapital, {{1, kPartsPP, 1}});
    const int augmentation = Mouvement(kJour + 10, kAugmentationCapital, {{4, kPartsNP, 2.5}, {4, kPartsU, -1.5}});
    KV_OuvrirMouvementsParts();
    KV_SauverDetailMouvementsParts({1, kPartsPP, 99}, 0);
    KV_SauverDetailMouvementsParts({1, kPartsPP, 99}, NULL_ENTIER);
    KV_FermerMouvementsParts();
    const ListeMouvParts attendue{
        {1, {kJour + 10, 0, augmentation, kAugmentationCapital, {{4, kPartsU, -1.5}, {4, kPartsNP, 2.5}}}},
        {2, {kJour + 40, 2, vente, kCessionPP, {{3, kPartsU, -0.0}, {2, kPartsPP, -10}, {1, kPartsPP, 10}}}}};
    EXPECT_EQ(RecupererListeMouvParts(), attendue);
    EXPECT_EQ(Compter("SELECT COUNT(*) FROM KOLMIKVP"), 8);
    EXPECT_EQ(Compter("SELECT COUNT(*) FROM KOLMIKVP WHERE NBPARTSUDIM = 0 AND NBPARTSUAUG IS NULL"), 1);
    EXPECT_EQ(Compter("SELECT COUNT(*) FROM KOLMIKVM WHERE IDCEDANT IS NULL"), 2);
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(Stockage, LinksComeBackLatestMovementFirstAndEqualOnesCollapse) {
    KV_OuvrirAssoNPU();
    const std::vector<int> ids{KV_SauverAssoNPU({0, 1, 2, 5}), KV_SauverAssoNPU({9, 1, 3, 2}),
                               KV_SauverAssoNPU({0, 1, 2, 5}), KV_SauverAssoNPU({0, 1, 2, 4})};
    KV_FermerAssoNPU();
    EXPECT_EQ(ids, (std::vector{1, 2, 3, 4}));
    std::vector<std::tuple<int, int, int, double>> lus;
    for (const cAssoNPU& l : RecupererAssoNPU()) lus.emplace_back(l.IdMouv, l.IdNP, l.IdU, l.NbU);
    EXPECT_EQ(lus, (std::vector<std::tuple<int, int, int, double>>{{9, 1, 3, 2}, {0, 1, 2, 4}, {0, 1, 2, 5}}));
}

// The operation fails at the n-th call of an event of a component (opening scrolls to the first row).
struct CasEchec {
    std::string nom;
    const char* composant;
    db::TDataSetNotifyEvent db::DataSetEvents::*evenement;
    int appel;
    Place place;
    std::function<bool()> renvoieSonEchec;
    friend void PrintTo(const CasEchec& cas, std::ostream* os) { *os << cas.nom; }
};

class EchecOperation : public Stockage, public testing::WithParamInterface<CasEchec> {};

TEST_P(EchecOperation, ShowsItsLocationReturnsItsFailureValueAndWritesNothing) {
    Mouvement(kJour, kCessionPP, {{1, kPartsPP, 1}});
    Mouvement(kJour + 1, kCessionPP, {{1, kPartsPP, 2}});
    KV_OuvrirAssoNPU(), KV_SauverAssoNPU({0, 1, 2, 5}), KV_SauverAssoNPU({0, 1, 3, 5}), KV_FermerAssoNPU();
    Composant(GetParam().composant).*GetParam().evenement = EchecAuAppel(GetParam().appel);
    EXPECT_TRUE(GetParam().renvoieSonEchec());
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(static_cast<std::uint32_t>(boxes_.shown()[0].drapeaux), CodeLocalisation(GetParam().place));
    EXPECT_EQ(Compter("SELECT (SELECT COUNT(*) FROM KOLMIKVM) + (SELECT COUNT(*) FROM KOLMIKVP) + "
                      "(SELECT COUNT(*) FROM KOLMIKVA)"), 6);
}

// A failed load leaves the flag clear, so that the next use loads again.
bool ChargementRetente() {
    store::TdmKvarn& module = *frame::DataModule();
    ChargerMouvements(module);
    EtatMouvements& etat = module.EtatDe<EtatMouvements>();
    const bool retente = !etat.listeChargee;
    ChargerMouvements(module);
    return retente && etat.listeChargee && etat.liste.size() == 2;
}

const char *const kMouv = "tblMouvementPartsTraitement", *const kDet = "tblDetMouvPartsTraitement";
const char* const kLiens = "tblAssoNPU";
using E = db::DataSetEvents;

INSTANTIATE_TEST_SUITE_P(Operations, EchecOperation, testing::Values(
    CasEchec{"Liste", kMouv, &E::AfterScroll, 3, Place::RecupererListeMouvParts,
             [] { return RecupererListeMouvParts().size() == 1; }},
    CasEchec{"Chargement", kMouv, &E::AfterScroll, 3, Place::RecupererListeMouvParts, ChargementRetente},
    CasEchec{"Ouvrir", kDet, &E::BeforeOpen, 1, Place::OuvrirMouvementsParts,
             [] { return KV_OuvrirMouvementsParts(), true; }},
    CasEchec{"Sauver", kMouv, &E::BeforePost, 1, Place::SauverMouvementsParts,
             [] { return KV_OuvrirMouvementsParts(), KV_SauverMouvementsParts({}) == 0; }},
    CasEchec{"SauverDetail", kDet, &E::BeforePost, 1, Place::SauverDetailMouvementsParts,
             [] { return KV_OuvrirMouvementsParts(), KV_SauverDetailMouvementsParts({1, 0, 1}, 1), true; }},
    CasEchec{"Fermer", kDet, &E::BeforeClose, 1, Place::FermerMouvementsParts,
             [] { return KV_OuvrirMouvementsParts(), KV_FermerMouvementsParts(), true; }},
    CasEchec{"OuvrirAssoNPU", kLiens, &E::BeforeOpen, 1, Place::OuvrirAssoNPU, [] { return KV_OuvrirAssoNPU(), true; }},
    CasEchec{"SauverAssoNPU", kLiens, &E::BeforePost, 1, Place::SauverAssoNPU,
             [] { return KV_OuvrirAssoNPU(), KV_SauverAssoNPU({0, 4, 5, 1}) == 0; }},
    CasEchec{"FermerAssoNPU", kLiens, &E::BeforeClose, 1, Place::FermerAssoNPU,
             [] { return KV_OuvrirAssoNPU(), KV_FermerAssoNPU(), true; }},
    CasEchec{"LireAssoNPU", kLiens, &E::AfterScroll, 3, Place::RecupererAssoNPU,
             [] { return RecupererAssoNPU().size() == 1; }}),
    testing_support::NomDuCas());

// {reading by the linked component, components open, the walk fails}
class ComposantsRendus : public Stockage, public testing::WithParamInterface<std::tuple<bool, bool, bool>> {};

TEST_P(ComposantsRendus, OpenOrClosedOnTheirRowWithTheirHandler) {
    const auto [parLien, ouverts, echec] = GetParam();
    for (int i = 1; i <= 3; ++i)
        Mouvement(kJour + 10 - i, kCessionPP, {{i, kPartsPP, 1.0 * i}, {i + 1, kPartsPP, -1.0 * i}});
    db::CTable& mouvements = Composant(kMouv);
    db::CTable& details = Composant(kDet);
    int calculs = 0;
    details.OnCalcFields = [&calculs](db::CTable&) { ++calculs; };  // the component declares no calculated field
    if (ouverts) KV_OuvrirMouvementsParts(), mouvements.Next(), details.Last();  // key order, not date order
    const auto ligne = [](db::CTable& t) { return t.Active() ? t.FieldByName("AutoID").AsInteger() : 0; };
    const int ligneMouvement = ligne(mouvements), ligneDetail = ligne(details);
    if (echec) mouvements.AfterScroll = EchecAuAppel(3);
    ListeMouvParts liste;
    try {
        parLien ? LireListeMouvPartsParLien(Module(), liste) : LireListeMouvParts(Module(), liste);
        EXPECT_FALSE(echec);
        EXPECT_EQ(liste.size(), 3u);
    } catch (const std::runtime_error&) {
        EXPECT_TRUE(echec);
    }
    EXPECT_EQ(mouvements.Active(), ouverts);
    EXPECT_EQ(details.Active(), ouverts);
    EXPECT_EQ(ligne(mouvements), ligneMouvement);
    EXPECT_EQ(ligne(details), ligneDetail);
    EXPECT_EQ(mouvements.IndexName(), "");
    details.OnCalcFields(details);
    EXPECT_EQ(calculs, 1);
}

INSTANTIATE_TEST_SUITE_P(Lectures, ComposantsRendus,
                         testing::Combine(testing::Bool(), testing::Bool(), testing::Bool()));

}  // namespace
}  // namespace kvarn::movements
