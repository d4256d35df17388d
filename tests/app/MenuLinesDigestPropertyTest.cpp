// The digest of a menu's lines tells lists apart whose bytes are the same but cut differently
// into keys and values, and only those: the same cuts give the same digest, whatever the
// letter case of the keys.
#include "app/MenuFileSteps.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace torvex {
namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

MenuLinesDigest digestOf(const Lines &lines)
{
    MenuLinesDigest digest;
    for (const auto &[key, value] : lines)
        digest.add(key, value);
    return digest;
}

TEST(MenuLinesDigestCuts, TheSameWordsCutBetweenKeyAndValueElsewhereDiffer)
{
    // Eight bytes of key and four of value read as the same words as twelve bytes of key.
    EXPECT_NE(digestOf({ { "abcdefgh", "ijkl" } }), digestOf({ { "abcdefghijkl", "" } }));
    EXPECT_NE(digestOf({ { "", "menu1234" } }), digestOf({ { "menu1234", "" } }));
    EXPECT_NE(digestOf({ { "x", "" } }), digestOf({ { "", "x" } }));
    // Across lines as well.
    EXPECT_NE(digestOf({ { "menu1", "abcdefgh" }, { "cmd1", "x" } }),
        digestOf({ { "menu1", "abcdefghcmd1" }, { "", "x" } }));
}

// The pieces of `text` cut at `cuts` (sorted positions): keys and values in turn.
Lines cutInto(const std::string &text, const std::vector<std::size_t> &cuts)
{
    std::vector<std::string> pieces;
    std::size_t from = 0;
    for (const std::size_t at : cuts) {
        pieces.push_back(text.substr(from, at - from));
        from = at;
    }
    pieces.push_back(text.substr(from));
    Lines lines;
    for (std::size_t i = 0; i + 1 < pieces.size(); i += 2)
        lines.emplace_back(pieces[i], pieces[i + 1]);
    return lines;
}

std::vector<std::size_t> randomCuts(std::size_t count, std::size_t length)
{
    auto cuts = *rc::gen::container<std::vector<std::size_t>>(
        count, rc::gen::inRange<std::size_t>(0, length + 1));
    std::sort(cuts.begin(), cuts.end());
    return cuts;
}

RC_GTEST_PROP(MenuLinesDigestProperty, EqualExactlyWhenCutAlikeWhateverTheKeysCase, ())
{
    // Few letters, so that cuts elsewhere often give the same words in other places.
    const auto text =
        *rc::gen::container<std::string>(rc::gen::elementOf(std::string("aAbZ=1\xc3")));
    const auto lines = *rc::gen::inRange<std::size_t>(1, 5);
    const std::vector<std::size_t> cutsA = randomCuts(2 * lines - 1, text.size());
    const bool sameCuts = *rc::gen::arbitrary<bool>();
    const std::vector<std::size_t> cutsB =
        sameCuts ? cutsA : randomCuts(2 * lines - 1, text.size());
    Lines a = cutInto(text, cutsA);
    Lines b = cutInto(text, cutsB);
    // The keys of one side in another letter case.
    for (auto &[key, value] : b) {
        for (char &c : key)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    RC_ASSERT((digestOf(a) == digestOf(b)) == (cutsA == cutsB));
}

} // namespace
} // namespace torvex
