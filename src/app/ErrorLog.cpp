#include "app/ErrorLog.h"

#include "platform/ProgramFolders.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvex {

namespace {

std::tm localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return local;
}

std::string strftimeText(const char *format, const std::tm &when)
{
    char buffer[256];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format, &when);
    return std::string(buffer, length);
}

bool writeFully(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

std::optional<std::uintmax_t> LogFileAccess::fileSize(const std::string &path)
{
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return static_cast<std::uintmax_t>(info.st_size);
}

bool LogFileAccess::removeFile(const std::string &path)
{
    return ::unlink(path.c_str()) == 0;
}

bool LogFileAccess::appendText(const std::string &path, const std::string &bytes)
{
    // A log folder under $XDG_STATE_HOME is made with the first entry.
    createFolderOf(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool written = writeFully(fd, bytes) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

LogFileAccess &LogFileAccess::real()
{
    static LogFileAccess instance;
    return instance;
}

DateTimeFormat cLibraryDateTimeFormat()
{
    return { [](const std::tm &when) {
                return strftimeText("%x", when);
            },
        [](const std::tm &when) {
            return strftimeText("%X", when);
        } };
}

std::string logDateTime(const std::tm &when, const DateTimeFormat &format)
{
    const std::string date = format.shortDate(when);
    if (when.tm_hour == 0 && when.tm_min == 0 && when.tm_sec == 0)
        return date;
    return date + " " + format.longTime(when);
}

std::string formatLogEntry(const LogEntry &entry, const std::string &dateTime)
{
    const auto line = [](const std::string &text) {
        return text + "\r\n";
    };
    std::string text = line(std::string(24, '-'));
    text += line("Date and time: " + dateTime);
    text += line("App version: " + entry.context.appTitle);
    for (int slot = 1; slot <= 4; ++slot)
        text +=
            line("fullIniPath[" + std::to_string(slot) + "]=" + entry.context.candidatePaths[slot]);
    text += line("aktuelIniFil=" + entry.context.currentIniFile);
    text += line("App function: " + entry.appFunction);
    text += line("Last error: " + entry.lastError);
    if (entry.sender)
        text += line("Sender: " + *entry.sender);
    return text;
}

ErrorLog::ErrorLog(const std::string &folder, LogFileAccess &files)
    : m_path(
        folder.empty() || folder.back() == '/' ? folder + logFileName : folder + "/" + logFileName)
    , m_files(files)
    , m_clock(localNow)
    , m_format(cLibraryDateTimeFormat())
{ }

bool ErrorLog::append(const LogEntry &entry) noexcept
{
    try {
        const std::string text = formatLogEntry(entry, logDateTime(m_clock(), m_format));
        const std::optional<std::uintmax_t> size = m_files.fileSize(m_path);
        // A log that cannot be deleted is appended to all the same: the entry matters more
        // than the size limit.
        if (size && *size > maxLogSize)
            m_files.removeFile(m_path);
        return m_files.appendText(m_path, text);
    } catch (...) {
        return false;
    }
}

} // namespace torvex
