#include "menu/DirMenuReader.h"

#include "core/Text.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <charconv>
#include <iterator>
#include <string_view>

namespace torvex {

void visitDirMenuLines(
    const IniDocument &document, const IniEntryVisitor &line, std::string_view section)
{
    document.visitSection(section, line);
}

std::uint32_t DirMenuValues::lineNumber(DirMenuKey key)
{
    ++m_entryCount;
    return key.number * 4 + key.kind;
}

void DirMenuValues::addLine(const char *text, std::size_t length, std::uint32_t number)
{
    m_valueBytes += length;
    m_inOrder = m_inOrder && (m_lines.empty() || number > m_lines.back().number);
    m_lines.push_back({ text, static_cast<std::uint32_t>(length), number });
}

void DirMenuValues::addLasting(DirMenuKey key, std::string_view value)
{
    const std::uint32_t number = lineNumber(key);
    if (key.number != 0)
        addLine(value.data(), value.size(), number);
}

void DirMenuValues::add(DirMenuKey key, std::string_view value)
{
    const std::uint32_t number = lineNumber(key);
    if (key.number == 0)
        return;
    if (value.size() > m_copyRoom) {
        // Each block twice the one before, from 64 KB to 64 MB: a large section is copied into
        // a few large blocks, which go back to the system as soon as the values go.
        constexpr std::size_t firstBlock = 64 * 1024;
        const std::size_t doublings = std::min<std::size_t>(m_copies.size(), 10);
        m_copyRoom = std::max(firstBlock << doublings, value.size());
        m_copies.push_back(std::make_unique_for_overwrite<char[]>(m_copyRoom));
        m_copyNext = m_copies.back().get();
        preferLargePages(m_copyNext, m_copyRoom);
    }
    char *const copy = m_copyNext;
    std::copy(value.begin(), value.end(), copy);
    m_copyNext += value.size();
    m_copyRoom -= value.size();
    addLine(copy, value.size(), number);
}

namespace {

// Tells whether the reader adds any entry at all.
class AnyEntry : public DirMenuReadHandler
{
public:
    void entry(std::size_t, NodeKind, std::string_view, std::string_view, std::string_view) override
    {
        found = true;
    }
    void submenuEnd() override { }
    bool found = false;
};

} // namespace

bool DirMenuValues::holdsEntry() const
{
    if (!m_inOrder) {
        // A key may stand twice; the reader decides which one counts.
        AnyEntry any;
        readDirMenu(*this, any);
        return any.found;
    }
    // Every title the reader visits makes an entry, except an end line: an end line within a
    // submenu follows that submenu's start, itself an entry.
    return std::any_of(m_lines.begin(), m_lines.end(), [this](const Line &line) {
        return line.number % 4 == 0 && line.number / 4 <= m_entryCount
            && !std::string_view(line.text, line.length).starts_with("--");
    });
}

void readDirMenu(const DirMenuEntries &entries, MenuTree &tree, const ProgressFn &progress)
{
    DirMenuValues values;
    for (const auto &[key, value] : entries)
        values.add(key, value);
    readDirMenu(values, tree, progress);
}

namespace {

// The menu, cmd and path values of each entry number 1..N. Lines that stand in the order of
// their numbers (as the writer writes them) are taken as the numbers come; otherwise the line
// of each kind for each number is found in one pass, so the reader stays linear and needs no
// lookups by key, and the first occurrence of a key decides. (A template only because the line
// type is the values' own.)
template <typename Line> class EntryValues
{
public:
    EntryValues(const std::vector<Line> &lines, std::size_t total, bool inOrder)
        : m_lines(lines)
        , m_inOrder(inOrder)
    {
        if (m_inOrder)
            return;
        for (auto &slot : m_slots)
            slot.assign(total + 1, 0);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::size_t number = lines[i].number / 4;
            std::uint32_t &slot = m_slots[lines[i].number % 4][number <= total ? number : 0];
            if (number <= total && slot == 0)
                slot = static_cast<std::uint32_t>(i + 1);
        }
    }

