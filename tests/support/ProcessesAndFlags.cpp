#include "support/ProcessesAndFlags.h"

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace torvex::test {

WaitingChild::WaitingChild(const char *name)
{
    int ready[2];
    if (::pipe(ready) != 0)
        throw std::runtime_error("no pipe");
    m_pid = ::fork();
    if (m_pid < 0)
        throw std::runtime_error("no fork");
    if (m_pid == 0) {
        if (name)
            ::prctl(PR_SET_NAME, name, 0, 0, 0);
        [[maybe_unused]] const ssize_t written = ::write(ready[1], "x", 1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    // The child is examined only once its name is set.
    char byte;
    [[maybe_unused]] const ssize_t got = ::read(ready[0], &byte, 1);
    ::close(ready[0]);
}

WaitingChild::~WaitingChild()
{
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
}

int endedProcessId()
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

FileFlagLock::FileFlagLock(const std::string &path, Flag flag)
    : m_path(path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &m_oldFlags) == 0) {
        int flags = m_oldFlags | (flag == Immutable ? FS_IMMUTABLE_FL : FS_APPEND_FL);
        m_set = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
}

FileFlagLock::~FileFlagLock()
{
    if (!m_set)
        return;
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::ioctl(fd, FS_IOC_SETFLAGS, &m_oldFlags);
        ::close(fd);
    }
}

} // namespace torvex::test
