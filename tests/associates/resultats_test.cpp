// The result view's calculated columns over a dossier: the callbacks' amounts shared over the
// year-end holdings, the entered shares, N = 0, a row without cached associate, the year-end
// holdings rounded term by term; and the hand-made SCI of the support code, worked out by hand for
// a profit and for a loss, through the view and through the members of the cached associates.
#include "associates/colonnes_resultats.hpp"
#include "associates/etat_associes.hpp"
#include "common/nulls.hpp"
#include "environment/gest_trp_ini.hpp"
#include "frame/etat_module.hpp"
#include "movements/codes_mouvement.hpp"
#include "support/associe_cree.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/sci_exemple.hpp"

#include <kvarn/accesseurs.hpp>
#include <kvarn/liste_associes.hpp>
#include <kvarn/mouvements.hpp>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <vector>

namespace kvarn::associates {
namespace {

using testing_support::SciExemple;
using Montant = std::optional<long>;
constexpr Montant kVide = std::nullopt;

class Resultats : public testing_support::ModuleDemarre {
protected:
    EtatAssocies& Etat() { return frame::DataModuleCree().EtatDe<EtatAssocies>(); }
    db::CTable& Vue() { return frame::DataModuleCree().Donnees().Composant(kVueResultats); }
    void N(int n) { frame::Parametres().SetAssInteger(environment::kSectionKV, "NbParts", n); }

    // Every row's columns by key, read through the view's handler.
    std::map<int, ColonnesResultats> Lire() {
        std::map<int, ColonnesResultats> lignes;
        db::CTable& vue = Vue();
        vue.Open();
        for (vue.First(); !vue.Eof(); vue.Next())
            lignes.emplace(LireLigneResultats(vue).ShIDAssocie, LireColonnesResultats(vue));
        vue.Close();
        return lignes;
    }

    void Saisir(int id, Saisie saisie, int valeur) {
        db::CTable& vue = Vue();
        vue.Open();
        ASSERT_TRUE(vue.Locate("ShIDAssocie", id));
        vue.Edit();
        EcrireSaisie(vue, saisie, valeur);
        vue.Post();
        vue.Close();
        DesinitListeAssocies();
    }

    void Rappels(int resultat, int pvlt, long bic, long abandons) {
        Etat().calculResultat = [=, this](const Associe& associe, int& r, int& g, int& autre) {
            demandes.insert(associe.ShIDAssocie);
            r = resultat, g = pvlt, autre = 0;
            return true;
        };
        Etat().calculBICBA = [=](const Associe&, long& b, long& ba, long& a) {
            b = bic, ba = 0, a = abandons;
            return true;
        };
    }

