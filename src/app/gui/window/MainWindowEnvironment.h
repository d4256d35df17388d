#pragma once

#include "platform/IniLocator.h"
#include "core/MessageBoxes.h"
#include "platform/ProgramFolders.h"
#include "platform/WinePrefix.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace torvex {

class FileDialogs;
class WindowsView;

// What the main window is started with. The program passes the real machine; tests pass a
// view without a Wine prefix, their own candidates and scripted message boxes.
struct MainWindowEnvironment
{
    // The Windows view the window starts in (drives, paths, registry): the prefix named by
    // --prefix, else that of the first argument, else the one Wine would use; required.
    std::shared_ptr<const WindowsView> view;
    // --prefix named the prefix: it is kept whatever file is loaded, and no other prefix is
    // searched.
    bool isPrefixFixed = false;
    // The host's environment, for the views of other prefixes and the places where prefix
    // managers keep them (none searched when it has no HOME and no WINEPREFIX).
    Environment hostEnvironment;
    // The first command-line argument, "" when there is none (candidate slot 4).
    std::string firstArgument;
    // Where torvex.ini, torvex.log and torvex.hlp live.
    ProgramFolders folders;
    // Message boxes to use instead of real ones (not owned); nullptr shows real boxes.
    MessageBoxes *messageBoxes = nullptr;
    // File dialogs to use instead of real ones (not owned); nullptr shows Qt's.
    FileDialogs *fileDialogs = nullptr;
    // Candidates to use as found, skipping the search through the registry and folders.
    std::optional<IniCandidates> candidates;
    // The folder the directory list opens at start (a Windows path); "" for the current one.
    std::string startFolder;
    // Where a save that writes a file in place keeps its earlier content until the new one is
    // on the disk, and where start-up looks for copies left by saves that did not finish; ""
    // for none (such saves are then refused).
    std::filesystem::path recoveryFolder;
};

} // namespace torvex
