#include "associates/associe_c.hpp"

#include "common/dates.hpp"
#include "common/fixed_field.hpp"
#include "common/nulls.hpp"
#include "common/text.hpp"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kvarn::associates {
namespace {

constexpr CodePage kOem = CodePage::Oem;
constexpr CodePage kAnsi = CodePage::Ansi;

// Whether the C caller's value goes back into the associate, or the field is only read.
enum Sens : bool { kLu = false, kEcrit = true };

struct ChampTexte {
    std::size_t position;
    std::size_t taille;  // the bytes used: one more than the characters the field keeps
    std::string Associe::*membre;
    CodePage page;
    Sens sens;
};

#define KV_TEXTE(champ, membre, page, sens) \
    ChampTexte { offsetof(ASSOCIE_C, champ), sizeof(ASSOCIE_C::champ), &Associe::membre, page, sens }

const ChampTexte kTextes[] = {
    KV_TEXTE(Nom, Nom, kOem, kEcrit),
    KV_TEXTE(Prenoms, Prenoms, kOem, kEcrit),
    KV_TEXTE(NomPatronymique, NomPatronymique, kOem, kEcrit),
    KV_TEXTE(NomMarital, NomMarital, kOem, kEcrit),
    KV_TEXTE(PrenomConjoint, PrenomConjoint, kOem, kEcrit),
    {offsetof(ASSOCIE_C, NoIdentFisc), 21, &Associe::NoIdentFisc, kOem, kLu},  // 20 characters
    KV_TEXTE(AdrComplmt1, AdrComplmt1, kOem, kEcrit),
    KV_TEXTE(AdrComplmt2, AdrComplmt2, kOem, kEcrit),
    KV_TEXTE(AdrNoVoie, AdrNoVoie, kAnsi, kEcrit),
    KV_TEXTE(AdrCmplNoVoie, AdrCmplNoVoie, kAnsi, kEcrit),
    KV_TEXTE(AdrNomVoie, AdrNomVoie, kOem, kEcrit),
    KV_TEXTE(AdrBP, AdrBP, kAnsi, kEcrit),
    KV_TEXTE(AdrCP, AdrCP, kAnsi, kEcrit),
    KV_TEXTE(AdrVille, AdrVille, kOem, kEcrit),
    KV_TEXTE(AdrTel, AdrTel, kAnsi, kEcrit),
    KV_TEXTE(AdrFax, AdrFax, kAnsi, kEcrit),
    KV_TEXTE(AdrCodeInsee, AdrCodeInsee, kOem, kLu),
    KV_TEXTE(AdrBureauDistrib, AdrBureauDistrib, kOem, kLu),
    KV_TEXTE(CPNaissance, CPNaissance, kAnsi, kEcrit),
    KV_TEXTE(LieuNaissance, LieuNaissance, kOem, kEcrit),
    {offsetof(ASSOCIE_C, NoSiret), 15, &Associe::NoSiret, kAnsi, kEcrit},  // 14 characters
    KV_TEXTE(Adr1JanComplement1, Adr1JanComplement1, kAnsi, kEcrit),
    KV_TEXTE(Adr1JanComplement2, Adr1JanComplement2, kAnsi, kEcrit),
    KV_TEXTE(Adr1JanNoVoie, Adr1JanNoVoie, kAnsi, kEcrit),
    KV_TEXTE(Adr1JanCmplNoVoie, Adr1JanCmplNoVoie, kAnsi, kEcrit),
    KV_TEXTE(Adr1JanNomVoie, Adr1JanNomVoie, kAnsi, kEcrit),
    KV_TEXTE(Adr1JanBP, Adr1JanBP, kAnsi, kEcrit),
    KV_TEXTE(Adr1JanCP, Adr1JanCP, kAnsi, kEcrit),
    KV_TEXTE(Adr1JanVille, Adr1JanVille, kAnsi, kEcrit),
    KV_TEXTE(Adr1JanTel, Adr1JanTel, kAnsi, kEcrit),
    KV_TEXTE(Adr1JanFax, Adr1JanFax, kAnsi, kEcrit),
    KV_TEXTE(Adr1JanCodeInsee, Adr1JanCodeInsee, kAnsi, kEcrit),
    KV_TEXTE(Adr1JanBureauDistrib, Adr1JanBureauDistrib, kAnsi, kEcrit),
    KV_TEXTE(NomIntervGerant, NomIntervGerant, kAnsi, kEcrit),
    KV_TEXTE(PrenomIntervGerant, PrenomIntervGerant, kAnsi, kEcrit),
    KV_TEXTE(AdrGerantComplement1, AdrGerantComplement1, kAnsi, kEcrit),
    KV_TEXTE(AdrGerantComplement2, AdrGerantComplement2, kAnsi, kEcrit),
    KV_TEXTE(AdrGerantNoVoie, AdrGerantNoVoie, kAnsi, kEcrit),
    KV_TEXTE(AdrGerantCpltNoVoie, AdrGerantCpltNoVoie, kAnsi, kEcrit),
    KV_TEXTE(AdrGerantNomVoie, AdrGerantNomVoie, kAnsi, kEcrit),
    KV_TEXTE(AdrGerantBP, AdrGerantBP, kAnsi, kEcrit),
    KV_TEXTE(AdrGerantCP, AdrGerantCP, kAnsi, kEcrit),
    KV_TEXTE(AdrGerantVille, AdrGerantVille, kAnsi, kEcrit),
    KV_TEXTE(Profession, Profession, kOem, kLu),
};
#undef KV_TEXTE

// An int16 field: `nul` when it carries -32767 for an empty member.
struct ChampEntier {
    std::size_t position;
    int Associe::*membre;
    bool nul;
    Sens sens;
};

#define KV_ENTIER(champ, nul, sens) ChampEntier{offsetof(ASSOCIE_C, champ), &Associe::champ, nul, sens}
const ChampEntier kEntiers[] = {
    KV_ENTIER(Titre, false, kEcrit),
    KV_ENTIER(AdrIDPays, false, kEcrit),
    KV_ENTIER(Qualite, false, kEcrit),
    KV_ENTIER(StatutConjoint, false, kEcrit),
    KV_ENTIER(RegimeMatrimonial, false, kEcrit),
    KV_ENTIER(SituationFamille, false, kEcrit),
    KV_ENTIER(AnneeVersement1, false, kEcrit),
    KV_ENTIER(AnneeVersement2, false, kEcrit),
    KV_ENTIER(IDPaysNaissance, false, kEcrit),
    KV_ENTIER(PartResultatNumerateur, true, kEcrit),
    KV_ENTIER(PartResultatDenominateur, true, kEcrit),
    KV_ENTIER(NbHeureTravaillesConjoint, true, kEcrit),
    KV_ENTIER(NonCGANumerateurProrata, true, kEcrit),
    KV_ENTIER(NonCGADenominateurProrata, true, kEcrit),
    KV_ENTIER(NbEx_Edition, true, kEcrit),
    KV_ENTIER(Adr1JanIDPays, false, kEcrit),
    KV_ENTIER(IdComptable, false, kLu),
    KV_ENTIER(IdAdmin, false, kLu),
    KV_ENTIER(RegimeImpositionSCI, false, kLu),
};
#undef KV_ENTIER

struct ChampBooleen {
    std::size_t position;
    bool Associe::*membre;
};

#define KV_BOOLEEN(champ) ChampBooleen{offsetof(ASSOCIE_C, champ), &Associe::champ}
const ChampBooleen kBooleens[] = {KV_BOOLEEN(PersonnePhysique), KV_BOOLEEN(Concerne2065), KV_BOOLEEN(Holding)};
#undef KV_BOOLEEN

struct ChampReel {
    std::size_t position;
    double Associe::*membre;
    Sens sens;
};

#define KV_REEL(champ, sens) ChampReel{offsetof(ASSOCIE_C, champ), &Associe::champ, sens}
const ChampReel kReels[] = {
    KV_REEL(PartBenefice, kEcrit),
    KV_REEL(PartPlusValues, kEcrit),
    KV_REEL(NbPartsSocialesAnnee1, kEcrit),
    KV_REEL(NbPartsSocialesAnnee2, kEcrit),
    KV_REEL(TraitementsAnnee1, kEcrit),
    KV_REEL(TraitementsAnnee2, kEcrit),
    KV_REEL(IndemniteFraisMissionA1, kEcrit),
    KV_REEL(IndemniteFraisMissionA2, kEcrit),
    KV_REEL(RembourstFraisMissionA1, kEcrit),
    KV_REEL(RembourstFraisMissionA2, kEcrit),
    KV_REEL(IndemniteAutresAnnee1, kEcrit),
    KV_REEL(IndemniteAutresAnnee2, kEcrit),
    KV_REEL(RembourstAutresAnnee1, kEcrit),
    KV_REEL(RembourstAutresAnnee2, kEcrit),
    KV_REEL(PartRevenusValeurs, kEcrit),
    KV_REEL(PartImpotVerse, kEcrit),
    KV_REEL(CorrPVLT, kEcrit),
    KV_REEL(Remuneration, kEcrit),
    KV_REEL(NbPartsPPFinExo, kLu),
    KV_REEL(NbPartsUFinExo, kLu),
    KV_REEL(NbPartsNPFinExo, kLu),
    KV_REEL(RFPartAssocieForce, kEcrit),
    KV_REEL(Honoraires, kEcrit),
    KV_REEL(TaxeProf, kEcrit),
    KV_REEL(CSGDeduc, kEcrit),
    KV_REEL(FraisVehiculesReels, kEcrit),
    KV_REEL(ChgSocPersoOblig, kEcrit),
    KV_REEL(ChgSocPersoFacult, kEcrit),
    KV_REEL(FraisFi, kEcrit),
    KV_REEL(PourcentagePartAssoForce, kEcrit),
    KV_REEL(NbParts, kLu),
    KV_REEL(NbPartsU, kLu),
    KV_REEL(NbPartsN, kLu),
    KV_REEL(PourcentageDetention, kLu),
    KV_REEL(NbDroitsADividendes, kEcrit),
    KV_REEL(NbDroitsDeVote, kEcrit),
};
#undef KV_REEL

// The record is packed: its fields are read and written byte-wise.
template <class T>
void Poser(ASSOCIE_C& r, std::size_t position, T valeur) {
    std::memcpy(reinterpret_cast<unsigned char*>(&r) + position, &valeur, sizeof valeur);
}
template <class T>
T Prendre(const ASSOCIE_C& r, std::size_t position) {
    T valeur;
    std::memcpy(&valeur, reinterpret_cast<const unsigned char*>(&r) + position, sizeof valeur);
    return valeur;
}
char* Octets(ASSOCIE_C& r, std::size_t position) { return reinterpret_cast<char*>(&r) + position; }
const char* Octets(const ASSOCIE_C& r, std::size_t position) { return reinterpret_cast<const char*>(&r) + position; }

std::int16_t En16(int valeur, bool nul) {
    if (nul && valeur == NULL_ENTIER) return NULL_ENTIER_16;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<unsigned>(valeur) & 0xFFFFu));
}

