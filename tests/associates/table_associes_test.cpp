#include "associates/table_associes.hpp"
#include "associes_fixture.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace kvarn::associates {
namespace {

using Val = std::variant<int, double, bool, std::string, char32_t>;

// Lue: mirrors its column. Cle: the key the table assigns. Calculee: no stored column.
// NonLue: a column the reading leaves alone.
enum Lecture { Lue, Cle, Calculee, NonLue };

struct Membre {
    const char* nom;
    Val (*valeur)(const Associe&);
    Val raz;
    Val nul;
    Lecture lecture = Lue;
};

constexpr int NE = Associe::kNulEntier;
constexpr double NR = Associe::kNulReel;
const std::string V;  // the empty text

// clang-format off
#define M(m, raz, nul, ...) Membre{#m, [](const Associe& a) { return Val(a.m); }, raz, nul, ##__VA_ARGS__}
#define T(m) M(m, V, V)

// Every member in declaration order, with its reset value and the value an empty column gives.
const std::vector<Membre> kMembres{
    M(ShIDAssocie, 0, 0, Cle), M(CleRepartition, NE, NE), M(AdrIDPays, 76, 76), M(IDPaysNaissance, 76, 76),
    M(Adr1JanIDPays, 76, 76), M(AnneeVersement1, 0, 0), M(AnneeVersement2, 0, 0),
    M(NbPartsPPFinExo, 0.0, 0.0, Calculee), M(NbPartsUFinExo, 0.0, 0.0, Calculee),
    M(NbPartsNPFinExo, 0.0, 0.0, Calculee), M(RemDiverseProdFinancier, 0.0, NR), M(PVRevenantAssocie, 0.0, NR),
    M(PartBenefice, 0.0, NR), M(PartPlusValues, 0.0, NR), M(NbPartsSocialesAnnee1, 0.0, NR),
    M(NbPartsSocialesAnnee2, 0.0, NR), M(TraitementsAnnee1, NR, NR), M(TraitementsAnnee2, NR, NR),
    M(IndemniteFraisMissionA1, NR, NR), M(IndemniteFraisMissionA2, NR, NR), M(RembourstFraisMissionA1, NR, NR),
    M(RembourstFraisMissionA2, NR, NR), M(IndemniteAutresAnnee1, NR, NR), M(IndemniteAutresAnnee2, NR, NR),
    M(RembourstAutresAnnee1, NR, NR), M(RembourstAutresAnnee2, NR, NR), M(PartRevenusValeurs, 0.0, NR),
    M(PartImpotVerse, 0.0, NR), M(Remuneration, 0.0, NR), M(RFPartAssocieForce, NR, NR), M(Honoraires, NR, NR),
    M(TaxeProf, NR, NR), M(CSGDeduc, NR, NR), M(FraisVehiculesReels, NR, NR), M(ChgSocPersoOblig, NR, NR),
    M(ChgSocPersoFacult, NR, NR), M(FraisFi, NR, NR), M(PourcentagePartAssoForce, NR, NR),
    M(PourcentageDetention, NR, NR, Calculee), M(CorrPVLT, NR, NR), M(NbParts, 0.0, 0.0), M(NbPartsU, 0.0, 0.0),
    M(NbPartsN, 0.0, 0.0), M(NbDroitsDeVote, NR, NR), M(NbDroitsADividendes, NR, NR),
    M(RegimeImpositionSCI, -1, -1), M(Qualite, -1, 0), M(Titre, 0, 0), M(StatutConjoint, -1, 0),
    M(RegimeMatrimonial, -1, 0), M(SituationFamille, -1, 0), M(PersonnePhysique, false, false),
    M(PVDifferee, false, false), M(Concerne2065, false, false), M(Holding, false, false),
    M(ConcerneExercice, false, false, Calculee), M(NonCGANumerateurProrata, NE, NE),
    M(NonCGADenominateurProrata, NE, NE), M(ResultatBICSaisi, NE, NE), M(ResultatBASaisi, NE, NE),
    M(BeneficeSaisi, NE, NE), M(PVLTSaisi, NE, NE), M(AbandonsSaisi, NE, NE), M(DateNaissance, 0.0, 0.0),
    M(DateCessionParts, 0.0, 0.0), M(DateCessionParts2, 0.0, 0.0), M(DateCessionParts3, 0.0, 0.0),
    M(DateCessionParts4, 0.0, 0.0), M(DateEntreeSCI, 0.0, 0.0), M(DateSortieSCI, 0.0, 0.0), T(Nom), T(Prenoms),
    T(Profession), T(AdrNoVoie), T(AdrCmplNoVoie), T(AdrNomVoie), T(AdrComplmt1), T(AdrComplmt2), T(AdrCP),
    T(AdrVille), T(AdrBP), T(AdrTel), T(AdrFax), T(NomPatronymique), T(NomMarital), T(NoSiret), T(PseudoSiret),
    T(IDSP), T(CPNaissance), T(LieuNaissance), T(IdentiteCessionParts), T(IdentiteCessionParts2),
    T(IdentiteCessionParts3), T(IdentiteCessionParts4), T(PrenomConjoint), T(Adr1JanNoVoie), T(Adr1JanCmplNoVoie),
    T(Adr1JanNomVoie), T(Adr1JanComplement1), T(Adr1JanComplement2), T(Adr1JanCP), T(Adr1JanVille), T(Adr1JanBP),
    T(Adr1JanTel), T(Adr1JanFax), M(IdComptable, 0, 0), M(IdAdmin, 0, 0), M(BICouMeuble, U'\0', U'\0'),
    M(PartResultatNumerateur, NE, NE), M(PartResultatDenominateur, NE, NE), M(NbHeureTravaillesConjoint, 0, NE),
    M(NbEx_Edition, 0, NE), T(NoIdentFisc), T(AdrCodeInsee), T(AdrBureauDistrib), T(CodeInseeNaissance),
    T(CategorieJuridique), T(Adr1JanCodeInsee), T(Adr1JanBureauDistrib), T(NomIntervGerant), T(PrenomIntervGerant),
    T(AdrGerantComplement1), T(AdrGerantComplement2), T(AdrGerantNoVoie), T(AdrGerantCpltNoVoie),
    T(AdrGerantNomVoie), T(AdrGerantCP), T(AdrGerantVille), T(AdrGerantBP), M(AdherentOga, false, false, NonLue),
    M(DateAdhesionOga, 0.0, 0.0, NonLue), M(NumAdherentOga, V, V, NonLue), M(IdOga, 0, 0, NonLue),
};
// clang-format on

// A value of the member's kind, distinct per member (`i`) or zero: as written to its column, and
// as the member reads it back.
std::pair<db::Value, Val> Valeur(const Membre& membre, int i, bool zero) {
    const std::string texte = zero ? V : std::to_string(i);
    return std::visit(
        [&](const auto& modele) -> std::pair<db::Value, Val> {
            using Type = std::decay_t<decltype(modele)>;
            if constexpr (std::is_same_v<Type, int>) return {zero ? 0 : 100 + i, zero ? 0 : 100 + i};
            if constexpr (std::is_same_v<Type, double>) return {zero ? 0.0 : 40000.0 + i, zero ? 0.0 : 40000.0 + i};
            if constexpr (std::is_same_v<Type, bool>) return {zero ? 0 : -1, !zero};  // any non-zero flag is true
            if constexpr (std::is_same_v<Type, std::string>) return {texte, texte};
            if constexpr (std::is_same_v<Type, char32_t>) return {zero ? "" : "éa", zero ? U'\0' : U'é'};
        },
        membre.raz);
}

TEST_F(TableAssocies, ResetRecordAndEmptyColumnsGiveTheirOwnValues) {
    Ajouter({});
    const Associe lu = LireAssocie(Table());
    EXPECT_GT(lu.ShIDAssocie, 0);
    Associe remis = lu;
    remis.RAZ();
    for (const Membre& membre : kMembres) {
        EXPECT_EQ(membre.valeur(remis), membre.raz) << membre.nom;
        if (membre.lecture == Cle) continue;
        EXPECT_EQ(membre.valeur(lu), membre.nul) << membre.nom;
    }
}

TEST_F(TableAssocies, EveryColumnReadsIntoItsMemberAndZeroIsNotNull) {
    for (const bool zero : {false, true}) {
        Colonnes colonnes;
        std::vector<Val> attendus;
        for (std::size_t i = 0; i < kMembres.size(); ++i) {
            const Membre& membre = kMembres[i];
            attendus.push_back(membre.nul);
            if (membre.lecture != Lue && membre.lecture != NonLue) continue;
            const auto [ecrite, lue] = Valeur(membre, static_cast<int>(i), zero);
            colonnes.emplace_back(membre.nom, ecrite);
            if (membre.lecture == Lue) attendus.back() = lue;
        }
        Ajouter(colonnes);
        const Associe lu = LireAssocie(Table());
        for (std::size_t i = 0; i < kMembres.size(); ++i) {
            if (kMembres[i].lecture == Cle || kMembres[i].lecture == Calculee) continue;
            EXPECT_EQ(kMembres[i].valeur(lu), attendus[i]) << kMembres[i].nom << (zero ? " (zero)" : "");
        }
    }
}

class SharesOfQuality : public TableAssocies, public testing::WithParamInterface<int> {};

// The end-of-year shares come from the step the movements register, through the calculated columns.
TEST_P(SharesOfQuality, ReadUnlessBeneficiary) {
    frame::DataModule()->EtatDe<EtatAssocies>().etapeFinExercice = ([](const Associe& a) {
        return PartsFinExercice{a.NbParts + 1, a.NbPartsU + 2, a.NbPartsN + 3};
    });
    Ajouter({{"Qualite", GetParam()}, {"NbParts", 5.0}, {"NbPartsU", 6.0}, {"NbPartsN", 7.0}});
    const Associe a = LireAssocie(Table());
    const double k = GetParam() == QA_BENEFICIAIRE ? 0 : 1;
    EXPECT_EQ(std::vector({a.NbParts, a.NbPartsU, a.NbPartsN, a.NbPartsPPFinExo, a.NbPartsUFinExo, a.NbPartsNPFinExo}),
              std::vector({5 * k, 6 * k, 7 * k, 6 * k, 8 * k, 10 * k}));
}

INSTANTIATE_TEST_SUITE_P(Qualites, SharesOfQuality,
                         testing::Values(QA_GERANT_NON_ASSOCIE, QA_BENEFICIAIRE, QA_ASSOCIE));

}  // namespace
}  // namespace kvarn::associates
