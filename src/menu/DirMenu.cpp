#include "menu/DirMenu.h"

#include "core/Text.h"

#include <algorithm>
#include <cassert>
#include <string_view>

namespace torvex {

int progressPercent(std::size_t k, std::size_t total)
{
    if (total == 0)
        return 100;
    const std::size_t scaled = k * 100;
    std::size_t q = scaled / total;
    const std::size_t twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && q % 2 == 1))
        ++q;
    return static_cast<int>(q);
}

ProgressCounter::ProgressCounter(std::size_t total, ProgressFn report)
    : m_total(total)
    , m_report(std::move(report))
{ }

void ProgressCounter::step(std::size_t k)
{
    const int percent = progressPercent(k, m_total);
    // Only a new multiple of 10 is reported: repeating the same text would only repaint.
    if (percent % 10 == 0 && percent != m_last) {
        m_last = percent;
        if (m_report)
            m_report(percent);
    }
}

namespace {

// The title, command and target path of each entry number 1..N, gathered in one pass over the
// section so the reader stays linear and needs no lookups by key.
struct NumberedValues
{
    std::vector<const std::string *> menu, cmd, path;
};

// The number in a key such as "Menu12" when the key is `prefix` (any letter case) followed by
// a decimal number written without leading zeros; 0 otherwise.
std::size_t keyNumber(std::string_view key, std::string_view prefix, std::size_t limit)
{
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 19)
        return 0;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (asciiLower(key[i]) != prefix[i])
            return 0;
    }
    std::string_view digits = key.substr(prefix.size());
    if (digits[0] == '0')
        return 0;
    std::size_t n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + static_cast<std::size_t>(c - '0');
        if (n > limit)
            return 0;
    }
    return n;
}

NumberedValues numberedValues(const DirMenuEntries &entries)
{
    const std::size_t n = entries.size();
    NumberedValues values;
    values.menu.assign(n + 1, nullptr);
    values.cmd.assign(n + 1, nullptr);
    values.path.assign(n + 1, nullptr);
    auto keep = [](std::vector<const std::string *> &slots, std::size_t k, const std::string &v) {
        if (k && !slots[k]) // the first occurrence of a key decides
            slots[k] = &v;
    };
    for (const auto &[key, value] : entries) {
        keep(values.menu, keyNumber(key, "menu", n), value);
        keep(values.cmd, keyNumber(key, "cmd", n), value);
        keep(values.path, keyNumber(key, "path", n), value);
    }
    return values;
}

const std::string &valueOf(const std::vector<const std::string *> &slots, std::size_t k)
{
    static const std::string empty;
    return slots[k] ? *slots[k] : empty;
}

} // namespace

// Format notes: "-" alone is a separator item; a value beginning with "--" closes the
// innermost open submenu (ignored at the top level); any other value beginning with "-" opens
// a submenu titled by the rest (at most 99 characters); anything else is an item. "cmd" and
// "path" belong to items and submenu starts only. Submenus left open at the end stay open, so
// the entries after an unmatched start become its children.
void readDirMenu(const DirMenuEntries &entries, MenuTree &tree, const ProgressFn &progress)
{
    const NumberedValues values = numberedValues(entries);
    const std::size_t total = entries.size();
    ProgressCounter counter(total, progress);
    MenuNode *parent = nullptr;
    for (std::size_t k = 1; k <= total; ++k) {
        counter.step(k);
        const std::string &title = valueOf(values.menu, k);
        if (title.empty())
            continue;
        if (title == "-") {
            tree.addNode(parent, parent ? AttachMode::AddChild : AttachMode::Add, "-");
            continue;
        }
        if (title.starts_with("--")) {
            if (parent)
                parent = parent->parent();
            continue;
        }
        MenuNode *node = nullptr;
        const AttachMode mode = parent ? AttachMode::AddChild : AttachMode::Add;
        if (title.starts_with("-")) {
            node = tree.addNode(parent,
                mode,
                // Never cut a character in two: no encoding of the file could store the title.
                std::string(leadingCharacters(std::string_view(title).substr(1), maxSubmenuTitle)),
                NodeKind::Submenu);
            parent = node;
        } else {
            node = tree.addNode(parent, mode, title, NodeKind::Item);
        }
        MenuEntry data;
        data.command = valueOf(values.cmd, k);
        data.targetPath = valueOf(values.path, k);
        if (!data.command.empty() || !data.targetPath.empty())
            tree.setData(node, std::move(data));
    }
}

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
    const std::size_t total = tree.count();
    lines.reserve(writtenLineCount(tree));
    ProgressCounter counter(total, progress);
    std::size_t n = 0;
    std::size_t i = 0;
    auto menuKey = [&n]() {
        return "menu" + std::to_string(n);
    };
    tree.forEach([&](MenuNode *node) {
        counter.step(++i);
        ++n;
        if (node->hasChildren()) {
            lines.emplace_back(menuKey(), "-" + node->title());
            return true;
        }
        lines.emplace_back(menuKey(), node->title());
        lines.emplace_back("cmd" + std::to_string(n), node->data().command);
        if (!node->data().targetPath.empty())
            lines.emplace_back("path" + std::to_string(n), node->data().targetPath);
        // A last child closes its parent's submenu, and every ancestor that is itself the last
        // child of its parent closes one more.
        for (const MenuNode *x = node; x->parent() && x->isLastChild(); x = x->parent()) {
            ++n;
            lines.emplace_back(menuKey(), "--");
        }
        return true;
    });
    assert(lines.size() == lines.capacity());
    return lines;
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

std::string refusedEntryText(const MenuTree &tree, std::string_view key, std::string_view problem)
{
    constexpr std::size_t anyNumber = 1'000'000'000'000;
    struct Field
    {
        std::string_view prefix, name;
    };
    for (const Field field : { Field { "menu", "title" },
             Field { "cmd", "command" },
             Field { "path", "target path" } }) {
        const std::size_t number = keyNumber(key, field.prefix, anyNumber);
        if (number == 0)
            continue;
        std::string text = "Entry " + std::to_string(number);
        if (const MenuNode *node = nodeOfEntry(tree, number))
            text += " \"" + oneLine(node->title()) + "\"";
        return text + ": the " + std::string(field.name) + " " + std::string(problem);
    }
    return "The value of " + oneLine(key) + " " + std::string(problem);
}

} // namespace torvex
