#include "db/session.hpp"

#include "common/text.hpp"
#include "db/catalogue.hpp"
#include "db/errors.hpp"
#include "db/identifiers.hpp"
#include "db/pending_files.hpp"
#include "db/statement.hpp"

namespace kvarn::db {

Session::Session(std::string name, SessionOptions options)
    : name_(std::move(name)), options_(options) {}

Session::~Session() { Close(); }

void Session::OpenDossier(const std::filesystem::path& dossierDir) {
    Close();
    std::error_code error;
    if (!std::filesystem::is_directory(dossierDir, error))
        throw DbError("Le répertoire du dossier « " + dossierDir.string() + " » n'existe pas");
    const std::filesystem::path file = dossierDir / DOSSIER_DATABASE_FILE;
    auto lock = std::make_unique<DossierLock>(file, options_.busyTimeout);
    connection_ = std::make_unique<Connection>(file, options_.busyTimeout);
    lock_ = std::move(lock);
    try {
        // A closing cut after its commit left the files it changed to write: do it before
        // anything reads them.
        FinishPendingFiles(*connection_, dossierDir);
        PlainIndexes(*this, ALIAS_DOSSIER);
    } catch (...) {
        Close();
        throw;
    }
}

void Session::AttachTemporary(const std::filesystem::path& file) {
    // Working tables are rebuilt from the dossier whenever needed: they need not wait for the disk.
    connection().Attach(file, ALIAS_TMP, false);
    PlainIndexes(*this, ALIAS_TMP);
}

void Session::Close() {
    while (!clients_.empty()) clients_.back()->SessionClosing();  // each one unregisters
    std::filesystem::path journal;
    if (connection_) journal = connection_->File().string() + "-journal";
    connection_.reset();  // SQLite closes the file before the lock's descriptor goes
    // A truncated journal is an empty file that SQLite leaves behind: remove it so that a closed
    // dossier is its database file alone. A journal with content is a transaction to roll back
    // at the next opening and is never touched.
    std::error_code ignored;
    if (!journal.empty() && std::filesystem::exists(journal, ignored) &&
        std::filesystem::file_size(journal, ignored) == 0)
        std::filesystem::remove(journal, ignored);
    lock_.reset();
}

void Session::Register(SessionClient& client) { clients_.push_back(&client); }

void Session::Unregister(SessionClient& client) {
    std::erase(clients_, &client);
}

bool Session::TableHeldByOther(std::string_view schema, std::string_view table,
                               const SessionClient* except) const {
    for (const SessionClient* client : clients_)
        if (client != except && client->HoldsTable(schema, table)) return true;
    return false;
}

Connection& Session::connection() {
    if (!connection_) throw DbError("Aucun dossier n'est ouvert");
    return *connection_;
}

std::string Session::SchemaOfAlias(std::string_view alias) const {
    if (EqualsIgnoringCase(alias, ALIAS_DOSSIER)) {
        if (!connection_) throw DbError("Aucun dossier n'est ouvert");
        return "main";
    }
    if (EqualsIgnoringCase(alias, ALIAS_TMP)) {
        if (!connection_ || !connection_->IsAttached(ALIAS_TMP))
            throw DbError("La base temporaire « ZOR_TMP » n'est pas ouverte");
        return ALIAS_TMP;
    }
    throw DbError("Alias de base de données inconnu : « " + std::string(alias) + " »");
}

std::optional<std::string> Session::FindTable(std::string_view alias, std::string_view tableName) {
    Statement find(connection().Handle(),
                   "SELECT name FROM " + SchemaOfAlias(alias) +
                       ".sqlite_master WHERE type='table' AND name=?1 COLLATE NOCASE");
    find.BindText(1, WithoutDbSuffix(tableName));
    std::optional<std::string> name;
    if (find.Step()) name = std::string(find.ColumnText(0));
    find.Reset();
    return name;
}

bool Session::TableExists(std::string_view alias, std::string_view tableName) {
    return FindTable(alias, tableName).has_value();
}

}  // namespace kvarn::db
