#include "app/FolderList.h"

#include "platform/WindowsView.h"
#include "support/DriveZ.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace torvex {
namespace {

namespace fs = std::filesystem;

using test::onZ;

TEST(FolderListTest, NormalPaths)
{
    const std::pair<const char *, const char *> cases[] = {
        { "c:\\", "C:\\" },
        { "c:", "C:\\" },
        { "C:/Users/anna/", "C:\\Users\\anna" },
        { "D:\\a\\\\b\\.\\c\\..\\d", "D:\\a\\b\\d" },
        { "D:\\..\\..", "D:\\" },
        { "relative\\path", "" },
        { "/host/path", "" },
        { "", "" },
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(normalFolderPath(in), out) << in;
}

TEST(FolderListTest, EntriesSayWhatTheyAre)
{
    using Kind = FolderEntry::Kind;
    const auto spoken = [](const FolderEntry &entry) {
        return spokenFolderName(entry).english();
    };
    EXPECT_EQ(spoken({ "C:\\", "C:\\", 0, Kind::Ancestor }), "C:\\, drive");
    EXPECT_EQ(spoken({ "C:\\", "C:\\", 0, Kind::Open }), "C:\\, drive, open");
    EXPECT_EQ(spoken({ "Work", "C:\\Work", 1, Kind::Ancestor }),
        "Work, folder above the open one");
    EXPECT_EQ(spoken({ "P", "C:\\Work\\P", 2, Kind::Open }), "P, open folder");
    EXPECT_EQ(spoken({ "Q", "C:\\Work\\P\\Q", 3, Kind::Subfolder }), "Q, subfolder");
}

TEST(FolderListTest, NamesAndParents)
{
    EXPECT_EQ(folderName("C:\\Program Files\\Tools"), "Tools");
    EXPECT_EQ(folderName("C:\\"), "");
    EXPECT_EQ(parentFolder("C:\\Program Files\\Tools"), "C:\\Program Files");
    EXPECT_EQ(parentFolder("C:\\Tools"), "C:\\");
    EXPECT_EQ(parentFolder("C:\\"), "C:\\");
}

TEST(FolderListTest, WindowsOrderIgnoresLetterCase)
{
    EXPECT_TRUE(windowsNameLess("alpha", "Beta"));
    EXPECT_TRUE(windowsNameLess("Alpha", "alpha2"));
    EXPECT_FALSE(windowsNameLess("beta", "Alpha"));
    // Names equal but for case still have an order, and only one.
    EXPECT_NE(windowsNameLess("abc", "ABC"), windowsNameLess("ABC", "abc"));
}

class FolderEntriesTest : public testing::Test
{
protected:
    FolderEntriesTest()
    {
        for (const char *name : { "Open/beta", "Open/Alpha", "Open/gamma", "Open/ALPHA2" })
            fs::create_directories(dir.path() / name);
        dir.write("Open/file.txt", "not a folder");
    }
    test::TempDir dir;
    WindowsView view = WindowsView::withoutPrefix(Environment {});
};

TEST_F(FolderEntriesTest, RootWayDownOpenFolderThenSortedSubfolders)
{
    const std::string open = onZ(dir.path() / "Open");
    const std::vector<FolderEntry> entries = folderEntries(view, open);
    ASSERT_GE(entries.size(), 6u);
    EXPECT_EQ(entries.front().text, "Z:\\");
    EXPECT_EQ(entries.front().path, "Z:\\");
    EXPECT_EQ(entries.front().level, 0);
    const std::size_t openRow = entries.size() - 5;
    EXPECT_EQ(entries[openRow].text, "Open");
    EXPECT_EQ(entries[openRow].path, open);
    EXPECT_EQ(entries[openRow].kind, FolderEntry::Kind::Open);
    for (std::size_t i = 1; i < openRow; ++i) {
        EXPECT_EQ(entries[i].kind, FolderEntry::Kind::Ancestor);
        EXPECT_EQ(entries[i].level, static_cast<int>(i));
    }
    const char *sorted[] = { "Alpha", "ALPHA2", "beta", "gamma" };
    for (int i = 0; i < 4; ++i) {
        const FolderEntry &e = entries[openRow + 1 + i];
        EXPECT_EQ(e.text, sorted[i]);
        EXPECT_EQ(e.path, open + "\\" + sorted[i]);
        EXPECT_EQ(e.kind, FolderEntry::Kind::Subfolder);
        EXPECT_EQ(e.level, entries[openRow].level + 1);
    }
}

TEST_F(FolderEntriesTest, AVanishedFolderOpensItsNearestExistingParent)
{
    const std::string gone = onZ(dir.path() / "Open" / "gone" / "deeper");
    EXPECT_EQ(existingFolder(view, gone), onZ(dir.path() / "Open"));
    // The spelling on disk wins over the spelling asked for.
    EXPECT_EQ(
        existingFolder(view, onZ(dir.path() / "open" / "BETA")), onZ(dir.path() / "Open" / "beta"));
    EXPECT_EQ(existingFolder(view, "Q:\\anything"), "") << "no drive Q:";
}

TEST_F(FolderEntriesTest, AFolderThatCannotBeListedHasNoSubfolders)
{
    EXPECT_TRUE(subfolderNames(view, onZ(dir.path() / "missing")).empty());
    EXPECT_TRUE(subfolderNames(view, onZ(dir.path() / "Open" / "file.txt")).empty());
    EXPECT_TRUE(subfolderNames(view, "Q:\\").empty());
}

} // namespace
} // namespace torvex
