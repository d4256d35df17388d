#pragma once

#include "menu/DirMenuKeys.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

class DirMenuValues;
class MenuTree;

// The entries of a menu in menu order (pre-order), each with its depth, whether it holds
// entries, its title, command and target path, all texts in one block: what Show changes
// compares, small enough to keep the menu of a file from its load or save beside the editor's.
class MenuEntryList
{
public:
    // The tree as it is.
    static MenuEntryList of(const MenuTree &tree);
    // The menu readDirMenu builds of the values, without building a tree.
    static MenuEntryList read(const DirMenuValues &values);
    static MenuEntryList read(const DirMenuEntries &lines);

    std::size_t size() const { return m_entries.size(); }
    std::uint32_t depth(std::size_t i) const { return m_entries[i].depth; } // 0 at the top level
    bool holdsEntries(std::size_t i) const { return m_text[m_entries[i].text] == 'S'; }
    std::string_view title(std::size_t i) const;
    std::string_view command(std::size_t i) const;
    std::string_view targetPath(std::size_t i) const;
    // Whether it holds entries, its title, command and target path in one text: equal for
    // entries that differ in nothing but their place.
    std::string_view content(std::size_t i) const;

    // Adds an entry after the last one, at most one level deeper; a deeper one makes the
    // entry before it one that holds entries.
    void add(std::uint32_t depth,
        std::string_view title,
        std::string_view command,
        std::string_view targetPath);

private:
    struct Entry
    {
        std::size_t text; // where its content starts in m_text
        std::uint32_t titleLength;
        std::uint32_t commandLength;
        std::uint32_t targetPathLength;
        std::uint32_t depth;
    };
    std::string m_text;
    std::vector<Entry> m_entries;
};

} // namespace torvex
