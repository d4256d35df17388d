#pragma once

#include "core/LargePages.h"
#include "menu/IniDocument.h"
#include "menu/MenuTree.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
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

// What the reader makes of a section's entries, told in menu order: each entry it adds and
// each end of an open submenu. Entries without a title, end lines at the top level and the
// values an entry cannot hold are not told. The views last as long as the values read.
class DirMenuReadHandler
{
public:
    virtual ~DirMenuReadHandler() = default;
    // An item (a separator is the item "-", never with a command or target path) or the start
    // of a submenu, whose title is already cut to maxSubmenuTitle characters. The entries
    // that follow, up to the submenu's end, are its children.
    virtual void entry(NodeKind kind,
        std::string_view title,
        std::string_view command,
        std::string_view targetPath) = 0;
    // The innermost open submenu ends. Submenus still open after the last entry stay open:
    // no end is told for them.
    virtual void submenuEnd() = 0;
};

class DirMenuValues;

// A key as the reader reads it: "menu", "cmd" or "path" in any letter case, followed by a
// number written without leading zeros, below 2^30. Number 0 for any other key.
struct DirMenuKey
{
    std::uint32_t number = 0;
    std::uint8_t kind = 0; // 0 menu, 1 cmd, 2 path
};
DirMenuKey readDirMenuKey(std::string_view key);

// Reads gathered values as readDirMenu below does, telling the handler instead of building
// a tree.
void readDirMenu(
    const DirMenuValues &values, DirMenuReadHandler &handler, const ProgressFn &progress = {});

// The title, command and target path lines of a DirMenu section, gathered from its entries as
// read (first occurrence of each key, no empty values, in file order), one at a time and
// without keeping the other lines; with the number of entries, which decides how far the
// reader goes.
class DirMenuValues
{
public:
    // Room for `lines` values without growing (an upper bound: room never used costs no memory).
    void reserve(std::size_t lines) { reserveWithLargePages(m_lines, lines); }
    // Keeps a copy of the value.
    void add(std::string_view key, std::string_view value) { add(readDirMenuKey(key), value); }
    void add(DirMenuKey key, std::string_view value);
    // Keeps the view itself: the text it shows must last as long as these values are used
    // (a document's own text, so that a large section is not held twice).
    void addLasting(DirMenuKey key, std::string_view value);
    std::size_t entryCount() const { return m_entryCount; }
    // Whether the reader makes at least one entry of these values (a menu that is not empty).
    bool holdsEntry() const;

private:
    friend void readDirMenu(const DirMenuValues &, DirMenuReadHandler &, const ProgressFn &);
    struct Line
    {
        const char *text;
        std::uint32_t length;
        std::uint32_t number; // entry number times 4, plus the kind: 0 menu, 1 cmd, 2 path
    };
    // Where the value of a menu, cmd or path line goes; 0 for any other key.
    std::uint32_t lineNumber(DirMenuKey key);
    void addLine(const char *text, std::size_t length, std::uint32_t number);
    // Copied values, in blocks that never move, so the lines' views into them stay valid.
    std::vector<std::unique_ptr<char[]>> m_copies;
    char *m_copyNext = nullptr; // the free part of the last block
    std::size_t m_copyRoom = 0; // and its size
    std::vector<Line> m_lines;
    std::size_t m_entryCount = 0;
    bool m_inOrder = true; // every line's number (with its kind) above the one before
};

// The number of levels of the menu that readDirMenu builds from `values` (1 for a menu of
// top-level entries only, 0 for none), told without building it.
std::size_t menuDepth(const DirMenuValues &values);

// Builds the menu from gathered values, as readDirMenu below does from the entries.
void readDirMenu(const DirMenuValues &values, MenuTree &tree, const ProgressFn &progress = {});

// Builds the menu from the entries of a DirMenu section (as read: first occurrence of each key,
// no empty values, in file order). The tree is not cleared first; nodes are added at the end.
// Entry numbers 1..N are visited, N being the number of entries; see the format notes in the
// .cpp file for the handling of unbalanced sections.
void readDirMenu(const DirMenuEntries &entries, MenuTree &tree, const ProgressFn &progress = {});

// One line of the file's DirMenu sections that the menu does not show; a save, which writes
// the section anew from the menu, removes it.
struct DirMenuFinding
{
    std::size_t lineNumber = 0; // in the file, counted from 1
    std::string text; // the line as it stands
    std::string reason; // why the menu does not show it, in a few words
    bool operator==(const DirMenuFinding &) const = default;
};

// One line for a list: "line 6: not shown: menu5=B (past a gap in the numbering; ...)".
std::string findingLine(const DirMenuFinding &finding);

// "The file holds 3 entries that are not shown; saving will remove them." (1 entry ... it).
std::string notShownSummary(std::size_t count);

// Why a line of the file is not shown (DirMenuFinding::reason).
namespace loadFindingReason {
inline constexpr const char *pastGap = "past a gap in the numbering; the reader stops before it";
inline constexpr const char *secondSection = "a second DirMenu section; only the first is read";
inline constexpr const char *comment = "a comment";
inline constexpr const char *blankLine = "a blank line between entries";
inline constexpr const char *notAnEntry = "a line without a key";
inline constexpr const char *unknownKey = "a key the menu does not use";
inline constexpr const char *repeatedKey = "the key stands twice; only its first value is read";
inline constexpr const char *emptyTitle = "an entry without a title";
inline constexpr const char *withoutTitle = "belongs to an entry without a title";
inline constexpr const char *ofSeparator = "a separator has no command or target path";
inline constexpr const char *ofEndLine = "an end line has no command or target path";
inline constexpr const char *cutTitle = "a submenu title of more than 99 characters is cut";
} // namespace loadFindingReason

