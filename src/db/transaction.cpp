#include "db/transaction.hpp"

#include "db/session.hpp"

#include <exception>

namespace kvarn::db {

Transaction::Transaction(Session& session)
    : connection_(&session.connection()), uncaughtAtStart_(std::uncaught_exceptions()) {
    connection_->BeginTransaction();
}

Transaction::~Transaction() noexcept(false) {
    if (ended_) return;
    if (std::uncaught_exceptions() > uncaughtAtStart_) {
        ended_ = true;
        try {
            connection_->RollbackTransaction();
        } catch (...) {
            // Raising here would end the process; the exception in flight already tells the
            // caller that the work stopped.
        }
        return;
    }
    Commit();
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
