// The session: the dossier's connection and the aliases the module names its tables by.
//
// The module opens tables on two aliases: "ZOR_DOSSIER", the dossier's database
// `<dossier>/kvarn.sqlite`, and "ZOR_TMP", the working database in the process's private
// temporary directory, attached to the same connection under the schema name ZOR_TMP so that one
// statement can read both. Paths are given by the caller (the environment knows the directories);
// the session only opens them. While open, the session holds the dossier against other
// processes (DossierLock).
//
// Table names as the module writes them ("kolmikv1.db", "KOLMIKV1.DB", "MouvementKV") are
// matched without regard to case and without the ".db" suffix; whether a table exists is asked
// of the catalogue. Table components and transactions refer to the session, which must outlive
// them; closing the session closes the components still open on it.
#pragma once

#include "db/connection.hpp"
#include "db/dossier_lock.hpp"

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::db {

inline constexpr const char* ALIAS_DOSSIER = "ZOR_DOSSIER";
inline constexpr const char* ALIAS_TMP = "ZOR_TMP";
inline constexpr const char* DOSSIER_DATABASE_FILE = "kvarn.sqlite";

// What the session tells the components open on it when it closes.
class SessionClient {
public:
    virtual ~SessionClient() = default;
    virtual void SessionClosing() = 0;
    // Whether the client holds that table (schema as SchemaOfAlias gives it) open.
    virtual bool HoldsTable(std::string_view schema, std::string_view table) const = 0;
};

struct SessionOptions {
    // How long a second process waits for the dossier, and SQLite for a busy file.
    std::chrono::milliseconds busyTimeout{3000};
};

class Session {
public:
    explicit Session(std::string name = {}, SessionOptions options = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const std::string& SessionName() const { return name_; }

    // Opens `<dossierDir>/kvarn.sqlite` (created empty when missing) as "ZOR_DOSSIER"; indexes
    // of the earlier layout are brought to the plain one (catalogue.hpp).
    void OpenDossier(const std::filesystem::path& dossierDir);
    // Attaches the working database file as "ZOR_TMP" (created when missing).
    void AttachTemporary(const std::filesystem::path& file);
    void Close();
    bool Active() const { return connection_ != nullptr; }

    Connection& connection();

    // The schema an alias stands for ("main" or "ZOR_TMP"); DbError for an unknown or closed
    // alias.
    std::string SchemaOfAlias(std::string_view alias) const;

    // Components open on the session register while open.
    void Register(SessionClient& client);
    void Unregister(SessionClient& client);
    // Whether a client other than `except` holds the table open.
    bool TableHeldByOther(std::string_view schema, std::string_view table, const SessionClient* except) const;

    // The table's name as the catalogue spells it, or nullopt when it does not exist.
    std::optional<std::string> FindTable(std::string_view alias, std::string_view tableName);
    bool TableExists(std::string_view alias, std::string_view tableName);

private:
    std::string name_;
    SessionOptions options_;
    std::unique_ptr<DossierLock> lock_;
    std::unique_ptr<Connection> connection_;
    std::vector<SessionClient*> clients_;
};

}  // namespace kvarn::db
