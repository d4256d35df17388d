#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace torvex {

// Conversions between the UTF-16 of the registry and the UTF-8 of the core.

// Appends the UTF-8 form of the code point `cp` to `out` (U+FFFD for an invalid one).
void appendUtf8(std::string &out, char32_t cp);

// Decodes UTF-16 code units (lone surrogates become U+FFFD) and returns UTF-8.
std::string utf16ToUtf8(std::u16string_view units);

} // namespace torvex
