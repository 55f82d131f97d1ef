#include "identification/screens/donnees_administratives_screen.hpp"

#include "common/codepage.hpp"
#include "common/dates.hpp"
#include "common/fixed_field.hpp"
#include "frame/etat_module.hpp"
#include "frame/screens/screen_registry.hpp"
#include "host/boites.hpp"
#include "host/verifications.hpp"
#include "identification/numeros_dossier.hpp"
#include "identification/screens/ecran_protege.hpp"
#include "identification/screens/intervenant_affiche.hpp"
#include "identification/screens/references_fiscales.hpp"

#include <kvarn/accesseurs.hpp>
#include <kvarn/no_intracomm.hpp>

#include <memory>

namespace kvarn::identification {
namespace {

constexpr const char* kSie = "sie";
constexpr const char* kSiret = "siret";
constexpr const char* kSirenAssocie = "siren-associe";
constexpr const char* kTeteGroupe = "siret-tete-groupe";
constexpr const char* kEcheance = "date-echeance";
constexpr std::size_t kLongueurSiren = 9;

const frame::ScreenRegistration kEnregistrement{"TfrmDonneesAdministrative",
                                                [] { return std::make_unique<TfrmDonneesAdministrative>(); }};

}  // namespace

TfrmDonneesAdministrative::TfrmDonneesAdministrative(const CDonneesAdministrative* parametres) {
    if (parametres) {
        parametres_ = *parametres;
        titre_ = parametres->Titre;
    }
    Declare({.name = kSie, .label = "SIE", .readOnly = true, .width = 35});
    DeclareBouton({.name = "choisir-sie", .label = "Choisir le SIE…", .action = [this] {
                       Proteger(kUniteDonneesAdministrative, kBouton, [this] {
                           INTERVENANT_KV sie{};
                           frame::Environnement().SelectionneSIE(sie);
                           ChargerSIE();
                       });
                   }});
    Declare({.name = kSiret, .label = "Numéro d'identification (SIRET)", .width = 14});
    Declare({.name = kSirenAssocie, .label = "SIREN de la société si vous êtes associé", .width = 14});
    Declare({.name = kTeteGroupe, .label = "SIRET de la société tête de groupe", .enabled = false, .width = 14});
    for (const char* numero : {kSiret, kSirenAssocie, kTeteGroupe}) DeclareGenre(numero, GenreSaisie::Chiffres);
    for (ChampReference& reference : ChampsReferencesFiscales()) {
        DeclareGenre(reference.field.name, reference.genre);
        Declare(std::move(reference.field));
    }
    for (frame::Field& champ : destinataire_.Champs()) Declare(std::move(champ));
    const bool acompte = parametres_ && parametres_->Acompte;
    Declare({.name = kEcheance,
             .label = acompte ? "Acompte :" : "Liquidation :",
             .visible = parametres_ && parametres_->DateEcheance,
             .readOnly = true});
}

void TfrmDonneesAdministrative::ChargerSIE() {
    INTERVENANT_KV sie{};
    frame::Environnement().GetSIESelectionne(sie);
    SetValue(kSie, NomIntervenant(sie));
}

void TfrmDonneesAdministrative::Activate() { Proteger(kUniteDonneesAdministrative, kCharger, [this] { Charger(); }); }

void TfrmDonneesAdministrative::Charger() {
    environment::cEnvironBaseKV& environnement = frame::Environnement();
    ChargerSIE();
    siretCharge_ = environnement.GetSiretDossier();
    SetValue(kSiret, siretCharge_);
    SetValue(kSirenAssocie, GetSiretSEP_SCP_SCM_Dossier());
    tagDONNEES_ADM donnees{};
    environnement.GetDonneesAdministratives(donnees);
    for (const auto& [champ, valeur] : ValeursReferencesFiscales(donnees)) SetValue(champ, valeur);
    for (const auto& [champ, valeur] : destinataire_.Charger()) SetValue(champ, valeur);
    std::string teteGroupe;
    FieldRef(kTeteGroupe).enabled = parametres_ && parametres_->SiretTeteGroupe && parametres_->SiretTeteGroupe(teteGroupe);
    SetValue(kTeteGroupe, GetField(kTeteGroupe).enabled ? teteGroupe : "");
    if (parametres_ && parametres_->DateEcheance) {
        const double date = parametres_->DateEcheance();
        SetValue(kEcheance, date == 0 ? "" : FormatDate(date));
    }
}

std::optional<std::string> TfrmDonneesAdministrative::Leave() {
    if (!host::VerificationDuSIRET(Value(kSiret))) return kSiret;
    if (GetField(kTeteGroupe).enabled && !Value(kTeteGroupe).empty() && !host::VerificationDuSIRET(Value(kTeteGroupe)))
        return kTeteGroupe;
    if (auto focus = VerifierPrefixe()) return focus;
    return destinataire_.Verifier(*this);
}

// The dossier keeps its VAT number's prefix with the SIREN; a new SIREN must still fit it.
std::optional<std::string> TfrmDonneesAdministrative::VerifierPrefixe() const {
    if (Value(kSiret) == siretCharge_) return std::nullopt;
    tagNOINTRACOMM numero;
    frame::Environnement().GetNoIntraComm(numero);
    const std::string prefixe = ReadField(numero.Prefixe, sizeof numero.Prefixe, CodePage::Ansi);
    if (const Verdict verdict = VerifierCoherence(prefixe, Value(kSiret).substr(0, kLongueurSiren)); !verdict) {
        host::ZORErreur(verdict.raison);
        return kSiret;
    }
    return std::nullopt;
}

void TfrmDonneesAdministrative::Deactivate() {
    Proteger(kUniteDonneesAdministrative, kEnregistrer, [this] { Enregistrer(); });
}

void TfrmDonneesAdministrative::Enregistrer() {
    environment::cEnvironBaseKV& environnement = frame::Environnement();
    if (Value(kSiret) != siretCharge_) {
        tagNOINTRACOMM record;
        environnement.GetNoIntraComm(record);
        CNoIntraComm numero(&record);
        numero.SetasSIRET(Value(kSiret));
        numero.GetrNoIntraComm(record);
        environnement.SetNoIntraComm(record);
        siretCharge_ = Value(kSiret);
    }
    tagDONNEES_ADM donnees{};
    environnement.GetDonneesAdministratives(donnees);
    LireReferencesFiscales(*this, donnees);
    environnement.SetDonneesAdministratives(donnees);
    frame::Parametres().SetAssString(environment::kSectionKV, environment::kCleSirenSocieteAssociee, Value(kSirenAssocie));
    destinataire_.Enregistrer(*this);
    if (GetField(kTeteGroupe).enabled && parametres_->EnregistrerSiretTeteGroupe)
        parametres_->EnregistrerSiretTeteGroupe(Value(kTeteGroupe));
}

}  // namespace kvarn::identification
