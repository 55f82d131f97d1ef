// A transaction around a loop of posts.
//
// The module opens one around every loop that posts many rows, so that the rows reach the disk
// in one synchronous commit rather than one per row. A transaction opened inside another joins
// it: its rows are committed with the outermost one (an inner Rollback() undoes only the inner
// work, through a savepoint).
//
// How it ends is always told to the code that ends it. Commit() raises an engine error when the
// commit fails (a full disk, an I/O error); the transaction is then rolled back, so nothing of it
// is on disk and the error says so. Rollback() undoes it. A transaction that goes out of scope
// without either commits when its scope ends normally — and a commit failing there raises its
// error from the destructor — and rolls back when an exception passes through it: that exception
// tells the caller the work stopped, and a commit whose failure could not be raised is never made.
//
// Where the module catches an error inside a loop of posts, what was already posted stays:
// KeepWhatWasPosted commits on success and on that error, before the error goes on.
#pragma once

namespace kvarn::db {

class Session;
class Connection;

class Transaction {
public:
    explicit Transaction(Session& session);
    ~Transaction() noexcept(false);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();
    void Rollback();

private:
    Connection* connection_;
    int uncaughtAtStart_;
    bool ended_ = false;
};

// Runs `work` in a transaction that is rolled back, not committed, when it fails: for work that
// makes sense only whole (creating a table with its indexes, rebuilding one).
template <class Work>
void AllOrNothing(Session& session, Work&& work) {
    Transaction transaction(session);
    work();
    transaction.Commit();
}

// Runs a loop of posts in a transaction that keeps what was posted: committed when `work` ends
// and when it fails, before its error goes on to the caller. A failing commit raises its own error
// instead, which says that nothing was kept.
template <class Work>
void KeepWhatWasPosted(Session& session, Work&& work) {
    Transaction transaction(session);
    try {
        work();
    } catch (...) {
        transaction.Commit();
        throw;
    }
    transaction.Commit();
}

}  // namespace kvarn::db
