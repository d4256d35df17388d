#pragma once

#include <string>

namespace torvex::test {

// A child process that waits until it is killed, under `name` (its /proc comm) when given,
// else under the name of the test program. Killed and reaped on destruction.
class WaitingChild
{
public:
    explicit WaitingChild(const char *name = nullptr);
    ~WaitingChild();
    WaitingChild(const WaitingChild &) = delete;
    WaitingChild &operator=(const WaitingChild &) = delete;

    int pid() const { return m_pid; }

private:
    int m_pid = -1;
};

// The pid of a process that has ended and been reaped.
int endedProcessId();

// Sets the immutable flag (or the append-only flag) of a file for as long as the object
// lives. isSet() is false where the file system or the process's capabilities do not allow
// it; tests then skip.
class FileFlagLock
{
public:
    enum Flag { Immutable, AppendOnly };
    FileFlagLock(const std::string &path, Flag flag);
    ~FileFlagLock();
    FileFlagLock(const FileFlagLock &) = delete;
    FileFlagLock &operator=(const FileFlagLock &) = delete;

    bool isSet() const { return m_set; }

private:
    std::string m_path;
    int m_oldFlags = 0;
    bool m_set = false;
};

} // namespace torvex::test
