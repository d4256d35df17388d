#include "menu/MenuComparison.h"

#include "core/LargePages.h"
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

namespace {

// Whether readDirMenu gives `node` back as it is from the lines writeDirMenu writes for it
// (those with a value): with its title, command, target path and the entries it holds.
bool readsBackAsItIs(const MenuNode &node)
{
    const std::string_view title = node.title();
    if (title.empty())
        return false; // no line at all
    if (node.hasChildren()) {
        // "-" + title, and no command or target path.
        return title[0] != '-' && leadingCharacters(title, maxSubmenuTitle).size() == title.size()
            && node.data().command.empty() && node.data().targetPath.empty();
    }
    if (title == "-")
        return node.data().command.empty() && node.data().targetPath.empty();
    return title[0] != '-';
}

} // namespace

MenuEntryList entriesToSave(const MenuTree &tree)
{
    bool asItIs = true;
    tree.forEach([&asItIs](const MenuNode *node) {
        asItIs = readsBackAsItIs(*node);
        return asItIs;
    });
    return asItIs ? MenuEntryList::of(tree) : MenuEntryList::read(dirMenuLinesToSave(tree));
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


// Whether entry i of `a` and entry j of `b` have the same content at the same depth.
bool samePlaced(const MenuEntryList &a, std::size_t i, const MenuEntryList &b, std::size_t j)
{
    return a.depth(i) == b.depth(j) && a.content(i) == b.content(j);
}

// Gives entries of equal content at equal depth equal numbers, dense from 0: an open table over
// a hash of each, whose equal hashes are told apart by comparing the entries themselves.
class PlacedNumbers
{
public:
    PlacedNumbers(const MenuEntryList &a, const MenuEntryList &b)
        : m_lists { &a, &b }
    {
        std::size_t room = 16;
        while (room < 2 * std::max(a.size(), b.size()))
            room *= 2;
        reserveWithLargePages(m_slots, room);
        m_slots.assign(room, Slot {});
        m_mask = room - 1;
    }

    // The numbers of the entries of both lists. The entries that the second shares with the
    // first at its start and at its end, most of them after a few edits, take the first's
    // numbers without a look into the table.
    std::pair<std::vector<std::uint32_t>, std::vector<std::uint32_t>> numbers()
    {
        const MenuEntryList &a = *m_lists[0];
        const MenuEntryList &b = *m_lists[1];
        // The hashes first, so that the slot of an entry a little ahead can be fetched from
        // memory while the one at hand is looked up.
        std::vector<std::uint64_t> hashes(a.size());
        for (std::size_t i = 0; i < a.size(); ++i)
            hashes[i] = hashOf(a, i);
        constexpr std::size_t ahead = 16;
        std::vector<std::uint32_t> first(a.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (i + ahead < a.size())
                __builtin_prefetch(&m_slots[slotOf(hashes[i + ahead])]);
            first[i] = number(0, std::uint32_t(i), hashes[i]);
        }
        std::size_t start = 0;
        while (start < a.size() && start < b.size() && samePlaced(a, start, b, start))
            ++start;
        std::size_t end = 0;
        while (end < a.size() - start && end < b.size() - start
            && samePlaced(a, a.size() - 1 - end, b, b.size() - 1 - end))
            ++end;
        std::vector<std::uint32_t> second(b.size());
        std::copy(first.begin(), first.begin() + std::ptrdiff_t(start), second.begin());
        for (std::size_t j = start; j < b.size() - end; ++j)
            second[j] = number(1, std::uint32_t(j), hashOf(b, j));
        std::copy(first.end() - std::ptrdiff_t(end), first.end(), second.end() - std::ptrdiff_t(end));
        return { std::move(first), std::move(second) };
    }

private:
    struct Slot
    {
        std::uint64_t hash = 0;
        std::uint32_t number = empty;
        std::uint32_t entry = 0; // the first entry seen with it, its side in the top bit
    };
    static constexpr std::uint32_t empty = std::uint32_t(-1);
    static constexpr std::uint32_t sideBit = 0x80000000u;

    static std::uint64_t hashOf(const MenuEntryList &list, std::size_t i)
    {
        return std::hash<std::string_view> {}(list.content(i))
            ^ (std::uint64_t(list.depth(i)) * 0x9e3779b97f4a7c15u);
    }

    std::size_t slotOf(std::uint64_t hash) const { return (hash ^ (hash >> 29)) & m_mask; }

    std::uint32_t number(std::uint32_t side, std::uint32_t i, std::uint64_t hash)
    {
        const MenuEntryList &list = *m_lists[side];
        for (std::size_t at = slotOf(hash);; at = (at + 1) & m_mask) {
            Slot &slot = m_slots[at];
            if (slot.number == empty) {
                if (m_next == m_slots.size() / 2)
                    grow();
                return insert(hash, side, i);
            }
            if (slot.hash == hash
                && samePlaced(*m_lists[(slot.entry & sideBit) ? 1 : 0], slot.entry & ~sideBit, list, i))
                return slot.number;
        }
    }

    std::uint32_t insert(std::uint64_t hash, std::uint32_t side, std::uint32_t i)
    {
        std::size_t at = slotOf(hash);
        while (m_slots[at].number != empty)
            at = (at + 1) & m_mask;
        m_slots[at] = { hash, m_next, (side ? sideBit : 0) | i };
        return m_next++;
    }

    // Twice the room, for more distinct entries than the larger list holds.
    void grow()
    {
        std::vector<Slot> old(m_slots.size() * 2, Slot {});
        old.swap(m_slots);
        m_mask = m_slots.size() - 1;
        for (const Slot &slot : old) {
            if (slot.number == empty)
                continue;
            std::size_t at = slotOf(slot.hash);
            while (m_slots[at].number != empty)
                at = (at + 1) & m_mask;
            m_slots[at] = slot;
        }
    }

    const MenuEntryList *m_lists[2];
    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
    std::uint32_t m_next = 0;
};

constexpr std::size_t noEntry = std::size_t(-1);

// The entries removed in one place and added with the same content in another: for each
// entry of either side, its partner on the other, noEntry when it did not move. An added entry
// takes the first removed one of its content not taken yet.
struct Moves
{
    std::vector<std::size_t> before;
    std::vector<std::size_t> after;
};

Moves findMoves(
    const std::vector<LineEdit> &script, const MenuEntryList &a, const MenuEntryList &b)
{
    struct Removed
    {
        std::vector<std::size_t> entries;
        std::size_t taken = 0;
    };
    std::unordered_map<std::string_view, Removed> removedByContent;
    for (const LineEdit &edit : script) {
        if (edit.kind == LineEdit::Kind::Removed)
            removedByContent[a.content(edit.before)].entries.push_back(edit.before);
    }
    Moves moves { std::vector<std::size_t>(a.size(), noEntry),
        std::vector<std::size_t>(b.size(), noEntry) };
    if (removedByContent.empty())
        return moves;
    for (const LineEdit &edit : script) {
        if (edit.kind != LineEdit::Kind::Added)
            continue;
        const auto match = removedByContent.find(b.content(edit.after));
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
    const std::vector<LineEdit> &script, const MenuEntryList &a, const MenuEntryList &b)
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

// Fills the places of one side (`side` picks before or after) in one walk over its entries,
// as far as the last of them.
void fillPlaces(std::vector<DifferingEntry> &differing,
    const MenuEntryList &entries,
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
    // The entries seen so far at each depth down to the last one's.
    std::vector<std::uint32_t> seen;
    std::size_t next = 0;
    for (std::size_t i = 0; i < entries.size() && next < places.size(); ++i) {
        const std::uint32_t depth = entries.depth(i);
        walk.step(depth, entries.title(i));
        seen.resize(depth + 1);
        ++seen[depth];
        for (; next < places.size() && places[next]->index == i; ++next) {
            EntryPlace &place = *places[next];
            place.title = entries.title(i);
            place.titlePath = walk.text();
            place.submenu = walk.submenuText();
            place.position = seen[depth];
        }
    }
}

std::string submenuName(const std::string &submenu)
{
    return submenu.empty() ? "the top level" : submenu;
}

std::vector<FieldChange> changedFields(
    const DifferingEntry &entry, const MenuEntryList &a, const MenuEntryList &b)
{
    const std::size_t i = entry.before->index;
    const std::size_t j = entry.after->index;
    std::vector<FieldChange> fields;
    const auto compare = [&fields](const char *field, std::string_view x, std::string_view y) {
        if (x != y)
            fields.push_back({ field, std::string(x), std::string(y) });
    };
    compare("title", a.title(i), b.title(j));
    compare("command", a.command(i), b.command(j));
    compare("target path", a.targetPath(i), b.targetPath(j));
    const auto kind = [](const MenuEntryList &list, std::size_t k) {
        return list.holdsEntries(k) ? "submenu" : "item";
    };
    compare("kind", kind(a, i), kind(b, j));
    if (a.depth(i) != b.depth(j))
        fields.push_back(
            { "place", submenuName(entry.before->submenu), submenuName(entry.after->submenu) });
    return fields;
}

} // namespace

EntryComparison compareMenuEntries(const MenuEntryList &before, const MenuEntryList &after)
{
    const auto [a, b] = PlacedNumbers(before, after).numbers();
    EntryComparison comparison;
    comparison.differing = differingEntriesOf(diffSymbols(a, b), before, after);
    fillPlaces(comparison.differing, before, &DifferingEntry::before);
    fillPlaces(comparison.differing, after, &DifferingEntry::after);
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
            entry.fields = changedFields(entry, before, after);
            break;
        case DifferingEntry::Kind::Moved:
            ++comparison.counts.moved;
            break;
        }
    }
    return comparison;
}

