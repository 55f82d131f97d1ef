// ForwardReader: some stored fields of the rows a walk of a component visits, read in one
// statement stepped alongside the walk.
//
// A walk that reads its fields through the component fetches them by key, a block of rows at a
// time; in an order other than the key order each row of a block is a separate search of the
// table. The reader asks once for the rows the component shows (its filter text, its master's
// values, its order) with the fields named, and keeps the component walking: its events fire and
// its cursor moves as they would, only the reading is done here. At each row of the walk, OnRow
// says whether the reader holds that row; when it does, its fields hold the row's values as the
// component's would (same definitions, a text cut to the component's declared width). When it
// does not — a row the component shows that the statement never gave, because a row of the table
// was written since the reader started, the master moved, or the statement's rows went past it
// — the caller reads that row through the component. Rows the component's filter handler hides
// are stepped over. The reader never writes; it is meant for one walk while the component stays
// open, and ends its statement when it goes.
#pragma once

#include "db/field.hpp"
#include "db/statement.hpp"
#include "db/table.hpp"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace kvarn::db {

class ForwardReader final : private FieldOwner {
public:
    // The component is open; the names are stored fields it declares.
    ForwardReader(CTable& component, std::span<const std::string_view> fieldNames);
    ForwardReader(const ForwardReader&) = delete;
    ForwardReader& operator=(const ForwardReader&) = delete;

    // Whether the reader holds the component's current row; its fields then hold that row.
    bool OnRow();
    Field& FieldByName(std::string_view name);

private:
    const Value& HeldValue(std::size_t index) override { return values_[index]; }
    void SetHeldValue(std::size_t index, Value value) override;
    FieldDisplay& DisplayOf(std::size_t index) override { return displays_[index]; }

    bool Step();  // the statement's next row into the buffer; false at its end, the buffer empty

    CTable& component_;
    Statement statement_;
    std::vector<Field> fields_;
    std::vector<FieldDisplay> displays_;
    std::vector<std::size_t> indexes_;  // each field's index in the component
    std::vector<Value> values_;
    const std::uint64_t* changes_;
    std::uint64_t changesAtStart_;
    std::int64_t row_ = 0;  // the key of the row the buffer holds
    bool held_ = false;     // the buffer holds a row
    bool ended_ = false;
};

}  // namespace kvarn::db
