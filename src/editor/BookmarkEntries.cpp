#include "editor/BookmarkEntries.h"

#include "editor/CommandFolder.h"
#include "menu/MenuTree.h"
#include "platform/WindowsView.h"

#include <filesystem>

namespace torvex {

std::vector<MenuNode *> addBookmarkEntries(
    MenuTree &tree, MenuNode *after, const std::vector<BookmarkImport> &imports)
{
    std::vector<MenuNode *> added;
    for (const BookmarkImport &import : imports) {
        if (!import.refusal.empty())
            continue;
        MenuNode *next = after ? after->nextSibling() : nullptr;
        MenuNode *node = next ? tree.addNode(next, AttachMode::Insert, import.title)
                              : tree.addNode(after, AttachMode::Add, import.title);
        tree.setCommand(node, import.command);
        added.push_back(node);
        after = node;
    }
    return added;
}

namespace {

BookmarkExport exportOf(const MenuNode &node, const WindowsView &view)
{
    BookmarkExport result;
    result.node = &node;
    if (node.data().command.empty()) {
        result.skipReason = "no command";
        return result;
    }
    const std::optional<std::filesystem::path> host =
        view.hostPath(commandFolder(node.data().command));
    std::error_code error;
    if (!host || !host->is_absolute() || !std::filesystem::is_directory(*host, error)) {
        result.skipReason = "leads to no folder";
        return result;
    }
    // The folder by its own name, not through the prefix's drive links.
    const std::filesystem::path real = std::filesystem::canonical(*host, error);
    result.hostFolder = (error ? host->lexically_normal() : real).string();
    while (result.hostFolder.size() > 1 && result.hostFolder.back() == '/')
        result.hostFolder.pop_back();
    return result;
}

} // namespace

std::vector<BookmarkExport> bookmarkExports(const MenuTree &tree, const WindowsView &view)
{
    std::vector<BookmarkExport> exports;
    tree.forEach([&](MenuNode *node) {
        if (!node->hasChildren() && !node->isSeparator())
            exports.push_back(exportOf(*node, view));
        return true;
    });
    return exports;
}

} // namespace torvex