int Depuis16(std::int16_t valeur, bool nul) { return nul && valeur == NULL_ENTIER_16 ? NULL_ENTIER : valeur; }

// The text as the record carries it: the field's bytes after writing it there.
bool MemeTexteDansEnregistrement(const ASSOCIE_C& r, const ChampTexte& champ, const std::string& texte) {
    std::vector<char> octets(champ.taille);
    WriteCStringField(octets.data(), champ.taille, texte, champ.page);
    return std::memcmp(octets.data(), Octets(r, champ.position), champ.taille) == 0;
}

// The key 0 names no row: a key an int16 cannot hold is never carried as another one.
std::int16_t CleC(int cle) { return cle >= 0 && cle <= 32767 ? static_cast<std::int16_t>(cle) : 0; }

}  // namespace

void RemplirAssocieC(const Associe& a, ASSOCIE_C& r) {
    std::memset(&r, 0, sizeof r);
    r.ShIDAssocie = CleC(a.ShIDAssocie);
    for (const ChampTexte& champ : kTextes)
        WriteCStringField(Octets(r, champ.position), champ.taille, a.*champ.membre, champ.page);
    for (const ChampEntier& champ : kEntiers) Poser(r, champ.position, En16(a.*champ.membre, champ.nul));
    for (const ChampBooleen& champ : kBooleens) Poser(r, champ.position, static_cast<std::int16_t>(a.*champ.membre));
    for (const ChampReel& champ : kReels) Poser(r, champ.position, a.*champ.membre);
    r.DateNaissance = ToDateDOS(a.DateNaissance);
    WriteCStringField(r.DeptNaissance, sizeof r.DeptNaissance, a.GetDeptNaissance(), kAnsi);
    r.BICouMeuble = static_cast<char>(a.BICouMeuble & 0xFFu);
}

