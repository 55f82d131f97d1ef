// Associates written by Associe::Creer and read back through the list: update against insert,
// the sentinels clearing columns, the towns upper-cased, a beneficiary's key returned though the
// standing filter hides the row; the views and the shares-by-regime count over the same dossier;
// the completeness check's messages.
#include "associates/controle_edi.hpp"
#include "environment/gest_trp_ini.hpp"
#include "frame/etat_module.hpp"
#include "support/associe_cree.hpp"
#include "support/boites_vues.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/requete_sql.hpp"

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
    static int Nouveau(const char* nom, int qualite, int regime, double pp) {
        return testing_support::CreerAssocie(
            {.NbParts = pp, .RegimeImpositionSCI = regime, .Qualite = qualite, .Nom = nom, .Prenoms = "Jean"});
    }
    // The column's text as stored, "NULL" for an empty one.
    static std::string Colonne(int id, const char* colonne) {
        return testing_support::ValeurSql(std::string("SELECT ") + colonne + " FROM KOLMIKV1 WHERE ShIDAssocie = " +
                                          std::to_string(id));
    }
};

TEST_F(Creation, UpdateKeepsTheKeyInsertGivesANewOneSentinelsClearAndTownsAreUpperCased) {
    Associe a{.IDPaysNaissance = 99, .PartBenefice = 12.5, .RembourstAutresAnnee2 = 3, .Nom = "Dupont",
              .Prenoms = "Émile", .AdrVille = "lyon-métropole", .CPNaissance = "69001",  // born abroad: not written
              .NbEx_Edition = 2};
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
    const int visible = Nouveau("A", QA_ASSOCIE, RIS_BIC, 10);
    const int beneficiaire = Nouveau("B", QA_BENEFICIAIRE, RIS_BIC, 0);
    EXPECT_NE(beneficiaire, 0);
    EXPECT_NE(beneficiaire, visible);
    EXPECT_EQ(Colonne(beneficiaire, "Nom"), "B");
}

TEST_F(Creation, ViewsAndRegimesOverTheDossier) {
    const int rf = Nouveau("RF", QA_ASSOCIE, RIS_RF, 4);
    const int bic = Nouveau("BIC", QA_ASSOCIE, RIS_BIC, 6);
    Nouveau("GERANT", QA_GERANT_NON_ASSOCIE, RIS_BNC, 0);
    frame::Parametres().SetAssInteger(environment::kSectionKV, "NbParts", 10);
    std::array<bool, 4> drapeaux{true, true, true, true};
    EXPECT_EQ(NbPartsAssocies(nullptr, drapeaux[0], drapeaux[1], drapeaux[2], drapeaux[3]), 10.0);
    EXPECT_EQ(drapeaux, (std::array{true, true, false, false}));
    OrdreAssocies ordre;
    DonnerOrdreAssociesRFPasAssoGerantNbPartsNbPartsUnonNull(ordre);
    EXPECT_EQ(ordre, OrdreAssocies{rf});
    // The list was loaded before this associate came: only the always-reloading view sees it.
    const int tard = Nouveau("TARD", QA_ASSOCIE, RIS_BIC, 1);
    CarteAssocies carte;
    DonnerListeAssociesNonRFPasAssoGerantNbPartsNbPartsUnonNull(carte);
    EXPECT_EQ(carte.count(tard), 0u);
    DonnerListeAssociesNbPartsNonNull(carte, false);
    EXPECT_EQ(carte.size(), 3u);
    EXPECT_EQ(carte.count(tard) + carte.count(bic), 2u);
}

TEST_F(Creation, CompletenessCheckShowsItsMessages) {
    Associe a{.Titre = TAP_MME, .PersonnePhysique = true, .Nom = "Martin"};
    a.Creer();
    EXPECT_FALSE(AssociesPersPhysiques_ControlesEdiValides());
    a.NoIdentFisc = "0000000000001";
    a.Creer();
    DesinitListeAssocies();
    EXPECT_FALSE(AssociesPersPhysiques_ControlesEdiValides());
    EXPECT_EQ(testing_support::Textes(boxes_), (std::vector<std::string>{kMessageIncomplet, kMessageNumeroFiscal}));
}

}  // namespace
}  // namespace kvarn::associates
