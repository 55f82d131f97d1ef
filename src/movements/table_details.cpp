#include "movements/table_details.hpp"

#include "movements/codes_mouvement.hpp"

#include <cmath>

namespace kvarn::movements {
namespace {

std::optional<double> Quantite(db::CTable& table, const char* colonne) {
    const db::Field& champ = table.FieldByName(colonne);
    return champ.IsNull() ? std::nullopt : std::optional<double>(champ.AsFloat());
}

struct ColonnesQuantite {
    const char* augmentation;
    const char* diminution;
};

std::optional<ColonnesQuantite> ColonnesDe(int typeParts) {
    switch (typeParts) {
        case kPartsPP: return ColonnesQuantite{"NbPartsPPAug", "NbPartsPPDim"};
        case kPartsU: return ColonnesQuantite{"NbPartsUAug", "NbPartsUDim"};
        case kPartsNP: return ColonnesQuantite{"NbPartsNPAug", "NbPartsNPDim"};
        default: return std::nullopt;
    }
}

}  // namespace

LigneDetail LireLigneDetail(db::CTable& table) {
    LigneDetail ligne;
    ligne.idAsso = LireIdAssoDetail(table);
    ligne.ppAug = Quantite(table, "NbPartsPPAug");
    ligne.ppDim = Quantite(table, "NbPartsPPDim");
    ligne.npAug = Quantite(table, "NbPartsNPAug");
    ligne.npDim = Quantite(table, "NbPartsNPDim");
    ligne.uAug = Quantite(table, "NbPartsUAug");
    ligne.uDim = Quantite(table, "NbPartsUDim");
    return ligne;
}

int LireIdDetail(db::CTable& table) { return table.FieldByName("AutoID").AsInteger(); }
int LireIdAssoDetail(db::CTable& table) { return table.FieldByName("IdAsso").AsInteger(); }
void EcrireNomAssoDetail(db::CTable& table, const std::string& nom) { table.FieldByName("NomAsso").SetAsString(nom); }

std::optional<int> LireIdMouvementDetail(db::CTable& table) {
    const db::Field& id = table.FieldByName("IdMouv");
    return id.IsNull() ? std::nullopt : std::optional<int>(id.AsInteger());
}

void EcrireDetail(db::CTable& table, const cDetailMouvementParts& detail, int idMouvement) {
    table.FieldByName("IdMouv").SetAsInteger(idMouvement);
    table.FieldByName("IdAsso").SetAsInteger(detail.IdAsso);
    const std::optional<ColonnesQuantite> colonnes = ColonnesDe(detail.TypeParts);
    if (!colonnes) return;
    if (detail.NbParts > 0) table.FieldByName(colonnes->augmentation).SetAsFloat(detail.NbParts);
    else table.FieldByName(colonnes->diminution).SetAsFloat(std::fabs(detail.NbParts));
}

}  // namespace kvarn::movements
