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

enum class AsciiFind { Found, NotFound, NotAscii };

// Looks for a folded needle in an ASCII text without folding a copy of it: an ASCII text folds
// to its lower case. A needle with other characters is not in an ASCII text.
AsciiFind findInAscii(std::string_view text, const std::string &foldedNeedle)
{
    unsigned char high = 0;
    for (const char c : text)
        high |= static_cast<unsigned char>(c);
    if (high >= 0x80)
        return AsciiFind::NotAscii;
    const std::size_t length = foldedNeedle.size();
    if (text.size() < length)
        return AsciiFind::NotFound;
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    const char first = foldedNeedle.front();
    for (std::size_t at = 0; at + length <= text.size(); ++at) {
        if (lower(text[at]) != first)
            continue;
        std::size_t same = 1;
        while (same < length && lower(text[at + same]) == foldedNeedle[same])
            ++same;
        if (same == length)
            return AsciiFind::Found;
    }
    return AsciiFind::NotFound;
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
    for (const std::string_view text : { node.title(), node.data().command, node.data().targetPath }) {
        switch (findInAscii(text, foldedNeedle)) {
        case AsciiFind::Found:
            return true;
        case AsciiFind::NotFound:
            break;
        case AsciiFind::NotAscii:
            return textsOf(node).find(foldedNeedle) != std::string::npos;
        }
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
