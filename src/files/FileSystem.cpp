#include "files/FileSystem.h"

#include "core/LargePages.h"
#include "files/FileErrors.h"
#include "files/RecoveryCopy.h"
#include "files/TemporaryFiles.h"
#include "files/UserFolders.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <optional>
#include <stdexcept>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace torvex {

namespace {

std::string errorText(int error)
{
    return std::strerror(error);
}

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a write should change: the end of a chain of symbolic links rather than the link,
// also when that end does not exist yet.
std::string resolveTarget(const std::string &path)
{
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info
        {
        };
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
        if (length < 0)
            return current;
        link.resize(static_cast<std::size_t>(length));
        current = link.starts_with('/') ? link : folderOf(current) + "/" + link;
    }
    throw std::runtime_error(errorText(ELOOP));
}

// Closes a descriptor however the function that opened it ends.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    { }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// The whole content, read straight into a string of the file's size (grown should the file
// grow meanwhile), so a large file is neither copied nor reallocated on the way.
std::string readDescriptor(int fd)
{
    struct stat info
    {
    };
    std::size_t expected = 0;
    if (::fstat(fd, &info) == 0 && info.st_size > 0)
        expected = static_cast<std::size_t>(info.st_size);
    std::string bytes;
    bytes.reserve(expected + 1);
    preferLargePages(bytes.data(), bytes.capacity(), true);
    bytes.resize(expected + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size())
            bytes.resize(bytes.size() + std::max<std::size_t>(bytes.size() / 2, 65536));
        const ssize_t got =
            ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw std::runtime_error(errorText(errno));
        if (got == 0) {
            bytes.resize(done);
            return bytes;
        }
        done += static_cast<std::size_t>(got);
    }
}

// Puts the content in the place of the file's and flushes it to the disk.
void overwrite(int fd, const FileContent &content)
{
    std::size_t done = 0;
    content.forEachPiece([&](std::string_view piece) {
        std::size_t written = 0;
        while (written < piece.size()) {
            const ssize_t n = ::pwrite(fd,
                piece.data() + written,
                piece.size() - written,
                static_cast<off_t>(done + written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                throw std::runtime_error(errorText(errno));
            written += static_cast<std::size_t>(n);
        }
        done += written;
    });
    if (::ftruncate(fd, static_cast<off_t>(done)) != 0 || ::fsync(fd) != 0)
        throw std::runtime_error(errorText(errno));
}

// Thrown inside a write when the file is no longer what its new content was made from.
struct ChangedMeanwhile : std::runtime_error
{
    ChangedMeanwhile()
        : std::runtime_error(fileChangedCause)
    { }
};

// Whether the file at `path` holds exactly `expected`, read in pieces so that a large file is
// not held a second time.
bool holdsExactly(const std::string &path, std::string_view expected)
{
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info
    {
    };
    if (file.fd() < 0 || ::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode)
        || static_cast<std::size_t>(info.st_size) != expected.size())
        return false;
    std::vector<char> buffer(std::size_t(1) << 20);
    std::size_t done = 0;
    for (;;) {
        const ssize_t got =
            ::pread(file.fd(), buffer.data(), buffer.size(), static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return done == expected.size();
        const auto size = static_cast<std::size_t>(got);
        if (done + size > expected.size()
            || expected.compare(done, size, std::string_view(buffer.data(), size)) != 0)
            return false;
        done += size;
    }
}

// Stops the write when the file changed after the content was made from it.
void checkUnchanged(const std::string &path, const FileContent &content)
{
    const auto &basis = content.basis();
    if (!basis)
        return;
    struct stat info
    {
    };
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists ? !holdsExactly(path, *basis) : !basis->empty())
        throw ChangedMeanwhile();
}

bool hasLockedFlag(const std::string &path)
{
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    int flags = 0;
    return file.fd() >= 0 && ::ioctl(file.fd(), FS_IOC_GETFLAGS, &flags) == 0
        && (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL)) != 0;
}