    // Entry k's values, by kind (0 menu, 1 cmd, 2 path; empty where the entry has none). The
    // numbers must be asked for in rising order.
    void fetch(std::size_t k, std::string_view (&valueOfKind)[3])
    {
        for (std::uint32_t kind = 0; kind < 3; ++kind)
            valueOfKind[kind] = {};
        if (m_inOrder) {
            for (; m_nextLine < m_lines.size() && m_lines[m_nextLine].number / 4 == k;
                 ++m_nextLine) {
                const Line &line = m_lines[m_nextLine];
                valueOfKind[line.number % 4] = std::string_view(line.text, line.length);
            }
            return;
        }
        for (std::uint32_t kind = 0; kind < 3; ++kind) {
            if (const std::uint32_t slot = m_slots[kind][k]) {
                const Line &line = m_lines[slot - 1];
                valueOfKind[kind] = std::string_view(line.text, line.length);
            }
        }
    }

private:
    const std::vector<Line> &m_lines;
    const bool m_inOrder;
    std::vector<std::uint32_t> m_slots[3]; // line index + 1 by kind and number, 0 for none
    std::size_t m_nextLine = 0;
};

} // namespace

// Format notes: "-" alone is a separator item; a value beginning with "--" closes the
// innermost open submenu (ignored at the top level); any other value beginning with "-" opens
// a submenu titled by the rest (at most 99 characters); anything else is an item. "cmd" and
// "path" belong to items and submenu starts only. Submenus left open at the end stay open, so
// the entries after an unmatched start become its children.
void readDirMenu(
    const DirMenuValues &values, DirMenuReadHandler &handler, const ProgressFn &progress)
{
    const std::size_t total = values.m_entryCount;
    EntryValues entries(values.m_lines, total, values.m_inOrder);
    std::string_view valueOfKind[3];
    ProgressCounter counter(total, progress);
    std::size_t openSubmenus = 0;
    for (std::size_t k = 1; k <= total; ++k) {
        counter.step(k);
        entries.fetch(k, valueOfKind);
        const std::string_view title = valueOfKind[0];
        if (title.empty())
            continue;
        if (title == "-") {
            handler.entry(k, NodeKind::Item, title, {}, {});
            continue;
        }
        if (title.starts_with("--")) {
            if (openSubmenus > 0) {
                --openSubmenus;
                handler.submenuEnd();
            }
            continue;
        }
        if (title.starts_with("-")) {
            ++openSubmenus;
            // Never cut a character in two: no encoding of the file could store the title.
            handler.entry(k,
                NodeKind::Submenu,
                leadingCharacters(title.substr(1), maxSubmenuTitle),
                valueOfKind[1],
                valueOfKind[2]);
        } else {
            handler.entry(k, NodeKind::Item, title, valueOfKind[1], valueOfKind[2]);
        }
    }
}

namespace {

// Builds the tree from what the reader tells, adding at the end.
class TreeBuilder : public DirMenuReadHandler
{
public:
    explicit TreeBuilder(MenuTree &tree)
        : m_tree(tree)
    { }

    void entry(std::size_t,
        NodeKind kind,
        std::string_view title,
        std::string_view command,
        std::string_view targetPath) override
    {
        const AttachMode mode = m_parent ? AttachMode::AddChild : AttachMode::Add;
        // The texts go straight from the values read into the tree's text block.
        MenuNode *node = m_tree.addNode(m_parent, mode, title, kind, { command, targetPath });
        if (kind == NodeKind::Submenu)
            m_parent = node;
    }

    void submenuEnd() override { m_parent = m_parent->parent(); }

private:
    MenuTree &m_tree;
    MenuNode *m_parent = nullptr;
};

} // namespace

std::size_t menuDepth(const DirMenuValues &values)
{
    class DepthCount : public DirMenuReadHandler
    {
    public:
        void entry(std::size_t,
            NodeKind kind,
            std::string_view,
            std::string_view,
            std::string_view) override
        {
            deepest = std::max(deepest, open + 1);
            if (kind == NodeKind::Submenu)
                ++open;
        }
        void submenuEnd() override
        {
            if (open > 0)
                --open;
        }
        std::size_t open = 0;
        std::size_t deepest = 0;
    } count;
    readDirMenu(values, count);
    return count.deepest;
}

void readDirMenu(const DirMenuValues &values, MenuTree &tree, const ProgressFn &progress)
{
    // At most one node per entry: the nodes and their texts are made in one block each.
    tree.reserve(values.entryCount(), values.valueBytes());
    TreeBuilder builder(tree);
    readDirMenu(values, builder, progress);
}

} // namespace torvex
