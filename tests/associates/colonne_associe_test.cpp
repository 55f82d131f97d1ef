// One KOLMIKV1 column written by name from a typed text: each type's reading, the width cut, the
// clearing by an empty text, and the refusals (unknown, calculated or key column, bad value).
#include "associates/colonne_associe.hpp"

#include "db/statement.hpp"
#include "frame/etat_module.hpp"
#include "support/dossier_ouvert.hpp"

#include <gtest/gtest.h>

namespace kvarn::associates {
namespace {

struct Cas {
    std::string nom;
    const char* colonne;
    const char* valeur;
    const char* stocke;  // the column as SQLite gives it back, "NULL" when empty; "" when refused
    bool colonneRefusee = false;
};

class ColonneParNom : public testing_support::ModuleDemarre, public testing::WithParamInterface<Cas> {};

TEST_P(ColonneParNom, ReadsTheTextByTheColumnsTypeOrRefusesIt) {
    const Cas& cas = GetParam();
    db::CTable& table = frame::DataModule()->Donnees().Composant("tblAssociesKV");
    table.Open();
    table.Append();
    table.FieldByName("Nom").SetAsString("Durand");
    table.FieldByName("Adr1JanVille").SetAsString("Paris");
    table.FieldByName("NbParts").SetAsFloat(5);
    if (!*cas.stocke) {
        if (cas.colonneRefusee) EXPECT_THROW(EcrireColonneAssocie(table, cas.colonne, cas.valeur), ColonneNonModifiable);
        else EXPECT_THROW(EcrireColonneAssocie(table, cas.colonne, cas.valeur), ValeurRefusee);
        table.Cancel();
        table.Close();
        return;
    }
    EcrireColonneAssocie(table, cas.colonne, cas.valeur);
    table.Post();
    table.Close();
    db::Statement lu(frame::DataModule()->Donnees().Session().connection().Handle(),
                     std::string("SELECT ") + cas.colonne + " FROM KOLMIKV1");
    ASSERT_TRUE(lu.Step());
    EXPECT_EQ(lu.ColumnIsNull(0) ? "NULL" : std::string(lu.ColumnText(0)), cas.stocke);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ColonneParNom,
    testing::Values(Cas{"TexteCoupe", "adr1janville", "Saint-Étienne-de-la-Grande-Montagne-Noire-Bis", "Saint-Étienne-de-la-Grande-Montagne"},
                    Cas{"TexteVideEfface", "Adr1JanVille", "", "NULL"},
                    Cas{"Entier", "qualite", " 7 ", "7"}, Cas{"EntierRefuse", "Qualite", "7,5", ""},
                    Cas{"ReelVirgule", "NBPARTS", "12,5", "12.5"}, Cas{"ReelPoint", "NbParts", "-0.25", "-0.25"},
                    Cas{"ReelRefuse", "NbParts", "1 000", ""}, Cas{"ReelVideEfface", "NbParts", "", "NULL"},
                    Cas{"Logique", "PVDifferee", "1", "1"}, Cas{"LogiqueRefusee", "PVDifferee", "oui", ""},
                    Cas{"Date", "DateCessionParts", "15/03/2025", "2025-03-15"},
                    Cas{"DateRefusee", "DateCessionParts", "2025-03-15", ""},
                    Cas{"Inconnue", "Pointure", "42", "", true}, Cas{"Calculee", "NbPartsPPFinExo", "3", "", true},
                    Cas{"Cle", "ShIDAssocie", "3", "", true}),
    testing_support::NomDuCas{});

}  // namespace
}  // namespace kvarn::associates
