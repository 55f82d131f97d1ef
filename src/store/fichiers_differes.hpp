// The dossier's settings file and the host's dossier record, deferred for a piece of work that
// must change them with its transaction, all or nothing (the year-end closing, a migration step).
//
// While a FichiersDifferes lives, writes to both stay in memory (reads see them). Valider records
// their future images in the transaction's journal of pending files (db/pending_files.hpp),
// creates the marker and commits; the caller then writes them out with FinishPendingFiles, or a
// later opening of the database does when the process stops first. Work that ends without
// Valider drops the writes: the next read loads the disk.
#pragma once

#include "environment/gest_trp_ini.hpp"

#include <functional>
#include <string>

namespace kvarn::host {
class CDossier;
}

namespace kvarn::db {
class Connection;
class Transaction;
}  // namespace kvarn::db

namespace kvarn::store {

// The future bytes of both files as journaled (the record's empty when the host keeps none).
struct ImagesDifferees {
    std::string parametres;
    std::string dossier;
};

class FichiersDifferes {
public:
    explicit FichiersDifferes(environment::CGestTRPIni& parametres);
    ~FichiersDifferes();
    FichiersDifferes(const FichiersDifferes&) = delete;
    FichiersDifferes& operator=(const FichiersDifferes&) = delete;

    // Journals the files' images in the transaction open on `connexion`, lets `journaliserAussi`
    // add what depends on them (the closing's record and its digest), marks the dossier
    // directory and commits.
    void Valider(db::Transaction& transaction, db::Connection& connexion,
                 const std::function<void(const ImagesDifferees&)>& journaliserAussi = {}) const;

private:
    environment::CGestTRPIni& parametres_;
    host::CDossier* dossier_ = nullptr;
};

}  // namespace kvarn::store
