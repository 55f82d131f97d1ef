// A transaction around a loop of posts.
//
// The module opens one around every loop that posts many rows, so that the rows reach the disk
// in one synchronous commit rather than one per row. A transaction opened inside another joins
// it: its rows are committed with the outermost one (an inner Rollback() undoes only the inner
// work, through a savepoint). Where the module catches an error inside such a loop, what was
// already posted stays: a transaction commits whatever it holds when it ends, even when it ends
// because an exception passes, unless Rollback() was called. Commit() ends it early and raises
// if the commit fails; the destructor cannot raise, so a commit failing there is rolled back and
// SQLite leaves the file as it was before the transaction.
#pragma once

namespace kvarn::db {

class Session;
class Connection;

class Transaction {
public:
    explicit Transaction(Session& session);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();
    void Rollback();

private:
    Connection* connection_;
    bool ended_ = false;
};

// Runs `work` in a transaction that is rolled back, not committed, when it fails: for work that
// makes sense only whole (creating a table with its indexes).
template <class Work>
void AllOrNothing(Session& session, Work&& work) {
    Transaction transaction(session);
    try {
        work();
    } catch (...) {
        transaction.Rollback();
        throw;
    }
    transaction.Commit();
}

}  // namespace kvarn::db
