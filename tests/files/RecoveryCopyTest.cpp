#include "files/RecoveryCopy.h"

#include "support/ProcessesAndFlags.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvex {
namespace {

using test::readFile;
using test::TempDir;
namespace fs = std::filesystem;

TEST(RecoveryCopy, CopyLeftBehindIsFoundWithTheFileItBelongsTo)
{
    TempDir state;
    const fs::path folder = state.path() / "torvex"; // made by the first copy
    std::string copyPath;
    {
        RecoveryCopy copy(folder, "/home/anna/.wine/drive_c/windows/wincmd.ini", "old bytes");
        copyPath = copy.path();
        EXPECT_EQ(readFile(copyPath), "old bytes");
        EXPECT_EQ(fs::path(copyPath).filename().string().rfind("wincmd.ini.", 0), 0u);
        EXPECT_EQ(
            fs::status(copyPath).permissions(), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_TRUE(findRecoveryCopies(folder).empty()) << "a copy still being used is no leftover";
    }
    const auto found = findRecoveryCopies(folder);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].copy, copyPath);
    EXPECT_EQ(found[0].original, "/home/anna/.wine/drive_c/windows/wincmd.ini");
    EXPECT_EQ(recoveryCopyNotice(found[0]).english(),
        "A save of /home/anna/.wine/drive_c/windows/wincmd.ini did not finish; its earlier "
        "content is kept in "
            + copyPath);
}

TEST(RecoveryCopy, DiscardedCopyLeavesNothing)
{
    TempDir state;
    {
        RecoveryCopy copy(state.path(), "/x/wincmd.ini", "old");
        copy.discard();
    }
    EXPECT_TRUE(fs::is_empty(state.path()));
    EXPECT_TRUE(findRecoveryCopies(state.path() / "missing").empty());
    EXPECT_TRUE(findRecoveryCopies(fs::path()).empty());
}

TEST(RecoveryCopy, StartUpSkipsLiveWritersAndClearsWhatKilledOnesLeft)
{
    TempDir state;
    // A live write holds its note locked, whatever its pid says (another pid namespace).
    const std::string live =
        "wincmd.ini.20260101-120000." + std::to_string(test::endedProcessId()) + "-0.recovery";
    const std::string dead =
        "wincmd.ini.20260101-120000." + std::to_string(test::endedProcessId()) + "-1.recovery";
    const std::string lonelyNote =
        "a.ini.20260101-120000." + std::to_string(test::endedProcessId()) + "-2.recovery.path";
    const std::string liveLonelyNote =
        "b.ini.20260101-120000." + std::to_string(test::endedProcessId()) + "-3.recovery.path";
    const std::string partial =
        ".torvex-" + std::to_string(test::endedProcessId()) + "-0-0123456789abcdef.tmp";
    for (const std::string &name : { live,
             live + ".path",
             dead,
             lonelyNote,
             liveLonelyNote,
             partial,
             std::string("notes.txt") })
        state.write(name, "x");
    const int liveNote = ::open(state.file(live + ".path").c_str(), O_RDONLY);
    const int liveLonely = ::open(state.file(liveLonelyNote).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(liveNote, LOCK_EX), 0);
    ASSERT_EQ(::flock(liveLonely, LOCK_EX), 0);

    const auto found = findRecoveryCopies(state.path());
    ::close(liveNote);
    ::close(liveLonely);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].copy, state.file(dead));
    EXPECT_EQ(found[0].original, "") << "its note is missing";
    EXPECT_EQ(recoveryCopyNotice(found[0]).english(),
        "A save did not finish; the earlier content of the file is kept in " + state.file(dead));
    EXPECT_FALSE(fs::exists(state.file(lonelyNote)));
    EXPECT_FALSE(fs::exists(state.file(partial)));
    EXPECT_TRUE(fs::exists(state.file(live)));
    EXPECT_TRUE(fs::exists(state.file(liveLonelyNote)));
    EXPECT_TRUE(fs::exists(state.file("notes.txt")));
}

TEST(RecoveryCopy, TheFolderIsTheUsersAloneAndTheNoteNamesTheFileWhereverTorvexStarts)
{
    TempDir state;
    TempDir work;
    const mode_t savedMask = ::umask(022);
    const fs::path savedFolder = fs::current_path();
    fs::current_path(work.path());
    std::string copyPath;
    {
        RecoveryCopy copy(state.path() / "torvex", "sub/wincmd.ini", "old");
        copyPath = copy.path();
    }
    fs::current_path(savedFolder);
    ::umask(savedMask);
    EXPECT_EQ(fs::status(state.path() / "torvex").permissions(), fs::perms::owner_all);
    const auto found = findRecoveryCopies(state.path() / "torvex");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].original, (work.path() / "sub" / "wincmd.ini").string());
}

TEST(RecoveryCopy, FolderThatCannotBeMadeSaysSo)
{
    TempDir state;
    const std::string blocker = state.write("file", "x");
    try {
        RecoveryCopy copy(fs::path(blocker) / "torvex", "/x/wincmd.ini", "old");
        FAIL() << "no error";
    } catch (const std::runtime_error &error) {
        EXPECT_EQ(std::string(error.what()).rfind("no recovery copy could be kept in ", 0), 0u)
            << error.what();
    }
}

} // namespace
} // namespace torvex
