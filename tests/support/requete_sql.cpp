#include "support/requete_sql.hpp"

#include "db/query.hpp"
#include "db/statement.hpp"
#include "frame/etat_module.hpp"

namespace kvarn::testing_support {

std::string ValeurSql(const std::string& select, const char* alias) {
    db::CQuery q(frame::DataModule()->Donnees().Session());
    q.SetDatabaseName(alias);
    q.SQL().Add(select);
    q.Open();
    return q.Fields(0).IsNull() ? "NULL" : q.Fields(0).AsString();
}

int CompterSql(const std::string& fromWhere, const char* alias) {
    return std::stoi(ValeurSql("SELECT COUNT(*) FROM " + fromWhere, alias));
}

void ExecuterSql(const std::string& statement, const char* alias) {
    db::CQuery q(frame::DataModule()->Donnees().Session());
    q.SetDatabaseName(alias);
    q.SQL().Add(statement);
    q.ExecSQL();
}

std::string LignesSql(const std::string& select) {
    db::Statement s(frame::DataModule()->Donnees().Session().connection().Handle(), select);
    std::string texte;
    while (s.Step()) {
        for (int c = 0; c < s.ColumnCount(); ++c)
            texte += (c ? "|" : "") + (s.ColumnIsNull(c) ? std::string("NULL") : std::string(s.ColumnText(c)));
        texte += ";";
    }
    return texte;
}

void AjouterLigne(db::CTable& table, const Colonnes& colonnes) {
    table.Append();
    for (const auto& [nom, valeur] : colonnes) table.FieldByName(nom).SetValue(valeur);
    table.Post();
}

}  // namespace kvarn::testing_support