bool sameOwnership(const struct stat &made, const struct stat &original)
{
    return made.st_uid == original.st_uid && made.st_gid == original.st_gid
        && (made.st_mode & 07777) == (original.st_mode & 07777);
}

// Gives the complete temporary `fd` the owner and mode of the file it replaces (`original`),
// or of any new file of the user when there is none. False when the owner cannot be kept.
bool takeOwnership(int fd, const struct stat *original)
{
    if (original == nullptr) {
        const mode_t mask = ::umask(077);
        ::umask(mask);
        if (::fchmod(fd, 0666 & ~mask) != 0)
            throw std::runtime_error(errorText(errno));
        return true;
    }
    // Only the complete file takes the owner and mode: while it is written, nobody but the
    // user can read it. The owner first: a change of owner clears the setuid and setgid bits,
    // which the mode then puts back.
    struct stat made
    {
    };
    return ::fchown(fd, original->st_uid, original->st_gid) == 0
        && ::fchmod(fd, original->st_mode & 07777) == 0 && ::fstat(fd, &made) == 0
        && sameOwnership(made, *original);
}

} // namespace

FileSystem::FileSystem()
    : m_recoveryFolder(userStateFolder(processEnvironment()))
{ }

FileSystem::FileSystem(std::filesystem::path recoveryFolder)
    : m_recoveryFolder(std::move(recoveryFolder))
{ }

bool FileSystem::fileExists(const std::string &path) const
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool FileSystem::dirExists(const std::string &path) const
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string FileSystem::readAll(const std::string &path) const
{
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.fd() < 0)
        throw IniReadError(path, errorText(errno));
    struct stat info
    {
    };
    if (::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode))
        throw IniReadError(path, "not a regular file");
    try {
        return readDescriptor(file.fd());
    } catch (const std::runtime_error &error) {
        throw IniReadError(path, error.what());
    }
}

std::string FileSystem::writeRefusal(const std::string &path) const
{
    if (hasLockedFlag(path))
        return readOnlyFileCause;
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT)
        return {};
    const int error = errno;
    struct stat info
    {
    };
    if (error == EACCES && ::stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) == 0)
        return readOnlyFileCause;
    return errorText(error);
}

