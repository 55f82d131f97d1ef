#include "migration/pays_migres.hpp"

#include "common/text.hpp"
#include "host/pays.hpp"
#include "identification/screens/correction_dialogs.hpp"

#include <stdexcept>

namespace kvarn::migration {
namespace {

std::optional<int> Trouver(std::string_view nom) {
    if (const host::Pays* pays = host::TListePays::TrouverCodeIso(nom)) return pays->id;
    for (const host::Pays& pays : host::TListePays::Liste())
        if (EqualsIgnoringCase(pays.libelle, nom)) return pays.id;
    return std::nullopt;
}

}  // namespace

std::optional<int> IdPaysDeNom(std::string_view nom, const std::string& nomPatronymique, const std::string& prenoms) {
    const std::string texte(Trim(nom));
    if (texte.empty()) return std::nullopt;
    if (const std::optional<int> id = Trouver(texte)) return id;
    if (const std::optional<int> choisi = identification::ChoisirPaysCorrige(texte, nomPatronymique, prenoms))
        return choisi;
    throw std::runtime_error("le pays « " + texte + " » de l'associé " + Trim(nomPatronymique + " " + prenoms) +
                             " n'est pas dans la liste des pays et aucun pays n'a été choisi à sa place");
}

}  // namespace kvarn::migration