Associe FusionnerAssocieC(const ASSOCIE_C& r, Associe a) {
    for (const ChampTexte& champ : kTextes) {
        if (champ.sens != kEcrit || MemeTexteDansEnregistrement(r, champ, a.*champ.membre)) continue;
        a.*champ.membre = ReadField(Octets(r, champ.position), champ.taille, champ.page);
        if (champ.membre == &Associe::AdrVille) a.AdrVille = ToUpperFrench(a.AdrVille);
    }
    for (const ChampEntier& champ : kEntiers)
        if (champ.sens == kEcrit) a.*champ.membre = Depuis16(Prendre<std::int16_t>(r, champ.position), champ.nul);
    for (const ChampBooleen& champ : kBooleens) a.*champ.membre = Prendre<std::int16_t>(r, champ.position) != 0;
    for (const ChampReel& champ : kReels)
        if (champ.sens == kEcrit) a.*champ.membre = Prendre<double>(r, champ.position);
    a.DateNaissance = FromDateDOS(r.DateNaissance);
    // One byte cannot tell the whole character: the stored one stays while its low byte is the same.
    const char32_t octet = static_cast<unsigned char>(r.BICouMeuble);
    if (octet != (a.BICouMeuble & 0xFFu)) a.BICouMeuble = octet;
    return a;
}

}  // namespace kvarn::associates
