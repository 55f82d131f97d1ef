// kvarn divers: the miscellaneous deductions and reintegrations of a dossier. Lines are written
// by the module's MAJ (ajouter, modifier), listed in table order with their totals (lister),
// deleted through the lines screen and its question (supprimer), and one associate's shares are
// entered through the per-associate screen, the host's callback answering from the options
// (associe). Amounts are whole euros, negatives allowed; an empty amount clears it.
#pragma once

#include "run.hpp"

#include <string>
#include <vector>

namespace kvarn::cli {

struct DiversLigneOptions {
    bool deduction = false;
    bool reintegration = false;
    std::string designation;
    std::string montants[3];         // BIC, BA, BNC, as typed
    bool montantsDonnes[3] = {};     // which were given
};

struct DiversListerOptions {
    bool deductions = false;
    bool reintegrations = false;
    bool json = false;
};

struct DiversSupprimerOptions {
    std::string designation;
};

struct DiversAssocieOptions {
    int idAssocie = 0;
    bool deductions = false;
    bool reintegrations = false;
    int numerateur = 0;
    int denominateur = 0;
    bool ba = false;
    std::vector<std::string> saisies;  // "DESIGNATION=N", "DESIGNATION=" clears
    bool json = false;
};

int DiversAjouter(const GlobalOptions& globals, const DiversLigneOptions& options);
int DiversModifier(const GlobalOptions& globals, const DiversLigneOptions& options);
int DiversLister(const GlobalOptions& globals, const DiversListerOptions& options);
int DiversSupprimer(const GlobalOptions& globals, const DiversSupprimerOptions& options);
int DiversAssocie(const GlobalOptions& globals, const DiversAssocieOptions& options);

// "--deduction" xor "--reintegration" (plural forms alike): true for deductions; MauvaisUsage when
// neither or both is given.
bool SensDemande(bool deduction, bool reintegration, const char* options);

}  // namespace kvarn::cli
