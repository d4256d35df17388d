#include "menu/DirMenu.h"

#include "core/Text.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <charconv>
#include <iterator>
#include <string_view>

namespace torvex {

int progressPercent(std::size_t k, std::size_t total)
{
    if (total == 0)
        return 100;
    const std::size_t scaled = k * 100;
    std::size_t q = scaled / total;
    const std::size_t twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && q % 2 == 1))
        ++q;
    return static_cast<int>(q);
}

ProgressCounter::ProgressCounter(std::size_t total, ProgressFn report)
    : m_total(total)
    , m_report(std::move(report))
{ }

void ProgressCounter::step(std::size_t k)
{
    const int percent = progressPercent(k, m_total);
    // Only a new multiple of 10 is reported: repeating the same text would only repaint.
    if (percent % 10 == 0 && percent != m_last) {
        m_last = percent;
        if (m_report)
            m_report(percent);
    }
}

namespace {

// The number in a key such as "Menu12" when the key is `prefix` (any letter case) followed by
// a decimal number written without leading zeros; 0 otherwise.
std::size_t keyNumber(std::string_view key, std::string_view prefix, std::size_t limit)
{
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 19)
        return 0;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (asciiLower(key[i]) != prefix[i])
            return 0;
    }
    std::string_view digits = key.substr(prefix.size());
    if (digits[0] == '0')
        return 0;
    std::size_t n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + static_cast<std::size_t>(c - '0');
        if (n > limit)
            return 0;
    }
    return n;
}

constexpr std::size_t largestNumber = (std::size_t(1) << 30) - 1;
constexpr std::string_view linePrefixes[] = { "menu", "cmd", "path" };

} // namespace

DirMenuKey readDirMenuKey(std::string_view key)
{
    // The first letter tells which of the three prefixes can match.
    std::uint8_t kind = 0;
    switch (key.empty() ? '\0' : asciiLower(key[0])) {
    case 'm':
        kind = 0;
        break;
    case 'c':
        kind = 1;
        break;
    case 'p':
        kind = 2;
        break;
    default:
        return {};
    }
    // What keyNumber does, for the one limit: this runs for every line of the section. A
    // number below 2^30 has at most ten digits, so it cannot overflow before the end.
    const std::string_view prefix = linePrefixes[kind];
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 10)
        return {};
    for (std::size_t i = 1; i < prefix.size(); ++i) {
        // The prefixes are lower-case letters: only the letter and its capital match.
        if ((key[i] | 0x20) != prefix[i])
            return {};
    }
    if (key[prefix.size()] == '0')
        return {};
    std::uint64_t n = 0;
    for (std::size_t i = prefix.size(); i < key.size(); ++i) {
        const auto digit = static_cast<unsigned char>(key[i] - '0');
        if (digit > 9)
            return {};
        n = n * 10 + digit;
    }
    if (n > largestNumber)
        return {};
    return { static_cast<std::uint32_t>(n), kind };
}

std::uint32_t DirMenuValues::lineNumber(DirMenuKey key)
{
    ++m_entryCount;
    return key.number * 4 + key.kind;
}

