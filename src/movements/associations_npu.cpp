#include "movements/associations_npu.hpp"

#include "db/query.hpp"
#include "environment/tables_dossier.hpp"
#include "movements/calcul_positions.hpp"
#include "movements/liens.hpp"
#include "movements/operation_protegee.hpp"
#include "movements/table_asso_npu.hpp"
#include "movements/table_mouvements.hpp"

#include <kvarn/mouvements.hpp>

#include <utility>

namespace kvarn::movements {
namespace {

// Each statement as two lines: what it deletes from, and which rows.
constexpr std::pair<const char*, const char*> kNettoyages[] = {
    {"DELETE FROM KOLMIKVA A",
     "WHERE IDMOUV<> 0 AND IDNP IN (SELECT IDASSO FROM KOLMIKVP P LEFT OUTER JOIN KOLMIKVM M ON "
     "(P.IDMOUV=M.AUTOID) WHERE M.TYPEMOUVEMENT<>6 AND NbPartsUAug IS NULL AND NbPartsNPAug IS NULL AND "
     "NbPartsPPDim IS NULL AND P.IdMouv=A.IdMouv)"},
    {"DELETE FROM KOLMIKVA A", "WHERE IDMOUV<> 0 AND IDMOUV NOT IN (SELECT AUTOID FROM KOLMIKVM)"},
    {"DELETE FROM KOLMIKVA A",
     "WHERE IDMOUV=0 AND IDNP NOT IN (SELECT IDASSOCIE FROM ':ZOR_TMP:MouvementKV' WHERE NBPARTSN<>0.00)"},
};

std::unordered_map<int, MouvementLie> TypesEtCedants(store::TdmKvarn& module) {
    db::CTable mouvements(module.Donnees().Session());
    mouvements.SetDatabaseName(module.Environnement().GetAliasDossier());
    mouvements.SetSessionName(module.Environnement().GetNomSession());
    mouvements.SetTableName(environment::kTableMouvementParts.nom);
    mouvements.Open();
    std::unordered_map<int, MouvementLie> lus;
    for (mouvements.First(); !mouvements.Eof(); mouvements.Next()) {
        const TypeEtCedant lu = LireTypeEtCedant(mouvements);
        lus[lu.autoID] = {lu.type, lu.idCedant};
    }
    return lus;
}

}  // namespace

std::vector<cAssoNPU> LiensChiffres(store::TdmKvarn& module) {
    const db::CalcFieldsSuspended suspendu(module.Donnees().Composant("tblAssoNPU"));  // stored columns only
    db::CTable& table = OuvrirLiens(module);
    std::vector<cAssoNPU> liens;
    try {
        for (table.First(); !table.Eof(); table.Next())
            if (const std::optional<cAssoNPU> lien = LireLienChiffre(table)) liens.push_back(*lien);
    } catch (...) {
        table.Close();
        throw;
    }
    table.Close();
    return liens;
}

void NettoyerAssoNPU(store::TdmKvarn& module) {
    if (!PositionsAJour(module)) CalculerPositionsAssocies(module, false, 0.0);
    db::CQuery requete(module.Donnees().Session());
    requete.SetDatabaseName(module.Environnement().GetAliasDossier());
    for (const auto& [table, condition] : kNettoyages) {
        requete.SQL().Clear();
        requete.SQL().Add(table);
        requete.SQL().Add(condition);
        requete.ExecSQL();
    }
    // The statements told every component that rows changed; KOLMIKV1 did not.
    ConfirmerPositionsAJour(module);
}

CarteNPU ConstruireAssociationsNPU(store::TdmKvarn& module) {
    NettoyerAssoNPU(module);
    return AssocierNPU(TypesEtCedants(module), LiensChiffres(module));
}

}  // namespace kvarn::movements

void RecupererUsufruitiers(int idNuProprietaire, std::vector<cUsufruitier>& usufruitiers) {
    namespace mv = kvarn::movements;
    usufruitiers.clear();
    mv::ExecuterExporte(mv::Place::RecupererUsufruitiers, [&](kvarn::store::TdmKvarn& module) {
        usufruitiers = mv::Usufruitiers(mv::ConstruireAssociationsNPU(module), idNuProprietaire);
    });
}
