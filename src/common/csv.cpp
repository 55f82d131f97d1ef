#include "common/csv.hpp"

#include "common/dates.hpp"

#include <charconv>
#include <cmath>

namespace kvarn {

CsvWriter::CsvWriter(bool byteOrderMark) {
    if (byteOrderMark) out_ = "\xEF\xBB\xBF";
}

void CsvWriter::Separate() {
    if (rowStarted_) out_ += ';';
    rowStarted_ = true;
}

CsvWriter& CsvWriter::Text(std::string_view value) {
    Separate();
    std::string cell;
    if (!value.empty() && std::string_view("=+-@").find(value.front()) != std::string_view::npos) cell = "'";
    cell += value;
    if (cell.find_first_of(";\"\r\n") == std::string::npos) {
        out_ += cell;
        return *this;
    }
    out_ += '"';
    for (const char c : cell) {
        if (c == '"') out_ += '"';
        out_ += c;
    }
    out_ += '"';
    return *this;
}

CsvWriter& CsvWriter::Number(double value) {
    if (!std::isfinite(value)) return Empty();
    Separate();
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    for (char* c = buffer; c != end; ++c) out_ += *c == '.' ? ',' : *c;
    return *this;
}

CsvWriter& CsvWriter::Number(std::optional<double> value) { return value ? Number(*value) : Empty(); }

CsvWriter& CsvWriter::Integer(long long value) {
    Separate();
    out_ += std::to_string(value);
    return *this;
}

CsvWriter& CsvWriter::Integer(std::optional<long long> value) { return value ? Integer(*value) : Empty(); }

CsvWriter& CsvWriter::Date(double dayCount) {
    if (dayCount == 0) return Empty();
    Separate();
    out_ += FormatDate(dayCount);
    return *this;
}

CsvWriter& CsvWriter::Empty() {
    Separate();
    return *this;
}

CsvWriter& CsvWriter::EndRow() {
    out_ += "\r\n";
    rowStarted_ = false;
    return *this;
}

}  // namespace kvarn
