#include "identification/screens/intervenants_screen.hpp"

#include "frame/etat_module.hpp"
#include "frame/screens/screen_registry.hpp"
#include "host/boites.hpp"
#include "identification/screens/ecran_protege.hpp"
#include "identification/screens/intervenant_affiche.hpp"

#include <kvarn/assistant.hpp>

#include <memory>

namespace kvarn::identification {
namespace {

using environment::cEnvironBaseKV;

constexpr const char* kNomDeclarant = "nom-declarant";
constexpr const char* kQualiteDeclarant = "qualite-declarant";
constexpr const char* kNomGerant = "gerant-associe-nom";
constexpr const char* kPrenomGerant = "gerant-associe-prenom";
constexpr bool kAttacher = true;
constexpr int kLargeurNom = 35;  // the associates table's manager name and first name

// A party the dossier reads from the environment and lets the user pick; the accountant's choice
// (no `choisir`) has its rule.
struct Partie {
    const char* nom;
    const char* libelle;
    const char* bouton;
    bool CIntervenants::*afficher;
    bool (cEnvironBaseKV::*lire)(INTERVENANT_KV&) const;
    void (*choisir)(cEnvironBaseKV&);
};
const Partie kParties[] = {
    {"comptable", "Comptable", "choisir-comptable", &CIntervenants::AfficherComptable,
     &cEnvironBaseKV::GetComptableSelectionne, nullptr},
    {"conseil", "Conseil", "choisir-conseil", &CIntervenants::AfficherConseil, &cEnvironBaseKV::GetConseilSelectionne,
     [](cEnvironBaseKV& e) {
         INTERVENANT_KV choix{};
         e.SelectionneConseil(choix);
     }},
    {"aga", "Association agréée", "choisir-aga", &CIntervenants::AfficherAGA, &cEnvironBaseKV::GetAGASelectionne,
     [](cEnvironBaseKV& e) {
         INTERVENANT_KV choix{};
         e.SelectionneAGA(choix, kAttacher);
     }},
    {"administrateur", "Administrateur de biens", "choisir-administrateur", &CIntervenants::AfficherAdministrateur,
     &cEnvironBaseKV::GetAdminSelectionne,
     [](cEnvironBaseKV& e) {
         INTERVENANT_KV choix{};
         e.SelectionneAdmin(choix, kAttacher);
     }},
};

constexpr int kCategorieSCI = 5;

// The screen that each form of the wizard plays: under the associates (screen 5), the associate's
// variant, on the associate the associates list stands on.
std::unique_ptr<frame::Screen> Creer() {
    const TFenMainAssistant* fenetre = TFenMainAssistant::Instance();
    if (fenetre && fenetre->tvKV.GetSelectedScreen() == 5) {
        std::optional<Associe> associe;
        Proteger(kUniteIntervenants, kCreer, [&] { associe = AssocieCourant(); });
        return std::make_unique<TfrmIntervenants>(associe);
    }
    bool sci = false;
    Proteger(kUniteIntervenants, kCreer, [&] { sci = frame::Environnement().GetCategorieImposition() == kCategorieSCI; });
    return std::make_unique<TfrmIntervenants>(TfrmIntervenants::ParDefaut(), sci ? &DirigeantsDesAssocies() : nullptr);
}

const frame::ScreenRegistration kEnregistrement{"TfrmIntervenants", frame::PlainScreenFactory(Creer)};

}  // namespace

TfrmIntervenants::TfrmIntervenants(const CIntervenants& affichage, const DirigeantsDossier* dirigeants,
                                   GerantAssocie* gerantAssocie)
    : TfrmIntervenants(affichage, dirigeants, gerantAssocie, nullptr) {}

TfrmIntervenants::TfrmIntervenants(const std::optional<Associe>& associe)
    : TfrmIntervenants(CIntervenants(0, false, false, false, false, false, false, false, true), nullptr, nullptr,
                       associe && !associe->PersonnePhysique ? GerantDeLAssocie(associe->ShIDAssocie) : nullptr) {
    FieldRef(kChampAssocie) = ChampAssocie(associe, true);
}

TfrmIntervenants::TfrmIntervenants(const CIntervenants& affichage, const DirigeantsDossier* dirigeants,
                                   GerantAssocie* gerantAssocie, std::unique_ptr<GerantAssocie> associe)
    : dirigeants_(dirigeants), gerantAssocie_(associe ? associe.get() : gerantAssocie), associe_(std::move(associe)) {
    Declare(ChampAssocie(std::nullopt, false));
    Declare({.name = kNomDeclarant, .label = "Nom du déclarant", .visible = affichage.AfficherDeclarant});
    Declare({.name = kQualiteDeclarant, .label = "Qualité", .visible = affichage.AfficherDeclarant});
    const auto partie = [this](const std::string& nom, const std::string& libelle, bool visible) {
        Declare({.name = nom, .label = libelle, .visible = visible, .readOnly = true});
        Declare({.name = nom + "-adresse", .label = "Adresse", .visible = visible, .readOnly = true});
    };
    partie("gerant", "Gérant", affichage.AfficherGerant && dirigeants_);
    partie("cogerant", "Cogérant", affichage.AfficherCogerant && dirigeants_);
    for (const Partie& p : kParties) {
        partie(p.nom, p.libelle, affichage.*p.afficher);
        DeclareBouton({.name = p.bouton, .label = "Choisir…", .visible = affichage.*p.afficher,
                       .action = [this, choisir = p.choisir] {
                           Proteger(kUniteIntervenants, kBouton, [&] {
                               if (choisir) choisir(frame::Environnement());
                               else ChoisirComptable();
                               ChargerIntervenants();
                           });
                       }});
    }
    const bool gerantAssocieVisible = affichage.AfficherGerantAssocie && gerantAssocie_;
    Declare({.name = kNomGerant, .label = "Nom du gérant", .visible = gerantAssocieVisible, .width = kLargeurNom});
    Declare({.name = kPrenomGerant, .label = "Prénom", .visible = gerantAssocieVisible, .width = kLargeurNom});
    for (frame::Field& champ : panneauGerant_.Fields()) {
        champ.visible = gerantAssocieVisible && champ.name != panneauGerant_.Name("telephone") &&
                        champ.name != panneauGerant_.Name("pays");
        Declare(std::move(champ));
    }
}

void TfrmIntervenants::ChoisirComptable() {
    cEnvironBaseKV& environnement = frame::Environnement();
    if (!gerantAssocie_ && environnement.GetAssistantCompagnonInstalle() && !environnement.GetComptableChoisiParDossier()) {
        host::ZORInformation(environnement.GetDonneesEdiParametreesAuDossier() != 0 ? kComptableDossier : kComptableCabinet);
        return;
    }
    INTERVENANT_KV choix{};
    environnement.SelectionneComptable(choix, kAttacher);
}

void TfrmIntervenants::Montrer(const std::string& nom, const INTERVENANT_KV& intervenant) {
    SetValue(nom, NomIntervenant(intervenant));
    SetValue(nom + "-adresse", AdresseIntervenant(intervenant));
}

void TfrmIntervenants::ChargerIntervenants() {
    for (const Partie& p : kParties) {
        INTERVENANT_KV intervenant{};
        (frame::Environnement().*p.lire)(intervenant);
        Montrer(p.nom, intervenant);
    }
}

// Once per activation: the manager's look-up warns when the company has none, which a choice of
// party does not change.
void TfrmIntervenants::ChargerDirigeants() {
    if (!dirigeants_) return;
    INTERVENANT_KV gerant{}, cogerant{};
    dirigeants_->Gerant(gerant);
    dirigeants_->Cogerant(cogerant);
    Montrer("gerant", gerant);
    Montrer("cogerant", cogerant);
}

void TfrmIntervenants::Activate() { Proteger(kUniteIntervenants, kCharger, [this] { Charger(); }); }

void TfrmIntervenants::Charger() {
    SetValue(kNomDeclarant, CIntervenants::GetNomDeclarant());
    SetValue(kQualiteDeclarant, CIntervenants::GetQualiteDeclarant());
    ChargerIntervenants();
    ChargerDirigeants();
    if (!gerantAssocie_) return;
    const DirigeantAssocie gerant = gerantAssocie_->Lire();
    SetValue(kNomGerant, gerant.nom);
    SetValue(kPrenomGerant, gerant.prenom);
    for (const auto& [champ, valeur] : panneauGerant_.Values(gerant.adresse)) SetValue(champ, valeur);
}

std::optional<std::string> TfrmIntervenants::Leave() {
    return gerantAssocie_ ? panneauGerant_.Check(*this) : std::nullopt;
}

void TfrmIntervenants::Deactivate() {
    Proteger(kUniteIntervenants, kEnregistrer, [this] {
        if (GetField(kNomDeclarant).visible) {  // hidden, it is not the screen's to write
            CIntervenants::SetNomDeclarant(Value(kNomDeclarant));
            CIntervenants::SetQualiteDeclarant(Value(kQualiteDeclarant));
        }
        if (gerantAssocie_)
            gerantAssocie_->Ecrire({Value(kNomGerant), Value(kPrenomGerant), panneauGerant_.Read(*this, gerantAssocie_->Lire().adresse)});
    });
}

}  // namespace kvarn::identification
