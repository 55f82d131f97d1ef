// The rows a statement on the started dossier returns, as one text: columns joined by "|", rows
// ended by ";", NULL for a null, numbers as SQLite writes them ("12.5", "70.0").
#pragma once

#include "db/statement.hpp"
#include "frame/etat_module.hpp"

#include <string>

namespace kvarn::migration {

inline std::string Lignes(const std::string& sql) {
    db::Statement s(frame::DataModule()->Donnees().Session().connection().Handle(), sql);
    std::string texte;
    while (s.Step()) {
        for (int c = 0; c < s.ColumnCount(); ++c)
            texte += (c ? "|" : "") + (s.ColumnIsNull(c) ? std::string("NULL") : std::string(s.ColumnText(c)));
        texte += ";";
    }
    return texte;
}

}  // namespace kvarn::migration
