#include "store/empreinte_dossier.hpp"

#include "common/codepage.hpp"
#include "common/ini_document.hpp"
#include "db/connection.hpp"
#include "db/identifiers.hpp"
#include "db/statement.hpp"
#include "store/schema.hpp"

#include <bit>
#include <string_view>

namespace kvarn::store {
namespace {

class Fnv1a64 {
public:
    void Octets(std::string_view octets) {
        for (const char c : octets) {
            valeur_ ^= static_cast<unsigned char>(c);
            valeur_ *= 0x100000001b3ULL;
        }
    }
    void Nombre(std::uint64_t nombre) {
        char octets[8];
        for (int i = 0; i < 8; ++i) octets[i] = static_cast<char>(nombre >> (8 * i) & 0xFF);
        Octets(std::string_view(octets, sizeof octets));
    }
    void Texte(std::string_view texte) {
        Nombre(texte.size());
        Octets(texte);
    }
    std::uint64_t Valeur() const { return valeur_; }

private:
    std::uint64_t valeur_ = 0xcbf29ce484222325ULL;
};

std::vector<std::string> Colonnes(db::Connection& connexion, const std::string& table) {
    std::vector<std::string> colonnes;
    db::Statement info(connexion.Handle(), "PRAGMA main.table_info(" + db::QuoteIdentifier(table) + ")");
    while (info.Step()) colonnes.emplace_back(info.ColumnText(1));
    return colonnes;
}

// Each value read with its SQLite type beside it, so that the type goes into the digest and the
// value is read as what it is (a real by its bits, not through a text rendering).
void AjouterTable(Fnv1a64& empreinte, db::Connection& connexion, const std::string& table) {
    empreinte.Texte(table);
    const std::vector<std::string> colonnes = Colonnes(connexion, table);
    empreinte.Nombre(colonnes.size());
    if (colonnes.empty()) return;  // no such table
    std::string liste;
    for (const std::string& colonne : colonnes)
        liste += (liste.empty() ? "" : ", ") + std::string("typeof(") + db::QuoteIdentifier(colonne) + "), " +
                 db::QuoteIdentifier(colonne);
    db::Statement lignes(connexion.Handle(),
                         "SELECT " + liste + " FROM main." + db::QuoteIdentifier(table) + " ORDER BY rowid");
    while (lignes.Step()) {
        for (int c = 0; c < lignes.ColumnCount(); c += 2) {
            const std::string_view type = lignes.ColumnText(c);
            empreinte.Texte(type);
            if (type == "integer") empreinte.Nombre(static_cast<std::uint64_t>(lignes.ColumnInteger(c + 1)));
            else if (type == "real") empreinte.Nombre(std::bit_cast<std::uint64_t>(lignes.ColumnReal(c + 1)));
            else if (type != "null") empreinte.Texte(lignes.ColumnText(c + 1));
        }
    }
}

// The file's bytes are read as CP1252 whatever their code page: any byte string then gives valid
// text, the same for the same bytes, and the digest needs nothing more of it.
void AjouterFichier(Fnv1a64& empreinte, const std::string& octets) {
    const IniDocument document = IniDocument::Parse(ToUtf8(octets, CodePage::Ansi), "", StrayLines::Keep);
    const std::vector<std::string> sections = document.Sections();
    empreinte.Nombre(sections.size());
    for (const std::string& section : sections) {
        empreinte.Texte(section);
        const std::vector<IniDocument::Entry> entrees = document.Entries(section);
        empreinte.Nombre(entrees.size());
        for (const auto& [cle, valeur] : entrees) {
            empreinte.Texte(cle);
            empreinte.Texte(valeur);
        }
    }
}

}  // namespace

std::uint64_t EmpreinteDossier(db::Connection& connexion, const std::vector<std::string>& fichiers) {
    Fnv1a64 empreinte;
    for (const TableSpec& table : PermanentTables()) AjouterTable(empreinte, connexion, table.name);
    for (const std::string& fichier : fichiers) AjouterFichier(empreinte, fichier);
    return empreinte.Valeur();
}

}  // namespace kvarn::store
