#include "identification/remplacement_categories.hpp"

#include "common/text.hpp"
#include "db/table.hpp"
#include "db/transaction.hpp"
#include "environment/tables_dossier.hpp"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace kvarn::identification {
namespace {

constexpr std::array<std::string_view, 9> kPremierNiveau{"1100", "1200", "1300", "1400", "1500",
                                                         "1600", "1700", "1800", "1900"};
constexpr std::array<std::string_view, 3> kRetirees{"5498", "5720", "6588"};

bool EstParmi(std::string_view code, std::span<const std::string_view> codes) {
    return std::any_of(codes.begin(), codes.end(), [&](std::string_view c) { return EqualsIgnoringCase(code, c); });
}

void Remplacer(environment::CGestTRPIni& parametres, db::Session& session, std::span<const std::string_view> anciens,
               std::string_view nouveau) {
    if (EstParmi(parametres.GetAssString("KV", "CategorieJuridique"), anciens))
        parametres.SetAssString("KV", "CategorieJuridique", nouveau);
    db::CTable associes(session);
    associes.SetDatabaseName(db::ALIAS_DOSSIER);
    associes.SetTableName(environment::kTableAssocies.nom);
    if (!associes.Exists()) return;
    associes.Open();
    db::KeepWhatWasPosted(session, [&] {
        for (associes.First(); !associes.Eof(); associes.Next()) {
            db::Field& categorie = associes.FieldByName("CategorieJuridique");
            if (!EstParmi(categorie.AsString(), anciens)) continue;
            associes.Edit();
            categorie.SetAsString(nouveau);  // an empty text stores null
            associes.Post();
        }
    });
}

}  // namespace

void RemplacerCategoriesPremierNiveau(environment::CGestTRPIni& parametres, db::Session& session) {
    Remplacer(parametres, session, kPremierNiveau, "1000");
}

void EffacerCategoriesRetirees(environment::CGestTRPIni& parametres, db::Session& session) {
    Remplacer(parametres, session, kRetirees, "");
}

std::string CategorieDeRemplacement(std::string_view code) {
    // SARL unipersonnelle, SAS unipersonnelle, société civile laitière.
    constexpr std::array<std::string_view, kRetirees.size()> kActuelles{"5499", "5710", "6599"};
    if (EstParmi(code, kPremierNiveau)) return "1000";
    for (std::size_t i = 0; i < kRetirees.size(); ++i)
        if (EqualsIgnoringCase(code, kRetirees[i])) return std::string(kActuelles[i]);
    return {};
}

}  // namespace kvarn::identification
