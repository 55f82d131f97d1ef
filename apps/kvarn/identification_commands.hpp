// kvarn siret, categorie-juridique, categories-juridiques, and the checks of pseudo-SIRET and IDSP.
#pragma once

#include "run.hpp"

#include <optional>
#include <string>

namespace kvarn::cli {

struct SiretOptions {
    bool ecrire = false;
    std::string date;  // closing date, dd/mm/yyyy
    std::optional<std::string> siret, pseudoSiret, idsp;
    bool json = false;
};

struct CategorieJuridiqueOptions {
    bool ecrire = false;
    std::optional<std::string> code;
};

struct NomenclatureOptions {
    std::optional<std::string> code;
    std::optional<std::string> libelle;
    bool arbre = false;
    bool json = false;
};

int Siret(const GlobalOptions& globals, const SiretOptions& options);
int CategorieJuridique(const GlobalOptions& globals, const CategorieJuridiqueOptions& options);
int Nomenclature(const NomenclatureOptions& options);
// genre: "pseudo-siret" or "idsp".
int VerifierIdentifiant(const std::string& genre, const std::string& valeur);

}  // namespace kvarn::cli
