// The share register: a year with a movement of each type worked out by hand, the real roles of
// a sale of usufruct and of a sale of bare ownership in the links, the annex only for a calendar
// year seen at its end, a gap from two equal detail rows, and the CSV tables byte for byte.
#include "common/dates.hpp"
#include "db/query.hpp"
#include "frame/etat_module.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/lecture_registre.hpp"
#include "movements/liste_en_cache.hpp"
#include "movements/registre_csv.hpp"
#include "support/dossier_ouvert.hpp"

#include <kvarn/associe.hpp>
#include <kvarn/module.hpp>
#include <kvarn/mouvements.hpp>

#include <gtest/gtest.h>

#include <array>
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
};

TEST_F(Registre, AYearWithEveryTypeOfMovement) {
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
