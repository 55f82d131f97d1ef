#include "db/transaction.hpp"

#include "db/session.hpp"

namespace kvarn::db {

Transaction::Transaction(Session& session) : connection_(&session.connection()) {
    connection_->BeginTransaction();
}

Transaction::~Transaction() {
    if (ended_) return;
    try {
        connection_->CommitTransaction();
    } catch (...) {
        // CommitTransaction has already rolled back what could not be committed.
    }
}

void Transaction::Commit() {
    if (ended_) return;
    ended_ = true;
    connection_->CommitTransaction();
}

void Transaction::Rollback() {
    if (ended_) return;
    ended_ = true;
    connection_->RollbackTransaction();
}

}  // namespace kvarn::db
