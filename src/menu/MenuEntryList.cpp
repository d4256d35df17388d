#include "menu/MenuEntryList.h"

#include "core/LargePages.h"
#include "menu/DirMenuReader.h"
#include "menu/MenuTree.h"

#include <cassert>

namespace torvex {

namespace {

// Unit separators keep the fields of a content apart: none of them can hold a control
// character that a save would keep as such.
constexpr char fieldSeparator = '\x1f';

// Adds what the reader tells to a list, each entry one level below the open submenus.
class ListBuilder : public DirMenuReadHandler
{
public:
    explicit ListBuilder(MenuEntryList &list)
        : m_list(list)
    { }

    void entry(std::size_t,
        NodeKind kind,
        std::string_view title,
        std::string_view command,
        std::string_view targetPath) override
    {
        m_list.add(m_open, title, command, targetPath);
        if (kind == NodeKind::Submenu)
            ++m_open;
    }

    void submenuEnd() override { --m_open; }

private:
    MenuEntryList &m_list;
    std::uint32_t m_open = 0;
};

} // namespace

MenuEntryList MenuEntryList::of(const MenuTree &tree)
{
    MenuEntryList list;
    // Room that goes unused costs no memory: pages are taken as they are written, large ones
    // where the system has them.
    reserveWithLargePages(list.m_entries, tree.count());
    list.m_text.reserve(tree.count() * 64);
    preferLargePages(list.m_text.data(), list.m_text.capacity());
    std::vector<const MenuNode *> path;
    tree.forEach([&](const MenuNode *node) {
        while (!path.empty() && path.back() != node->parent())
            path.pop_back();
        list.add(std::uint32_t(path.size()),
            node->title(),
            node->data().command,
            node->data().targetPath);
        path.push_back(node);
        return true;
    });
    return list;
}

MenuEntryList MenuEntryList::read(const DirMenuValues &values)
{
    MenuEntryList list;
    ListBuilder builder(list);
    readDirMenu(values, builder);
    return list;
}

MenuEntryList MenuEntryList::read(const DirMenuEntries &lines)
{
    DirMenuValues values;
    for (const auto &[key, value] : lines)
        values.add(key, value);
    return read(values);
}

void MenuEntryList::add(std::uint32_t depth,
    std::string_view title,
    std::string_view command,
    std::string_view targetPath)
{
    assert(m_entries.empty() ? depth == 0 : depth <= m_entries.back().depth + 1);
    if (!m_entries.empty() && depth > m_entries.back().depth)
        m_text[m_entries.back().text] = 'S';
    m_entries.push_back({ m_text.size(),
        std::uint32_t(title.size()),
        std::uint32_t(command.size()),
        std::uint32_t(targetPath.size()),
        depth });
    m_text += 'I';
    m_text += fieldSeparator;
    m_text += title;
    m_text += fieldSeparator;
    m_text += command;
    m_text += fieldSeparator;
    m_text += targetPath;
}

std::string_view MenuEntryList::title(std::size_t i) const
{
    const Entry &entry = m_entries[i];
    return std::string_view(m_text).substr(entry.text + 2, entry.titleLength);
}

std::string_view MenuEntryList::command(std::size_t i) const
{
    const Entry &entry = m_entries[i];
    return std::string_view(m_text).substr(entry.text + 3 + entry.titleLength, entry.commandLength);
}

std::string_view MenuEntryList::targetPath(std::size_t i) const
{
    const Entry &entry = m_entries[i];
    return std::string_view(m_text).substr(
        entry.text + 4 + entry.titleLength + entry.commandLength, entry.targetPathLength);
}

std::string_view MenuEntryList::content(std::size_t i) const
{
    const Entry &entry = m_entries[i];
    return std::string_view(m_text).substr(entry.text,
        4 + std::size_t(entry.titleLength) + entry.commandLength + entry.targetPathLength);
}

} // namespace torvex
