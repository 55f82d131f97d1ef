#include "movements/lecture_registre.hpp"

#include "environment/gest_trp_ini.hpp"
#include "environment/tables_dossier.hpp"
#include "frame/etat_module.hpp"
#include "movements/associations_npu.hpp"
#include "movements/calcul_positions.hpp"
#include "movements/liste_en_cache.hpp"
#include "movements/synthese_mouvements.hpp"

#include <functional>

namespace kvarn::movements {
namespace {

EnteteRegistre Entete(store::TdmKvarn& module) {
    environment::cEnvironKV& env = module.Environnement();
    EnteteRegistre entete;
    entete.raisonSociale = env.GetRaisonSociale();
    entete.siren = env.GetSirenDossier();
    entete.debut = env.GetDateDebEx();
    entete.fin = env.GetDateFinEx();
    entete.dateSituation = env.GetDateSituation();
    entete.nbPartsDeclarees = frame::Parametres().GetAssInteger(environment::kSectionKV, "NbParts", 0);
    return entete;
}

// Walks a working table in the order of one of its indexes (none: key order).
void Parcourir(store::TdmKvarn& module, const char* nom, const char* index,
               const std::function<void(db::CTable&)>& lire) {
    db::CTable table(module.Donnees().Session());
    table.SetDatabaseName(module.Environnement().GetAliasTmp());
    table.SetTableName(nom);
    table.SetIndexName(index);
    table.Open();
    for (table.First(); !table.Eof(); table.Next()) lire(table);
}

}  // namespace

Registre ConstruireRegistre(store::TdmKvarn& module) {
    SourcesRegistre sources;
    sources.entete = Entete(module);
    CalculerPositionsAssocies(module, false, 0.0);
    sources.synthese = InitialiserSyntheseMouvements(module);
    sources.carte = ConstruireAssociationsNPU(module);
    sources.liens = LiensChiffres(module);
    ChargerMouvements(module);
    sources.mouvements = &module.EtatDe<EtatMouvements>().liste;
    Parcourir(module, environment::kTableMouvementTmp, kIndexIdAssocie,
              [&](db::CTable& t) { sources.positions.push_back(LirePositionStockee(t)); });
    return ComposerRegistre(sources);
}

}  // namespace kvarn::movements
