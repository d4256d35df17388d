#include "menu/DirMenuKeys.h"

#include "core/Text.h"

#include <cstdint>
#include <string_view>

namespace torvex {

std::size_t dirMenuKeyNumber(std::string_view key, std::string_view prefix, std::size_t limit)
{
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 19)
        return 0;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (asciiLower(key[i]) != prefix[i])
            return 0;
    }
    std::string_view digits = key.substr(prefix.size());
    if (digits[0] == '0')
        return 0;
    std::size_t n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + static_cast<std::size_t>(c - '0');
        if (n > limit)
            return 0;
    }
    return n;
}

namespace {

constexpr std::size_t largestNumber = (std::size_t(1) << 30) - 1;
constexpr std::string_view linePrefixes[] = { "menu", "cmd", "path" };

} // namespace

DirMenuKey readDirMenuKey(std::string_view key)
{
    // The first letter tells which of the three prefixes can match.
    std::uint8_t kind = 0;
    switch (key.empty() ? '\0' : asciiLower(key[0])) {
    case 'm':
        kind = 0;
        break;
    case 'c':
        kind = 1;
        break;
    case 'p':
        kind = 2;
        break;
    default:
        return {};
    }
    // What dirMenuKeyNumber does, for the one limit: this runs for every line of the section. A
    // number below 2^30 has at most ten digits, so it cannot overflow before the end.
    const std::string_view prefix = linePrefixes[kind];
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 10)
        return {};
    for (std::size_t i = 1; i < prefix.size(); ++i) {
        // The prefixes are lower-case letters: only the letter and its capital match.
        if ((key[i] | 0x20) != prefix[i])
            return {};
    }
    if (key[prefix.size()] == '0')
        return {};
    std::uint64_t n = 0;
    for (std::size_t i = prefix.size(); i < key.size(); ++i) {
        const auto digit = static_cast<unsigned char>(key[i] - '0');
        if (digit > 9)
            return {};
        n = n * 10 + digit;
    }
    if (n > largestNumber)
        return {};
    return { static_cast<std::uint32_t>(n), kind };
}

} // namespace torvex
