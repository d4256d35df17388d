#pragma once

#include "menu/MenuTree.h"

#include <string>

namespace torvex {

class FileSystem;
class MessageBoxes;

// What loading and saving need from the window around them. Every hook has a harmless
// default so that command-line use needs none of them.
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

// A failure's message followed by its cause on the same line ("Unable to write to <path>: No
// space left on device"); the message alone when there is no cause.
std::string messageWithCause(const std::string &message, const std::string &cause);

// Text of the box shown when the file to load does not exist.
std::string missingIniFileText(const std::string &path);
inline constexpr const char *missingIniFileCaption = "Can't find ini file";
inline constexpr const char *saveFailedStatus = "Save failed: nothing was saved";

// Replaces the tree with the DirMenu section of the file at `path`. Returns false, after the
// missing-file message and without touching the tree, when no file exists there. A file that
// exists but cannot be read, or whose text Torvex refuses (IniFormatError), throws
// IniReadError and leaves the tree as it was, with the panels and menus enabled again.
bool loadMenu(const std::string &path, MenuTree &tree, MenuFileUi &ui, FileSystem &fs);

// Replaces the DirMenu section of the file at `path` with the tree, in one atomic write; the
// rest of the file keeps its bytes. Does nothing for an empty tree or a missing file. Reports
// its own failures through ui.saveFailed and returns false; the file is then unchanged. A
// value the file refuses is named in the report (refusedEntryText) after the write error.
bool saveMenu(const std::string &path, const MenuTree &tree, MenuFileUi &ui, FileSystem &fs);

} // namespace torvex
