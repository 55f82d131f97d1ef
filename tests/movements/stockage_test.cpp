// Recording and reading movements and links through the exported operations, their failures,
// and the processing components handed back as found.
#include "common/nulls.hpp"
#include "db/query.hpp"
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

class Stockage : public DossierMouvements {
protected:
    int Compter(const char* requete) {
        db::CQuery query(Module().Donnees().Session());
        query.SetDatabaseName(db::ALIAS_DOSSIER);
        query.SQL().Add(requete);
        query.Open();
        return query.Fields(0).AsInteger();
    }
    // The event throws at its n-th call, and only then.
    static db::TDataSetNotifyEvent EchecAuAppel(int n) {
        return [n, appels = 0](db::CTable&) mutable {
            if (++appels == n) throw std::runtime_error("panne du disque");
        };
    }
};

cMouvParts M(double date, int type, int cedant, int id, std::set<cDetailMouvementParts> details) {
    cMouvParts mouvement;
    mouvement.DateMouvement = date, mouvement.TypeMouvement = type, mouvement.IDCedant = cedant, mouvement.AutoID = id;
    mouvement.Details = std::move(details);
    return mouvement;
}

TEST_F(Stockage, MovementsAndDetailsComeBackRankedByDateWithTheirDetailsDecoded) {
    const int vente = Mouvement(kJour + 40, kCessionPP,
                                {D(1, kPartsPP, 10), D(2, kPartsPP, -10), D(1, kPartsPP, 10), D(3, kPartsU, 0), D(3, 9, 4)}, 2);
    Mouvement(0, kAugmentationCapital, {D(1, kPartsPP, 1)});
    const int augmentation = Mouvement(kJour + 10, kAugmentationCapital, {D(4, kPartsNP, 2.5), D(4, kPartsU, -1.5)});
    KV_OuvrirMouvementsParts();
    KV_SauverDetailMouvementsParts(D(1, kPartsPP, 99), 0);
    KV_SauverDetailMouvementsParts(D(1, kPartsPP, 99), NULL_ENTIER);
    KV_FermerMouvementsParts();

    const ListeMouvParts attendue{
        {1, M(kJour + 10, kAugmentationCapital, 0, augmentation, {D(4, kPartsU, -1.5), D(4, kPartsNP, 2.5)})},
        {2, M(kJour + 40, kCessionPP, 2, vente, {D(3, kPartsU, -0.0), D(2, kPartsPP, -10), D(1, kPartsPP, 10)})}};
    EXPECT_EQ(RecupererListeMouvParts(), attendue);
    EXPECT_EQ(Compter("SELECT COUNT(*) FROM KOLMIKVP"), 8);
    EXPECT_EQ(Compter("SELECT COUNT(*) FROM KOLMIKVP WHERE NBPARTSUDIM = 0 AND NBPARTSUAUG IS NULL"), 1);
    EXPECT_EQ(Compter("SELECT COUNT(*) FROM KOLMIKVM WHERE IDCEDANT IS NULL"), 2);
    EXPECT_TRUE(Localisations().empty());
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

struct CasEchec {
    std::string nom;
    const char* composant;
    db::TDataSetNotifyEvent db::DataSetEvents::*evenement;
    int appel;  // the call of the event that fails (opening a table scrolls to its first row)
    Place place;
    std::function<bool()> operation;  // true when the operation returned its failure value

    friend void PrintTo(const CasEchec& cas, std::ostream* os) { *os << cas.nom; }
};

class EchecOperation : public Stockage, public testing::WithParamInterface<CasEchec> {};

TEST_P(EchecOperation, ShowsItsLocationAndReturnsItsFailureValue) {
    Mouvement(kJour, kCessionPP, {D(1, kPartsPP, 1)});
    Mouvement(kJour + 1, kCessionPP, {D(1, kPartsPP, 2)});
    KV_OuvrirAssoNPU();
    KV_SauverAssoNPU({0, 1, 2, 5});
    KV_SauverAssoNPU({0, 1, 3, 5});
    KV_FermerAssoNPU();
    Composant(GetParam().composant).*GetParam().evenement = EchecAuAppel(GetParam().appel);
    EXPECT_TRUE(GetParam().operation());
    EXPECT_EQ(Localisations(), std::vector{CodeLocalisation(GetParam().place)});
    EXPECT_EQ(Compter("SELECT COUNT(*) FROM KOLMIKVM") + Compter("SELECT COUNT(*) FROM KOLMIKVP"), 4);
}

const char* const kMouv = "tblMouvementPartsTraitement";
const char* const kDet = "tblDetMouvPartsTraitement";
const char* const kLiens = "tblAssoNPU";
using E = db::DataSetEvents;

INSTANTIATE_TEST_SUITE_P(
    Operations, EchecOperation,
    testing::Values(
        CasEchec{"RecupererListeMouvParts", kMouv, &E::AfterScroll, 3, Place::RecupererListeMouvParts,
                 [] { return RecupererListeMouvParts().size() == 1; }},
        CasEchec{"OuvrirMouvementsParts", kDet, &E::BeforeOpen, 1, Place::OuvrirMouvementsParts,
                 [] { return KV_OuvrirMouvementsParts(), true; }},
        CasEchec{"SauverMouvementsParts", kMouv, &E::BeforePost, 1, Place::SauverMouvementsParts,
                 [] {
                     KV_OuvrirMouvementsParts();
                     return KV_SauverMouvementsParts(cMouvParts()) == 0;
                 }},
        CasEchec{"SauverDetailMouvementsParts", kDet, &E::BeforePost, 1, Place::SauverDetailMouvementsParts,
                 [] { return KV_OuvrirMouvementsParts(), KV_SauverDetailMouvementsParts(D(1, 0, 1), 1), true; }},
        CasEchec{"FermerMouvementsParts", kDet, &E::BeforeClose, 1, Place::FermerMouvementsParts,
                 [] { return KV_OuvrirMouvementsParts(), KV_FermerMouvementsParts(), true; }},
        CasEchec{"OuvrirAssoNPU", kLiens, &E::BeforeOpen, 1, Place::OuvrirAssoNPU,
                 [] { return KV_OuvrirAssoNPU(), true; }},
        CasEchec{"SauverAssoNPU", kLiens, &E::BeforePost, 1, Place::SauverAssoNPU,
                 [] { return KV_OuvrirAssoNPU(), KV_SauverAssoNPU({0, 4, 5, 1}) == 0; }},
        CasEchec{"FermerAssoNPU", kLiens, &E::BeforeClose, 1, Place::FermerAssoNPU,
                 [] { return KV_OuvrirAssoNPU(), KV_FermerAssoNPU(), true; }},
        CasEchec{"RecupererAssoNPU", kLiens, &E::AfterScroll, 3, Place::RecupererAssoNPU,
                 [] { return RecupererAssoNPU().size() == 1; }}),
    testing_support::NomDuCas());

TEST_F(Stockage, AFailedLoadLeavesTheFlagClearAndTheNextUseLoadsAgain) {
    Mouvement(kJour, kCessionPP, {D(1, kPartsPP, 1)});
    Mouvement(kJour + 1, kCessionPP, {D(1, kPartsPP, 2)});
    Composant(kMouv).AfterScroll = EchecAuAppel(2);
    ChargerMouvements(Module());
    EXPECT_FALSE(Module().listeMouvementsChargee);
    EXPECT_EQ(Localisations(), std::vector{CodeLocalisation(Place::RecupererListeMouvParts)});
    Composant(kMouv).AfterScroll = nullptr;
    ChargerMouvements(Module());
    EXPECT_TRUE(Module().listeMouvementsChargee);
    EXPECT_EQ(EtatMouvementsDe(Module()).liste.size(), 2u);
}

// {reading by the linked component, components open, the walk fails}
class ComposantsRendus : public Stockage, public testing::WithParamInterface<std::tuple<bool, bool, bool>> {};

TEST_P(ComposantsRendus, AsTheyWereFoundOpenOrClosedOnTheirRowWithTheirHandler) {
    const auto [parLien, ouverts, echec] = GetParam();
    for (int i = 1; i <= 3; ++i) Mouvement(kJour + 10 - i, kCessionPP, {D(i, kPartsPP, i), D(i + 1, kPartsPP, -i)});
    db::CTable& mouvements = Composant(kMouv);
    db::CTable& details = Composant(kDet);
    int calculs = 0;
    details.OnCalcFields = [&calculs](db::CTable&) { ++calculs; };
    if (ouverts) {
        KV_OuvrirMouvementsParts();
        mouvements.Next();
        details.Last();
    }
    const auto ligne = [](db::CTable& t) { return t.Active() ? t.FieldByName("AutoID").AsInteger() : 0; };
    const int ligneMouvement = ligne(mouvements), ligneDetail = ligne(details);
    if (echec) mouvements.AfterScroll = EchecAuAppel(3);
    ListeMouvParts liste;
    const auto lire = [&] { parLien ? LireListeMouvPartsParLien(Module(), liste) : LireListeMouvParts(Module(), liste); };
    if (echec) {
        EXPECT_THROW(lire(), std::runtime_error);
    } else {
        lire();
        EXPECT_EQ(liste.size(), 3u);
    }
    EXPECT_EQ(mouvements.Active(), ouverts);
    EXPECT_EQ(details.Active(), ouverts);
    EXPECT_EQ(ligne(mouvements), ligneMouvement);
    EXPECT_EQ(ligne(details), ligneDetail);
    EXPECT_EQ(mouvements.IndexName(), "");
    calculs = 0;
    details.OnCalcFields(details);
    EXPECT_EQ(calculs, 1);
}

INSTANTIATE_TEST_SUITE_P(Lectures, ComposantsRendus, testing::Combine(testing::Bool(), testing::Bool(), testing::Bool()));

}  // namespace
}  // namespace kvarn::movements
