#include "associates/table_associes.hpp"

#include "common/nulls.hpp"
#include "common/text.hpp"

#include <unicode/utf8.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace kvarn::associates {
namespace {

// Which partial readings need a column: the calculated columns, the positions.
enum Usage : unsigned { kCalculs = 1, kPositions = 2 };

// A column and the member it fills; `siNul` is what an empty column gives; `usages` the partial
// readings that read it (a complete reading reads every column).
template <class T>
struct Colonne {
    const char* nom;
    T Associe::*membre;
    T siNul;
    unsigned usages = 0;
};

struct ColonneTexte {
    const char* nom;
    std::string Associe::*membre;
    unsigned usages = 0;
};

constexpr Colonne<int> kEntiers[] = {
    {"ShIDAssocie", &Associe::ShIDAssocie, 0, kCalculs | kPositions},
    {"CleRepartition", &Associe::CleRepartition, NULL_ENTIER},
    {"AdrIDPays", &Associe::AdrIDPays, PAYS_FRANCE},
    {"IDPaysNaissance", &Associe::IDPaysNaissance, PAYS_FRANCE},
    {"Adr1JanIDPays", &Associe::Adr1JanIDPays, PAYS_FRANCE},
    {"AnneeVersement1", &Associe::AnneeVersement1, 0},
    {"AnneeVersement2", &Associe::AnneeVersement2, 0},
    {"RegimeImpositionSCI", &Associe::RegimeImpositionSCI, RIS_AUCUN},
    {"Qualite", &Associe::Qualite, 0, kPositions},
    {"Titre", &Associe::Titre, 0, kCalculs | kPositions},
    {"StatutConjoint", &Associe::StatutConjoint, 0},
    {"RegimeMatrimonial", &Associe::RegimeMatrimonial, 0},
    {"SituationFamille", &Associe::SituationFamille, 0},
    {"NonCGANumerateurProrata", &Associe::NonCGANumerateurProrata, NULL_ENTIER},
    {"NonCGADenominateurProrata", &Associe::NonCGADenominateurProrata, NULL_ENTIER},
    {"ResultatBICSaisi", &Associe::ResultatBICSaisi, NULL_ENTIER},
    {"ResultatBASaisi", &Associe::ResultatBASaisi, NULL_ENTIER},
    {"BeneficeSaisi", &Associe::BeneficeSaisi, NULL_ENTIER},
    {"PVLTSaisi", &Associe::PVLTSaisi, NULL_ENTIER},
    {"AbandonsSaisi", &Associe::AbandonsSaisi, NULL_ENTIER},
    {"IdComptable", &Associe::IdComptable, 0},
    {"IdAdmin", &Associe::IdAdmin, 0},
    {"PartResultatNumerateur", &Associe::PartResultatNumerateur, NULL_ENTIER},
    {"PartResultatDenominateur", &Associe::PartResultatDenominateur, NULL_ENTIER},
    {"NbHeureTravaillesConjoint", &Associe::NbHeureTravaillesConjoint, NULL_ENTIER},
    {"NbEx_Edition", &Associe::NbEx_Edition, NULL_ENTIER},
};

constexpr Colonne<double> kReels[] = {
    {"RemDiverseProdFinancier", &Associe::RemDiverseProdFinancier, NULL_REEL},
    {"PVRevenantAssocie", &Associe::PVRevenantAssocie, NULL_REEL},
    {"PartBenefice", &Associe::PartBenefice, NULL_REEL},
    {"PartPlusValues", &Associe::PartPlusValues, NULL_REEL},
    {"NbPartsSocialesAnnee1", &Associe::NbPartsSocialesAnnee1, NULL_REEL},
    {"NbPartsSocialesAnnee2", &Associe::NbPartsSocialesAnnee2, NULL_REEL},
    {"TraitementsAnnee1", &Associe::TraitementsAnnee1, NULL_REEL},
    {"TraitementsAnnee2", &Associe::TraitementsAnnee2, NULL_REEL},
    {"IndemniteFraisMissionA1", &Associe::IndemniteFraisMissionA1, NULL_REEL},
    {"IndemniteFraisMissionA2", &Associe::IndemniteFraisMissionA2, NULL_REEL},
    {"RembourstFraisMissionA1", &Associe::RembourstFraisMissionA1, NULL_REEL},
    {"RembourstFraisMissionA2", &Associe::RembourstFraisMissionA2, NULL_REEL},
    {"IndemniteAutresAnnee1", &Associe::IndemniteAutresAnnee1, NULL_REEL},
    {"IndemniteAutresAnnee2", &Associe::IndemniteAutresAnnee2, NULL_REEL},
    {"RembourstAutresAnnee1", &Associe::RembourstAutresAnnee1, NULL_REEL},
    {"RembourstAutresAnnee2", &Associe::RembourstAutresAnnee2, NULL_REEL},
    {"PartRevenusValeurs", &Associe::PartRevenusValeurs, NULL_REEL},
    {"PartImpotVerse", &Associe::PartImpotVerse, NULL_REEL},
    {"Remuneration", &Associe::Remuneration, NULL_REEL},
    {"RFPartAssocieForce", &Associe::RFPartAssocieForce, NULL_REEL},
    {"Honoraires", &Associe::Honoraires, NULL_REEL},
    {"TaxeProf", &Associe::TaxeProf, NULL_REEL},
    {"CSGDeduc", &Associe::CSGDeduc, NULL_REEL},
    {"FraisVehiculesReels", &Associe::FraisVehiculesReels, NULL_REEL},
    {"ChgSocPersoOblig", &Associe::ChgSocPersoOblig, NULL_REEL},
    {"ChgSocPersoFacult", &Associe::ChgSocPersoFacult, NULL_REEL},
    {"FraisFi", &Associe::FraisFi, NULL_REEL},
    {"PourcentagePartAssoForce", &Associe::PourcentagePartAssoForce, NULL_REEL},
    {"CorrPVLT", &Associe::CorrPVLT, NULL_REEL},
    {"NbDroitsDeVote", &Associe::NbDroitsDeVote, NULL_REEL},
    {"NbDroitsADividendes", &Associe::NbDroitsADividendes, NULL_REEL},
};

// A beneficiary holds no shares of its own: these are read only for the other qualities.
constexpr Colonne<double> kPartsDebut[] = {
    {"NbParts", &Associe::NbParts, 0.0, kCalculs | kPositions},
    {"NbPartsU", &Associe::NbPartsU, 0.0, kCalculs | kPositions},
    {"NbPartsN", &Associe::NbPartsN, 0.0, kCalculs | kPositions},
};

// Calculated columns: what the component computed when the row came in.
constexpr Colonne<double> kPartsFin[] = {
    {"NbPartsPPFinExo", &Associe::NbPartsPPFinExo, 0.0},
    {"NbPartsUFinExo", &Associe::NbPartsUFinExo, 0.0},
    {"NbPartsNPFinExo", &Associe::NbPartsNPFinExo, 0.0},
};

constexpr Colonne<double> kDates[] = {
    {"DateNaissance", &Associe::DateNaissance, 0.0},
    {"DateCessionParts", &Associe::DateCessionParts, 0.0},
    {"DateCessionParts2", &Associe::DateCessionParts2, 0.0},
    {"DateCessionParts3", &Associe::DateCessionParts3, 0.0},
    {"DateCessionParts4", &Associe::DateCessionParts4, 0.0},
    {"DateEntreeSCI", &Associe::DateEntreeSCI, 0.0},
    {"DateSortieSCI", &Associe::DateSortieSCI, 0.0},
};

// PersonnePhysique is a Short column: any value but 0 is a physical person.
constexpr Colonne<bool> kBooleens[] = {
    {"PersonnePhysique", &Associe::PersonnePhysique, false, kCalculs | kPositions},
    {"PVDifferee", &Associe::PVDifferee, false},
    {"Concerne2065", &Associe::Concerne2065, false},
    {"Holding", &Associe::Holding, false},
};

constexpr ColonneTexte kTextes[] = {
    {"Nom", &Associe::Nom, kCalculs | kPositions},
    {"Prenoms", &Associe::Prenoms, kCalculs | kPositions},
    {"Profession", &Associe::Profession},
    {"AdrNoVoie", &Associe::AdrNoVoie, kCalculs},
    {"AdrCmplNoVoie", &Associe::AdrCmplNoVoie, kCalculs},
    {"AdrNomVoie", &Associe::AdrNomVoie, kCalculs},
    {"AdrComplmt1", &Associe::AdrComplmt1, kCalculs},
    {"AdrComplmt2", &Associe::AdrComplmt2, kCalculs},
    {"AdrCP", &Associe::AdrCP, kCalculs},
    {"AdrVille", &Associe::AdrVille, kCalculs},
    {"AdrBP", &Associe::AdrBP},
    {"AdrTel", &Associe::AdrTel},
    {"AdrFax", &Associe::AdrFax},
    {"NomPatronymique", &Associe::NomPatronymique, kCalculs},
    {"NomMarital", &Associe::NomMarital, kPositions},
    {"NoSiret", &Associe::NoSiret},
    {"PseudoSiret", &Associe::PseudoSiret},
    {"IDSP", &Associe::IDSP},
    {"CPNaissance", &Associe::CPNaissance},
    {"LieuNaissance", &Associe::LieuNaissance},
    {"IdentiteCessionParts", &Associe::IdentiteCessionParts},
    {"IdentiteCessionParts2", &Associe::IdentiteCessionParts2},
    {"IdentiteCessionParts3", &Associe::IdentiteCessionParts3},
    {"IdentiteCessionParts4", &Associe::IdentiteCessionParts4},
    {"PrenomConjoint", &Associe::PrenomConjoint},
    {"Adr1JanNoVoie", &Associe::Adr1JanNoVoie},
    {"Adr1JanCmplNoVoie", &Associe::Adr1JanCmplNoVoie},
    {"Adr1JanNomVoie", &Associe::Adr1JanNomVoie},
    {"Adr1JanComplement1", &Associe::Adr1JanComplement1},
    {"Adr1JanComplement2", &Associe::Adr1JanComplement2},
    {"Adr1JanCP", &Associe::Adr1JanCP},
    {"Adr1JanVille", &Associe::Adr1JanVille},
    {"Adr1JanBP", &Associe::Adr1JanBP},
    {"Adr1JanTel", &Associe::Adr1JanTel},
    {"Adr1JanFax", &Associe::Adr1JanFax},
    {"NoIdentFisc", &Associe::NoIdentFisc},
    {"AdrCodeInsee", &Associe::AdrCodeInsee},
    {"AdrBureauDistrib", &Associe::AdrBureauDistrib},
    {"CodeInseeNaissance", &Associe::CodeInseeNaissance},
    {"CategorieJuridique", &Associe::CategorieJuridique},
    {"Adr1JanCodeInsee", &Associe::Adr1JanCodeInsee},
    {"Adr1JanBureauDistrib", &Associe::Adr1JanBureauDistrib},
    {"NomIntervGerant", &Associe::NomIntervGerant},
    {"PrenomIntervGerant", &Associe::PrenomIntervGerant},
    {"AdrGerantComplement1", &Associe::AdrGerantComplement1},
    {"AdrGerantComplement2", &Associe::AdrGerantComplement2},
    {"AdrGerantNoVoie", &Associe::AdrGerantNoVoie},
    {"AdrGerantCpltNoVoie", &Associe::AdrGerantCpltNoVoie},
    {"AdrGerantNomVoie", &Associe::AdrGerantNomVoie},
    {"AdrGerantCP", &Associe::AdrGerantCP},
    {"AdrGerantVille", &Associe::AdrGerantVille},
    {"AdrGerantBP", &Associe::AdrGerantBP},
};

// Field::AsInteger and AsFloat give 0 for an empty column, which is not every member's null
// value: the column is asked whether it is empty first.
int Valeur(const db::Field& champ, const Colonne<int>& colonne) {
    return champ.IsNull() ? colonne.siNul : champ.AsInteger();
}
double Valeur(const db::Field& champ, const Colonne<double>& colonne) {
    return champ.IsNull() ? colonne.siNul : champ.AsFloat();
}
bool Valeur(const db::Field& champ, const Colonne<bool>& colonne) {
    return champ.IsNull() ? colonne.siNul : champ.AsBoolean();
}
std::string Valeur(const db::Field& champ, const ColonneTexte&) { return champ.AsString(); }

// A reading: complete (every column, kComplete) or partial (the columns of one usage).
constexpr unsigned kComplete = 0;
using Lecture = unsigned;

using Champs = std::vector<const db::Field*>;

// The fields of the columns a reading reads, in the order of the columns; nullptr for the others.
template <class Colonnes>
Champs Resoudre(db::CTable& table, const Colonnes& colonnes, Lecture lecture) {
    Champs champs;
    for (const auto& colonne : colonnes)
        champs.push_back(lecture == kComplete || (colonne.usages & lecture) != 0 ? &table.FieldByName(colonne.nom)
                                                                                 : nullptr);
    return champs;
}

template <class Colonnes>
void LireColonnes(const Champs& champs, Associe& associe, const Colonnes& colonnes) {
    for (std::size_t i = 0; i < champs.size(); ++i)
        if (champs[i]) associe.*colonnes[i].membre = Valeur(*champs[i], colonnes[i]);
}

// The first character of a text, decoded whole; U+FFFD for a byte that starts no character.
char32_t PremierCaractere(const std::string& texte) {
    if (texte.empty()) return 0;
    std::int32_t i = 0;
    UChar32 caractere = 0;
    U8_NEXT(texte.data(), i, static_cast<std::int32_t>(texte.size()), caractere);
    return caractere < 0 ? U'\uFFFD' : static_cast<char32_t>(caractere);
}

Lecture LectureDe(LecteurAssocie::Membres membres) {
    switch (membres) {
        case LecteurAssocie::Membres::Calculs: return kCalculs;
        case LecteurAssocie::Membres::Positions: return kPositions;
        default: return kComplete;
    }
}

}  // namespace

