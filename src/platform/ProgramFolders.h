#pragma once

#include "files/Folders.h"
#include "platform/WinePrefix.h"

#include <functional>
#include <string>

namespace torvex {

// Where the program keeps its own files. Every folder ends in a '/'.
struct ProgramFolders
{
    std::string settingsFolder; // torvex.ini
    std::string logFolder; // torvex.log
    std::string helpFolder; // torvex.hlp
    // The settings and the log live beside the executable.
    bool isPortable = true;
    // The language the window speaks ("de"), whose help is shown; empty: English.
    std::string helpLanguage = {};

    // All three in `folder` (with or without its trailing '/'): a portable copy.
    static ProgramFolders besideExecutable(const std::string &folder);
};

// The questions about the host that the choice of folders asks, so that tests can answer
// them (tests run as root, who can write everywhere).
struct FolderProbe
{
    // Whether the current user may create files in this folder.
    std::function<bool(const std::string &folder)> canWrite;
    // Whether this path names a regular file.
    std::function<bool(const std::string &path)> fileExists;
};

// The real answers: access(2) with W_OK, and a stat of the file.
FolderProbe hostFolderProbe();

// The folders for an executable in `executableFolder`.
// - A copy whose folder can be written (the build folder, a portable copy) keeps torvex.ini
//   and torvex.log beside the executable.
// - Otherwise, and always for an installed copy (bin/ with share/torvex/torvex.hlp next to
//   it and no torvex.hlp of its own, even in a prefix its user can write such as ~/.local or
//   a root shell's /usr), they go to userConfigFolder and userStateFolder of `environment`.
//   Without HOME or XDG folders they stay beside the executable.
// - torvex.hlp is looked for beside the executable, then in ../share/torvex/; when it is in
//   neither, the help folder is the executable's (where the message says it should be).
ProgramFolders programFolders(
    const std::string &executableFolder, const Environment &environment, const FolderProbe &probe);

// The help file's name in `language`: torvex.de.hlp for "de", torvex.hlp for English ("").
std::string helpFileName(const std::string &language);

// The help to show, in the help folder: the file of the window's language when it exists,
// else the English torvex.hlp. When neither exists, the language's own file: the one that
// was looked for first, which the message about a missing help names.
std::string helpFile(const ProgramFolders &folders, const FolderProbe &probe);

} // namespace torvex
