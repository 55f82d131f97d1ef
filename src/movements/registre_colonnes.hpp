// The named values of each kind of entry of the share register, in their order: what both the
// JSON and the CSV forms of the register write, so that a key is named in one place only.
//
// Each Colonnes... function hands one entry's values to a sink, key by key; a JSON sink writes
// them as an object's members, a CSV sink as a row (or, for the header row, only the keys).
// Dates are day counts (0: none); an empty optional is a null.
#pragma once

#include "movements/registre.hpp"

#include <optional>
#include <string_view>

namespace kvarn::movements {

class PuitsColonnes {
public:
    virtual ~PuitsColonnes() = default;
    virtual void Texte(std::string_view cle, std::string_view valeur) = 0;
    virtual void Nombre(std::string_view cle, std::optional<double> valeur) = 0;
    virtual void Entier(std::string_view cle, std::optional<int> valeur) = 0;
    virtual void Date(std::string_view cle, double jour) = 0;
};

// The kind of shares as the register names it: "PP", "U", "NP".
std::string_view NomNature(int nature);

void ColonnesDetention(const PositionStockee& detention, PuitsColonnes& puits);
void ColonnesMouvement(const MouvementRegistre& mouvement, PuitsColonnes& puits);  // without its lines and links
void ColonnesLigne(const LigneRegistre& ligne, PuitsColonnes& puits);
void ColonnesLien(const LienRegistre& lien, PuitsColonnes& puits);
void ColonnesAnnexe(const LigneAnnexe2072& ligne, PuitsColonnes& puits);
void ColonnesEcart(const EcartRegistre& ecart, PuitsColonnes& puits);

}  // namespace kvarn::movements
