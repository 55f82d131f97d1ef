#include <kvarn/siret.hpp>

#include "common/dates.hpp"
#include "common/text.hpp"
#include "frame/etat_module.hpp"
#include "host/boites.hpp"
#include "identification/messages_siret.hpp"

namespace {

constexpr const char* kSection = "KV";
constexpr std::size_t kLongueur = 14;

std::string Cle(const char* prefixe, double date) { return prefixe + kvarn::FormatDate(date); }

std::string Lire(const std::string& cle) { return kvarn::frame::Parametres().GetAssString(kSection, cle); }

void Ecrire(const std::string& cle, const std::string& valeur) {
    kvarn::frame::Parametres().SetAssString(kSection, cle, valeur);
}

}  // namespace

CSiret::CSiret(int annee) : CKvarn(TE_SIRET, annee) {}

CSiret::~CSiret() = default;

std::string CSiret::GetSIRET(double date) { return Lire(Cle("SIRET_", date)); }
void CSiret::SetSIRET(double date, const std::string& siret) { Ecrire(Cle("SIRET_", date), siret); }
std::string CSiret::GetPseudoSIRET(double date) { return Lire(Cle("PSEUDO_SIRET_", date)); }
void CSiret::SetPseudoSIRET(double date, const std::string& pseudo) { Ecrire(Cle("PSEUDO_SIRET_", date), pseudo); }
std::string CSiret::GetIDSP(double date) { return Lire(Cle("IDSP_", date)); }
void CSiret::SetIDSP(double date, const std::string& idsp) { Ecrire(Cle("IDSP_", date), idsp); }

bool CSiret::PseudoSiretValide(const std::string& pseudoSiret) {
    const std::string texte = kvarn::ToUpperFrench(pseudoSiret);
    if (texte.empty()) return true;
    return kvarn::CharacterCount(texte) == kLongueur && texte.front() == 'P' && texte.ends_with("00001");
}

void CSiret::DonnerMessageErreurPseudoSiretInvalide() {
    kvarn::host::ZORErreur(kvarn::identification::kMessagePseudoSiretInvalide);
}

bool CSiret::IDSPValide(const std::string& idsp) {
    const std::string texte = kvarn::ToUpperFrench(idsp);
    if (texte.empty()) return true;
    const char premier = texte.front();
    return kvarn::CharacterCount(texte) == kLongueur && premier >= 'A' && premier <= 'Z' && premier != 'P';
}

void CSiret::DonnerMessageErreurIDSPInvalide() {
    kvarn::host::ZORErreur(kvarn::identification::kMessageIdspInvalide);
}

std::string CSiret::GetCategorieJuridique() { return Lire("CategorieJuridique"); }
void CSiret::SetCategorieJuridique(const std::string& code) { Ecrire("CategorieJuridique", code); }
