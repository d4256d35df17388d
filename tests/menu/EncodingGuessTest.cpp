// The guess at text without a byte-order mark, right at its edges: how many units must hold a
// NUL byte, how few may stand on the other side, and files that hold nothing but NUL bytes.
#include "menu/IniCodec.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {
namespace {

using iniCodec::unsupportedTextReason;

constexpr std::string_view utf16 = "UTF-16 without a byte-order mark is not supported";
constexpr std::string_view utf32 = "UTF-32 without a byte-order mark is not supported";
constexpr std::string_view binary = "not a text file";

// `size` bytes of 'a' with NUL bytes at `nuls`.
std::string bytesWithNuls(std::size_t size, const std::vector<std::size_t> &nuls)
{
    std::string bytes(size, 'a');
    for (std::size_t at : nuls)
        bytes[at] = '\0';
    return bytes;
}

// The first `count` odd positions (or even ones, from `start` 0).
std::vector<std::size_t> positions(std::size_t count, std::size_t start)
{
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < count; ++i)
        at.push_back(start + 2 * i);
    return at;
}

TEST(EncodingGuess, HalfTheUnitsWithANulIsUtf16OneFewerIsNotText)
{
    // 8 units of 16 bits: 4 NULs are half of them, 3 are not.
    for (const std::size_t side : { 1u, 0u }) {
        SCOPED_TRACE(side == 1 ? "little-endian" : "big-endian");
        EXPECT_EQ(unsupportedTextReason(bytesWithNuls(16, positions(4, side))), utf16);
        EXPECT_EQ(unsupportedTextReason(bytesWithNuls(16, positions(3, side))), binary);
    }
    // An odd byte at the end is no unit: 17 bytes still hold 8.
    EXPECT_EQ(unsupportedTextReason(bytesWithNuls(17, positions(4, 1))), utf16);
    EXPECT_EQ(unsupportedTextReason(bytesWithNuls(17, positions(3, 1))), binary);
}

TEST(EncodingGuess, AtMostOneNulInEightOnTheOtherSide)
{
    // 16 units, 8 NULs at odd positions; one NUL at an even position is still UTF-16, two are
    // not. The other way round for big-endian text.
    for (const std::size_t side : { 1u, 0u }) {
        SCOPED_TRACE(side == 1 ? "little-endian" : "big-endian");
        std::vector<std::size_t> nuls = positions(8, side + 16);
        const std::size_t other = 1 - side;
        nuls.push_back(other);
        EXPECT_EQ(unsupportedTextReason(bytesWithNuls(32, nuls)), utf16);
        nuls.push_back(other + 2);
        EXPECT_EQ(unsupportedTextReason(bytesWithNuls(32, nuls)), binary);
    }
}

TEST(EncodingGuess, Utf32NeedsTwoNulsInEveryUnitAndTextInOne)
{
    // Two units "a\0\0\0" are UTF-32 little-endian; a unit with a byte in its upper half is not.
    EXPECT_EQ(unsupportedTextReason(bytesWithNuls(8, { 1, 2, 3, 5, 6, 7 })), utf32);
    EXPECT_EQ(unsupportedTextReason(bytesWithNuls(8, { 0, 1, 2, 4, 5, 6 })), utf32);
    EXPECT_NE(unsupportedTextReason(bytesWithNuls(8, { 1, 2, 3, 5, 7 })), utf32);
    EXPECT_NE(unsupportedTextReason(bytesWithNuls(8, { 0, 1, 2, 4, 6 })), utf32);
    // One byte more than whole units is not UTF-32.
    EXPECT_NE(unsupportedTextReason(bytesWithNuls(9, { 1, 2, 3, 5, 6, 7 })), utf32);
}

TEST(EncodingGuess, NulBytesOnlyAreNoTextAtAnyLength)
{
    for (std::size_t size = 1; size <= 12; ++size)
        EXPECT_EQ(unsupportedTextReason(std::string(size, '\0')), binary) << size << " NULs";
}

} // namespace
} // namespace torvex
