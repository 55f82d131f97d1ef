// The share register: a year with a movement of each type worked out by hand, the hand-made SCI
// against the module's own share accounts, the synthesis it reads written in one pass as row by
// row, the real roles of a sale of usufruct and of a sale of bare ownership in the links, the
// annex only for a calendar year seen at its end, a gap from two equal detail rows, and the CSV
// tables byte for byte.
#include "common/dates.hpp"
#include "db/query.hpp"
#include "db/statement.hpp"
#include "db/transaction.hpp"
#include "frame/etat_module.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/lecture_registre.hpp"
#include "movements/liste_en_cache.hpp"
#include "movements/registre_csv.hpp"
#include "movements/synthese_mouvements.hpp"
#include "movements/table_details.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/sci_exemple.hpp"

#include <kvarn/associe.hpp>
#include <kvarn/module.hpp>
#include <kvarn/mouvements.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace kvarn::movements {
namespace {

const double kDebut = *EncodeDate({2025, 1, 1});
const double kFin = *EncodeDate({2025, 12, 31});

using Parts3 = std::array<double, 3>;
Parts3 Lues(const PartsStockees& p) { return {p.pp.value_or(-99), p.u.value_or(-99), p.np.value_or(-99)}; }
std::vector<std::tuple<int, int, double>> Triplets(const std::vector<LienRegistre>& liens) {
    std::vector<std::tuple<int, int, double>> t;
    for (const LienRegistre& l : liens) t.emplace_back(l.nuProprietaire, l.usufruitier, l.nbU);
    return t;
}

// A calendar year 2025 seen at its end; associates, movements and links stored through the
// module's own operations, as other programs of the suite store them.
class Registre : public testing_support::ModuleDemarre {
protected:
    void SetUp() override {
        ModuleDemarre::SetUp();
        for (const char* table : {"MouvementKV", "SyntheseMouvementKV"}) {  // they outlive a data module
            db::CQuery q(frame::DataModuleCree().Donnees().Session());
            q.SetDatabaseName(db::ALIAS_TMP);
            q.SQL().Add(std::string("DELETE FROM ") + table);
            q.ExecSQL();
        }
        Annee(kDebut, kFin, kFin);
    }
    void Annee(double debut, double fin, double situation) {
        ModifierDossier({{"Exercice", "Debut", FormatDate(debut)}, {"Exercice", "Fin", FormatDate(fin)},
                         {"Exercice", "Situation", FormatDate(situation)}});
    }
    static int Asso(const char* nom, Parts3 debut = {}) {
        ::Associe a;
        a.Nom = nom, a.Titre = TAP_AUCUN, a.Qualite = QA_ASSOCIE;
        a.NbParts = debut[0], a.NbPartsU = debut[1], a.NbPartsN = debut[2];
        a.Creer();
        return a.ShIDAssocie;
    }
    // Details {associate, kind, signed shares}, each its own row; links {bare owner, usufructuary,
    // number} as stored (a sale of usufruct stores the buyer first).
    static int Mouv(int jour, int type, int cedant, const std::vector<cDetailMouvementParts>& details,
                    const std::vector<Parts3>& liens = {}) {
        cMouvParts m;
        m.DateMouvement = kDebut + jour, m.TypeMouvement = type, m.IDCedant = cedant;
        KV_OuvrirMouvementsParts();
        const int id = KV_SauverMouvementsParts(m);
        for (const cDetailMouvementParts& d : details) KV_SauverDetailMouvementsParts(d, id);
        KV_FermerMouvementsParts();
        Lien(id, liens);
        frame::DataModuleCree().EtatDe<EtatMouvements>().listeChargee = false;
        return id;
    }
    static void Lien(int idMouv, const std::vector<Parts3>& liens) {
        KV_OuvrirAssoNPU();
        for (const Parts3& l : liens) KV_SauverAssoNPU({idMouv, int(l[0]), int(l[1]), l[2]});
        KV_FermerAssoNPU();
    }
    static movements::Registre Tirer() { return ConstruireRegistre(frame::DataModuleCree()); }

