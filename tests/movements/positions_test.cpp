// The positions: a year of movements of every type worked out by hand into MouvementKV and its
// synthesis; the list of associates loaded over them (modes and filters, percentages, who takes
// part in the year); the bare owners' usufructuaries and the cleaning of their links, also in a
// new process; an associate's end-of-year shares read while another program holds the table.
#include "associates/etat_associes.hpp"
#include "common/dates.hpp"
#include "db/query.hpp"
#include "frame/etat_module.hpp"
#include "movements/calcul_positions.hpp"
#include "movements/carte_npu.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/positions.hpp"
#include "movements/synthese.hpp"
#include "movements/synthese_mouvements.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/requete_sql.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/liste_associes.hpp>
#include <kvarn/module.hpp>
#include <kvarn/mouvements.hpp>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace kvarn::movements {
namespace {

constexpr double kJour = 45658;  // 1 January 2025
using testing_support::Colonnes;
using testing_support::ExecuterSql;

TEST(Synthese, MainRowThenDerivedRowsEachWithAKeyOfItsOwn) {
    // {row, its synthesis rows {key, kind, signed shares}}
    const std::pair<LigneDetail, std::vector<std::tuple<int, int, double>>> cas[] = {
        {{1, 5.0, {}, {}, {}, {}, {}}, {{7, kPartsPP, 5}}},
        {{1, {}, {}, {}, 3.0, {}, {}}, {{7, kPartsNP, -3}}},
        {{1, {}, 20.0, {}, {}, 20.0, {}}, {{7, kPartsPP, -20}, {-14, kPartsU, 20}}},
        {{1, 6.0, {}, {}, 6.0, {}, {}}, {{7, kPartsPP, 6}, {-14, kPartsNP, -6}}},
        {{1, 4.0, 4.0, 4.0, {}, {}, 4.0}, {{7, kPartsPP, -4}, {-14, kPartsNP, 4}, {-15, kPartsU, -4}}},
        {{1, {}, {}, {}, {}, {}, {}}, {}}};
    for (const auto& [ligne, attendues] : cas) {
        std::vector<std::tuple<int, int, double>> lues;
        for (const LigneSynthese& l : LignesSynthese(ligne, 7)) lues.emplace_back(l.idDetail, l.typeParts, l.parts);
        EXPECT_EQ(lues, attendues) << &ligne - &cas[0].first;
    }
}

TEST(CarteNPU, SalesDismembermentsAndReconstitutionsMoveUsufructuariesBetweenBareOwners) {
    // A (1) holds 10 NP at the start with C (3) in front; sells them to B (2) in movement 1.
    // Movement 2: D (4) buys 4 U of bare owner B from C. Movement 3: B gets back 1 U of C.
    // Movement 4 is a capital increase, 5 unknown: their links count for nothing.
    const std::unordered_map<int, MouvementLie> mouvements{
        {1, {kCessionNP, 1}}, {2, {kCessionU, 3}}, {3, {kReconstitution, 0}}, {4, {kAugmentationCapital, 0}}};
    const std::vector<cAssoNPU> liens{{0, 1, 3, 10}, {1, 2, 3, 10}, {2, 4, 2, 4}, {3, 2, 3, 1}, {4, 2, 3, 50},
                                      {5, 2, 3, 50}};
    const CarteNPU carte = AssocierNPU(mouvements, liens);
    EXPECT_EQ(carte.at(1).at(3).NbParts, 0);
    EXPECT_TRUE(Usufruitiers(carte, 1).empty());
    std::vector<std::pair<int, double>> deB;
    for (const cUsufruitier& u : Usufruitiers(carte, 2)) deB.emplace_back(u.IdAsso, u.NbParts);
    EXPECT_EQ(deB, (std::vector<std::pair<int, double>>{{3, 5}, {4, 4}}));
    EXPECT_TRUE(Usufruitiers(carte, 9).empty());
}

TEST(Positions, DesignationAndAmount) {
    const Associe a{.ShIDAssocie = 3, .NbParts = 10, .NbPartsN = 2.5, .Titre = TAP_MME, .PersonnePhysique = true,
                    .Nom = "MARTIN", .Prenoms = "Julie", .NomPatronymique = "LEROY", .NomMarital = "DURAND"};
    EXPECT_EQ(DesignationAsso(a, store::kModeAvecBeneficiaires), "MME DURAND Julie");
    EXPECT_EQ(DesignationAsso(a, store::kModeAutreCategorie), "MME MARTIN Julie");
    EXPECT_EQ(DesignationAsso({.Titre = -1, .Nom = "  HOLDING  "}, store::kModeAvecBeneficiaires), "HOLDING");
    const PartsPPUNP mouvements{-0.1, 0, 1.0 / 3};
    EXPECT_FALSE(CalculerPosition(a, mouvements, 4, std::nullopt).montant);
    EXPECT_EQ(CalculerPosition(a, mouvements, 4, 0.0).montant, 0.0);
    const PositionAssocie p = CalculerPosition(a, mouvements, 4, 2.0);
    EXPECT_EQ(p.fin.pp, 10 - 0.1);  // unrounded, unlike the end-of-year columns
    EXPECT_EQ(p.fin.np, 2.5 + 1.0 / 3);
    EXPECT_EQ(p.montant, (p.fin.pp + p.fin.np) * 2);
}

// A new dossier with its data module created and started; associates are appended to KOLMIKV1,
// movements and their detail rows to KOLMIKVM and KOLMIKVP, as the screens store them.
class Dossier : public testing_support::ModuleDemarre {
protected:
    // The working tables outlive a data module within the process: each test starts them empty.
    void SetUp() override {
        ModuleDemarre::SetUp();
        ExecuterSql("DELETE FROM MouvementKV", db::ALIAS_TMP);
        ExecuterSql("DELETE FROM SyntheseMouvementKV", db::ALIAS_TMP);
    }

