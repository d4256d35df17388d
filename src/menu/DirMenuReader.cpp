#include "menu/DirMenuReader.h"

#include "core/Text.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <charconv>
#include <cstring>
#include <iterator>
#include <string_view>

namespace torvex {

void visitDirMenuLines(
    const IniDocument &document, const IniEntryVisitor &line, std::string_view section)
{
    document.visitSection(section, line);
}

namespace {

// A record: the number and kind (4 bytes), then the length times 2 plus 1 for a lasting value
// (7 bits a byte, the last byte below 128), then the bytes or, for a lasting value, where they
// stand.
constexpr std::size_t largestHeader = 4 + 5 + sizeof(const char *);

} // namespace

char *DirMenuValues::room(std::size_t bytes)
{
    if (m_blocks.empty() || m_blocks.back().size - m_blocks.back().used < bytes) {
        // Each block twice the one before, from 64 KB to 64 MB: a large section is kept in a
        // few large blocks, which go back to the system as soon as the values go.
        constexpr std::size_t firstBlock = 64 * 1024;
        const std::size_t doublings = std::min<std::size_t>(m_blocks.size(), 10);
        Block block;
        block.size = std::max(firstBlock << doublings, bytes);
        block.bytes = std::make_unique_for_overwrite<char[]>(block.size);
        preferLargePages(block.bytes.get(), block.size);
        m_blocks.push_back(std::move(block));
    }
    Block &last = m_blocks.back();
    return last.bytes.get() + last.used;
}

void DirMenuValues::addValue(DirMenuKey key, std::string_view value, bool lasting)
{
    ++m_entryCount;
    if (key.number == 0)
        return;
    const std::uint32_t numberAndKind = key.number * 4 + key.kind;
    m_inOrder = m_inOrder && numberAndKind > m_lastNumber;
    m_lastNumber = numberAndKind;
    m_valueBytes += value.size();
    char *const start = room(largestHeader + (lasting ? 0 : value.size()));
    char *out = start;
    std::memcpy(out, &numberAndKind, sizeof numberAndKind);
    out += sizeof numberAndKind;
    std::uint64_t length = (std::uint64_t(value.size()) << 1) | (lasting ? 1 : 0);
    for (; length >= 0x80; length >>= 7)
        *out++ = static_cast<char>((length & 0x7F) | 0x80);
    *out++ = static_cast<char>(length);
    if (lasting) {
        const char *const text = value.data();
        std::memcpy(out, &text, sizeof text);
        out += sizeof text;
    } else {
        if (!value.empty())
            std::memcpy(out, value.data(), value.size());
        out += value.size();
    }
    m_blocks.back().used += static_cast<std::size_t>(out - start);
}

void DirMenuValues::addLasting(DirMenuKey key, std::string_view value)
{
    addValue(key, value, true);
}

void DirMenuValues::add(DirMenuKey key, std::string_view value)
{
    addValue(key, value, false);
}

const char *DirMenuValues::readValue(const char *record, Value &value)
{
    std::memcpy(&value.numberAndKind, record, sizeof value.numberAndKind);
    record += sizeof value.numberAndKind;
    std::uint64_t length = 0;
    for (unsigned shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*record++);
        length |= std::uint64_t(byte & 0x7F) << shift;
        if (byte < 0x80)
            break;
    }
    const std::size_t size = length >> 1;
    if (length & 1) {
        const char *text = nullptr;
        std::memcpy(&text, record, sizeof text);
        value.text = std::string_view(text, size);
        return record + sizeof text;
    }
    value.text = std::string_view(record, size);
    return record + size;
}

template <typename Visit> void DirMenuValues::forEachValue(Visit &&visit) const
{
    Value value;
    for (const Block &block : m_blocks) {
        const char *const end = block.bytes.get() + block.used;
        for (const char *record = block.bytes.get(); record < end;) {
            const char *const at = record;
            record = readValue(record, value);
            visit(at, value);
        }
    }
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
    bool found = false;
    forEachValue([&](const char *, const Value &value) {
        found = found
            || (value.numberAndKind % 4 == 0 && value.numberAndKind / 4 <= m_entryCount
                && !value.text.starts_with("--"));
    });
    return found;
}

