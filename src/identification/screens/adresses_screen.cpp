#include "identification/screens/adresses_screen.hpp"

#include "frame/etat_module.hpp"
#include "frame/screens/screen_registry.hpp"
#include "identification/screens/ecran_protege.hpp"

#include <kvarn/accesseurs.hpp>
#include <kvarn/assistant.hpp>

#include <memory>

namespace kvarn::identification {
namespace {

constexpr const char* kDifferente = "adresse-declarant-differente";
constexpr const char* kOui = "oui";

// Screen 4 is the associates' variant, on the associate the associates list stands on.
std::unique_ptr<frame::Screen> Creer() {
    const TFenMainAssistant* fenetre = TFenMainAssistant::Instance();
    if (!fenetre || fenetre->tvKV.GetSelectedScreen() != 4) return std::make_unique<TfrmAdrEts>();
    std::optional<Associe> associe;
    Proteger(kUniteAdrEts, kCreer, [&] { associe = AssocieCourant(); });
    return std::make_unique<TfrmAdrEts>(associe);
}

const frame::ScreenRegistration kEnregistrement{"TfrmAdrEts", frame::PlainScreenFactory(Creer)};

}  // namespace

TfrmAdrEts::TfrmAdrEts(const CAdresseDestinataire& affichage, Adresse1erJanvier* adresse1erJanvier)
    : TfrmAdrEts(affichage, adresse1erJanvier, nullptr) {}

TfrmAdrEts::TfrmAdrEts(const std::optional<Associe>& associe)
    : TfrmAdrEts(CAdresseDestinataire(0, false, false, false, true), nullptr,
                 associe ? Adresse1erJanvierDeLAssocie(associe->ShIDAssocie) : nullptr) {
    FieldRef(kChampAssocie) = ChampAssocie(associe, true);
}

TfrmAdrEts::TfrmAdrEts(const CAdresseDestinataire& affichage, Adresse1erJanvier* adresse1erJanvier,
                       std::unique_ptr<Adresse1erJanvier> associe)
    : affichage_(affichage),
      adresse1erJanvier_(associe ? associe.get() : adresse1erJanvier),
      associe_(std::move(associe)) {
    Declare(ChampAssocie(std::nullopt, false));
    DeclarerPanneau(identification_, affichage.AfficherIdentificationDestinataire, true);
    Declare({.name = kDifferente, .label = "Adresse du déclarant si différente", .value = "non",
             .visible = affichage.AfficherAdresseDeclarant});
    DeclareGenre(kDifferente, GenreSaisie::Coche);
    DeclarerPanneau(declarant_, affichage.AfficherAdresseDeclarant, false, "telephone");
    for (frame::Field& champ : destinataire_.Champs()) {
        champ.visible = champ.visible && affichage.AfficherDestinataireDifferent;
        Declare(std::move(champ));
    }
    DeclarerPanneau(janvier_, affichage.AfficherAdresse1erJanvier && adresse1erJanvier_, false);
}

void TfrmAdrEts::DeclarerPanneau(const frame::AddressPanel& panneau, bool visible, bool lectureSeule, const char* cache) {
    for (frame::Field& champ : panneau.Fields()) {
        champ.visible = visible && champ.name != panneau.Name(cache);
        champ.readOnly = lectureSeule;
        Declare(std::move(champ));
    }
}

void TfrmAdrEts::ReglerDeclarant() {
    const bool differente = Value(kDifferente) == kOui;
    for (const frame::Field& champ : declarant_.Fields()) FieldRef(champ.name).enabled = differente;
}

void TfrmAdrEts::ApresSaisie(frame::Field& field, const std::string&) {
    if (field.name == kDifferente) ReglerDeclarant();
}

void TfrmAdrEts::Activate() {
    Proteger(kUniteAdrEts, kCharger, [this] { Charger(); });
    ReglerDeclarant();
}

void TfrmAdrEts::Charger() {
    host::TAdresseFormatTDFC declarant;
    frame::Environnement().GetAdresseDestDec(dossier_, declarant);
    for (const auto& [champ, valeur] : identification_.Values(dossier_)) SetValue(champ, valeur);
    for (const auto& [champ, valeur] : declarant_.Values(declarant)) SetValue(champ, valeur);
    SetValue(kDifferente, GetAdrDeclarDiffDeAdrDest() ? kOui : "non");
    for (const auto& [champ, valeur] : destinataire_.Charger()) SetValue(champ, valeur);
    if (adresse1erJanvier_)
        for (const auto& [champ, valeur] : janvier_.Values(adresse1erJanvier_->Lire())) SetValue(champ, valeur);
}

std::optional<std::string> TfrmAdrEts::Leave() {
    if (affichage_.AfficherAdresseDeclarant && Value(kDifferente) == kOui)
        if (auto focus = declarant_.Check(*this)) return focus;
    if (affichage_.AfficherDestinataireDifferent)
        if (auto focus = destinataire_.Verifier(*this)) return focus;
    if (affichage_.AfficherAdresse1erJanvier && adresse1erJanvier_) return janvier_.Check(*this);
    return std::nullopt;
}

void TfrmAdrEts::Deactivate() { Proteger(kUniteAdrEts, kEnregistrer, [this] { Enregistrer(); }); }

void TfrmAdrEts::Enregistrer() {
    environment::cEnvironBaseKV& environnement = frame::Environnement();
    if (affichage_.AfficherAdresseDeclarant) {
        environnement.SetAdrDeclarDiffDeAdrDest(Value(kDifferente) == kOui);
        host::TAdresseFormatTDFC declarant, ignore;
        environnement.GetAdresseDestDec(ignore, declarant);
        environnement.SetAdresseDestDec(dossier_, declarant_.Read(*this, declarant));
    }
    if (affichage_.AfficherDestinataireDifferent) destinataire_.Enregistrer(*this);
    if (affichage_.AfficherAdresse1erJanvier && adresse1erJanvier_)
        adresse1erJanvier_->Ecrire(janvier_.Read(*this, adresse1erJanvier_->Lire()));
}

}  // namespace kvarn::identification
