// The associates table tblAssociesKV: a row read into an Associe (every member, its reset value
// and its null rule), the display texts of its coded columns, its calculated columns, and how the
// associates plug into the data module: their handlers attached at every start-up without
// stacking, taken off while a program holds the table, afresh with a new data module. (The check
// of the tax regimes that ends the start-up is tried with the start-up, in the frame's tests.)
#include "associates/etat_associes.hpp"
#include "associates/table_associes.hpp"
#include "frame/etat_module.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/requete_sql.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

namespace kvarn::associates {
namespace {

using testing_support::Colonnes;

// A new dossier with its data module created and started, so that the associates' installer has
// attached its handlers to tblAssociesKV, which is open; rows are appended through it.
class TableAssocies : public testing_support::ModuleDemarre {
protected:
    void SetUp() override {
        ModuleDemarre::SetUp();
        Table().Open();
    }
    static db::CTable& Table() { return frame::DataModule()->Donnees().Composant("tblAssociesKV"); }
    static EtatAssocies& Etat() { return frame::DataModule()->EtatDe<EtatAssocies>(); }
    // Appends a row holding these values; the cursor stays on it.
    static void Ajouter(const Colonnes& colonnes) { testing_support::AjouterLigne(Table(), colonnes); }
    static std::string Texte(const char* colonne) { return Table().FieldByName(colonne).DisplayText(); }
};

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
#define R(m) M(m, NR, NR)   // a real whose reset and null values are NULL_REEL
#define Z(m) M(m, 0.0, NR)  // a real reset to 0 that reads NULL_REEL from an empty column
#define E(m) M(m, NE, NE)   // an integer whose reset and null values are NULL_ENTIER
#define D(m) M(m, 0.0, 0.0)  // a date, or shares: 0 either way

// Every member in declaration order, with its reset value and the value an empty column gives.
const std::vector<Membre> kMembres{
    M(ShIDAssocie, 0, 0, Cle), E(CleRepartition), M(AdrIDPays, 76, 76), M(IDPaysNaissance, 76, 76),
    M(Adr1JanIDPays, 76, 76), M(AnneeVersement1, 0, 0), M(AnneeVersement2, 0, 0),
    M(NbPartsPPFinExo, 0.0, 0.0, Calculee), M(NbPartsUFinExo, 0.0, 0.0, Calculee),
    M(NbPartsNPFinExo, 0.0, 0.0, Calculee), Z(RemDiverseProdFinancier), Z(PVRevenantAssocie), Z(PartBenefice),
    Z(PartPlusValues), Z(NbPartsSocialesAnnee1), Z(NbPartsSocialesAnnee2), R(TraitementsAnnee1), R(TraitementsAnnee2),
    R(IndemniteFraisMissionA1), R(IndemniteFraisMissionA2), R(RembourstFraisMissionA1), R(RembourstFraisMissionA2),
    R(IndemniteAutresAnnee1), R(IndemniteAutresAnnee2), R(RembourstAutresAnnee1), R(RembourstAutresAnnee2),
    Z(PartRevenusValeurs), Z(PartImpotVerse), Z(Remuneration), R(RFPartAssocieForce), R(Honoraires), R(TaxeProf),
    R(CSGDeduc), R(FraisVehiculesReels), R(ChgSocPersoOblig), R(ChgSocPersoFacult), R(FraisFi),
    R(PourcentagePartAssoForce), M(PourcentageDetention, NR, NR, Calculee), R(CorrPVLT), D(NbParts), D(NbPartsU),
    D(NbPartsN), R(NbDroitsDeVote), R(NbDroitsADividendes), M(RegimeImpositionSCI, -1, -1), M(Qualite, -1, 0),
    M(Titre, 0, 0), M(StatutConjoint, -1, 0), M(RegimeMatrimonial, -1, 0), M(SituationFamille, -1, 0),
    M(PersonnePhysique, false, false), M(PVDifferee, false, false), M(Concerne2065, false, false),
    M(Holding, false, false), M(ConcerneExercice, false, false, Calculee), E(NonCGANumerateurProrata),
    E(NonCGADenominateurProrata), E(ResultatBICSaisi), E(ResultatBASaisi), E(BeneficeSaisi), E(PVLTSaisi),
    E(AbandonsSaisi), D(DateNaissance), D(DateCessionParts), D(DateCessionParts2), D(DateCessionParts3),
    D(DateCessionParts4), D(DateEntreeSCI), D(DateSortieSCI), T(Nom), T(Prenoms), T(Profession), T(AdrNoVoie),
    T(AdrCmplNoVoie), T(AdrNomVoie), T(AdrComplmt1), T(AdrComplmt2), T(AdrCP), T(AdrVille), T(AdrBP), T(AdrTel),
    T(AdrFax), T(NomPatronymique), T(NomMarital), T(NoSiret), T(PseudoSiret), T(IDSP), T(CPNaissance), T(LieuNaissance),
    T(IdentiteCessionParts), T(IdentiteCessionParts2), T(IdentiteCessionParts3), T(IdentiteCessionParts4),
    T(PrenomConjoint), T(Adr1JanNoVoie), T(Adr1JanCmplNoVoie), T(Adr1JanNomVoie), T(Adr1JanComplement1),
    T(Adr1JanComplement2), T(Adr1JanCP), T(Adr1JanVille), T(Adr1JanBP), T(Adr1JanTel), T(Adr1JanFax),
    M(IdComptable, 0, 0), M(IdAdmin, 0, 0), M(BICouMeuble, U'\0', U'\0'), E(PartResultatNumerateur),
    E(PartResultatDenominateur), M(NbHeureTravaillesConjoint, 0, NE), M(NbEx_Edition, 0, NE), T(NoIdentFisc),
    T(AdrCodeInsee), T(AdrBureauDistrib), T(CodeInseeNaissance), T(CategorieJuridique), T(Adr1JanCodeInsee),
    T(Adr1JanBureauDistrib), T(NomIntervGerant), T(PrenomIntervGerant), T(AdrGerantComplement1),
    T(AdrGerantComplement2), T(AdrGerantNoVoie), T(AdrGerantCpltNoVoie), T(AdrGerantNomVoie), T(AdrGerantCP),
    T(AdrGerantVille), T(AdrGerantBP), M(AdherentOga, false, false, NonLue), M(DateAdhesionOga, 0.0, 0.0, NonLue),
    M(NumAdherentOga, V, V, NonLue), M(IdOga, 0, 0, NonLue),
};
// clang-format on

// A value of the member's kind, distinct per member (n > 0) or zero: as written to its column, and
// as the member reads it back. Any non-zero flag is true; the first character is a whole one.
std::pair<db::Value, Val> Valeur(const Val& modele, int n) {
    const std::string texte = n ? std::to_string(n) : V;
    switch (modele.index()) {
        case 0: return {n, n};
        case 1: return {n ? 40000.0 + n : 0.0, n ? 40000.0 + n : 0.0};  // a day count is a valid date
        case 2: return {-n, n != 0};
        case 3: return {texte, texte};
        default: return {n ? "éa" : "", n ? U'é' : U'\0'};
    }
}

// An all-null row, a row of distinct values, a row of zeros (a column holding 0 is not null);
// then the record reset, which differs from the all-null row where the null rule says so.
TEST_F(TableAssocies, EveryMemberReadsItsColumnOrItsNullValueAndResetsToItsOwn) {
    Associe lu;
    for (const int rangee : {0, 1, 2}) {
        Colonnes colonnes;
        std::vector<Val> attendus;
        for (std::size_t i = 0; i < kMembres.size(); ++i) {
            const Membre& m = kMembres[i];
            const auto [ecrite, lue] = Valeur(m.raz, rangee == 1 ? 100 + static_cast<int>(i) : 0);
            if (rangee > 0 && (m.lecture == Lue || m.lecture == NonLue)) colonnes.emplace_back(m.nom, ecrite);
            attendus.push_back(rangee > 0 && m.lecture == Lue ? lue : m.nul);
        }
        Ajouter(colonnes);
        lu = LireAssocie(Table());
        for (std::size_t i = 0; i < kMembres.size(); ++i) {
            if (kMembres[i].lecture == Cle || (kMembres[i].lecture == Calculee && rangee > 0)) continue;
            EXPECT_EQ(kMembres[i].valeur(lu), attendus[i]) << kMembres[i].nom << " " << rangee;
        }
    }
    lu.RAZ();
    for (const Membre& m : kMembres) EXPECT_EQ(m.valeur(lu), m.raz) << m.nom;
}

// The end-of-year shares come from the registered step, through the calculated columns; a
// beneficiary holds no shares of its own, whatever its columns say.
TEST_F(TableAssocies, SharesAreReadUnlessBeneficiary) {
    Etat().etapeFinExercice = [](const Associe& a) {
        return PartsFinExercice{a.NbParts + 1, a.NbPartsU + 2, a.NbPartsN + 3};
    };
    for (const int qualite : {QA_GERANT_NON_ASSOCIE, QA_BENEFICIAIRE, QA_ASSOCIE}) {
        Ajouter({{"Qualite", qualite}, {"NbParts", 5.0}, {"NbPartsU", 6.0}, {"NbPartsN", 7.0}});
        const Associe a = LireAssocie(Table());
        const double k = qualite == QA_BENEFICIAIRE ? 0 : 1;
        EXPECT_EQ(std::vector({a.NbParts, a.NbPartsU, a.NbPartsN, a.NbPartsPPFinExo, a.NbPartsUFinExo,
                               a.NbPartsNPFinExo}),
                  std::vector({5 * k, 6 * k, 7 * k, 6 * k, 8 * k, 10 * k})) << qualite;
    }
}

const std::string kSarl = "Société à responsabilité limitée";

TEST_F(TableAssocies, CalculatedColumnsAndDesignationFollowTheLoadingMode) {
    const Colonnes physique{{"PersonnePhysique", 1}, {"Nom", "Martin"}, {"NomPatronymique", "Durand"},
                            {"Prenoms", "Claire"}, {"Titre", TAP_MME}, {"RegimeImpositionSCI", RIS_RF},
                            {"AdrNoVoie", "12"}, {"AdrNomVoie", "rue des Lilas"}, {"AdrCP", "69003"},
                            {"AdrVille", "LYON"}, {"AdrComplmt2", "Bât. B "}};
    const Colonnes morale{{"PersonnePhysique", 0}, {"Nom", "Holding Martin"}, {"NomPatronymique", "Durand"},
                          {"Prenoms", "(filiale)"}, {"Titre", 4 /* SARL */}};
    const std::string filiale = "Holding Martin (filiale)";
    // {loading mode, person, NomAffichage, Identite, IdentiteComplete, the record's designation}
    const std::tuple<int, const Colonnes*, std::vector<std::string>> cas[] = {
        {5, &physique, {"Durand", "Durand Claire", "MME Durand Claire", "Durand Claire"}},
        {4, &physique, {"Martin", "Martin Claire", "MME Martin Claire", "Martin Claire"}},
        {5, &morale, {"Holding Martin", filiale, kSarl + " " + filiale, "Holding Martin"}},
        {4, &morale, {"Holding Martin", filiale, kSarl + " " + filiale, filiale}}};
    for (const auto& [mode, personne, attendus] : cas) {
        _KVAffecterAssistantDeChargement(mode);
        Ajouter(*personne);
        EXPECT_EQ((std::vector{Texte("NomAffichage"), Texte("Identite"), Texte("IdentiteComplete"),
                               LireAssocie(Table()).GetDesignationAssocie()}), attendus) << mode;
    }
    Table().First();  // empty parts of the address keep their blanks; the regime in full and in short
    EXPECT_EQ((std::vector{Texte("AdresseAffichage"), Texte("RegimeImpositionSCI"),
                           LireAssocie(Table()).GetTextRegimeImpositionSCI()}),
              (std::vector<std::string>{"12  rue des Lilas 69003 LYON  Bât. B", "Revenus fonciers", "RF"}));
}

TEST_F(TableAssocies, CodedColumnsShowTheirLabelAndSharesTheirFigure) {
    EXPECT_EQ(Texte("Titre"), "");  // the table is empty
    // {row, column, text}; a figure shows 15 significant digits
    const std::tuple<Colonnes, const char*, const char*> cas[] = {
        {{{"PersonnePhysique", 1}, {"Titre", TAP_MLE}}, "Titre", "MLE"},
        {{{"PersonnePhysique", 0}, {"Titre", 4}}, "Titre", kSarl.c_str()}, {{}, "RegimeImpositionSCI", ""},
        {{{"RegimeImpositionSCI", 0}}, "RegimeImpositionSCI", "BIC"}, {{}, "Qualite", "Exploitant"},
        {{{"Qualite", QA_GERANT_ASSOCIE}}, "Qualite", "Gérant Associé"}, {{}, "SituationFamille", ""},
        {{{"SituationFamille", SF_PACSE}}, "SituationFamille", "Pacsé"}, {{}, "NbParts", ""},
        {{{"NbParts", 0.0}}, "NbParts", ""}, {{{"NbParts", 1234.5}}, "NbParts", "1 234,50000"},
        {{{"NbParts", -2.5}}, "NbParts", "-2,50000"},
        {{{"NbParts", 123456789012.123456}}, "NbParts", "123 456 789 012,12300"}};
    for (const auto& [ligne, colonne, texte] : cas) {
        Ajouter(ligne);
        EXPECT_EQ(Texte(colonne), texte) << colonne;
    }
}

TEST_F(TableAssocies, HandlersAttachedAtEveryStartUpOnceOffWhileHeldAndAfreshWithANewDataModule) {
    Ajouter({{"Nom", "Martin"}, {"Qualite", QA_ASSOCIE}, {"NbParts", 3.0}});
    const auto colonnes = [] {
        return Table().First(), Texte("Identite") + "|" + Texte("Qualite") + "|" + Texte("NbPartsPPFinExo");
    };
    int n = 0;
    const auto calculs = [&n] {  // how many times the end-of-year step runs while the row is read again
        DesinitKV(), InitKV(), n = 0;
        Etat().etapeFinExercice = [&n, etape = Etat().etapeFinExercice](const Associe& a) { return ++n, etape(a); };
        return Table().Refresh(), Texte("Identite"), n;
    };
    EXPECT_EQ(colonnes(), "Martin|Associé|3");
    const int parLecture = calculs();  // after a second start-up
    EXPECT_GT(parLecture, 0);
    EXPECT_EQ(calculs(), parLecture);
    Table().Close(), OuvrirTableAssociesKV();
    EXPECT_EQ(colonnes(), "|Associé|");
    FermerTableAssociesKV(), Table().Open();
    EXPECT_EQ(colonnes(), "Martin|Associé|3");
    DesinitKV(), DetruireDataModuleKV(), InitDataModuleKV(), InitKV(), Table().Open();
    EXPECT_EQ(colonnes(), "Martin|Associé|3");
}

}  // namespace
}  // namespace kvarn::associates
