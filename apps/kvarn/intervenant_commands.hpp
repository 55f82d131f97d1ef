// kvarn intervenant: the outside-party directory of the user, and the parties attached to a dossier.
#pragma once

#include "run.hpp"

#include <optional>
#include <string>

namespace kvarn::cli {

// A postal address as the commands take it (empty parts are left out).
struct AdresseOptions {
    std::string complement1, complement2, numeroVoie, indiceRepetition, voie, bp, cp, ville;
    std::string telephone, fax, email, bureauDistributeur, codeInsee;
    std::optional<int> pays;
};

struct IntervenantAjouterOptions {
    std::string type;
    std::string nom;
    std::string siret;
    bool personnePhysique = false;
    std::string observations, agrement, contact;
    bool parDefaut = false;
    int modeAffectation = 0;
    AdresseOptions adresse;
};

struct IntervenantListerOptions {
    std::string type;  // empty: every kind
    bool json = false;
};

struct IntervenantAttacherOptions {
    std::string type;
    std::optional<int> id;  // none: the user picks from the list
};

int IntervenantAjouter(const GlobalOptions& globals, const IntervenantAjouterOptions& options);
int IntervenantLister(const GlobalOptions& globals, const IntervenantListerOptions& options);
int IntervenantAttacher(const GlobalOptions& globals, const IntervenantAttacherOptions& options);
int IntervenantDetacher(const GlobalOptions& globals, const IntervenantAttacherOptions& options);

}  // namespace kvarn::cli
