#include "json.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kvarn::cli {

void JsonWriter::Separate() {
    if (needComma_) out_ += ',';
    needComma_ = true;
}

JsonWriter& JsonWriter::BeginObject() { Separate(); out_ += '{'; needComma_ = false; return *this; }
JsonWriter& JsonWriter::EndObject() { out_ += '}'; needComma_ = true; return *this; }
JsonWriter& JsonWriter::BeginArray() { Separate(); out_ += '['; needComma_ = false; return *this; }
JsonWriter& JsonWriter::EndArray() { out_ += ']'; needComma_ = true; return *this; }

JsonWriter& JsonWriter::Key(std::string_view key) {
    String(key);
    out_ += ':';
    needComma_ = false;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view value) {
    Separate();
    out_ += '"';
    for (const char c : value) {
        switch (c) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\n': out_ += "\\n"; break;
            case '\r': out_ += "\\r"; break;
            case '\t': out_ += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out_ += escaped;
                } else {
                    out_ += c;
                }
        }
    }
    out_ += '"';
    return *this;
}

JsonWriter& JsonWriter::Number(double value) {
    if (!std::isfinite(value)) return Null();
    Separate();
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out_.append(buffer, result.ptr);
    return *this;
}

JsonWriter& JsonWriter::Integer(long long value) { Separate(); out_ += std::to_string(value); return *this; }
JsonWriter& JsonWriter::Bool(bool value) { Separate(); out_ += value ? "true" : "false"; return *this; }
JsonWriter& JsonWriter::Null() { Separate(); out_ += "null"; return *this; }

}  // namespace kvarn::cli
