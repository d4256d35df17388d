#include "menu/MenuComparison.h"

#include "core/Text.h"
#include "files/FileSystem.h"
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

// One entry of a menu: what it holds, and what it holds at its depth.
struct EntryKeys
{
    std::vector<std::string> content;
    std::vector<std::uint32_t> placed;
};

EntryKeys entriesOf(const DirMenuEntries &lines, Symbols &symbols)
{
    MenuTree tree;
    readDirMenu(lines, tree);
    EntryKeys keys;
    tree.forEach([&](MenuNode *node) {
        std::size_t depth = 0;
        for (const MenuNode *p = node->parent(); p; p = p->parent())
            ++depth;
        // Unit separators keep the fields apart: none of them can hold a control character
        // that a save would keep as such.
        std::string content = node->hasChildren() ? "S\x1f" : "I\x1f";
        content += node->title() + '\x1f' + node->data().command + '\x1f' + node->data().targetPath;
        keys.placed.push_back(symbols(std::to_string(depth) + '\x1f' + content));
        keys.content.push_back(std::move(content));
        return true;
    });
    return keys;
}

// The entries removed in one place and added with the same content in another, marked on
// both sides.
struct Moves
{
    std::vector<bool> before;
    std::vector<bool> after;
    std::size_t count = 0;
};

Moves findMoves(const std::vector<LineEdit> &script, const EntryKeys &a, const EntryKeys &b)
{
    std::unordered_multimap<std::string_view, std::size_t> removedByContent;
    for (const LineEdit &edit : script) {
        if (edit.kind == LineEdit::Kind::Removed)
            removedByContent.emplace(a.content[edit.before], edit.before);
    }
    Moves moves { std::vector<bool>(a.content.size(), false),
        std::vector<bool>(b.content.size(), false) };
    for (const LineEdit &edit : script) {
        if (edit.kind != LineEdit::Kind::Added)
            continue;
        const auto match = removedByContent.find(b.content[edit.after]);
        if (match == removedByContent.end())
            continue;
        moves.before[match->second] = true;
        moves.after[edit.after] = true;
        removedByContent.erase(match);
        ++moves.count;
    }
    return moves;
}

EntryChanges compareEntries(const DirMenuEntries &before, const DirMenuEntries &after)
{
    Symbols symbols;
    const EntryKeys a = entriesOf(before, symbols);
    const EntryKeys b = entriesOf(after, symbols);
    const std::vector<LineEdit> script = diffSymbols(a.placed, b.placed);

    // Moves first; then each run of differing entries: what is left on both sides pairs up
    // as changed.
    const Moves moves = findMoves(script, a, b);
    EntryChanges changes;
    changes.moved = moves.count;
    std::size_t removed = 0;
    std::size_t added = 0;
    const auto endRun = [&] {
        const std::size_t paired = std::min(removed, added);
        changes.changed += paired;
        changes.removed += removed - paired;
        changes.added += added - paired;
        removed = added = 0;
    };
    for (const LineEdit &edit : script) {
        if (edit.kind == LineEdit::Kind::Same)
            endRun();
        else if (edit.kind == LineEdit::Kind::Removed && !moves.before[edit.before])
            ++removed;
        else if (edit.kind == LineEdit::Kind::Added && !moves.after[edit.after])
            ++added;
    }
    endRun();
    return changes;
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
    if (!comparison.isSame())
        comparison.entries = compareEntries(before, after);
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

} // namespace torvex
