#pragma once

#include "core/LargePages.h"
#include "menu/DirMenuKeys.h"
#include "menu/IniDocument.h"
#include "menu/MenuProgress.h"
#include "menu/MenuTree.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace torvex {

// What the reader makes of a section's entries, told in menu order: each entry it adds and
// each end of an open submenu. Entries without a title, end lines at the top level and the
// values an entry cannot hold are not told. The views last as long as the values read.
class DirMenuReadHandler
{
public:
    virtual ~DirMenuReadHandler() = default;
    // An item (a separator is the item "-", never with a command or target path) or the start
    // of a submenu, whose title is already cut to maxSubmenuTitle characters. The entries
    // that follow, up to the submenu's end, are its children. `entryNumber` is the number of
    // the key menuN the entry was read from.
    virtual void entry(std::size_t entryNumber,
        NodeKind kind,
        std::string_view title,
        std::string_view command,
        std::string_view targetPath) = 0;
    // The innermost open submenu ends. Submenus still open after the last entry stay open:
    // no end is told for them.
    virtual void submenuEnd() = 0;
};

// The one reading of a menu section's lines: each entry of `section` in `document` as the
// reader takes it (the first occurrence of each key, values trimmed and unquoted, none empty),
// handed to `line` in file order. Nothing when the section is missing.
void visitDirMenuLines(const IniDocument &document,
    const IniEntryVisitor &line,
    std::string_view section = dirMenuSection);

class DirMenuValues;

// Reads gathered values as readDirMenu below does, telling the handler instead of building
// a tree.
void readDirMenu(
    const DirMenuValues &values, DirMenuReadHandler &handler, const ProgressFn &progress = {});

// The title, command and target path lines of a DirMenu section, gathered from its entries as
// read (first occurrence of each key, no empty values, in file order), one at a time and
// without keeping the other lines; with the number of entries, which decides how far the
// reader goes. Each value is kept as one record in blocks that are written in order: its
// entry number and kind, its length and its bytes (or, for a lasting value, where they stand),
// so that a value costs about five bytes beyond its text and there is no index of the values.
class DirMenuValues
{
public:
    // Keeps a copy of the value.
    void add(std::string_view key, std::string_view value) { add(readDirMenuKey(key), value); }
    void add(DirMenuKey key, std::string_view value);
    // Keeps the view itself: the text it shows must last as long as these values are used
    // (a document's own text, so that a large section is not held twice).
    void addLasting(DirMenuKey key, std::string_view value);
    std::size_t entryCount() const { return m_entryCount; }
    // The bytes of the values kept (an upper bound of the texts of the menu they make).
    std::size_t valueBytes() const { return m_valueBytes; }
    // Whether the reader makes at least one entry of these values (a menu that is not empty).
    bool holdsEntry() const;

private:
    friend void readDirMenu(const DirMenuValues &, DirMenuReadHandler &, const ProgressFn &);
    friend void readDirMenu(DirMenuValues &&, MenuTree &, const ProgressFn &);
    // The values of each entry number as the reader asks for them (defined with the reader).
    class Entries;
    // One value as kept: its entry number times 4 plus its kind (0 menu, 1 cmd, 2 path).
    struct Value
    {
        std::uint32_t numberAndKind = 0;
        std::string_view text;
    };
    // Records written one after the other.
    struct Block
    {
        std::unique_ptr<char[]> bytes;
        std::size_t used = 0; // the records written, from the start
        std::size_t size = 0;
    };
    // The reading of readDirMenu; with `release`, these values' blocks, each block is freed
    // once the handler was told the entries whose values it holds (only values in order).
    static void read(const DirMenuValues &values,
        DirMenuReadHandler &handler,
        const ProgressFn &progress,
        std::vector<Block> *release);
    // Reads the record at `record` into `value` and tells where the next one starts.
    static const char *readValue(const char *record, Value &value);
    // Calls visit(record, value) for each value in the order they were added.
    template <typename Visit> void forEachValue(Visit &&visit) const;
    void addValue(DirMenuKey key, std::string_view value, bool lasting);
    // A record's room in the last block, a new block when it does not fit there.
    char *room(std::size_t bytes);
    // Blocks that never move, so that views into them stay valid while values are added.
    std::vector<Block> m_blocks;
    std::size_t m_entryCount = 0;
    std::size_t m_valueBytes = 0;
    std::uint32_t m_lastNumber = 0; // the number and kind of the last value
    bool m_inOrder = true; // every value's number (with its kind) above the one before
};

// The number of levels of the menu that readDirMenu builds from `values` (1 for a menu of
// top-level entries only, 0 for none), told without building it.
std::size_t menuDepth(const DirMenuValues &values);

// Builds the menu from gathered values, as readDirMenu below does from the entries.
void readDirMenu(const DirMenuValues &values, MenuTree &tree, const ProgressFn &progress = {});
// The same, handing the values' memory back as the menu takes their texts (values in the order
// the writer writes them are freed block by block as the reader passes them), so that a large
// menu is not held whole beside its values. The values are left empty.
void readDirMenu(DirMenuValues &&values, MenuTree &tree, const ProgressFn &progress = {});

// Builds the menu from the entries of a DirMenu section (as read: first occurrence of each key,
// no empty values, in file order). The tree is not cleared first; nodes are added at the end.
// Entry numbers 1..N are visited, N being the number of entries; see the format notes in the
// .cpp file for the handling of unbalanced sections.
void readDirMenu(const DirMenuEntries &entries, MenuTree &tree, const ProgressFn &progress = {});

} // namespace torvex
