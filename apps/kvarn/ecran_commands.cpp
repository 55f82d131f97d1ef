#include "ecran_commands.hpp"

#include "common/text.hpp"
#include "frame/screens/screen_registry.hpp"
#include "identification/screens/ecran_identification.hpp"
#include "identification/screens/adresses_screen.hpp"
#include "identification/screens/general_numbers_screen.hpp"
#include "identification/screens/groupes_siret.hpp"
#include "identification/screens/intervenants_screen.hpp"
#include "identification/screens/siret_screen.hpp"
#include "json.hpp"
#include "session.hpp"

#include <kvarn/liste_associes.hpp>

#include <algorithm>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>

namespace kvarn::cli {
namespace {

using identification::TfrmNumGeneraux;

struct NomEcran {
    const char* nom;
    const char* formulaire;
};
constexpr NomEcran kEcrans[] = {
    {"num-generaux", "TfrmNumGeneraux"},
    {"siret", "TfrmSiret"},
    {"donnees-administratives", "TfrmDonneesAdministrative"},
    {"impot-declarant", "TfrmImpotDeclarant"},
    {"intervenants", "TfrmIntervenants"},
    {"adresses", "TfrmAdrEts"},
};

// The ROF rows in the order of CNumGeneraux's switches.
constexpr const char* kRowsROF[CNumGeneraux::NB_ROF] = {"TVA", "TDFC", "CVAE", "IS", "RCM"};

CNumGeneraux ToutAfficher(const std::vector<std::string>& requis) {
    CNumGeneraux affichage(0, true, true, true, true, true, true, true, true, true, true, true, true, false, false,
                           false, false, false);
    for (const std::string& nom : requis) {
        const auto ligne = std::find_if(std::begin(kRowsROF), std::end(kRowsROF),
                                        [&](const char* r) { return EqualsIgnoringCase(nom, r); });
        if (ligne == std::end(kRowsROF))
            throw MauvaisUsage("ROF inconnue dans --requis : « " + nom + " » (TVA, TDFC, CVAE, IS ou RCM)");
        affichage.ROFObligatoire[ligne - std::begin(kRowsROF)] = true;
    }
    return affichage;
}

// The associates' variant of the addresses or parties screen, for the associate `id`.
std::unique_ptr<frame::Screen> CreerPourAssocie(const std::string& formulaire, int id) {
    const Associe* associe = DonnerAssocie(id);
    if (!associe) throw Refus("Aucun associé n° " + std::to_string(id) + " dans le dossier");
    if (formulaire == "TfrmAdrEts") return std::make_unique<identification::TfrmAdrEts>(*associe);
    return std::make_unique<identification::TfrmIntervenants>(*associe);
}

std::unique_ptr<frame::Screen> Creer(const EcranOptions& options) {
    const auto ecran = std::find_if(std::begin(kEcrans), std::end(kEcrans),
                                    [&](const NomEcran& e) { return options.nom == e.nom; });
    if (ecran == std::end(kEcrans)) throw MauvaisUsage("Écran inconnu : « " + options.nom + " »");
    const std::string formulaire = ecran->formulaire;
    if (!options.requis.empty() && formulaire != "TfrmNumGeneraux")
        throw MauvaisUsage("--requis ne vaut que pour l'écran num-generaux");
    if (options.annee != 0 && formulaire != "TfrmSiret") throw MauvaisUsage("--annee ne vaut que pour l'écran siret");
    if (options.associe != 0 && formulaire != "TfrmAdrEts" && formulaire != "TfrmIntervenants")
        throw MauvaisUsage("--associe ne vaut que pour les écrans adresses et intervenants");
    if (options.associe != 0) return CreerPourAssocie(formulaire, options.associe);
    if (!options.requis.empty()) return std::make_unique<TfrmNumGeneraux>(ToutAfficher(options.requis));
    if (options.annee != 0) return std::make_unique<identification::TfrmSiret>(options.annee);
    return frame::CreateScreen(formulaire);
}

void Saisir(frame::Screen& ecran, const std::string& texte) {
    const std::size_t egal = texte.find('=');
    if (egal == std::string::npos) throw MauvaisUsage("--saisir attend CHAMP=VALEUR, pas « " + texte + " »");
    const std::string nom = texte.substr(0, egal);
    const auto entrees = identification::RepartirSaisie(ecran, nom, texte.substr(egal + 1));
    for (const auto& [champ, valeur] : entrees) {
        try {
            (void)ecran.GetField(champ);
        } catch (const std::out_of_range&) {
            throw MauvaisUsage("Champ inconnu de l'écran : « " + nom + " »");
        }
        try {
            ecran.Edit(champ, valeur);
        } catch (const std::logic_error&) {
            throw Refus("Le champ « " + nom + " » n'accepte pas de saisie (inactif, caché ou en lecture seule)");
        }
    }
}

void Appuyer(frame::Screen& ecran, const std::string& nom) {
    auto* avecBoutons = dynamic_cast<identification::EcranIdentification*>(&ecran);
    try {
        if (!avecBoutons) throw std::out_of_range(nom);
        (void)avecBoutons->GetBouton(nom);
    } catch (const std::out_of_range&) {
        throw MauvaisUsage("Bouton inconnu de l'écran : « " + nom + " »");
    }
    try {
        avecBoutons->Appuyer(nom);
    } catch (const std::logic_error&) {
        throw Refus("Le bouton « " + nom + " » n'est pas disponible");
    }
}

// The fields as the command shows them: a grouped SIRET as one field under its whole name, in
// the place of its first group.
std::vector<frame::Field> ChampsMontres(const frame::Screen& ecran) {
    const std::vector<frame::Field> sirets = identification::SiretsGroupes(ecran);
    std::vector<frame::Field> champs;
    for (const frame::Field& champ : ecran.Fields()) {
        const auto siret = std::find_if(sirets.begin(), sirets.end(), [&](const frame::Field& s) {
            return identification::GroupesSiret(s.name + "-").Contient(champ.name);
        });
        if (siret == sirets.end()) champs.push_back(champ);
        else if (identification::GroupesSiret(siret->name + "-").Noms().front() == champ.name) champs.push_back(*siret);
    }
    return champs;
}

void Montrer(const frame::Screen& ecran, bool ferme, const std::optional<std::string>& focus, bool json) {
    const std::vector<frame::Field> champs = ChampsMontres(ecran);
    if (!json) {
        for (const frame::Field& champ : champs)
            if (champ.visible)
                std::cout << champ.name << " (" << champ.label << ") : " << champ.value
                          << (champ.enabled && !champ.readOnly ? "" : " [non modifiable]") << '\n';
        if (focus) std::cout << "Focus : " << *focus << '\n';
        return;
    }
    JsonWriter w;
    w.BeginObject().Key("champs").BeginObject();
    for (const frame::Field& champ : champs) {
        w.Key(champ.name).BeginObject();
        w.Field("libelle", champ.label).Field("valeur", champ.value).Field("actif", champ.enabled);
        w.Field("visible", champ.visible).Field("lecture_seule", champ.readOnly).EndObject();
    }
    w.EndObject().Field("ferme", ferme).Key("focus");
    if (focus) w.String(*focus);
    else w.Null();
    std::cout << w.EndObject().str() << '\n';
}

}  // namespace

std::vector<std::string> NomsEcrans() {
    std::vector<std::string> noms;
    for (const NomEcran& e : kEcrans) noms.emplace_back(e.nom);
    return noms;
}

int Ecran(const GlobalOptions& globals, const EcranOptions& options) {
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    const std::unique_ptr<frame::Screen> ecran = Creer(options);
    if (!ecran) throw Refus("L'écran « " + options.nom + " » n'a pas pu être créé");
    ecran->Activate();
    std::optional<std::string> focus;
    bool ferme = false;
    try {
        for (const EtapeEcran& etape : options.etapes) {
            if (etape.bouton) Appuyer(*ecran, etape.texte);
            else Saisir(*ecran, etape.texte);
        }
        if (!ecran->Focus().empty()) focus = ecran->Focus();
        if (options.fermer) {
            focus = ecran->Leave();
            if (!focus) {
                ecran->Deactivate();
                ferme = true;
            }
        }
    } catch (const Refus&) {
        Montrer(*ecran, false, focus, options.json);
        throw;
    }
    Montrer(*ecran, ferme, focus, options.json);
    if (options.fermer && !ferme) throw Refus("L'écran reste ouvert : le champ « " + *focus + " » est à corriger");
    return kSucces;
}

}  // namespace kvarn::cli
