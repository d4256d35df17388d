#include "editor/MenuEditor.h"

#include "core/MessageBoxes.h"
#include "editor/CommandFolder.h"
#include "editor/EditorTexts.h"
#include "editor/FolderName.h"

#include <algorithm>
#include <exception>

namespace torvex {

PopupEntries popupEntries(const MenuTree &tree)
{
    const bool hasNodes = !tree.isEmpty();
    PopupEntries entries;
    entries.addSubMenu = hasNodes;
    entries.addSiblingEntry = hasNodes;
    entries.separatorN2 = hasNodes;
    entries.deleteSelectedEntry = hasNodes;
    entries.addFirstEntry = !hasNodes;
    entries.addSubMenuEnabled = !(tree.selected() && tree.selected()->isSeparator());
    return entries;
}

MenuEditor::MenuEditor(MenuTree &tree, EditorUi &ui, FolderExists folderExists)
    : m_tree(tree)
    , m_ui(ui)
    , m_folderExists(std::move(folderExists))
{ }

MenuEditor::Command::Command(MenuEditor &editor)
    : m_editor(editor)
{
    if (m_editor.m_commandDepth++ == 0)
        m_editor.m_countedInCommand = false;
}

MenuEditor::Command::~Command()
{
    // The count is shown once, at the end, with the count the whole command leaves, and
    // warns at most once: counting after each node of a large deleted submenu would cost
    // the size of the menu for every node removed.
    if (--m_editor.m_commandDepth == 0 && m_editor.m_countedInCommand
        && std::uncaught_exceptions() == 0) {
        m_editor.m_countedInCommand = false;
        const std::size_t count = itemCount(m_editor.m_tree);
        m_editor.m_ui.showItemCount(itemCountText(count));
        m_editor.warnAtItemLimit(count);
    }
}

void MenuEditor::finishCommand(MenuNode *select)
{
    m_tree.setSelected(select);
    showSelectedEntry();
    updateItemCount();
}

void MenuEditor::addSubMenu()
{
    MenuNode *selected = m_tree.selected();
    if (!selected || m_searching)
        return;
    // Written as "--", a separator with children would read back as the end of a submenu.
    if (selected->isSeparator()) {
        m_ui.showStatus(texts::editorText(texts::separatorHoldsNoEntries));
        return;
    }
    const Command command(*this);
    // Only the pictures change: the record stays for the day the node loses its children.
    m_tree.setSubmenuPictures(selected);
    MenuNode *added = m_tree.addChild(selected, texts::newNodeTitle);
    m_tree.requestExpansion(selected, true);
    finishCommand(added);
}

void MenuEditor::addSiblingEntry()
{
    MenuNode *selected = m_tree.selected();
    if (!selected || m_searching)
        return;
    const Command command(*this);
    finishCommand(m_tree.addNode(selected, AttachMode::Add, texts::newNodeTitle));
}

void MenuEditor::addCopy()
{
    MenuNode *selected = m_tree.selected();
    if (!selected || m_searching)
        return;
    const Command command(*this);
    // The copy takes the edits' texts, so they must be the selected node's.
    showSelectedBeforeEdit();
    const MenuEntry data { m_ui.commandText(), m_ui.targetPathText() };
    MenuNode *next = selected->nextSibling();
    MenuNode *copy = next
        ? m_tree.addNode(next, AttachMode::Insert, std::string(selected->title()) + texts::copySuffix)
        : m_tree.addNode(selected, AttachMode::Add, std::string(selected->title()) + texts::copySuffix);
    m_tree.setData(copy, data);
    finishCommand(copy);
}

void MenuEditor::deleteSelectedEntry()
{
    if (m_searching)
        return;
    if (m_tree.isEmpty()) {
        m_ui.setPanelEnabled(false);
        return;
    }
    MenuNode *selected = m_tree.selected();
    if (!selected)
        return;
    const Command command(*this);
    deleteMenuTree(selected);
    // Enables the panel exactly when a node is left to show.
    showSelectedEntry();
    updateItemCount();
}

void MenuEditor::deleteMenuTree(MenuNode *node)
{
    if (!node || m_searching)
        return;
    const Command command(*this);
    // The whole subtree in one removal: the tree's views hear of one range however many
    // entries go (each removal makes them look at every expanded submenu), and its undo puts
    // it back in one piece. The selection ends where removing the entries one by one would
    // leave it: on a neighbour of `node`, or the parent.
    removeOne(node);
}

void MenuEditor::removeOne(MenuNode *node)
{
    MenuNode *parent = node->parent();
    m_tree.remove(node);
    if (m_tree.isEmpty())
        clearPanel();
    else if (parent && !parent->hasChildren())
        m_tree.setItemPictures(parent);
    updateItemCount();
}

void MenuEditor::deleteEntries(const std::vector<MenuNode *> &nodes)
{
    if (m_searching)
        return;
    const Command command(*this);
    for (MenuNode *node : nodes)
        deleteMenuTree(node);
    showSelectedEntry();
}

void MenuEditor::addFirstEntry()
{
    if (m_searching)
        return;
    const Command command(*this);
    // Selected and shown, so that what is typed next goes into it.
    finishCommand(m_tree.addTopLevel(texts::newNodeTitle));
    m_ui.setPanelEnabled(true);
}

void MenuEditor::clearPanel()
{
    // Forgotten first, so that the change handlers of the edits write into no node.
    m_shown = nullptr;
    m_panelCleared = true;
    m_ui.setPanelEnabled(false);
    m_ui.setTitleText({});
    m_ui.setCommandText({});
    m_ui.setTargetPathText({});
}

void MenuEditor::showSelectedEntry()
{
    MenuNode *selected = m_tree.selected();
    if (m_tree.isEmpty() || !selected) {
        clearPanel();
        return;
    }
    // Set first, so that the change handlers the edits run below write into this node.
    m_shown = selected;
    // Only the panel this class emptied comes back on: while the window holds it off (a
    // load, the start) it stays off.
    if (m_panelCleared) {
        m_panelCleared = false;
        m_ui.setPanelEnabled(true);
    }
    m_ui.setTitleText(selected->title());
    m_ui.setItemControlsEnabled(selected->showsAsItem());
    m_ui.setCommandText(selected->data().command);
    m_ui.setTargetPathText(selected->data().targetPath);
}

void MenuEditor::treePressed()
{
    if (m_tree.count() == 1)
        m_tree.setSelected(m_tree.first());
    showSelectedEntry();
}

void MenuEditor::showSelectedBeforeEdit()
{
    if (m_tree.selected() && m_tree.selected() != m_shown)
        showSelectedEntry();
}

bool MenuEditor::canWriteBack()
{
    MenuNode *selected = m_tree.selected();
    if (m_tree.isEmpty() || !selected)
        return false;
    if (selected != m_shown) {
        // The edits hold another node's texts (a drag moved the selection without a drop):
        // show the selected node rather than overwrite it with them.
        showSelectedEntry();
        return false;
    }
    return true;
}

void MenuEditor::titleEdited(const std::string &text)
{
    if (canWriteBack())
        m_tree.setTitle(m_tree.selected(), text);
}

void MenuEditor::commandEdited(const std::string &text)
{
    if (canWriteBack())
        m_tree.setCommand(m_tree.selected(), text);
}

void MenuEditor::targetPathEdited(const std::string &text)
{
    if (canWriteBack())
        m_tree.setTargetPath(m_tree.selected(), text);
}

void MenuEditor::titleFromFolder(std::string_view openFolder)
{
    const std::string name = currentFolderName(openFolder);
    if (name.empty())
        return;
    showSelectedBeforeEdit();
    m_ui.setTitleText(name);
    titleEdited(name);
}

void MenuEditor::commandFromFolder(std::string_view openFolder)
{
    if (openFolder.empty())
        return;
    showSelectedBeforeEdit();
    const std::string command = changeFolderCommand(openFolder);
    m_ui.setCommandText(command);
    commandEdited(command);
}

void MenuEditor::targetPathFromFolder(std::string_view openFolder)
{
    if (openFolder.empty())
        return;
    showSelectedBeforeEdit();
    // The target path gets the same "cd " as the command: that is what F7 has always written.
    const std::string targetPath = changeFolderCommand(openFolder);
    m_ui.setTargetPathText(targetPath);
    targetPathEdited(targetPath);
}

void MenuEditor::openFolderChanged(std::string_view openFolder)
{
    m_ui.showStatus(std::string(openFolder));
    m_ui.setFolderNameHint(folderNameHint(openFolder));
}

std::optional<std::string> MenuEditor::commandFolderToShow(std::string_view command) const
{
    if (command.empty())
        return std::nullopt;
    std::string folder = commandFolder(command);
    if (folder.empty() || !m_folderExists(folder))
        return std::nullopt;
    return folder;
}

void MenuEditor::updateItemCount()
{
    if (m_commandDepth > 0) {
        m_countedInCommand = true;
        return;
    }
    const std::size_t count = itemCount(m_tree);
    m_ui.showItemCount(itemCountText(count));
    warnAtItemLimit(count);
}

void MenuEditor::warnAtItemLimit(std::size_t count)
{
    if (!isAtItemLimit(count))
        return;
    m_ui.showItemLimitWarning(itemLimitWarningText(count),
        itemLimitWarningPlacement(m_ui.pointerPosition(), m_ui.screenSize()));
}

void MenuEditor::findBrokenPaths()
{
    const DestinationRule rule(
        [this](std::string_view name) -> std::optional<std::string> {
            return m_variables ? m_variables(name) : std::nullopt;
        },
        [this](std::string_view folder) {
            return m_folderExists(std::string(folder));
        });
    search(
        [&rule](const MenuNode &node) {
            return stopsBrokenPathSearch(node.data().command, rule);
        },
        texts::noBrokenPathsFound);
}

void MenuEditor::findEmptyCommands()
{
    search(
        [](const MenuNode &node) {
            return node.data().command.empty();
        },
        texts::noEmptyCommandsFound);
}

MenuNode *MenuEditor::walk(const std::vector<MenuNode *> &nodes,
    std::size_t start,
    const std::function<bool(const MenuNode &)> &isHit)
{
    // The walk holds node pointers while window events run: the window keeps user input
    // away (EditorUi::processEvents) and the commands here refuse to run meanwhile.
    m_searching = true;
    struct Done
    {
        bool &flag;
        ~Done() { flag = false; }
    } done { m_searching };
    for (std::size_t i = start; i < nodes.size(); ++i) {
        m_ui.showStatus(std::to_string(i));
        m_ui.processEvents();
        MenuNode *node = nodes[i];
        if (!node->hasChildren() && !node->isSeparator() && isHit(*node))
            return node;
    }
    return nullptr;
}

void MenuEditor::search(
    const std::function<bool(const MenuNode &)> &isHit, const char *noneFoundText)
{
    if (m_searching)
        return;
    const std::vector<MenuNode *> nodes = m_tree.preOrder();
    if (nodes.size() < 2)
        return;
    const std::size_t last = nodes.size() - 1;
    const auto selected = std::find(nodes.begin(), nodes.end(), m_tree.selected());
    const std::size_t start =
        selected == nodes.end() ? 0 : static_cast<std::size_t>(selected - nodes.begin());

    if (MenuNode *hit = walk(nodes, start, isHit)) {
        m_tree.setSelected(hit);
        showSelectedEntry();
        return;
    }
    m_ui.showStatus(texts::editorText(texts::searchedFrom)
                        .arg(std::to_string(start + 1))
                        .arg(std::to_string(last + 1)));
    m_ui.boxes().inform(
        LocalText::joined(
            { texts::editorText(noneFoundText),
                texts::editorText(texts::searchStartedFrom).arg(std::to_string(start + 1)) },
            lineBreak),
        texts::editorText(texts::noneFoundCaption),
        MsgIcon::Information);
}

} // namespace torvex
