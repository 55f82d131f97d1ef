#include "presentation.hpp"

#include <iostream>

namespace kvarn::cli {

void EcrireTexte(std::ostream& sortie, const std::vector<Groupe>& groupes) {
    for (const Groupe& groupe : groupes) {
        if (!groupe.titre.empty()) sortie << groupe.titre << '\n';
        for (const Ligne& l : groupe.lignes)
            if (!l.valeur.empty()) sortie << "  " << l.titre << " : " << l.valeur << '\n';
    }
}

void EcrireJson(JsonWriter& json, const std::vector<Groupe>& groupes) {
    for (const Groupe& groupe : groupes) {
        json.Key(groupe.cle).BeginObject();
        for (const Ligne& l : groupe.lignes) json.Field(l.cle, l.valeur);
        json.EndObject();
    }
}

void Afficher(const std::vector<Groupe>& groupes, bool json) {
    if (!json) {
        EcrireTexte(std::cout, groupes);
        return;
    }
    JsonWriter sortie;
    sortie.BeginObject();
    EcrireJson(sortie, groupes);
    sortie.EndObject();
    std::cout << sortie.str() << '\n';
}

}  // namespace kvarn::cli
