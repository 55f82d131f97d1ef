#include "identification/screens/impot_declarant_screen.hpp"

#include "common/nulls.hpp"
#include "frame/etat_module.hpp"
#include "frame/screens/screen_registry.hpp"
#include "identification/screens/ecran_protege.hpp"
#include "identification/screens/intervenant_affiche.hpp"

#include <kvarn/accesseurs.hpp>

#include <algorithm>
#include <memory>

namespace kvarn::identification {
namespace {

constexpr const char* kSie = "sie";
constexpr const char* kSieCrl = "sie-crl";
constexpr const char* kNombre = "nb-virements";
constexpr const char* kDate = "date";
constexpr const char* kLieu = "lieu";
constexpr const char* kSignature = "signature";
constexpr const char* kQualite = "qualite";
constexpr const char* kOui = "oui";
constexpr const char* kNon = "non";

// The payment modes, their check boxes in the order of their codes 1 to 3 (0: none chosen).
constexpr const char* kModes[] = {"especes", "virement", "cheque"};
constexpr int kModeVirement = 2;

const char* const kQualites[] = {"Gérant",  "Cogérant",    "Président",   "Directeur général", "Administrateur",
                                 "Associé", "Liquidateur", "Mandataire"};

const frame::ScreenRegistration kEnregistrement{"TfrmImpotDeclarant",
                                                [] { return std::make_unique<TfrmImpotDeclarant>(); }};

}  // namespace

TfrmImpotDeclarant::TfrmImpotDeclarant(const CImpotDeclarant& affichage) {
    const bool crl = affichage.AfficherContributionRevenusLocatifs;
    const bool signature = affichage.AfficherSignature;
    Declare({.name = kSie, .label = "Service des impôts des entreprises", .readOnly = true});
    DeclareBouton({.name = "choisir-sie", .label = "Choisir le SIE…", .action = [this] {
                       Proteger(kUniteImpotDeclarant, kBouton, [this] {
                           INTERVENANT_KV sie{};
                           frame::Environnement().SelectionneSIE(sie);
                           ChargerCentres();
                       });
                   }});
    Declare({.name = kSieCrl, .label = "SIE", .visible = crl, .readOnly = true});
    DeclareBouton({.name = "choisir-sie-crl", .label = "Choisir…", .visible = crl, .action = [this] {
                       Proteger(kUniteImpotDeclarant, kBouton, [this] {
                           INTERVENANT_KV cgi{};
                           frame::Environnement().SelectionneCGI(cgi);
                           ChargerCentres();
                       });
                   }});
    const char* libellesModes[] = {"Espèces", "Virement", "Chèque de banque"};
    for (std::size_t i = 0; i < std::size(kModes); ++i) {
        Declare({.name = kModes[i], .label = libellesModes[i], .value = kNon, .visible = crl});
        DeclareGenre(kModes[i], GenreSaisie::Coche);
    }
    Declare({.name = kNombre, .label = "Nombre de virements", .enabled = false, .visible = crl, .width = 5});
    DeclareGenre(kNombre, GenreSaisie::Chiffres);
    Declare({.name = kDate, .label = "Le ", .visible = signature, .width = 10});
    Declare({.name = kLieu, .label = "A", .visible = signature, .width = 31});
    Declare({.name = kSignature, .label = "Signature", .visible = signature, .width = 25});
    frame::Field qualite{.name = kQualite, .label = "Qualité", .visible = signature, .width = 25};
    qualite.choices.assign(std::begin(kQualites), std::end(kQualites));
    Declare(std::move(qualite));
    Declare({.name = "telephone", .label = "Téléphone", .visible = signature, .readOnly = true});
    Declare({.name = "email", .label = "E-mail", .visible = signature, .readOnly = true});
}

void TfrmImpotDeclarant::ChargerCentres() {
    INTERVENANT_KV sie{}, cgi{};
    frame::Environnement().GetSIESelectionne(sie);
    frame::Environnement().GetCGISelectionne(cgi);
    SetValue(kSie, NomIntervenant(sie));
    SetValue(kSieCrl, NomIntervenant(cgi));
}

void TfrmImpotDeclarant::Activate() { Proteger(kUniteImpotDeclarant, kCharger, [this] { Charger(); }); }

void TfrmImpotDeclarant::Charger() {
    ChargerCentres();
    const int mode = GetModePaiement();
    for (std::size_t i = 0; i < std::size(kModes); ++i) SetValue(kModes[i], mode == static_cast<int>(i) + 1 ? kOui : kNon);
    const int nombre = GetNbVirements();
    SetValue(kNombre, nombre == NULL_ENTIER ? "" : std::to_string(nombre));
    ReglerNombre();
    SetValue(kDate, CImpotDeclarant::GetDate());
    SetValue(kLieu, CImpotDeclarant::GetVille());
    SetValue(kSignature, CImpotDeclarant::GetNom());
    SetValue(kQualite, CImpotDeclarant::GetQualite());
    CAdresse adresse;
    frame::Environnement().GetAdresseDossier(adresse);
    SetValue("telephone", adresse.Telephone);
    SetValue("email", adresse.Email);
}

int TfrmImpotDeclarant::Mode() const {
    for (std::size_t i = 0; i < std::size(kModes); ++i)
        if (Value(kModes[i]) == kOui) return static_cast<int>(i) + 1;
    return 0;
}

// The count belongs to a payment by transfer only.
void TfrmImpotDeclarant::ReglerNombre() {
    frame::Field& nombre = FieldRef(kNombre);
    nombre.enabled = Mode() == kModeVirement;
    if (!nombre.enabled) nombre.value.clear();
}

void TfrmImpotDeclarant::ApresSaisie(frame::Field& field, const std::string&) {
    const auto mode = std::find(std::begin(kModes), std::end(kModes), field.name);
    if (mode == std::end(kModes)) return;
    if (field.value == kOui)
        for (const char* autre : kModes)
            if (autre != *mode) SetValue(autre, kNon);
    ReglerNombre();
}

std::optional<std::string> TfrmImpotDeclarant::Leave() { return VerifierDate(kDate, "de signature"); }

void TfrmImpotDeclarant::Deactivate() { Proteger(kUniteImpotDeclarant, kEnregistrer, [this] { Enregistrer(); }); }

void TfrmImpotDeclarant::Enregistrer() {
    CImpotDeclarant::SetDate(Value(kDate));
    CImpotDeclarant::SetNom(Value(kSignature));
    CImpotDeclarant::SetQualite(Value(kQualite));
    CImpotDeclarant::SetVille(Value(kLieu));
    SetModePaiement(Mode());
    const int nombre = Value(kNombre).empty() ? NULL_ENTIER : std::stoi(Value(kNombre));
    SetNbVirements(nombre);
}

}  // namespace kvarn::identification
