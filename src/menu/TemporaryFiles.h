#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvex {

// Torvex's own temporary files, named ".torvex-<pid>-<n>-<random>.tmp": the new content of a
// file before it is renamed over the original, and recovery copies while they are written.
// The pid in the name tells a temporary that a killed save left behind from one that a
// running Torvex is still writing.
class TemporaryFile
{
public:
    // Creates a new, empty temporary in `folder` with `mode` (the umask applies). Throws
    // std::system_error with the system's reason when no file can be made there.
    explicit TemporaryFile(const std::string &folder, unsigned mode = 0666);
    // Closes the file and removes it, unless it was renamed into place.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    int fd() const { return m_fd; }
    const std::string &path() const { return m_path; }

    // Writes all of bytes at the current position. Throws std::system_error.
    void write(std::string_view bytes);
    // Flushes the content to the disk and closes the file. Throws std::system_error.
    void syncAndClose();
    // Renames the (closed) file to target, replacing what is there; from then on the file is
    // no longer this object's. Returns the errno of a failed rename, 0 on success.
    int renameTo(const std::string &target);

private:
    std::string m_path;
    int m_fd = -1;
    bool m_renamed = false;
};

// The pid in the name of one of Torvex's temporaries (a bare file name); nullopt for any
// other name.
std::optional<int> temporaryOwner(std::string_view name);

// Marks a file that this process is writing, so that the clean-up of this process never
// takes it for a leftover of an earlier process with the same pid.
void markFileInUse(const std::string &path);
void unmarkFileInUse(const std::string &path);

// Whether the file at `path`, made by process `pid`, may still be in use: this process and
// the file is marked in use, or another live process whose name begins with "torvex". A live
// process that cannot be examined counts as in use.
bool ownedByRunningTorvex(int pid, const std::string &path);

// Removes the temporaries in folder that no running Torvex owns and returns how many it
// removed. Never throws; a folder that cannot be listed removes nothing.
int removeStaleTemporaries(const std::string &folder);

// Flushes a folder's entries (a rename in it) to the disk; a file system that cannot do that
// is no failure.
void syncFolder(const std::string &folder);

} // namespace torvex
