#include "menu/TemporaryFiles.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <random>
#include <set>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace torvex {

namespace {

constexpr std::string_view namePrefix = ".torvex-";
constexpr std::string_view nameSuffix = ".tmp";

std::mutex inUseMutex;
std::set<std::string> &filesInUse()
{
    static std::set<std::string> files;
    return files;
}

bool isMarkedInUse(const std::string &path)
{
    const std::lock_guard lock(inUseMutex);
    return filesInUse().contains(path);
}

bool allDigits(std::string_view text)
{
    if (text.empty() || text.size() > 10)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::string processName(int pid)
{
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

} // namespace

TemporaryFile::TemporaryFile(const std::string &folder, unsigned mode)
{
    static std::atomic<unsigned> counter { 0 };
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = folder + "/" + std::string(namePrefix) + std::to_string(::getpid()) + "-"
            + std::to_string(counter++) + "-" + std::to_string(random()) + std::string(nameSuffix);
        // Marked before it exists, so no clean-up of this process can see it unmarked.
        markFileInUse(name);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            m_path = std::move(name);
            m_fd = fd;
            return;
        }
        const int error = errno;
        unmarkFileInUse(name);
        if (error != EEXIST)
            throw std::system_error(error, std::generic_category());
    }
    throw std::runtime_error("no free temporary file name");
}

TemporaryFile::~TemporaryFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_renamed)
        ::unlink(m_path.c_str());
    unmarkFileInUse(m_path);
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

void TemporaryFile::syncAndClose()
{
    const bool synced = ::fsync(m_fd) == 0;
    const int error = errno;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    if (!synced || !closed)
        throw std::system_error(synced ? errno : error, std::generic_category());
}

int TemporaryFile::renameTo(const std::string &target)
{
    if (::rename(m_path.c_str(), target.c_str()) != 0)
        return errno;
    m_renamed = true;
    return 0;
}

std::optional<int> temporaryOwner(std::string_view name)
{
    if (!name.starts_with(namePrefix) || !name.ends_with(nameSuffix))
        return std::nullopt;
    name.remove_prefix(namePrefix.size());
    name.remove_suffix(nameSuffix.size());
    // <pid>-<n>-<random>
    const std::size_t first = name.find('-');
    const std::size_t second = first == std::string_view::npos ? first : name.find('-', first + 1);
    if (second == std::string_view::npos || !allDigits(name.substr(0, first))
        || !allDigits(name.substr(first + 1, second - first - 1))
        || !allDigits(name.substr(second + 1)))
        return std::nullopt;
    const long pid = std::stol(std::string(name.substr(0, first)));
    if (pid <= 0 || pid > 0x7fffffff)
        return std::nullopt;
    return static_cast<int>(pid);
}

void markFileInUse(const std::string &path)
{
    const std::lock_guard lock(inUseMutex);
    filesInUse().insert(path);
}

void unmarkFileInUse(const std::string &path)
{
    const std::lock_guard lock(inUseMutex);
    filesInUse().erase(path);
}

bool ownedByRunningTorvex(int pid, const std::string &path)
{
    if (pid == ::getpid())
        return isMarkedInUse(path);
    if (::kill(pid, 0) != 0 && errno == ESRCH)
        return false;
    // The pid may have been given to another program since; its name tells. A process that
    // cannot be examined is left alone.
    const std::string name = processName(pid);
    return name.empty() || name.starts_with("torvex");
}

int removeStaleTemporaries(const std::string &folder)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const std::optional<int> owner = temporaryOwner(entry->d_name);
        if (!owner)
            continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat info
        {
        };
        if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)
            || ownedByRunningTorvex(*owner, path))
            continue;
        if (::unlink(path.c_str()) == 0)
            ++removed;
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
