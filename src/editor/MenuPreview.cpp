#include "editor/MenuPreview.h"

#include "core/Text.h"
#include "menu/DirMenuKeys.h"
#include "menu/IniSyntax.h"

#include <string_view>

namespace torvex {

namespace {

// Builds the outline from the menu values in the order of their numbers, keeping a stack of
// the submenus that are open.
class PreviewBuilder
{
public:
    PreviewBuilder(MenuPreview &preview, std::size_t limit)
        : m_preview(preview)
        , m_limit(limit)
    { }

    // The value written under the next number, for `node`, or an end line for nullptr.
    void read(std::string_view written, const MenuNode *node)
    {
        if (++m_number > m_limit) {
            if (node)
                ++m_preview.leftOut;
            return;
        }
        const std::string_view value = iniSyntax::unquote(iniSyntax::trim(written));
        if (value.empty())
            return;
        if (value == "-") {
            add(PreviewEntry::Kind::Separator, "", node);
        } else if (value.starts_with("--")) {
            if (!m_open.empty())
                m_open.pop_back();
        } else if (value.front() == '-') {
            PreviewEntry &submenu = add(PreviewEntry::Kind::Submenu,
                std::string(leadingCharacters(value.substr(1), maxSubmenuTitle)),
                node);
            m_open.push_back(&submenu.children);
        } else {
            add(PreviewEntry::Kind::Item, std::string(value), node);
        }
    }

private:
    PreviewEntry &add(PreviewEntry::Kind kind, std::string title, const MenuNode *node)
    {
        std::vector<PreviewEntry> &level = m_open.empty() ? m_preview.entries : *m_open.back();
        level.push_back(PreviewEntry { kind, std::move(title), node, {} });
        return level.back();
    }

    MenuPreview &m_preview;
    std::size_t m_limit;
    std::size_t m_number = 0;
    // The children of the open submenus, innermost last. A level only grows at its end while
    // a deeper one is open, and deeper levels are closed before it grows again, so the
    // pointers stay valid while they are on the stack.
    std::vector<std::vector<PreviewEntry> *> m_open;
};

} // namespace

MenuPreview previewMenu(const MenuTree &tree, std::size_t limit)
{
    MenuPreview preview;
    PreviewBuilder builder(preview, limit);
    std::string written;
    // The values a save writes, in its order: a submenu's title after a dash, and after a last
    // child without children one end line for each submenu it closes.
    tree.forEach([&](MenuNode *node) {
        if (node->hasChildren()) {
            written = "-" + std::string(node->title());
            builder.read(written, node);
            return true;
        }
        builder.read(node->title(), node);
        for (const MenuNode *x = node; x->parent() && x->isLastChild(); x = x->parent())
            builder.read("--", nullptr);
        return true;
    });
    return preview;
}

LocalText leftOutText(std::size_t leftOut, std::size_t limit)
{
    return LocalText::counted("torvex::MenuPreview",
        QT_TRANSLATE_N_NOOP(
            "torvex::MenuPreview", "%n entries not shown (the file manager reads %1)"),
        "1 entry not shown (the file manager reads %1)",
        static_cast<long long>(leftOut))
        .arg(std::to_string(limit));
}

} // namespace torvex