struct LecteurAssocie::Champs {
    Lecture lecture;
    bool stocke = false;
    associates::Champs entiers, reels, dates, booleens, textes, partsDebut, partsFin;
    const db::Field* bicOuMeuble = nullptr;
};

LecteurAssocie::LecteurAssocie(db::CTable& table, Membres membres) : champs_(std::make_unique<Champs>()) {
    Champs& c = *champs_;
    c.lecture = LectureDe(membres);
    c.stocke = membres == Membres::Stockes;
    c.entiers = Resoudre(table, kEntiers, c.lecture);
    c.reels = Resoudre(table, kReels, c.lecture);
    c.dates = Resoudre(table, kDates, c.lecture);
    c.booleens = Resoudre(table, kBooleens, c.lecture);
    c.textes = Resoudre(table, kTextes, c.lecture);
    c.partsDebut = Resoudre(table, kPartsDebut, c.lecture);
    if (c.lecture != kComplete) return;
    if (!c.stocke) c.partsFin = Resoudre(table, kPartsFin, c.lecture);  // calculated: absent from KOLMIKV1 itself
    c.bicOuMeuble = &table.FieldByName("BICouMeuble");
}

LecteurAssocie::~LecteurAssocie() = default;

Associe LecteurAssocie::Lire() const {
    const Champs& c = *champs_;
    Associe associe;
    LireColonnes(c.entiers, associe, kEntiers);
    LireColonnes(c.reels, associe, kReels);
    LireColonnes(c.dates, associe, kDates);
    LireColonnes(c.booleens, associe, kBooleens);
    LireColonnes(c.textes, associe, kTextes);
    if (c.lecture != kComplete) {
        LireColonnes(c.partsDebut, associe, kPartsDebut);
        return associe;
    }
    if (c.stocke) LireColonnes(c.partsDebut, associe, kPartsDebut);
    else if (associe.Qualite != QA_BENEFICIAIRE) {
        LireColonnes(c.partsDebut, associe, kPartsDebut);
        LireColonnes(c.partsFin, associe, kPartsFin);
    }
    associe.BICouMeuble = PremierCaractere(c.bicOuMeuble->AsString());
    return associe;
}

