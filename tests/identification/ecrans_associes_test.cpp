// The identification screens under the associates, over a dossier's associates table: the
// address at 1 January and the associate's manager written to the associate's row and nowhere
// else, a text the row cannot hold refused before anything is written, an associate gone before
// the save; the dossier's manager and co-manager shown for a property company only.
#include "frame/screens/screen_registry.hpp"
#include "identification/screens/adresses_screen.hpp"
#include "identification/screens/intervenants_screen.hpp"
#include "support/dossier_ouvert.hpp"

#include <kvarn/liste_associes.hpp>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kvarn::identification {
namespace {

class EcransAssocies : public testing_support::ModuleDemarre {
protected:
    static Associe Creer(const char* nom, bool physique, int qualite) {
        Associe a;
        a.Nom = nom;
        a.PersonnePhysique = physique;
        a.Qualite = qualite;
        a.AdrVille = "Paris";
        a.PartBenefice = 12.5;
        a.Adr1JanVille = "Lodève";
        a.Creer();
        return a;
    }
    // The associate as its row holds it now.
    static Associe Relu(int id) {
        DesinitListeAssocies();
        return *DonnerAssocie(id);
    }
};

TEST_F(EcransAssocies, TheAddressAtFirstJanuaryGoesToTheCurrentAssociatesRowAlone) {
    const Associe holding = Creer("HOLDING DUPONT", false, 8), martin = Creer("MARTIN", true, 7);
    TfrmAdrEts ecran(AssocieCourant());
    ecran.Activate();
    EXPECT_EQ(ecran.GetField("associe").value, "HOLDING DUPONT");
    EXPECT_FALSE(ecran.GetField("identification-ville").visible);
    EXPECT_EQ(ecran.GetField("adresse-1er-janvier-ville").value, "LODÈVE");  // created upper-cased
    ecran.Edit("adresse-1er-janvier-voie", "rue du Sacré-Cœur");
    ecran.Edit("adresse-1er-janvier-pays", "Belgique");
    ASSERT_EQ(ecran.Leave(), std::nullopt);
    ecran.Deactivate();
    const Associe relu = Relu(holding.ShIDAssocie);
    EXPECT_EQ(relu.Adr1JanNomVoie, "rue du Sacré-Cœur");
    EXPECT_EQ(relu.Adr1JanIDPays, 20);
    EXPECT_EQ(relu.Adr1JanVille, "LODÈVE");
    EXPECT_EQ(relu.AdrVille, "PARIS");
    EXPECT_EQ(relu.PartBenefice, 12.5);
    EXPECT_EQ(Relu(martin.ShIDAssocie).Adr1JanNomVoie, "");
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(EcransAssocies, TheManagerOfALegalPersonOnlyAndNothingWrittenOnARefusal) {
    const Associe holding = Creer("HOLDING DUPONT", false, 8);
    TfrmIntervenants ecran(AssocieCourant());
    ecran.Activate();
    EXPECT_FALSE(ecran.GetField("comptable").visible);
    EXPECT_FALSE(ecran.GetField("gerant-associe-telephone").visible);
    CIntervenants::SetNomDeclarant("Jeanne Roux");  // meanwhile, elsewhere: the hidden declarant is not the variant's
    ecran.Edit("gerant-associe-nom", "Durand");
    ecran.Edit("gerant-associe-ville", "Nîmes ☃");
    ASSERT_EQ(ecran.Leave(), std::nullopt);
    ecran.Deactivate();
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_THAT(boxes_.shown()[0].texte, testing::HasSubstr("« Nîmes ☃ » contient un caractère que la fiche de "
                                                            "l'associé ne peut pas garder."));
    EXPECT_EQ(Relu(holding.ShIDAssocie).NomIntervGerant, "");
    ecran.Edit("gerant-associe-ville", "Nîmes");
    ecran.Deactivate();
    EXPECT_EQ(Relu(holding.ShIDAssocie).NomIntervGerant, "Durand");
    EXPECT_EQ(Relu(holding.ShIDAssocie).AdrGerantVille, "Nîmes");
    EXPECT_EQ(CIntervenants::GetNomDeclarant(), "Jeanne Roux");

    _SupprimerTousLesAssocies();
    ecran.Deactivate();
    ASSERT_EQ(boxes_.shown().size(), 2u);
    EXPECT_THAT(boxes_.shown()[1].texte, testing::HasSubstr("L'associé n° " + std::to_string(holding.ShIDAssocie) +
                                                            " n'existe plus dans le dossier."));
    TfrmIntervenants aucun(AssocieCourant());
    EXPECT_EQ(aucun.GetField("associe").value, "Aucun associé dans le dossier");
    EXPECT_FALSE(aucun.GetField("gerant-associe-nom").visible);
}

TEST_F(EcransAssocies, ThePropertyCompanyShowsItsManagerAndFirstCoManager) {
    Creer("MARTIN", true, 12);
    Creer("HOLDING DUPONT", false, 8);
    for (const char* categorie : {"1", "5"}) {
        ModifierDossier({{"Dossier", "Categorie", categorie}});
        const auto ecran = frame::CreateScreen("TfrmIntervenants");
        ecran->Activate();
        const bool sci = categorie == std::string("5");
        EXPECT_EQ(ecran->GetField("gerant").visible, sci);
        EXPECT_EQ(ecran->GetField("gerant").value, sci ? "HOLDING DUPONT" : "");
        EXPECT_EQ(ecran->GetField("cogerant").value, sci ? "MARTIN" : "");
        EXPECT_EQ(ecran->GetField("cogerant-adresse").value, sci ? "PARIS" : "");
    }
    EXPECT_TRUE(boxes_.shown().empty());
}

}  // namespace
}  // namespace kvarn::identification
