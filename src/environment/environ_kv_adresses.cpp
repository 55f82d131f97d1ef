// cEnvironKV, operations 98 to 104: addresses laid out for the tax returns.
//
// The dossier's address and registered offices come from the host's dossier record (CAdresse);
// the declarant's address and the address of a recipient other than the declarant are kept in the
// host's settings file of the dossier, the first in section "DEFAUT" under "AdrDeclar..." keys,
// the second in section "CERFA", where the BP is stored in the OEM code page as older programs of
// the suite wrote it. Members 1 to 8 (complements, number, repetition index, street, BP,
// postcode, town) travel between the layouts; the Cerfa record takes them in the OEM code page.
#include "environment/environ_kv.hpp"

#include "common/codepage.hpp"
#include "common/fixed_field.hpp"
#include "common/nulls.hpp"
#include "environment/hote_courant.hpp"

#include <cstring>

namespace kvarn::environment {
namespace {

using host::CAdresse;
using host::TAdresseFormatTDFC;
using MembreTDFC = std::string TAdresseFormatTDFC::*;

constexpr const char* kSectionDeclarant = "DEFAUT";
constexpr const char* kCleDeclarantPays = "AdrDeclarPays";
constexpr const char* kSectionDestinataire = "CERFA";
constexpr const char* kCleDestinataireNom = "Adr1";
constexpr const char* kCleDestinataireBP = "BP";

// Members 1 to 8 and where each sits in the host's address and in the Cerfa record.
struct Membre {
    MembreTDFC tdfc;
    std::string CAdresse::*adresse;
    std::size_t offsetCerfa;
    std::size_t tailleCerfa;
};

#define KVARN_MEMBRE(tdfc, adresse, cerfa)                                                          \
    Membre {                                                                                        \
        &TAdresseFormatTDFC::tdfc, &CAdresse::adresse, offsetof(ADRESSE_CERFA_KV, cerfa),           \
            sizeof(ADRESSE_CERFA_KV::cerfa)                                                         \
    }

const Membre kMembres1a8[] = {
    KVARN_MEMBRE(Complement1, Complement1, AdrComplmt1), KVARN_MEMBRE(Complement2, Complement2, AdrComplmt2),
    KVARN_MEMBRE(NoVoie, NoVoie, AdrNoVoie),             KVARN_MEMBRE(IndiceRepetition, CmplNoVoie, AdrCmplNoVoie),
    KVARN_MEMBRE(NomVoie, NomVoie, AdrNomVoie),          KVARN_MEMBRE(BP, BP, AdrBP),
    KVARN_MEMBRE(CP, CP, AdrCP),                         KVARN_MEMBRE(Ville, Ville, AdrVille),
};

#undef KVARN_MEMBRE

// A text member of the layout kept under a key of the host's settings file.
struct CleMembre {
    const char* cle;
    MembreTDFC membre;
};

const CleMembre kClesDeclarant[] = {
    {"AdrDeclarComplt1", &TAdresseFormatTDFC::Complement1},
    {"AdrDeclarComplt2", &TAdresseFormatTDFC::Complement2},
    {"AdrDeclarNoVoie", &TAdresseFormatTDFC::NoVoie},
    {"AdrDeclarBisTerVoie", &TAdresseFormatTDFC::IndiceRepetition},
    {"AdrDeclarNomVoie", &TAdresseFormatTDFC::NomVoie},
    {"AdrDeclarBP", &TAdresseFormatTDFC::BP},
    {"AdrDeclarCP", &TAdresseFormatTDFC::CP},
    {"AdrDeclarVille", &TAdresseFormatTDFC::Ville},
};

const CleMembre kClesDestinataire[] = {
    {"Adr2", &TAdresseFormatTDFC::Complement1}, {"Adr3", &TAdresseFormatTDFC::Complement2},
    {"NoVoie", &TAdresseFormatTDFC::NoVoie},    {"CplmtVoie", &TAdresseFormatTDFC::IndiceRepetition},
    {"Voie", &TAdresseFormatTDFC::NomVoie},     {kCleDestinataireBP, &TAdresseFormatTDFC::BP},
    {"CP", &TAdresseFormatTDFC::CP},            {"Ville", &TAdresseFormatTDFC::Ville},
    {"Tel", &TAdresseFormatTDFC::Telephone},
};

void VersTDFC(const CAdresse& adresse, TAdresseFormatTDFC& tdfc) {
    for (const Membre& m : kMembres1a8) tdfc.*m.tdfc = adresse.*m.adresse;
}

void VersAdresse(const TAdresseFormatTDFC& tdfc, CAdresse& adresse) {
    for (const Membre& m : kMembres1a8) adresse.*m.adresse = tdfc.*m.tdfc;
}

// The settings file holds ANSI text; a value written in the OEM code page is stored byte for byte,
// so it is converted to OEM bytes and those bytes are read as ANSI, and back again on reading.
std::string OemDansAnsi(const std::string& texte) { return ToUtf8(FromUtf8(texte, CodePage::Oem), CodePage::Ansi); }
std::string AnsiDepuisOem(const std::string& stocke) {
    return ToUtf8(FromUtf8(stocke, CodePage::Ansi), CodePage::Oem);
}

bool EstStockeEnOem(const CleMembre& cle) { return std::strcmp(cle.cle, kCleDestinataireBP) == 0; }

}  // namespace

void cEnvironKV::GetAdresseDestDec(TAdresseFormatTDFC& dossier, TAdresseFormatTDFC& declarant) const {
    host::CDossier& record = DossierCourant();
    const CAdresse adresse = record.GetAdresse();
    VersTDFC(adresse, dossier);
    dossier.IDPays = adresse.IDPays;
    dossier.BureauDistributeur = record.GetBureauDistributeur();
    dossier.Telephone = adresse.Telephone;

    const host::StaticFichierINI& parametres = record.FichierINI();
    for (const CleMembre& c : kClesDeclarant) declarant.*c.membre = parametres.GetString(kSectionDeclarant, c.cle, "");
    declarant.IDPays = parametres.GetInteger(kSectionDeclarant, kCleDeclarantPays, PAYS_FRANCE);
}

// Only the declarant's keys are written: the dossier's own address changes through its record
// (operations 36 and 43), never as a side effect of the declarant's screen.
void cEnvironKV::SetAdresseDestDec(const TAdresseFormatTDFC&, const TAdresseFormatTDFC& declarant) {
    host::StaticFichierINI& parametres = DossierCourant().FichierINI();
    for (const CleMembre& c : kClesDeclarant) parametres.SetString(kSectionDeclarant, c.cle, declarant.*c.membre);
    parametres.SetInteger(kSectionDeclarant, kCleDeclarantPays, declarant.IDPays);
}

void cEnvironKV::GetAdresseSiegeSocial(TAdresseFormatTDFC* exercicePrecedent, TAdresseFormatTDFC* courant) const {
    const host::CDossier& record = DossierCourant();
    if (exercicePrecedent) VersTDFC(record.GetAdresseSiegeSocialNm1(), *exercicePrecedent);
    if (courant) VersTDFC(record.GetAdresseSiegeSocial(), *courant);
}

// The host's record keeps more than members 1 to 8 (telephone, country, ...): those stay.
void cEnvironKV::SetAdresseSiegeSocial(const TAdresseFormatTDFC* exercicePrecedent, const TAdresseFormatTDFC* courant) {
    host::CDossier& record = DossierCourant();
    if (exercicePrecedent) {
        CAdresse adresse = record.GetAdresseSiegeSocialNm1();
        VersAdresse(*exercicePrecedent, adresse);
        record.SetAdresseSiegeSocialNm1(adresse);
    }
    if (courant) {
        CAdresse adresse = record.GetAdresseSiegeSocial();
        VersAdresse(*courant, adresse);
        record.SetAdresseSiegeSocial(adresse);
    }
}

void cEnvironKV::GetAdresseDestDiff(TAdresseFormatTDFC& adresse, std::string& nom) const {
    const host::StaticFichierINI& parametres = DossierCourant().FichierINI();
    nom = parametres.GetString(kSectionDestinataire, kCleDestinataireNom, "");
    for (const CleMembre& c : kClesDestinataire) {
        const std::string valeur = parametres.GetString(kSectionDestinataire, c.cle, "");
        adresse.*c.membre = EstStockeEnOem(c) ? AnsiDepuisOem(valeur) : valeur;
    }
}

void cEnvironKV::SetAdresseDestDiff(const TAdresseFormatTDFC& adresse, const std::string& nom) {
    host::StaticFichierINI& parametres = DossierCourant().FichierINI();
    parametres.SetString(kSectionDestinataire, kCleDestinataireNom, nom);
    for (const CleMembre& c : kClesDestinataire) {
        const std::string& valeur = adresse.*c.membre;
        parametres.SetString(kSectionDestinataire, c.cle, EstStockeEnOem(c) ? OemDansAnsi(valeur) : valeur);
    }
}

ADRESSE_CERFA_KV cEnvironKV::GetAdresseSiegeSocial_PourCerfa(bool courant) const {
    const host::CDossier& record = DossierCourant();
    const CAdresse adresse = courant ? record.GetAdresseSiegeSocial() : record.GetAdresseSiegeSocialNm1();
    ADRESSE_CERFA_KV cerfa;
    std::memset(&cerfa, 0, sizeof cerfa);
    auto* octets = reinterpret_cast<char*>(&cerfa);
    for (const Membre& m : kMembres1a8)
        WriteCStringField(octets + m.offsetCerfa, m.tailleCerfa, adresse.*m.adresse, CodePage::Oem);
    return cerfa;
}

}  // namespace kvarn::environment
