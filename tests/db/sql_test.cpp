// The module's local SQL: every statement it runs, as it writes it, against a populated dossier
// and checked for its effect; the three rewrites of the dialect and nothing more; a statement
// that fails quotes itself and writes nothing.
#include "dossier_fixture.hpp"

#include "db/errors.hpp"
#include "db/identifiers.hpp"
#include "db/query.hpp"
#include "db/sql_dialect.hpp"

namespace kvarn::db::testing {
namespace {

struct StatementCase {
    const char* name;
    const char* alias;
    std::vector<std::string> lines;  // as the module sends them
    // For a SELECT: the result fields to read ("A;B"). Otherwise: an SQL query whose first
    // column, rows joined by ',', shows the effect.
    const char* check;
    const char* expected;
};

bool IsSelect(const StatementCase& c) { return c.lines.front().rfind("SELECT", 0) == 0; }

// Rows of a result as "a|b,c|d".
std::string ReadResult(CQuery& query, const std::string& fields) {
    const std::vector<std::string> names = SplitFieldList(fields);
    std::string rows;
    for (query.First(); !query.Eof(); query.Next()) {
        std::string row;
        for (std::size_t k = 0; k < names.size(); ++k)
            row += (k ? "|" : "") + query.FieldByName(names[k]).AsString();
        rows += (rows.empty() ? "" : ",") + row;
    }
    return rows;
}

std::string Joined(const std::vector<std::string>& values) {
    std::string out;
    for (const std::string& v : values) out += (out.empty() ? "" : ",") + v;
    return out;
}

class ModuleStatement : public PopulatedDossier, public ::testing::WithParamInterface<StatementCase> {};

TEST_P(ModuleStatement, HasItsEffectOnThePopulatedDossier) {
    const StatementCase& c = GetParam();
    CQuery query(*session_);
    query.SetDatabaseName(c.alias);
    for (const std::string& line : c.lines) query.SQL().Add(line);
    if (IsSelect(c)) {
        query.Open();
        EXPECT_EQ(ReadResult(query, c.check), c.expected);
    } else {
        query.ExecSQL();
        EXPECT_EQ(Joined(Column(c.check)), c.expected);
    }
}

const char* const kLinks = "SELECT AutoID FROM KOLMIKVA ORDER BY AutoID";

INSTANTIATE_TEST_SUITE_P(
    AsTheModuleWritesThem, ModuleStatement,
    ::testing::Values(
        // Migration of the older movement model.
        StatementCase{"OldDismemberments", ALIAS_DOSSIER,
                      {"SELECT M.AutoID,IdCessionnaire,NombrePart,TypeParts,IDCedant,PartsCedees FROM KOLMIKVN N "
                       "LEFT OUTER JOIN KOLMIKVM M ON (N.IdMouvement=M.AutoID) WHERE TypeMouvement=4"},
                      "AutoID;IdCessionnaire;NombrePart;TypeParts;IDCedant;PartsCedees", "4|2|3|1|1|3"},
        StatementCase{"OldOtherMovements", ALIAS_DOSSIER,
                      {"SELECT M.AutoID,N.AutoID as IdDetailMouv,TypeMouvement,IDCedant,DateMouvement,PartsCedees,"
                       "IdCessionnaire,NombrePart,TypeParts FROM KOLMIKVM M LEFT OUTER JOIN KOLMIKVN N ON "
                       "(M.AutoID=N.IdMouvement) WHERE TypeMouvement<>4"},
                      "AutoID;IdDetailMouv;DateMouvement;NombrePart",
                      "1|2|15/03/2024|5,2||01/04/2024|,3||01/05/2024|"},
        // Deleting an associate.
        StatementCase{"AssociateInAMovement", ALIAS_DOSSIER,
                      {"SELECT AUTOID FROM KOLMIKVM WHERE IDCEDANT=2",
                       "UNION SELECT M.AUTOID FROM KOLMIKVP P INNER JOIN KOLMIKVM M ON (P.IDMOUV=M.AUTOID)",
                       "WHERE P.IDASSO=2 AND (P.NBPARTSPPAUG IS NOT NULL OR P.NBPARTSPPDIM IS NOT NULL OR "
                       "P.NBPARTSNPDIM IS NOT NULL OR P.NBPARTSNPAUG IS NOT NULL OR P.NBPARTSUAUG IS NOT NULL OR "
                       "P.NBPARTSUDIM IS NOT NULL) AND M.IDCEDANT IS NOT NULL ORDER BY 1"},
                      "AUTOID", "1,2"},
        // Positions and synthesis.
        StatementCase{"LastMovementDate", ALIAS_DOSSIER, {"SELECT MAX(DateMouvement) AS DERNIERE FROM KOLMIKVM"},
                      "DERNIERE", "01/06/2024"},
        StatementCase{"SynthesisOfAMovementGoes", ALIAS_TMP, {"DELETE FROM SYNTHESEMOUVEMENTKV WHERE IDMOUVEMENT=1"},
                      "SELECT IdMouvement FROM ZOR_TMP.SyntheseMouvementKV", "2"},
        StatementCase{"StaleLinksOfAMovementGo", ALIAS_DOSSIER,
                      {"DELETE FROM KOLMIKVA A",
                       "WHERE IDMOUV<> 0 AND IDNP IN (SELECT IDASSO FROM KOLMIKVP P LEFT OUTER JOIN KOLMIKVM M ON "
                       "(P.IDMOUV=M.AUTOID) WHERE M.TYPEMOUVEMENT<>6 AND NbPartsUAug IS NULL AND NbPartsNPAug IS NULL "
                       "AND NbPartsPPDim IS NULL AND P.IdMouv=A.IdMouv)"},
                      kLinks, "1,2,3,5"},
        StatementCase{"StartLinksWithoutBareOwnershipGo", ALIAS_DOSSIER,
                      {"DELETE FROM KOLMIKVA A",
                       "WHERE IDMOUV=0 AND IDNP NOT IN (SELECT IDASSOCIE FROM ':ZOR_TMP:MouvementKV' WHERE "
                       "NBPARTSN<>0.00)"},
                      kLinks, "1,3,4,5,6"},
        // Deductions and reintegrations.
        StatementCase{"LineByItsDesignation", ALIAS_DOSSIER, {"SELECT * FROM KOLMIKV2 WHERE Designation='L''apport'"},
                      "IdDiversFisc;Designation;IsDeduction;MontantBA", "3|L'apport|True|40"},
        StatementCase{"UpdateOfTheLineDesignatedTrue", ALIAS_DOSSIER,
                      {"UPDATE KOLMIKV2 SET ISDEDUCTION='True'", ",MONTANTBIC=120", ",MONTANTBA=NULL",
                       ",MONTANTBNC=NULL", "WHERE DESIGNATION='True'"},
                      "SELECT Designation || '/' || IsDeduction || '/' || MontantBIC || '/' || ifnull(MontantBA, '-')"
                      " FROM KOLMIKV2 WHERE IdDiversFisc=2",
                      "True/1/120/-"},
        StatementCase{"DeleteOfTheLineWithAnApostrophe", ALIAS_DOSSIER,
                      {"DELETE FROM KOLMIKV2 WHERE DESIGNATION='L''apport'"},
                      "SELECT IdDiversFisc FROM KOLMIKV2 ORDER BY 1", "1,2,4"},
        StatementCase{"InsertOfAReintegrationDesignatedTrue", ALIAS_DOSSIER,
                      {"INSERT INTO KOLMIKV2(DESIGNATION,ISDEDUCTION", ",MONTANTBIC", ",MONTANTBNC",
                       ") VALUES('True','False'", ",15", ",25", ")"},
                      "SELECT Designation || '/' || IsDeduction || '/' || MontantBIC || '/' || MontantBNC"
                      " FROM KOLMIKV2 WHERE IdDiversFisc=5",
                      "True/0/15/25"},
        StatementCase{"TotalsOfTheDeductions", ALIAS_DOSSIER,
                      {"SELECT SUM(MONTANTBIC) AS TOTALMONTANTBIC,SUM(MONTANTBA) AS TOTALMONTANTBA, SUM(MONTANTBNC) AS "
                       "TOTALMONTANTBNC FROM KOLMIKV2 WHERE ISDEDUCTION ='True'"},
                      "TOTALMONTANTBIC;TOTALMONTANTBA;TOTALMONTANTBNC", "110|40|50"},
        StatementCase{"TotalsOfTheReintegrations", ALIAS_DOSSIER,
                      {"SELECT SUM(MONTANTBIC) AS TOTALMONTANTBIC,SUM(MONTANTBA) AS TOTALMONTANTBA, SUM(MONTANTBNC) AS "
                       "TOTALMONTANTBNC FROM KOLMIKV2 WHERE ISDEDUCTION ='False'"},
                      "TotalMontantBIC;TotalMontantBA;TotalMontantBNC", "200|30|"}),
    NomDuCas());

TEST_F(PopulatedDossier, AFailingStatementQuotesItselfAndWritesNothing) {
    CQuery query(*session_);
    query.SetDatabaseName(ALIAS_DOSSIER);
    // The third row makes the statement fail after two rows were already changed.
    query.SQL().Add("UPDATE KOLMIKV1 A SET NOM = CASE WHEN A.SHIDASSOCIE=3");
    query.SQL().Add("THEN abs(-9223372036854775807 - 1) ELSE 'X' END");
    try {
        query.ExecSQL();
        FAIL() << "the statement ran";
    } catch (const DbError& error) {
        EXPECT_NE(std::string(error.what()).find("UPDATE KOLMIKV1 A SET NOM = CASE WHEN A.SHIDASSOCIE=3\nTHEN"),
                  std::string::npos)
            << error.what();
    }
    EXPECT_EQ(Joined(Column("SELECT Nom FROM KOLMIKV1 ORDER BY ShIDAssocie")), "Durand,Martin,Petit,Roux,Blanc");
    query.SQL().Clear();
    query.SQL().Add("SELECT NOPE FROM KOLMIKV1");
    EXPECT_THROW(query.Open(), DbError);
    EXPECT_FALSE(query.Active());
    query.SQL().Clear();
    query.SQL().Add("DELETE FROM KOLMIKV2; DELETE FROM KOLMIKV1");
    EXPECT_THROW(query.ExecSQL(), DbError);  // one statement at a time, never a second one unseen
    EXPECT_EQ(Count("KOLMIKV2"), 4);
}

TEST_F(DossierTest, AComputedColumnOverNoDateReadsAsNoDate) {
    CQuery query(*session_);
    query.SQL().Add("SELECT MAX(DateMouvement) AS DERNIERE FROM KOLMIKVM");
    query.Open();
    EXPECT_EQ(query.FieldByName("DERNIERE").AsDateTime(), 0);
}

// The rewrite alone, over a catalogue where IsDeduction and EstPourBA are Logical.
class Dialect : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(Dialect, RewritesOnlyWhatSQLiteReadsOtherwise) {
    DialectCatalogue catalogue;
    catalogue.qualify = [](const TableReference& table) { return table.alias + ".\"" + table.name + "\""; };
    catalogue.logicalColumns = [](const TableReference& table) {
        if (AsciiUpper(table.name) == "KOLMIKV2" || AsciiUpper(table.name) == "KOLMIKV3")
            return std::set<std::string>{"ISDEDUCTION", "ESTPOURBA"};
        return std::set<std::string>{};
    };
    EXPECT_EQ(RewriteStatement(GetParam().first, catalogue), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    ThreeRewrites, Dialect,
    ::testing::Values(
        std::pair{"SELECT * FROM KOLMIKV2 WHERE Designation='True' AND (IsDeduction='True')",
                  "SELECT * FROM KOLMIKV2 WHERE Designation='True' AND (IsDeduction=1)"},
        std::pair{"SELECT * FROM KOLMIKV3 D WHERE 'False' <> D.ESTPOURBA", "SELECT * FROM KOLMIKV3 D WHERE 0 <> D.ESTPOURBA"},
        std::pair{"UPDATE KOLMIKV2 SET ISDEDUCTION='False'\nWHERE DESIGNATION='False'",
                  "UPDATE KOLMIKV2 SET ISDEDUCTION=0\nWHERE DESIGNATION='False'"},
        std::pair{"INSERT INTO KOLMIKV2(DESIGNATION,ISDEDUCTION) VALUES('True','True')",
                  "INSERT INTO KOLMIKV2(DESIGNATION,ISDEDUCTION) VALUES('True',1)"},
        std::pair{"SELECT x FROM ':ZOR_TMP:MouvementKV' WHERE y='True'",
                  "SELECT x FROM ZOR_TMP.\"MouvementKV\" WHERE y='True'"},
        std::pair{"DELETE FROM KOLMIKVA A WHERE A.X IN (SELECT P.Y FROM KOLMIKVP P WHERE P.Z=A.Z)",
                  "DELETE FROM KOLMIKVA AS A WHERE A.X IN (SELECT P.Y FROM KOLMIKVP P WHERE P.Z=A.Z)"},
        std::pair{"UPDATE KOLMIKV1 A SET NOM='L''A' WHERE A.NOM='True'",
                  "UPDATE KOLMIKV1 AS A SET NOM='L''A' WHERE A.NOM='True'"},
        std::pair{"DELETE FROM KOLMIKVA WHERE IDU=3", "DELETE FROM KOLMIKVA WHERE IDU=3"}));

}  // namespace
}  // namespace kvarn::db::testing
