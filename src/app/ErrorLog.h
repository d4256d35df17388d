#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

namespace torvex {

// The file operations the error log needs, behind a seam so that tests can make them fail.
// None of them throws.
class LogFileAccess
{
public:
    virtual ~LogFileAccess() = default;
    // Size in bytes of the file at path; nullopt when there is none (or it cannot be examined).
    virtual std::optional<std::uintmax_t> fileSize(const std::string &path);
    // Deletes the file; false when it could not be deleted.
    virtual bool removeFile(const std::string &path);
    // Appends bytes to the file, creating it (and its missing folders) when missing, then flushes
    // and closes it; false when any step failed.
    virtual bool appendText(const std::string &path, const std::string &bytes);

    // The host file system.
    static LogFileAccess &real();
};

inline constexpr const char *logFileName = "torvex.log";
// A log larger than this is deleted before the next entry; one of exactly this size is kept.
inline constexpr std::uintmax_t maxLogSize = 100000;
inline constexpr const char *failedSaveFunction = "procedure TForm1.gemData;";
inline constexpr const char *globalErrorHandlerFunction = "globalErrorHandler";

// What an entry records about the program at the moment of the failure.
struct LogContext
{
    std::string appTitle;
    std::array<std::string, 5> candidatePaths; // slots 1 to 4; [0] is unused
    std::string currentIniFile;
};

// One entry of torvex.log.
struct LogEntry
{
    LogContext context;
    std::string appFunction; // failedSaveFunction or globalErrorHandlerFunction
    std::string lastError;
    std::optional<std::string> sender; // only the global handler names one
};

// How the user's locale writes a date (short form) and a time of day (long form).
struct DateTimeFormat
{
    std::function<std::string(const std::tm &)> shortDate;
    std::function<std::string(const std::tm &)> longTime;
};

// The C library's current locale: strftime's %x and %X.
DateTimeFormat cLibraryDateTimeFormat();

// The short date, a blank and the long time; only the date at exactly midnight.
std::string logDateTime(const std::tm &when, const DateTimeFormat &format);

// The entry's lines, each ended by CR LF: 24 dashes, "Date and time: ", "App version: ",
// "fullIniPath[1..4]=", "aktuelIniFil=", "App function: ", "Last error: " and, when the entry
// has a sender, "Sender: ".
std::string formatLogEntry(const LogEntry &entry, const std::string &dateTime);

// torvex.log in the log folder (see ProgramFolders). Each entry is appended, flushed and closed at
// once.
class ErrorLog
{
public:
    // `folder` is the log folder, with or without a trailing slash.
    explicit ErrorLog(const std::string &folder, LogFileAccess &files = LogFileAccess::real());

    const std::string &path() const { return m_path; }

    // The local time of an entry; the current time unless a test sets another clock.
    void setClock(std::function<std::tm()> clock) { m_clock = std::move(clock); }
    void setDateTimeFormat(DateTimeFormat format) { m_format = std::move(format); }

    // Appends the entry, deleting a log larger than maxLogSize first. Returns false when the
    // entry could not be written; never throws, so a broken log never hides the failure that
    // is being reported.
    bool append(const LogEntry &entry) noexcept;

private:
    std::string m_path;
    LogFileAccess &m_files;
    std::function<std::tm()> m_clock;
    DateTimeFormat m_format;
};

} // namespace torvex
