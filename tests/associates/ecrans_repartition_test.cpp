// The distribution screens without widgets: the BIC/BA screen's filter and entered-value check,
// its show and save by regime and what it puts back on closing; the list screen's hook called
// before it takes the callback over, and the callback gone once it closes.
#include "associates/etat_associes.hpp"
#include "associates/repartition.hpp"
#include "associates/screens/repartition_resultat.hpp"
#include "associates/screens/resultat_bic_ba.hpp"
#include "associates/table_resultats.hpp"
#include "common/nulls.hpp"
#include "environment/gest_trp_ini.hpp"
#include "frame/etat_module.hpp"
#include "support/associe_cree.hpp"
#include "support/dossier_ouvert.hpp"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace kvarn::associates {
namespace {

TEST(FiltreBICBA, BeneficiariesRFAndBNCAndNoHoldingLeftOut) {
    const std::tuple<int, int, PartsFinExercice, bool> cas[] = {
        {QA_ASSOCIE, RIS_BIC, {10, 0, 0}, true},      {QA_BENEFICIAIRE, RIS_BIC, {10, 0, 0}, false},
        {QA_ASSOCIE, RIS_RF, {10, 0, 0}, false},      {QA_ASSOCIE, RIS_BNC, {10, 0, 0}, false},
        {QA_ASSOCIE, RIS_IS, {0, 0, 0}, false},       {QA_ASSOCIE, RIS_IS, {-1, 0, -2}, false},
        {QA_ASSOCIE, RIS_IS, {0, 0, 5}, true},        {QA_GERANT_NON_ASSOCIE, RIS_AUCUN, {0, 1, 0}, true}};
    for (const auto& [qualite, regime, detention, attendu] : cas)
        EXPECT_EQ(AfficheBICBA(qualite, regime, detention), attendu) << qualite << " " << regime;
}

TEST(SaisieExploitation, KeptWithinTheTotalAndItsSign) {
    const std::tuple<double, long, bool> cas[] = {{2000, 1500, false}, {100, -1500, false}, {-100, 1500, true},
                                                  {-1600, -1500, false}, {-1500, -1500, true}, {1500, 1500, true},
                                                  {1500.5, 1500, false}};
    for (const auto& [saisi, total, attendu] : cas) EXPECT_EQ(SaisieExploitationAdmise(saisi, total), attendu) << saisi;
}

using Essai = std::pair<const char*, const char*>;  // entered text, what the field keeps

class EcransRepartition : public testing_support::ModuleDemarre {
protected:
    store::TdmKvarn& Module() { return frame::DataModuleCree(); }
    EtatAssocies& Etat() { return Module().EtatDe<EtatAssocies>(); }

    static int Creer(const char* nom, int regime, double pp, double np = 0) {
        return testing_support::CreerAssocie(
            {.NbParts = pp, .NbPartsN = np, .RegimeImpositionSCI = regime, .Qualite = QA_ASSOCIE, .Nom = nom});
    }
    Associe Ligne(int id) {
        db::CTable& vue = Module().Donnees().Composant(kVueResultats);
        vue.Open();
        EXPECT_TRUE(vue.Locate("ShIDAssocie", id));
        const Associe ligne = LireLigneResultats(vue);
        vue.Close();
        return ligne;
    }
};

TEST_F(EcransRepartition, BICBAScreenShowsChecksAndSavesByRegime) {
    const int a = Creer("A", RIS_BIC, 10), b = Creer("B", RIS_BA, 10), e = Creer("E", RIS_IS, 0, 5);
    Creer("C", RIS_RF, 10);
    frame::Parametres().SetAssInteger(environment::kSectionKV, "NbParts", 100);
    db::CTable& vue = Module().Donnees().Composant(kVueResultats);
    int postes = 0;
    vue.AfterPost = [&postes](db::CTable&) { ++postes; };
    {
        TfrmResultAssoBICBA ecran(Module(), CResultatAssociesBICBA(0, [](const Associe&, long& bic, long& ba, long& ab) {
                                      bic = 1500, ba = -1500, ab = 100;
                                      return true;
                                  }));
        EXPECT_EQ(vue.RecordCount(), 3) << "the RF associate left out";
        EXPECT_EQ(ecran.GetField("bic-calcule").value, "150");
        EXPECT_EQ(ecran.GetField("note-parts").value, kNotePartsPositif);
        for (const auto& [saisi, garde] : {Essai{"2000", "150"}, Essai{"-100", "-100"}, Essai{"12,9", "12,9"}}) {
            ecran.Edit("bic-saisi", saisi);
            EXPECT_EQ(ecran.GetField("bic-saisi").value, garde) << saisi;
        }
        ecran.Edit("abandons-saisi", "-12.9");
        vue.Next();  // saves A, shows B
        EXPECT_FALSE(ecran.GetField("bic-saisi").enabled);
        EXPECT_TRUE(ecran.GetField("ba-saisi").enabled);
        EXPECT_EQ(ecran.GetField("nb-parts-associe").value, "10");
        EXPECT_EQ(ecran.GetField("note-parts").value, kNotePartsNegatif);
        for (const auto& [saisi, garde] : {Essai{"100", "-150"}, Essai{"-1600", "-150"}, Essai{"", ""}, Essai{"-7", "-7"}}) {
            ecran.Edit("ba-saisi", saisi);
            EXPECT_EQ(ecran.GetField("ba-saisi").value, garde) << saisi;
        }
        vue.Next();  // saves B, shows E
        EXPECT_EQ(LireLigneResultats(vue).ShIDAssocie, e);
        EXPECT_EQ(ecran.GetField("nb-parts-associe").value, "0") << "a profit counts PP + U";
        ecran.Fermer();
    }
    EXPECT_EQ(postes, 0) << "the view's after-post handler kept aside while the screen lived";
    EXPECT_FALSE(Etat().calculBICBA);
    EXPECT_FALSE(vue.Filtered());
    vue.Open();
    EXPECT_EQ(vue.RecordCount(), 4);
    vue.Close();
    EXPECT_EQ(Ligne(a).ResultatBICSaisi, 12);
    EXPECT_EQ(Ligne(a).AbandonsSaisi, -12);
    EXPECT_EQ(Ligne(b).ResultatBASaisi, -7);
    EXPECT_EQ(Ligne(e).AbandonsSaisi, NULL_ENTIER) << "a row left untouched is not written";
}

TEST_F(EcransRepartition, ListScreenCallsTheHookBeforeTakingTheCallbackAndDropsItOnClose) {
    struct Temoin {
        EtatAssocies* etat;
        std::vector<bool> rappelPresent;
    } temoin{&Etat(), {}};
    _CalculerPrealablesRepartitionResultatEntreAssocies = {
        &temoin, [](void* objet) {
            auto* t = static_cast<Temoin*>(objet);
            t->rappelPresent.push_back(static_cast<bool>(t->etat->calculResultat));
        }};
    {
        TfrmRepartitionResultatEntreAssocies ecran(
            Module(), CRepartitionResultatAssocies(0, [](const Associe&, int&, int&, int&) { return true; }));
        EXPECT_EQ(temoin.rappelPresent, std::vector<bool>{false});
        EXPECT_TRUE(Etat().calculResultat);
        ecran.Afficher();
        ecran.Fermer();
        EXPECT_FALSE(Etat().calculResultat);
        EXPECT_FALSE(ecran.Vue().Active());
    }
    _CalculerPrealablesRepartitionResultatEntreAssocies = {};
}

}  // namespace
}  // namespace kvarn::associates