Associe LireAssocie(db::CTable& table) { return LecteurAssocie(table, LecteurAssocie::Membres::Tous).Lire(); }

Associe LireMembresCalcules(db::CTable& table) {
    return LecteurAssocie(table, LecteurAssocie::Membres::Calculs).Lire();
}

Associe LireMembresPositions(db::CTable& table) {
    return LecteurAssocie(table, LecteurAssocie::Membres::Positions).Lire();
}

Associe LireAssocieStocke(db::CTable& table) {
    return LecteurAssocie(table, LecteurAssocie::Membres::Stockes).Lire();
}

namespace {

void Ecrire(db::Field& champ, int valeur) { champ.SetAsInteger(valeur); }
void Ecrire(db::Field& champ, double valeur) { champ.SetAsFloat(valeur); }
void Ecrire(db::Field& champ, bool valeur) { champ.SetAsBoolean(valeur); }
void Ecrire(db::Field& champ, const std::string& valeur) { champ.SetAsString(valeur); }

// Writes the columns `ecrite` accepts.
template <class Colonnes, class Filtre>
void EcrireColonnes(db::CTable& table, const Associe& associe, const Colonnes& colonnes, Filtre&& ecrite) {
    for (const auto& colonne : colonnes)
        if (ecrite(std::string_view(colonne.nom))) Ecrire(table.FieldByName(colonne.nom), associe.*colonne.membre);
}

template <std::size_t N>
bool Parmi(std::string_view nom, const std::string_view (&noms)[N]) {
    return std::find(std::begin(noms), std::end(noms), nom) != std::end(noms);
}

bool HorsCle(std::string_view nom) { return nom != "ShIDAssocie"; }

template <class Filtre>
void EcrireMembres(db::CTable& table, const Associe& associe, Filtre&& ecrite) {
    EcrireColonnes(table, associe, kEntiers, ecrite);
    EcrireColonnes(table, associe, kReels, ecrite);
    EcrireColonnes(table, associe, kPartsDebut, ecrite);
    EcrireColonnes(table, associe, kDates, ecrite);
    EcrireColonnes(table, associe, kBooleens, ecrite);
    EcrireColonnes(table, associe, kTextes, ecrite);
}

// What a creation leaves to others: the key and the name it searched by, the two numbers of
// rights and the two registration numbers; the birth place's codes and the legal category,
// written below only where they mean something; the towns, written upper-cased.
bool EcriteParCreation(std::string_view nom) {
    static constexpr std::string_view kLaissees[] = {
        "ShIDAssocie", "Nom", "Prenoms", "NbDroitsADividendes", "NbDroitsDeVote", "PseudoSiret", "IDSP",
        "CPNaissance", "CodeInseeNaissance", "CategorieJuridique", "AdrVille", "Adr1JanVille", "AdrGerantVille"};
    return !Parmi(nom, kLaissees);
}

std::string EnUtf8(char32_t caractere) {
    if (caractere == 0) return {};
    char octets[U8_MAX_LENGTH];
    std::int32_t longueur = 0;
    UBool erreur = false;
    U8_APPEND(octets, longueur, U8_MAX_LENGTH, static_cast<UChar32>(caractere), erreur);
    return erreur ? std::string() : std::string(octets, static_cast<std::size_t>(longueur));
}

}  // namespace

