// The backup before the first save of a run: beside the file, in the state folder when it
// cannot stay there, and never replaced later in the same run.
#include "files/SaveBackup.h"

#include "files/FileSystem.h"
#include "menu/IniError.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>
#include <unistd.h>

namespace torvex {
namespace {

using test::readFile;

// Writes also fail under one folder while `failingFolder` names it.
class FolderFaultFileSystem : public test::FaultyFileSystem
{
public:
    using FaultyFileSystem::FaultyFileSystem;
    std::string failingFolder;
    void writeOwnCopy(
        const std::string &path, const FileContent &content, const std::string &modeOf) override
    {
        if (!failingFolder.empty() && path.starts_with(failingFolder))
            throw IniWriteError(path, "No space left on device");
        FaultyFileSystem::writeOwnCopy(path, content, modeOf);
    }
};

class SaveBackupTest : public ::testing::Test
{
protected:
    test::TempDir dir;
    test::TempDir state;
    FolderFaultFileSystem fs { state.path() };
    std::filesystem::path stateFolder = state.path() / "torvex";
    SaveBackup backup { fs, stateFolder };
    std::string ini = dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Old\r\n");
};

TEST_F(SaveBackupTest, TheFirstSaveKeepsTheFileBesideItAndLaterOnesKeepNothing)
{
    dir.write("wincmd.ini.bak", "from an earlier run");
    EXPECT_EQ(backup.keepBefore(ini), ini + ".bak");
    EXPECT_EQ(readFile(ini + ".bak"), "[DirMenu]\r\nmenu1=Old\r\n");
    EXPECT_TRUE(backup.hasKept(ini));

    dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Saved once\r\n");
    EXPECT_EQ(backup.keepBefore(ini), std::nullopt);
    EXPECT_EQ(readFile(ini + ".bak"), "[DirMenu]\r\nmenu1=Old\r\n");
    EXPECT_EQ(fs.writes, 1);

    // Another file of the same run gets its own first backup.
    const std::string other = dir.write("other.ini", "x");
    EXPECT_EQ(backup.keepBefore(other), other + ".bak");
}

TEST_F(SaveBackupTest, AFolderThatCannotBeWrittenSendsTheBackupToTheStateFolder)
{
    fs.foldersLocked = true;
    const auto where = backup.keepBefore(ini);
    ASSERT_TRUE(where);
    EXPECT_EQ(std::filesystem::path(*where).parent_path(), stateFolder);
    EXPECT_TRUE(std::regex_match(std::filesystem::path(*where).filename().string(),
        std::regex(R"(wincmd\.ini\.[0-9a-f]{8}\.bak)")))
        << *where;
    EXPECT_EQ(readFile(*where), "[DirMenu]\r\nmenu1=Old\r\n");
    EXPECT_FALSE(std::filesystem::exists(ini + ".bak"));

    // A file of the same name from another folder keeps its own backup beside the first.
    test::TempDir otherDir;
    const std::string other = otherDir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Other\r\n");
    const auto otherWhere = backup.keepBefore(other);
    ASSERT_TRUE(otherWhere);
    EXPECT_NE(*otherWhere, *where);
    EXPECT_EQ(readFile(*otherWhere), "[DirMenu]\r\nmenu1=Other\r\n");
    EXPECT_EQ(readFile(*where), "[DirMenu]\r\nmenu1=Old\r\n");

    // The next run keeps the file's backup under the same name, replacing the earlier one.
    dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Next run\r\n");
    SaveBackup nextRun { fs, stateFolder };
    EXPECT_EQ(nextRun.keepBefore(dir.path().string() + "/./wincmd.ini"), *where);
    EXPECT_EQ(readFile(*where), "[DirMenu]\r\nmenu1=Next run\r\n");
}

TEST_F(SaveBackupTest, ABackupThatCannotBeWrittenBesideGoesToTheStateFolder)
{
    // A full disk beside the file: kept in the state folder.
    fs.failingFolder = dir.path().string();
    const std::string kept = (stateFolder / SaveBackup::stateFolderName(ini)).string();
    EXPECT_EQ(backup.keepBefore(ini), kept);
    EXPECT_EQ(readFile(kept), "[DirMenu]\r\nmenu1=Old\r\n");
}

TEST_F(SaveBackupTest, NoPlaceToWriteThrowsAndTheNextSaveTriesAgain)
{
    fs.failWrites = true;
    EXPECT_THROW(backup.keepBefore(ini), IniWriteError);
    EXPECT_FALSE(backup.hasKept(ini));
    fs.failWrites = false;
    EXPECT_EQ(backup.keepBefore(ini), ini + ".bak");
}

TEST_F(SaveBackupTest, AnUnreadableFileThrowsAndAMissingOneHasNothingToKeep)
{
    fs.failReads = true;
    EXPECT_THROW(backup.keepBefore(ini), IniReadError);
    fs.failReads = false;

    EXPECT_EQ(backup.keepBefore(dir.file("new.ini")), std::nullopt);
    EXPECT_FALSE(backup.hasKept(dir.file("new.ini")));
    EXPECT_EQ(fs.writes, 0);
}

TEST_F(SaveBackupTest, WithoutAStateFolderALockedFolderMeansNoBackup)
{
    SaveBackup nowhere(fs, {});
    fs.foldersLocked = true;
    try {
        nowhere.keepBefore(ini);
        ADD_FAILURE() << "no backup could be kept";
    } catch (const IniWriteError &error) {
        EXPECT_EQ(error.cause(),
            "the backup cannot be kept beside the file, and no other folder is known for it "
            "(neither XDG_STATE_HOME nor HOME is set)");
    }
}

TEST_F(SaveBackupTest, AnOtherFolderThatCannotBeMadeIsNamed)
{
    // The folder would stand below a regular file.
    const std::string blocker = dir.write("blocker", "");
    SaveBackup blocked(fs, std::filesystem::path(blocker) / "torvex");
    fs.failingFolder = dir.path().string();
    try {
        blocked.keepBefore(ini);
        ADD_FAILURE() << "no backup could be kept";
    } catch (const IniWriteError &error) {
        EXPECT_EQ(error.cause(),
            "the backup cannot be kept beside the file, and the folder " + blocker
                + "/torvex for it cannot be made");
    }
}

TEST_F(SaveBackupTest, ANameTakenByALinkAFolderAFifoOrAnotherUsersFileIsNeverWrittenThrough)
{
    namespace stdfs = std::filesystem;
    const std::string backupName = ini + ".bak";
    const std::string victim = state.write("victim", "someone's data");
    const auto link = [&] {
        stdfs::create_symlink(victim, backupName);
    };
    const auto danglingLink = [&] {
        stdfs::create_symlink(state.file("created-elsewhere"), backupName);
    };
    const auto folder = [&] {
        stdfs::create_directory(backupName);
    };
    const auto fifo = [&] {
        ASSERT_EQ(::mkfifo(backupName.c_str(), 0600), 0);
    };
    const auto othersFile = [&] {
        dir.write("wincmd.ini.bak", "another user's");
        ASSERT_EQ(::chown(backupName.c_str(), 4321, 4321), 0);
    };
    for (const auto &plant :
        std::vector<std::function<void()>> { link, danglingLink, folder, fifo, othersFile }) {
        SaveBackup run { fs, stateFolder };
        plant();
        const auto before = stdfs::symlink_status(backupName).type();
        try {
            run.keepBefore(ini);
            ADD_FAILURE() << "no error";
        } catch (const IniWriteError &error) {
            EXPECT_EQ(error.cause(), notOwnRegularFileCause);
        }
        EXPECT_EQ(stdfs::symlink_status(backupName).type(), before);
        EXPECT_EQ(readFile(victim), "someone's data");
        EXPECT_FALSE(stdfs::exists(state.file("created-elsewhere")));
        EXPECT_FALSE(stdfs::exists(stateFolder)) << "the user is asked; nothing goes elsewhere";
        EXPECT_EQ(
            std::distance(stdfs::directory_iterator(dir.path()), stdfs::directory_iterator()), 2)
            << "no temporary is left";
        stdfs::remove_all(backupName);
    }
}

TEST_F(SaveBackupTest, TheBackupIsReadableByNoMorePeopleThanTheFile)
{
    namespace stdfs = std::filesystem;
    const mode_t savedMask = ::umask(0);
    dir.write("wincmd.ini.bak", "an earlier run's, readable by all");
    ASSERT_EQ(::chmod((ini + ".bak").c_str(), 0644), 0);
    ASSERT_EQ(::chmod(ini.c_str(), 0600), 0);
    EXPECT_EQ(backup.keepBefore(ini), ini + ".bak");
    EXPECT_EQ(stdfs::status(ini + ".bak").permissions(),
        stdfs::perms::owner_read | stdfs::perms::owner_write);

    const std::string shared = dir.write("shared.ini", "x");
    ASSERT_EQ(::chmod(shared.c_str(), 0640), 0);
    EXPECT_EQ(backup.keepBefore(shared), shared + ".bak");
    ::umask(savedMask);
    EXPECT_EQ(stdfs::status(shared + ".bak").permissions(),
        stdfs::perms::owner_read | stdfs::perms::owner_write | stdfs::perms::group_read);
    EXPECT_EQ(readFile(shared + ".bak"), "x");
}

} // namespace
} // namespace torvex
