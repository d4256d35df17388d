// The line diff: shortest edit scripts, checked against a plain LCS table, and the unified
// diff text.
#include "core/LineDiff.h"
#include "support/TextbookLcs.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace torvex {
namespace {

using Lines = std::vector<std::string>;

Lines split(const std::string &letters)
{
    Lines lines;
    for (char c : letters)
        lines.emplace_back(1, c);
    return lines;
}

using test::lcsLength;

// Checks that the script walks both lists in order, that its equal lines are equal, and
// returns how many lines it keeps.
std::size_t checkScript(const std::vector<LineEdit> &script, const Lines &a, const Lines &b)
{
    std::size_t i = 0, j = 0, kept = 0;
    for (const LineEdit &edit : script) {
        EXPECT_EQ(edit.before, i);
        EXPECT_EQ(edit.after, j);
        if (edit.kind == LineEdit::Kind::Same) {
            EXPECT_EQ(a[i], b[j]);
            ++kept;
        }
        i += edit.kind != LineEdit::Kind::Added;
        j += edit.kind != LineEdit::Kind::Removed;
    }
    EXPECT_EQ(i, a.size());
    EXPECT_EQ(j, b.size());
    return kept;
}

TEST(LineDiff, KeepsALongestCommonSubsequence)
{
    const std::pair<const char *, const char *> cases[] = {
        { "", "" },
        { "abc", "" },
        { "", "abc" },
        { "abc", "abc" },
        { "abcabba", "cbabac" }, // Myers' own example: 5 differences
        { "ab", "ba" },
        { "abcdef", "abXdef" },
        { "xaaaay", "aaaa" },
    };
    for (const auto &[before, after] : cases) {
        const Lines a = split(before), b = split(after);
        EXPECT_EQ(checkScript(diffLines(a, b), a, b), lcsLength(a, b)) << before << " / " << after;
    }
}

TEST(LineDiff, RandomListsGetAShortestScript)
{
    std::mt19937 random(14);
    for (int round = 0; round < 400; ++round) {
        // Few distinct lines, so that the lists share many in many ways.
        const auto make = [&random] {
            std::string letters(random() % 40, 'a');
            for (char &c : letters)
                c = static_cast<char>('a' + random() % 4);
            return split(letters);
        };
        const Lines a = make(), b = make();
        const std::vector<LineEdit> script = diffLines(a, b);
        ASSERT_EQ(checkScript(script, a, b), lcsLength(a, b)) << "round " << round;
    }
}

TEST(LineDiff, RemovedLinesComeBeforeAddedOnesInAChange)
{
    const auto script = diffLines(split("axb"), split("ayb"));
    ASSERT_EQ(script.size(), 4u);
    EXPECT_EQ(script[1].kind, LineEdit::Kind::Removed);
    EXPECT_EQ(script[2].kind, LineEdit::Kind::Added);
}

TEST(LineDiff, UnifiedDiffHasHunksWithThreeLinesOfContext)
{
    // Changes at lines 2 and 12 are far enough apart for two hunks; 12 and 15 share one.
    Lines a = split("abcdefghijklmnopq");
    Lines b = a;
    b[1] = "B";
    b[11] = "L";
    b.insert(b.begin() + 15, "new");
    const std::string diff = unifiedDiff(diffLines(a, b), a, b, "old.ini", "new.ini");
    EXPECT_EQ(diff,
        "--- old.ini\n+++ new.ini\n"
        "@@ -1,5 +1,5 @@\n a\n-b\n+B\n c\n d\n e\n"
        "@@ -9,9 +9,10 @@\n i\n j\n k\n-l\n+L\n m\n n\n o\n+new\n p\n q\n");
}

TEST(LineDiff, UnifiedDiffOfEmptySidesAndOfNoChange)
{
    const Lines none, two = split("ab");
    EXPECT_EQ(unifiedDiff(diffLines(none, two), none, two, "a", "b"),
        "--- a\n+++ b\n@@ -0,0 +1,2 @@\n+a\n+b\n");
    EXPECT_EQ(unifiedDiff(diffLines(two, none), two, none, "a", "b"),
        "--- a\n+++ b\n@@ -1,2 +0,0 @@\n-a\n-b\n");
    EXPECT_EQ(unifiedDiff(diffLines(two, two), two, two, "a", "b"), "");
}

TEST(LineDiff, AHundredThousandLinesWithAFewChanges)
{
    // Linear memory and O((N + M) D) time: a hundred thousand lines with a few changes.
    Lines a;
    for (int i = 0; i < 100000; ++i)
        a.push_back("line" + std::to_string(i));
    Lines b = a;
    b.erase(b.begin() + 500);
    b[70000] = "changed";
    b.push_back("end");
    const auto script = diffLines(a, b);
    EXPECT_EQ(checkScript(script, a, b), a.size() - 2);
}

} // namespace
} // namespace torvex
