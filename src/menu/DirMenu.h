#pragma once

#include "menu/MenuTree.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvex {

using DirMenuEntries = std::vector<std::pair<std::string, std::string>>;

// The section of wincmd.ini that holds the directory menu.
inline constexpr const char *dirMenuSection = "DirMenu";
// A submenu title read from a file keeps at most this many characters.
inline constexpr std::size_t maxSubmenuTitle = 99;

// k * 100 / total rounded to the nearest whole number, halves to the even neighbour.
// total 0 gives 100.
int progressPercent(std::size_t k, std::size_t total);

// Called with a percentage (a multiple of 10) whenever the progress reaches a new one.
using ProgressFn = std::function<void(int percent)>;

// Tracks progress over `total` steps and reports each new multiple of 10.
class ProgressCounter
{
public:
    ProgressCounter(std::size_t total, ProgressFn report);
    // Step k of total, k counted from 1.
    void step(std::size_t k);

private:
    std::size_t m_total;
    ProgressFn m_report;
    int m_last = -1;
};

// The title, command and target path lines of a DirMenu section, gathered from its entries as
// read (first occurrence of each key, no empty values, in file order), one at a time and
// without keeping the other lines; with the number of entries, which decides how far the
// reader goes.
class DirMenuValues
{
public:
    void add(std::string_view key, std::string_view value);
    std::size_t entryCount() const { return m_entryCount; }

private:
    friend void readDirMenu(const DirMenuValues &, MenuTree &, const ProgressFn &);
    struct Line
    {
        std::size_t offset; // in m_text
        std::uint32_t length;
        std::uint32_t number; // entry number times 4, plus the kind: 0 menu, 1 cmd, 2 path
    };
    std::string m_text;
    std::vector<Line> m_lines;
    std::size_t m_entryCount = 0;
};

// Builds the menu from gathered values, as readDirMenu below does from the entries.
void readDirMenu(const DirMenuValues &values, MenuTree &tree, const ProgressFn &progress = {});

// Builds the menu from the entries of a DirMenu section (as read: first occurrence of each key,
// no empty values, in file order). The tree is not cleared first; nodes are added at the end.
// Entry numbers 1..N are visited, N being the number of entries; see the format notes in the
// .cpp file for the handling of unbalanced sections.
void readDirMenu(const DirMenuEntries &entries, MenuTree &tree, const ProgressFn &progress = {});

// The lines of the DirMenu section for the tree, in the order they are written: numbered from
// 1, "menu"/"cmd"/"path" keys in lower case, "--" end lines after the last child of a submenu.
// No key is written twice.
DirMenuEntries writeDirMenu(const MenuTree &tree, const ProgressFn &progress = {});

// Called with each line of writeDirMenu; the views last only for the call.
using DirMenuLineFn = std::function<void(std::string_view key, std::string_view value)>;

// The lines of writeDirMenu handed over one by one, without a list of them in memory.
void forEachDirMenuLine(
    const MenuTree &tree, const DirMenuLineFn &line, const ProgressFn &progress = {});

// What a save says when the ini file refused the value written under `key` (a key of
// writeDirMenu's lines for the tree, such as "cmd12") because it `problem` (such as "holds a
// line break"): the entry's number and title, and which of its values was refused, as in
// Entry 12 "Projects": the command holds a line break
// Control characters in the title show as blanks, so the text stays on one line.
std::string refusedEntryText(const MenuTree &tree, std::string_view key, std::string_view problem);

} // namespace torvex
