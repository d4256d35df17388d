#include "editor/MenuFind.h"

#include "core/Text.h"

#include <algorithm>

namespace torvex {

namespace {

void showWithAncestors(FindResult &result, const MenuNode *node)
{
    // Stops at the first ancestor already shown: its own ancestors are shown too.
    for (; node && result.shown.insert(node); node = node->parent()) { }
}

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
    tree.forEach([&](MenuNode *node) {
        if (holds(*node)) {
            result.matches.push_back(node);
            showWithAncestors(result, node);
        }
        return true;
    });
    showWithAncestors(result, keep);
    return result;
}

FindResult narrowFind(const FindResult &previous, const TextMatch &holdsText, const MenuNode *keep)
{
    return narrowFind(previous, anyOfTheTexts(holdsText), keep);
}

FindResult narrowFind(const FindResult &previous, const NodeMatch &holds, const MenuNode *keep)
{
    FindResult result;
    for (MenuNode *node : previous.matches) {
        if (holds(*node)) {
            result.matches.push_back(node);
            showWithAncestors(result, node);
        }
    }
    showWithAncestors(result, keep);
    return result;
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

TextMatch asciiTextMatch(const std::string &needle)
{
    return [lowered = asciiLower(needle)](const std::string &text) {
        return asciiLower(text).find(lowered) != std::string::npos;
    };
}

} // namespace torvex
