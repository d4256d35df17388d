#pragma once

#include <string>

namespace torvex {

// The file operations the ini engine needs, behind a seam so that tests can make reads and
// writes fail. The default implementation works on the host file system.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // Whether path names a regular file (symbolic links followed).
    virtual bool fileExists(const std::string &path) const;

    // Whether path names a directory (symbolic links followed).
    virtual bool dirExists(const std::string &path) const;

    // The whole content of the file. Throws IniReadError when it cannot be opened or read,
    // or is not a regular file.
    virtual std::string readAll(const std::string &path) const;

    // Replaces the file's content with bytes, or creates it: writes a temporary file in the
    // same folder, flushes it to disk and renames it over the original, which keeps its
    // permissions (and owner, where allowed). A symbolic link is followed and its target
    // replaced. Throws IniWriteError ("Unable to write to <path>") and leaves the original
    // untouched on any failure.
    virtual void writeAtomic(const std::string &path, const std::string &bytes);

    // The host file system.
    static FileSystem &real();
};

} // namespace torvex
