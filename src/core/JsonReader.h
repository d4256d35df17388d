#pragma once

#include "core/Error.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvex {

// A JSON value as read: strings are UTF-8 (a lone escaped surrogate kept in the generalised
// form appendCodePoint writes), numbers keep their text, members keep their order.
struct JsonValue
{
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text; // a string's value, a number's text
    std::vector<JsonValue> items; // an array's
    std::vector<std::pair<std::string, JsonValue>> members; // an object's
    std::size_t line = 1; // where the value starts, from 1
    std::size_t column = 1;

    // The member named `name`, nullptr when there is none.
    const JsonValue *member(std::string_view name) const;
};

// Text that is not JSON as RFC 8259 has it: what() is "line L, column C: <what is wrong>".
struct JsonSyntaxError : TorvexError
{
    using TorvexError::TorvexError;
};

// Reads one JSON text, strictly: no comments, no trailing commas, no bytes that are not
// UTF-8, no duplicate member names, nothing but white space after the value, and no deeper
// nesting than `maxDepth` arrays and objects. Throws JsonSyntaxError.
JsonValue readJson(std::string_view text, std::size_t maxDepth = 2000);

} // namespace torvex
