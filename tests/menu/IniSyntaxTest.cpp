#include "menu/IniSyntax.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace torvex::iniSyntax {
namespace {

// A byte beyond ASCII is found at every place of texts of every length around the eight-byte
// words the test reads, and the bytes after the text are never taken for part of it.
TEST(IniSyntaxTest, IsAsciiLooksAtEveryByte)
{
    for (std::size_t length = 0; length <= 26; ++length) {
        // The text stands at the start of a larger buffer of non-ASCII bytes, which must not
        // be taken for part of it.
        std::string buffer(length + 16, '\xe9');
        std::fill_n(buffer.begin(), length, 'a');
        EXPECT_TRUE(isAscii(std::string_view(buffer.data(), length))) << length;
        for (std::size_t at = 0; at < length; ++at) {
            buffer[at] = '\x80';
            EXPECT_FALSE(isAscii(std::string_view(buffer.data(), length))) << length << " " << at;
            buffer[at] = '\x7f';
            EXPECT_TRUE(isAscii(std::string_view(buffer.data(), length))) << length << " " << at;
            buffer[at] = 'a';
        }
    }
}

// Both tables tell each key's first id, letter case ignored, through their growth and the
// probes that meet other keys of the same hash bits (frequent with the 8 bits of the small one).
template <typename Set> void checkFirstIds()
{
    std::vector<std::string> keys;
    for (int i = 0; i < 40000; ++i)
        keys.push_back(std::string("Key").append(std::to_string(i)));
    for (int i = 0; i < 40000; i += 3)
        keys.push_back(std::string("kEY").append(std::to_string(i)));
    std::mt19937 random(31);
    std::shuffle(keys.begin(), keys.end(), random);
    Set set(16);
    std::unordered_map<std::string, std::uint32_t> first;
    const auto keyOf = [&keys](std::uint32_t id) {
        return std::string_view(keys[id]);
    };
    for (std::uint32_t id = 0; id < keys.size(); ++id) {
        std::string lower = keys[id];
        std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
            return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        });
        const std::uint32_t expected = first.try_emplace(lower, id).first->second;
        ASSERT_EQ(set.firstOf(keys[id], id, keyOf), expected) << keys[id];
    }
}

TEST(IniSyntaxTest, KeySetsTellTheFirstIdOfEachKey)
{
    checkFirstIds<KeySet>();
    checkFirstIds<SmallKeySet>();
}

} // namespace
} // namespace torvex::iniSyntax
