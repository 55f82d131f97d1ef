#include "db/row_order.hpp"

namespace kvarn::db {

void RowOrder::Assign(std::vector<std::int64_t> rows) {
    rows_ = std::move(rows);
    positions_.clear();
    positionsBuilt_ = false;
}

std::optional<std::size_t> RowOrder::PositionOf(std::int64_t rowid) {
    if (!positionsBuilt_) {
        positions_.clear();
        positions_.reserve(rows_.size());
        for (std::size_t i = 0; i < rows_.size(); ++i) positions_.emplace(rows_[i], i);
        positionsBuilt_ = true;
    }
    const auto found = positions_.find(rowid);
    if (found == positions_.end()) return std::nullopt;
    return found->second;
}

void RowOrder::Append(std::int64_t rowid) {
    rows_.push_back(rowid);
    if (positionsBuilt_) positions_.emplace(rowid, rows_.size() - 1);
}

void RowOrder::Erase(std::size_t position) {
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(position));
    positionsBuilt_ = false;
}

}  // namespace kvarn::db
