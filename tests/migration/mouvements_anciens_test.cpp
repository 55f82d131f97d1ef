// The older movement model converted: dossiers of older releases built with plain SQL (counts at
// the end of the year, KOLMIKVM with PartsCedees, lines in KOLMIKVN), converted, then their
// positions computed: they must end on the counts the older model held, start where the movements
// say, and carry the links each dismemberment and reconstitution makes.
#include "migration/mouvements_anciens_etapes.hpp"
#include "migration/mouvements_anciens_tables.hpp"
#include "movements/calcul_positions.hpp"
#include "frame/etat_module.hpp"
#include "support/requete_sql.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/nom_du_cas.hpp"

#include <kvarn/associe.hpp>
#include <kvarn/kvarn.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kvarn::migration {
namespace {

// PP, U, NP; empty: null.
struct Comptes {
    std::optional<double> pp, u, np;
};
constexpr int PP = 0, U = 1, NP = 2;

struct Ligne {
    int cessionnaire;
    double nombre;
    int sorte;
};

struct Ancien {
    const char* date;  // "" undated
    int type;          // older code
    int cedant;
    double cedees;
    std::vector<Ligne> lignes;
};

struct Cas {
    const char* nom;
    std::vector<Comptes> comptes;    // associates 1, 2, ... at the end of the year
    std::vector<Ancien> mouvements;  // keys 1, 2, ...
    const char* debuts;              // the counts once converted: the start of the year
    const char* types;               // the movements' current codes
    const char* liens;               // IdMouv|IdNP|IdU|NbU
};

std::string Sql(std::optional<double> v) { return v ? std::to_string(*v) : "NULL"; }
void Executer(const std::string& sql) { frame::DataModule()->Donnees().Session().connection().Execute(sql); }

std::vector<double> Nombres(std::string lignes) {
    std::replace_if(lignes.begin(), lignes.end(), [](char c) { return c == '|' || c == ';'; }, ' ');
    std::istringstream flux(lignes);
    return {std::istream_iterator<double>(flux), std::istream_iterator<double>()};
}

void Construire(const Cas& cas) {
    Executer("DROP TABLE KOLMIKVM");
    Executer("CREATE TABLE KOLMIKVM (AutoID INTEGER PRIMARY KEY AUTOINCREMENT, DateMouvement DATE, "
             "TypeMouvement SMALLINT, IDCedant INTEGER, PartsCedees DOUBLE)");
    Executer("CREATE INDEX \"KOLMIKVM$idxTri\" ON KOLMIKVM (DateMouvement, AutoID)");
    Executer("CREATE TABLE KOLMIKVN (AutoID INTEGER PRIMARY KEY AUTOINCREMENT, IdMouvement INTEGER, "
             "IdCessionnaire INTEGER, NombrePart DOUBLE, TypeParts SMALLINT)");
    int id = 0;
    for (const Comptes& c : cas.comptes)
        Executer("INSERT INTO KOLMIKV1 (ShIDAssocie, Nom, PersonnePhysique, Qualite, NbParts, NbPartsU, NbPartsN) VALUES (" +
                 std::to_string(++id) + ", 'A', 1, " + std::to_string(QA_ASSOCIE) + ", " +
                 Sql(c.pp) + ", " + Sql(c.u) + ", " + Sql(c.np) + ")");
    id = 0;
    for (const Ancien& m : cas.mouvements) {
        Executer("INSERT INTO KOLMIKVM VALUES (" + std::to_string(++id) + ", " +
                 (*m.date ? "'" + std::string(m.date) + "'" : std::string("NULL")) + ", " + std::to_string(m.type) +
                 ", " + (m.cedant ? std::to_string(m.cedant) : "NULL") + ", " + std::to_string(m.cedees) + ")");
        for (const Ligne& l : m.lignes)
            Executer("INSERT INTO KOLMIKVN (IdMouvement, IdCessionnaire, NombrePart, TypeParts) VALUES (" +
                     std::to_string(id) + ", " + std::to_string(l.cessionnaire) + ", " + std::to_string(l.nombre) +
                     ", " + std::to_string(l.sorte) + ")");
    }
}

// Every associate's end of the year as the positions compute it equals its older count.
void VerifierFins(const Cas& cas) {
    movements::CalculerPositionsAssocies(*frame::DataModule(), false, 0.0);
    std::vector<double> attendues;
    for (const Comptes& c : cas.comptes)
        for (const std::optional<double>& compte : {c.pp, c.u, c.np}) attendues.push_back(compte.value_or(0.0));
    const std::vector<double> fins =
        Nombres(testing_support::LignesSql("SELECT NbPartsPPFin, NbPartsUFin, NbPartsNPFin FROM ZOR_TMP.MouvementKV ORDER BY IDAssocie"));
    ASSERT_EQ(fins.size(), attendues.size());
    for (std::size_t i = 0; i < fins.size(); ++i) EXPECT_NEAR(fins[i], attendues[i], 1e-9) << "associate " << i / 3 + 1;
}

void VerifierConversion(const Cas& cas) {
    EXPECT_EQ(testing_support::LignesSql("SELECT NbParts, NbPartsU, NbPartsN FROM KOLMIKV1 ORDER BY ShIDAssocie"), cas.debuts);
    EXPECT_EQ(testing_support::LignesSql("SELECT TypeMouvement FROM KOLMIKVM ORDER BY AutoID"), cas.types);
    EXPECT_EQ(testing_support::LignesSql("SELECT IdMouv, IdNP, IdU, NbU FROM KOLMIKVA ORDER BY IdMouv, IdNP, IdU"), cas.liens);
    EXPECT_FALSE(EnModeleAncien(frame::DataModule()->Donnees().Session()));
    EXPECT_EQ(testing_support::LignesSql("SELECT COUNT(*) FROM sqlite_master WHERE name = 'KOLMIKVN'"), "0;");
    EXPECT_EQ(testing_support::LignesSql("SELECT COUNT(*) FROM AnciennesValeurs WHERE NomTable = 'KOLMIKVM' AND Champ = 'PartsCedees'"),
              std::to_string(cas.mouvements.size()) + ";");
}

class Conversion : public testing_support::ModuleDemarre, public testing::WithParamInterface<Cas> {
protected:
    void SetUp() override {
        ModuleDemarre::SetUp();
        ModifierDossier({{"Exercice", "Debut", "01/01/2025"}, {"Exercice", "Fin", "31/12/2025"},
                         {"Exercice", "Situation", "31/12/2025"}});
        Executer("DELETE FROM ZOR_TMP.MouvementKV");
    }
};

TEST_P(Conversion, PositionsEndOnTheOlderCountsAndStartWhereTheMovementsSay) {
    const Cas& cas = GetParam();
    Construire(cas);
    // Parking twice parks once: the conversion's own first step finds the lines there.
    PlacerPartsDebut(*frame::DataModule());
    PlacerPartsDebut(*frame::DataModule());
    ASSERT_TRUE(MigrerPartsDebutEnMouvements());
    VerifierConversion(cas);
    VerifierFins(cas);
    // A converted dossier is left alone.
    ASSERT_TRUE(MigrerPartsDebutEnMouvements());
    VerifierConversion(cas);
}

const Cas kCas[] = {
    {"CessionEtAugmentationDeCapital",
     {{60.0, {}, {}}, {40.0, {}, {}}},
     {{"2025-03-01", 0, 1, 10, {{2, 10, PP}}}, {"2025-04-01", 3, 0, 0, {{2, 20, PP}}}},
     "70.0|NULL|NULL;10.0|NULL|NULL;", "0;4;", ""},
    // A dismembers 60 of his 100: B and C take the bare ownership unevenly, D and A himself the
    // usufruct, spread over the bare owners in proportion to their shares.
    {"DemembrementEnPlusieursNPEtU",
     {{40.0, 20.0, {}}, {{}, {}, 20.0}, {{}, {}, 40.0}, {{}, 40.0, {}}},
     {{"2025-05-02", 4, 1, 60, {{2, 20, NP}, {3, 40, NP}, {4, 40, U}, {1, 20, U}}}},
     "100.0|0.0|NULL;NULL|NULL|0.0;NULL|NULL|0.0;NULL|0.0|NULL;", "3;",
     "1|2|1|6.66667;1|2|4|13.33333;1|3|1|13.33333;1|3|4|26.66667;"},
    // A sells 4 of his 10 bare shares to B, D sells 2 usufruct shares to E, then A gets full
    // ownership of his 6 back from D.
    {"CessionsDemembreesEtReconstitution",
     {{6.0, {}, 0.0}, {{}, {}, 4.0}, {}, {{}, 2.0, {}}, {{}, 2.0, {}}},
     {{"2025-02-01", 1, 1, 4, {{2, 4, NP}}}, {"2025-03-01", 2, 4, 2, {{5, 2, U}}}, {"2025-06-30", 6, 4, 6, {{1, 6, PP}}}},
     "0.0|NULL|10.0;NULL|NULL|0.0;NULL|NULL|NULL;NULL|10.0|NULL;NULL|0.0|NULL;", "1;2;6;", "3|1|4|6.0;"},
    // What the positions do not count does not move the start: an undated movement, a code that is
    // no movement, one after the situation date. A count the movements contradict starts below 0;
    // an associate without counts keeps none.
    {"MouvementsNonComptesEtDebutNegatif",
     {{50.0, {}, {}}, {20.0, {}, {}}, {0.0, {}, {}}, {}},
     {{"", 0, 1, 5, {{2, 5, PP}}}, {"2025-04-01", 9, 1, 7, {{2, 7, PP}}}, {"2026-02-01", 0, 1, 3, {{2, 3, PP}}},
      {"2025-05-01", 5, 1, 10, {}}, {"2025-06-01", 0, 1, 5, {{3, 5, PP}}}},
     "65.0|NULL|NULL;20.0|NULL|NULL;-5.0|NULL|NULL;NULL|NULL|NULL;", "0;109;0;5;0;", ""},
};

// A step that fails changes nothing of what it would have written; the next run resumes there.
TEST_P(Conversion, AFailingConversionLeavesTheOlderModelForTheNextRun) {
    const Cas& cas = GetParam();
    Construire(cas);
    Executer("ALTER TABLE KOLMIKVA RENAME TO KOLMIKVA_ailleurs");
    EXPECT_FALSE(MigrerPartsDebutEnMouvements());
    EXPECT_TRUE(EnModeleAncien(frame::DataModule()->Donnees().Session()));
    EXPECT_EQ(testing_support::LignesSql("SELECT COUNT(*) FROM KOLMIKVP"), "0;");
    Executer("ALTER TABLE KOLMIKVA_ailleurs RENAME TO KOLMIKVA");
    ASSERT_TRUE(MigrerPartsDebutEnMouvements());
    VerifierConversion(cas);
    VerifierFins(cas);
}

INSTANTIATE_TEST_SUITE_P(Anciens, Conversion, testing::ValuesIn(kCas), testing_support::NomDuCas());

}  // namespace
}  // namespace kvarn::migration
