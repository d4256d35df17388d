#include "menu/IniSyntax.h"

#include <gtest/gtest.h>
#include <string>

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

} // namespace
} // namespace torvex::iniSyntax
