#include "core/LineDiff.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace torvex {

namespace {

using Symbols = std::vector<std::uint32_t>;

// The part of a path in the middle of the edit graph through which a shortest path passes:
// (x, y) to (u, v), a run of equal lines, possibly empty.
struct Snake
{
    std::ptrdiff_t x, y, u, v;
};

// Compares before[a0, a1) with after[b0, b1) and marks the lines that differ. Both ranges are
// non-empty and start and end with different lines, so the edit distance is at least 2 and
// the middle snake found below always splits the problem into smaller ones.
class MyersDiff
{
public:
    MyersDiff(const Symbols &a, const Symbols &b)
        : m_a(a)
        , m_b(b)
        , removed(a.size(), false)
        , added(b.size(), false)
    { }

    void compare(std::ptrdiff_t a0, std::ptrdiff_t a1, std::ptrdiff_t b0, std::ptrdiff_t b1)
    {
        while (a0 < a1 && b0 < b1 && m_a[std::size_t(a0)] == m_b[std::size_t(b0)]) {
            ++a0;
            ++b0;
        }
        while (a0 < a1 && b0 < b1 && m_a[std::size_t(a1 - 1)] == m_b[std::size_t(b1 - 1)]) {
            --a1;
            --b1;
        }
        if (a0 == a1 || b0 == b1) {
            for (std::ptrdiff_t i = a0; i < a1; ++i)
                removed[std::size_t(i)] = true;
            for (std::ptrdiff_t j = b0; j < b1; ++j)
                added[std::size_t(j)] = true;
            return;
        }
        const Snake s = middleSnake(a0, a1, b0, b1);
        compare(a0, s.x, b0, s.y);
        compare(s.u, a1, s.v, b1);
    }

    const Symbols &m_a;
    const Symbols &m_b;
    std::vector<bool> removed;
    std::vector<bool> added;

private:
    bool same(std::ptrdiff_t x, std::ptrdiff_t y) const
    {
        return m_a[std::size_t(x)] == m_b[std::size_t(y)];
    }

    // Myers' middle snake: paths are followed from the start forwards and from the end
    // backwards, d differences at a time, until they overlap on a diagonal k = x - y.
    // forward[k] is the furthest x reached from the start, backward[k] the smallest x reached
    // from the end; coordinates are relative to (a0, b0).
    Snake middleSnake(std::ptrdiff_t a0, std::ptrdiff_t a1, std::ptrdiff_t b0, std::ptrdiff_t b1)
    {
        const std::ptrdiff_t n = a1 - a0;
        const std::ptrdiff_t m = b1 - b0;
        const std::ptrdiff_t delta = n - m;
        const bool odd = (delta & 1) != 0;
        const std::ptrdiff_t maxD = (n + m + 1) / 2;
        // Diagonals run from -maxD - 1 to maxD + 1 forwards, shifted by delta backwards.
        const std::ptrdiff_t offset = maxD + 1;
        m_forward.assign(std::size_t(2 * offset + 1), 0);
        m_backward.assign(std::size_t(2 * offset + 1), 0);
        const auto fwd = [&](std::ptrdiff_t k) -> std::ptrdiff_t & {
            return m_forward[std::size_t(k + offset)];
        };
        const auto bwd = [&](std::ptrdiff_t k) -> std::ptrdiff_t & {
            return m_backward[std::size_t(k - delta + offset)];
        };
        fwd(1) = 0;
        bwd(delta + 1) = n + 1;
        for (std::ptrdiff_t d = 0; d <= maxD; ++d) {
            for (std::ptrdiff_t k = -d; k <= d; k += 2) {
                std::ptrdiff_t x =
                    (k == -d || (k != d && fwd(k - 1) < fwd(k + 1))) ? fwd(k + 1) : fwd(k - 1) + 1;
                std::ptrdiff_t y = x - k;
                const std::ptrdiff_t x0 = x;
                const std::ptrdiff_t y0 = y;
                while (x < n && y < m && same(a0 + x, b0 + y)) {
                    ++x;
                    ++y;
                }
                fwd(k) = x;
                if (odd && k >= delta - (d - 1) && k <= delta + (d - 1) && x >= bwd(k))
                    return { a0 + x0, b0 + y0, a0 + x, b0 + y };
            }
            for (std::ptrdiff_t k = delta - d; k <= delta + d; k += 2) {
                // Backwards, a removed line leads from diagonal k + 1, an added one from k - 1.
                std::ptrdiff_t x =
                    (k == delta - d || (k != delta + d && bwd(k + 1) - 1 < bwd(k - 1)))
                    ? bwd(k + 1) - 1
                    : bwd(k - 1);
                std::ptrdiff_t y = x - k;
                const std::ptrdiff_t x1 = x;
                const std::ptrdiff_t y1 = y;
                while (x > 0 && y > 0 && same(a0 + x - 1, b0 + y - 1)) {
                    --x;
                    --y;
                }
                bwd(k) = x;
                if (!odd && k >= -d && k <= d && x <= fwd(k))
                    return { a0 + x, b0 + y, a0 + x1, b0 + y1 };
            }
        }
        // Unreachable: the paths meet by d = (n + m + 1) / 2.
        return { a0, b0, a1, b1 };
    }

