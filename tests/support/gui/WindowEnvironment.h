#pragma once

#include "app/gui/window/MainWindow.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>

namespace torvex::test {

// What main gives the main window, for a test: the machine as `view` shows it, torvex.ini
// and the log in `programFolder`, boxes answered by `boxes`, no menu file found (the search
// is skipped) and the folder list opening at `startFolder`.
MainWindowEnvironment windowEnvironment(std::shared_ptr<const WindowsView> view,
    const std::filesystem::path &programFolder,
    MessageBoxes &boxes,
    const std::string &startFolder);

// Candidates as a search would find them: these four slots ("" for an empty one) and the
// count of those that are not empty.
IniCandidates foundFiles(const std::array<std::string, 4> &slots);

// The main window over `environment`, built and started as main does, without dialogs.
std::unique_ptr<MainWindow> startedWindow(MainWindowEnvironment environment);

// Gives `form` its Options dialog, as main does before the start-up sequence.
OptionsDialog *attachOptionsDialog(MainWindow &form);

// Gives a started `form` its chooser and runs the chooser's step of the start-up sequence:
// with several files found, Open runs at once.
IniChooserDialog *attachChooser(MainWindow &form);

// The machine without a Wine prefix: drive Z: is "/".
std::shared_ptr<const WindowsView> viewWithoutPrefix();

} // namespace torvex::test
