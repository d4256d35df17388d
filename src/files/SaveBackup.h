#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>

namespace torvex {

class FileSystem;

// The backup a run keeps of each menu file before it first saves it: the file as it was,
// copied to "<name>.bak" beside it (wincmd.ini.bak), or to the user's state folder when the
// file's folder cannot be written or the copy beside it fails (a folder made 0700), under a name
// that tells apart files of the same name from different folders (stateFolderName). Only the first
// save of a file in a run makes one, so the backup holds the file as it was before this run
// changed it; a backup of an earlier run is replaced.
class SaveBackup
{
public:
    // Backups that cannot stay beside their file go to `stateFolder` (created when missing).
    SaveBackup(FileSystem &fs, std::filesystem::path stateFolder);

    // To be called before each save of the file at `path`. The first call for a path that
    // exists copies it and returns where the copy went; later calls for the same path return
    // nothing and write nothing, as do calls while the file is missing (a file created by the
    // save has nothing to keep). A backup is a new file of the user's own, readable by no
    // more people than the file (FileSystem::writeOwnCopy). Throws IniReadError when the
    // file cannot be read, IniWriteError with notOwnRegularFileCause when the backup's name
    // beside the file is taken by a link, a folder, a special file or another user's file,
    // and IniWriteError (for the state folder's copy, the last place tried) when no copy
    // could be written; the next call then tries again.
    std::optional<std::string> keepBefore(const std::string &path);

    // The name of the backup of the file at `path` in the state folder: "<name>.<tag>.bak",
    // the tag being eight hexadecimal digits that stand for the file's folder, the same in
    // every run (wincmd.ini.5f2c81a0.bak).
    static std::string stateFolderName(const std::string &path);

    // Whether the file at `path` was backed up in this run.
    bool hasKept(const std::string &path) const { return m_kept.contains(path); }

private:
    std::string keepBeside(const std::string &path, const std::string &bytes);
    std::string keepInStateFolder(const std::string &path, const std::string &bytes);

    FileSystem &m_fs;
    std::filesystem::path m_stateFolder;
    std::set<std::string> m_kept;
};

} // namespace torvex
