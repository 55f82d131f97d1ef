// The checks of one movement as entered, before anything of it is written: the first refusal and
// its message, or none. Pure: what the checks compare with (the year, the associates, the shares
// held before the movement) comes in a context that the caller gathers (saisie_mouvement.hpp).
//
// In this order: the missing fields; the type; the date within the year (the entry screen refuses
// it without a message, the command line says why); the associates named; the cells the type
// opens; the quantities (finite, not negative); the rows whose reading would drop a quantity; the
// decreases against the shares held before; the balance of the totals. The link check of the
// loading mode 0 comes after these and reads the dossier: it is the association screen's.
#pragma once

#include "movements/cumul.hpp"
#include "movements/decodage_detail.hpp"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kvarn::movements {

struct MouvementSaisi {
    double date = 0.0;   // 0: not entered
    int type = -1;       // -1: none chosen
    int idCedant = 0;    // 0: none chosen
    std::vector<LigneDetail> lignes;  // one per associate of the grid, empty quantities unused
};

struct ContexteControle {
    double debutExercice = 0.0;
    double dateSituation = 0.0;
    std::set<int> associesGrille;  // the grid's associates: every one but the beneficiaries
    std::set<int> associesListe;   // the cached list, where the ceding associate is chosen
    // The shares the associate holds before the movement, at its date ("Avant mouvement").
    std::function<PartsPPUNP(int idAsso)> avant;
};

struct RefusMouvement {
    std::string message;
    bool silencieux = false;  // the entry screen shows nothing: the date is out of the year
    bool liens = false;       // the links leave shares to assign
};

std::optional<RefusMouvement> ControlerMouvement(const MouvementSaisi& saisie, const ContexteControle& contexte);

// Whether the cell of that column on that associate's row takes input for the type and ceding
// associate chosen; none does for an unknown type, nor for types 0 to 3 and 6 without a ceding
// associate.
bool CelluleModifiable(int type, int idCedant, int idAsso, Colonne colonne);

// Whether the type shows the ceding associate (every type but the capital increase and reduction).
bool TypeAvecCedant(int type);

}  // namespace kvarn::movements