namespace {

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
        EntryComparison entries =
            compareMenuEntries(MenuEntryList::read(before), MenuEntryList::read(after));
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

LocalText entryChangesText(const EntryChanges &changes)
{
    if (!changes.any())
        return LocalText(menuComparisonContext,
            QT_TRANSLATE_NOOP("torvex::MenuComparison",
                "The entries are the same; only the lines that hold them differ."));
    // The first count names the entries, the others only what became of them; each language
    // gives each count its own plural form.
    struct Count
    {
        std::size_t count;
        const char *first;
        const char *firstOne;
        const char *next;
    };
    const Count counts[] = {
        { changes.added,
            QT_TRANSLATE_N_NOOP("torvex::MenuComparison", "%n entries added"),
            "1 entry added",
            QT_TRANSLATE_N_NOOP("torvex::MenuComparison", "%n added") },
        { changes.removed,
            QT_TRANSLATE_N_NOOP("torvex::MenuComparison", "%n entries removed"),
            "1 entry removed",
            QT_TRANSLATE_N_NOOP("torvex::MenuComparison", "%n removed") },
        { changes.changed,
            QT_TRANSLATE_N_NOOP("torvex::MenuComparison", "%n entries changed"),
            "1 entry changed",
            QT_TRANSLATE_N_NOOP("torvex::MenuComparison", "%n changed") },
        { changes.moved,
            QT_TRANSLATE_N_NOOP("torvex::MenuComparison", "%n entries moved"),
            "1 entry moved",
            QT_TRANSLATE_N_NOOP("torvex::MenuComparison", "%n moved") },
    };
    std::vector<LocalText> parts;
    for (const Count &count : counts) {
        if (count.count == 0)
            continue;
        const auto n = static_cast<long long>(count.count);
        parts.push_back(parts.empty()
                ? LocalText::counted(menuComparisonContext, count.first, count.firstOne, n)
                : LocalText::counted(menuComparisonContext, count.next, count.next, n));
    }
    return LocalText::joined(std::move(parts), ", ");
}

namespace {

LocalText comparisonText(const char *source)
{
    return LocalText(menuComparisonContext, source);
}

// A submenu as a line names it: its title path, or the top level in the window's words (as
// submenuName gives it in English).
LocalText submenuText(const std::string &submenu)
{
    return submenu.empty()
        ? comparisonText(QT_TRANSLATE_NOOP("torvex::MenuComparison", "the top level"))
        : LocalText::verbatim(submenu);
}

LocalText kindText(const std::string &kind)
{
    return kind == "submenu" ? comparisonText(QT_TRANSLATE_NOOP("torvex::MenuComparison", "submenu"))
                             : comparisonText(QT_TRANSLATE_NOOP("torvex::MenuComparison", "item"));
}

// One changed field of `entry`: its name, what it was and what it is.
LocalText fieldChangeText(const DifferingEntry &entry, const FieldChange &field)
{
    if (field.field == "kind")
        return comparisonText(QT_TRANSLATE_NOOP("torvex::MenuComparison", "kind %1 -> %2"))
            .arg(kindText(field.before))
            .arg(kindText(field.after));
    if (field.field == "place")
        return comparisonText(QT_TRANSLATE_NOOP("torvex::MenuComparison", "place %1 -> %2"))
            .arg(submenuText(entry.before->submenu))
            .arg(submenuText(entry.after->submenu));
    // Titles, commands and target paths in quotes, where an empty one shows too.
    const char *pattern = field.field == "title"
        ? QT_TRANSLATE_NOOP("torvex::MenuComparison", "title \"%1\" -> \"%2\"")
        : field.field == "command"
        ? QT_TRANSLATE_NOOP("torvex::MenuComparison", "command \"%1\" -> \"%2\"")
        : QT_TRANSLATE_NOOP("torvex::MenuComparison", "target path \"%1\" -> \"%2\"");
    return comparisonText(pattern).arg(field.before).arg(field.after);
}

} // namespace

LocalText differingEntryLine(const DifferingEntry &entry)
{
    switch (entry.kind) {
    case DifferingEntry::Kind::Added:
        return comparisonText(QT_TRANSLATE_NOOP("torvex::MenuComparison", "Added: %1"))
            .arg(entry.after->titlePath);
    case DifferingEntry::Kind::Removed:
        return comparisonText(QT_TRANSLATE_NOOP("torvex::MenuComparison", "Removed: %1"))
            .arg(entry.before->titlePath);
    case DifferingEntry::Kind::Changed: {
        std::vector<LocalText> fields;
        for (const FieldChange &field : entry.fields)
            fields.push_back(fieldChangeText(entry, field));
        return comparisonText(QT_TRANSLATE_NOOP("torvex::MenuComparison", "Changed: %1: %2"))
            .arg(entry.before->titlePath)
            .arg(LocalText::joined(std::move(fields), ", "));
    }
    case DifferingEntry::Kind::Moved: {
        // Each language words "from" and "to" the top level in its own way.
        const std::string from = std::to_string(entry.before->position);
        const std::string to = std::to_string(entry.after->position);
        const LocalText left = entry.before->submenu.empty()
            ? comparisonText(QT_TRANSLATE_NOOP(
                                 "torvex::MenuComparison", "from the top level (position %1)"))
                  .arg(from)
            : comparisonText(QT_TRANSLATE_NOOP("torvex::MenuComparison", "from %1 (position %2)"))
                  .arg(entry.before->submenu)
                  .arg(from);
        const LocalText went = entry.after->submenu.empty()
            ? comparisonText(
                QT_TRANSLATE_NOOP("torvex::MenuComparison", "to the top level (position %1)"))
                  .arg(to)
            : comparisonText(QT_TRANSLATE_NOOP("torvex::MenuComparison", "to %1 (position %2)"))
                  .arg(entry.after->submenu)
                  .arg(to);
        return comparisonText(QT_TRANSLATE_NOOP("torvex::MenuComparison", "Moved: %1, %2 %3"))
            .arg(entry.before->title)
            .arg(left)
            .arg(went);
    }
    }
    return {};
}

std::string differingEntryText(const DifferingEntry &entry)
{
    return differingEntryLine(entry).english();
}

} // namespace torvex
