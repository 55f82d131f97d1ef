// A small JSON writer for the --json output of the commands: objects and arrays written in order,
// texts escaped, numbers as they are. Output is UTF-8, one document per command.
#pragma once

#include <string>
#include <string_view>

namespace kvarn::cli {

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view value);
    JsonWriter& Number(double value);
    JsonWriter& Integer(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    // Key and value in one call.
    JsonWriter& Field(std::string_view key, std::string_view value) { return Key(key).String(value); }
    JsonWriter& Field(std::string_view key, const char* value) { return Key(key).String(value); }
    JsonWriter& Field(std::string_view key, long long value) { return Key(key).Integer(value); }
    JsonWriter& Field(std::string_view key, int value) { return Key(key).Integer(value); }
    JsonWriter& Field(std::string_view key, bool value) { return Key(key).Bool(value); }

    const std::string& str() const { return out_; }

private:
    void Separate();
    std::string out_;
    bool needComma_ = false;
};

}  // namespace kvarn::cli
