// Associates written by Associe::Creer and read back through the list: update against insert,
// the sentinels clearing columns, the towns upper-cased, a beneficiary's key returned though the
// standing filter hides the row; the views and the shares-by-regime count over the same dossier;
// the completeness check's messages.
#include "associates/controle_edi.hpp"
#include "db/query.hpp"
#include "environment/gest_trp_ini.hpp"
#include "frame/etat_module.hpp"
#include "support/dossier_ouvert.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/liste_associes.hpp>
#include <kvarn/module.hpp>

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace kvarn::associates {
namespace {

class Creation : public testing_support::ModuleDemarre {
protected:
    static Associe Nouveau(const char* nom, int qualite, int regime, double pp) {
        Associe a;
        a.Nom = nom;
        a.Prenoms = "Jean";
        a.Qualite = qualite;
        a.RegimeImpositionSCI = regime;
        a.NbParts = pp;
        a.Creer();
        return a;
    }
    // The column's text as stored, "NULL" for an empty one.
    static std::string Colonne(int id, const char* colonne) {
        db::CQuery q(frame::DataModule()->Donnees().Session());
        q.SetDatabaseName(db::ALIAS_DOSSIER);
        q.SQL().Add(std::string("SELECT ") + colonne + " FROM KOLMIKV1 WHERE ShIDAssocie = " + std::to_string(id));
        q.Open();
        return q.Fields(0).IsNull() ? "NULL" : q.Fields(0).AsString();
    }
};

TEST_F(Creation, UpdateKeepsTheKeyInsertGivesANewOneSentinelsClearAndTownsAreUpperCased) {
    Associe a;
    a.Nom = "Dupont";
    a.Prenoms = "Émile";
    a.AdrVille = "lyon-métropole";
    a.IDPaysNaissance = 99;
    a.CPNaissance = "69001";  // born abroad: not written
    a.PartBenefice = 12.5;
    a.RembourstAutresAnnee2 = 3;
    a.NbEx_Edition = 2;
    a.Creer();
    const int id = a.ShIDAssocie;
    ASSERT_NE(id, 0);
    EXPECT_EQ(Colonne(id, "AdrVille"), "LYON-MÉTROPOLE");
    EXPECT_EQ(Colonne(id, "CPNaissance"), "NULL");
    EXPECT_EQ(Colonne(id, "PartBenefice"), "12,5");
    a.PartBenefice = Associe::kNulReel;
    a.RembourstAutresAnnee2 = Associe::kNulReel;
    a.NbEx_Edition = Associe::kNulEntier;
    a.ShIDAssocie = 0;
    a.Creer();  // same name and first names: the same row
    EXPECT_EQ(a.ShIDAssocie, id);
    for (const char* colonne : {"PartBenefice", "RembourstAutresAnnee2", "NbEx_Edition"})
        EXPECT_EQ(Colonne(id, colonne), "NULL") << colonne;
    a.Prenoms = "émile";  // an exact search: another associate
    a.Creer();
    EXPECT_NE(a.ShIDAssocie, id);
}

TEST_F(Creation, ABeneficiarysKeyComesBackThoughTheFilterHidesTheRow) {
    const Associe visible = Nouveau("A", QA_ASSOCIE, RIS_BIC, 10);
    const Associe beneficiaire = Nouveau("B", QA_BENEFICIAIRE, RIS_BIC, 0);
    EXPECT_NE(beneficiaire.ShIDAssocie, 0);
    EXPECT_NE(beneficiaire.ShIDAssocie, visible.ShIDAssocie);
    EXPECT_EQ(Colonne(beneficiaire.ShIDAssocie, "Nom"), "B");
}

TEST_F(Creation, ViewsAndRegimesOverTheDossier) {
    const int rf = Nouveau("RF", QA_ASSOCIE, RIS_RF, 4).ShIDAssocie;
    const int bic = Nouveau("BIC", QA_ASSOCIE, RIS_BIC, 6).ShIDAssocie;
    Nouveau("GERANT", QA_GERANT_NON_ASSOCIE, RIS_BNC, 0);
    frame::Parametres().SetAssInteger(environment::kSectionKV, "NbParts", 10);
    std::array<bool, 4> drapeaux{true, true, true, true};
    EXPECT_EQ(NbPartsAssocies(nullptr, drapeaux[0], drapeaux[1], drapeaux[2], drapeaux[3]), 10.0);
    EXPECT_EQ(drapeaux, (std::array{true, true, false, false}));
    OrdreAssocies ordre;
    DonnerOrdreAssociesRFPasAssoGerantNbPartsNbPartsUnonNull(ordre);
    EXPECT_EQ(ordre, OrdreAssocies{rf});
    // The list was loaded before this associate came: only the always-reloading view sees it.
    const int tard = Nouveau("TARD", QA_ASSOCIE, RIS_BIC, 1).ShIDAssocie;
    CarteAssocies carte;
    DonnerListeAssociesNonRFPasAssoGerantNbPartsNbPartsUnonNull(carte);
    EXPECT_EQ(carte.count(tard), 0u);
    DonnerListeAssociesNbPartsNonNull(carte, false);
    EXPECT_EQ(carte.size(), 3u);
    EXPECT_EQ(carte.count(tard) + carte.count(bic), 2u);
}

TEST_F(Creation, CompletenessCheckShowsItsMessages) {
    Associe a;
    a.Nom = "Martin";
    a.PersonnePhysique = true;
    a.Titre = TAP_MME;
    a.Creer();
    EXPECT_FALSE(AssociesPersPhysiques_ControlesEdiValides());
    a.NoIdentFisc = "0000000000001";
    a.Creer();
    DesinitListeAssocies();
    EXPECT_FALSE(AssociesPersPhysiques_ControlesEdiValides());
    ASSERT_EQ(boxes_.shown().size(), 2u);
    EXPECT_EQ(boxes_.shown()[0].texte, kMessageIncomplet);
    EXPECT_EQ(boxes_.shown()[1].texte, kMessageNumeroFiscal);
}

}  // namespace
}  // namespace kvarn::associates
