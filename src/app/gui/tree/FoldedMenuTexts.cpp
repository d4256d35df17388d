#include "app/gui/tree/FoldedMenuTexts.h"

#include "menu/gui/MenuText.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace torvex {

namespace {

// The texts are joined by a character no title, command, path or typed text holds, so that
// no match spans two of them.
constexpr char textSeparator = '\0';

bool isAscii(std::string_view text)
{
    // Every byte looked at, without a branch for each: the compiler may take them by the dozen.
    unsigned char high = 0;
    for (const char c : text)
        high |= static_cast<unsigned char>(c);
    return high < 0x80;
}

// Whether an ASCII `text` holds the folded needle: an ASCII text folds to its lower case.
bool holdsLowered(std::string_view text, const std::string &foldedNeedle)
{
    const std::size_t length = foldedNeedle.size();
    if (text.size() < length)
        return false;
    const auto first = static_cast<unsigned char>(foldedNeedle.front());
    // A letter is met lower or upper case: the two differ in one bit.
    const unsigned char caseBit = first >= 'a' && first <= 'z' ? 0x20 : 0;
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    const char *const begin = text.data();
    const char *const lastStart = begin + (text.size() - length);
    for (const char *at = begin; at <= lastStart; ++at) {
        if (!caseBit) {
            at = static_cast<const char *>(
                std::memchr(at, first, static_cast<std::size_t>(lastStart - at) + 1));
            if (!at)
                return false;
        } else if ((static_cast<unsigned char>(*at) | caseBit) != first) {
            continue;
        }
        std::size_t same = 1;
        while (same < length && lower(at[same]) == foldedNeedle[same])
            ++same;
        if (same == length)
            return true;
    }
    return false;
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
    if (foldedNeedle.empty())
        return false;
    const auto &data = node.data();
    for (const std::string_view text : { std::string_view(node.title()),
             std::string_view(data.command),
             std::string_view(data.targetPath) }) {
        // A text with other characters: the folded texts tell.
        if (!isAscii(text))
            return textsOf(node).find(foldedNeedle) != std::string::npos;
        if (holdsLowered(text, foldedNeedle))
            return true;
    }
    return false;
}

const std::string &FoldedMenuTexts::textsOf(const MenuNode &node)
{
    auto [at, added] = m_texts.try_emplace(&node);
    if (added) {
        std::string joined(node.title());
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
