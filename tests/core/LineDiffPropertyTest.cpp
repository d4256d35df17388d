// The line diff against plain models: its scripts against the textbook LCS table, its hunks,
// their heads and the unified text against a model that shows every line within `context` of a
// change, at every context size.
#include "core/LineDiff.h"
#include "support/TextbookLcs.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

using Lines = std::vector<std::string>;
using Kind = LineEdit::Kind;

// Few distinct lines, so that the lists share many in many ways.
rc::Gen<Lines> fewDistinctLines()
{
    return rc::gen::container<Lines>(rc::gen::map(rc::gen::inRange(0, 4), [](int letter) {
        return std::string(1, static_cast<char>('a' + letter));
    }));
}

using test::lcsLength;

RC_GTEST_PROP(LineDiffProperty, ScriptKeepsALongestCommonSubsequenceInOrder, ())
{
    const Lines a = *fewDistinctLines();
    const Lines b = *fewDistinctLines();
    const std::vector<LineEdit> script = diffLines(a, b);
    std::size_t i = 0, j = 0, kept = 0;
    for (std::size_t e = 0; e < script.size(); ++e) {
        const LineEdit &edit = script[e];
        RC_ASSERT(edit.before == i);
        RC_ASSERT(edit.after == j);
        if (edit.kind == Kind::Same) {
            RC_ASSERT(i < a.size() && j < b.size());
            RC_ASSERT(a[i] == b[j]);
            ++kept;
        }
        // Within a change the removed lines come first.
        if (edit.kind == Kind::Removed && e > 0)
            RC_ASSERT(script[e - 1].kind != Kind::Added);
        i += edit.kind != Kind::Added;
        j += edit.kind != Kind::Removed;
    }
    RC_ASSERT(i == a.size());
    RC_ASSERT(j == b.size());
    RC_ASSERT(kept == lcsLength(a, b));
}

// Any edit script: a list of kinds, with each edit's place in both lists counted.
std::vector<LineEdit> scriptOf(const std::vector<int> &kinds)
{
    std::vector<LineEdit> script;
    std::size_t i = 0, j = 0;
    for (int k : kinds) {
        // Same lines twice as often as either change, so that runs of both are common.
        const Kind kind = k < 2 ? Kind::Same : k == 2 ? Kind::Removed : Kind::Added;
        script.push_back({ kind, i, j });
        i += kind != Kind::Added;
        j += kind != Kind::Removed;
    }
    return script;
}

// The textbook hunks: every edit within `context` of a change is shown, and each unbroken run
// of shown edits is one hunk.
std::vector<DiffHunk> modelHunks(const std::vector<LineEdit> &script, std::size_t context)
{
    std::vector<bool> shown(script.size(), false);
    for (std::size_t c = 0; c < script.size(); ++c) {
        if (script[c].kind == Kind::Same)
            continue;
        for (std::size_t e = c >= context ? c - context : 0; e <= c + context && e < script.size();
             ++e)
            shown[e] = true;
    }
    std::vector<DiffHunk> hunks;
    for (std::size_t e = 0; e < script.size(); ++e) {
        if (!shown[e])
            continue;
        if (!hunks.empty() && hunks.back().last == e)
            hunks.back().last = e + 1;
        else
            hunks.push_back({ e, e + 1 });
    }
    return hunks;
}

// "@@ -l,s +l,s @@" counted from the start of the script: a side's first line from 1, or for a
// side without lines the number of lines before it.
std::string modelHeader(const std::vector<LineEdit> &script, const DiffHunk &hunk)
{
    std::size_t beforeBefore = 0, afterBefore = 0, beforeIn = 0, afterIn = 0;
    for (std::size_t e = 0; e < hunk.last; ++e) {
        std::size_t &beforeCount = e < hunk.first ? beforeBefore : beforeIn;
        std::size_t &afterCount = e < hunk.first ? afterBefore : afterIn;
        if (script[e].kind != Kind::Added)
            ++beforeCount;
        if (script[e].kind != Kind::Removed)
            ++afterCount;
    }
    const auto side = [](std::size_t linesBefore, std::size_t lines) {
        return std::to_string(lines == 0 ? linesBefore : linesBefore + 1) + ","
            + std::to_string(lines);
    };
    return "@@ -" + side(beforeBefore, beforeIn) + " +" + side(afterBefore, afterIn) + " @@";
}

RC_GTEST_PROP(LineDiffProperty, HunksAreTheTextbookOnesAtEveryContextSize, ())
{
    const std::vector<LineEdit> script =
        scriptOf(*rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 4)));
    const auto context = *rc::gen::inRange<std::size_t>(0, 8);
    const std::vector<DiffHunk> hunks = diffHunks(script, context);
    const std::vector<DiffHunk> expected = modelHunks(script, context);
    RC_ASSERT(hunks.size() == expected.size());
    for (std::size_t h = 0; h < hunks.size(); ++h) {
        RC_ASSERT(hunks[h].first == expected[h].first);
        RC_ASSERT(hunks[h].last == expected[h].last);
        RC_ASSERT(hunkHeader(script, hunks[h]) == modelHeader(script, expected[h]));
    }
}

RC_GTEST_PROP(LineDiffProperty, UnifiedTextShowsEachHunkLineByLine, ())
{
    const Lines a = *fewDistinctLines();
    const Lines b = *fewDistinctLines();
    const auto context = *rc::gen::inRange<std::size_t>(0, 6);
    const std::vector<LineEdit> script = diffLines(a, b);
    std::string expected;
    for (const DiffHunk &hunk : modelHunks(script, context)) {
        expected += modelHeader(script, hunk) + "\n";
        for (std::size_t e = hunk.first; e < hunk.last; ++e) {
            const LineEdit &edit = script[e];
            expected += edit.kind == Kind::Same ? " " + a[edit.before]
                : edit.kind == Kind::Removed    ? "-" + a[edit.before]
                                                : "+" + b[edit.after];
            expected += "\n";
        }
    }
    if (!expected.empty())
        expected = "--- a\n+++ b\n" + expected;
    RC_ASSERT(unifiedDiff(script, a, b, "a", "b", context) == expected);
}

TEST(LineDiffHunks, ChangesTwiceTheContextApartShareAHunkOneMoreApartDoNot)
{
    // The edge of the rule at context 0, 1 and 3, spelled out: gap 2c joins, gap 2c + 1 splits.
    for (const std::size_t context : { 0u, 1u, 3u }) {
        std::vector<int> kinds { 2 };
        kinds.insert(kinds.end(), 2 * context, 0);
        kinds.push_back(3);
        EXPECT_EQ(diffHunks(scriptOf(kinds), context).size(), 1u) << context;
        kinds.insert(kinds.begin() + 1, 0);
        EXPECT_EQ(diffHunks(scriptOf(kinds), context).size(), 2u) << context;
    }
}

} // namespace
} // namespace torvex
