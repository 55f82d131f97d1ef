// The journal of the files a transaction changes beside the dossier's database.
//
// Work that changes the database and files of the dossier directory all or nothing (the
// year-end closing, its undo) cannot commit the files with the rows. So it records, inside its
// transaction, in table "pending_files" of the dossier database, the content each file is to hold
// once the transaction is committed (NULL: the file is to go), and creates the marker file
// "kvarn.sqlite-pending" before COMMIT. After COMMIT it writes the files, deletes the rows and
// removes the marker. A run cut before COMMIT leaves no row (the rollback takes them), so the
// files are the old ones; a run cut after it leaves rows that the next opening of the database
// writes out (Session::OpenDossier). The marker lets a program that reads the files without
// opening the database know that it must open it first.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kvarn::db {

class Connection;

inline constexpr const char* PENDING_FILES_TABLE = "pending_files";
inline constexpr const char* PENDING_MARKER_FILE = "kvarn.sqlite-pending";

// Whether the marker is in `dossierDir`.
bool PendingFilesMarked(const std::filesystem::path& dossierDir);

// Records, in the transaction open on `connection`, the content `name` (a file of the dossier
// directory) is to hold after COMMIT; nullopt removes it. A second record of a name replaces the
// first.
void RecordPendingFile(Connection& connection, std::string_view name, const std::optional<std::string>& content);

// Creates the marker and flushes it to the disk; to be called before COMMIT.
void MarkPendingFiles(const std::filesystem::path& dossierDir);

// Writes out every recorded file (each replaced atomically), deletes the rows, removes the marker.
// `afterEachFile`, when given, is called after each file written and once more before the marker
// goes (fault injection). Nothing to do without the table; a marker without rows only goes.
void FinishPendingFiles(Connection& connection, const std::filesystem::path& dossierDir,
                        const std::function<void()>& afterEachFile = {});

}  // namespace kvarn::db
