#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace torvex {

// Small text helpers shared by the Windows view: Windows compares names (registry keys,
// value names, file names, environment variables) without regard to case.

// Returns `text` with the ASCII letters A-Z made lower case; other bytes are kept.
std::string asciiLower(std::string_view text);

// True when `a` and `b` are equal apart from the case of ASCII letters.
bool equalsNoCase(std::string_view a, std::string_view b);

// Appends the UTF-8 form of the code point `cp` to `out` (U+FFFD for an invalid one).
void appendUtf8(std::string &out, char32_t cp);

// Decodes UTF-16 code units (lone surrogates become U+FFFD) and returns UTF-8.
std::string utf16ToUtf8(std::u16string_view units);

} // namespace torvex
