#include "menu/DirMenuFile.h"

#include "core/MessageBoxes.h"
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

// Restores the cursor however the load ends, and after a failed one also the panels, the
// menus and the status text, so that the menu shown before stays usable.
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
        if (!m_finished) {
            m_ui.setPanelsEnabled(true);
            m_ui.setMenusEnabled(true);
            m_ui.showStatus("");
        }
    }
    void finish() { m_finished = true; }
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
    bool m_finished = false;
};

// The text shown for a failed save. A value the file refused is named with its entry, so
// that the user can find and mend it.
std::string saveFailureText(const IniWriteError &error, const MenuTree &tree)
{
    try {
        std::rethrow_if_nested(error);
    } catch (const IniValueError &refused) {
        if (!refused.key().empty())
            return error.what() + std::string(lineBreak)
                + refusedEntryText(tree, refused.key(), refused.problem());
    } catch (...) { }
    return error.what();
}

} // namespace

bool loadMenu(const std::string &path, MenuTree &tree, MenuFileUi &ui, FileSystem &fs)
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
    guard.finish();
    return true;
}

namespace {

void saveFailed(MenuFileUi &ui, const std::string &message, const std::string &cause)
{
    ui.setBusyCursor(false);
    // The write is atomic, so a failure leaves the file as it was: say so instead of leaving
    // the last progress figure standing.
    ui.showStatus(saveFailedStatus);
    ui.saveFailed(message, cause);
    ui.setMenusEnabled(true);
}

} // namespace

bool saveMenu(const std::string &path, const MenuTree &tree, MenuFileUi &ui, FileSystem &fs)
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
    } catch (const IniWriteError &error) {
        // A refused entry is named on the message's second line, which says all there is;
        // any other failure carries the system's cause.
        const std::string text = saveFailureText(error, tree);
        saveFailed(ui, text, text == error.what() ? error.cause() : std::string());
    } catch (const std::exception &error) {
        saveFailed(ui, error.what(), {});
    }
    return false;
}

} // namespace torvex