    std::set<int> demandes;  // the associates the result callback was asked for
};

int Creer(const char* nom, int qualite, double pp) {
    return testing_support::CreerAssocie({.NbParts = pp, .Qualite = qualite, .Nom = nom});
}

// Totals (result, gain), proportional shares (result, gain, BIC, waivers), Benefice, Deficit, PVLT.
std::vector<Montant> Colonnes(const ColonnesResultats& c) {
    return {c.resultatTotal, c.pvltTotal, c.resultat, c.pvlt, c.resultatBIC, c.abandons, c.benefice, c.deficit,
            c.pvltAssocie};
}

TEST_F(Resultats, CallbacksOverridesNZeroAndTheUncachedRow) {
    const int a = Creer("A", QA_ASSOCIE, 10);
    const int beneficiaire = Creer("B", QA_BENEFICIAIRE, 0);
    N(100);
    EXPECT_EQ(Colonnes(Lire().at(a)), (std::vector<Montant>{0, kVide, 0, 0, 0, 0, kVide, kVide, kVide}))
        << "no callback: a result of 0, no long-term gain";
    Rappels(1000, 999, 500, 30);
    Saisir(a, Saisie::Benefice, -50);
    demandes.clear();
    const std::map<int, ColonnesResultats> lignes = Lire();
    EXPECT_EQ(Colonnes(lignes.at(a)), (std::vector<Montant>{1000, 999, 100, 100, 50, 3, kVide, 50, 99}))
        << "the entered loss of 50 ignored by the proportional column";
    EXPECT_EQ(lignes.at(beneficiaire).denomination, "B");
    EXPECT_EQ(Colonnes(lignes.at(beneficiaire)), std::vector<Montant>(9, kVide));
    EXPECT_EQ(demandes, std::set<int>{a}) << "never asked for the beneficiary";
    N(0);
    EXPECT_EQ(Colonnes(Lire().at(a)), (std::vector<Montant>{1000, 999, kVide, kVide, kVide, kVide, kVide, 50, kVide}));
}

TEST_F(Resultats, YearEndHoldingsRoundEachTermToFiveDecimals) {
    const int a = Creer("A", QA_ASSOCIE, 10.123454);
    const int b = Creer("B", QA_ASSOCIE, 10.123456);
    KV_OuvrirMouvementsParts();
    const int id = KV_SauverMouvementsParts({GetDateDebEx() + 1, 0, 0, movements::kAugmentationCapital, {}});
    for (const int associe : {a, b}) KV_SauverDetailMouvementsParts({associe, movements::kPartsPP, 0.000004}, id);
    KV_FermerMouvementsParts();
    const std::map<int, ColonnesResultats> lignes = Lire();
    EXPECT_EQ(lignes.at(a).fin.pp, 10.12345);
    EXPECT_EQ(lignes.at(b).fin.pp, 10.12346);
    EXPECT_EQ(lignes.at(a).nbPartsCalc, 10.12345);
}

// For one scenario, each associate of the SCI: {the view's ResultatCalc, Benefice, Deficit, PVLT,
// PVLTCalc, ResultatBICCalc; the members' BIC and waivers shares}.
struct AttenduSci {
    Montant resultatCalc, benefice, deficit, pvlt, pvltCalc, bicCalc;
    long bic, abandons;
};

TEST_F(Resultats, HandMadeSciProfitThenLoss) {
    ModifierDossier({{"Exercice", "Debut", "01/01/2025"}, {"Exercice", "Fin", "31/12/2025"},
                     {"Exercice", "Situation", "31/12/2025"}});
    const SciExemple sci = testing_support::RemplirSciExemple();
    const int ordre[] = {sci.a, sci.b, sci.h, sci.j, sci.p};
    const auto verifier = [&](long bic, long abandons, const AttenduSci (&attendus)[5]) {
        const std::map<int, ColonnesResultats> lignes = Lire();
        for (int i = 0; i < 5; ++i) {
            const ColonnesResultats& c = lignes.at(ordre[i]);
            const AttenduSci& e = attendus[i];
            const Montant lus[] = {c.resultat, c.benefice, c.deficit, c.pvltAssocie, c.pvlt, c.resultatBIC};
            const Montant voulus[] = {e.resultatCalc, e.benefice, e.deficit, e.pvlt, e.pvltCalc, e.bicCalc};
            for (int k = 0; k < 6; ++k) EXPECT_EQ(lus[k], voulus[k]) << "associate " << i << ", column " << k;
            const Associe* associe = DonnerAssocie(ordre[i]);
            ASSERT_NE(associe, nullptr);
            EXPECT_EQ(associe->ResultatBICCalc(bic), e.bic) << i;
            EXPECT_EQ(associe->AbandonsLoyersCalc(abandons), e.abandons) << i;
        }
        const ColonnesResultats& beneficiaire = lignes.at(sci.beneficiaire);
        EXPECT_EQ(beneficiaire.resultatTotal, kVide);
        EXPECT_EQ(beneficiaire.benefice, kVide);
    };

    Rappels(12346, 3003, 11111, 999);
    Saisir(sci.b, Saisie::Benefice, 2500);
    Saisir(sci.h, Saisie::ResultatBIC, 2700);
    verifier(11111, 999, {{4321, 4321, kVide, 1051, 1051, 3889, 3889, 350},
                          {1235, 2500, kVide, 300, 300, 1111, 1111, 100},
                          {3087, 3087, kVide, 750, 751, 2778, 2700, 250},
                          {0, kVide, kVide, kVide, 0, 3333, 3333, 300},
                          {0, kVide, kVide, kVide, 0, 0, 0, 0}});
    EXPECT_EQ(DonnerAssocie(sci.h)->PVLTCalc(3003, 0), 750);
    EXPECT_EQ(DonnerAssocie(sci.b)->BeneficeCalc(12346), 2500);

    Rappels(-7778, NULL_ENTIER, -4321, 0);
    Saisir(sci.b, Saisie::Benefice, NULL_ENTIER);
    Saisir(sci.h, Saisie::ResultatBIC, -1000);
    verifier(-4321, 0, {{-2722, kVide, 2722, kVide, 0, -1512, -1512, 0},
                        {-778, kVide, 778, kVide, 0, -864, -864, 0},
                        {-1945, kVide, 1945, kVide, 0, -1080, -1000, 0},
                        {0, kVide, kVide, kVide, 0, 0, 0, 0},
                        {0, kVide, kVide, kVide, 0, -864, -864, 0}});
    EXPECT_EQ(DonnerAssocie(sci.h)->DeficitCalc(-7778), -1945);
}

}  // namespace
}  // namespace kvarn::associates
