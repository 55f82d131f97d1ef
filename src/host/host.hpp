// Installing a host.
//
// The module calls only the declarations of this folder; a program installs the implementations
// before it creates the data module, and uninstalls them when it is done. Installing sets the
// globals pEnvironnement and pCurDossier the module reads.
#pragma once

#include "host/annuaire.hpp"
#include "host/barre.hpp"
#include "host/boites.hpp"
#include "host/choix_liste.hpp"
#include "host/dossier.hpp"
#include "host/ecran_modal.hpp"
#include "host/environnement.hpp"
#include "host/etats.hpp"

#include <functional>
#include <memory>
#include <string>

namespace kvarn::host {

using BarreFactory = std::function<std::unique_ptr<CBarre>(const std::string& texte)>;

struct HostServices {
    TEnvironnement* environnement = nullptr;
    CDossier* dossier = nullptr;
    MessageBoxes* boites = nullptr;
    Annuaire* annuaire = nullptr;
    BarreFactory barres;
    MontreurEcrans ecrans{};
    FabriqueEtats etats{};
    ChoixDansListe choixListe{};
};

void InstallHost(const HostServices& services);
void UninstallHost();
const HostServices& InstalledHost();

}  // namespace kvarn::host
