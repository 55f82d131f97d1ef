// The filtered views' predicates on a set of associates where they all differ, the order members'
// ascending keys, the shares-by-regime flags and the completeness check for the electronic returns.
#include "associates/controle_edi.hpp"
#include "associates/vues_associes.hpp"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace kvarn::associates {
namespace {

Associe Nouveau(int id, int qualite, int regime, double pp, double u, double np) {
    return {.ShIDAssocie = id, .NbPartsPPFinExo = pp, .NbPartsUFinExo = u, .NbPartsNPFinExo = np,
            .RegimeImpositionSCI = regime, .Qualite = qualite};
}

// Inserted out of key order; each view's keys, as a vector, come ascending.
CarteAssocies Associes() {
    CarteAssocies carte;
    for (const Associe& a : {Nouveau(9, QA_ASSOCIE, RIS_BIC, 10, 0, 0), Nouveau(1, QA_GERANT_NON_ASSOCIE, RIS_BIC, 5, 0, 0),
                             Nouveau(2, QA_BENEFICIAIRE, RIS_RF, 0, 0, 0), Nouveau(3, QA_ASSOCIE, RIS_RF, 0, 4, 0),
                             Nouveau(4, QA_ASSOCIE, RIS_BNC, 0, 0, 7), Nouveau(5, QA_ASSOCIE, RIS_IS, -2, 0, 0),
                             Nouveau(6, QA_ASSOCIE, RIS_AUCUN, 0, 0, 0), Nouveau(7, QA_GERANT_NON_ASSOCIE, RIS_RF, 0, 0, 3)})
        carte.emplace(a.ShIDAssocie, a);
    return carte;
}

TEST(VuesAssocies, EachPredicateOnAssociatesWhereTheyDiffer) {
    const std::tuple<Vue, OrdreAssocies> cas[] = {
        {Vue::NbPartsNonNull, {1, 5, 9}},
        {Vue::PasAssoGerantNbPartsNbPartsUnonNull, {3, 5, 9}},
        {Vue::PasAssoGerantNbParts, {1, 3, 4, 5, 6, 7, 9}},
        {Vue::PasAssoGerant, {2, 3, 4, 5, 6, 9}},
        {Vue::NbPartsNbPartsUnonNull, {1, 3, 5, 9}},
        {Vue::RFOuBNCPasAssoGerantNbPartsNbPartsUnonNull, {3, 4}},
        {Vue::RFPasAssoGerantNbPartsNbPartsUnonNull, {3}},
        {Vue::NonRFPasAssoGerantNbPartsNbPartsUnonNull, {5, 9}},
        {Vue::BICouBAouISetNbPartsPPouUouNPNonNull, {1, 9}},  // a negative position is no holding
    };
    const CarteAssocies associes = Associes();
    for (const auto& [vue, attendus] : cas) {
        OrdreAssocies ordre{42};  // emptied first
        Filtrer(associes, vue, ordre);
        EXPECT_EQ(ordre, attendus) << static_cast<int>(vue);
        CarteAssocies carte{{42, Associe()}};
        Filtrer(associes, vue, carte);
        OrdreAssocies cles;
        for (const auto& [id, a] : carte) cles.push_back(a.ShIDAssocie);
        EXPECT_EQ(cles, attendus) << static_cast<int>(vue);
    }
}

TEST(VuesAssocies, SomeShareholderOtherThanAManagerUnderTheAskedRegimes) {
    const CarteAssocies associes = Associes();
    EXPECT_TRUE(AuMoinsUnDetenteur(associes, true));   // 3 (RF, usufruct), 4 (BNC, bare ownership)
    EXPECT_TRUE(AuMoinsUnDetenteur(associes, false));  // 9, and 5's negative position
    CarteAssocies gerants{{1, Nouveau(1, QA_GERANT_NON_ASSOCIE, RIS_BIC, 5, 0, 0)},
                          {7, Nouveau(7, QA_GERANT_NON_ASSOCIE, RIS_RF, 0, 0, 3)}, {6, Nouveau(6, 7, RIS_RF, 0, 0, 0)}};
    EXPECT_FALSE(AuMoinsUnDetenteur(gerants, true));
    EXPECT_FALSE(AuMoinsUnDetenteur(gerants, false));
}

TEST(VuesAssocies, RegimesHoldingSharesSetTheirFlags) {
    // {regime, pp, u, np, flags rf bicOuIs ba bnc}
    const std::tuple<int, double, double, double, std::array<bool, 4>> cas[] = {
        {RIS_BIC, 1, 0, 0, {false, true, false, false}}, {RIS_IS, 0, 0, -1, {false, true, false, false}},
        {RIS_BA, 0, 2, 0, {false, false, true, false}},  {RIS_RF, 0, 0, 3, {true, false, false, false}},
        {RIS_BNC, 1, 1, 1, {false, false, false, true}}, {RIS_RF, 0, 0, 0, {false, false, false, false}},
        {RIS_AUCUN, 5, 0, 0, {false, false, false, false}}, {7, 5, 0, 0, {false, false, false, false}}};
    for (const auto& [regime, pp, u, np, drapeaux] : cas) {
        RegimesDetenteurs r;
        r.Compter(regime, pp, u, np);
        EXPECT_EQ((std::array{r.rf, r.bicOuIs, r.ba, r.bnc}), drapeaux) << regime << " " << pp << u << np;
    }
}

Associe Physique(int id) { return {.ShIDAssocie = id, .Titre = -1, .PersonnePhysique = true}; }

Associe Complet(int id, const char* numeroFiscal = "", double naissance = 30000) {
    return {.ShIDAssocie = id, .Titre = TAP_MME, .PersonnePhysique = true, .DateNaissance = naissance,
            .Prenoms = "Jeanne", .NomMarital = "Durand", .CPNaissance = "69001", .LieuNaissance = "Lyon",
            .NoIdentFisc = numeroFiscal};
}

TEST(ControleEdi, BlankRecordsPassIncompleteOnesAndBadTaxNumbersFail) {
    const auto valide = [](const std::string& numero) { return numero == "1234567890123"; };
    const Associe gerantVierge{.ShIDAssocie = 2, .Qualite = QA_GERANT, .Titre = -1, .PersonnePhysique = true};
    const Associe mauvaisNumero = Complet(2, "1234567890124");
    // {second associate, dossier category, result}
    const std::tuple<Associe, int, EchecEdi> cas[] = {
        {Physique(2), 1, EchecEdi::Aucun},
        {{.ShIDAssocie = 2, .Titre = TAP_MLE, .PersonnePhysique = true}, 1, EchecEdi::Incomplet},
        {gerantVierge, 1, EchecEdi::Incomplet},
        {gerantVierge, 5, EchecEdi::Aucun},  // a property company names no manager here
        {mauvaisNumero, 1, EchecEdi::NumeroFiscal},
        {Complet(2, "1234567890123"), 1, EchecEdi::Aucun},
        {Complet(2, "", 0), 1, EchecEdi::Incomplet},
        {{.ShIDAssocie = 2, .Titre = -1, .NoIdentFisc = "faux"}, 1, EchecEdi::Aucun},
        // the number first, even on a blank record
        {{.ShIDAssocie = 2, .Titre = -1, .PersonnePhysique = true, .NoIdentFisc = "1"}, 1, EchecEdi::NumeroFiscal},
    };
    for (const auto& [second, categorie, attendu] : cas) {
        const CarteAssocies associes{{1, Complet(1)}, {2, second}};
        EXPECT_EQ(ControlerEdi(associes, categorie, valide), attendu) << static_cast<int>(attendu) << categorie;
    }
    Associe premierIncomplet = Complet(1);
    premierIncomplet.Prenoms.clear();
    EXPECT_EQ(ControlerEdi({{1, premierIncomplet}, {2, mauvaisNumero}}, 1, valide), EchecEdi::Incomplet);  // stops first
}

}  // namespace
}  // namespace kvarn::associates