bool FileSystem::folderWritable(const std::string &folder) const
{
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool FileSystem::canTakeOwnership(const FileOwnership &ownership) const
{
    if (::geteuid() == 0)
        return true;
    if (ownership.uid != ::geteuid())
        return false;
    if (ownership.gid == ::getegid())
        return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return count >= 0
        && std::find(groups.begin(), groups.begin() + count, ownership.gid)
        != groups.begin() + count;
}

// Writes a temporary beside the file and renames it over the file. Returns false, with the
// file untouched, where that would change what the file is, so that it is written in place.
bool FileSystem::replaceByRename(const std::string &target, const FileContent &content)
{
    struct stat original
    {
    };
    const bool exists = ::stat(target.c_str(), &original) == 0;
    if (exists
        && (original.st_nlink > 1 || !folderWritable(folderOf(target))
            || !canTakeOwnership({ original.st_uid, original.st_gid, original.st_mode & 07777 })))
        return false;
    std::optional<TemporaryFile> temp;
    try {
        temp.emplace(folderOf(target));
    } catch (const std::system_error &error) {
        // A folder that refuses a new file for an existing one still lets it be written.
        const int code = error.code().value();
        if (exists && (code == EACCES || code == EPERM))
            return false;
        throw;
    }
    content.forEachPiece([&temp](std::string_view piece) {
        temp->write(piece);
    });
    if (!takeOwnership(temp->fd(), exists ? &original : nullptr))
        return false;
    temp->sync();
    checkUnchanged(target, content);
    if (const int error = temp->renameTo(target)) {
        // A file mounted on its own, or a folder on another device, cannot be renamed over.
        if (exists && (error == EBUSY || error == EXDEV))
            return false;
        throw std::runtime_error(errorText(error));
    }
    syncFolder(folderOf(target));
    return true;
}

void FileSystem::writeInPlace(const std::string &target, const FileContent &content)
{
    const Descriptor file(::open(target.c_str(), O_RDWR | O_CLOEXEC));
    if (file.fd() < 0)
        throw std::runtime_error(errorText(errno));
    const std::string before = readDescriptor(file.fd());
    if (const auto &basis = content.basis(); basis && before != *basis)
        throw ChangedMeanwhile();
    RecoveryCopy copy(m_recoveryFolder, target, before);
    try {
        overwrite(file.fd(), content);
    } catch (const std::runtime_error &error) {
        try {
            overwrite(file.fd(), before);
        } catch (const std::runtime_error &) {
            throw std::runtime_error(
                std::string(error.what()) + "; its earlier content is kept in " + copy.path());
        }
        copy.discard();
        throw;
    }
    copy.discard();
}

void FileSystem::writeAtomic(const std::string &path, const FileContent &content)
{
    try {
        const std::string target = resolveTarget(path);
        if (const std::string refusal = writeRefusal(target); !refusal.empty())
            throw std::runtime_error(refusal);
        struct stat info
        {
        };
        if (::stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
            throw std::runtime_error("not a regular file");
        removeDeadTemporaries(folderOf(target));
        if (!replaceByRename(target, content))
            writeInPlace(target, content);
    } catch (const std::exception &error) {
        throw IniWriteError(path, error.what());
    }
}

FileLock &FileLock::operator=(FileLock &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FileLock FileSystem::lockForSave(const std::string &path, std::chrono::milliseconds patience)
{
    std::string target;
    try {
        target = resolveTarget(path);
    } catch (const std::exception &) {
        // The write reports the loop.
        return {};
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        const int fd = ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            return {};
        FileLock lock(fd);
        struct stat opened
        {
        };
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))
            return {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // A save that held the lock may have renamed a new file over this one: the lock
            // counts only on the file that has the name now.
            struct stat named
            {
            };
            if (::stat(target.c_str(), &named) == 0 && named.st_dev == opened.st_dev
                && named.st_ino == opened.st_ino)
                return lock;
            continue;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return {};
        if (std::chrono::steady_clock::now() >= deadline)
            throw IniWriteError(path, "another save of the file does not finish");
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void FileSystem::writeOwnCopy(
    const std::string &path, const FileContent &content, const std::string &modeOf)
{
    try {
        struct stat there
        {
        };
        if (::lstat(path.c_str(), &there) == 0
            && (!S_ISREG(there.st_mode) || there.st_uid != ::geteuid()))
            throw std::runtime_error(notOwnRegularFileCause);
        struct stat model
        {
        };
        if (::stat(modeOf.c_str(), &model) != 0)
            throw std::runtime_error(errorText(errno));
        TemporaryFile temp(folderOf(path));
        content.forEachPiece([&temp](std::string_view piece) {
            temp.write(piece);
        });
        // The group of the file if the user has it; its bits are given only to that group.
        if (::fchown(temp.fd(), static_cast<uid_t>(-1), model.st_gid) != 0) {
            // A group the user does not have: the copy keeps the user's own.
        }
        struct stat made
        {
        };
        if (::fstat(temp.fd(), &made) != 0)
            throw std::runtime_error(errorText(errno));
        mode_t mode = model.st_mode & 0666;
        if (made.st_gid != model.st_gid)
            mode &= ~mode_t(0070);
        if (::fchmod(temp.fd(), mode) != 0)
            throw std::runtime_error(errorText(errno));
        temp.sync();
        // A rename replaces whatever took the name meanwhile (a link is replaced, never
        // followed); another user's file in a sticky folder refuses it.
        if (const int error = temp.renameTo(path))
            throw std::runtime_error(errorText(error));
        syncFolder(folderOf(path));
    } catch (const std::exception &error) {
        throw IniWriteError(path, error.what());
    }
}

FileSystem &FileSystem::real()
{
    static FileSystem instance;
    return instance;
}

} // namespace torvex
