// The rows of a table component in the component's current order.
//
// A component walks its table by position (First, Next, RecNo, RecordCount), so it keeps the
// row identifiers of its table, in index order, read in one statement when it opens or when the
// rows changed. Rows themselves are fetched one at a time by identifier when a field is read.
// Positions of identifiers are looked up through a map built on first need, so that Locate and
// bookmarks find a row's position in constant time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace kvarn::db {

class RowOrder {
public:
    void Assign(std::vector<std::int64_t> rows);
    void Clear() { Assign({}); }

    std::size_t Size() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }
    std::int64_t At(std::size_t position) const { return rows_[position]; }
    std::int64_t Back() const { return rows_.back(); }

    std::optional<std::size_t> PositionOf(std::int64_t rowid);
    void Append(std::int64_t rowid);
    void Erase(std::size_t position);

private:
    std::vector<std::int64_t> rows_;
    std::unordered_map<std::int64_t, std::size_t> positions_;
    bool positionsBuilt_ = false;
};

}  // namespace kvarn::db
