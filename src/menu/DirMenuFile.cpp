#include "menu/DirMenuFile.h"

#include "app/MessageBoxes.h"
#include "menu/DirMenu.h"
#include "menu/FileSystem.h"
#include "menu/IniError.h"
#include "menu/IniFile.h"

#include <exception>

namespace torvex {

std::string missingIniFileText(const std::string &path)
{
    return std::string("Can't find Windows Commander's ini file:   ") + lineBreak + path + lineBreak
        + lineBreak + "Aborting...";
}

std::string messageWithCause(const std::string &message, const std::string &cause)
{
    return cause.empty() ? message : message + ": " + cause;
}

namespace {

ProgressFn statusProgress(MenuFileUi &ui)
{
    return [&ui](int percent) {
        ui.showStatus(std::to_string(percent) + "%");
        ui.processEvents();
    };
}

// Restores the cursor and the menus however the load ends.
class LoadGuard
{
public:
    LoadGuard(MenuFileUi &ui, MenuTree &tree)
        : m_ui(ui)
        , m_tree(tree)
    { }
    ~LoadGuard()
    {
        if (m_batch)
            m_tree.endUpdate();
        m_ui.setBusyCursor(false);
    }
    void beginBatch()
    {
        m_tree.beginUpdate();
        m_batch = true;
    }
    void endBatch()
    {
        m_tree.endUpdate();
        m_batch = false;
    }

private:
    MenuFileUi &m_ui;
    MenuTree &m_tree;
    bool m_batch = false;
};

} // namespace

bool loadData(const std::string &path, MenuTree &tree, MenuFileUi &ui, FileSystem &fs)
{
    if (!fs.fileExists(path)) {
        if (MessageBoxes *boxes = ui.messageBoxes())
            boxes->inform(missingIniFileText(path), missingIniFileCaption, MsgIcon::Information);
        return false;
    }
    ui.showStatus("Loading data...");
    ui.setPanelsEnabled(false);
    ui.setMenusEnabled(false);
    ui.setBusyCursor(true);
    ui.processEvents();

    LoadGuard guard(ui, tree);
    // Read before clearing: a file that cannot be read leaves the current menu in place.
    const DirMenuEntries entries = IniFile(path, fs).readSection(dirMenuSection);
    tree.clear();
    ui.processEvents();
    guard.beginBatch();
    readDirMenu(entries, tree, statusProgress(ui));
    ui.setMenusEnabled(true);
    guard.endBatch();
    ui.setBusyCursor(false);

    if (MenuNode *first = tree.first())
        tree.setSelected(first);
    ui.afterLoad();
    ui.setPanelsEnabled(true);
    ui.setMenusEnabled(true);
    ui.showStatus("");
    return true;
}

bool gemData(const std::string &path, const MenuTree &tree, MenuFileUi &ui, FileSystem &fs)
{
    if (tree.isEmpty())
        return false;
    ui.setMenusEnabled(false);
    if (!fs.fileExists(path)) {
        ui.setMenusEnabled(true);
        return false;
    }
    try {
        ui.showStatus("Saving data...");
        ui.setBusyCursor(true);
        IniFile(path, fs).replaceSection(dirMenuSection, writeDirMenu(tree, statusProgress(ui)));
        ui.setBusyCursor(false);
        // This text carries a blank of its own besides the one the status panel adds.
        ui.showStatus(" Data saved");
        ui.setMenusEnabled(true);
        return true;
    } catch (const std::exception &error) {
        ui.setBusyCursor(false);
        // A failed write leaves the file as it was: say so instead of leaving the last
        // progress figure standing.
        ui.showStatus(saveFailedStatus);
        const auto *writeError = dynamic_cast<const IniWriteError *>(&error);
        ui.saveFailed(error.what(), writeError ? writeError->cause() : std::string());
        ui.setMenusEnabled(true);
        return false;
    }
}

} // namespace torvex