    static store::TdmKvarn& Module() { return *frame::DataModule(); }
    static db::Session& Session() { return Module().Donnees().Session(); }

    static int Ajouter(const char* table, const Colonnes& colonnes, const char* cle = "AutoID") {
        db::CTable t(Session());
        t.SetDatabaseName(std::string(table) == "MouvementKV" ? db::ALIAS_TMP : db::ALIAS_DOSSIER);
        t.SetTableName(table);
        t.Open();
        testing_support::AjouterLigne(t, colonnes);
        return t.FieldByName(cle).AsInteger();
    }
    static int Associe(const Colonnes& colonnes) { return Ajouter("KOLMIKV1", colonnes, "ShIDAssocie"); }
    static int Mouvement(double date, int type, const std::vector<std::pair<int, Colonnes>>& lignes, int cedant = 0) {
        const int id = Ajouter("KOLMIKVM", {{"DateMouvement", date}, {"TypeMouvement", type}, {"IDCedant", cedant}});
        for (const auto& [asso, quantites] : lignes) {
            Colonnes colonnes{{"IdMouv", id}, {"IdAsso", asso}};
            colonnes.insert(colonnes.end(), quantites.begin(), quantites.end());
            Ajouter("KOLMIKVP", colonnes);
        }
        return id;
    }
    static std::vector<std::vector<double>> Lire(const std::string& requete, const char* alias = db::ALIAS_TMP) {
        db::CQuery q(Session());
        q.SetDatabaseName(alias);
        q.SQL().Add(requete);
        q.Open();
        std::vector<std::vector<double>> lignes;
        for (q.First(); !q.Eof(); q.Next()) {
            lignes.emplace_back();
            for (int c = 0; c < q.FieldCount(); ++c)
                lignes.back().push_back(q.Fields(c).IsNull() ? -99 : q.Fields(c).AsFloat());
        }
        return lignes;
    }
};

// A year with one movement of each type, one after the situation date, worked out by hand.
class Annee : public Dossier {
protected:
    void SetUp() override {
        Dossier::SetUp();
        ModifierDossier({{"Exercice", "Situation", FormatDate(kJour + 200)}});
        a = Associe({{"Nom", "A"}, {"Qualite", 7}, {"NbParts", 100.0}});
        b = Associe({{"Nom", "B"}, {"Qualite", 7}, {"NbParts", 50.0}, {"PersonnePhysique", 1}});
        c = Associe({{"Nom", "C"}, {"Qualite", 10}, {"NbParts", 5.0}});  // a beneficiary
        d = Associe({{"Nom", "D"}});                                     // no quality, no share
        e = Associe({{"Nom", "E"}, {"Qualite", 10}});                    // a beneficiary who gains
        f = Associe({{"Nom", "F"}, {"Qualite", 7}, {"NbParts", 3.0}});   // no movement
        using C = Colonnes;
        Mouvement(kJour + 10, kCessionPP, {{a, C{{"NbPartsPPDim", 10.0}}}, {b, C{{"NbPartsPPAug", 10.0}}}}, a);
        demembrement = Mouvement(kJour + 15, kDemembrement,
                                 {{a, C{{"NbPartsPPDim", 20.0}, {"NbPartsUAug", 20.0}}},
                                  {b, C{{"NbPartsPPDim", 2.0}, {"NbPartsUAug", 2.0}}}, {d, C{{"NbPartsNPAug", 22.0}}}});
        Mouvement(kJour + 20, kCessionNP, {{d, C{{"NbPartsNPDim", 5.0}}}, {b, C{{"NbPartsNPAug", 5.0}}}}, d);
        Mouvement(kJour + 25, kCessionU, {{a, C{{"NbPartsUDim", 4.0}}}, {b, C{{"NbPartsUAug", 4.0}}}}, a);
        Mouvement(kJour + 30, kAugmentationCapital, {{d, C{{"NbPartsPPAug", 7.0}}}, {e, C{{"NbPartsPPAug", 1.0}}}});
        Mouvement(kJour + 35, kReductionCapital, {{b, C{{"NbPartsPPDim", 3.0}}}});
        Mouvement(kJour + 200, kReconstitution,  // on the situation date: it counts
                  {{d, C{{"NbPartsPPAug", 6.0}, {"NbPartsNPDim", 6.0}}}, {a, C{{"NbPartsUDim", 6.0}}}});
        apres = Mouvement(kJour + 201, kCessionPP, {{a, C{{"NbPartsPPDim", 1.0}}}, {b, C{{"NbPartsPPAug", 1.0}}}}, a);
    }
    int a = 0, b = 0, c = 0, d = 0, e = 0, f = 0, demembrement = 0, apres = 0;
};

TEST_F(Annee, PositionsOfEveryTypeOfMovementRowsKeptAndDropped) {
    Ajouter("MouvementKV", {{"IDAssocie", c}, {"NbPartsPPFin", 123.0}});  // a beneficiary's old row
    Ajouter("MouvementKV", {{"IDAssocie", 999}, {"NbPartsPPFin", 1.0}});  // an associate deleted since
    for (const auto& [avecMontant, valeur, montantA] : {std::tuple{false, 2.0, -99.0}, {true, 0.0, 0.0},
                                                         {true, 2.0, 140.0}}) {
        CalculerPositionsAssocies(Module(), avecMontant, valeur);
        // {associate, start PP U NP, change PP U NP, end PP U NP, amount}
        const std::vector<std::vector<double>> attendues{
            {double(a), 100, 0, 0, -30, 10, 0, 70, 10, 0, montantA},
            {double(b), 50, 0, 0, 5, 6, 5, 55, 6, 5, avecMontant ? 60 * valeur : -99},
            {double(c), -99, -99, -99, -99, -99, -99, 123, -99, -99, -99},
            {double(d), 0, 0, 0, 13, 0, 11, 13, 0, 11, avecMontant ? 24 * valeur : -99},
            {double(f), 3, 0, 0, 0, 0, 0, 3, 0, 0, avecMontant ? 3 * valeur : -99}};
        EXPECT_EQ(Lire("SELECT IDAssocie, NbParts, NbPartsU, NbPartsN, NbPartsPPMouv, NbPartsUMouv, NbPartsNPMouv, "
                       "NbPartsPPFin, NbPartsUFin, NbPartsNPFin, Montant FROM MouvementKV ORDER BY IDAssocie"),
                  attendues);
    }
    EXPECT_EQ(TotalPartsPPFin(Module()), 70 + 55 + 123 + 13 + 3);

    InitialiserSyntheseMouvements(Module());
    InitialiserSyntheseMouvements(Module());  // found again, not doubled
    EXPECT_EQ(Lire("SELECT COUNT(*) FROM SyntheseMouvementKV WHERE IdMouvement = " + std::to_string(apres)),
              (std::vector<std::vector<double>>{{0}}));
    EXPECT_EQ(Lire("SELECT IdAssocie, PartsPP, PartsU, PartsNP FROM SyntheseMouvementKV WHERE IdMouvement = " +
                   std::to_string(demembrement) + " ORDER BY IdDetailMouvement"),
              (std::vector<std::vector<double>>{{double(b), -99, 2, -99}, {double(a), -99, 20, -99},
                                                {double(a), -20, -99, -99}, {double(b), -2, -99, -99},
                                                {double(d), -99, -99, 22}}));
    EXPECT_EQ(Lire("SELECT COUNT(*) FROM SyntheseMouvementKV"), (std::vector<std::vector<double>>{{17}}));
    SupprimerSyntheseMouvement(Module(), demembrement);
    EXPECT_EQ(Lire("SELECT COUNT(*) FROM SyntheseMouvementKV"), (std::vector<std::vector<double>>{{12}}));
}

// The start-of-year shares go back to KOLMIKV1: full and bare ownership from every row, usufruct
// only from the rows of the usufruct view (holding usufruct at the end of the year). The names
// and texts the screens show come from the list.
TEST_F(Annee, StartOfYearSharesGoBackThroughTheUsufructViewAndScreensShowNames) {
    CalculerPositionsAssocies(Module(), false, 0.0);
    ExecuterSql("UPDATE MouvementKV SET NbParts = 1, NbPartsN = 2, NbPartsU = 3", db::ALIAS_TMP);
    ReporterPartsDebutExercice(Module());
    EXPECT_EQ(Lire("SELECT NbParts, NbPartsN, NbPartsU FROM KOLMIKV1 ORDER BY ShIDAssocie", db::ALIAS_DOSSIER),
              (std::vector<std::vector<double>>{{1, 2, 3}, {1, 2, 3}, {5, -99, -99}, {1, 2, -99}, {-99, -99, -99},
                                                {1, 2, -99}}));
    InitialiserSyntheseMouvements(Module());
    db::CTable& synthese = Module().Donnees().Composant("tblSyntheseMouvement");
    synthese.Open();
    ASSERT_TRUE(synthese.Locate("IdAssocie;PartsPP", std::vector<db::Value>{b, 10.0}));
    EXPECT_EQ(synthese.FieldByName("IdAssocie").DisplayText(), "B");
    EXPECT_EQ(synthese.FieldByName("TypeMouvement").DisplayText(), "Acquisition de parts PP");
    synthese.Close();
    db::CTable& details = Module().Donnees().Composant("tblDetMouvParts");
    details.Open();
    ASSERT_TRUE(details.Locate("IdAsso", db::Value(b)));
    EXPECT_EQ(details.FieldByName("NomAsso").AsString(), "M B");
    details.Close();
}

struct CasListe {
    const char* nom;
    int chargement;
    int categorie;
    std::vector<const char*> noms;  // in key order
};

class ListeSurAnnee : public Annee, public testing::WithParamInterface<CasListe> {};

// Who is listed: beneficiaries in loading mode 5, everyone in mode 6, and on a dossier of
// category 8 not the farmers nor the property-income associates (an empty regime stays).
TEST_P(ListeSurAnnee, ModesAndFiltersDecideWhoIsListed) {
    Associe({{"Nom", "BA"}, {"Qualite", 7}, {"RegimeImpositionSCI", 2}});
    ModifierDossier({{"Dossier", "Categorie", std::to_string(GetParam().categorie)}});
    _KVAffecterAssistantDeChargement(GetParam().chargement);
    std::vector<std::string> noms;
    for (const auto& [id, associe] : *DonnerListeAssocies(false)) noms.push_back(associe.Nom);
    EXPECT_EQ(noms, std::vector<std::string>(GetParam().noms.begin(), GetParam().noms.end()));
}

INSTANTIATE_TEST_SUITE_P(Modes, ListeSurAnnee,
                         testing::Values(CasListe{"Mode4", 4, 1, {"A", "B", "D", "F", "BA"}},
                                         CasListe{"Mode5", 5, 1, {"A", "B", "C", "D", "E", "F", "BA"}},
                                         CasListe{"Mode6", 6, 8, {"A", "B", "C", "D", "E", "F", "BA"}},
                                         CasListe{"Categorie8", 4, 8, {"A", "B", "D", "F"}},
                                         CasListe{"Categorie8Mode5", 5, 8, {"A", "B", "C", "D", "E", "F"}}),
                         testing_support::NomDuCas());

TEST_F(Annee, ListedAssociatesCarryTheirSharesPercentageAndPartInTheYear) {
    _KVAffecterAssistantDeChargement(5);
    const CarteAssocies& liste = *DonnerListeAssocies(false);
    const double total = 70 + 55 + 13 + 3;  // the beneficiaries have no position
    // {associate, end PP U NP as listed, percentage, takes part}
    const std::tuple<int, std::array<double, 3>, double, bool> attendus[] = {
        {a, {70, 10, 0}, 70 / total * 100, true}, {b, {55, 6, 5}, 55 / total * 100, true},
        {c, {0, 0, 0}, 5 / total * 100, false},  // a beneficiary: no shares listed, a percentage all the same
        {d, {13, 0, 11}, 13 / total * 100, true}, {e, {0, 0, 0}, 1 / total * 100, true},
        {f, {3, 0, 0}, 3 / total * 100, true}};
    for (const auto& [id, fin, pourcentage, concerne] : attendus) {
        const ::Associe& lu = liste.at(id);
        EXPECT_EQ((std::array{lu.NbPartsPPFinExo, lu.NbPartsUFinExo, lu.NbPartsNPFinExo}), fin) << lu.Nom;
        EXPECT_DOUBLE_EQ(lu.PourcentageDetention, pourcentage) << lu.Nom;
        EXPECT_EQ(lu.ConcerneExercice, concerne) << lu.Nom;
    }
    int suivant = -1;
    EXPECT_EQ(DonnerAssocie(f, &suivant)->Nom, "F");
    EXPECT_EQ(suivant, 0);
    EXPECT_EQ(DonnerAssocie(4242, &suivant), nullptr);
    EXPECT_EQ(suivant, 0);
}

TEST_F(Dossier, WithoutFullOwnershipAnywhereNoPercentage) {
    const int seul = Associe({{"Nom", "U"}, {"Qualite", 7}, {"NbPartsU", 4.0}});
    EXPECT_EQ(DonnerListeAssocies(false)->at(seul).PourcentageDetention, ::Associe::kNulReel);
    EXPECT_EQ(*DonnerOrdreAssocies(false), OrdreAssocies{seul});
}

// The bare owner's links: at the start of the year A holds 10 NP with C in front; a link of the
// start of the year whose bare owner B holds no NP is cleaned. A new process starts with an empty
// MouvementKV: the positions are computed before the cleaning trusts them.
TEST_F(Dossier, StartOfYearLinksSurviveANewProcessAndStaleOnesAreCleaned) {
    const int a = Associe({{"Nom", "A"}, {"Qualite", 7}, {"NbPartsN", 10.0}});
    const int b = Associe({{"Nom", "B"}, {"Qualite", 7}, {"NbParts", 10.0}});
    const int c = Associe({{"Nom", "C"}, {"Qualite", 7}, {"NbPartsU", 10.0}});
    KV_OuvrirAssoNPU();
    KV_SauverAssoNPU({0, a, c, 10});
    KV_SauverAssoNPU({0, b, c, 3});
    KV_FermerAssoNPU();
    for (int processus = 0; processus < 2; ++processus) {
        DetruireDataModuleKV();
        InitDataModuleKV();
        ExecuterSql("DELETE FROM MouvementKV", db::ALIAS_TMP);
        InitKV();
        std::vector<cUsufruitier> usufruitiers{{99, 1}};
        RecupererUsufruitiers(a, usufruitiers);
        ASSERT_EQ(usufruitiers.size(), 1u);
        EXPECT_EQ(std::pair(usufruitiers[0].IdAsso, usufruitiers[0].NbParts), std::pair(c, 10.0));
        RecupererUsufruitiers(b, usufruitiers);
        EXPECT_TRUE(usufruitiers.empty());
        EXPECT_EQ(RecupererAssoNPU().size(), 1u);
    }
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(Annee, EndOfYearSharesOfOneAssociateAlsoWhileTheTableIsHeld) {
    for (const bool tenue : {false, true}) {
        if (tenue) OuvrirTableAssociesKV();
        double pp = -1, u = -1, np = -1;
        RecupererMouvementAssocie(b, pp, u, np);
        EXPECT_EQ(std::tuple(pp, u, np), std::tuple(55.0, 6.0, 5.0)) << tenue;
        RecupererMouvementAssocie(4242, pp, u, np);
        EXPECT_EQ(std::tuple(pp, u, np), std::tuple(0.0, 0.0, 0.0)) << tenue;
        if (tenue) FermerTableAssociesKV();
    }
}

}  // namespace
}  // namespace kvarn::movements
