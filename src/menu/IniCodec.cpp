#include "menu/IniCodec.h"

#include "core/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace torvex::iniCodec {

namespace {

// Code points of the bytes 0x80..0x9F; the unassigned ones map to the C1 control of the same
// number, which keeps the mapping reversible.
constexpr std::array<char32_t, 32> cp1252High = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

char32_t cp1252ToCodePoint(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? cp1252High[byte - 0x80] : char32_t(byte);
}

std::optional<unsigned char> codePointToCp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < cp1252High.size(); ++i) {
        if (cp1252High[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

// Decodes one UTF-8 sequence at text[pos]; returns its length and code point, or length 0
// when the bytes there are not a well-formed sequence. Surrogate code points are accepted
// (see utf16LeToUtf8); overlong forms and values above U+10FFFF are not.
std::size_t nextCodePoint(std::string_view text, std::size_t pos, char32_t &cp)
{
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[pos + i]);
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    return cp >= minimum && cp <= 0x10FFFF ? length : 0;
}

// How many NUL bytes stand at each position modulo 4.
std::array<std::size_t, 4> nulCountsByPosition(std::string_view bytes)
{
    std::array<std::size_t, 4> counts {};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\0')
            ++counts[i % 4];
    }
    return counts;
}

// Text of 32-bit units below U+10000 has two NUL bytes in every unit, at the same places.
bool looksLikeUtf32(std::string_view bytes, const std::array<std::size_t, 4> &nuls)
{
    const std::size_t units = bytes.size() / 4;
    if (units == 0 || bytes.size() % 4 != 0)
        return false;
    const bool littleEndian = nuls[2] == units && nuls[3] == units && nuls[0] < units;
    const bool bigEndian = nuls[0] == units && nuls[1] == units && nuls[3] < units;
    return littleEndian || bigEndian;
}

// Text of 16-bit units that is mostly ASCII, as ini files are, has a NUL byte in at least
// half of its units, nearly all at odd positions (little-endian) or nearly all at even ones
// (big-endian). A lone byte is no unit at all.
bool looksLikeUtf16(std::string_view bytes, const std::array<std::size_t, 4> &nuls)
{
    if (bytes.size() < 2)
        return false;
    const std::size_t even = nuls[0] + nuls[2];
    const std::size_t odd = nuls[1] + nuls[3];
    const std::size_t many = std::max(even, odd);
    const std::size_t few = std::min(even, odd);
    return many * 2 >= bytes.size() / 2 && few * 8 <= many;
}

void appendUtf16Unit(std::string &out, char32_t unit)
{
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>((unit >> 8) & 0xFF);
}

} // namespace

std::string decodeCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes)
        appendCodePoint(out, cp1252ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> encodeCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        const std::size_t length = nextCodePoint(utf8, pos, cp);
        if (length == 0)
            return std::nullopt;
        const auto byte = codePointToCp1252(cp);
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
        pos += length;
    }
    return out;
}

std::string utf16LeToUtf8(std::string_view bytes)
{
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [&](std::size_t i) {
        return char32_t(static_cast<unsigned char>(bytes[2 * i]))
            | (char32_t(static_cast<unsigned char>(bytes[2 * i + 1])) << 8);
    };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const char32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendCodePoint(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendCodePoint(out, unit);
    }
    return out;
}

std::string utf8ToUtf16Le(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        std::size_t length = nextCodePoint(utf8, pos, cp);
        if (length == 0) {
            cp = cp1252ToCodePoint(static_cast<unsigned char>(utf8[pos]));
            length = 1;
        }
        if (cp >= 0x10000) {
            appendUtf16Unit(out, 0xD800 + ((cp - 0x10000) >> 10));
            appendUtf16Unit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            appendUtf16Unit(out, cp);
        }
        pos += length;
    }
    return out;
}

std::string_view unsupportedTextReason(std::string_view bytes)
{
    using namespace std::string_view_literals;
    // The UTF-32 little-endian mark begins with the UTF-16LE one, so it is tested first.
    if (bytes.starts_with("\xFF\xFE\0\0"sv))
        return "UTF-32 little-endian is not supported";
    if (bytes.starts_with("\0\0\xFE\xFF"sv))
        return "UTF-32 big-endian is not supported";
    if (bytes.starts_with("\xFE\xFF"sv))
        return "UTF-16 big-endian is not supported";
    if (bytes.starts_with("\xFF\xFE"sv) || bytes.find('\0') == std::string_view::npos)
        return {};
    const auto nuls = nulCountsByPosition(bytes);
    if (looksLikeUtf32(bytes, nuls))
        return "UTF-32 without a byte-order mark is not supported";
    if (looksLikeUtf16(bytes, nuls))
        return "UTF-16 without a byte-order mark is not supported";
    return "not a text file";
}

void appendCodePoint(std::string &out, char32_t cp)
{
    appendUtf8Sequence(out, cp);
}

} // namespace torvex::iniCodec
