// The screen-parameter classes of the identification screens, and the declarant's accessors over
// the settings store.
#include <kvarn/parametres_ecrans.hpp>

#include "common/dates.hpp"
#include "common/text.hpp"
#include "frame/etat_module.hpp"
#include "identification/screens/ecran_protege.hpp"

#include <stdexcept>

namespace {

using kvarn::identification::kUniteParametresEcrans;

constexpr const char* kSectionCerfa = "CERFA";
constexpr const char* kSectionKV = "KV";

// The accessors' places in the location codes.
enum Place : std::uint32_t { kLire = 10, kEcrire = 11 };

std::string Lire(const char* section, const char* cle) {
    std::string valeur;
    kvarn::identification::Proteger(kUniteParametresEcrans, kLire,
                                    [&] { valeur = kvarn::frame::Parametres().GetAssString(section, cle); });
    return valeur;
}

void Ecrire(const char* section, const char* cle, const std::string& valeur) {
    kvarn::identification::Proteger(kUniteParametresEcrans, kEcrire,
                                    [&] { kvarn::frame::Parametres().SetAssString(section, cle, valeur); });
}

}  // namespace

CNumGeneraux::CNumGeneraux(int parametre, bool sirenNic, bool ape, bool informationTVA, bool prefixeIntracomm,
                           bool activite, bool apeAvant2008, bool rofTVA, bool rofTDFC, bool rofCVAE, bool rofIS,
                           bool rofRCM, bool identification, bool rofTVAObligatoire, bool rofTDFCObligatoire,
                           bool rofCVAEObligatoire, bool rofISObligatoire, bool rofRCMObligatoire)
    : CKvarn(TE_NUM_GENERAUX, parametre),
      AfficherSirenNic(sirenNic),
      AfficherAPE(ape),
      AfficherInformationTVA(informationTVA),
      AfficherPrefixe(prefixeIntracomm),
      AfficherActivite(activite),
      AfficherAPEAvant2008(apeAvant2008),
      AfficherROF{rofTVA, rofTDFC, rofCVAE, rofIS, rofRCM},
      AfficherIdentification(identification),
      ROFObligatoire{rofTVAObligatoire, rofTDFCObligatoire, rofCVAEObligatoire, rofISObligatoire, rofRCMObligatoire} {}

CNumGeneraux::~CNumGeneraux() = default;

CAdresseDestinataire::CAdresseDestinataire(int parametre, bool identificationDestinataire, bool adresseDeclarant,
                                           bool destinataireDifferent, bool adresse1erJanvier)
    : CKvarn(TE_ADRESSE_DESTINATAIRE, parametre),
      AfficherIdentificationDestinataire(identificationDestinataire),
      AfficherAdresseDeclarant(adresseDeclarant),
      AfficherDestinataireDifferent(destinataireDifferent),
      AfficherAdresse1erJanvier(adresse1erJanvier) {}

CAdresseDestinataire::~CAdresseDestinataire() = default;

CImpotDeclarant::CImpotDeclarant(int parametre, bool contributionRevenusLocatifs, bool signature)
    : CKvarn(TE_IMPOT_DECLARANT, parametre),
      AfficherContributionRevenusLocatifs(contributionRevenusLocatifs),
      AfficherSignature(signature) {}

CImpotDeclarant::~CImpotDeclarant() = default;

std::string CImpotDeclarant::GetDate() {
    double date = 0;
    kvarn::identification::Proteger(kUniteParametresEcrans, kLire,
                                    [&] { date = kvarn::frame::Parametres().GetAssDate(kSectionKV, "SignDate"); });
    return date == 0 ? std::string() : kvarn::FormatDate(date);
}

void CImpotDeclarant::SetDate(const std::string& texte) {
    kvarn::identification::Proteger(kUniteParametresEcrans, kEcrire, [&] {
        const auto date = kvarn::ParseDate(texte);
        if (!texte.empty() && !date) throw std::invalid_argument("« " + texte + " » n'est pas une date (jj/mm/aaaa)");
        kvarn::frame::Parametres().SetAssDate(kSectionKV, "SignDate", date.value_or(0));
    });
}

std::string CImpotDeclarant::GetNom() { return Lire(kSectionKV, "SignNom"); }
void CImpotDeclarant::SetNom(const std::string& nom) { Ecrire(kSectionKV, "SignNom", nom); }
std::string CImpotDeclarant::GetQualite() { return Lire(kSectionKV, "SignQualite"); }
void CImpotDeclarant::SetQualite(const std::string& qualite) { Ecrire(kSectionKV, "SignQualite", qualite); }
std::string CImpotDeclarant::GetVille() { return Lire(kSectionKV, "SignAdrVille"); }
void CImpotDeclarant::SetVille(const std::string& ville) { Ecrire(kSectionKV, "SignAdrVille", ville); }

CIntervenants::CIntervenants(int parametre, bool declarant, bool gerant, bool cogerant, bool comptable, bool conseil,
                             bool aga, bool administrateur, bool gerantAssocie)
    : CKvarn(TE_INTERVENANTS, parametre),
      AfficherDeclarant(declarant),
      AfficherGerant(gerant),
      AfficherCogerant(cogerant),
      AfficherComptable(comptable),
      AfficherConseil(conseil),
      AfficherAGA(aga),
      AfficherAdministrateur(administrateur),
      AfficherGerantAssocie(gerantAssocie) {}

CIntervenants::~CIntervenants() = default;

std::string CIntervenants::GetNomDeclarant() { return Lire(kSectionCerfa, "NomDecl"); }
void CIntervenants::SetNomDeclarant(const std::string& nom) { Ecrire(kSectionCerfa, "NomDecl", nom); }
std::string CIntervenants::GetQualiteDeclarant() { return Lire(kSectionCerfa, "Qualite"); }
void CIntervenants::SetQualiteDeclarant(const std::string& qualite) { Ecrire(kSectionCerfa, "Qualite", qualite); }

std::string CIntervenants::NomEtQualiteDeclarant() {
    return kvarn::Trim(GetNomDeclarant() + " " + GetQualiteDeclarant());
}

std::string CIntervenants::NomEtQualiteDeclarant2Lignes() { return GetNomDeclarant() + "\n" + GetQualiteDeclarant(); }

CAdresseSiegeSocial::CAdresseSiegeSocial(int parametre, bool adresseExercicePrecedent, bool adresseExercice, int annee,
                                         bool lectureSeule)
    : CKvarn(TE_ADRESSE_SIEGE_SOCIAL, parametre),
      AfficherAdresseExercicePrecedent(adresseExercicePrecedent),
      AfficherAdresseExercice(adresseExercice),
      Annee(annee),
      LectureSeule(lectureSeule) {}

CAdresseSiegeSocial::~CAdresseSiegeSocial() = default;

CDonneesAdministrative::CDonneesAdministrative(int parametre, TDonnerDate dateEcheance, TDonnerTexte siretTeteGroupe,
                                               TPrendreTexte enregistrerSiretTeteGroupe, const std::string& titre,
                                               bool acompte)
    : CKvarn(TE_DONNEES_ADMINISTRATIVES, parametre),
      DateEcheance(dateEcheance),
      SiretTeteGroupe(siretTeteGroupe),
      EnregistrerSiretTeteGroupe(enregistrerSiretTeteGroupe),
      Titre(titre),
      Acompte(acompte) {}

CDonneesAdministrative::~CDonneesAdministrative() = default;
