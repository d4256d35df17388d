#pragma once

#include "menu/MenuTree.h"
#include "menu/NodeTable.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace torvex {

// What the find box over the tree shows for one text.
struct FindResult
{
    // The entries whose title, command or target path holds the text, in menu order.
    std::vector<MenuNode *> matches;
    // Every node that stays visible: the matches, their ancestors, and the node kept in
    // view (the selected one) with its ancestors.
    NodeSet shown;
};

// Answers whether a title, command or target path holds the text looked for.
using TextMatch = std::function<bool(const std::string &text)>;

// Answers whether a node's title, command or target path holds the text looked for, all three
// at once (for a caller that keeps the texts prepared).
using NodeMatch = std::function<bool(const MenuNode &node)>;

// Walks the whole tree once. `keep` (may be nullptr) stays shown whether it matches or not.
FindResult findInMenu(const MenuTree &tree, const TextMatch &holdsText, const MenuNode *keep);
FindResult findInMenu(const MenuTree &tree, const NodeMatch &holds, const MenuNode *keep);

// The same as findInMenu for a text that holds the one `previous` was found for (typed on):
// every match of it holds the shorter text, so only the previous matches are looked at.
FindResult narrowFind(const FindResult &previous, const TextMatch &holdsText, const MenuNode *keep);
FindResult narrowFind(const FindResult &previous, const NodeMatch &holds, const MenuNode *keep);

// The first match after `from` in menu order (before it, `backwards`), going round past the
// end; `from` may be any node or nullptr (the search then starts at the beginning, or at the
// end backwards). nullptr when there are no matches.
MenuNode *nextMatch(
    const MenuTree &tree, const FindResult &result, const MenuNode *from, bool backwards = false);

// The position of `node` among the matches counted from 1; 0 when it is no match.
std::size_t matchNumber(const FindResult &result, const MenuNode *node);

// A case-insensitive match for ASCII letters, for callers without a Unicode-aware one.
TextMatch asciiTextMatch(const std::string &needle);

} // namespace torvex
