#include "menu/DirMenuWriter.h"

#include "core/Text.h"
#include "menu/DirMenuStorability.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <charconv>
#include <iterator>
#include <string_view>

namespace torvex {

namespace {

// Exactly how many lines writeDirMenu produces, so its list is allocated once: a section of
// a hundred thousand entries would otherwise overshoot by up to half its size.
std::size_t writtenLineCount(const MenuTree &tree)
{
    std::size_t lines = 0;
    tree.forEach([&lines](MenuNode *node) {
        if (node->hasChildren()) {
            ++lines;
            return true;
        }
        lines += node->data().targetPath.empty() ? 2 : 3;
        for (const MenuNode *x = node; x->parent() && x->isLastChild(); x = x->parent())
            ++lines;
        return true;
    });
    return lines;
}

} // namespace

DirMenuEntries writeDirMenu(const MenuTree &tree, const ProgressFn &progress)
{
    DirMenuEntries lines;
    lines.reserve(writtenLineCount(tree));
    forEachDirMenuLine(
        tree,
        [&lines](std::string_view key, std::string_view value) {
            lines.emplace_back(key, value);
        },
        progress);
    assert(lines.size() == lines.capacity());
    return lines;
}

namespace {

// A key such as "menu12", built in place without allocating.
class NumberedKey
{
public:
    std::string_view operator()(std::string_view prefix, std::size_t n)
    {
        std::copy(prefix.begin(), prefix.end(), m_buffer);
        const auto end = std::to_chars(m_buffer + prefix.size(), std::end(m_buffer), n).ptr;
        return std::string_view(m_buffer, static_cast<std::size_t>(end - m_buffer));
    }

private:
    char m_buffer[32];
};

} // namespace

void forEachDirMenuLine(const MenuTree &tree, const DirMenuLineFn &line, const ProgressFn &progress)
{
    const std::size_t total = tree.count();
    ProgressCounter counter(total, progress);
    std::size_t n = 0;
    std::size_t i = 0;
    NumberedKey key;
    std::string submenuTitle;
    tree.forEach([&](MenuNode *node) {
        counter.step(++i);
        ++n;
        if (node->hasChildren()) {
            submenuTitle.assign(1, '-');
            submenuTitle += node->title();
            line(key("menu", n), submenuTitle);
            return true;
        }
        line(key("menu", n), node->title());
        line(key("cmd", n), node->data().command);
        if (!node->data().targetPath.empty())
            line(key("path", n), node->data().targetPath);
        // A last child closes its parent's submenu, and every ancestor that is itself the last
        // child of its parent closes one more.
        for (const MenuNode *x = node; x->parent() && x->isLastChild(); x = x->parent()) {
            ++n;
            line(key("menu", n), "--");
        }
        return true;
    });
}

namespace {

// The node that writeDirMenu writes under entry number `number`; nullptr for an end line or
// a number it does not write.
const MenuNode *nodeOfEntry(const MenuTree &tree, std::size_t number)
{
    const MenuNode *found = nullptr;
    std::size_t n = 0;
    tree.forEach([&](MenuNode *node) {
        if (++n == number) {
            found = node;
            return false;
        }
        if (!node->hasChildren()) {
            for (const MenuNode *x = node; x->parent() && x->isLastChild(); x = x->parent())
                ++n;
        }
        return n < number;
    });
    return found;
}

std::string oneLine(std::string_view text)
{
    std::string line(text);
    for (char &c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    return line;
}

} // namespace

LocalText refusedEntryLine(const MenuTree &tree, std::string_view key, std::string_view problem)
{
    constexpr std::size_t anyNumber = 1'000'000'000'000;
    const bool lineBreak = problem == "holds a line break";
    const bool nul = problem == "holds a NUL character";
    // Each value's refusals, in the words of the window's other reasons.
    struct Field
    {
        std::string_view prefix, name;
        const char *lineBreak;
        const char *nul;
    };
    for (const Field field : {
             Field { "menu", "title", unstorableText::titleLineBreak,
                 QT_TRANSLATE_NOOP("torvex::DirMenuStorability", "the title holds a NUL character") },
             Field { "cmd", "command", unstorableText::commandLineBreak,
                 QT_TRANSLATE_NOOP(
                     "torvex::DirMenuStorability", "the command holds a NUL character") },
             Field { "path", "target path", unstorableText::targetPathLineBreak,
                 QT_TRANSLATE_NOOP(
                     "torvex::DirMenuStorability", "the target path holds a NUL character") },
         }) {
        const std::size_t number = dirMenuKeyNumber(key, field.prefix, anyNumber);
        if (number == 0)
            continue;
        const LocalText reason = lineBreak || nul
            ? LocalText(unstorableReasonContext, lineBreak ? field.lineBreak : field.nul)
            : LocalText::verbatim("the " + std::string(field.name) + " " + std::string(problem));
        if (const MenuNode *node = nodeOfEntry(tree, number))
            return LocalText(refusedEntryContext,
                QT_TRANSLATE_NOOP("torvex::DirMenuWriter", "Entry %1 \"%2\": %3"))
                .arg(std::to_string(number))
                .arg(oneLine(node->title()))
                .arg(reason);
        return LocalText(refusedEntryContext, QT_TRANSLATE_NOOP("torvex::DirMenuWriter", "Entry %1: %2"))
            .arg(std::to_string(number))
            .arg(reason);
    }
    if (lineBreak || nul)
        return LocalText(refusedEntryContext,
            lineBreak ? QT_TRANSLATE_NOOP("torvex::DirMenuWriter", "The value of %1 holds a line break")
                      : QT_TRANSLATE_NOOP(
                          "torvex::DirMenuWriter", "The value of %1 holds a NUL character"))
            .arg(oneLine(key));
    return LocalText::verbatim("The value of " + oneLine(key) + " " + std::string(problem));
}

std::string refusedEntryText(const MenuTree &tree, std::string_view key, std::string_view problem)
{
    return refusedEntryLine(tree, key, problem).english();
}

} // namespace torvex
