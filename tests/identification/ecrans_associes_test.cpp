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
    static int Creer(const char* nom, bool physique, int qualite) {
        Associe a{.Qualite = qualite, .PersonnePhysique = physique, .Nom = nom, .AdrVille = "Paris",
                  .Adr1JanVille = "Lodève"};
        return a.Creer(), a.ShIDAssocie;
    }
    // The associate as its row holds it now.
    static Associe Relu(int id) {
        DesinitListeAssocies();
        return *DonnerAssocie(id);
    }
};

TEST_F(EcransAssocies, TheAddressAtFirstJanuaryGoesToTheCurrentAssociatesRowAlone) {
    const int holding = Creer("HOLDING DUPONT", false, 8), martin = Creer("MARTIN", true, 7);
    TfrmAdrEts ecran(AssocieCourant());
    ecran.Activate();
    EXPECT_EQ(ecran.GetField("associe").value, "HOLDING DUPONT");
    ecran.Edit("adresse-1er-janvier-voie", "rue du Sacré-Cœur");
    ecran.Edit("adresse-1er-janvier-pays", "Belgique");
    ecran.Deactivate();
    const Associe relu = Relu(holding);
    EXPECT_EQ(relu.Adr1JanNomVoie, "rue du Sacré-Cœur");
    EXPECT_EQ(relu.Adr1JanIDPays, 20);
    EXPECT_EQ(relu.Adr1JanVille, "LODÈVE");  // as created, read and written back
    EXPECT_EQ(relu.AdrVille, "PARIS");
    EXPECT_EQ(Relu(martin).Adr1JanNomVoie, "");
}

TEST_F(EcransAssocies, TheManagerOfALegalPersonIsWrittenWholeOrNotAtAll) {
    const int holding = Creer("HOLDING DUPONT", false, 8);
    TfrmIntervenants ecran(AssocieCourant());
    ecran.Activate();
    CIntervenants::SetNomDeclarant("Jeanne Roux");  // meanwhile, elsewhere: the hidden declarant is not the variant's
    ecran.Edit("gerant-associe-nom", "Durand");
    ecran.Edit("gerant-associe-ville", "Nîmes ☃");
    ecran.Deactivate();
    EXPECT_EQ(Relu(holding).NomIntervGerant, "");
    ecran.Edit("gerant-associe-ville", "Nîmes");
    ecran.Deactivate();
    EXPECT_EQ(Relu(holding).NomIntervGerant, "Durand");
    EXPECT_EQ(Relu(holding).AdrGerantVille, "Nîmes");
    EXPECT_EQ(CIntervenants::GetNomDeclarant(), "Jeanne Roux");
    _SupprimerTousLesAssocies();
    ecran.Deactivate();
    ASSERT_EQ(boxes_.shown().size(), 2u);
    EXPECT_THAT(boxes_.shown()[0].texte, testing::HasSubstr("« Nîmes ☃ » contient un caractère que la fiche de "
                                                            "l'associé ne peut pas garder."));
    EXPECT_THAT(boxes_.shown()[1].texte, testing::HasSubstr(" n'existe plus dans le dossier."));
    EXPECT_FALSE(TfrmIntervenants(AssocieCourant()).GetField("gerant-associe-nom").visible);
}

TEST_F(EcransAssocies, OnlyAPropertyCompanyShowsItsManagerAndFirstCoManager) {
    Creer("MARTIN", true, 12);
    Creer("HOLDING DUPONT", false, 8);
    for (const char* categorie : {"1", "5"}) {
        ModifierDossier({{"Dossier", "Categorie", categorie}});
        const auto ecran = frame::CreateScreen("TfrmIntervenants");
        ecran->Activate();
        const bool sci = categorie == std::string("5");
        EXPECT_EQ(ecran->GetField("gerant").value, sci ? "HOLDING DUPONT" : "");
        EXPECT_EQ(ecran->GetField("cogerant-adresse").value, sci ? "PARIS" : "");
    }
    EXPECT_TRUE(boxes_.shown().empty());
}

}  // namespace
}  // namespace kvarn::identification
