// kvarn exporter-isa and kvarn participation: the exchange file of the accounting package, and
// the companies the dossier holds shares in, which that file lists.
#pragma once

#include "run.hpp"

#include <optional>
#include <string>

namespace kvarn::cli {

struct ExporterIsaOptions {
    std::string fichier;
    bool drapeau = false;
};

struct ParticipationAjouterOptions {
    int formeJuridique = 0;
    std::string denomination, siren;
    double pourcentage = 0;
    std::string numeroVoie, voie, cp, ville;
    std::optional<int> pays;
};

struct ParticipationOptions {
    int numero = 0;  // supprimer: from 1, in the order lister shows
    bool json = false;
};

int ExporterIsa(const GlobalOptions& globals, const ExporterIsaOptions& options);
int ParticipationAjouter(const GlobalOptions& globals, const ParticipationAjouterOptions& options);
int ParticipationLister(const GlobalOptions& globals, const ParticipationOptions& options);
int ParticipationSupprimer(const GlobalOptions& globals, const ParticipationOptions& options);

}  // namespace kvarn::cli
