// kvarn associe: the dossier's associates, added one at a time and listed as the module's cached
// list holds them.
#pragma once

#include "intervenant_commands.hpp"
#include "run.hpp"

#include <optional>
#include <string>
#include <vector>

namespace kvarn::cli {

struct AssocieAjouterOptions {
    bool physique = false;
    bool morale = false;
    std::string nom, prenoms;
    std::optional<int> titre, qualite, regime, regimeMatrimonial, situationFamille;
    // Start-of-year shares, with a decimal point or comma; empty when not given.
    std::string pp, u, np;
    std::string nomNaissance, nomMarital, profession, numeroFiscal, siret;
    std::string dateNaissance, cpNaissance, lieuNaissance;  // the date as dd/mm/yyyy
    std::optional<int> paysNaissance;
    AdresseOptions adresse;
    // "associe modifier" only: COLONNE=VALEUR, any stored column of KOLMIKV1 by its name.
    std::vector<std::string> champs;
};

struct AssocieListerOptions {
    bool parNom = false;
    bool json = false;
};

int AssocieAjouter(const GlobalOptions& globals, const AssocieAjouterOptions& options);
int AssocieLister(const GlobalOptions& globals, const AssocieListerOptions& options);
// Writes only the columns of the options given (their names, "--nom", in `donnees`), with the
// creation's rules, then the columns of "--champ" as typed, all in one transaction; refused for an
// unknown associate or a name another one has; a column of "--champ" that is unknown, calculated
// or the key, or a value its type refuses, is bad usage (exit 2).
int AssocieModifier(const GlobalOptions& globals, int idAssocie, const AssocieAjouterOptions& options,
                    const std::vector<std::string>& donnees);
// As the list of associates deletes: refused while the associate holds shares, after the question.
int AssocieSupprimer(const GlobalOptions& globals, int idAssocie);
// The manager (GetGerant), then the co-managers (GetCogerant); exit 1 when there is none.
int AssocieGerant(const GlobalOptions& globals, bool json);

}  // namespace kvarn::cli
