#include "taxadj/associes_divers.hpp"

#include "common/text.hpp"

namespace kvarn::taxadj {
namespace {

constexpr const char* kComposant = "tblAssociesKVTraitement";
constexpr const char* kCle = "SHIDASSOCIE";
constexpr const char* kExoTVA = "ExoTVA";
constexpr const char* kNom = "Nom";
constexpr const char* kPrenoms = "Prenoms";

// Runs `action` on the associate's row; nullopt when no associate has that key.
template <class Action>
auto SurAssocie(store::TdmKvarn& module, int idAssocie, Action&& action) -> std::optional<decltype(action(
    std::declval<db::CTable&>()))> {
    db::CTable& associes = module.Donnees().Composant(kComposant);
    const bool ouvert = associes.Active();
    if (!ouvert) associes.Open();
    struct Refermer {
        db::CTable& table;
        bool garder;
        ~Refermer() {
            if (!garder) table.Close();
        }
    } refermer{associes, ouvert};
    if (!associes.Locate(kCle, db::Value(idAssocie))) return std::nullopt;
    return action(associes);
}

}  // namespace

std::optional<bool> LireExoTVA(store::TdmKvarn& module, int idAssocie) {
    return SurAssocie(module, idAssocie, [](db::CTable& associes) { return associes.FieldByName(kExoTVA).AsBoolean(); });
}

bool EcrireExoTVA(store::TdmKvarn& module, int idAssocie, bool exonere) {
    return SurAssocie(module, idAssocie, [exonere](db::CTable& associes) {
               associes.Edit();
               associes.FieldByName(kExoTVA).SetAsBoolean(exonere);
               associes.Post();
               return true;
           }).has_value();
}

std::optional<std::string> NomAssocie(store::TdmKvarn& module, int idAssocie) {
    return SurAssocie(module, idAssocie, [](db::CTable& associes) {
        return Trim(associes.FieldByName(kNom).AsString() + " " + associes.FieldByName(kPrenoms).AsString());
    });
}

}  // namespace kvarn::taxadj
