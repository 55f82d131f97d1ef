// cEnvironKV, operations 73 to 97 and 105: the outside parties attached to the dossier.
//
// The host's directory fills its own record (FicheIntervenant), zeroed by the module before each
// request; its first 890 bytes are the exchanged INTERVENANT_KV, so converting is copying that
// part. The dossier's accountant follows the practice's rule: when the companion module is
// installed and the practice's record (kind 7) says that each dossier chooses its own accountant,
// a dossier without one attached has none; otherwise it falls back to the directory's default.
#include "environment/environ_kv.hpp"

#include "environment/hote_courant.hpp"
#include "host/annuaire.hpp"

#include <cstring>

namespace kvarn::environment {
namespace {

using host::FicheIntervenant;

// The practice's record value that makes the accountant a per-dossier choice.
constexpr std::uint16_t kComptableChoisiParDossier = 2;
constexpr int kSansDefaut = 0;
constexpr int kAvecDefaut = 1;
constexpr bool kAttacher = true;

FicheIntervenant FicheVide() {
    FicheIntervenant fiche;
    std::memset(&fiche, 0, sizeof fiche);
    return fiche;
}

// The party of the kind attached to the dossier (or the default one when allowed); true when the
// record names a party.
bool LireAttache(int type, INTERVENANT_KV& intervenant, int avecDefaut) {
    FicheIntervenant fiche = FicheVide();
    host::GetIntervenantSelectionne(&fiche, type, 0, avecDefaut, 0, 0);
    intervenant = fiche.Donnees;
    return intervenant.Id != 0;
}

// Lets the user pick a party; the record is converted when one was chosen or when
// `convertirSansChoix` (it is then all zero, telling the caller there is none).
bool Choisir(int type, INTERVENANT_KV& intervenant, bool drapeau, bool convertirSansChoix) {
    FicheIntervenant fiche = FicheVide();
    const bool choisi = host::SelectionneIntervenant(type, &fiche, drapeau, 1, 0);
    if (choisi || convertirSansChoix) intervenant = fiche.Donnees;
    return choisi;
}

bool LireParId(int id, int type, INTERVENANT_KV& intervenant) {
    FicheIntervenant fiche = FicheVide();
    const bool trouve = host::GetIntervenant(id, &fiche, type);
    intervenant = fiche.Donnees;
    return trouve;
}

}  // namespace

bool cEnvironKV::GetReserve() const { return false; }
void cEnvironKV::SetReserve() {}

// Detaching a party is done in the host's dossier screens; the module's screens leave it there.
void cEnvironKV::DeselectionneSIE() {}
void cEnvironKV::DeselectionneCGI() {}
void cEnvironKV::DeselectionneComptable() {}
void cEnvironKV::DeselectionneConseil() {}
void cEnvironKV::DeselectionneAdministrateur() {}

int cEnvironKV::GetDonneesEdiParametreesAuDossier() const { return host::GetDonneesEdiParametreesAuDossier(); }

// The practice's record is the directory's default party of kind 7 unless a dossier has its own,
// so it is read with the default allowed.
bool cEnvironKV::GetComptableChoisiParDossier() const {
    FicheIntervenant fiche = FicheVide();
    host::GetIntervenantSelectionne(&fiche, host::kCabinet, 0, kAvecDefaut, 0, 0);
    return fiche.ModeAffectation == kComptableChoisiParDossier;
}

bool cEnvironKV::GetComptableSelectionne(INTERVENANT_KV& intervenant) const {
    const bool parDossier = GetAssistantCompagnonInstalle() && GetComptableChoisiParDossier();
    return LireAttache(host::kComptable, intervenant, parDossier ? kSansDefaut : kAvecDefaut);
}
bool cEnvironKV::GetConseilSelectionne(INTERVENANT_KV& i) const { return LireAttache(host::kConseil, i, kAvecDefaut); }
bool cEnvironKV::GetAdminSelectionne(INTERVENANT_KV& i) const {
    return LireAttache(host::kAdministrateur, i, kAvecDefaut);
}
bool cEnvironKV::GetAGASelectionne(INTERVENANT_KV& i) const { return LireAttache(host::kAGA, i, kAvecDefaut); }
bool cEnvironKV::GetSIESelectionne(INTERVENANT_KV& i) const { return LireAttache(host::kSIE, i, kAvecDefaut); }
bool cEnvironKV::GetCGISelectionne(INTERVENANT_KV& i) const { return LireAttache(host::kCGI, i, kAvecDefaut); }

bool cEnvironKV::SelectionneComptable(INTERVENANT_KV& i, bool drapeau) {
    return Choisir(host::kComptable, i, drapeau, true);
}
bool cEnvironKV::SelectionneConseil(INTERVENANT_KV& i) { return Choisir(host::kConseil, i, kAttacher, true); }
// The approved centres' flag is the caller's and stays with it: the choice is always attached.
// An AGA or CGA record the user did not replace keeps what the caller had in it.
bool cEnvironKV::SelectionneAGA(INTERVENANT_KV& i, bool) { return Choisir(host::kAGA, i, kAttacher, false); }
bool cEnvironKV::SelectionneCGA(INTERVENANT_KV& i, bool) { return Choisir(host::kCGA, i, kAttacher, false); }
bool cEnvironKV::SelectionneAdmin(INTERVENANT_KV& i, bool drapeau) {
    return Choisir(host::kAdministrateur, i, drapeau, true);
}
bool cEnvironKV::SelectionneSIE(INTERVENANT_KV& i) { return Choisir(host::kSIE, i, kAttacher, true); }
bool cEnvironKV::SelectionneCGI(INTERVENANT_KV& i) { return Choisir(host::kCGI, i, kAttacher, true); }

bool cEnvironKV::GetIntervenantComptable(int id, INTERVENANT_KV& i) const { return LireParId(id, host::kComptable, i); }
bool cEnvironKV::GetIntervenantAdmin(int id, INTERVENANT_KV& i) const {
    return LireParId(id, host::kAdministrateur, i);
}
bool cEnvironKV::GetIntervenantOga(int id, INTERVENANT_KV& i, bool aga) const {
    return LireParId(id, aga ? host::kAGA : host::kCGA, i);
}

bool cEnvironKV::GetAssistantCompagnonInstalle() const { return Hote().AssistantEstInstalle(kAssistantCompagnon); }

}  // namespace kvarn::environment
