// Associe::Creer: one associate written into the associates table from a record.
//
// The table is used as it stands when someone holds it, else held here with the list's standing
// filter in company-name order. The row is found by its exact name and first names (the screens
// create an associate under a name, and a second creation under that name updates it).
#include "associates/creation_associe.hpp"

#include <kvarn/associe.hpp>

#include "associates/liste_associes.hpp"
#include "associates/table_associes.hpp"
#include "db/session.hpp"
#include "db/table.hpp"
#include "environment/tables_dossier.hpp"
#include "frame/exports_proteges.hpp"

#include <optional>
#include <vector>

namespace kvarn::associates {
namespace {

bool TrouverNom(db::CTable& table, const std::string& nom, const std::string& prenoms) {
    return table.Locate("NOM;PRENOMS", std::vector<db::Value>{db::Value(nom), db::Value(prenoms)});
}

}  // namespace

int CleAssocieNomme(store::TdmKvarn& module, const std::string& nom, const std::string& prenoms) {
    db::CTable table(module.Donnees().Session());
    table.SetDatabaseName(db::ALIAS_DOSSIER);
    table.SetTableName(environment::kTableAssocies.nom);
    table.Open();
    const int cle = TrouverNom(table, nom, prenoms) ? LireCleAssocie(table) : 0;
    table.Close();
    return cle;
}

bool OuvrirSurAssocie(store::TdmKvarn& module, db::CTable& table, int idAssocie) {
    table.SetDatabaseName(module.Environnement().GetAliasDossier());
    table.SetSessionName(module.Environnement().GetNomSession());
    table.SetTableName(environment::kTableAssocies.nom);
    table.Open();
    return table.Locate("ShIDAssocie", db::Value(idAssocie));
}

}  // namespace kvarn::associates

void Associe::Creer() {
    namespace as = kvarn::associates;
    const kvarn::frame::CrochetInitKV crochet;
    kvarn::store::TdmKvarn& module = kvarn::frame::DataModuleCree();
    kvarn::db::CTable& table = module.Donnees().Composant("tblAssociesKV");
    std::optional<kvarn::store::AssociesOuverts> ouverts;
    if (!table.Active()) ouverts.emplace(module, as::ModeOuvertureAssocies(module), "IDXRAISONSOCIALE", "");
    if (as::TrouverNom(table, Nom, Prenoms)) {
        table.Edit();
    } else {
        table.Append();
        as::EcrireNomAssocie(table, *this);
    }
    as::EcrireAssocieCree(table, *this);
    table.Post();
    // Read before anything moves the cursor: a row the filter no longer shows leaves the
    // component at its next use.
    ShIDAssocie = as::LireCleAssocie(table);
}
