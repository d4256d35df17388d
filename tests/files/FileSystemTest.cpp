// Writing a file without harming it: refusals, what the file is after a save (inode, links,
// owner, mode), writing in place with a recovery copy, and the clean-up of temporaries that
// killed saves left behind.
#include "files/FileSystem.h"

#include "menu/IniError.h"
#include "files/RecoveryCopy.h"
#include "files/TemporaryFiles.h"
#include "support/FaultyFileSystem.h"
#include "support/ProcessesAndFlags.h"
#include "support/TempDir.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
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

TEST_F(FileSystemTest, SaveRemovesOnlyTorvexsOwnDeadTemporaries)
{
    const test::WaitingChild otherProgram;
    const auto temporary = [](int pid, int n) {
        return ".torvex-" + std::to_string(pid) + "-" + std::to_string(n) + "-0123456789abcdef.tmp";
    };
    // Dead, whatever program now has the pid in its name.
    const std::string dead = temporary(test::endedProcessId(), 0);
    const std::string deadWithLivePid = temporary(otherProgram.pid(), 1);
    // A live save, whose pid means nothing here (another pid namespace): it holds the lock.
    const std::string live = temporary(test::endedProcessId(), 2);
    const std::string othersFile = temporary(test::endedProcessId(), 3);
    const std::string link = temporary(test::endedProcessId(), 4);
    const std::string usersOwn = ".torvex-1-2-3.tmp";
    for (const std::string &name : { dead, deadWithLivePid, live, othersFile, usersOwn })
        dir.write(name, "partial");
    ASSERT_EQ(::chown(dir.file(othersFile).c_str(), 1234, 1234), 0);
    const std::string elsewhere = state.write("elsewhere", "keep");
    fs::create_symlink(elsewhere, dir.path() / link);
    const int liveFd = ::open(dir.file(live).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(liveFd, LOCK_EX), 0);

    files.writeAtomic(file, newContent);
    ::close(liveFd);

    EXPECT_EQ(namesIn(dir.path()),
        (std::set<std::string> { "wincmd.ini", live, othersFile, link, usersOwn }));
    EXPECT_EQ(readFile(elsewhere), "keep");
}

TEST_F(FileSystemTest, ATemporaryIsNeverTakenForALeftoverWhileItsWriterLives)
{
    const TemporaryFile temporary(dir.path().string());
    EXPECT_TRUE(isTemporaryName(fs::path(temporary.path()).filename().string()));
    EXPECT_TRUE(lockedByWriter(temporary.path()));
    EXPECT_EQ(removeDeadTemporaries(dir.path().string()), 0);
    EXPECT_TRUE(fs::exists(temporary.path()));
}

TEST_F(FileSystemTest, NewContentIsTheUsersAloneUntilItIsCompleteAndThenTakesTheFilesMode)
{
    const mode_t savedMask = ::umask(0);
    ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
    std::set<unsigned> modesWhileWritten;
    const FileContent content([&](const FileContent::PieceVisitor &piece) {
        piece("[DirMenu]\r\n");
        for (const std::string &name : namesIn(dir.path()))
            if (isTemporaryName(name))
                modesWhileWritten.insert(statOf(dir.file(name)).st_mode & 07777);
        piece("menu1=new\r\n");
    });
    files.writeAtomic(file, content);
    const std::string created = dir.file("created.ini");
    files.writeAtomic(created, newContent);
    ::umask(savedMask);

    EXPECT_EQ(modesWhileWritten, std::set<unsigned> { 0600 });
    EXPECT_EQ(readFile(file), newContent);
    EXPECT_EQ(statOf(file).st_mode & 07777, 0644u);
    EXPECT_EQ(statOf(created).st_mode & 07777, 0666u) << "a new file gets what the umask leaves";
}

TEST_F(FileSystemTest, AFileAnotherProgramWroteDuringTheSaveIsLeftAsThatProgramLeftIt)
{
    const std::string otherName = dir.file("second-name.ini");
    const std::string meanwhile = "[DirMenu]\r\nmenu1=written meanwhile\r\n";
    for (const bool hardLinked : { false, true }) {
        dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=old\r\n");
        if (hardLinked) {
            ASSERT_EQ(::link(file.c_str(), otherName.c_str()), 0);
        }
        const std::string basis = "[DirMenu]\r\nmenu1=old\r\n";
        // The file manager writes in place after the save read the file: while the new file
        // is written, or before the file is written in place.
        const auto writeMeanwhile = [&] {
            std::ofstream(file, std::ios::binary | std::ios::in) << meanwhile;
        };
        if (hardLinked)
            writeMeanwhile();
        const FileContent content([&](const FileContent::PieceVisitor &piece) {
            if (!hardLinked)
                writeMeanwhile();
            piece(newContent);
        });
        try {
            files.writeAtomic(file, FileContent(content).basedOn(basis));
            ADD_FAILURE() << "no error";
        } catch (const IniWriteError &error) {
            EXPECT_EQ(error.cause(), fileChangedCause);
        }
        EXPECT_EQ(readFile(file), meanwhile);
        EXPECT_TRUE(namesIn(state.path()).empty());

        // Unchanged, it is written.
        files.writeAtomic(file, FileContent(newContent).basedOn(meanwhile));
        EXPECT_EQ(readFile(file), newContent);
        fs::remove(otherName);
    }
}

TEST_F(FileSystemTest, ASecondSaveWaitsForTheFirstToLetGoOfTheFile)
{
    using namespace std::chrono_literals;
    const fs::path link = dir.path() / "link.ini";
    fs::create_symlink(file, link);
    {
        const FileLock first = files.lockForSave(file);
        ASSERT_TRUE(first.isHeld());
        try {
            (void)files.lockForSave(link.string(), 50ms);
            ADD_FAILURE() << "no error";
        } catch (const IniWriteError &error) {
            EXPECT_EQ(error.cause(), "another save of the file does not finish");
        }
    }
    EXPECT_TRUE(files.lockForSave(link.string(), 50ms).isHeld());
    EXPECT_FALSE(files.lockForSave(dir.file("missing.ini")).isHeld());

    // A save that waited on a file that the first save then replaced locks the new one.
    FileLock first = files.lockForSave(file);
    const pid_t child = ::fork();
    if (child == 0) {
        FileSystem host(state.path());
        const FileLock second = host.lockForSave(file, 5s);
        const bool sawNew = readFile(file) == newContent;
        ::_exit(second.isHeld() && sawNew ? 0 : 1);
    }
    std::this_thread::sleep_for(100ms);
    files.writeAtomic(file, newContent);
    first = FileLock();
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
} // namespace torvex
