#include "app/gui/tree/FoldedMenuTexts.h"

#include "menu/gui/MenuText.h"

#include <algorithm>
#include <vector>

namespace torvex {

namespace {

// The texts are joined by a character no title, command, path or typed text holds, so that
// no match spans two of them.
constexpr char textSeparator = '\0';

bool isAscii(const std::string &text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80;
    });
}

std::string folded(std::string text)
{
    if (isAscii(text)) {
        // Folding leaves every ASCII character but the capitals as it is.
        for (char &c : text) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        return text;
    }
    return menuTextToQt(text).toCaseFolded().toStdString();
}

} // namespace

std::string FoldedMenuTexts::foldNeedle(const QString &needle)
{
    return needle.toCaseFolded().toStdString();
}

bool FoldedMenuTexts::holds(const MenuNode &node, const std::string &foldedNeedle)
{
    return !foldedNeedle.empty() && textsOf(node).find(foldedNeedle) != std::string::npos;
}

const std::string &FoldedMenuTexts::textsOf(const MenuNode &node)
{
    auto [at, added] = m_texts.try_emplace(&node);
    if (added) {
        std::string joined = node.title();
        joined += textSeparator;
        joined += node.data().command;
        joined += textSeparator;
        joined += node.data().targetPath;
        at->second = folded(std::move(joined));
    }
    return at->second;
}

void FoldedMenuTexts::forgetSubtree(const MenuNode *node)
{
    std::vector<const MenuNode *> pending { node };
    while (!pending.empty()) {
        const MenuNode *next = pending.back();
        pending.pop_back();
        m_texts.erase(next);
        for (const auto &child : next->children())
            pending.push_back(child.get());
    }
}

} // namespace torvex
