#pragma once

#include <optional>
#include <string>
#include <vector>

namespace torvex {

// The File menu's file dialogs.
inline constexpr const char *openFileCaption = " Open ini file";
inline constexpr const char *saveToFileCaption = "Save menu to file";
inline constexpr const char *wincmdIniFilter = "wincmd.ini (wincmd.ini)";
inline constexpr const char *iniFilesFilter = "Ini files (*.ini)";

// What a file dialog is asked: its caption, the folder or file it starts at, and its filters
// as Qt writes them ("Menu files (wincmd.ini)").
struct FileDialogRequest
{
    std::string caption;
    std::string start;
    std::vector<std::string> filters;
};

// The dialogs that pick a file to open or to save into; the window shows Qt's, tests answer
// from a script. Each returns the chosen host path, or nullopt for Cancel.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> fileToOpen(const FileDialogRequest &request) = 0;
    // The dialog asks itself before a file there is replaced.
    virtual std::optional<std::string> fileToSaveInto(const FileDialogRequest &request) = 0;
};

} // namespace torvex
