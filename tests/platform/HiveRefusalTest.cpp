// Hives and other small files of a prefix that are no regular files, are endless or are no
// registry at all: refused with a clear line, never waited on or read without end.
#include "platform/HostFileRead.h"
#include "platform/RegistryHive.h"
#include "platform/WindowsView.h"
#include "support/SyntheticPrefix.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace torvex {
namespace {

// Runs `work` in a child process that is stopped after a few seconds, so that a read that
// would wait or run on for ever fails the test instead of hanging the suite. True when the child
// ran to its end and `work` returned true.
bool endsInTime(const std::function<bool()> &work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        _exit(work() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class HiveRefusalTest : public ::testing::Test
{
protected:
    test::SyntheticPrefix wine;

    void makeFifo(const char *name) const
    {
        ASSERT_EQ(::mkfifo((wine.path() / name).c_str(), 0600), 0);
    }
};

TEST_F(HiveRefusalTest, AFifoHiveIsRefusedWithoutWaitingForAWriter)
{
    makeFifo("user.reg");
    EXPECT_TRUE(endsInTime([this] {
        std::string problem;
        const RegistryHive hive = RegistryHive::load(wine.path() / "user.reg", &problem);
        return hive.keyCount() == 0
            && problem == (wine.path() / "user.reg").string() + ": not a regular file";
    }));
}

TEST_F(HiveRefusalTest, ADeviceHiveIsRefusedWithoutReadingIt)
{
    // /dev/zero never ends: read, it would take all memory.
    fs::create_symlink("/dev/zero", wine.path() / "system.reg");
    EXPECT_TRUE(endsInTime([this] {
        std::string problem;
        RegistryHive::load(wine.path() / "system.reg", &problem);
        return problem.ends_with("system.reg: not a regular file");
    }));
}

TEST_F(HiveRefusalTest, AHiveLargerThanTheLimitIsRefused)
{
    wine.writeUserHive(std::string(200, ';'));
    std::string problem;
    EXPECT_EQ(RegistryHive::load(wine.path() / "user.reg", &problem, 100).keyCount(), 0u);
    EXPECT_EQ(problem, (wine.path() / "user.reg").string() + ": larger than 100 bytes");
    problem.clear();
    RegistryHive::load(wine.path() / "user.reg", &problem, 1000);
    EXPECT_EQ(problem, "");
}

TEST_F(HiveRefusalTest, AFileWithoutWinesHeaderIsNoHive)
{
    wine.write("user.reg", "[Software\\\\X] 1\n\"a\"=\"b\"\n");
    std::string problem;
    EXPECT_EQ(RegistryHive::load(wine.path() / "user.reg", &problem).keyCount(), 0u);
    EXPECT_EQ(problem, (wine.path() / "user.reg").string() + ": not a Wine registry file");
}

TEST_F(HiveRefusalTest, AHiveThatCannotBeReadIsNamedWithTheCause)
{
    // A regular file whose every read fails: the unmapped first page of a process.
    fs::create_symlink("/proc/self/mem", wine.path() / "user.reg");
    std::string problem;
    EXPECT_EQ(RegistryHive::load(wine.path() / "user.reg", &problem).keyCount(), 0u);
    EXPECT_EQ(problem, (wine.path() / "user.reg").string() + ": Input/output error");
}

TEST_F(HiveRefusalTest, AMissingHiveIsNoProblem)
{
    std::string problem;
    EXPECT_EQ(RegistryHive::load(wine.path() / "user.reg", &problem).keyCount(), 0u);
    EXPECT_EQ(problem, "");
}

TEST_F(HiveRefusalTest, TheViewOfAPrefixNamesEachRefusedHiveAndReadsTheOther)
{
    makeFifo("user.reg");
    wine.writeMachineHive("[Software\\\\Wine\\\\Drives] 1\n\"c:\"=\"cdrom\"\n");
    EXPECT_TRUE(endsInTime([this] {
        const WindowsView view = WindowsView::forPrefix(wine.prefix(), {});
        return view.problems()
            == std::vector<std::string> { (wine.path() / "user.reg").string()
                   + ": not a regular file" }
        && view.driveType('c') == DriveTypeCode::CDRom;
    }));
}

TEST_F(HiveRefusalTest, ADriveLabelThatIsAFifoIsNoLabel)
{
    makeFifo("drive_c/.windows-label");
    EXPECT_TRUE(endsInTime([this] {
        return WindowsView::forPrefix(wine.prefix(), {}).displayName('c') == "Local Disk (C:)";
    }));
}

TEST(HostFileReadTest, ARegularFileIsReadWholeUpToTheLimit)
{
    test::TempFolder folder;
    const fs::path file = folder.write("f", "12345");
    EXPECT_EQ(readRegularFile(file, 5).text, "12345");
    EXPECT_EQ(readRegularFile(file, 5).status, HostReadStatus::Read);
    EXPECT_EQ(readRegularFile(file, 4).status, HostReadStatus::TooLarge);
    EXPECT_EQ(readRegularFile(folder.path() / "none", 5).status, HostReadStatus::Missing);
    EXPECT_EQ(readRegularFile(folder.path(), 5).status, HostReadStatus::NotRegularFile);
    // A file whose size the system does not know ahead (as those of /proc) is read too.
    EXPECT_EQ(readRegularFile("/proc/self/comm", 4096).status, HostReadStatus::Read);
    EXPECT_FALSE(readRegularFile("/proc/self/comm", 4096).text.empty());
}

} // namespace
} // namespace torvex
