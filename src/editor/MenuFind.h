#pragma once

#include "menu/MenuTree.h"
#include "menu/NodeTable.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace torvex {

// Nodes in menu order (each after its parent, a parent's nodes after it before its next
// sibling), with the parents of each: the rows a filtered tree shows, as a list that is
// filled without looking a node up.
class ShownNodes
{
public:
    const std::vector<const MenuNode *> &inMenuOrder() const { return m_nodes; }
    std::size_t size() const { return m_nodes.size(); }
    bool empty() const { return m_nodes.empty(); }
    // 1 when `node` is among them, else 0; walks the list.
    std::size_t count(const MenuNode *node) const;
    // Empties the list and keeps its room.
    void clear() { m_nodes.clear(); }
    // Room for `count` nodes, made present at once (no page fault as it fills).
    void reserve(std::size_t count);
    void append(const MenuNode *node) { m_nodes.push_back(node); }
    friend bool operator==(const ShownNodes &, const ShownNodes &) = default;

private:
    std::vector<const MenuNode *> m_nodes;
};

// What the find box over the tree shows for one text.
struct FindResult
{
    // The entries whose title, command or target path holds the text, in menu order.
    std::vector<MenuNode *> matches;
    // Every node that stays visible, in menu order: the matches, their ancestors, and the
    // node kept in view (the selected one) with its ancestors.
    ShownNodes shown;
};

// Answers whether a title, command or target path holds the text looked for.
using TextMatch = std::function<bool(std::string_view text)>;

// Answers whether a node's title, command or target path holds the text looked for, all three
// at once (for a caller that keeps the texts prepared).
using NodeMatch = std::function<bool(const MenuNode &node)>;

// Walks the whole tree once. `keep` (may be nullptr) stays shown whether it matches or not.
FindResult findInMenu(const MenuTree &tree, const TextMatch &holdsText, const MenuNode *keep);
FindResult findInMenu(const MenuTree &tree, const NodeMatch &holds, const MenuNode *keep);
// The same into `result`, whose room is kept: a find box that finds again and again touches
// no new memory (tens of megabytes of page faults at 100 000 entries otherwise).
void findInMenu(
    const MenuTree &tree, const NodeMatch &holds, const MenuNode *keep, FindResult &result);

// The same as findInMenu for a text that holds the one `previous` was found for (typed on):
// every match of it holds the shorter text, so only the previous matches are looked at.
// `keep` stays shown only when `previous` showed it.
FindResult narrowFind(const FindResult &previous, const TextMatch &holdsText, const MenuNode *keep);
FindResult narrowFind(const FindResult &previous, const NodeMatch &holds, const MenuNode *keep);
// The same into `result` (not `previous`), whose room is kept.
void narrowFind(
    const FindResult &previous, const NodeMatch &holds, const MenuNode *keep, FindResult &result);

// Makes room in `result` for the finds in a tree of `nodes` entries, so that the first find
// touches no new memory either.
void reserveFind(FindResult &result, std::size_t nodes);

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
