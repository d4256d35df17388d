#include "menu/IniValues.h"

namespace torvex {

namespace {

std::optional<uint64_t> parseDigits(std::string_view digits, unsigned base, uint64_t limit)
{
    if (digits.empty())
        return std::nullopt;
    uint64_t value = 0;
    for (const char c : digits) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
        value = value * base + digit;
        // Leading zeros are fine; the check on every step keeps value from overflowing.
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

int32_t wrap(uint64_t bits)
{
    return static_cast<int32_t>(static_cast<uint32_t>(bits));
}

} // namespace

std::optional<int32_t> parseInteger(std::string_view text)
{
    std::size_t hexPrefix = 0;
    if (text.starts_with('$'))
        hexPrefix = 1;
    else if (text.size() > 2 && (text.starts_with("0x") || text.starts_with("0X")))
        hexPrefix = 2;
    if (hexPrefix > 0) {
        const auto bits = parseDigits(text.substr(hexPrefix), 16, 0xFFFFFFFFu);
        return bits ? std::optional(wrap(*bits)) : std::nullopt;
    }

    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    const uint64_t limit = negative ? uint64_t(INT32_MAX) + 1 : uint64_t(INT32_MAX);
    const auto magnitude = parseDigits(text, 10, limit);
    if (!magnitude)
        return std::nullopt;
    return static_cast<int32_t>(
        negative ? -static_cast<int64_t>(*magnitude) : static_cast<int64_t>(*magnitude));
}

std::string formatInteger(int32_t value)
{
    return std::to_string(value);
}

} // namespace torvex
