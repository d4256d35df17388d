#pragma once

#include <string>
#include <string_view>

namespace torvex {

// Text helpers shared by every part of the core. Windows compares names (ini keys, registry
// keys and values, file names, environment variables) without regard to the case of ASCII
// letters only, whatever the locale; these helpers do the same. Text is UTF-8.

// `c` made lower case when it is an ASCII letter A-Z; any other byte as it is.
constexpr char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// `c` made upper case when it is an ASCII letter a-z; any other byte as it is.
constexpr char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Returns `text` with the ASCII letters A-Z made lower case; other bytes are kept.
std::string asciiLower(std::string_view text);

// True when `a` and `b` are equal apart from the case of ASCII letters.
bool equalsNoCase(std::string_view a, std::string_view b);

// True when `a` sorts before `b` with ASCII letters compared as lower case, byte by byte.
bool lessNoCase(std::string_view a, std::string_view b);

// The first `maxCharacters` characters of UTF-8 `text`, never splitting a multi-byte
// sequence; the whole text when it is not longer.
std::string_view leadingCharacters(std::string_view text, std::size_t maxCharacters);

// The longest beginning of UTF-8 `text` of at most `maxBytes` bytes that ends between two
// characters.
std::string_view leadingBytes(std::string_view text, std::size_t maxBytes);

// The length (1 to 4) of the well-formed UTF-8 sequence that begins at text[at]; 0 for a
// byte that begins none (a stray continuation byte, a cut or overlong sequence, a
// surrogate, a code point above U+10FFFF).
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

// Appends the UTF-8 sequence of `cp` to `out`, as it is: a surrogate takes three bytes, as
// in the working form of a UTF-16 text whose units do not pair.
void appendUtf8Sequence(std::string &out, char32_t cp);

// `text` made safe to show on a terminal: control characters (C0, DEL) as their visible
// pictures (U+2400 to U+241F, U+2421), C1 control characters and bytes that are not
// well-formed UTF-8 as U+FFFD. Anything else is kept.
std::string visibleText(std::string_view text);

} // namespace torvex
