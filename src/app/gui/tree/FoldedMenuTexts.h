#pragma once

#include "menu/MenuTree.h"

#include <QString>

#include <string>
#include <unordered_map>

namespace torvex {

// The find box's texts of each node: ASCII texts are searched as they are (their folded form is
// their lower case); a node with other characters has its title, command and target path
// joined and case-folded once, as UTF-8. Typing on then compares bytes instead of converting
// and folding every text of the menu again for each character. Prepared on first use;
// forget() a node whose texts changed or that came (back) into the tree, clear() after a new
// menu.
class FoldedMenuTexts
{
public:
    // A needle folded the same way; empty for an empty text.
    static std::string foldNeedle(const QString &needle);
    // True when one of the node's three texts holds `foldedNeedle` regardless of case, as
    // QString::contains with Qt::CaseInsensitive finds it.
    bool holds(const MenuNode &node, const std::string &foldedNeedle);

    void forget(const MenuNode *node) { m_texts.erase(node); }
    // `node` and every node below it.
    void forgetSubtree(const MenuNode *node);
    void clear() { m_texts = {}; }
    // The number of nodes whose texts are prepared.
    std::size_t size() const { return m_texts.size(); }

private:
    const std::string &textsOf(const MenuNode &node);

    std::unordered_map<const MenuNode *, std::string> m_texts;
};

} // namespace torvex
