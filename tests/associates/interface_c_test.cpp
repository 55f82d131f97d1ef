// The associates' C interface over a dossier: the walks on an empty dossier (a populated one is
// walked from C, by tests/c/associes.c), a record read and written back
// leaving the row as it was (also for texts the code page or the width cannot hold), nulls across
// the boundary, the labels, the manager look-up and its messages; and the record's own rules.
#include "associates/associe_c.hpp"
#include "common/dates.hpp"
#include "db/query.hpp"
#include "frame/etat_module.hpp"
#include "support/associe_cree.hpp"
#include "support/boites_vues.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/requete_sql.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/liste_associes.hpp>
#include <kvarn/module.hpp>
#include <kvarn/parametres_associes.hpp>

#include <gtest/gtest.h>

#include <cstring>
#include <list>
#include <utility>
#include <string>
#include <vector>

namespace kvarn::associates {
namespace {

using testing_support::CreerAssocie;

using Marche = bool (*)(ASSOCIE_C*);
struct Paire {
    Marche premier, suivant;
};
const Paire kPaires[] = {{KVDonnePremierAssocie_C, KVDonneAssocieSuivant_C},
                         {KVDonnePremierAssociePM_C, KVDonneAssociePMSuivant_C},
                         {KVDonnePremierAssociePP_C, KVDonneAssociePPSuivant_C},
                         {KVDonnePremierAssocieAyantPartsPP_C, KVDonneAssocieSuivantAyantPartsPP_C}};

class InterfaceC : public testing_support::ModuleOuvert {
protected:
    void SetUp() override {
        ModuleOuvert::SetUp();
        KVOuvreAssocie_C();
    }
    void TearDown() override {
        KVFermeAssocie_C();
        ModuleOuvert::TearDown();
    }
    static std::vector<std::string> Noms(const Paire& paire) {
        std::vector<std::string> noms;
        ASSOCIE_C a;
        for (bool encore = paire.premier(&a); encore; encore = paire.suivant(&a)) noms.emplace_back(a.Nom);
        return noms;
    }
    // Every stored column of the row, as text.
    static std::vector<std::string> Ligne(int id) {
        db::CQuery q(frame::DataModule()->Donnees().Session());
        q.SetDatabaseName(db::ALIAS_DOSSIER);
        q.SQL().Add("SELECT * FROM KOLMIKV1 WHERE ShIDAssocie = " + std::to_string(id));
        q.Open();
        std::vector<std::string> colonnes;
        for (int c = 0; c < q.FieldCount(); ++c)
            colonnes.push_back(q.Fields(c).FieldName() + "=" + (q.Fields(c).IsNull() ? "NULL" : q.Fields(c).AsString()));
        return colonnes;
    }
};

TEST_F(InterfaceC, EveryWalkOnAnEmptyDossierGivesFalseAndAZeroedRecord) {
    ASSOCIE_C a;
    for (const Paire& paire : kPaires) {
        std::memset(&a, 0x5A, sizeof a);
        EXPECT_FALSE(paire.premier(&a));
        EXPECT_EQ(a.ShIDAssocie, 0);
        EXPECT_EQ(a.Nom[0], 0);
        EXPECT_FALSE(paire.premier(nullptr));
    }
    uint16_t nombres[3] = {9, 9, 9};
    KVDonnerNbAssocies_C(&nombres[0], &nombres[1], &nombres[2]);
    EXPECT_EQ(std::vector<uint16_t>(nombres, nombres + 3), (std::vector<uint16_t>{0, 0, 0}));
}

TEST_F(InterfaceC, ReadThenWrittenBackLeavesTheRowAsItWas) {
    Associe a{.PartBenefice = 12.25, .PersonnePhysique = true, .DateNaissance = 21000,
              .Nom = "CŒUR",  // no Œ in the OEM code page
              .AdrNomVoie = "rue de l'Église",
              .AdrVille = std::string(35, 'V')};  // wider than the record's 31 characters
    a.Creer();
    const std::vector<std::string> avant = Ligne(a.ShIDAssocie);
    ASSOCIE_C r;
    ASSERT_TRUE(KVDonnerAssocie_C(a.ShIDAssocie, &r, nullptr));
    EXPECT_EQ(r.PartResultatNumerateur, -32767);  // a null fraction
    ASSERT_TRUE(KVMAJAssocie_C(&r));
    EXPECT_EQ(Ligne(a.ShIDAssocie), avant);
    r.PartResultatNumerateur = 3;
    std::strcpy(r.AdrVille, "lyon");
    ASSERT_TRUE(KVMAJAssocie_C(&r));
    ASSERT_TRUE(KVDonnerAssocie_C(a.ShIDAssocie, &r, nullptr));  // through the refreshed cache
    EXPECT_EQ(r.PartResultatNumerateur, 3);
    EXPECT_STREQ(r.AdrVille, "LYON");
    r.PartResultatNumerateur = -32767;
    ASSERT_TRUE(KVMAJAssocie_C(&r));
    EXPECT_EQ(Ligne(a.ShIDAssocie), [&] {
        std::vector<std::string> lyon = avant;
        for (std::string& c : lyon)
            if (c.rfind("AdrVille=", 0) == 0) c = "AdrVille=LYON";
        return lyon;
    }());
    r.ShIDAssocie = 0;
    EXPECT_FALSE(KVMAJAssocie_C(&r));
    EXPECT_FALSE(KVMAJAssocie_C(nullptr));
}

TEST_F(InterfaceC, AChangeOfKindDropsTheCachedList) {
    const int id = CreerAssocie({.NbParts = 1, .Qualite = QA_ASSOCIE, .PersonnePhysique = true, .Nom = "A"});
    ASSOCIE_C r;
    ASSERT_TRUE(KVDonnerAssocie_C(id, &r, nullptr));
    r.PersonnePhysique = 0;
    ASSERT_TRUE(KVMAJAssocie_C(&r));
    EXPECT_EQ(Noms(kPaires[1]), std::vector<std::string>{"A"});
    EXPECT_TRUE(Noms(kPaires[2]).empty());
}

TEST_F(InterfaceC, DeletingEveryAssociateTakesTheMovementsAndTheCachedListWithThem) {
    CreerAssocie({.NbParts = 1, .Qualite = QA_ASSOCIE, .PersonnePhysique = true, .Nom = "A"});
    CreerAssocie({.NbParts = 2, .Qualite = QA_ASSOCIE, .Nom = "B"});
    db::CTable& mouvements = frame::DataModule()->Donnees().Composant("tblMouvementParts");
    mouvements.Open();
    mouvements.Append();
    mouvements.FieldByName("TypeMouvement").SetAsInteger(0);
    mouvements.Post();
    mouvements.Close();
    uint16_t total = 0;
    KVDonnerNbAssocies_C(&total, nullptr, nullptr);
    ASSERT_EQ(total, 2);
    _SupprimerTousLesAssocies();
    KVDonnerNbAssocies_C(&total, nullptr, nullptr);
    EXPECT_EQ(total, 0);
    EXPECT_EQ(testing_support::ValeurSql("SELECT (SELECT COUNT(*) FROM KOLMIKV1) + (SELECT COUNT(*) FROM KOLMIKVM)"),
              "0");
}

TEST_F(InterfaceC, LabelsInTheirBuffers) {
    EXPECT_STREQ(DonnerQualite_C(4), "Pr\x82sident du Directo");  // 20 OEM bytes
    EXPECT_STREQ(DonnerQualite_C(-1), "");
    EXPECT_STREQ(DonnerRegimeMatrimonial_C(5), "");
    EXPECT_STREQ(DonnerTitreOuFormeJuridique_C(1, 1, 0), "MME");
}

TEST_F(InterfaceC, ManagerLookUpAndItsMessages) {
    INTERVENANT_KV gerant;
    EXPECT_FALSE(GetGerant(&gerant));
    EXPECT_EQ(testing_support::Textes(boxes_),
              std::vector<std::string>{"Aucun gérant de la SCI n'est défini pour renseigner le Cerfa 2072."});
    const int nonAssocie =
        CreerAssocie({.Qualite = QA_GERANT_NON_ASSOCIE, .PersonnePhysique = true, .Nom = "NONASSOCIE"});
    EXPECT_TRUE(GetGerant(&gerant));
    EXPECT_EQ(gerant.Id, nonAssocie);
    EXPECT_EQ(boxes_.shown().size(), 1u);  // no message
    const int gerantSeul =
        CreerAssocie({.NbParts = 1, .Qualite = QA_GERANT, .PersonnePhysique = true, .Nom = "GERANT"});
    EXPECT_TRUE(GetGerant(&gerant));
    EXPECT_EQ(gerant.Id, gerantSeul);
    ASSERT_EQ(boxes_.shown().size(), 2u);
    EXPECT_NE(boxes_.shown()[1].texte.find("\"Associé gérant \" ou \"Gérant non associé\" \nà \"Gérant\" seul"),
              std::string::npos);
    std::list<INTERVENANT_KV> cogerants;
    EXPECT_FALSE(GetCogerant(cogerants));
    CreerAssocie({.NbParts = 1, .Qualite = QA_COGERANT, .PersonnePhysique = true, .Nom = "CO"});
    EXPECT_TRUE(GetCogerant(cogerants));
    EXPECT_EQ(cogerants.size(), 1u);
}

TEST_F(InterfaceC, AllocatedScreenParametersCarryTheirGroupAndTheSituationDate) {
    ModifierDossier({{"Exercice", "Situation", "30/06/2025"}});
    const std::pair<void*, TYPE_ECRAN_COMMUN> objets[] = {{KVAlloueAssocies_C(1), TE_ASSOCIES},
                                                          {KVAlloueAssocies_C(0), TE_ASSOCIE},
                                                          {KVAlloueAssocies_C_CapitalSocial(4), TE_CAPITAL_SOCIAL},
                                                          {KVAlloueFonctionsEtCapital_C(), TE_FONCTIONS_ET_CAPITAL}};
    for (const auto& [objet, type] : objets) {
        const auto* parametre = static_cast<CKvarn*>(objet);
        EXPECT_EQ(parametre->GetTypeEcran(), type);
        EXPECT_EQ(parametre->GetParametre(), 100);
    }
    const auto* capital = dynamic_cast<CParamCapitalSocial*>(static_cast<CKvarn*>(objets[2].first));
    ASSERT_NE(capital, nullptr);
    EXPECT_EQ(FormatDate(capital->DateSituation), "30/06/2025");
    EXPECT_EQ(capital->CategorieImposition, 4);
    EXPECT_EQ(dynamic_cast<CParamAssocies*>(static_cast<CKvarn*>(objets[1].first)), nullptr);
    KVDesalloueAssocies_C(objets[0].first);
    KVDesalloueAssocies_C(objets[1].first);
    KVDesalloueAssocies_C_CaptialSocial(objets[2].first);
    KVDesalloueFonctionsEtCapital_C(objets[3].first);
    KVDesalloueAssocies_C(nullptr);
}

TEST(AssocieC, KeysAnInt16CannotHoldAndNullCountsCrossAsDecided) {
    Associe a;
    a.NbEx_Edition = Associe::kNulEntier;
    a.NbHeureTravaillesConjoint = Associe::kNulEntier;
    a.BICouMeuble = U'B';
    const std::pair<int, int> cles[] = {{32767, 32767}, {32768, 0}, {70000, 0}};
    for (const auto& [cle, attendue] : cles) {
        a.ShIDAssocie = cle;
        ASSOCIE_C r;
        RemplirAssocieC(a, r);
        EXPECT_EQ(r.ShIDAssocie, attendue) << cle;
        EXPECT_EQ(r.NbEx_Edition, -32767);
        EXPECT_EQ(FusionnerAssocieC(r, Associe()).NbEx_Edition, Associe::kNulEntier);
        EXPECT_EQ(FusionnerAssocieC(r, Associe()).BICouMeuble, U'B');
    }
}

}  // namespace
}  // namespace kvarn::associates
