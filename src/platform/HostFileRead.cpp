#include "platform/HostFileRead.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvex {

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    { }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

HostFileText failure(HostReadStatus status, int error = 0)
{
    HostFileText result;
    result.status = status;
    if (error != 0)
        result.cause = std::strerror(error);
    return result;
}

// Reads the open file `fd` of `size` bytes (as its stat said), up to `maxBytes`.
HostFileText readAtMost(int fd, std::size_t size, std::size_t maxBytes)
{
    HostFileText result;
    result.status = HostReadStatus::Read;
    result.text.resize(std::min(size, maxBytes));
    std::size_t filled = 0;
    for (;;) {
        if (filled == result.text.size()) {
            if (filled > maxBytes)
                return failure(HostReadStatus::TooLarge);
            // One byte past the limit tells a file that grew from one that ends here.
            result.text.resize(std::min(maxBytes + 1, filled + 65536));
        }
        const ssize_t got = ::read(fd, result.text.data() + filled, result.text.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failure(HostReadStatus::Failed, errno);
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled > maxBytes)
        return failure(HostReadStatus::TooLarge);
    result.text.resize(filled);
    return result;
}

} // namespace

HostFileText readRegularFile(const std::filesystem::path &file, std::size_t maxBytes)
{
    // The kind is checked before the open, so that no device is ever opened, and again on
    // the open descriptor, in case the path was swapped in between. O_NONBLOCK keeps the
    // open of a FIFO from waiting for a writer.
    struct stat before
    {
    };
    if (::stat(file.c_str(), &before) != 0)
        return errno == ENOENT || errno == ENOTDIR ? failure(HostReadStatus::Missing)
                                                   : failure(HostReadStatus::Failed, errno);
    if (!S_ISREG(before.st_mode))
        return failure(HostReadStatus::NotRegularFile);
    if (static_cast<std::size_t>(before.st_size) > maxBytes)
        return failure(HostReadStatus::TooLarge);
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return failure(HostReadStatus::Failed, errno);
    struct stat opened
    {
    };
    if (::fstat(fd.get(), &opened) != 0)
        return failure(HostReadStatus::Failed, errno);
    if (!S_ISREG(opened.st_mode))
        return failure(HostReadStatus::NotRegularFile);
    return readAtMost(fd.get(), static_cast<std::size_t>(opened.st_size), maxBytes);
}

std::string hostReadProblem(
    const std::filesystem::path &file, const HostFileText &result, std::size_t maxBytes)
{
    switch (result.status) {
    case HostReadStatus::NotRegularFile:
        return file.string() + ": not a regular file";
    case HostReadStatus::TooLarge:
        return file.string() + ": larger than " + std::to_string(maxBytes) + " bytes";
    case HostReadStatus::Failed:
        return file.string() + ": " + result.cause;
    default:
        return {};
    }
}

} // namespace torvex