// What readDirMenu leaves out of a section, gathered line by line while the file is read:
// lines past a gap in the numbering (the reader stops at the number of entries), a second
// DirMenu section, comments, blank lines between entries, keys the menu does not use, a key
// standing twice, entries without a title, commands and target paths of entries that cannot
// hold them, and submenu titles cut at maxSubmenuTitle characters. Blank lines that only end
// the section are not counted: they hold nothing.
class DirMenuLoadReport
{
public:
    // Room for `lines` numbered lines without growing (an upper bound: room never used costs
    // no memory).
    void reserve(std::size_t lines) { reserveWithLargePages(m_numbered, lines); }
    // Every line of every DirMenu section, in file order (IniDocument::visitSectionLines),
    // with the entry's key as read (readDirMenuKey), found once for the report and the values.
    void add(const IniSectionLine &line, DirMenuKey key);
    void add(const IniSectionLine &line) { add(line, readDirMenuKey(line.key)); }
    // The findings in file order; `lineText` gives a line's text by its number.
    std::vector<DirMenuFinding> findings(
        const std::function<std::string(std::size_t lineNumber)> &lineText) const;

private:
    struct Numbered
    {
        std::uint32_t number; // at most 2^30 - 1
        std::uint32_t lineNumber;
        std::uint8_t kind; // 0 menu, 1 cmd, 2 path
        std::uint8_t title; // a menu line's TitleKind
    };
    struct Found
    {
        std::size_t lineNumber;
        const char *reason;
    };
    std::vector<Numbered> m_numbered;
    std::vector<Found> m_found;
    std::vector<std::size_t> m_blankLines; // blank lines not yet followed by an entry
    std::size_t m_entryCount = 0;
    std::size_t m_otherSection = 0; // the header line of the second section being passed
};

// The lines of the DirMenu section for the tree, in the order they are written: numbered from
// 1, "menu"/"cmd"/"path" keys in lower case, "--" end lines after the last child of a submenu.
// No key is written twice.
DirMenuEntries writeDirMenu(const MenuTree &tree, const ProgressFn &progress = {});

// Called with each line of writeDirMenu; the views last only for the call.
using DirMenuLineFn = std::function<void(std::string_view key, std::string_view value)>;

// The lines of writeDirMenu handed over one by one, without a list of them in memory.
void forEachDirMenuLine(
    const MenuTree &tree, const DirMenuLineFn &line, const ProgressFn &progress = {});

// Why a save cannot store an entry so that it reads back as it is (unstorableReason).
namespace unstorableText {
inline constexpr const char *separatorWithEntries = "a separator cannot hold entries";
inline constexpr const char *separatorWithCommand =
    "a separator cannot hold a command or target path";
inline constexpr const char *untitledSubmenu =
    "a submenu without a title reads back as a separator";
inline constexpr const char *dashSubmenu =
    "a submenu title beginning with \"-\" reads back as the end of a submenu";
inline constexpr const char *longSubmenu =
    "a submenu title of more than 99 characters reads back cut";
inline constexpr const char *untitledEntry = "an entry without a title is not read back";
inline constexpr const char *dashEntry = "a title beginning with \"-\" reads back as a submenu";
inline constexpr const char *doubleDashEntry =
    "a title beginning with \"--\" reads back as the end of a submenu";
inline constexpr const char *titleLineBreak = "the title holds a line break";
inline constexpr const char *commandLineBreak = "the command holds a line break";
inline constexpr const char *targetPathLineBreak = "the target path holds a line break";
} // namespace unstorableText

// Why the file cannot store `node` so that the reader gives it back with its place, title,
// command and target path (the first reason that applies), or nullptr when it can. Titles
// count as the reader sees them, without surrounding blanks.
const char *unstorableReason(const MenuNode &node);

// The titles from the top level down to each node of a walk over a tree in menu order
// (MenuTree::forEach), each step in constant time on the whole. A path deeper than
// 2 * titlePathEnds + 1 levels is shortened in its middle: its first and last titlePathEnds
// titles with "... N more ..." between them, so that a report on a deeply nested menu stays
// readable and its size grows with the number of entries only.
class TitlePathWalk
{
public:
    static constexpr std::size_t titlePathEnds = 3;

    // The next node of the walk.
    void step(const MenuNode *node);
    // The titles down to the last node given to step(), shortened as above.
    std::vector<std::string> titles() const;
    // The same joined by " > ".
    std::string text() const;

private:
    std::vector<const MenuNode *> m_path;
};

// An entry unstorableReason names, with the titles from the top level down to it joined
// by " > " ("Projects > -Old-"), shortened as TitlePathWalk shortens them.
struct UnstorableEntry
{
    MenuNode *node = nullptr;
    std::string titlePath;
    std::string reason;
};

// Every entry of the tree that the file cannot store, in menu order.
std::vector<UnstorableEntry> findUnstorableEntries(const MenuTree &tree);

// What a save says when the ini file refused the value written under `key` (a key of
// writeDirMenu's lines for the tree, such as "cmd12") because it `problem` (such as "holds a
// line break"): the entry's number and title, and which of its values was refused, as in
// Entry 12 "Projects": the command holds a line break
// Control characters in the title show as blanks, so the text stays on one line.
std::string refusedEntryText(const MenuTree &tree, std::string_view key, std::string_view problem);

} // namespace torvex