void EcrireAssocie(db::CTable& table, const Associe& associe) {
    EcrireMembres(table, associe, HorsCle);
    table.FieldByName("BICouMeuble").SetAsString(EnUtf8(associe.BICouMeuble));
}

void EcrireNomAssocie(db::CTable& table, const Associe& associe) {
    table.FieldByName("Nom").SetAsString(associe.Nom);
    table.FieldByName("Prenoms").SetAsString(associe.Prenoms);
}

void EcrireAssocieCree(db::CTable& table, const Associe& associe) {
    EcrireAssocieCree(table, associe, [](std::string_view) { return true; });
}

void EcrireAssocieCree(db::CTable& table, const Associe& associe, const std::function<bool(std::string_view)>& retenue) {
    EcrireMembres(table, associe, [&](std::string_view nom) { return EcriteParCreation(nom) && retenue(nom); });
    const auto texte = [&](const char* nom, const std::string& valeur) {
        if (retenue(nom)) table.FieldByName(nom).SetAsString(valeur);
    };
    texte("BICouMeuble", EnUtf8(associe.BICouMeuble));
    if (!associe.PersonnePhysique) texte("CategorieJuridique", associe.CategorieJuridique);
    // A birth abroad has no French postcode nor INSEE code: whatever the columns hold stays.
    if (associe.IDPaysNaissance == PAYS_FRANCE) {
        texte("CPNaissance", associe.CPNaissance);
        texte("CodeInseeNaissance", associe.CodeInseeNaissance);
    }
    texte("AdrVille", ToUpperFrench(associe.AdrVille));
    texte("Adr1JanVille", ToUpperFrench(associe.Adr1JanVille));
    texte("AdrGerantVille", ToUpperFrench(associe.AdrGerantVille));
    if (retenue("AdherentOga")) table.FieldByName("AdherentOga").SetAsBoolean(associe.AdherentOga);
    if (retenue("DateAdhesionOga")) table.FieldByName("DateAdhesionOga").SetAsDateTime(associe.DateAdhesionOga);
    texte("NumAdherentOga", associe.NumAdherentOga);
    if (retenue("IdOga")) table.FieldByName("IdOga").SetAsInteger(associe.IdOga);
}

