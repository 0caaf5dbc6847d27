#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qv::cli {

// A JSON value as read by ParseStrictJson.
struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text; // a string's UTF-8 text
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    const JsonValue* member(const std::string& name) const;
};

// Reads a whole JSON text (RFC 8259: no comments, no trailing commas, nothing after the
// value but white space, nesting at most 100 deep). On failure returns false and sets
// `error` to "line L, column C: what is wrong".
bool ParseStrictJson(std::string_view text, JsonValue& value, std::string& error);

} // namespace qv::cli
