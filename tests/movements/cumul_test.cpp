// The year's net movements of an associate, and the associates' end-of-year columns.
#include "db/transaction.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/cumul.hpp"
#include "movements/fin_exercice.hpp"
#include "movements/lecture_mouvements.hpp"
#include "dossier_mouvements.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace kvarn::movements {
namespace {

using Cumul = DossierMouvements;

TEST_F(Cumul, EachCallLeavesOutWhatItsDatesAndArgumentsSay) {
    Mouvement(kJour + 10, kCessionPP, {{1, kPartsPP, 1}, {2, kPartsPP, -1}});
    const int augmentation = Mouvement(kJour + 20, kAugmentationCapital, {{1, kPartsPP, 2}});
    Mouvement(kJour + 30, kPremierTypeHorsMouvement, {{1, kPartsPP, 4}});
    Mouvement(kJour + 40, kTypeNonDefini, {{1, kPartsPP, 8}});
    Mouvement(kJour + 50, kReconstitution, {{1, kPartsPP, 16}, {1, kPartsU, 32}, {1, kPartsNP, 64}});
    Mouvement(kJour + 60, kReductionCapital, {{2, kPartsPP, 3}});
    const std::tuple<double, int, double, std::vector<double>> cas[] = {
        {kJour + 364, 0, 0, {27, 32, 64}},          // types 7 and above never count, -1 does
        {kJour + 40, 0, 0, {11, 0, 0}},             // the situation date
        {0, 0, 0, {27, 32, 64}},                    // no situation date: the whole year
        {kJour + 364, augmentation, 0, {25, 32, 64}},
        {kJour + 364, 0, kJour + 40, {11, 0, 0}},   // a movement on the limit date counts
        {kJour + 364, 0, kJour + 39, {3, 0, 0}},
    };
    for (const auto& [situation, exclu, limite, attendu] : cas) {
        Situation(situation);
        const PartsPPUNP p = CumulerMouvementsAssocie(Module(), 1, exclu, limite);
        EXPECT_EQ((std::vector{p.pp, p.u, p.np}), attendu) << situation << " " << limite;
    }
    EXPECT_TRUE(AssocieAcquiertDesParts(Module(), 1));
    EXPECT_FALSE(AssocieAcquiertDesParts(Module(), 2));  // its only gain is a capital reduction
    EXPECT_FALSE(AssocieAcquiertDesParts(Module(), 3));
}

// Some 3,000 detail rows whose quantities do not add exactly in binary, some undated movements.
class DossierAleatoire : public DossierMouvements {
protected:
    void SetUp() override {
        DossierMouvements::SetUp();
        std::mt19937 aleas(2025);
        const auto tirage = [&](int n) { return static_cast<int>(aleas() % static_cast<unsigned>(n)); };
        const double quantites[] = {0.1, 0.7, 1.0 / 3, 0.0};
        db::CTable& mouvements = Composant("tblMouvementPartsTraitement");
        db::CTable& details = Composant("tblDetMouvPartsTraitement");
        KV_OuvrirMouvementsParts();
        db::Transaction transaction(Module().Donnees().Session());
        for (int m = 0; m < 900; ++m) {
            mouvements.Append();
            if (tirage(20)) mouvements.FieldByName("DateMouvement").SetAsDateTime(kJour + tirage(365));
            if (tirage(20)) mouvements.FieldByName("TypeMouvement").SetAsInteger(tirage(10) - 1);
            mouvements.Post();
            for (int d = tirage(8); d > 0; --d) {
                details.Append();  // linked: its IdMouv is the movement's
                details.FieldByName("IdAsso").SetAsInteger(1 + tirage(kAssocies));
                for (const char* q :
                     {"NbPartsPPAug", "NbPartsPPDim", "NbPartsNPAug", "NbPartsNPDim", "NbPartsUAug", "NbPartsUDim"})
                    if (tirage(3) == 0) details.FieldByName(q).SetAsFloat(quantites[tirage(4)]);
                details.Post();
            }
        }
    }
    static constexpr int kAssocies = 40;
};

// Every movement for every associate, as the sum was first written.
PartsPPUNP ParcoursComplet(const ListeMouvParts& liste, int id, const Exclusions& e) {
    PartsPPUNP parts;
    for (const auto& [rang, m] : liste) {
        if ((e.dateSituation && m.DateMouvement > e.dateSituation) ||
            (e.idMouvementExclu && m.AutoID == e.idMouvementExclu) || (e.dateLimite && m.DateMouvement > e.dateLimite))
            continue;
        for (const D& d : m.Details)
            if (d.IdAsso == id && m.TypeMouvement < 7)
                (d.TypeParts == 1 ? parts.u : d.TypeParts == 2 ? parts.np : parts.pp) += d.NbParts;
    }
    return parts;
}

TEST_F(DossierAleatoire, OnePassReadingAndIndexedSumsEqualTheLinkedReadingAndTheFullWalk) {
    ListeMouvParts liste, parLien;
    LireListeMouvParts(Module(), liste);
    LireListeMouvPartsParLien(Module(), parLien);
    EXPECT_GT(parLien.size(), 800u);
    EXPECT_EQ(liste, parLien);
    for (const Exclusions& e :
         {Exclusions{kJour + 364, 0, 0}, {kJour + 180, 0, 0}, {0, 17, 0}, {kJour + 300, 42, kJour + 200}}) {
        Situation(e.dateSituation);
        for (int id = 0; id <= kAssocies + 1; ++id) {
            const PartsPPUNP obtenu = CumulerMouvementsAssocie(Module(), id, e.idMouvementExclu, e.dateLimite);
            const PartsPPUNP attendu = ParcoursComplet(liste, id, e);
            ASSERT_EQ(std::memcmp(&obtenu, &attendu, sizeof obtenu), 0) << "associé " << id;
        }
    }
}

TEST_F(Cumul, EndOfYearColumnsAddRoundedStartsAndRoundedMovements) {
    db::CTable& associes = Composant("tblAssociesKV");
    associes.Open();
    associes.Append();  // NbPartsU stays empty
    associes.FieldByName("NbParts").SetAsFloat(10.123456);
    associes.FieldByName("NbPartsN").SetAsFloat(2);
    associes.Post();
    const int id = associes.FieldByName("ShIDAssocie").AsInteger();
    Mouvement(kJour + 1, kDemembrement, {{id, kPartsPP, 0.1}, {id, kPartsU, 1.0 / 3}, {id, kPartsNP, -0.1}});
    Mouvement(kJour + 2, kCessionPP, {{id, kPartsPP, 0.7}});
    Module().EtatDe<EtatMouvements>().listeChargee = false;  // as whoever records movements does
    associes.Refresh();
    EXPECT_EQ(associes.FieldByName("NbPartsPPFinExo").AsFloat(), 10.12346 + 0.8);  // 0.1 + 0.7 is not 0.8 unrounded
    EXPECT_EQ(associes.FieldByName("NbPartsUFinExo").AsFloat(), 0.33333);
    EXPECT_EQ(associes.FieldByName("NbPartsNPFinExo").AsFloat(), 2 + -0.1);
}

}  // namespace
}  // namespace kvarn::movements
