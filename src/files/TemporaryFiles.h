#pragma once

#include <string>
#include <string_view>

namespace torvex {

// Torvex's own temporary files, named ".torvex-<pid>-<n>-<16 hexadecimal digits>.tmp": the
// new content of a file before it is renamed over the original, and recovery copies, backups
// and their notes while they are written. A temporary is made 0600 and never through a link,
// and its writer holds a lock (flock) on it for as long as it lives, so that a clean-up in
// another process, in another pid namespace or run by another user never takes it for a
// leftover.
class TemporaryFile
{
public:
    // Creates a new, empty, locked temporary in `folder`. Throws std::system_error with the
    // system's reason when no file can be made there.
    explicit TemporaryFile(const std::string &folder);
    // Closes the file, which releases its lock, and removes it unless it was renamed into
    // place.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    int fd() const { return m_fd; }
    const std::string &path() const { return m_path; }

    // Writes all of bytes at the current position. Throws std::system_error.
    void write(std::string_view bytes);
    // Flushes the content to the disk. The file stays open and locked. Throws
    // std::system_error.
    void sync();
    // Renames the file to target, replacing what is there (a link there is replaced, never
    // followed); from then on the file is no longer removed, and it stays open (and locked)
    // until this object is destroyed. Returns the errno of a failed rename, 0 on success.
    int renameTo(const std::string &target);

private:
    std::string m_path;
    int m_fd = -1;
    bool m_renamed = false;
};

// Whether a bare file name has the exact form of one of Torvex's temporaries.
bool isTemporaryName(std::string_view name);

// Whether the file at `path` is locked by a live writer: false when the lock could be taken
// (and was released again) or the file is missing.
bool lockedByWriter(const std::string &path);

// Removes the temporaries in folder that no live writer holds: files with the exact form of
// the name, regular files of the effective user whose lock can be taken. Returns how many it
// removed. Never throws; a folder that cannot be listed removes nothing.
int removeDeadTemporaries(const std::string &folder);

// Flushes a folder's entries (a rename in it) to the disk; a file system that cannot do that
// is no failure.
void syncFolder(const std::string &folder);

} // namespace torvex
