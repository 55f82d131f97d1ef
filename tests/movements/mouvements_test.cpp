// The movements: the records (decoding a detail row, the orderings, the synthesis labels); their
// storage through the exported operations, the failures of those, and the processing components
// handed back as found; the year's net movements of an associate; the associates' end-of-year
// columns and the cached list they come from, which goes with its data module.
#include "common/dates.hpp"
#include "common/nulls.hpp"
#include "db/query.hpp"
#include "db/transaction.hpp"
#include "frame/etat_module.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/cumul.hpp"
#include "movements/decodage_detail.hpp"
#include "movements/lecture_mouvements.hpp"
#include "movements/libelle_synthese.hpp"
#include "movements/liste_en_cache.hpp"
#include "movements/operation_protegee.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/requete_sql.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>
#include <kvarn/mouvements.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <iterator>
#include <random>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace kvarn::movements {
namespace {

inline constexpr double kJour = 45658;  // 1 January 2025
using D = cDetailMouvementParts;

// A new dossier with its data module created and started; movements are recorded through the
// exported storage operations.
class Mouvements : public testing_support::ModuleDemarre {
protected:

    static store::TdmKvarn& Module() { return *frame::DataModule(); }
    static db::CTable& Composant(const char* nom) { return Module().Donnees().Composant(nom); }
    void Situation(double date) { ModifierDossier({{"Exercice", "Situation", date ? FormatDate(date) : ""}}); }

    // The new movement's AutoID.
    static int Mouvement(double date, int type, const std::vector<D>& details, int cedant = 0) {
        KV_OuvrirMouvementsParts();
        const int id = KV_SauverMouvementsParts({date, cedant, 0, type, {}});
        for (const D& detail : details) KV_SauverDetailMouvementsParts(detail, id);
        return KV_FermerMouvementsParts(), id;
    }

