#include "menu/DirMenuStorability.h"

#include "core/Text.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <charconv>
#include <iterator>
#include <string_view>

namespace torvex {

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
    // One pass over the text (find_first_of would look each character up in the set).
    return std::any_of(text.begin(), text.end(), [](char c) {
        return c == '\r' || c == '\n';
    });
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
    m_titles.resize(m_path.size() - 1);
    m_titles.push_back(node->title());
}

void TitlePathWalk::step(std::size_t depth, std::string_view title)
{
    m_titles.resize(depth);
    m_titles.push_back(title);
}

std::vector<std::string> TitlePathWalk::titles() const
{
    return titlesDownTo(m_titles.size());
}

std::vector<std::string> TitlePathWalk::titlesDownTo(std::size_t depth) const
{
    std::vector<std::string> titles;
    const bool shortened = depth > 2 * titlePathEnds + 1;
    for (std::size_t i = 0; i < depth; ++i) {
        if (shortened && i == titlePathEnds) {
            titles.push_back("... " + std::to_string(depth - 2 * titlePathEnds) + " more ...");
            i = depth - titlePathEnds - 1;
            continue;
        }
        titles.emplace_back(m_titles[i]);
    }
    return titles;
}

namespace {

std::string joinedTitles(const std::vector<std::string> &titles)
{
    std::string path;
    for (const std::string &title : titles)
        path += (path.empty() ? "" : " > ") + title;
    return path;
}

} // namespace

std::string TitlePathWalk::text() const
{
    return joinedTitles(titles());
}

std::string TitlePathWalk::submenuText() const
{
    return joinedTitles(titlesDownTo(m_titles.empty() ? 0 : m_titles.size() - 1));
}

std::vector<UnstorableEntry> findUnstorableEntries(const MenuTree &tree)
{
    std::vector<UnstorableEntry> found;
    TitlePathWalk walk;
    // Numbered as the writer numbers them: each node, then an end line after the last child
    // of a submenu.
    std::size_t number = 0;
    tree.forEach([&](MenuNode *node) {
        walk.step(node);
        ++number;
        if (const char *reason = unstorableReason(*node)) {
            const MenuNode *parent = node->parent();
            found.push_back({ node,
                walk.text(),
                reason,
                static_cast<std::size_t>(node->row()) + 1,
                parent ? std::string(parent->title()) : std::string(),
                number });
        }
        if (!node->hasChildren())
            for (const MenuNode *x = node; x->parent() && x->isLastChild(); x = x->parent())
                ++number;
        return true;
    });
    return found;
}

} // namespace torvex
