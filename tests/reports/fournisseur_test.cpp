// The report data provider: the statement it registers, what it answers to each of the engine's
// events, by part and by flag; what reaches the printed page is in impression_test.cpp.
#include "frame/etat_module.hpp"
#include "reports/etat_rapports.hpp"
#include "standalone/moteur_etats.hpp"
#include "support/dossier_ouvert.hpp"

#include <kvarn/etats.hpp>

#include <gtest/gtest.h>

namespace kvarn::reports {
namespace {

using standalone::EtatAutonome;

struct Bande final : TBandeUser {
    explicit Bande(int n) : numero(n) {}
    int GetNumero() const override { return numero; }
    int numero;
};

struct Champ final : TCpChampUser {
    Champ(TEtatUser* e, std::string n) : etat(e), nom(std::move(n)) {}
    TEtatUser* GetEtatProprietaire() const override { return etat; }
    const std::string& GetNom() const override { return nom; }
    void SetValeurChaine2(const std::string& v) override { valeur = v; }
    TEtatUser* etat;
    std::string nom;
    std::string valeur = "(rien)";
};

struct Tableau final : TCpTableauUser {
    explicit Tableau(TEtatUser* e) : etat(e) {}
    TEtatUser* GetEtatProprietaire() const override { return etat; }
    void SetVisible(int colonne, bool v) override { visibles.at(static_cast<std::size_t>(colonne)) = v; }
    TEtatUser* etat;
    std::vector<bool> visibles = std::vector<bool>(4, true);
};

class Fournisseur : public testing_support::ModuleOuvert {
protected:
    void SetUp() override {
        ModuleOuvert::SetUp();
        moteur_ = std::make_unique<standalone::MoteurEtats>(nullptr);
    }
    void TearDown() override {
        for (void* bloc : blocs_) SupprimerEtatDetailDivers(bloc);
        ModuleOuvert::TearDown();
    }
    // The statement registered with the flags, started by the data module's engine.
    EtatAutonome& Demarre(bool reintegrations, bool bic, bool ba, bool bnc) {
        PARAMETRES_ETAT_DIVERS* bloc =
            AjouterEtatDetailDivers(moteur_.get(), reintegrations, bic, ba, bnc, 65539, "critères", "doc");
        blocs_.push_back(bloc);
        auto& etat = *moteur_->Etats().back();
        EXPECT_EQ(etat.GetTag(), bloc);
        EXPECT_EQ(etat.Proprietaire(), &Maker());
        EXPECT_TRUE(Maker().OnStartEtatEvent(etat));
        return etat;
    }
    CVrelMaker& Maker() { return amKV(*frame::DataModule()); }
    std::unique_ptr<standalone::MoteurEtats> moteur_;
    std::vector<void*> blocs_;
};

TEST_F(Fournisseur, AStatementWithoutTagStartsUnchanged) {
    moteur_->AjouteEtat("KV.eta", "Autre", &Maker(), nullptr);
    EtatAutonome& etat = *moteur_->Etats().back();
    EXPECT_TRUE(Maker().OnStartEtatEvent(etat));
    EXPECT_EQ(etat.BD_Type(), BD_TABLE);
    EXPECT_EQ(etat.SQL(), "");
    EXPECT_EQ(etat.Titre(), "");
}

// What part 0 shows is checked on the printed page (impression_test.cpp); here, what it leaves alone.
TEST_F(Fournisseur, FieldsOfOtherPartsAndUnknownFieldsAreLeftAlone) {
    EtatAutonome& etat = Demarre(true, true, false, false);
    EXPECT_EQ(etat.GetNom(), "Détail des divers");
    Bande zero(0), un(1);
    Champ autre(&etat, "Autre"), titre(&etat, "Titre");
    EXPECT_TRUE(Maker().OnChamp(zero, autre));
    EXPECT_EQ(autre.valeur, "(rien)");
    EXPECT_FALSE(Maker().OnChamp(un, titre));
    EXPECT_EQ(titre.valeur, "(rien)");
}

TEST_F(Fournisseur, TableColumnsFollowTheFlags) {
    const std::tuple<bool, bool, bool, std::vector<bool>> cas[] = {
        {true, false, false, {true, false, true, false}},
        {false, true, false, {true, false, false, true}},
        {false, false, true, {true, true, false, false}},
        {true, true, true, {true, true, true, true}}};
    Bande zero(0), un(1);
    for (const auto& [bic, ba, bnc, visibles] : cas) {
        Tableau tableau(&Demarre(false, bic, ba, bnc));
        EXPECT_TRUE(Maker().OnTableau(zero, tableau));
        EXPECT_EQ(tableau.visibles, visibles);
        Tableau ailleurs(tableau.etat);
        EXPECT_FALSE(Maker().OnTableau(un, ailleurs));
        EXPECT_EQ(ailleurs.visibles, std::vector<bool>(4, true));
    }
}

}  // namespace
}  // namespace kvarn::reports