    static int Compter(const char* requete) { return std::stoi(testing_support::ValeurSql(requete)); }
};

TEST(Decodage, EachRowGivesItsMainDetailThenItsDerivedOne) {
    // {associate, PP +, PP -, NP +, NP -, U +, U -}: dismemberments, reconstitutions; NP before U, an
    // increase before a decrease; nothing; a stored 0, which is a decrease of 0
    const std::pair<LigneDetail, std::vector<D>> cas[] = {
        {{7, {}, 10.0, {}, {}, 10.0, {}}, {{7, kPartsPP, -10}, {7, kPartsU, 10}}},
        {{7, {}, 3.0, 3.0, {}, {}, {}}, {{7, kPartsPP, -3}, {7, kPartsNP, 3}}},
        {{7, 5.0, {}, {}, 5.0, {}, {}}, {{7, kPartsPP, 5}, {7, kPartsNP, -5}}},
        {{7, 2.0, {}, {}, {}, {}, 2.0}, {{7, kPartsPP, 2}, {7, kPartsU, -2}}},
        {{7, {}, {}, 4.0, {}, {}, 1.0}, {{7, kPartsNP, 4}}}, {{7, 1.0, 2.0, {}, {}, {}, {}}, {{7, kPartsPP, 1}}},
        {{7, {}, {}, {}, {}, {}, {}}, {}}, {{7, {}, 0.0, {}, {}, {}, {}}, {{7, kPartsPP, -0.0}}}};
    for (const auto& [ligne, attendus] : cas) {
        const DetailsLigne details = DecoderLigneDetail(ligne);
        EXPECT_EQ(std::vector(details.begin(), details.end()), attendus) << &ligne - &cas[0].first;
    }
    EXPECT_TRUE(std::signbit(DecoderLigneDetail(cas[7].first).details[0].NbParts));
}

TEST(Enregistrements, OrderingsPutTheHighestAssociateAndTheLargestHoldingFirst) {
    const std::set<D> d{{1, 0, 5}, {3, 2, 1}, {3, 0, 2}, {3, 0, 1}, {1, 0, 5}};
    EXPECT_EQ(std::vector(d.begin(), d.end()), (std::vector<D>{{3, 0, 1}, {3, 0, 2}, {3, 2, 1}, {1, 0, 5}}));
    const std::set<cUsufruitier> u{{3, 5}, {2, 5}, {1, 9}};
    EXPECT_EQ((std::vector{u.begin()->IdAsso, std::next(u.begin())->IdAsso}), (std::vector{1, 2}));
}

TEST(LibelleSynthese, TypeAndSignsGiveTheText) {
    const std::tuple<std::optional<int>, double, double, double, const char*> cas[] = {
        {0, 3, 0, 0, "Acquisition de parts PP"}, {0, -3, 0, 0, "Cession de parts PP"}, {3, 0, 0, 0, ""},
        {1, 0, 0, 2, "Acquisition de parts NP"}, {2, 0, -1, 0, "Cession de parts U"}, {6, 0, 0, 0, ""},
        {3, -1, 1, 0, "Démembrement de parts"}, {3, 0, 0, 1, "Démembrement bénéficiaire NP"}, {7, 1, 0, 0, ""},
        {3, 0, 1, 0, "Démembrement bénéficiaire U"}, {4, 0, 0, 0, "Augmentation de capital"}, {-1, 1, 0, 0, ""},
        {5, -2, 0, 0, "Réduction de capital"}, {6, 1, 0, -1, "Reconstitution bénéficiaire PP"},
        {6, 0, -1, 0, "Reconstitution de parts"}, {std::nullopt, 1, 0, 0, ""}};
    for (const auto& [type, pp, u, np, attendu] : cas) EXPECT_EQ(LibelleTypeSynthese(type, pp, u, np), attendu);
}

// An event that throws at its n-th call, and only then.
db::TDataSetNotifyEvent EchecAuAppel(int n) {
    return [n, appels = 0](db::CTable&) mutable {
        if (++appels == n) throw std::runtime_error("panne du disque");
    };
}

const char *const kMouv = "tblMouvementPartsTraitement", *const kDet = "tblDetMouvPartsTraitement";

// What is stored comes back: movements ranked by date, with their details decoded, and links,
// latest movement first, equal ones collapsed. Then each operation fails at the n-th call of an
// event of a component (opening scrolls to the first row): it shows its location code, returns its
// failure value (what it read so far, 0 for an identifier) and writes nothing.
TEST_F(Mouvements, StoredMovementsAndLinksComeBackAndAFailingOperationWritesNothing) {
    // A repeated detail, a quantity of 0, a kind that stores no quantity; transferor 2.
    const int vente = Mouvement(kJour + 40, kCessionPP, {{1, kPartsPP, 10}, {2, kPartsPP, -10}, {1, kPartsPP, 10},
                                                          {3, kPartsU, 0}, {3, 9, 4}}, 2);
    Mouvement(0, kAugmentationCapital, {{1, kPartsPP, 1}});  // undated: no rank
    const int augmentation = Mouvement(kJour + 10, kAugmentationCapital, {{4, kPartsNP, 2.5}, {4, kPartsU, -1.5}});
    for (const int id : {0, NULL_ENTIER}) KV_SauverDetailMouvementsParts({1, kPartsPP, 99}, id);
    const ListeMouvParts attendue{
        {1, {kJour + 10, 0, augmentation, kAugmentationCapital, {{4, kPartsU, -1.5}, {4, kPartsNP, 2.5}}}},
        {2, {kJour + 40, 2, vente, kCessionPP, {{3, kPartsU, -0.0}, {2, kPartsPP, -10}, {1, kPartsPP, 10}}}}};
    EXPECT_EQ(RecupererListeMouvParts(), attendue);
    EXPECT_EQ(Compter("SELECT COUNT(*) FROM KOLMIKVP WHERE NBPARTSUDIM = 0 AND NBPARTSUAUG IS NULL"), 1);
    EXPECT_EQ(Compter("SELECT COUNT(*) FROM KOLMIKVM WHERE IDCEDANT IS NULL"), 2);  // a transferor 0 is none
    KV_OuvrirAssoNPU();
    const std::vector<int> ids{KV_SauverAssoNPU({0, 1, 2, 5}), KV_SauverAssoNPU({9, 1, 3, 2}),
                               KV_SauverAssoNPU({0, 1, 2, 5}), KV_SauverAssoNPU({0, 1, 2, 4})};
    KV_FermerAssoNPU();
    EXPECT_EQ(ids, (std::vector{1, 2, 3, 4}));
    std::vector<std::tuple<int, int, int, double>> lus;
    for (const cAssoNPU& l : RecupererAssoNPU()) lus.emplace_back(l.IdMouv, l.IdNP, l.IdU, l.NbU);
    EXPECT_EQ(lus, (std::vector<std::tuple<int, int, int, double>>{{9, 1, 3, 2}, {0, 1, 2, 4}, {0, 1, 2, 5}}));

    using E = db::DataSetEvents;
    using P = Place;
    const char* const liens = "tblAssoNPU";
    const std::tuple<const char*, db::TDataSetNotifyEvent E::*, int, Place, std::function<bool()>> cas[] = {
        {kMouv, &E::AfterScroll, 4, P::RecupererListeMouvParts, [] { return RecupererListeMouvParts().size() == 1; }},
        {kMouv, &E::AfterScroll, 4, P::RecupererListeMouvParts, [] {  // a failed load: the next use loads again
             EtatMouvements& etat = Module().EtatDe<EtatMouvements>();
             etat.listeChargee = false;  // the names of the links appended above loaded it
             ChargerMouvements(Module());
             const bool retente = !etat.listeChargee;
             ChargerMouvements(Module());
             return retente && etat.listeChargee && etat.liste.size() == 2;
         }},
        {kDet, &E::BeforeOpen, 1, P::OuvrirMouvementsParts, [] { return KV_OuvrirMouvementsParts(), true; }},
        {kMouv, &E::BeforePost, 1, P::SauverMouvementsParts, [] { return KV_SauverMouvementsParts({}) == 0; }},
        {kDet, &E::BeforePost, 1, P::SauverDetailMouvementsParts,
         [] { return KV_SauverDetailMouvementsParts({}, 1), true; }},
        {kDet, &E::BeforeClose, 1, P::FermerMouvementsParts, [] { return KV_FermerMouvementsParts(), true; }},
        {liens, &E::BeforeOpen, 1, P::OuvrirAssoNPU, [] { return KV_OuvrirAssoNPU(), true; }},
        {liens, &E::BeforePost, 1, P::SauverAssoNPU, [] { return KV_SauverAssoNPU({0, 4, 5, 1}) == 0; }},
        {liens, &E::BeforeClose, 1, P::FermerAssoNPU, [] { return KV_FermerAssoNPU(), true; }},
        {liens, &E::AfterScroll, 3, P::RecupererAssoNPU, [] { return RecupererAssoNPU().size() == 1; }}};
    std::size_t boites = 0;
    for (const auto& [composant, evenement, appel, place, renvoieSonEchec] : cas) {
        if (appel == 1 && evenement != &E::BeforeOpen) KV_OuvrirMouvementsParts(), KV_OuvrirAssoNPU();
        Composant(composant).*evenement = EchecAuAppel(appel);
        EXPECT_TRUE(renvoieSonEchec()) << static_cast<int>(place);
        Composant(composant).*evenement = nullptr;
        KV_FermerMouvementsParts(), KV_FermerAssoNPU();  // as the next case expects them
        ASSERT_EQ(boxes_.shown().size(), ++boites) << static_cast<int>(place);
        EXPECT_EQ(static_cast<std::uint32_t>(boxes_.shown().back().drapeaux), CodeLocalisation(place));
    }
    EXPECT_EQ(Compter("SELECT (SELECT COUNT(*) FROM KOLMIKVM) + (SELECT COUNT(*) FROM KOLMIKVP) + "
                      "(SELECT COUNT(*) FROM KOLMIKVA)"), 3 + 8 + 4);
}

// {reading by the linked component, components open, the walk fails}
class ComposantsRendus : public Mouvements, public testing::WithParamInterface<std::tuple<bool, bool, bool>> {};

TEST_P(ComposantsRendus, OpenOrClosedOnTheirRowWithTheirHandler) {
    const auto [parLien, ouverts, echec] = GetParam();
    for (int i = 1; i <= 3; ++i)
        Mouvement(kJour + 10 - i, kCessionPP, {{i, kPartsPP, 1.0 * i}, {i + 1, kPartsPP, -1.0 * i}});
    db::CTable &mouvements = Composant(kMouv), &details = Composant(kDet);
    int calculs = 0;
    details.OnCalcFields = [&calculs](db::CTable&) { ++calculs; };  // the component declares no calculated field
    if (ouverts) KV_OuvrirMouvementsParts(), mouvements.Next(), details.Last();  // key order, not date order
    const auto ligne = [](db::CTable& t) { return t.Active() ? t.FieldByName("AutoID").AsInteger() : -1; };
    const std::vector avant{ligne(mouvements), ligne(details)};  // -1: closed
    EXPECT_EQ(avant[0] > 0 && avant[1] > 0, ouverts);
    if (echec) mouvements.AfterScroll = EchecAuAppel(3);
    ListeMouvParts liste;
    try {
        parLien ? LireListeMouvPartsParLien(Module(), liste) : LireListeMouvParts(Module(), liste);
        EXPECT_FALSE(echec);
        EXPECT_EQ(liste.size(), 3u);
    } catch (const std::runtime_error&) {
        EXPECT_TRUE(echec);
    }
    EXPECT_EQ((std::vector{ligne(mouvements), ligne(details)}), avant);
    EXPECT_EQ(mouvements.IndexName(), "");
    details.OnCalcFields(details);
    EXPECT_EQ(calculs, 1);
}

INSTANTIATE_TEST_SUITE_P(Lectures, ComposantsRendus,
                         testing::Combine(testing::Bool(), testing::Bool(), testing::Bool()));

TEST_F(Mouvements, EachCallLeavesOutWhatItsDatesAndArgumentsSay) {
    Mouvement(kJour + 10, kCessionPP, {{1, kPartsPP, 1}, {2, kPartsPP, -1}});
    const int augmentation = Mouvement(kJour + 20, kAugmentationCapital, {{1, kPartsPP, 2}});
    Mouvement(kJour + 30, kPremierTypeHorsMouvement, {{1, kPartsPP, 4}});
    Mouvement(kJour + 40, kTypeNonDefini, {{1, kPartsPP, 8}});
    Mouvement(kJour + 50, kReconstitution, {{1, kPartsPP, 16}, {1, kPartsU, 32}, {1, kPartsNP, 64}});
    Mouvement(kJour + 60, kReductionCapital, {{2, kPartsPP, 3}});
    // {situation date, movement left out, limit date, PP U NP}: types 7 and above never count, -1
    // does; no situation date: the whole year; a movement on the limit date counts
    const std::tuple<double, int, double, std::vector<double>> cas[] = {
        {kJour + 364, 0, 0, {27, 32, 64}}, {kJour + 40, 0, 0, {11, 0, 0}}, {0, 0, 0, {27, 32, 64}},
        {kJour + 364, augmentation, 0, {25, 32, 64}}, {kJour + 364, 0, kJour + 40, {11, 0, 0}},
        {kJour + 364, 0, kJour + 39, {3, 0, 0}}};
    for (const auto& [situation, exclu, limite, attendu] : cas) {
        Situation(situation);
        const PartsPPUNP p = CumulerMouvementsAssocie(Module(), 1, exclu, limite);
        EXPECT_EQ((std::vector{p.pp, p.u, p.np}), attendu) << situation << " " << exclu << " " << limite;
    }
    // Associate 2's only gain is a capital reduction.
    EXPECT_EQ((std::vector{AssocieAcquiertDesParts(Module(), 1), AssocieAcquiertDesParts(Module(), 2),
                           AssocieAcquiertDesParts(Module(), 3)}), (std::vector{true, false, false}));
}

// Every movement for every associate, as the sum was first written (which movements count is the
// test above's).
PartsPPUNP ParcoursComplet(const ListeMouvParts& liste, int id, const Exclusions& e) {
    PartsPPUNP p;
    for (const auto& [rang, m] : liste)
        for (const D& d : m.Details)
            if (d.IdAsso == id && MouvementCompte(m, e))
                (d.TypeParts == kPartsU ? p.u : d.TypeParts == kPartsNP ? p.np : p.pp) += d.NbParts;
    return p;
}

// Some 3,000 detail rows whose quantities do not add exactly in binary, some undated movements.
TEST_F(Mouvements, OnePassReadingAndIndexedSumsEqualTheLinkedReadingAndTheFullWalk) {
    constexpr int kAssocies = 40;
    std::mt19937 aleas(2025);
    const auto tirage = [&](int n) { return static_cast<int>(aleas() % static_cast<unsigned>(n)); };
    const double quantites[] = {0.1, 0.7, 1.0 / 3, 0.0};
    db::CTable &mouvements = Composant(kMouv), &details = Composant(kDet);
    KV_OuvrirMouvementsParts();
    db::KeepWhatWasPosted(Module().Donnees().Session(), [&] {
        for (int m = 0; m < 900; ++m) {
            mouvements.Append();
            if (tirage(20)) mouvements.FieldByName("DateMouvement").SetAsDateTime(kJour + tirage(365));
            if (tirage(20)) mouvements.FieldByName("TypeMouvement").SetAsInteger(tirage(10) - 1);
            mouvements.Post();
            for (int d = tirage(8); d > 0; --d) {
                details.Append();  // linked: its IdMouv is the movement's
                details.FieldByName("IdAsso").SetAsInteger(1 + tirage(kAssocies));
                for (const char* q : {"NbPartsPPAug", "NbPartsPPDim", "NbPartsNPAug", "NbPartsNPDim", "NbPartsUAug",
                                      "NbPartsUDim"})
                    if (tirage(3) == 0) details.FieldByName(q).SetAsFloat(quantites[tirage(4)]);
                details.Post();
            }
        }
    });
    ListeMouvParts liste, parLien;
    LireListeMouvParts(Module(), liste);
    LireListeMouvPartsParLien(Module(), parLien);
    EXPECT_GT(parLien.size(), 800u);
    EXPECT_EQ(liste, parLien);
    for (const Exclusions& e :
         {Exclusions{kJour + 364, 0, 0}, {kJour + 180, 0, 0}, {0, 17, 0}, {kJour + 300, 42, kJour + 200}}) {
        Situation(e.dateSituation);
        for (int id = 0; id <= kAssocies + 1; ++id) {
            const PartsPPUNP obtenu = CumulerMouvementsAssocie(Module(), id, e.idMouvementExclu, e.dateLimite),
                             attendu = ParcoursComplet(liste, id, e);
            ASSERT_EQ(std::memcmp(&obtenu, &attendu, sizeof obtenu), 0) << "associé " << id;
        }
    }
}

// Through the step the movements' installer registers in the associates component's handler; the
// cached list the step reads goes with its data module.
TEST_F(Mouvements, EndOfYearColumnsAddRoundedStartsAndRoundedMovementsOfTheDataModulesList) {
    Mouvement(kJour + 1, kDemembrement, {{1, kPartsPP, 0.1}, {1, kPartsU, 1.0 / 3}, {1, kPartsNP, -0.1}});
    const auto colonnes = [] {
        db::CTable& associes = Composant("tblAssociesKV");
        associes.Open(), associes.Refresh();
        return std::vector{associes.FieldByName("NbPartsPPFinExo").AsFloat(),
                           associes.FieldByName("NbPartsUFinExo").AsFloat(),
                           associes.FieldByName("NbPartsNPFinExo").AsFloat()};
    };
    db::CTable& associes = Composant("tblAssociesKV");
    associes.Open(), associes.Append();  // associate 1, NbPartsU empty
    associes.FieldByName("NbParts").SetAsFloat(10.123456), associes.FieldByName("NbPartsN").SetAsFloat(2);
    associes.Post();
    EXPECT_EQ(colonnes(), (std::vector{10.12346 + 0.1, 0.33333, 2 + -0.1}));
    Mouvement(kJour + 2, kCessionPP, {{1, kPartsPP, 0.7}});  // the loaded flag left set: the list stands
    EXPECT_EQ(colonnes()[0], 10.12346 + 0.1);
    DesinitKV(), DetruireDataModuleKV(), InitDataModuleKV(), InitKV();
    EXPECT_EQ(colonnes()[0], 10.12346 + 0.8);  // 0.1 + 0.7 is not 0.8 unrounded
}

}  // namespace
}  // namespace kvarn::movements