    // One movement of each type, one after the situation date; links at the start, one of them
    // of a pair whose bare owner has no bare ownership.
    struct AnneeType {
        int a, b, c, d, e, f, usufruit;
    };
    static AnneeType RemplirAnneeType() {
        const int a = Asso("A", {100, 0, 0}), b = Asso("B", {50, 0, 0}), c = Asso("C"), d = Asso("D"),
                  e = Asso("E", {0, 0, 10}), f = Asso("F", {0, 10, 0});
        Asso("G");  // holds nothing, takes part in nothing: not listed
        Lien(0, {{double(e), double(f), 8}, {double(e), double(f), 2}, {double(b), double(c), 3}});  // B has no NP
        Mouv(10, kCessionPP, a, {{a, kPartsPP, -10}, {b, kPartsPP, 10}});
        Mouv(20, kDemembrement, 0, {{a, kPartsPP, -20}, {a, kPartsU, 20}, {d, kPartsNP, 20}}, {{double(d), double(a), 20}});
        Mouv(30, kCessionNP, d, {{d, kPartsNP, -5}, {b, kPartsNP, 5}}, {{double(b), double(a), 5}});
        const int usufruit = Mouv(40, kCessionU, a, {{a, kPartsU, -4}, {c, kPartsU, 4}}, {{double(c), double(d), 4}});
        Mouv(50, kAugmentationCapital, 0, {{d, kPartsPP, 7}});
        Mouv(60, kReductionCapital, 0, {{b, kPartsPP, -3}});
        Mouv(70, kReconstitution, 0, {{d, kPartsPP, 6}, {d, kPartsNP, -6}, {a, kPartsU, -6}}, {{double(d), double(a), 6}});
        Mouv(400, kCessionPP, a, {{a, kPartsPP, -1}, {b, kPartsPP, 1}});  // after the situation date
        return {a, b, c, d, e, f, usufruit};
    }
};

TEST_F(Registre, AYearWithEveryTypeOfMovement) {
    const auto [a, b, c, d, e, f, usufruit] = RemplirAnneeType();
    const movements::Registre r = Tirer();

    // {associate, start, end}
    const std::vector<std::tuple<int, Parts3, Parts3>> detentions{
        {a, {100, 0, 0}, {70, 10, 0}}, {b, {50, 0, 0}, {57, 0, 5}}, {c, {0, 0, 0}, {0, 4, 0}},
        {d, {0, 0, 0}, {13, 0, 9}},    {e, {0, 0, 10}, {0, 0, 10}}, {f, {0, 10, 0}, {0, 10, 0}}};
    std::vector<std::tuple<int, Parts3, Parts3>> lues;
    for (const PositionStockee& p : r.detentions) lues.emplace_back(p.idAssocie, Lues(p.debut), Lues(p.fin));
    EXPECT_EQ(lues, detentions);
    EXPECT_EQ(std::tuple(r.entete.totalDebut, r.entete.totalFin, r.entete.mouvementsApresSituation),
              std::tuple(160.0, 164.0, 1));

    // {type, ceding associate, lines as {associate, label}}
    std::vector<std::tuple<int, int, std::vector<std::pair<int, std::string>>>> mouvements;
    for (const MouvementRegistre& m : r.mouvements) {
        mouvements.emplace_back(m.type.value_or(-9), m.idCedant.value_or(0), std::vector<std::pair<int, std::string>>{});
        for (const LigneRegistre& l : m.lignes) std::get<2>(mouvements.back()).emplace_back(l.idAssocie, l.libelle);
    }
    using L = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(mouvements,
              (std::vector<std::tuple<int, int, L>>{
                  {0, a, {{a, "Cession de parts PP"}, {b, "Acquisition de parts PP"}}},
                  {3, 0, {{a, "Démembrement de parts"}, {a, "Démembrement bénéficiaire U"},
                          {d, "Démembrement bénéficiaire NP"}}},
                  {1, d, {{d, "Cession de parts NP"}, {b, "Acquisition de parts NP"}}},
                  {2, a, {{a, "Cession de parts U"}, {c, "Acquisition de parts U"}}},
                  {4, 0, {{d, "Augmentation de capital"}}},
                  {5, 0, {{b, "Réduction de capital"}}},
                  {6, 0, {{d, "Reconstitution bénéficiaire PP"}, {d, "Reconstitution de parts"},
                          {a, "Reconstitution de parts"}}}}));
    EXPECT_EQ(r.mouvements[3].idMouvement, usufruit);
    EXPECT_EQ(r.mouvements[3].libelleType, "Acquisition / Cession U");
    EXPECT_EQ(Triplets(r.mouvements[3].liens), (std::vector<std::tuple<int, int, double>>{{d, c, 4}}));  // real roles
    EXPECT_EQ(Triplets(r.liensDebut), (std::vector<std::tuple<int, int, double>>{{e, f, 10}}));
    EXPECT_EQ(Triplets(r.liensFin), (std::vector<std::tuple<int, int, double>>{{b, a, 5}, {d, a, 5}, {d, c, 4}, {e, f, 10}}));
    ASSERT_TRUE(r.annexe2072);
    EXPECT_EQ(r.annexe2072->size(), detentions.size());
    EXPECT_EQ(Lues(r.annexe2072->at(1).trenteEtUnDecembre), (Parts3{57, 0, 5}));
    EXPECT_TRUE(r.ecarts.empty());
}

// Every row of the synthesis table, every column, in key order; null shown as "-".
std::vector<std::string> TableSynthese() {
    db::Session& session = frame::DataModuleCree().Donnees().Session();
    db::Statement lignes(session.connection().Handle(),
                         "SELECT * FROM " + session.SchemaOfAlias(db::ALIAS_TMP) + ".SyntheseMouvementKV ORDER BY AutoID");
    std::vector<std::string> lues;
    while (lignes.Step()) {
        lues.emplace_back();
        for (int c = 0; c < lignes.ColumnCount(); ++c)
            lues.back() += (lignes.ColumnIsNull(c) ? std::string("-") : std::string(lignes.ColumnText(c))) + "|";
    }
    return lues;
}

// The table as the synthesis leaves it, then the table as it was: AutoIDs are handed out again.
std::vector<std::string> Apres(const std::function<void()>& ecrire) {
    db::Transaction essai(frame::DataModuleCree().Donnees().Session());
    ecrire();
    std::vector<std::string> table = TableSynthese();
    essai.Rollback();
    return table;
}

// The whole synthesis written in one pass leaves the table exactly as the same movements written one
// at a time through the components do: over an empty table, and over one where a row differs
// (edited in place, EstCedant kept), one is missing (appended), one belongs to no movement (kept).
TEST_F(Registre, SynthesisInOnePassEqualsRowByRow) {
    const AnneeType annee = RemplirAnneeType();
    const int double_ = Mouv(5, kDemembrement, 0, {});  // entered last, dated first
    {  // a row that both dismembers and reconstitutes: two derived rows
        db::CTable details(frame::DataModuleCree().Donnees().Session());
        details.SetDatabaseName(db::ALIAS_DOSSIER);
        details.SetTableName("KOLMIKVP");
        details.Open();
        details.Append();
        EcrireLigneDetail(details, {annee.b, 2.0, 3.0, std::nullopt, 2.0, 3.0, std::nullopt}, double_);
        details.Post();
    }
    store::TdmKvarn& module = frame::DataModuleCree();
    const auto ligneALigne = [&] {
        db::CTable& mouvements = module.Donnees().Composant("tblMouvementPartsTraitement");
        db::CTable& details = module.Donnees().Composant("tblDetMouvPartsTraitement");
        mouvements.SetIndexName(module.Donnees().IndexTri);
        mouvements.Open();
        details.Open();
        for (mouvements.First(); !mouvements.Eof(); mouvements.Next()) SynthetiserMouvement(module, mouvements, details);
        details.Close();
        mouvements.Close();
    };
    for (const bool semee : {false, true}) {
        if (semee) {
            InitialiserSyntheseMouvements(module);
            for (const char* sql : {"UPDATE SyntheseMouvementKV SET PartsPP = 999, EstCedant = 1 WHERE AutoID = "
                                    "(SELECT MIN(AutoID) FROM SyntheseMouvementKV)",
                                    "DELETE FROM SyntheseMouvementKV WHERE AutoID = (SELECT MAX(AutoID) - 2 FROM "
                                    "SyntheseMouvementKV)",
                                    "INSERT INTO SyntheseMouvementKV (IdMouvement, IdDetailMouvement, IdAssocie) "
                                    "VALUES (9999, 1, 1)"}) {
                db::CQuery q(module.Donnees().Session());
                q.SetDatabaseName(db::ALIAS_TMP);
                q.SQL().Add(sql);
                q.ExecSQL();
            }
        }
        const std::vector<std::string> attendue = Apres(ligneALigne);
        EXPECT_EQ(Apres([&] { InitialiserSyntheseMouvements(module); }), attendue) << (semee ? "semée" : "vide");
        EXPECT_EQ(attendue.size(), semee ? 18u : 17u);
    }
}

// The hand-made SCI with a fractional sale: the holdings are the end-of-year shares the module
// hands out one associate at a time, the lines those of the two movements, the links those of the
// start and of the dismemberment, the annex the holdings' columns.
TEST_F(Registre, TheSciExampleAgreesWithTheShareAccounts) {
    const testing_support::SciExemple sci = testing_support::RemplirSciExemple();
    Mouv(330, kCessionPP, sci.a, {{sci.a, kPartsPP, -12.375}, {sci.h, kPartsPP, 12.375}});
    const movements::Registre r = Tirer();

    // {associate, start, end}: the end worked out by hand, and as the module gives it
    const std::vector<std::tuple<int, Parts3, Parts3>> attendues{
        {sci.a, {500, 0, 0}, {337.625, 0, 0}}, {sci.b, {200, 0, 0}, {100, 0, 100}}, {sci.h, {100, 0, 0}, {262.375, 0, 0}},
        {sci.j, {0, 200, 0}, {0, 300, 0}},     {sci.p, {0, 0, 200}, {0, 0, 200}}};
    std::vector<std::tuple<int, Parts3, Parts3>> lues, module;
    for (const PositionStockee& p : r.detentions) {
        lues.emplace_back(p.idAssocie, Lues(p.debut), Lues(p.fin));
        Parts3 fin;
        RecupererMouvementAssocie(p.idAssocie, fin[0], fin[1], fin[2]);
        module.emplace_back(p.idAssocie, Lues(p.debut), fin);
    }
    EXPECT_EQ(lues, attendues);
    EXPECT_EQ(module, attendues);
    EXPECT_EQ(std::tuple(r.entete.nbPartsDeclarees, r.entete.totalDebut, r.entete.totalFin), std::tuple(1000.0, 1000.0, 1000.0));

    // per movement {associate, signed PP, U, NP, label}, in the order of entry
    using L = std::vector<std::tuple<int, Parts3, std::string>>;
    std::vector<L> lignes;
    for (const MouvementRegistre& m : r.mouvements) {
        lignes.emplace_back();
        for (const LigneRegistre& l : m.lignes) lignes.back().emplace_back(l.idAssocie, Lues(l.parts), l.libelle);
        std::sort(lignes.back().begin(), lignes.back().end());
    }
    const double v = -99;  // an empty column
    EXPECT_EQ(lignes, (std::vector<L>{
                          {{sci.a, {-150, v, v}, "Cession de parts PP"}, {sci.h, {150, v, v}, "Acquisition de parts PP"}},
                          {{sci.b, {-100, v, v}, "Démembrement de parts"},
                           {sci.b, {v, v, 100}, "Démembrement bénéficiaire NP"},
                           {sci.j, {v, 100, v}, "Démembrement bénéficiaire U"}},
                          {{sci.a, {-12.375, v, v}, "Cession de parts PP"},
                           {sci.h, {12.375, v, v}, "Acquisition de parts PP"}}}));
    using T = std::vector<std::tuple<int, int, double>>;
    EXPECT_EQ(Triplets(r.mouvements[1].liens), (T{{sci.b, sci.j, 100}}));
    EXPECT_EQ(Triplets(r.liensDebut), (T{{sci.p, sci.j, 200}}));
    EXPECT_EQ(Triplets(r.liensFin), (T{{sci.b, sci.j, 100}, {sci.p, sci.j, 200}}));
    ASSERT_TRUE(r.annexe2072);
    std::vector<std::tuple<int, Parts3, Parts3>> annexe;
    for (const LigneAnnexe2072& l : *r.annexe2072) annexe.emplace_back(l.idAssocie, Lues(l.premierJanvier), Lues(l.trenteEtUnDecembre));
    EXPECT_EQ(annexe, attendues);
    EXPECT_TRUE(r.ecarts.empty());
}

// The annex needs a calendar year seen at its end; a dossier without situation date sees it all.
TEST_F(Registre, AnnexOnlyForACalendarYearAtItsEnd) {
    const double juillet = *EncodeDate({2025, 7, 1}), juin = *EncodeDate({2026, 6, 30});
    const std::tuple<double, double, double, bool> cas[] = {
        {kDebut, kFin, kFin, true}, {kDebut, kFin, 0, true}, {juillet, juin, juin, false},
        {kDebut, kFin, kFin - 1, false}};
    Asso("A", {1, 0, 0});
    for (const auto& [debut, fin, situation, annexe] : cas) {
        Annee(debut, fin, situation);
        const movements::Registre r = Tirer();
        EXPECT_EQ(r.annexe2072.has_value(), annexe) << FormatDate(debut) << ' ' << situation;
        EXPECT_EQ(r.motifSansAnnexe.empty(), annexe);
    }
}

TEST_F(Registre, TwoEqualDetailRowsShowAsAGap) {
    const int a = Asso("A", {10, 0, 0});
    Mouv(5, kReductionCapital, 0, {{a, kPartsPP, -2}, {a, kPartsPP, -2}});
    const movements::Registre r = Tirer();
    ASSERT_EQ(r.ecarts.size(), 1u);
    const EcartRegistre& e = r.ecarts[0];
    EXPECT_EQ(std::tuple(e.idAssocie, e.nature, e.debut, e.mouvements, e.fin), std::tuple(a, kPartsPP, 10.0, -4.0, 8.0));
}

// A sells the 10 NP he had to B, C holding the usufruct: A–C is gone from the end links. The
// tables as a French spreadsheet reads them: a name quoted, a formula disarmed, 12,5, empty cells.
TEST_F(Registre, SaleOfBareOwnershipInTheCsvTables) {
    const int a = Asso("=A", {0, 0, 10}), b = Asso("B; \"2\""), c = Asso("C", {0, 10, 0});
    Lien(0, {{double(a), double(c), 10}});
    const int vente = Mouv(9, kCessionNP, a, {{a, kPartsNP, -10}, {b, kPartsNP, 10}}, {{double(b), double(c), 10}});
    const int hausse = Mouv(10, kAugmentationCapital, 0, {{c, kPartsPP, 12.5}});
    const movements::Registre r = Tirer();
    const std::string v = std::to_string(vente) + ";10/01/2025;1;Acquisition / Cession NP;" + std::to_string(a) + ";";
    const std::string A = std::to_string(a), B = std::to_string(b), C = std::to_string(c);
    EXPECT_EQ(RegistreEnCsv(r, TableRegistre::Mouvements, true),
              "\xEF\xBB\xBFIdMouvement;DateMouvement;TypeMouvement;LibelleType;IDCedant;IdAssocie;DesignationAsso;"
              "PartsPP;PartsU;PartsNP;Libelle\r\n" +
                  v + A + ";'=A;;;-10;Cession de parts NP\r\n" +
                  v + B + ";\"B; \"\"2\"\"\";;;10;Acquisition de parts NP\r\n" + std::to_string(hausse) +
                  ";11/01/2025;4;Augmentation de capital;;" + C + ";C;12,5;;;Augmentation de capital\r\n");
    EXPECT_EQ(RegistreEnCsv(r, TableRegistre::Liens, false),
              "Moment;IdMouvement;NuProprietaire;Usufruitier;NbU\r\ndebut;;" + A + ";" + C + ";10\r\nmouvement;" +
                  std::to_string(vente) + ";" + B + ";" + C + ";10\r\nfin;;" + B + ";" + C + ";10\r\n");
}

}  // namespace
}  // namespace kvarn::movements
