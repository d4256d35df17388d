#include "app/MenuFileSteps.h"

#include "core/MessageBoxes.h"
#include "menu/FileSystem.h"

#include <exception>

namespace torvex {

std::string missingIniFileText(const std::string &path)
{
    return std::string("Can't find Windows Commander's ini file:   ") + lineBreak + path + lineBreak
        + lineBreak + "Aborting...";
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
    explicit LoadGuard(MenuFileUi &ui)
        : m_ui(ui)
    { }
    ~LoadGuard()
    {
        m_ui.setBusyCursor(false);
        if (!m_finished) {
            m_ui.setPanelsEnabled(true);
            m_ui.setMenusEnabled(true);
            m_ui.showStatus("");
        }
    }
    LoadGuard(const LoadGuard &) = delete;
    LoadGuard &operator=(const LoadGuard &) = delete;
    void finish() { m_finished = true; }

private:
    MenuFileUi &m_ui;
    bool m_finished = false;
};

void reportSaveFailure(MenuFileUi &ui, const SaveFailure &failure)
{
    ui.setBusyCursor(false);
    // The write is atomic, so a failure leaves the file as it was: say so instead of leaving
    // the last progress figure standing.
    ui.showStatus(saveFailedStatus);
    ui.saveFailed(failure.message, failure.cause);
    ui.setMenusEnabled(true);
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

    LoadGuard guard(ui);
    loadMenu(path, tree, fs, statusProgress(ui), [&ui] {
        ui.processEvents();
    });
    ui.setMenusEnabled(true);
    ui.setBusyCursor(false);
    ui.afterLoad();
    ui.setPanelsEnabled(true);
    ui.setMenusEnabled(true);
    ui.showStatus("");
    guard.finish();
    return true;
}

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
        saveMenu(path, tree, fs, statusProgress(ui));
        ui.setBusyCursor(false);
        // This text carries a blank of its own besides the one the status panel adds.
        ui.showStatus(" Data saved");
        ui.setMenusEnabled(true);
        return true;
    } catch (const std::exception &error) {
        reportSaveFailure(ui, describeSaveFailure(error, tree));
    }
    return false;
}

} // namespace torvex
