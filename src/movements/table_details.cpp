#include "movements/table_details.hpp"

#include "db/statement.hpp"
#include "movements/codes_mouvement.hpp"

#include <cmath>

namespace kvarn::movements {
namespace {

std::optional<double> Quantite(const db::Field& champ) {
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

LigneDetail ColonnesDetail::Lire() const {
    return {IdAsso(),           Quantite(ppAug_), Quantite(ppDim_), Quantite(npAug_),
            Quantite(npDim_), Quantite(uAug_),  Quantite(uDim_)};
}

void ParcourirLignesDetail(db::Session& session, const std::function<void(int, const LigneDetail&)>& lire) {
    ParcourirLignesDetailNumerotees(session, [&](int idMouvement, int, const LigneDetail& ligne) { lire(idMouvement, ligne); });
}

void ParcourirLignesDetailNumerotees(db::Session& session,
                                     const std::function<void(int, int, const LigneDetail&)>& lire) {
    db::Statement lignes(session.connection().Handle(),
                         "SELECT IdMouv, IdAsso, NbPartsPPAug, NbPartsPPDim, NbPartsNPAug, NbPartsNPDim, NbPartsUAug, "
                         "NbPartsUDim, AutoID FROM KOLMIKVP ORDER BY AutoID");
    const auto quantite = [&](int colonne) {
        return lignes.ColumnIsNull(colonne) ? std::nullopt : std::optional<double>(lignes.ColumnReal(colonne));
    };
    while (lignes.Step()) {
        if (lignes.ColumnIsNull(0)) continue;
        const LigneDetail ligne{static_cast<int>(lignes.ColumnInteger(1)), quantite(2), quantite(3), quantite(4),
                                quantite(5), quantite(6), quantite(7)};
        lire(static_cast<int>(lignes.ColumnInteger(0)), static_cast<int>(lignes.ColumnInteger(8)), ligne);
    }
}

LigneDetail LireLigneDetail(db::CTable& table) { return ColonnesDetail(table).Lire(); }
int LireIdAssoDetail(db::CTable& table) { return table.FieldByName("IdAsso").AsInteger(); }
void EcrireNomAssoDetail(db::CTable& table, const std::string& nom) { table.FieldByName("NomAsso").SetAsString(nom); }

void EcrireLigneDetail(db::CTable& table, const LigneDetail& ligne, int idMouvement) {
    table.FieldByName("IdMouv").SetAsInteger(idMouvement);
    table.FieldByName("IdAsso").SetAsInteger(ligne.idAsso);
    for (const Colonne colonne : kColonnes) {
        db::Field& champ = table.FieldByName(NomColonne(colonne));
        if (const std::optional<double>& q = Quantite(ligne, colonne)) champ.SetAsFloat(*q);
        else champ.Clear();
    }
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
