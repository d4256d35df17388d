#include "editor/MenuFind.h"

#include "core/LargePages.h"
#include "core/Text.h"

#include <algorithm>

namespace torvex {

namespace {

// Writes the room of `items` beyond its size once, keeping what it holds: in some virtual
// machines a page made present ahead still costs about 2 ms a megabyte at its first write
// (against 0.03 once written), which the first find would pay.
template <typename T> void writeRoom(std::vector<T> &items)
{
    const std::size_t size = items.size();
    items.resize(items.capacity());
    items.resize(size);
}

// Collects the nodes to show in menu order as a walk in menu order visits them: the walk's
// path from the top level down to the node visited is kept, and a node to show adds the part
// of the path not added yet (its ancestors not shown so far, then itself).
class InMenuOrder
{
public:
    explicit InMenuOrder(ShownNodes &shown)
        : m_shown(shown)
    { }
    void visit(const MenuNode *node, bool show)
    {
        // The nodes visited in menu order: the node's parent is on the path, or it is a top-level
        // node and the path starts again.
        while (!m_path.empty() && m_path.back() != node->parent())
            m_path.pop_back();
        m_added = std::min(m_added, m_path.size());
        m_path.push_back(node);
        if (!show)
            return;
        for (; m_added < m_path.size(); ++m_added)
            m_shown.append(m_path[m_added]);
    }

private:
    ShownNodes &m_shown;
    std::vector<const MenuNode *> m_path;
    // The first m_added nodes of the path are shown already.
    std::size_t m_added = 0;
};

NodeMatch anyOfTheTexts(const TextMatch &holdsText)
{
    return [&holdsText](const MenuNode &node) {
        return holdsText(node.title()) || holdsText(node.data().command)
            || holdsText(node.data().targetPath);
    };
}

} // namespace

FindResult findInMenu(const MenuTree &tree, const TextMatch &holdsText, const MenuNode *keep)
{
    return findInMenu(tree, anyOfTheTexts(holdsText), keep);
}

FindResult findInMenu(const MenuTree &tree, const NodeMatch &holds, const MenuNode *keep)
{
    FindResult result;
    findInMenu(tree, holds, keep, result);
    return result;
}

void findInMenu(
    const MenuTree &tree, const NodeMatch &holds, const MenuNode *keep, FindResult &result)
{
    result.matches.clear();
    result.shown.clear();
    InMenuOrder shown(result.shown);
    tree.forEach([&](MenuNode *node) {
        const bool match = holds(*node);
        if (match)
            result.matches.push_back(node);
        shown.visit(node, match || node == keep);
        return true;
    });
}

FindResult narrowFind(const FindResult &previous, const TextMatch &holdsText, const MenuNode *keep)
{
    return narrowFind(previous, anyOfTheTexts(holdsText), keep);
}

FindResult narrowFind(const FindResult &previous, const NodeMatch &holds, const MenuNode *keep)
{
    FindResult result;
    narrowFind(previous, holds, keep, result);
    return result;
}

void narrowFind(
    const FindResult &previous, const NodeMatch &holds, const MenuNode *keep, FindResult &result)
{
    result.matches.clear();
    result.shown.clear();
    // The nodes shown before, in menu order, hold the matches before in the same order: a
    // node is one of them when it is the next one not passed yet.
    InMenuOrder shown(result.shown);
    auto pending = previous.matches.begin();
    for (const MenuNode *node : previous.shown.inMenuOrder()) {
        bool match = false;
        if (pending != previous.matches.end() && *pending == node) {
            match = holds(*node);
            if (match)
                result.matches.push_back(*pending);
            ++pending;
        }
        shown.visit(node, match || node == keep);
    }
}

void reserveFind(FindResult &result, std::size_t nodes)
{
    reservePresent(result.matches, nodes);
    writeRoom(result.matches);
    result.shown.reserve(nodes);
}

MenuNode *nextMatch(
    const MenuTree &tree, const FindResult &result, const MenuNode *from, bool backwards)
{
    if (result.matches.empty())
        return nullptr;
    // The matches are in menu order: find where `from` stands among them.
    std::size_t before = 0; // matches before `from`
    bool fromIsMatch = false;
    bool found = false;
    const NodeSet matches(result.matches.begin(), result.matches.end());
    tree.forEach([&](MenuNode *node) {
        if (node == from) {
            found = true;
            fromIsMatch = matches.count(node) > 0;
            return false;
        }
        if (matches.count(node))
            ++before;
        return true;
    });
    const std::size_t count = result.matches.size();
    if (!found)
        return backwards ? result.matches.back() : result.matches.front();
    if (backwards)
        return result.matches[(before + count - 1) % count];
    return result.matches[(before + (fromIsMatch ? 1 : 0)) % count];
}

std::size_t matchNumber(const FindResult &result, const MenuNode *node)
{
    const auto at = std::find(result.matches.begin(), result.matches.end(), node);
    return at == result.matches.end() ? 0
                                      : static_cast<std::size_t>(at - result.matches.begin()) + 1;
}

void ShownNodes::reserve(std::size_t count)
{
    reservePresent(m_nodes, count);
    writeRoom(m_nodes);
}

std::size_t ShownNodes::count(const MenuNode *node) const
{
    return std::find(m_nodes.begin(), m_nodes.end(), node) == m_nodes.end() ? 0 : 1;
}

TextMatch asciiTextMatch(const std::string &needle)
{
    return [lowered = asciiLower(needle)](std::string_view text) {
        return asciiLower(text).find(lowered) != std::string::npos;
    };
}

} // namespace torvex
