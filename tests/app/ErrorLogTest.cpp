#include "app/ErrorLog.h"

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::readFile;
using test::TempDir;

std::tm at(int hour, int minute, int second)
{
    std::tm when {};
    when.tm_year = 2024 - 1900;
    when.tm_mon = 2;
    when.tm_mday = 7;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_sec = second;
    return when;
}

// A locale that writes 07-03-2024 and 14.05.09, so the test does not depend on the machine's.
DateTimeFormat fixedFormat()
{
    return { [](const std::tm &t) {
                char text[32];
                std::snprintf(
                    text, sizeof text, "%02d-%02d-%04d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
                return std::string(text);
            },
        [](const std::tm &t) {
            char text[32];
            std::snprintf(text, sizeof text, "%02d.%02d.%02d", t.tm_hour, t.tm_min, t.tm_sec);
            return std::string(text);
        } };
}

LogEntry handlerEntry()
{
    LogContext context {
        "Torvex v1.2", { "", "C:\\fm\\wincmd.ini", "", "", "/tmp/wincmd.ini" }, "C:\\fm\\wincmd.ini"
    };
    return { context, globalErrorHandlerFunction, "Invalid data type for 'InstallDir'", "TForm1" };
}

ErrorLog fixedLog(const TempDir &dir, LogFileAccess &files = LogFileAccess::real())
{
    ErrorLog log(dir.path().string(), files);
    log.setClock([] {
        return at(14, 5, 9);
    });
    log.setDateTimeFormat(fixedFormat());
    return log;
}

TEST(ErrorLogTest, HandlerEntryHasElevenLinesEndedByCrLf)
{
    EXPECT_EQ(formatLogEntry(handlerEntry(), "07-03-2024 14.05.09"),
        "------------------------\r\n"
        "Date and time: 07-03-2024 14.05.09\r\n"
        "App version: Torvex v1.2\r\n"
        "fullIniPath[1]=C:\\fm\\wincmd.ini\r\n"
        "fullIniPath[2]=\r\n"
        "fullIniPath[3]=\r\n"
        "fullIniPath[4]=/tmp/wincmd.ini\r\n"
        "aktuelIniFil=C:\\fm\\wincmd.ini\r\n"
        "App function: globalErrorHandler\r\n"
        "Last error: Invalid data type for 'InstallDir'\r\n"
        "Sender: TForm1\r\n");
}

TEST(ErrorLogTest, WriterEntryWithoutCandidatesHasEmptySlotsAndNoSender)
{
    TempDir dir;
    ErrorLog log = fixedLog(dir);
    ASSERT_TRUE(log.append(
        { { "Torvex v1.2", {}, "" }, failedSaveFunction, "Unable to write to x", std::nullopt }));
    EXPECT_EQ(readFile(dir.file("torvex.log")),
        "------------------------\r\n"
        "Date and time: 07-03-2024 14.05.09\r\n"
        "App version: Torvex v1.2\r\n"
        "fullIniPath[1]=\r\n"
        "fullIniPath[2]=\r\n"
        "fullIniPath[3]=\r\n"
        "fullIniPath[4]=\r\n"
        "aktuelIniFil=\r\n"
        "App function: procedure TForm1.gemData;\r\n"
        "Last error: Unable to write to x\r\n");
}

TEST(ErrorLogTest, TimeIsLeftOutOnlyAtExactlyMidnight)
{
    EXPECT_EQ(logDateTime(at(0, 0, 0), fixedFormat()), "07-03-2024");
    EXPECT_EQ(logDateTime(at(0, 0, 1), fixedFormat()), "07-03-2024 00.00.01");
    EXPECT_EQ(logDateTime(at(12, 0, 0), fixedFormat()), "07-03-2024 12.00.00");
}

TEST(ErrorLogTest, PathIsTheLogBesideTheProgram)
{
    EXPECT_EQ(ErrorLog("/opt/torvex").path(), "/opt/torvex/torvex.log");
    EXPECT_EQ(ErrorLog("/opt/torvex/").path(), "/opt/torvex/torvex.log");
}

TEST(ErrorLogTest, EntriesFollowEachOtherWithoutBlankLines)
{
    TempDir dir;
    ErrorLog log = fixedLog(dir);
    ASSERT_TRUE(log.append(handlerEntry()));
    ASSERT_TRUE(log.append(handlerEntry()));
    const std::string one = formatLogEntry(handlerEntry(), "07-03-2024 14.05.09");
    EXPECT_EQ(readFile(log.path()), one + one);
}

TEST(ErrorLogTest, SizeLimitKeepsExactlyTheLimitAndRestartsAboveIt)
{
    const std::string entry = formatLogEntry(handlerEntry(), "07-03-2024 14.05.09");
    for (const std::uintmax_t size : { maxLogSize, maxLogSize + 1 }) {
        SCOPED_TRACE(size);
        TempDir dir;
        const std::string old(size, 'x');
        dir.write("torvex.log", old);
        ErrorLog log = fixedLog(dir);
        ASSERT_TRUE(log.append(handlerEntry()));
        EXPECT_EQ(readFile(log.path()), size == maxLogSize ? old + entry : entry);
    }
}

// Fails the operations a test names.
class FailingLogFiles : public LogFileAccess
{
public:
    bool failRemove = false;
    bool failAppend = false;
    bool failSize = false;
    bool removeFile(const std::string &path) override
    {
        return !failRemove && LogFileAccess::removeFile(path);
    }
    bool appendText(const std::string &path, const std::string &bytes) override
    {
        return !failAppend && LogFileAccess::appendText(path, bytes);
    }
    std::optional<std::uintmax_t> fileSize(const std::string &path) override
    {
        if (failSize)
            throw std::runtime_error("stat failed");
        return LogFileAccess::fileSize(path);
    }
};

TEST(ErrorLogTest, FailuresOfTheLogAreReportedNotThrown)
{
    TempDir dir;
    FailingLogFiles files;
    ErrorLog log = fixedLog(dir, files);
    files.failAppend = true;
    EXPECT_FALSE(log.append(handlerEntry()));
    files.failAppend = false;
    files.failSize = true;
    EXPECT_FALSE(log.append(handlerEntry()));
}

TEST(ErrorLogTest, LogThatCannotBeDeletedIsAppendedTo)
{
    TempDir dir;
    const std::string old(maxLogSize + 10, 'x');
    dir.write("torvex.log", old);
    FailingLogFiles files;
    files.failRemove = true;
    ErrorLog log = fixedLog(dir, files);
    EXPECT_TRUE(log.append(handlerEntry()));
    EXPECT_EQ(readFile(log.path()), old + formatLogEntry(handlerEntry(), "07-03-2024 14.05.09"));
}

TEST(ErrorLogTest, MissingLogFolderIsMadeAndOneThatCannotBeFailsQuietly)
{
    TempDir dir;
    ErrorLog fresh((dir.path() / "state" / "torvex").string());
    EXPECT_TRUE(fresh.append(handlerEntry()));
    EXPECT_TRUE(std::filesystem::is_regular_file(fresh.path()));

    // A file where the folder should be.
    dir.write("blocked", "");
    ErrorLog blocked((dir.path() / "blocked" / "torvex").string());
    EXPECT_FALSE(blocked.append(handlerEntry()));
}

} // namespace
} // namespace torvex
