#include "menu/DirMenu.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

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

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
        return static_cast<char>(std::tolower(c));
    });
    return out;
}

// Case-insensitive lookup of the first entry of each key, built once so the reader stays
// linear in the size of the section.
class EntryIndex
{
public:
    explicit EntryIndex(const DirMenuEntries &entries)
    {
        m_values.reserve(entries.size());
        for (const auto &[key, value] : entries)
            m_values.emplace(lowered(key), &value);
    }
    const std::string &value(const std::string &key) const
    {
        static const std::string empty;
        auto it = m_values.find(key);
        return it == m_values.end() ? empty : *it->second;
    }

private:
    std::unordered_map<std::string, const std::string *> m_values;
};

} // namespace

// Format notes: "-" alone is a separator item; a value beginning with "--" closes the
// innermost open submenu (ignored at the top level); any other value beginning with "-" opens
// a submenu titled by the rest (at most 99 characters); anything else is an item. "cmd" and
// "path" belong to items and submenu starts only. Submenus left open at the end stay open, so
// the entries after an unmatched start become its children.
void readDirMenu(const DirMenuEntries &entries, MenuTree &tree, const ProgressFn &progress)
{
    const EntryIndex index(entries);
    const std::size_t total = entries.size();
    ProgressCounter counter(total, progress);
    MenuNode *parent = nullptr;
    for (std::size_t k = 1; k <= total; ++k) {
        counter.step(k);
        const std::string number = std::to_string(k);
        const std::string &title = index.value("menu" + number);
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
            node = tree.addNode(parent, mode, title.substr(1, maxSubmenuTitle), NodeKind::Submenu);
            parent = node;
        } else {
            node = tree.addNode(parent, mode, title, NodeKind::Item);
        }
        TIndhold data;
        data.Command = index.value("cmd" + number);
        data.TargetPath = index.value("path" + number);
        if (!data.Command.empty() || !data.TargetPath.empty())
            tree.setData(node, std::move(data));
    }
}

DirMenuEntries writeDirMenu(const MenuTree &tree, const ProgressFn &progress)
{
    DirMenuEntries lines;
    const std::size_t total = tree.count();
    lines.reserve(total * 2);
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
        lines.emplace_back("cmd" + std::to_string(n), node->data().Command);
        if (!node->data().TargetPath.empty())
            lines.emplace_back("path" + std::to_string(n), node->data().TargetPath);
        // A last child closes its parent's submenu, and every ancestor that is itself the last
        // child of its parent closes one more.
        for (const MenuNode *x = node; x->parent() && x->isLastChild(); x = x->parent()) {
            ++n;
            lines.emplace_back(menuKey(), "--");
        }
        return true;
    });
    return lines;
}

} // namespace torvex