namespace {

// What the C interface's record does not carry, and its update leaves as it stands.
bool EcriteParInterfaceC(std::string_view nom) {
    static constexpr std::string_view kLaissees[] = {
        "ShIDAssocie", "CleRepartition", "RegimeImpositionSCI", "ResultatBICSaisi", "ResultatBASaisi",
        "BeneficeSaisi", "PVLTSaisi", "AbandonsSaisi", "IdComptable", "IdAdmin", "RemDiverseProdFinancier",
        "PVRevenantAssocie", "NbParts", "NbPartsU", "NbPartsN", "DateCessionParts", "DateCessionParts2",
        "DateCessionParts3", "DateCessionParts4", "DateEntreeSCI", "DateSortieSCI", "PVDifferee", "Profession",
        "PseudoSiret", "IDSP", "IdentiteCessionParts", "IdentiteCessionParts2", "IdentiteCessionParts3",
        "IdentiteCessionParts4", "NoIdentFisc", "AdrCodeInsee", "AdrBureauDistrib", "CodeInseeNaissance",
        "CategorieJuridique"};
    return !Parmi(nom, kLaissees);
}

}  // namespace

void EcrireAssocieInterfaceC(db::CTable& table, const Associe& associe) {
    EcrireMembres(table, associe, EcriteParInterfaceC);
    table.FieldByName("BICouMeuble").SetAsString(EnUtf8(associe.BICouMeuble));
}

