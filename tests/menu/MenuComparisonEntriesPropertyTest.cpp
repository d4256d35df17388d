// The entries the comparison lists against a textbook comparison of the same two menus: the
// entries it leaves unlisted are a longest common subsequence of the entries with their depth
// (the textbook table's length), the moves pair the rest by content as a multiset does, and
// each listed entry names its own titles, place and fields.
#include "menu/DirMenuReader.h"
#include "menu/MenuComparison.h"
#include "support/MenuOutlines.h"
#include "support/TextbookLcs.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <map>
#include <rapidcheck/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

// One menu as the textbook sees it: the entries in menu order, each with its content, its
// content at its depth, its titles and its place among its siblings.
struct PlainEntry
{
    const MenuNode *node;
    std::string content;
    std::string placed;
    std::string titlePath;
    std::string submenu;
    std::size_t position;
    bool shortened; // deeper than the seven levels a title path shows whole
};

struct PlainMenu
{
    MenuTree tree;
    std::vector<PlainEntry> entries;
};

void readPlain(const DirMenuEntries &lines, PlainMenu &menu)
{
    readDirMenu(lines, menu.tree);
    for (const MenuNode *node : menu.tree.preOrder()) {
        std::vector<std::string> titles;
        for (const MenuNode *up = node; up; up = up->parent())
            titles.insert(titles.begin(), std::string(up->title()));
        std::string path;
        std::string submenu;
        for (std::size_t i = 0; i < titles.size(); ++i) {
            path += (i ? " > " : "") + titles[i];
            if (i + 1 < titles.size())
                submenu = path;
        }
        const std::string content = std::string(node->hasChildren() ? "submenu" : "item") + "|"
            + std::string(node->title()) + "|" + std::string(node->data().command) + "|"
            + std::string(node->data().targetPath);
        menu.entries.push_back({ node,
            content,
            std::to_string(titles.size()) + "|" + content,
            path,
            submenu,
            std::size_t(node->row()) + 1,
            titles.size() > 7 });
    }
}

std::vector<std::string> placedOf(const std::vector<PlainEntry> &entries)
{
    std::vector<std::string> placed;
    for (const PlainEntry &entry : entries)
        placed.push_back(entry.placed);
    return placed;
}

// The entries of one side that the list does not name, in menu order; each named once.
std::vector<std::string> unlisted(const PlainMenu &menu,
    const std::vector<DifferingEntry> &differing,
    std::optional<EntryPlace> DifferingEntry::*side)
{
    std::vector<bool> listed(menu.entries.size(), false);
    for (const DifferingEntry &entry : differing) {
        if (!(entry.*side))
            continue;
        const EntryPlace &place = *(entry.*side);
        RC_ASSERT(place.index < menu.entries.size());
        RC_ASSERT(!listed[place.index]);
        listed[place.index] = true;
        const PlainEntry &plain = menu.entries[place.index];
        RC_ASSERT(place.title == plain.node->title());
        if (!plain.shortened) {
            RC_ASSERT(place.titlePath == plain.titlePath);
            RC_ASSERT(place.submenu == plain.submenu);
        }
        RC_ASSERT(place.position == plain.position);
    }
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < menu.entries.size(); ++i) {
        if (!listed[i])
            rest.push_back(menu.entries[i].placed);
    }
    return rest;
}

