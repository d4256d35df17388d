#pragma once

#include "editor/EditorUi.h"
#include "editor/EntryDestination.h"
#include "menu/MenuTree.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

// Which entries of the tree's context menu are shown; nothing is ever disabled.
struct PopupEntries
{
    bool addSubMenu = false;
    bool addSiblingEntry = false;
    bool addCopy = true;
    bool separatorN2 = false;
    bool deleteSelectedEntry = false;
    bool addFirstEntry = false;
    bool separatorN4 = true;
    bool showCommandFolder = true;
    // Shown but greyed: the selected separator cannot hold entries.
    bool addSubMenuEnabled = true;
    bool operator==(const PopupEntries &) const = default;
};

// The context menu for a tree: the structural entries while it holds nodes, "Add menu"
// while it is empty; Add copy, N4 and Show Command folder always. "Add submenu" is greyed
// while a separator is selected.
PopupEntries popupEntries(const MenuTree &tree);

// Everything the user does to the menu short of dragging: the context-menu commands, the
// details panel (refresh, live write-back, the open-folder buttons), the item count and the
// two searches. Each structural command ends by refreshing the panel and the count.
class MenuEditor
{
public:
    // Answers whether a path (Windows or host) names an existing folder.
    using FolderExists = std::function<bool(const std::string &)>;

    MenuEditor(MenuTree &tree, EditorUi &ui, FolderExists folderExists);

    // The variables a command's %NAME% references are read from (the Windows environment
    // and the file manager's own); without them every reference is unknown.
    void setVariables(VariableLookup variables) { m_variables = std::move(variables); }

    // Context-menu commands. Those that need a selected node do nothing without one, and all
    // do nothing while a search runs.

    // Gives the selected node the submenu pictures (its record is kept), adds "New" as its
    // last child, expands it and selects the new node. A separator is refused with a status
    // text: the file cannot store its children.
    void addSubMenu();
    // Adds "New" as the last node of the selected node's level and selects it.
    void addSiblingEntry();
    // Adds "<title> - New" directly behind the selected node, as an item whose record holds the
    // Command and Target path edits' texts (children are not copied), and selects it.
    void addCopy();
    // Deletes the selected node with its subtree; on an empty tree only disables the panel.
    // The panel then shows the newly selected node and is enabled while nodes remain.
    void deleteSelectedEntry();
    // Removes `node` with its subtree in one piece; then empties and disables the panel when
    // the tree is empty, gives a parent left without children the item pictures (its record
    // untouched), and runs the count.
    void deleteMenuTree(MenuNode *node);
    // Removes each of `nodes` with its subtree as one command (none may lie inside another's
    // subtree), then shows the selected node.
    void deleteEntries(const std::vector<MenuNode *> &nodes);
    // Adds "New" as the last top-level node, selects and shows it, runs the count and
    // enables the panel.
    void addFirstEntry();

    // The details panel.

    // Shows the selected node: title, Command, TargetPath; the item controls are enabled for
    // the item picture (image 0) only. Without a selected node the edits are emptied and the
    // panel disabled, so that nothing can be typed into no entry; the next node shown enables
    // it again.
    void showSelectedEntry();
    // A mouse press in the tree: a tree of exactly one node gets it selected; then the panel
    // shows the selected node (or, without one, is emptied and disabled).
    void treePressed();
    // Refreshes the panel when it does not show the selected node; run before input reaches
    // the edits so that typing never goes into a node the panel did not show.
    void showSelectedBeforeEdit();
    // Live write-back of the three edits into the selected node. When the panel shows another
    // node than the selected one, the text is not written: the panel is refreshed instead.
    void titleEdited(const std::string &text);
    void commandEdited(const std::string &text);
    void targetPathEdited(const std::string &text);
    // F5: the title becomes the open folder's name; nothing at a drive's root.
    // F6: the command becomes "cd " + the open folder; nothing for an empty path.
    // F7: the target path becomes "cd " + the open folder; nothing for an empty path.
    // Each shows the text in its edit and writes it into the selected node, as typing does.
    void titleFromFolder(std::string_view openFolder);
    void commandFromFolder(std::string_view openFolder);
    void targetPathFromFolder(std::string_view openFolder);
    // The directory list opened `openFolder`: status text and the F5 hint.
    void openFolderChanged(std::string_view openFolder);
    // The folder that Show Command folder opens for the Command edit's text `command`:
    // nothing for an empty command or one whose folder does not exist.
    std::optional<std::string> commandFolderToShow(std::string_view command) const;

    // Recounts the entries, shows the count and warns while it is 200 or more. Within a
    // command of this class the warning waits for the command's end and comes once, with
    // the count it leaves, however many nodes it adds or removes.
    void updateItemCount();

    // The searches: from the selected node (or the first) to the last, skipping submenus and
    // separators, for the next item whose command leads nowhere (stopsBrokenPathSearch) /
    // whose command is empty. The hit is selected and shown; otherwise a " None found" message.
    // Trees of fewer than two nodes are not searched.
    void findBrokenPaths();
    void findEmptyCommands();
    bool isSearching() const { return m_searching; }

private:
    // One command of the user: the count warns at most once while it runs (nested ones
    // belong to the outer one).
    class Command
    {
    public:
        explicit Command(MenuEditor &editor);
        ~Command();
        Command(const Command &) = delete;
        Command &operator=(const Command &) = delete;

    private:
        MenuEditor &m_editor;
    };

    void finishCommand(MenuNode *select);
    void clearPanel();
    void warnAtItemLimit(std::size_t count);
    void removeOne(MenuNode *node);
    bool canWriteBack();
    MenuNode *walk(const std::vector<MenuNode *> &nodes,
        std::size_t start,
        const std::function<bool(const MenuNode &)> &isHit);
    void search(const std::function<bool(const MenuNode &)> &isHit, const char *noneFoundText);

    MenuTree &m_tree;
    EditorUi &m_ui;
    FolderExists m_folderExists;
    VariableLookup m_variables;
    // The node the panel last showed; only compared, never dereferenced (it may be gone).
    const MenuNode *m_shown = nullptr;
    bool m_searching = false;
    int m_commandDepth = 0;
    bool m_countedInCommand = false;
    // The panel was emptied and disabled for want of a selected node.
    bool m_panelCleared = false;
};

} // namespace torvex
