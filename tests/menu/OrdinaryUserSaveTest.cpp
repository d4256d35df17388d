// Saves as an ordinary user, whom the permissions stop as root is never stopped: each save
// runs in a child process that has dropped to the user "nobody" (and, where a case needs it,
// a second group).
#include "files/FileSystem.h"

#include "menu/IniError.h"
#include "menu/IniFile.h"
#include "files/TemporaryFiles.h"
#include "support/TempDir.h"

#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace torvex {
namespace {

using test::readFile;
using test::TempDir;
namespace fs = std::filesystem;

constexpr unsigned nobody = 65534;
constexpr unsigned otherUser = 1234;
constexpr unsigned otherGroup = 2345;

// Runs `work` in a child process of the user nobody with the groups `groups` (nogroup when
// empty) and returns what it returned; nothing when the process cannot become that user.
std::optional<std::string> asOrdinaryUser(
    const std::function<std::string()> &work, std::vector<gid_t> groups = {})
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return std::string("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        if (groups.empty())
            groups.push_back(nobody);
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setgid(nobody) != 0
            || ::setuid(nobody) != 0)
            ::_exit(77);
        std::string result;
        try {
            result = work();
        } catch (const std::exception &error) {
            result = std::string("unexpected error: ") + error.what();
        }
        std::size_t done = 0;
        while (done < result.size()) {
            const ssize_t n = ::write(pipeFds[1], result.data() + done, result.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string result;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
        result.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
        return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::string("the child failed");
    return result;
}

// The cause of the failure of a write as the cause is named, "" for a write that went through.
std::string writeCause(FileSystem &files, const std::string &path, const std::string &content)
{
    try {
        files.writeAtomic(path, content);
        return {};
    } catch (const IniWriteError &error) {
        return error.cause();
    }
}

struct stat statOf(const std::string &path)
{
    struct stat info
    {
    };
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

std::set<std::string> namesIn(const fs::path &folder)
{
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// A host file system that takes every folder for one the user may write into, as a folder
// that changed after it was looked at, or one whose refusal shows only when a file is made.
class FoldersLookWritable : public FileSystem
{
public:
    using FileSystem::FileSystem;
    bool folderWritable(const std::string &) const override { return true; }
};

// A host file system that takes every owner and group for one a new file can have, as when
// the user's groups changed after they were looked at.
class OwnersLookTakeable : public FileSystem
{
public:
    using FileSystem::FileSystem;
    bool canTakeOwnership(const FileOwnership &) const override { return true; }
};

class OrdinaryUserSaveTest : public ::testing::Test
{
protected:
    TempDir dir;
    TempDir state;
    const std::string oldContent = "[DirMenu]\r\nmenu1=old\r\n";
    const std::string newContent = "[DirMenu]\r\nmenu1=new\r\n";
    const std::string file = dir.write("wincmd.ini", oldContent);

    void SetUp() override
    {
        // The user's own folders; the file is set up by each test.
        ASSERT_EQ(::chown(dir.path().c_str(), nobody, nobody), 0);
        ASSERT_EQ(::chown(state.path().c_str(), nobody, nobody), 0);
        ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    }

    void setFile(unsigned uid, unsigned gid, mode_t mode)
    {
        ASSERT_EQ(::chown(file.c_str(), uid, gid), 0);
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
    }

    // The cause of a save of newContent into the file by nobody.
    std::optional<std::string> saveAsNobody(std::vector<gid_t> groups = {})
    {
        return asOrdinaryUser(
            [&] {
                FileSystem host(state.path());
                return writeCause(host, file, newContent);
            },
            std::move(groups));
    }
};

#define SKIP_WITHOUT(result)                                                                       \
    if (!(result))                                                                                 \
    GTEST_SKIP() << "cannot become an ordinary user"

TEST_F(OrdinaryUserSaveTest, TheUsersOwnFileIsReplacedAndKeepsItsModeAndGroups)
{
    // Its group the user's own, then a second group of the user's.
    for (const unsigned group : { nobody, otherGroup }) {
        dir.write("wincmd.ini", oldContent);
        setFile(nobody, group, 0640);
        const ino_t inode = statOf(file).st_ino;
        const auto cause = saveAsNobody({ nobody, otherGroup });
        SKIP_WITHOUT(cause);
        EXPECT_EQ(*cause, "");
        const struct stat after = statOf(file);
        EXPECT_EQ(readFile(file), newContent);
        EXPECT_NE(after.st_ino, inode) << "replaced, group " << group;
        EXPECT_EQ(after.st_uid, nobody);
        EXPECT_EQ(after.st_gid, group);
        EXPECT_EQ(after.st_mode & 07777, 0640u);
        EXPECT_EQ(namesIn(dir.path()), std::set<std::string> { "wincmd.ini" });
    }
}

TEST_F(OrdinaryUserSaveTest, AFileOfAnotherUserOrOfAGroupTheUserLacksIsWrittenInPlace)
{
    struct Case
    {
        unsigned uid;
        unsigned gid;
        mode_t mode;
    };
    // Another user's file that the user's group may write; the user's file of a group the
    // user lacks. (A setgid bit of such a group is not kept: the system drops it when
    // someone outside the group writes the file.)
    for (const Case &owner :
        { Case { otherUser, nobody, 0664 }, Case { nobody, otherGroup, 0644 } }) {
        dir.write("wincmd.ini", oldContent);
        setFile(owner.uid, owner.gid, owner.mode);
        const ino_t inode = statOf(file).st_ino;
        const auto cause = saveAsNobody();
        SKIP_WITHOUT(cause);
        EXPECT_EQ(*cause, "");
        const struct stat after = statOf(file);
        EXPECT_EQ(readFile(file), newContent);
        EXPECT_EQ(after.st_ino, inode) << owner.uid << ":" << owner.gid;
        EXPECT_EQ(after.st_uid, owner.uid);
        EXPECT_EQ(after.st_gid, owner.gid);
        EXPECT_EQ(after.st_mode & 07777, owner.mode);
        EXPECT_EQ(namesIn(dir.path()), std::set<std::string> { "wincmd.ini" });
        EXPECT_TRUE(fs::is_empty(state.path())) << "the recovery copy goes once it is written";
    }
}

TEST_F(OrdinaryUserSaveTest, AnOwnerTheNewFileCannotTakeAfterAllGetsTheSaveInPlace)
{
    for (const unsigned uid : { otherUser, nobody }) {
        dir.write("wincmd.ini", oldContent);
        setFile(uid, uid == nobody ? otherGroup : nobody, 0664);
        const struct stat before = statOf(file);
        const auto cause = asOrdinaryUser([&] {
            OwnersLookTakeable host(state.path());
            return writeCause(host, file, newContent);
        });
        SKIP_WITHOUT(cause);
        EXPECT_EQ(*cause, "");
        const struct stat after = statOf(file);
        EXPECT_EQ(readFile(file), newContent);
        EXPECT_EQ(after.st_ino, before.st_ino) << uid;
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(namesIn(dir.path()), std::set<std::string> { "wincmd.ini" });
        EXPECT_TRUE(fs::is_empty(state.path()));
    }
}

TEST_F(OrdinaryUserSaveTest, AFolderThatRefusesTheTemporaryAlthoughItLookedWritableGetsTheSaveInPlace)
{
    // The folder is root's: the user may write the file in it, not make one.
    ASSERT_EQ(::chown(dir.path().c_str(), 0, 0), 0);
    setFile(nobody, nobody, 0644);
    const ino_t inode = statOf(file).st_ino;
    const auto cause = asOrdinaryUser([&] {
        FoldersLookWritable host(state.path());
        const std::string existing = writeCause(host, file, newContent);
        // A file that does not exist yet cannot be written another way.
        const std::string created = writeCause(host, dir.file("created.ini"), newContent);
        return existing + "|" + created;
    });
    SKIP_WITHOUT(cause);
    EXPECT_EQ(*cause, "|Permission denied");
    EXPECT_EQ(readFile(file), newContent);
    EXPECT_EQ(statOf(file).st_ino, inode);
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string> { "wincmd.ini" });
    EXPECT_TRUE(fs::is_empty(state.path()));
}

TEST_F(OrdinaryUserSaveTest, AFileTheOwnerMayNotWriteIsRefusedWithTheSystemsCause)
{
    struct Case
    {
        mode_t mode;
        std::string cause;
    };
    // The owner's bits decide for the owner, whatever the group's say; a file without any
    // write bit is read-only.
    for (const Case &refused : { Case { 0464, "Permission denied" },
             Case { 0466, "Permission denied" },
             Case { 0444, readOnlyFileCause } }) {
        setFile(nobody, nobody, refused.mode);
        const auto cause = asOrdinaryUser([&] {
            FileSystem host(state.path());
            std::string causes = writeCause(host, file, newContent);
            // The same through a change of one key, as the editor's options are saved.
            try {
                IniFile(file, host).writeKey("DirMenu", "menu1", "changed");
            } catch (const IniWriteError &error) {
                causes += "|" + error.cause();
            }
            return causes;
        });
        SKIP_WITHOUT(cause);
        EXPECT_EQ(*cause, refused.cause + "|" + refused.cause) << std::oct << refused.mode;
        EXPECT_EQ(readFile(file), oldContent);
        EXPECT_EQ(statOf(file).st_mode & 07777, refused.mode);
        EXPECT_EQ(namesIn(dir.path()), std::set<std::string> { "wincmd.ini" });
        EXPECT_TRUE(fs::is_empty(state.path()));
    }
}

TEST_F(OrdinaryUserSaveTest, ARecoveryFolderTheUserMayNotWriteStopsAnInPlaceSaveWithNothingLeft)
{
    // The file must be written in place (another user's), and its copy has nowhere to go.
    setFile(otherUser, nobody, 0664);
    ASSERT_EQ(::chown(state.path().c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(state.path().c_str(), 0755), 0);
    const auto cause = saveAsNobody();
    SKIP_WITHOUT(cause);
    EXPECT_EQ(cause->rfind("no recovery copy could be kept in " + state.path().string(), 0), 0u)
        << *cause;
    EXPECT_NE(cause->find("Permission denied"), std::string::npos) << *cause;
    EXPECT_EQ(readFile(file), oldContent);
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string> { "wincmd.ini" });
    EXPECT_TRUE(fs::is_empty(state.path()));
}

} // namespace
} // namespace torvex
