#include "host/host.hpp"

#include <iostream>
#include <stdexcept>

namespace kvarn::host {

TEnvironnement* pEnvironnement = nullptr;
CDossier* pCurDossier = nullptr;

namespace {

HostServices& Installed() {
    static HostServices services;
    return services;
}

// What the boxes do when no host is installed: say it on stderr; a question answers no.
bool ShowWithoutHost(TypeBoite type, const std::string& texte) {
    std::cerr << texte << '\n';
    return type != TypeBoite::Question && type != TypeBoite::OkAnnuler;
}

bool Show(TypeBoite type, const std::string& texte, const std::string& titre, int drapeaux) {
    MessageBoxes* boites = Installed().boites;
    return boites ? boites->Show(type, texte, titre, drapeaux) : ShowWithoutHost(type, texte);
}

Annuaire& RequireAnnuaire() {
    if (!Installed().annuaire) throw std::logic_error("aucun annuaire d'intervenants n'est installé");
    return *Installed().annuaire;
}

}  // namespace

void InstallHost(const HostServices& services) {
    Installed() = services;
    pEnvironnement = services.environnement;
    pCurDossier = services.dossier;
}

void UninstallHost() { InstallHost({}); }

const HostServices& InstalledHost() { return Installed(); }

void ZORErreur(const std::string& texte) { Show(TypeBoite::Erreur, texte, "Erreur", 0); }
void ZORAttention(const std::string& texte) { Show(TypeBoite::Attention, texte, "Attention", 0); }
void ZORInformation(const std::string& texte) { Show(TypeBoite::Information, texte, "Information", 0); }

bool ZORQuestion(const std::string& texte, const std::string& titre, int drapeaux) {
    return Show(TypeBoite::Question, texte, titre, drapeaux);
}

bool ZOROkAnnuler(const std::string& texte, const std::string& titre, int drapeaux) {
    return Show(TypeBoite::OkAnnuler, texte, titre, drapeaux);
}

void ZORMsgBox(const std::string& texte, const std::string& titre, int icone) {
    Show(TypeBoite::MsgBox, texte, titre, icone);
}

std::string FormatLocalisation(std::uint32_t codeLocalisation) {
    return std::to_string(codeLocalisation >> 16) + ":" + std::to_string(codeLocalisation & 0xFFFF);
}

void ZORDisplayException(std::uint32_t codeLocalisation, const std::exception& erreur, const void*) {
    Show(TypeBoite::Exception, FormatLocalisation(codeLocalisation) + " " + erreur.what(), "Erreur",
         static_cast<int>(codeLocalisation));
}

void ZORMontrerModal(EcranModal& ecran) {
    if (!Installed().ecrans) throw std::logic_error("aucun hôte n'affiche l'écran « " + ecran.Titre() + " »");
    Installed().ecrans(ecran);
}

std::unique_ptr<CVrelMaker> CreerVrelMaker(OuvreurDonneesEtat ouvreur) {
    return Installed().etats ? Installed().etats(std::move(ouvreur)) : nullptr;
}

std::optional<std::size_t> ZORChoisirDansListe(const std::string& titre, const std::vector<std::string>& contexte,
                                               const std::vector<std::string>& choix) {
    if (!Installed().choixListe) return std::nullopt;
    const std::optional<std::size_t> choisi = Installed().choixListe(titre, contexte, choix);
    return choisi && *choisi < choix.size() ? choisi : std::nullopt;
}

std::unique_ptr<CBarre> OuvrirBarre(const std::string& texte) {
    if (Installed().barres) return Installed().barres(texte);
    return std::make_unique<BarreMuette>();
}

bool EstTypeIntervenant(int type) {
    switch (type) {
        case kComptable: case kConseil: case kCGA: case kAGA: case kCabinet: case kSIE: case kCGI:
        case kAdministrateur:
            return true;
        default:
            return false;
    }
}

bool SelectionneIntervenant(int type, FicheIntervenant* fiche, bool drapeau, int, int) {
    return RequireAnnuaire().Selectionner(type, *fiche, drapeau);
}

bool GetIntervenantSelectionne(FicheIntervenant* fiche, int type, int, int avecDefaut, int, int) {
    return RequireAnnuaire().LireSelectionne(type, *fiche, avecDefaut != 0);
}

bool GetIntervenant(int id, FicheIntervenant* fiche, int type) {
    return RequireAnnuaire().Lire(id, *fiche, type);
}

int GetDonneesEdiParametreesAuDossier() { return RequireAnnuaire().DonneesEdiParametreesAuDossier(); }

}  // namespace kvarn::host
