#include "menu/FileSystem.h"

#include "menu/IniError.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace torvex {

namespace {

std::string errorText(int error)
{
    return std::strerror(error);
}

// Closes the descriptor and removes the temporary file unless the rename went through.
class TempFile
{
public:
    TempFile(std::string path, int fd)
        : m_path(std::move(path))
        , m_fd(fd)
    { }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;
    ~TempFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_committed)
            ::unlink(m_path.c_str());
    }
    int fd() const { return m_fd; }
    const std::string &path() const { return m_path; }
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }
    void commit() { m_committed = true; }

private:
    std::string m_path;
    int m_fd;
    bool m_committed = false;
};

// The file a write should replace: the target of a symbolic link rather than the link.
std::string resolveTarget(const std::string &path)
{
    char resolved[PATH_MAX];
    struct stat info
    {
    };
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)
        && ::realpath(path.c_str(), resolved) != nullptr)
        return resolved;
    return path;
}

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

TempFile createTempBeside(const std::string &target)
{
    static std::atomic<unsigned> counter { 0 };
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = folderOf(target) + "/.torvex-" + std::to_string(::getpid()) + "-"
            + std::to_string(counter++) + "-" + std::to_string(random()) + ".tmp";
        // 0666 lets the umask decide the mode of a new file, as for any file we create.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return TempFile(name, fd);
        if (errno != EEXIST)
            throw std::runtime_error(errorText(errno));
    }
    throw std::runtime_error("no free temporary file name");
}

void writeFully(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error(errorText(errno));
        }
        done += static_cast<std::size_t>(written);
    }
}

void syncFolder(const std::string &folder)
{
    // Makes the rename itself durable; a file system that cannot sync folders is no failure.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void replaceFile(const std::string &target, const std::string &bytes)
{
    struct stat original
    {
    };
    const bool exists = ::stat(target.c_str(), &original) == 0;
    if (exists && !S_ISREG(original.st_mode))
        throw std::runtime_error("not a regular file");
    TempFile temp = createTempBeside(target);
    writeFully(temp.fd(), bytes);
    if (exists) {
        if (::fchmod(temp.fd(), original.st_mode & 07777) != 0)
            throw std::runtime_error(errorText(errno));
        // Only root may give a file away; for anyone else the owner stays the writer.
        [[maybe_unused]] const int ignored = ::fchown(temp.fd(), original.st_uid, original.st_gid);
    }
    if (::fsync(temp.fd()) != 0 || temp.close() != 0)
        throw std::runtime_error(errorText(errno));
    if (::rename(temp.path().c_str(), target.c_str()) != 0)
        throw std::runtime_error(errorText(errno));
    temp.commit();
    syncFolder(folderOf(target));
}

} // namespace

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
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw IniReadError(path, errorText(errno));
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw IniReadError(path, "not a regular file");
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            throw IniReadError(path, errorText(error));
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

void FileSystem::writeAtomic(const std::string &path, const std::string &bytes)
{
    try {
        replaceFile(resolveTarget(path), bytes);
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