void readDirMenu(const DirMenuEntries &entries, MenuTree &tree, const ProgressFn &progress)
{
    DirMenuValues values;
    for (const auto &[key, value] : entries)
        values.add(key, value);
    readDirMenu(values, tree, progress);
}

// The menu, cmd and path values of each entry number 1..N. Values that stand in the order of
// their numbers (as the writer writes them) are taken as the numbers come; otherwise the value
// of each kind for each number is found in one pass, so the reader stays linear and needs no
// lookups by key, and the first occurrence of a key decides.
class DirMenuValues::Entries
{
public:
    Entries(const DirMenuValues &values, std::size_t total, std::vector<Block> *release)
        : m_blocks(values.m_blocks)
        , m_inOrder(values.m_inOrder)
        , m_release(m_inOrder ? release : nullptr)
    {
        if (m_inOrder) {
            nextValue();
            return;
        }
        for (auto &slot : m_slots)
            slot.assign(total + 1, nullptr);
        values.forEachValue([&](const char *record, const Value &value) {
            const std::size_t number = value.numberAndKind / 4;
            if (number > total)
                return;
            const char *&slot = m_slots[value.numberAndKind % 4][number];
            if (!slot)
                slot = record;
        });
    }

    // Entry k's values, by kind (0 menu, 1 cmd, 2 path; empty where the entry has none). The
    // numbers must be asked for in rising order.
    void fetch(std::size_t k, std::string_view (&valueOfKind)[3])
    {
        for (std::uint32_t kind = 0; kind < 3; ++kind)
            valueOfKind[kind] = {};
        if (m_inOrder) {
            // The entries before k are told: the blocks behind the one read now hold nothing
            // more the reader needs.
            for (; m_release && m_released < m_block; ++m_released)
                (*m_release)[m_released].bytes.reset();
            for (; m_hasNext && m_next.numberAndKind / 4 == k; nextValue())
                valueOfKind[m_next.numberAndKind % 4] = m_next.text;
            return;
        }
        for (std::uint32_t kind = 0; kind < 3; ++kind) {
            if (const char *record = m_slots[kind][k]) {
                Value value;
                readValue(record, value);
                valueOfKind[kind] = value.text;
            }
        }
    }

private:
    // Reads the value after the last one read into m_next, m_hasNext false past the end.
    void nextValue()
    {
        while (m_block < m_blocks.size() && m_record == m_blocks[m_block].used) {
            ++m_block;
            m_record = 0;
        }
        m_hasNext = m_block < m_blocks.size();
        if (m_hasNext) {
            const char *const start = m_blocks[m_block].bytes.get();
            m_record = static_cast<std::size_t>(readValue(start + m_record, m_next) - start);
        }
    }

    const std::vector<Block> &m_blocks;
    const bool m_inOrder;
    std::vector<Block> *const m_release; // the blocks to free as the reader passes them
    std::size_t m_released = 0; // the blocks freed so far
    std::vector<const char *> m_slots[3]; // each number's record by kind, null for none
    std::size_t m_block = 0; // where the next value in order is read
    std::size_t m_record = 0;
    Value m_next;
    bool m_hasNext = false;
};

// Format notes: "-" alone is a separator item; a value beginning with "--" closes the
// innermost open submenu (ignored at the top level); any other value beginning with "-" opens
// a submenu titled by the rest (at most 99 characters); anything else is an item. "cmd" and
// "path" belong to items and submenu starts only. Submenus left open at the end stay open, so
// the entries after an unmatched start become its children.
void readDirMenu(
    const DirMenuValues &values, DirMenuReadHandler &handler, const ProgressFn &progress)
{
    DirMenuValues::read(values, handler, progress, nullptr);
}

void DirMenuValues::read(const DirMenuValues &values,
    DirMenuReadHandler &handler,
    const ProgressFn &progress,
    std::vector<Block> *release)
{
    const std::size_t total = values.m_entryCount;
    Entries entries(values, total, release);
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

void readDirMenu(DirMenuValues &&values, MenuTree &tree, const ProgressFn &progress)
{
    tree.reserve(values.entryCount(), values.valueBytes());
    // The builder copies each entry's texts into the tree as it is told.
    TreeBuilder builder(tree);
    DirMenuValues::read(values, builder, progress, &values.m_blocks);
    values = DirMenuValues();
}

} // namespace torvex
