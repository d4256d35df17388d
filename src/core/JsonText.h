#pragma once

#include <string>
#include <string_view>

namespace torvex {

// `text` as a JSON string, quotes included. Every control character (below 0x20, and DEL) is
// escaped, and a byte that is not part of well-formed UTF-8 becomes U+FFFD, so the result is
// valid JSON whatever the bytes (file names on Linux need not be UTF-8). A lone surrogate in
// the generalised form that text read from UTF-16 holds is escaped as \udXXX, which
// readJson gives back as it was.
std::string jsonQuoted(std::string_view text);

} // namespace torvex