    std::vector<std::ptrdiff_t> m_forward;
    std::vector<std::ptrdiff_t> m_backward;
};

} // namespace

namespace {

// Which symbols occur in a list, for symbols numbered densely from 0 as callers number them;
// any others through a set.
class SymbolSet
{
public:
    explicit SymbolSet(const Symbols &symbols)
    {
        const std::uint32_t largest =
            symbols.empty() ? 0 : *std::max_element(symbols.begin(), symbols.end());
        if (largest / 8 <= symbols.size()) {
            m_dense.assign(std::size_t(largest) + 1, false);
            for (const std::uint32_t symbol : symbols)
                m_dense[symbol] = true;
        } else {
            m_sparse.insert(symbols.begin(), symbols.end());
        }
    }

    bool contains(std::uint32_t symbol) const
    {
        return m_sparse.empty() ? symbol < m_dense.size() && m_dense[symbol]
                                : m_sparse.contains(symbol);
    }

private:
    std::vector<bool> m_dense;
    std::unordered_set<std::uint32_t> m_sparse;
};

// The lines of `lines` that occur in `other` (the others are in no common subsequence), with
// where each stands in `lines`.
struct Kept
{
    Symbols symbols;
    std::vector<std::size_t> at;
};

Kept linesAlsoIn(const Symbols &lines, const SymbolSet &other)
{
    Kept kept;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (other.contains(lines[i])) {
            kept.symbols.push_back(lines[i]);
            kept.at.push_back(i);
        }
    }
    return kept;
}

} // namespace

std::vector<LineEdit> diffSymbols(const Symbols &before, const Symbols &after)
{
    // A line without an equal one on the other side is removed or added whatever the script:
    // only the others are compared. When every key of a menu is renumbered, hardly any line
    // is left, and the comparison stays linear where Myers' algorithm alone would take time
    // in the square of the lines.
    const Kept a = linesAlsoIn(before, SymbolSet(after));
    const Kept b = linesAlsoIn(after, SymbolSet(before));
    MyersDiff diff(a.symbols, b.symbols);
    diff.compare(0, std::ptrdiff_t(a.symbols.size()), 0, std::ptrdiff_t(b.symbols.size()));
    std::vector<bool> removed(before.size(), true);
    std::vector<bool> added(after.size(), true);
    for (std::size_t i = 0; i < a.at.size(); ++i)
        removed[a.at[i]] = diff.removed[i];
    for (std::size_t j = 0; j < b.at.size(); ++j)
        added[b.at[j]] = diff.added[j];
    std::vector<LineEdit> script;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < before.size() || j < after.size()) {
        if (i < before.size() && removed[i]) {
            script.push_back({ LineEdit::Kind::Removed, i++, j });
        } else if (j < after.size() && added[j]) {
            script.push_back({ LineEdit::Kind::Added, i, j++ });
        } else {
            script.push_back({ LineEdit::Kind::Same, i++, j++ });
        }
    }
    return script;
}

