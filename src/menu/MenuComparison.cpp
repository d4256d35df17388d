#include "menu/MenuComparison.h"

#include "core/Text.h"
#include "files/FileSystem.h"
#include "menu/DirMenuStorability.h"
#include "menu/IniFile.h"
#include "menu/MenuTree.h"

#include <algorithm>
#include <unordered_map>

namespace torvex {

DirMenuEntries dirMenuLinesOnDisk(const std::string &path, FileSystem &fs, std::string_view section)
{
    DirMenuEntries lines;
    visitDirMenuLines(
        IniFile(path, fs).document(),
        [&lines](std::string_view key, std::string_view value) {
            lines.emplace_back(key, value);
        },
        section);
    return lines;
}

DirMenuEntries dirMenuLinesToSave(const MenuTree &tree)
{
    DirMenuEntries lines = writeDirMenu(tree);
    std::erase_if(lines, [](const auto &line) {
        return line.second.empty();
    });
    return lines;
}

bool MenuComparison::isSame() const
{
    return std::all_of(script.begin(), script.end(), [](const LineEdit &edit) {
        return edit.kind == LineEdit::Kind::Same;
    });
}

namespace {

// Gives equal texts equal numbers, for diffSymbols.
class Symbols
{
public:
    std::uint32_t operator()(std::string text)
    {
        return m_numbers.try_emplace(std::move(text), std::uint32_t(m_numbers.size()))
            .first->second;
    }

private:
    std::unordered_map<std::string, std::uint32_t> m_numbers;
};

// The entries of one menu in menu order, as the reader builds them from the lines.
struct MenuEntries
{
    MenuTree tree;
    std::vector<const MenuNode *> nodes;
    std::vector<std::uint32_t> content; // kind, title, command and target path, as a number
    std::vector<std::uint32_t> placed; // the same at its depth
    std::vector<std::uint32_t> depth; // 0 at the top level
    std::vector<std::uint32_t> position; // among its siblings, from 1
};

// Gives entries of equal content, and equal content at equal depth, equal numbers.
class EntryNumbers
{
public:
    std::uint32_t content(const MenuNode &node)
    {
        // Unit separators keep the fields apart: none of them can hold a control character
        // that a save would keep as such.
        m_key.assign(node.hasChildren() ? "S\x1f" : "I\x1f");
        m_key += node.title();
        m_key += '\x1f';
        m_key += node.data().command;
        m_key += '\x1f';
        m_key += node.data().targetPath;
        const auto found = m_contents.find(m_key);
        if (found != m_contents.end())
            return found->second;
        return m_contents.emplace(m_key, std::uint32_t(m_contents.size())).first->second;
    }

