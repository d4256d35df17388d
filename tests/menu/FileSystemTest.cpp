// Writing a file without harming it: refusals, what the file is after a save (inode, links,
// owner, mode), writing in place with a recovery copy, and the clean-up of temporaries that
// killed saves left behind.
#include "menu/FileSystem.h"

#include "menu/IniError.h"
#include "menu/RecoveryCopy.h"
#include "support/FaultyFileSystem.h"
#include "support/ProcessesAndFlags.h"
#include "support/TempDir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace torvex {
namespace {

using test::FaultyFileSystem;
using test::readFile;
using test::TempDir;
namespace fs = std::filesystem;

struct stat statOf(const std::string &path)
{
    struct stat info
    {
    };
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
}

std::set<std::string> namesIn(const fs::path &folder)
{
    std::set<std::string> names;
    std::error_code ignored;
    for (const auto &entry : fs::directory_iterator(folder, ignored))
        names.insert(entry.path().filename().string());
    return names;
}

class FileSystemTest : public ::testing::Test
{
protected:
    TempDir dir;
    TempDir state;
    FaultyFileSystem files { state.path() };
    const std::string file = dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=old\r\n");
    const std::string newContent = "[DirMenu]\r\nmenu1=new\r\n";

    // The cause of the IniWriteError that writing newContent throws; "" when it goes through.
    std::string writeCause(FileSystem &fileSystem, const std::string &path)
    {
        try {
            fileSystem.writeAtomic(path, newContent);
            return {};
        } catch (const IniWriteError &error) {
            EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
            return error.cause();
        }
    }
};

TEST_F(FileSystemTest, FileTheUserMayNotWriteIsRefusedAndLeftAsItWas)
{
    const struct stat before = statOf(file);
    for (const std::string cause : { readOnlyFileCause, "Permission denied" }) {
        files.refusal = cause;
        EXPECT_EQ(writeCause(files, file), cause);
        EXPECT_EQ(readFile(file), "[DirMenu]\r\nmenu1=old\r\n");
        EXPECT_EQ(statOf(file).st_ino, before.st_ino);
        EXPECT_EQ(statOf(file).st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    }
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string> { "wincmd.ini" });
    EXPECT_TRUE(namesIn(state.path()).empty());
}

TEST_F(FileSystemTest, ImmutableAndAppendOnlyFilesAreReadOnlyEvenForRoot)
{
    for (const auto flag : { test::FileFlagLock::Immutable, test::FileFlagLock::AppendOnly }) {
        const test::FileFlagLock lock(file, flag);
        if (!lock.isSet())
            GTEST_SKIP() << "the file system does not take the immutable and append-only flags";
        EXPECT_EQ(FileSystem::real().writeRefusal(file), readOnlyFileCause);
        EXPECT_EQ(writeCause(files, file), readOnlyFileCause);
        EXPECT_EQ(readFile(file), "[DirMenu]\r\nmenu1=old\r\n");
    }
    EXPECT_EQ(FileSystem::real().writeRefusal(file), "");
}

TEST_F(FileSystemTest, OrdinaryUserIsRefusedWhatThePermissionsDeny)
{
    // Root may write anything; an ordinary user is what the permissions are for.
    fs::permissions(
        dir.path(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const std::string readOnly = dir.write("read-only.ini", "x");
    const std::string othersOwn = dir.write("others.ini", "x");
    const std::string open = dir.write("open.ini", "x");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::others_read);
    fs::permissions(
        othersOwn, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    fs::permissions(open, fs::perms::all);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(77);
        const FileSystem &host = FileSystem::real();
        const bool right = host.writeRefusal(readOnly) == readOnlyFileCause
            && host.writeRefusal(othersOwn) == "Permission denied"
            && host.writeRefusal(open).empty() && host.writeRefusal(dir.file("missing.ini")).empty()
            && !host.folderWritable(dir.path().string()) && !host.canTakeOwnership({ 0, 0, 0644 })
            && host.canTakeOwnership({ 65534, 65534, 06644 });
        ::_exit(right ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "cannot become an ordinary user";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(FileSystemTest, HardLinkedFileStaysOneFileUnderBothNames)
{
    const std::string other = dir.file("other-name.ini");
    ASSERT_EQ(::link(file.c_str(), other.c_str()), 0);
    const ino_t inode = statOf(file).st_ino;

    files.writeAtomic(file, newContent);

    EXPECT_EQ(readFile(file), newContent);
    EXPECT_EQ(readFile(other), newContent);
    EXPECT_EQ(statOf(file).st_ino, inode);
    EXPECT_EQ(statOf(file).st_nlink, 2u);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string> { "wincmd.ini", "other-name.ini" }));
    EXPECT_TRUE(namesIn(state.path()).empty()) << "the recovery copy goes once the write is done";
}

TEST_F(FileSystemTest, WritesThroughAChainOfLinksAndCreatesTheTargetOfADanglingOne)
{
    const fs::path first = dir.path() / "first.ini";
    const fs::path second = dir.path() / "second.ini";
    fs::create_symlink("wincmd.ini", second);
    fs::create_symlink(second, first);
    files.writeAtomic(first.string(), newContent);
    EXPECT_TRUE(fs::is_symlink(first));
    EXPECT_TRUE(fs::is_symlink(second));
    EXPECT_EQ(readFile(file), newContent);

    const fs::path dangling = dir.path() / "dangling.ini";
    fs::create_symlink("sub/target.ini", dangling);
    fs::create_directory(dir.path() / "sub");
    files.writeAtomic(dangling.string(), newContent);
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(readFile(dir.path() / "sub" / "target.ini"), newContent);
}

TEST_F(FileSystemTest, OwnerGroupAndEveryModeBitAreKept)
{
    ASSERT_EQ(::chown(file.c_str(), 1234, 2345), 0);
    ASSERT_EQ(::chmod(file.c_str(), 06754), 0);
    const ino_t inode = statOf(file).st_ino;

    files.writeAtomic(file, newContent);

    const struct stat after = statOf(file);
    EXPECT_EQ(readFile(file), newContent);
    EXPECT_EQ(after.st_uid, 1234u);
    EXPECT_EQ(after.st_gid, 2345u);
    EXPECT_EQ(after.st_mode & 07777, 06754u);
    EXPECT_NE(after.st_ino, inode) << "a file that can be replaced is replaced at once";
}

TEST_F(FileSystemTest, WhereAReplacementWouldChangeTheFileItIsWrittenInPlace)
{
    const auto folderLocked = [](FaultyFileSystem &f) {
        f.foldersLocked = true;
    };
    const auto ownerFixed = [](FaultyFileSystem &f) {
        f.ownersFixed = true;
    };
    for (const auto &lock : { +folderLocked, +ownerFixed }) {
        FaultyFileSystem locked(state.path());
        lock(locked);
        dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=old\r\n");
        const ino_t inode = statOf(file).st_ino;
        locked.writeAtomic(file, newContent);
        EXPECT_EQ(readFile(file), newContent);
        EXPECT_EQ(statOf(file).st_ino, inode);
        EXPECT_EQ(namesIn(dir.path()), std::set<std::string> { "wincmd.ini" });
        EXPECT_TRUE(namesIn(state.path()).empty());
    }
}

TEST_F(FileSystemTest, InPlaceWriteThatFailsPutsTheEarlierContentBack)
{
    files.foldersLocked = true;
    const std::string large(20000, 'x');
    // Writes beyond 4096 bytes fail with "File too large"; the old content is shorter.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string cause;
    try {
        files.writeAtomic(file, large);
    } catch (const IniWriteError &error) {
        cause = error.cause();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(cause, "File too large");
    EXPECT_EQ(readFile(file), "[DirMenu]\r\nmenu1=old\r\n");
    EXPECT_TRUE(namesIn(state.path()).empty());
}

TEST_F(FileSystemTest, InPlaceWriteWithoutARecoveryFolderIsRefused)
{
    FaultyFileSystem nowhere { fs::path() };
    nowhere.foldersLocked = true;
    EXPECT_NE(writeCause(nowhere, file).find("no recovery copy could be kept"), std::string::npos);
    EXPECT_EQ(readFile(file), "[DirMenu]\r\nmenu1=old\r\n");
}

TEST_F(FileSystemTest, SaveRemovesTemporariesThatNoRunningTorvexOwns)
{
    const test::WaitingChild torvex("torvex-menu");
    const test::WaitingChild otherProgram;
    const auto temporary = [](int pid, const char *rest) {
        return ".torvex-" + std::to_string(pid) + rest;
    };
    const std::string live = temporary(torvex.pid(), "-0-1.tmp");
    const std::string notOurs = ".torvex-notes.tmp";
    for (const std::string &name : { temporary(test::endedProcessId(), "-0-2.tmp"),
             temporary(otherProgram.pid(), "-3-4.tmp"),
             temporary(::getpid(), "-5-6.tmp"),
             live,
             notOurs })
        dir.write(name, "partial");

    files.writeAtomic(file, newContent);

    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string> { "wincmd.ini", live, notOurs }));
}

} // namespace
} // namespace torvex