std::vector<LineEdit> diffLines(
    const std::vector<std::string> &before, const std::vector<std::string> &after)
{
    std::unordered_map<std::string_view, std::uint32_t> numbers;
    const auto symbolsOf = [&numbers](const std::vector<std::string> &lines) {
        Symbols symbols;
        symbols.reserve(lines.size());
        for (const std::string &line : lines)
            symbols.push_back(
                numbers.try_emplace(line, std::uint32_t(numbers.size())).first->second);
        return symbols;
    };
    const Symbols a = symbolsOf(before);
    const Symbols b = symbolsOf(after);
    return diffSymbols(a, b);
}

std::vector<DiffHunk> diffHunks(const std::vector<LineEdit> &script, std::size_t context)
{
    std::vector<DiffHunk> hunks;
    std::size_t i = 0;
    while (i < script.size()) {
        if (script[i].kind == LineEdit::Kind::Same) {
            ++i;
            continue;
        }
        // A change: the hunk starts `context` lines before it and grows while the next change
        // comes within twice the context.
        const std::size_t first = i > context ? i - context : 0;
        std::size_t lastChange = i;
        std::size_t j = i + 1;
        while (j < script.size()) {
            if (script[j].kind != LineEdit::Kind::Same)
                lastChange = j;
            else if (j - lastChange > 2 * context)
                break;
            ++j;
        }
        const std::size_t last = std::min(script.size(), lastChange + 1 + context);
        if (!hunks.empty() && hunks.back().last >= first)
            hunks.back().last = last;
        else
            hunks.push_back({ first, last });
        i = last;
    }
    return hunks;
}

namespace {

// "l,s" of a hunk side: its first line from 1 and its length; an empty side names the line
// after which it stands.
std::string hunkRange(std::size_t start, std::size_t length)
{
    return std::to_string(length == 0 ? start : start + 1) + "," + std::to_string(length);
}

} // namespace

std::string hunkHeader(const std::vector<LineEdit> &script, const DiffHunk &hunk)
{
    std::size_t beforeLength = 0;
    std::size_t afterLength = 0;
    for (std::size_t e = hunk.first; e < hunk.last; ++e) {
        beforeLength += script[e].kind != LineEdit::Kind::Added;
        afterLength += script[e].kind != LineEdit::Kind::Removed;
    }
    const LineEdit &start = script[hunk.first];
    return "@@ -" + hunkRange(start.before, beforeLength) + " +"
        + hunkRange(start.after, afterLength) + " @@";
}

std::string unifiedDiff(const std::vector<LineEdit> &script,
    const std::vector<std::string> &beforeText,
    const std::vector<std::string> &afterText,
    std::string_view beforeName,
    std::string_view afterName,
    std::size_t context)
{
    const std::vector<DiffHunk> hunks = diffHunks(script, context);
    if (hunks.empty())
        return {};
    std::string out = "--- " + std::string(beforeName) + "\n+++ " + std::string(afterName) + "\n";
    for (const DiffHunk &hunk : hunks) {
        out += hunkHeader(script, hunk) + '\n';
        for (std::size_t e = hunk.first; e < hunk.last; ++e) {
            const LineEdit &edit = script[e];
            switch (edit.kind) {
            case LineEdit::Kind::Same:
                out += ' ' + beforeText[edit.before] + '\n';
                break;
            case LineEdit::Kind::Removed:
                out += '-' + beforeText[edit.before] + '\n';
                break;
            case LineEdit::Kind::Added:
                out += '+' + afterText[edit.after] + '\n';
                break;
            }
        }
    }
    return out;
}

} // namespace torvex