void DirMenuValues::addLine(const char *text, std::size_t length, std::uint32_t number)
{
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
        constexpr std::size_t blockSize = 64 * 1024;
        m_copyRoom = std::max(blockSize, value.size());
        m_copies.push_back(std::make_unique_for_overwrite<char[]>(m_copyRoom));
        m_copyNext = m_copies.back().get();
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
    void entry(NodeKind, std::string_view, std::string_view, std::string_view) override
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

// Format notes: "-" alone is a separator item; a value beginning with "--" closes the
// innermost open submenu (ignored at the top level); any other value beginning with "-" opens
// a submenu titled by the rest (at most 99 characters); anything else is an item. "cmd" and
// "path" belong to items and submenu starts only. Submenus left open at the end stay open, so
// the entries after an unmatched start become its children.
void readDirMenu(
    const DirMenuValues &values, DirMenuReadHandler &handler, const ProgressFn &progress)
{
    const std::size_t total = values.m_entryCount;
    const std::vector<DirMenuValues::Line> &lines = values.m_lines;
    // The line of each kind for each entry number 1..N, found in one pass so the reader stays
    // linear and needs no lookups by key; the first occurrence of a key decides. Lines that
    // stand in the order of their numbers (as the writer writes them) need no such table:
    // they are taken as the numbers come.
    std::vector<std::uint32_t> slots[3];
    if (!values.m_inOrder) {
        for (auto &slot : slots)
            slot.assign(total + 1, 0);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::size_t number = lines[i].number / 4;
            std::uint32_t &slot = slots[lines[i].number % 4][number <= total ? number : 0];
            if (number <= total && slot == 0)
                slot = static_cast<std::uint32_t>(i + 1);
        }
    }
    std::size_t nextLine = 0;
    std::string_view valueOfKind[3];
    const auto fetch = [&](std::size_t k) {
        for (std::uint32_t kind = 0; kind < 3; ++kind)
            valueOfKind[kind] = {};
        if (values.m_inOrder) {
            for (; nextLine < lines.size() && lines[nextLine].number / 4 == k; ++nextLine) {
                const DirMenuValues::Line &line = lines[nextLine];
                valueOfKind[line.number % 4] = std::string_view(line.text, line.length);
            }
            return;
        }
        for (std::uint32_t kind = 0; kind < 3; ++kind) {
            if (const std::uint32_t slot = slots[kind][k]) {
                const DirMenuValues::Line &line = lines[slot - 1];
                valueOfKind[kind] = std::string_view(line.text, line.length);
            }
        }
    };
    ProgressCounter counter(total, progress);
    std::size_t openSubmenus = 0;
    for (std::size_t k = 1; k <= total; ++k) {
        counter.step(k);
        fetch(k);
        const std::string_view title = valueOfKind[0];
        if (title.empty())
            continue;
        if (title == "-") {
            handler.entry(NodeKind::Item, title, {}, {});
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
            handler.entry(NodeKind::Submenu,
                leadingCharacters(title.substr(1), maxSubmenuTitle),
                valueOfKind[1],
                valueOfKind[2]);
        } else {
            handler.entry(NodeKind::Item, title, valueOfKind[1], valueOfKind[2]);
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

    void entry(NodeKind kind,
        std::string_view title,
        std::string_view command,
        std::string_view targetPath) override
    {
        const AttachMode mode = m_parent ? AttachMode::AddChild : AttachMode::Add;
        MenuNode *node = m_tree.addNode(m_parent, mode, std::string(title), kind);
        if (!command.empty() || !targetPath.empty())
            m_tree.setData(node, MenuEntry { std::string(command), std::string(targetPath) });
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
        void entry(NodeKind kind, std::string_view, std::string_view, std::string_view) override
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
    TreeBuilder builder(tree);
    readDirMenu(values, builder, progress);
}

namespace {

// What a "menu" line opens, as the reader reads it.
enum TitleKind : std::uint8_t {
    NoTitle,
    ItemTitle,
    SeparatorTitle,
    EndTitle,
    SubmenuTitle,
    CutTitle
};

TitleKind titleKind(std::string_view title)
{
    if (title == "-")
        return SeparatorTitle;
    if (title.starts_with("--"))
        return EndTitle;
    if (!title.starts_with("-"))
        return ItemTitle;
    const std::string_view rest = title.substr(1);
    return leadingCharacters(rest, maxSubmenuTitle).size() < rest.size() ? CutTitle : SubmenuTitle;
}

} // namespace

std::string findingLine(const DirMenuFinding &finding)
{
    return "line " + std::to_string(finding.lineNumber) + ": not shown: " + finding.text + " ("
        + finding.reason + ")";
}

std::string notShownSummary(std::size_t count)
{
    if (count == 1)
        return "The file holds 1 entry that is not shown; saving will remove it.";
    return "The file holds " + std::to_string(count)
        + " entries that are not shown; saving will remove them.";
}

void DirMenuLoadReport::add(const IniSectionLine &line, DirMenuKey key)
{
    using Kind = IniSectionLine::Kind;
    namespace why = loadFindingReason;
    if (line.sectionOrdinal > 0) {
        if (line.kind == Kind::Header)
            m_found.push_back({ line.lineNumber, why::secondSection });
        return;
    }
    if (line.kind == Kind::Header)
        return;
    if (line.kind == Kind::Blank) {
        m_blankLines.push_back(line.lineNumber);
        return;
    }
    // Something follows the blank lines so far: they stand inside the section.
    for (const std::size_t blank : m_blankLines)
        m_found.push_back({ blank, why::blankLine });
    m_blankLines.clear();
    if (line.kind != Kind::Entry) {
        m_found.push_back(
            { line.lineNumber, line.kind == Kind::Comment ? why::comment : why::notAnEntry });
        return;
    }
    if (line.repeatedKey) {
        if (!line.value.empty())
            m_found.push_back({ line.lineNumber, why::repeatedKey });
        return;
    }
    const auto [number, kind] = key;
    if (line.value.empty()) {
        // An empty command or target path holds nothing; the writer writes "cmd7=" itself.
        if (number == 0)
            m_found.push_back({ line.lineNumber, why::unknownKey });
        else if (kind == 0)
            m_found.push_back({ line.lineNumber, why::emptyTitle });
        return;
    }
    ++m_entryCount;
    if (number == 0) {
        m_found.push_back({ line.lineNumber, why::unknownKey });
        return;
    }
    m_numbered.push_back({ static_cast<std::uint32_t>(number),
        static_cast<std::uint32_t>(line.lineNumber),
        kind,
        kind == 0 ? titleKind(line.value) : NoTitle });
}

std::vector<DirMenuFinding> DirMenuLoadReport::findings(
    const std::function<std::string(std::size_t lineNumber)> &lineText) const
{
    namespace why = loadFindingReason;
    // The reader visits the numbers up to the count of entries: everything above is lost.
    const std::size_t total = m_entryCount;
    std::vector<std::uint8_t> titles(total + 1, NoTitle);
    for (const Numbered &line : m_numbered) {
        if (line.kind == 0 && line.number <= total)
            titles[line.number] = line.title;
    }
    std::vector<Found> found = m_found;
    for (const Numbered &line : m_numbered) {
        const char *reason = nullptr;
        if (line.number > total)
            reason = why::pastGap;
        else if (line.kind == 0)
            reason = line.title == CutTitle ? why::cutTitle : nullptr;
        else if (titles[line.number] == NoTitle)
            reason = why::withoutTitle;
        else if (titles[line.number] == SeparatorTitle)
            reason = why::ofSeparator;
        else if (titles[line.number] == EndTitle)
            reason = why::ofEndLine;
        if (reason)
            found.push_back({ line.lineNumber, reason });
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return a.lineNumber < b.lineNumber;
    });
    std::vector<DirMenuFinding> findings;
    findings.reserve(found.size());
    for (const Found &line : found)
        findings.push_back({ line.lineNumber, lineText(line.lineNumber), line.reason });
    return findings;
}

namespace {

// Exactly how many lines writeDirMenu produces, so its list is allocated once: a section of
// a hundred thousand entries would otherwise overshoot by up to half its size.
std::size_t writtenLineCount(const MenuTree &tree)
{
    std::size_t lines = 0;
    tree.forEach([&lines](MenuNode *node) {
        if (node->hasChildren()) {
            ++lines;
            return true;
        }
        lines += node->data().targetPath.empty() ? 2 : 3;
        for (const MenuNode *x = node; x->parent() && x->isLastChild(); x = x->parent())
            ++lines;
        return true;
    });
    return lines;
}

} // namespace

DirMenuEntries writeDirMenu(const MenuTree &tree, const ProgressFn &progress)
{
    DirMenuEntries lines;
    lines.reserve(writtenLineCount(tree));
    forEachDirMenuLine(
        tree,
        [&lines](std::string_view key, std::string_view value) {
            lines.emplace_back(key, value);
        },
        progress);
    assert(lines.size() == lines.capacity());
    return lines;
}

namespace {

// A key such as "menu12", built in place without allocating.
class NumberedKey
{
public:
    std::string_view operator()(std::string_view prefix, std::size_t n)
    {
        std::copy(prefix.begin(), prefix.end(), m_buffer);
        const auto end = std::to_chars(m_buffer + prefix.size(), std::end(m_buffer), n).ptr;
        return std::string_view(m_buffer, static_cast<std::size_t>(end - m_buffer));
    }

private:
    char m_buffer[32];
};

} // namespace

void forEachDirMenuLine(const MenuTree &tree, const DirMenuLineFn &line, const ProgressFn &progress)
{
    const std::size_t total = tree.count();
    ProgressCounter counter(total, progress);
    std::size_t n = 0;
    std::size_t i = 0;
    NumberedKey key;
    std::string submenuTitle;
    tree.forEach([&](MenuNode *node) {
        counter.step(++i);
        ++n;
        if (node->hasChildren()) {
            submenuTitle.assign(1, '-');
            submenuTitle += node->title();
            line(key("menu", n), submenuTitle);
            return true;
        }
        line(key("menu", n), node->title());
        line(key("cmd", n), node->data().command);
        if (!node->data().targetPath.empty())
            line(key("path", n), node->data().targetPath);
        // A last child closes its parent's submenu, and every ancestor that is itself the last
        // child of its parent closes one more.
        for (const MenuNode *x = node; x->parent() && x->isLastChild(); x = x->parent()) {
            ++n;
            line(key("menu", n), "--");
        }
        return true;
    });
}

namespace {

// The node that writeDirMenu writes under entry number `number`; nullptr for an end line or
// a number it does not write.
const MenuNode *nodeOfEntry(const MenuTree &tree, std::size_t number)
{
    const MenuNode *found = nullptr;
    std::size_t n = 0;
    tree.forEach([&](MenuNode *node) {
        if (++n == number) {
            found = node;
            return false;
        }
        if (!node->hasChildren()) {
            for (const MenuNode *x = node; x->parent() && x->isLastChild(); x = x->parent())
                ++n;
        }
        return n < number;
    });
    return found;
}

std::string oneLine(std::string_view text)
{
    std::string line(text);
    for (char &c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    return line;
}

} // namespace

namespace {

std::string_view withoutBlanks(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

bool holdsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

const char *unstorableReason(const MenuNode &node)
{
    namespace why = unstorableText;
    if (holdsLineBreak(node.title()))
        return why::titleLineBreak;
    const std::string_view title = withoutBlanks(node.title());
    if (node.hasChildren()) {
        // Written as "-" + title: the reader must see a submenu start again.
        if (title == "-")
            return why::separatorWithEntries;
        if (title.empty())
            return why::untitledSubmenu;
        if (title.starts_with("-"))
            return why::dashSubmenu;
        if (leadingCharacters(node.title(), maxSubmenuTitle).size() < node.title().size())
            return why::longSubmenu;
        return nullptr;
    }
    if (holdsLineBreak(node.data().command))
        return why::commandLineBreak;
    if (holdsLineBreak(node.data().targetPath))
        return why::targetPathLineBreak;
    if (title.empty())
        return why::untitledEntry;
    if (title == "-") {
        const bool holdsData = !node.data().command.empty() || !node.data().targetPath.empty();
        return holdsData ? why::separatorWithCommand : nullptr;
    }
    if (title.starts_with("--"))
        return why::doubleDashEntry;
    if (title.starts_with("-"))
        return why::dashEntry;
    return nullptr;
}

void TitlePathWalk::step(const MenuNode *node)
{
    while (!m_path.empty() && m_path.back() != node->parent())
        m_path.pop_back();
    m_path.push_back(node);
}

std::vector<std::string> TitlePathWalk::titles() const
{
    std::vector<std::string> titles;
    const std::size_t depth = m_path.size();
    const bool shortened = depth > 2 * titlePathEnds + 1;
    for (std::size_t i = 0; i < depth; ++i) {
        if (shortened && i == titlePathEnds) {
            titles.push_back("... " + std::to_string(depth - 2 * titlePathEnds) + " more ...");
            i = depth - titlePathEnds - 1;
            continue;
        }
        titles.push_back(m_path[i]->title());
    }
    return titles;
}

std::string TitlePathWalk::text() const
{
    std::string path;
    for (const std::string &title : titles())
        path += (path.empty() ? "" : " > ") + title;
    return path;
}

std::vector<UnstorableEntry> findUnstorableEntries(const MenuTree &tree)
{
    std::vector<UnstorableEntry> found;
    TitlePathWalk walk;
    tree.forEach([&](MenuNode *node) {
        walk.step(node);
        if (const char *reason = unstorableReason(*node))
            found.push_back({ node, walk.text(), reason });
        return true;
    });
    return found;
}

std::string refusedEntryText(const MenuTree &tree, std::string_view key, std::string_view problem)
{
    constexpr std::size_t anyNumber = 1'000'000'000'000;
    struct Field
    {
        std::string_view prefix, name;
    };
    for (const Field field : { Field { "menu", "title" },
             Field { "cmd", "command" },
             Field { "path", "target path" } }) {
        const std::size_t number = keyNumber(key, field.prefix, anyNumber);
        if (number == 0)
            continue;
        std::string text = "Entry " + std::to_string(number);
        if (const MenuNode *node = nodeOfEntry(tree, number))
            text += " \"" + oneLine(node->title()) + "\"";
        return text + ": the " + std::string(field.name) + " " + std::string(problem);
    }
    return "The value of " + oneLine(key) + " " + std::string(problem);
}

} // namespace torvex
