#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

// One step of an edit script that turns the lines `before` into the lines `after`.
struct LineEdit
{
    enum class Kind : std::uint8_t { Same, Removed, Added };
    Kind kind;
    std::size_t before; // index in `before`; for Added, how many lines of it come first
    std::size_t after; // index in `after`; for Removed, how many lines of it come first
    bool operator==(const LineEdit &) const = default;
};

// The shortest edit script from `before` to `after` (Myers' algorithm, in linear memory):
// every line of both appears once, in order; within a change the removed lines come before
// the added ones. Lines are compared by their symbol, so callers map equal lines to equal
// numbers. Time O((N + M) D) for D differing lines.
std::vector<LineEdit> diffSymbols(
    const std::vector<std::uint32_t> &before, const std::vector<std::uint32_t> &after);

// The shortest edit script between two lists of lines.
std::vector<LineEdit> diffLines(
    const std::vector<std::string> &before, const std::vector<std::string> &after);

// The edit script as a unified diff with `context` unchanged lines around each change:
// "--- beforeName", "+++ afterName", then hunks "@@ -l,s +l,s @@" of lines that begin with
// ' ', '-' or '+', each ending in '\n'. Lines are shown with `beforeText` and `afterText`.
// Empty when the script holds no change.
std::string unifiedDiff(const std::vector<LineEdit> &script,
    const std::vector<std::string> &beforeText,
    const std::vector<std::string> &afterText,
    std::string_view beforeName,
    std::string_view afterName,
    std::size_t context = 3);

// A run of the script shown as one hunk: the edits first..last (last excluded).
struct DiffHunk
{
    std::size_t first;
    std::size_t last;
};

// The hunks of a unified diff of `script` with `context` unchanged lines around each change;
// changes closer than twice the context share a hunk.
std::vector<DiffHunk> diffHunks(const std::vector<LineEdit> &script, std::size_t context = 3);

// The hunk's head line without its line ending, "@@ -l,s +l,s @@": for each side the number of
// its first line (from 1) and how many lines it has; a side without lines names the line
// after which it stands.
std::string hunkHeader(const std::vector<LineEdit> &script, const DiffHunk &hunk);

} // namespace torvex
