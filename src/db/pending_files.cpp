#include "db/pending_files.hpp"

#include "common/atomic_file.hpp"
#include "db/connection.hpp"
#include "db/statement.hpp"

#include <utility>
#include <vector>

namespace kvarn::db {
namespace {

bool TableExists(Connection& connection) {
    Statement query(connection.Handle(), "SELECT 1 FROM sqlite_master WHERE type='table' AND name='pending_files'");
    return query.Step();
}

}  // namespace

bool PendingFilesMarked(const std::filesystem::path& dossierDir) {
    std::error_code ignore;
    return std::filesystem::exists(dossierDir / PENDING_MARKER_FILE, ignore);
}

void RecordPendingFile(Connection& connection, std::string_view name, const std::optional<std::string>& content) {
    connection.Execute("CREATE TABLE IF NOT EXISTS pending_files(name TEXT PRIMARY KEY, content BLOB)");
    Statement insert(connection.Handle(), "INSERT OR REPLACE INTO pending_files(name, content) VALUES (?, ?)");
    insert.BindText(1, name);
    if (content) insert.BindBlob(2, *content);
    else insert.BindNull(2);
    insert.Run();
}

void MarkPendingFiles(const std::filesystem::path& dossierDir) {
    WriteFileAtomically(dossierDir / PENDING_MARKER_FILE, "");
}

void FinishPendingFiles(Connection& connection, const std::filesystem::path& dossierDir,
                        const std::function<void()>& afterEachFile) {
    if (TableExists(connection)) {
        std::vector<std::pair<std::string, std::optional<std::string>>> files;
        Statement rows(connection.Handle(), "SELECT name, content FROM pending_files ORDER BY name");
        while (rows.Step())
            files.emplace_back(std::string(rows.ColumnText(0)),
                               rows.ColumnIsNull(1) ? std::nullopt : std::optional<std::string>(rows.ColumnText(1)));
        for (const auto& [name, content] : files) {
            // Writing again what a cut run already wrote gives the same file: finishing is safe
            // to repeat until the rows are gone.
            if (content) WriteFileAtomically(dossierDir / name, *content);
            else std::filesystem::remove(dossierDir / name);
            if (afterEachFile) afterEachFile();
        }
        if (!files.empty()) connection.Execute("DELETE FROM pending_files");
    }
    if (afterEachFile) afterEachFile();
    if (PendingFilesMarked(dossierDir)) std::filesystem::remove(dossierDir / PENDING_MARKER_FILE);
}

}  // namespace kvarn::db
