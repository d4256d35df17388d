#pragma once

#include "menu/DirMenuFile.h"

#include <string>

namespace torvex {

class FileSystem;
class MessageBoxes;

// What the window shows around loading and saving. Every hook has a harmless default.
class MenuFileUi
{
public:
    virtual ~MenuFileUi() = default;
    // The message panel; the implementation puts one blank before the text.
    virtual void showStatus(const std::string & /*text*/) { }
    // Lets pending window events run (repaints while long work goes on).
    virtual void processEvents() { }
    virtual void setBusyCursor(bool /*busy*/) { }
    // The File, Options and Help menus.
    virtual void setMenusEnabled(bool /*enabled*/) { }
    // The item editor and both panes.
    virtual void setPanelsEnabled(bool /*enabled*/) { }
    // After a load: refresh the item editor from the selection and recount the entries.
    virtual void afterLoad() { }
    // A save failed with `message` ("Unable to write to <path>") for the reason `cause` (""
    // when there is none to give): record it in the error log, then show it.
    virtual void saveFailed(const std::string & /*message*/, const std::string & /*cause*/) { }
    // The message boxes to use; nullptr shows none.
    virtual MessageBoxes *messageBoxes() { return nullptr; }
};

// Text of the box shown when the file to load does not exist.
std::string missingIniFileText(const std::string &path);
inline constexpr const char *missingIniFileCaption = "Can't find ini file";
inline constexpr const char *saveFailedStatus = "Save failed: nothing was saved";

// Loads the menu of `path` with the window's steps around the reader: "Loading data...",
// panels and menus off, busy cursor, progress in percent, then everything back on and the
// item editor refreshed. Returns false, after the missing-file message and without touching
// the tree, when no file exists there. A file that cannot be read throws IniReadError and
// leaves the tree as it was, with the panels and menus enabled again.
bool loadMenu(const std::string &path, MenuTree &tree, MenuFileUi &ui, FileSystem &fs);

// Saves the tree into `path` with the window's steps around the writer. Does nothing for an
// empty tree or a missing file. Reports its own failures through ui.saveFailed and returns
// false; the file is then unchanged.
bool saveMenu(const std::string &path, const MenuTree &tree, MenuFileUi &ui, FileSystem &fs);

} // namespace torvex