int LireCleAssocie(db::CTable& table) { return table.FieldByName("ShIDAssocie").AsInteger(); }

void EcrireColonnesCalculees(db::CTable& table, const ColonnesCalculees& colonnes) {
    table.FieldByName("NomAffichage").SetAsString(colonnes.nomAffichage);
    table.FieldByName("Identite").SetAsString(colonnes.identite);
    table.FieldByName("AdresseAffichage").SetAsString(colonnes.adresseAffichage);
    table.FieldByName("IdentiteComplete").SetAsString(colonnes.identiteComplete);
    if (!colonnes.finExercice) return;
    table.FieldByName("NbPartsPPFinExo").SetAsFloat(colonnes.finExercice->pp);
    table.FieldByName("NbPartsUFinExo").SetAsFloat(colonnes.finExercice->u);
    table.FieldByName("NbPartsNPFinExo").SetAsFloat(colonnes.finExercice->np);
}

PartsFinExercice LirePartsFinExercice(db::CTable& table) {
    return {table.FieldByName("NbPartsPPFinExo").AsFloat(), table.FieldByName("NbPartsUFinExo").AsFloat(),
            table.FieldByName("NbPartsNPFinExo").AsFloat()};
}

void EcrirePartsDebut(db::CTable& table, double pp, double np) {
    table.FieldByName("NbParts").SetAsFloat(pp);
    table.FieldByName("NbPartsN").SetAsFloat(np);
}

