#include "migration/structure_table.hpp"

#include "db/catalogue.hpp"
#include "db/identifiers.hpp"
#include "host/boites.hpp"
#include "migration/anciennes_valeurs.hpp"
#include "store/data_module.hpp"
#include "store/migrations.hpp"

namespace kvarn::migration {
namespace {

// The structure steps' place in the data module's unit, carried by the engine's errors.
constexpr std::uint32_t kPlaceStructure = 41;
constexpr std::uint32_t kLocalisation = host::CodeLocalisation(store::kUniteDataModule, kPlaceStructure);

std::string Forme(const db::FieldDef& champ) {
    std::string texte = db::TypeLabel(champ.type);
    if (champ.type == db::FieldType::Alpha) texte += " " + std::to_string(champ.size);
    return texte;
}

std::string Conservees(int nombre) {
    if (nombre == 0) return "";
    return " (" + std::to_string(nombre) + (nombre > 1 ? " valeurs conservées" : " valeur conservée") + " dans " +
           kTableAnciennesValeurs + ")";
}

}  // namespace

TableMigree::TableMigree(db::Session& session, std::string table, std::uint32_t etape)
    : session_(session), table_(std::move(table)), etape_(etape), composant_(session) {
    composant_.SetDatabaseName(db::ALIAS_DOSSIER);
    composant_.SetTableName(table_);
}

bool TableMigree::Existe() { return composant_.Exists(); }

std::optional<db::FieldDef> TableMigree::Champ(std::string_view nom) {
    const std::optional<std::string> nomCatalogue = session_.FindTable(db::ALIAS_DOSSIER, table_);
    if (!nomCatalogue) return std::nullopt;
    for (db::FieldDef& champ :
         db::ReadFields(session_.connection(), session_.SchemaOfAlias(db::ALIAS_DOSSIER), *nomCatalogue))
        if (db::AsciiUpper(champ.name) == db::AsciiUpper(nom)) return std::move(champ);
    return std::nullopt;
}

void TableMigree::Former(const db::FieldDef& forme) {
    if (!Existe()) return;
    const std::optional<db::FieldDef> avant = Champ(forme.name);
    const std::uint32_t code = db::PhysicalCode(forme.type);
    if (!avant) {
        composant_.AddField(kLocalisation, forme.name, code, 0, forme.size, false);
        store::NoterChangement(table_ + " : champ « " + forme.name + " » ajouté (" + Forme(forme) + ")");
        return;
    }
    if (avant->type == forme.type && avant->size == forme.size) return;
    const int gardees = ConserverPertes(session_, table_, *avant, forme, etape_);
    composant_.ChangeFieldType(kLocalisation, forme.name, code, forme.size);
    store::NoterChangement(table_ + " : champ « " + forme.name + " » " + Forme(*avant) + " devenu " + Forme(forme) +
                           Conservees(gardees));
}

void TableMigree::Supprimer(std::string_view nom) {
    if (!Existe()) return;
    const std::optional<db::FieldDef> avant = Champ(nom);
    if (!avant) return;
    const int gardees = ConserverColonne(session_, table_, *avant, etape_);
    composant_.DropField(kLocalisation, avant->name);
    store::NoterChangement(table_ + " : champ « " + avant->name + " » supprimé" + Conservees(gardees));
}

}  // namespace kvarn::migration
