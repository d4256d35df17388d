#include "files/TemporaryFiles.h"

#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <stdexcept>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace torvex {

namespace {

constexpr std::string_view namePrefix = ".torvex-";
constexpr std::string_view nameSuffix = ".tmp";
constexpr std::size_t randomDigits = 16;

bool allOf(std::string_view text, std::size_t maxSize, bool hex)
{
    if (text.empty() || text.size() > maxSize)
        return false;
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit && !(hex && c >= 'a' && c <= 'f'))
            return false;
    }
    return true;
}

std::string randomPart()
{
    static constexpr char digits[] = "0123456789abcdef";
    std::random_device random;
    std::uint64_t value = (std::uint64_t { random() } << 32) ^ random();
    std::string text(randomDigits, '0');
    for (char &c : text) {
        c = digits[value & 0xf];
        value >>= 4;
    }
    return text;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

TemporaryFile::TemporaryFile(const std::string &folder)
{
    static std::atomic<unsigned> counter { 0 };
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = folder + "/" + std::string(namePrefix) + std::to_string(::getpid()) + "-"
            + std::to_string(counter++) + "-" + randomPart() + std::string(nameSuffix);
        // 0600 whatever the umask says, and a name that is taken (even by a planted link)
        // is never opened.
        const int fd =
            ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            throw std::system_error(errno, std::generic_category());
        }
        // A clean-up that ran between the creation and the lock may have taken the lock or
        // removed the name: then the name is given up.
        struct stat opened
        {
        };
        struct stat named
        {
        };
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0
            || ::lstat(name.c_str(), &named) != 0 || !sameFile(opened, named)) {
            ::close(fd);
            continue;
        }
        m_path = std::move(name);
        m_fd = fd;
        return;
    }
    throw std::runtime_error("no free temporary file name");
}

TemporaryFile::~TemporaryFile()
{
    // Removed before the lock goes, so that no clean-up can meet it unlocked.
    if (!m_renamed && !m_path.empty())
        ::unlink(m_path.c_str());
    if (m_fd >= 0)
        ::close(m_fd);
}

void TemporaryFile::write(std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw std::system_error(errno, std::generic_category());
        }
        done += static_cast<std::size_t>(written);
    }
}

void TemporaryFile::sync()
{
    if (::fsync(m_fd) != 0)
        throw std::system_error(errno, std::generic_category());
}

int TemporaryFile::renameTo(const std::string &target)
{
    if (::rename(m_path.c_str(), target.c_str()) != 0)
        return errno;
    m_renamed = true;
    return 0;
}

bool isTemporaryName(std::string_view name)
{
    if (!name.starts_with(namePrefix) || !name.ends_with(nameSuffix))
        return false;
    name.remove_prefix(namePrefix.size());
    name.remove_suffix(nameSuffix.size());
    // <pid>-<n>-<random>
    const std::size_t first = name.find('-');
    const std::size_t second = first == std::string_view::npos ? first : name.find('-', first + 1);
    return second != std::string_view::npos && allOf(name.substr(0, first), 10, false)
        && allOf(name.substr(first + 1, second - first - 1), 10, false)
        && name.size() - second - 1 == randomDigits
        && allOf(name.substr(second + 1), randomDigits, true);
}

bool lockedByWriter(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return locked;
}

int removeDeadTemporaries(const std::string &folder)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    const int dirFd = ::dirfd(dir);
    int removed = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (!isTemporaryName(entry->d_name))
            continue;
        // Looked at before it is opened: a link, a FIFO or a device is never opened, and
        // another user's file is never touched, also by root.
        struct stat named
        {
        };
        if (::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISREG(named.st_mode) || named.st_uid != ::geteuid())
            continue;
        const int fd = ::openat(
            dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened
        {
        };
        // The lock is held while the name is removed: a live writer holds it all along.
        if (::fstat(fd, &opened) == 0 && sameFile(opened, named)
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0
            && sameFile(opened, named) && ::unlinkat(dirFd, entry->d_name, 0) == 0)
            ++removed;
        ::close(fd);
    }
    ::closedir(dir);
    return removed;
}

void syncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace torvex