void checkAgainstTextbook(const DirMenuEntries &beforeLines, const DirMenuEntries &afterLines)
{
    PlainMenu before;
    PlainMenu after;
    readPlain(beforeLines, before);
    readPlain(afterLines, after);
    const MenuComparison comparison = compareDirMenus(beforeLines, afterLines);
    const std::vector<DifferingEntry> &differing = comparison.differingEntries;

    // What is left unlisted on both sides is one and the same common subsequence, as long as
    // the textbook's longest.
    const std::vector<std::string> keptBefore =
        unlisted(before, differing, &DifferingEntry::before);
    const std::vector<std::string> keptAfter = unlisted(after, differing, &DifferingEntry::after);
    RC_ASSERT(keptBefore == keptAfter);
    const std::size_t kept = test::lcsLength(placedOf(before.entries), placedOf(after.entries));
    RC_ASSERT(keptBefore.size() == kept);

    // Of the rest, as many move as the two multisets of contents share beyond the kept ones.
    std::map<std::string, std::pair<std::size_t, std::size_t>> contents;
    for (const PlainEntry &entry : before.entries)
        ++contents[entry.content].first;
    for (const PlainEntry &entry : after.entries)
        ++contents[entry.content].second;
    std::size_t shared = 0;
    for (const auto &[content, counts] : contents)
        shared += std::min(counts.first, counts.second);

    EntryChanges counted;
    for (const DifferingEntry &entry : differing) {
        switch (entry.kind) {
        case DifferingEntry::Kind::Added:
            RC_ASSERT(!entry.before && entry.after);
            ++counted.added;
            break;
        case DifferingEntry::Kind::Removed:
            RC_ASSERT(entry.before && !entry.after);
            ++counted.removed;
            break;
        case DifferingEntry::Kind::Moved:
            RC_ASSERT(entry.before && entry.after);
            RC_ASSERT(before.entries[entry.before->index].content
                == after.entries[entry.after->index].content);
            ++counted.moved;
            break;
        case DifferingEntry::Kind::Changed: {
            RC_ASSERT(entry.before && entry.after);
            const MenuNode &old = *before.entries[entry.before->index].node;
            const MenuNode &now = *after.entries[entry.after->index].node;
            RC_ASSERT(before.entries[entry.before->index].content
                != after.entries[entry.after->index].content);
            // The fields listed are those that differ, with their values.
            std::map<std::string, std::pair<std::string, std::string>> fields;
            for (const FieldChange &field : entry.fields)
                fields[field.field] = { field.before, field.after };
            const auto check = [&fields](
                                   const char *name, std::string_view x, std::string_view y) {
                const auto found = fields.find(name);
                if (x == y) {
                    RC_ASSERT(found == fields.end());
                } else {
                    RC_ASSERT(found != fields.end());
                    RC_ASSERT(found->second == std::pair(std::string(x), std::string(y)));
                }
            };
            check("title", old.title(), now.title());
            check("command", old.data().command, now.data().command);
            check("target path", old.data().targetPath, now.data().targetPath);
            ++counted.changed;
            break;
        }
        }
    }
    RC_ASSERT(counted.moved == shared - kept);
    RC_ASSERT(counted == comparison.entries);
}

// Draws changed by a few edits: each removes a draw, puts one in or replaces one, so that the
// two menus share most of their entries.
std::vector<int> edited(std::vector<int> draws, const std::vector<int> &edits, int limit)
{
    for (const int edit : edits) {
        const std::size_t at = std::size_t(edit / 3) % (draws.size() + 1);
        const int value = (edit / 7) % limit;
        if (edit % 3 == 0 && at < draws.size())
            draws.erase(draws.begin() + std::ptrdiff_t(at));
        else if (edit % 3 == 1 || at == draws.size())
            draws.insert(draws.begin() + std::ptrdiff_t(at), value);
        else
            draws[at] = value;
    }
    return draws;
}

// Up to `count` numbers below `limit` (fewer in the first cases rapidcheck tries).
rc::Gen<std::vector<int>> drawsUpTo(int count, int limit)
{
    return rc::gen::resize(count, rc::gen::container<std::vector<int>>(rc::gen::inRange(0, limit)));
}

DirMenuEntries linesOfOutline(const std::string &outline)
{
    MenuTree tree;
    test::buildTree(tree, outline);
    return dirMenuLinesToSave(tree);
}

RC_GTEST_PROP(MenuComparisonEntriesProperty, StorableMenusAfterAFewEdits, ())
{
    const auto draws = *drawsUpTo(40, 1600);
    const auto edits = *drawsUpTo(6, 100000);
    checkAgainstTextbook(linesOfOutline(test::storableOutline(draws)),
        linesOfOutline(test::storableOutline(edited(draws, edits, 1600))));
}

RC_GTEST_PROP(MenuComparisonEntriesProperty, AnySectionsAfterAFewEdits, ())
{
    const auto draws = *drawsUpTo(40, 6336);
    const auto edits = *drawsUpTo(6, 100000);
    checkAgainstTextbook(test::anySection(draws), test::anySection(edited(draws, edits, 6336)));
}

RC_GTEST_PROP(MenuComparisonEntriesProperty, UnrelatedMenus, ())
{
    const auto before = *drawsUpTo(40, 1600);
    const auto after = *drawsUpTo(40, 1600);
    checkAgainstTextbook(linesOfOutline(test::storableOutline(before)),
        linesOfOutline(test::storableOutline(after)));
}

} // namespace
} // namespace torvex