void EcrirePartsUDebut(db::CTable& table, double u) { table.FieldByName("NbPartsU").SetAsFloat(u); }

db::Field& RegimeImpositionSCI(db::CTable& table) { return table.FieldByName("RegimeImpositionSCI"); }

void AffecterTextesColonnes(db::CTable& table, TextesColonnes textes) {
    table.FieldDisplayOf("Titre").onGetText = std::move(textes.titre);
    table.FieldDisplayOf("RegimeImpositionSCI").onGetText = std::move(textes.regimeImpositionSCI);
    table.FieldDisplayOf("Qualite").onGetText = std::move(textes.qualite);
    table.FieldDisplayOf("NbParts").onGetText = std::move(textes.nbParts);
    table.FieldDisplayOf("SituationFamille").onGetText = std::move(textes.situationFamille);
}

}  // namespace kvarn::associates

namespace kvarn::associates {
namespace {

template <class Colonnes, class Fonction>
void Visiter(const Associe& associe, const Colonnes& colonnes, const Fonction& fonction) {
    for (const auto& colonne : colonnes) fonction(colonne.nom, associe.*colonne.membre);
}

}  // namespace

void ParcourirMembres(const Associe& a, const VisiteurMembres& v) {
    Visiter(a, kEntiers, v.entier);
    v.texte("Nom", a.Nom);
    v.texte("Prenoms", a.Prenoms);
    for (const ColonneTexte& colonne : kTextes)
        if (colonne.membre != &Associe::Nom && colonne.membre != &Associe::Prenoms) v.texte(colonne.nom, a.*colonne.membre);
    Visiter(a, kBooleens, v.booleen);
    v.booleen("ConcerneExercice", a.ConcerneExercice);
    Visiter(a, kReels, v.reel);
    Visiter(a, kPartsDebut, v.reel);
    Visiter(a, kPartsFin, v.reel);
    v.reel("PourcentageDetention", a.PourcentageDetention);
    Visiter(a, kDates, v.date);
    v.texte("BICouMeuble", EnUtf8(a.BICouMeuble));
    v.booleen("AdherentOga", a.AdherentOga);
    v.date("DateAdhesionOga", a.DateAdhesionOga);
    v.texte("NumAdherentOga", a.NumAdherentOga);
    v.entier("IdOga", a.IdOga);
}

}  // namespace kvarn::associates
