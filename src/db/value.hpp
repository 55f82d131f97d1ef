// A field value as the engine holds it in a record buffer and takes it in a Locate.
//
// Null, a whole number (Short, Long, AutoInc, Logical as 0/1), a real (Number, Money, Date as a
// day count) or a text (Alpha, UTF-8). Conversions to and from SQLite's storage happen only at the
// statement boundary (field_codec), so the buffer never depends on how a type is stored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace kvarn::db {

class Value {
public:
    Value() = default;
    Value(std::nullptr_t) {}
    Value(int v) : data_(std::int64_t{v}) {}
    Value(long v) : data_(std::int64_t{v}) {}
    Value(long long v) : data_(std::int64_t{v}) {}
    Value(bool v) : data_(std::int64_t{v ? 1 : 0}) {}
    Value(double v) : data_(v) {}
    Value(const char* v) : data_(std::string(v)) {}
    Value(std::string_view v) : data_(std::string(v)) {}
    Value(std::string v) : data_(std::move(v)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(data_); }
    bool IsInteger() const { return std::holds_alternative<std::int64_t>(data_); }
    bool IsReal() const { return std::holds_alternative<double>(data_); }
    bool IsText() const { return std::holds_alternative<std::string>(data_); }

    std::int64_t Integer() const { return std::get<std::int64_t>(data_); }
    double Real() const { return std::get<double>(data_); }
    const std::string& Text() const { return std::get<std::string>(data_); }

    friend bool operator==(const Value&, const Value&) = default;

private:
    std::variant<std::monostate, std::int64_t, double, std::string> data_;
};

}  // namespace kvarn::db
