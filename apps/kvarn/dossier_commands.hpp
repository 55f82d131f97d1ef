// kvarn dossier: create, change and show the dossier record of a directory.
#pragma once

#include "intervenant_commands.hpp"
#include "run.hpp"

#include <optional>
#include <string>

namespace kvarn::cli {

// Every value of the record a user sets. An option not given leaves the value as it is; given
// empty, it clears the value.
struct DossierValeurs {
    std::optional<std::string> raisonSociale, nom, prenom, libelle;
    std::optional<std::string> formeJuridique, categorie, regimeFiscal, regimeImposition;
    std::optional<std::string> debutExercice, finExercice, debutExercicePrecedent, finExercicePrecedent;
    std::optional<std::string> dateSituation, debutActivite, cessationActivite;
    std::optional<std::string> siret, tvaIntracom;
    std::optional<std::string> codeApe, codeApe2008, codeNace, activite;
    std::optional<std::string> rofTva, rofTdfc, rofIs, rofCvae, rofRcm;
    std::optional<std::string> rofTvaCalculee, rofTdfcCalculee, rofIsCalculee, rofCvaeCalculee, rofRcmCalculee;
    std::optional<std::string> identifiantIsa, dernierExportIsacompta, lanceParIsa, assistants;
    std::optional<std::string> dateEngagement;
    // The administrative record: FRP (SIE code, file number, key), VAT regime, CDI, inspection, service.
    std::optional<std::string> frpSie, frpDossier, frpCle, regimeTva, cdi, inspection, service;
    AdresseOptions adresse;
};

struct DossierCreerOptions {
    std::string repertoire;
    DossierValeurs valeurs;
};

struct DossierAfficherOptions {
    bool json = false;
};

int DossierCreer(const GlobalOptions& globals, const DossierCreerOptions& options);
int DossierModifier(const GlobalOptions& globals, const DossierValeurs& valeurs);
int DossierAfficher(const GlobalOptions& globals, const DossierAfficherOptions& options);

}  // namespace kvarn::cli
