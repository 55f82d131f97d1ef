// The year's net movements of an associate, and the associates' end-of-year columns.
#include "db/transaction.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/cumul.hpp"
#include "movements/fin_exercice.hpp"
#include "movements/lecture_mouvements.hpp"
#include "dossier_mouvements.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

namespace kvarn::movements {
namespace {

using Cumul = DossierMouvements;

TEST_F(Cumul, EachCallLeavesOutWhatItsDatesAndArgumentsSay) {
    Mouvement(kJour + 10, kCessionPP, {D(1, kPartsPP, 1), D(2, kPartsPP, -1)});
    const int augmentation = Mouvement(kJour + 20, kAugmentationCapital, {D(1, kPartsPP, 2)});
    Mouvement(kJour + 30, kPremierTypeHorsMouvement, {D(1, kPartsPP, 4)});
    Mouvement(kJour + 40, kTypeNonDefini, {D(1, kPartsPP, 8)});
    Mouvement(kJour + 50, kReconstitution, {D(1, kPartsPP, 16), D(1, kPartsU, 32), D(1, kPartsNP, 64)});
    Mouvement(kJour + 60, kReductionCapital, {D(2, kPartsPP, 3)});
    struct Cas {
        const char* nom;
        double situation;
        int exclu;
        double limite;
        double pp, u, np;
    };
    const Cas cas[] = {
        {"annee entiere", kJour + 364, 0, 0, 27, 32, 64},
        {"situation en cours d'annee", kJour + 40, 0, 0, 11, 0, 0},
        {"sans date de situation", 0, 0, 0, 27, 32, 64},
        {"mouvement exclu", kJour + 364, augmentation, 0, 25, 32, 64},
        {"limite le jour d'un mouvement", kJour + 364, 0, kJour + 40, 11, 0, 0},
        {"limite la veille", kJour + 364, 0, kJour + 39, 3, 0, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Situation(c.situation);
        const PartsPPUNP parts = CumulerMouvementsAssocie(Module(), 1, c.exclu, c.limite);
        EXPECT_EQ(parts.pp, c.pp);
        EXPECT_EQ(parts.u, c.u);
        EXPECT_EQ(parts.np, c.np);
    }
    EXPECT_TRUE(AssocieAcquiertDesParts(Module(), 1));
    EXPECT_FALSE(AssocieAcquiertDesParts(Module(), 2));  // its only gain is a capital reduction
    EXPECT_FALSE(AssocieAcquiertDesParts(Module(), 3));
}

// A dossier of a few thousand detail rows whose quantities do not add exactly in binary.
class DossierAleatoire : public DossierMouvements {
protected:
    void SetUp() override {
        DossierMouvements::SetUp();
        std::mt19937 aleas(2025);
        const auto tirage = [&](int n) { return static_cast<int>(aleas() % static_cast<unsigned>(n)); };
        const double quantites[] = {0.1, 0.7, 1.0 / 3, 0.0};
        db::CTable& mouvements = Composant("tblMouvementPartsTraitement");
        db::CTable details(Module().Donnees().Session());
        details.SetDatabaseName(mouvements.DatabaseName());
        details.SetTableName("KOLMIKVP");
        mouvements.Open();
        details.Open();
        db::Transaction transaction(Module().Donnees().Session());
        for (int m = 0; m < 900; ++m) {
            mouvements.Append();
            if (tirage(20)) mouvements.FieldByName("DateMouvement").SetAsDateTime(kJour + tirage(365));
            if (tirage(20)) mouvements.FieldByName("TypeMouvement").SetAsInteger(tirage(10) - 1);
            mouvements.Post();
        }
        for (int d = 0; d < 3500; ++d) {
            details.Append();
            details.FieldByName("IdMouv").SetAsInteger(1 + tirage(900));
            details.FieldByName("IdAsso").SetAsInteger(1 + tirage(kAssocies));
            for (const char* colonne : {"NbPartsPPAug", "NbPartsPPDim", "NbPartsNPAug", "NbPartsNPDim", "NbPartsUAug", "NbPartsUDim"})
                if (tirage(3) == 0) details.FieldByName(colonne).SetAsFloat(quantites[tirage(4)]);
            details.Post();
        }
        transaction.Commit();
        mouvements.Close();
    }
    static constexpr int kAssocies = 40;
};

// Every movement for every associate, as the sum was first written.
PartsPPUNP ParcoursComplet(const ListeMouvParts& liste, int idAssocie, const Exclusions& e) {
    PartsPPUNP parts;
    for (const auto& [rang, m] : liste) {
        if ((e.dateSituation && m.DateMouvement > e.dateSituation) || (e.idMouvementExclu && m.AutoID == e.idMouvementExclu) ||
            (e.dateLimite && m.DateMouvement > e.dateLimite))
            continue;
        for (const cDetailMouvementParts& d : m.Details) {
            if (d.IdAsso != idAssocie || m.TypeMouvement >= 7) continue;
            (d.TypeParts == kPartsU ? parts.u : d.TypeParts == kPartsNP ? parts.np : parts.pp) += d.NbParts;
        }
    }
    return parts;
}

TEST_F(DossierAleatoire, OnePassReadingGivesTheListOfTheLinkedComponent) {
    ListeMouvParts parLien, enUnePasse;
    LireListeMouvPartsParLien(Module(), parLien);
    LireListeMouvParts(Module(), enUnePasse);
    EXPECT_GT(parLien.size(), 800u);
    EXPECT_EQ(enUnePasse, parLien);
}

TEST_F(DossierAleatoire, IndexedSumsEqualTheFullWalkBitForBit) {
    ListeMouvParts liste;
    LireListeMouvParts(Module(), liste);
    const std::vector<Exclusions> reglages{{kJour + 364, 0, 0}, {kJour + 180, 0, 0}, {0, 17, 0}, {kJour + 300, 42, kJour + 200}};
    for (const Exclusions& e : reglages) {
        Situation(e.dateSituation);
        for (int id = 0; id <= kAssocies + 1; ++id) {
            const PartsPPUNP attendu = ParcoursComplet(liste, id, e);
            const PartsPPUNP obtenu = CumulerMouvementsAssocie(Module(), id, e.idMouvementExclu, e.dateLimite);
            for (auto membre : {&PartsPPUNP::pp, &PartsPPUNP::u, &PartsPPUNP::np})
                ASSERT_EQ(std::bit_cast<std::uint64_t>(obtenu.*membre), std::bit_cast<std::uint64_t>(attendu.*membre))
                    << "associe " << id;
        }
    }
}

TEST_F(Cumul, EndOfYearColumnsAddRoundedStartsAndRoundedMovements) {
    db::CTable& associes = Composant("tblAssociesKV");
    associes.OnCalcFields = [this](db::CTable& table) { CalculerPartsFinExercice(Module(), table); };
    associes.Open();
    associes.Append();
    associes.FieldByName("NbParts").SetAsFloat(10.123456);
    associes.FieldByName("NbPartsN").SetAsFloat(2);
    associes.Post();
    const int a = associes.FieldByName("ShIDAssocie").AsInteger();
    associes.Append();
    associes.Post();
    const int b = associes.FieldByName("ShIDAssocie").AsInteger();
    Mouvement(kJour + 1, kDemembrement, {D(a, kPartsPP, 1.0 / 3), D(a, kPartsU, 0.7), D(a, kPartsNP, -0.1), D(b, kPartsPP, 0.1)});
    Mouvement(kJour + 2, kCessionPP, {D(b, kPartsPP, 0.7)});
    Module().listeMouvementsChargee = false;  // as whoever records movements does
    associes.Refresh();
    const auto colonnes = [&](int id) {
        associes.Locate("ShIDAssocie", id);
        return std::vector{associes.FieldByName("NbPartsPPFinExo").AsFloat(), associes.FieldByName("NbPartsUFinExo").AsFloat(),
                           associes.FieldByName("NbPartsNPFinExo").AsFloat()};
    };
    EXPECT_EQ(colonnes(a), (std::vector{10.12346 + 0.33333, 0.7, 2 + -0.1}));
    EXPECT_EQ(colonnes(b), (std::vector{0.8, 0.0, 0.0}));  // 0.1 + 0.7 is not 0.8 until rounded
}

}  // namespace
}  // namespace kvarn::movements
