#include "core/JsonText.h"

#include "core/Text.h"

#include <cstdio>

namespace torvex {

namespace {

// The generalised UTF-8 form of a surrogate code point (U+D800 to U+DFFF): ED A0..BF 80..BF.
bool isSurrogateForm(std::string_view text)
{
    return text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xED
        && (static_cast<unsigned char>(text[1]) & 0xE0) == 0xA0
        && (static_cast<unsigned char>(text[2]) & 0xC0) == 0x80;
}

unsigned surrogateOf(std::string_view text)
{
    return 0xD000u | ((static_cast<unsigned char>(text[1]) & 0x3Fu) << 6)
        | (static_cast<unsigned char>(text[2]) & 0x3Fu);
}

} // namespace

std::string jsonQuoted(std::string_view text)
{
    std::string out = "\"";
    while (!text.empty()) {
        const char c = text.front();
        const auto code = static_cast<unsigned char>(c);
        const std::size_t length = utf8SequenceLength(text, 0);
        if (length == 0 && isSurrogateForm(text)) {
            // A lone surrogate, as text read from UTF-16 may hold: escaped as such, so that a
            // reader gets back the same text.
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", surrogateOf(text));
            out += escaped;
            text.remove_prefix(3);
            continue;
        }
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (code < 0x20 || code == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(code));
            out += escaped;
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return out + '"';
}

} // namespace torvex
