#include "migration/anciennes_valeurs.hpp"

#include "db/statement.hpp"

namespace kvarn::migration {

void ConserverAncienneValeur(db::Session& session, const std::string& table, const std::string& cle,
                             const std::string& champ, const std::string& valeur, std::uint32_t etape) {
    db::Connection& connexion = session.connection();
    connexion.Execute(
        "CREATE TABLE IF NOT EXISTS AnciennesValeurs (NomTable VARCHAR(31), Cle VARCHAR(50), Champ VARCHAR(31), "
        "Valeur VARCHAR(255), Etape INTEGER)");
    db::Statement ajout(connexion.Handle(),
                        "INSERT INTO AnciennesValeurs (NomTable, Cle, Champ, Valeur, Etape) VALUES (?, ?, ?, ?, ?)");
    ajout.BindText(1, table);
    ajout.BindText(2, cle);
    ajout.BindText(3, champ);
    ajout.BindText(4, valeur);
    ajout.BindInteger(5, etape);
    ajout.Run();
}

}  // namespace kvarn::migration
