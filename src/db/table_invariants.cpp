// CTable: the consistency of the component's state, checked after each public operation in builds
// with assertions, as an embedded engine checks its pager's state; release builds leave it out.
//
// Each rule ties flags that the operations set in several places: the state and the cursor, the
// record buffer and its bookkeeping, the read-ahead block, the master link and the pending
// notification. A broken rule is a fault of the engine, never of the caller's data: the program
// stops naming the table and the rule, where the fault happened rather than rows later.
#include "db/table.hpp"

#ifndef NDEBUG

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace kvarn::db {
namespace {

void Require(bool holds, const std::string& table, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "CTable %s: inconsistent state (%s)\n", table.c_str(), rule);
    std::abort();
}

}  // namespace

void CTable::CheckInvariants() const {
    const auto require = [this](bool holds, const char* rule) { Require(holds, tableName_, rule); };
    require(controlsDisabled_ >= 0 && (!notificationPending_ || controlsDisabled_ > 0),
            "a notification waits only while the controls are disabled");
    require(state_ != DataSetState::CalcFields && state_ != DataSetState::Filter,
            "the calculation and filter states end with their handler");
    if (!Active()) {
        require(fields_.empty() && order_.Empty() && !current_ && changes_ == nullptr,
                "a closed component holds no field, row or counter");
        return;
    }

    // The record buffer.
    const std::size_t count = defs_.size();
    require(fields_.size() == count && values_.size() == count && modified_.size() == count &&
                fetched_.size() == count && isWanted_.size() == count && displays_.size() == count,
            "one buffer slot per field");
    require(static_cast<std::size_t>(std::count(fetched_.begin(), fetched_.end(), true)) == filled_.size() &&
                std::all_of(filled_.begin(), filled_.end(), [&](std::size_t i) { return i < count && fetched_[i]; }),
            "the filled slots are listed once each");
    for (std::size_t i = 0; i < count; ++i) require(!modified_[i] || fetched_[i], "a written slot is filled");
    require(static_cast<std::size_t>(std::count(isWanted_.begin(), isWanted_.end(), true)) == wanted_.size(),
            "the fields read so far are listed once each");
    const ReadAhead& ahead = readAhead_;
    require(ahead.used.size() == ahead.rows.size() && ahead.values.size() == ahead.rows.size() * wanted_.size() &&
                std::is_sorted(ahead.rows.begin(), ahead.rows.end()),
            "the read-ahead block holds the fields read so far of ascending keys");

    // The state and the cursor.
    const bool editing = state_ == DataSetState::Edit || state_ == DataSetState::Insert;
    require(!editing || loaded_, "the row being edited is in the buffer");
    require(state_ != DataSetState::Edit || current_.has_value(), "an edited row exists");
    require(state_ != DataSetState::Insert || current_ == beforeInsert_, "a new row keeps the row to go back to");
    require(editing || !loaded_ || std::none_of(stored_.begin(), stored_.end(), [&](std::size_t i) { return modified_[i]; }),
            "outside an edit no stored field is written");
    require(beside_ == Beside::None || (state_ == DataSetState::Browse && current_),
            "standing beside a row that left is a browsing cursor's");
    require(!linkValues_ || masterSource_ || state_ != DataSetState::Browse, "a master link needs a master");
    if (OrderOutdated() || state_ != DataSetState::Browse) return;
    require(current_.has_value() == !order_.Empty(), "a current row exactly when rows are shown");
    require(!current_ || (position_ < order_.Size() && order_.At(position_) == *current_),
            "the position names the current row");
    require(!order_.Empty() || (bof_ && eof_), "no row shown: at both ends");
}

}  // namespace kvarn::db

#endif