    std::uint32_t placed(std::uint32_t depth, std::uint32_t content)
    {
        const std::uint64_t key = (std::uint64_t(depth) << 32) | content;
        return m_placed.try_emplace(key, std::uint32_t(m_placed.size())).first->second;
    }

private:
    std::string m_key;
    std::unordered_map<std::string, std::uint32_t> m_contents;
    std::unordered_map<std::uint64_t, std::uint32_t> m_placed;
};

void readEntries(const DirMenuEntries &lines, EntryNumbers &numbers, MenuEntries &entries)
{
    readDirMenu(lines, entries.tree);
    // The nodes down to the last one visited, each with the number of children seen so far.
    std::vector<std::pair<const MenuNode *, std::uint32_t>> path;
    std::uint32_t topLevelSeen = 0;
    entries.tree.forEach([&](MenuNode *node) {
        while (!path.empty() && path.back().first != node->parent())
            path.pop_back();
        std::uint32_t &seen = path.empty() ? topLevelSeen : path.back().second;
        entries.position.push_back(++seen);
        entries.depth.push_back(std::uint32_t(path.size()));
        entries.nodes.push_back(node);
        entries.content.push_back(numbers.content(*node));
        entries.placed.push_back(numbers.placed(entries.depth.back(), entries.content.back()));
        path.emplace_back(node, 0);
        return true;
    });
}

constexpr std::size_t noEntry = std::size_t(-1);

// The entries removed in one place and added with the same content in another: for each
// entry of either side, its partner on the other, noEntry when it did not move. An added entry
// takes the first removed one of its content not taken yet.
struct Moves
{
    std::vector<std::size_t> before;
    std::vector<std::size_t> after;
};

Moves findMoves(const std::vector<LineEdit> &script, const MenuEntries &a, const MenuEntries &b)
{
    struct Removed
    {
        std::vector<std::size_t> entries;
        std::size_t taken = 0;
    };
    std::unordered_map<std::uint32_t, Removed> removedByContent;
    for (const LineEdit &edit : script) {
        if (edit.kind == LineEdit::Kind::Removed)
            removedByContent[a.content[edit.before]].entries.push_back(edit.before);
    }
    Moves moves { std::vector<std::size_t>(a.nodes.size(), noEntry),
        std::vector<std::size_t>(b.nodes.size(), noEntry) };
    if (removedByContent.empty())
        return moves;
    for (const LineEdit &edit : script) {
        if (edit.kind != LineEdit::Kind::Added)
            continue;
        const auto match = removedByContent.find(b.content[edit.after]);
        if (match == removedByContent.end() || match->second.taken == match->second.entries.size())
            continue;
        const std::size_t from = match->second.entries[match->second.taken++];
        moves.before[from] = edit.after;
        moves.after[edit.after] = from;
    }
    return moves;
}

// The differing entries in the order of the script, each with the index of its entry on
// either side (EntryPlace::index) and nothing else yet.
std::vector<DifferingEntry> differingEntriesOf(
    const std::vector<LineEdit> &script, const MenuEntries &a, const MenuEntries &b)
{
    using Kind = DifferingEntry::Kind;
    const auto entry = [](Kind kind, std::size_t before, std::size_t after) {
        DifferingEntry differing;
        differing.kind = kind;
        if (before != noEntry)
            differing.before.emplace().index = before;
        if (after != noEntry)
            differing.after.emplace().index = after;
        return differing;
    };
    // Moves first; then each run of differing entries: what is left on both sides pairs up
    // as changed, in order.
    const Moves moves = findMoves(script, a, b);
    std::vector<DifferingEntry> differing;
    std::vector<std::size_t> removed;
    std::vector<std::size_t> added;
    std::vector<std::size_t> moved;
    const auto endRun = [&] {
        const std::size_t paired = std::min(removed.size(), added.size());
        for (std::size_t k = 0; k < paired; ++k)
            differing.push_back(entry(Kind::Changed, removed[k], added[k]));
        for (std::size_t k = paired; k < removed.size(); ++k)
            differing.push_back(entry(Kind::Removed, removed[k], noEntry));
        for (std::size_t k = paired; k < added.size(); ++k)
            differing.push_back(entry(Kind::Added, noEntry, added[k]));
        for (const std::size_t to : moved)
            differing.push_back(entry(Kind::Moved, moves.after[to], to));
        removed.clear();
        added.clear();
        moved.clear();
    };
    for (const LineEdit &edit : script) {
        if (edit.kind == LineEdit::Kind::Same)
            endRun();
        else if (edit.kind == LineEdit::Kind::Removed && moves.before[edit.before] == noEntry)
            removed.push_back(edit.before);
        else if (edit.kind == LineEdit::Kind::Added)
            (moves.after[edit.after] == noEntry ? added : moved).push_back(edit.after);
    }
    endRun();
    return differing;
}

// Fills the places of one side (`side` picks before or after) in one walk over its entries.
void fillPlaces(std::vector<DifferingEntry> &differing,
    const MenuEntries &entries,
    std::optional<EntryPlace> DifferingEntry::*side)
{
    std::vector<EntryPlace *> places;
    for (DifferingEntry &entry : differing) {
        if (auto &place = entry.*side)
            places.push_back(&*place);
    }
    std::sort(places.begin(), places.end(), [](const EntryPlace *x, const EntryPlace *y) {
        return x->index < y->index;
    });
    TitlePathWalk walk;
    std::size_t next = 0;
    for (std::size_t i = 0; i < entries.nodes.size() && next < places.size(); ++i) {
        walk.step(entries.nodes[i]);
        for (; next < places.size() && places[next]->index == i; ++next) {
            EntryPlace &place = *places[next];
            place.title = entries.nodes[i]->title();
            place.titlePath = walk.text();
            place.submenu = walk.submenuText();
            place.position = entries.position[i];
        }
    }
}

std::string submenuName(const std::string &submenu)
{
    return submenu.empty() ? "the top level" : submenu;
}

std::vector<FieldChange> changedFields(
    const DifferingEntry &entry, const MenuEntries &a, const MenuEntries &b)
{
    const std::size_t i = entry.before->index;
    const std::size_t j = entry.after->index;
    const MenuNode &old = *a.nodes[i];
    const MenuNode &now = *b.nodes[j];
    std::vector<FieldChange> fields;
    const auto compare = [&fields](const char *field, const std::string &x, const std::string &y) {
        if (x != y)
            fields.push_back({ field, x, y });
    };
    compare("title", old.title(), now.title());
    compare("command", old.data().command, now.data().command);
    compare("target path", old.data().targetPath, now.data().targetPath);
    const auto kind = [](const MenuNode &node) {
        return node.hasChildren() ? "submenu" : "item";
    };
    compare("kind", kind(old), kind(now));
    if (a.depth[i] != b.depth[j])
        fields.push_back(
            { "place", submenuName(entry.before->submenu), submenuName(entry.after->submenu) });
    return fields;
}

struct EntryComparison
{
    EntryChanges counts;
    std::vector<DifferingEntry> differing;
};

EntryComparison compareEntries(const DirMenuEntries &before, const DirMenuEntries &after)
{
    EntryNumbers numbers;
    MenuEntries a;
    MenuEntries b;
    readEntries(before, numbers, a);
    readEntries(after, numbers, b);
    EntryComparison comparison;
    comparison.differing = differingEntriesOf(diffSymbols(a.placed, b.placed), a, b);
    fillPlaces(comparison.differing, a, &DifferingEntry::before);
    fillPlaces(comparison.differing, b, &DifferingEntry::after);
    for (DifferingEntry &entry : comparison.differing) {
        switch (entry.kind) {
        case DifferingEntry::Kind::Added:
            ++comparison.counts.added;
            break;
        case DifferingEntry::Kind::Removed:
            ++comparison.counts.removed;
            break;
        case DifferingEntry::Kind::Changed:
            ++comparison.counts.changed;
            entry.fields = changedFields(entry, a, b);
            break;
        case DifferingEntry::Kind::Moved:
            ++comparison.counts.moved;
            break;
        }
    }
    return comparison;
}

std::string lineText(const std::pair<std::string, std::string> &line)
{
    return line.first + '=' + line.second;
}

} // namespace

MenuComparison compareDirMenus(const DirMenuEntries &before, const DirMenuEntries &after)
{
    MenuComparison comparison;
    Symbols symbols;
    std::vector<std::uint32_t> a;
    std::vector<std::uint32_t> b;
    for (const auto &line : before) {
        comparison.before.push_back(lineText(line));
        a.push_back(symbols(asciiLower(line.first) + '=' + line.second));
    }
    for (const auto &line : after) {
        comparison.after.push_back(lineText(line));
        b.push_back(symbols(asciiLower(line.first) + '=' + line.second));
    }
    comparison.script = diffSymbols(a, b);
    if (!comparison.isSame()) {
        EntryComparison entries = compareEntries(before, after);
        comparison.entries = entries.counts;
        comparison.differingEntries = std::move(entries.differing);
    }
    return comparison;
}

std::string unifiedMenuDiff(
    const MenuComparison &comparison, std::string_view beforeName, std::string_view afterName)
{
    return unifiedDiff(
        comparison.script, comparison.before, comparison.after, beforeName, afterName);
}

std::string entryChangesText(const EntryChanges &changes)
{
    if (!changes.any())
        return "The entries are the same; only the lines that hold them differ.";
    std::string text;
    const std::pair<std::size_t, const char *> counts[] = {
        { changes.added, "added" },
        { changes.removed, "removed" },
        { changes.changed, "changed" },
        { changes.moved, "moved" },
    };
    for (const auto &[count, what] : counts) {
        if (count == 0)
            continue;
        if (text.empty())
            text = std::to_string(count) + (count == 1 ? " entry " : " entries ") + what;
        else
            text += ", " + std::to_string(count) + " " + what;
    }
    return text;
}

std::string differingEntryText(const DifferingEntry &entry)
{
    switch (entry.kind) {
    case DifferingEntry::Kind::Added:
        return "Added: " + entry.after->titlePath;
    case DifferingEntry::Kind::Removed:
        return "Removed: " + entry.before->titlePath;
    case DifferingEntry::Kind::Changed: {
        std::string text = "Changed: " + entry.before->titlePath + ":";
        const char *separator = " ";
        for (const FieldChange &field : entry.fields) {
            text += separator + field.field + ' ';
            // Titles, commands and target paths in quotes, where an empty one shows too.
            if (field.field == "kind" || field.field == "place")
                text += field.before + " -> " + field.after;
            else
                text += '"' + field.before + "\" -> \"" + field.after + '"';
            separator = ", ";
        }
        return text;
    }
    case DifferingEntry::Kind::Moved:
        return "Moved: " + entry.before->title + ", from " + submenuName(entry.before->submenu)
            + " (position " + std::to_string(entry.before->position) + ") to "
            + submenuName(entry.after->submenu) + " (position "
            + std::to_string(entry.after->position) + ")";
    }
    return {};
}

} // namespace torvex
