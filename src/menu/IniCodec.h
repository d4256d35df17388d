#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvex {

// The text encodings an ini file can have, told apart by its byte-order mark.
enum class IniEncoding { Windows1252, Utf8, Utf16Le };

// Conversions between the encodings of ini files and the UTF-8 strings of the program.
// Every decoding here is lossless: encoding the result again gives back the input bytes.
namespace iniCodec {

// Code page 1252 bytes to UTF-8. The five bytes the code page leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become U+0081, U+008D, U+008F, U+0090, U+009D.
std::string decodeCp1252(std::string_view bytes);

// UTF-8 to code page 1252, the inverse of decodeCp1252; nullopt when a character has no
// code-page byte or the text is not valid UTF-8.
std::optional<std::string> encodeCp1252(std::string_view utf8);

// UTF-16LE units (an even number of bytes) to UTF-8. An unpaired surrogate is kept as its
// three-byte generalised UTF-8 form, so that utf8ToUtf16Le restores it.
std::string utf16LeToUtf8(std::string_view bytes);

// UTF-8 (with the surrogate forms above) to UTF-16LE. A byte that is not part of a valid
// sequence is taken as a code page 1252 character rather than replaced.
std::string utf8ToUtf16Le(std::string_view utf8);

// Why ini file bytes are text that Torvex cannot read and write back as it is, or empty when
// they can be read: "UTF-16 big-endian is not supported", "UTF-32 little-endian is not
// supported", "UTF-32 big-endian is not supported", "UTF-32 without a byte-order mark is not
// supported", "UTF-16 without a byte-order mark is not supported" or "not a text file" (NUL
// bytes in a file without the UTF-16LE mark). Told from the byte-order mark, then from where
// the NUL bytes stand.
std::string_view unsupportedTextReason(std::string_view bytes);

// Appends the generalised UTF-8 form of any code point up to U+10FFFF, surrogates included
// (the form utf16LeToUtf8 uses for unpaired ones).
void appendCodePoint(std::string &out, char32_t cp);

} // namespace iniCodec
} // namespace torvex
