// What the window remembers of the file it read or wrote last stands for the file while its
// bytes are the same: the save's check and Show changes then take the menu kept from that
// read, and read the file itself again once any byte of it changed.
#include "app/ChangesOnDisk.h"
#include "files/FileSystem.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <memory>
#include <string>

namespace torvex {
namespace {

class ChangesOnDiskTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MenuFileUi ui;
        ASSERT_TRUE(loadMenuInteractively(path, tree, ui, fs, loaded));
    }

    // Makes `loaded` remember a menu the file does not hold, with the file's bytes: what is
    // then found can only have come from what is remembered.
    void rememberAnotherMenu(const std::string &outline)
    {
        MenuTree other;
        test::buildTree(other, outline);
        MenuLinesDigest digest;
        for (const auto &[key, value] : dirMenuLinesToSave(other))
            digest.add(key, value);
        loaded.menuOnDisk = digest;
        loaded.menuEntriesOnDisk = std::make_shared<const MenuEntryList>(MenuEntryList::of(other));
    }

    test::TempDir dir;
    FileSystem &fs = FileSystem::real();
    const std::string text = "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\n[Other]\r\nkey=1\r\n";
    std::string path = dir.write("wincmd.ini", text);
    LoadedFile loaded;
    MenuTree tree;
};

TEST_F(ChangesOnDiskTest, TheRememberedMenuStandsForTheFileWhileItsBytesAreTheSame)
{
    const MenuLinesDigest onDisk = menuLinesDigestOnDisk(path, fs);
    EXPECT_EQ(*loaded.menuOnDisk, onDisk);
    // The load keeps no second menu; the first comparison keeps the one it read.
    EXPECT_FALSE(loaded.menuEntriesOnDisk);
    EXPECT_TRUE(compareWithDisk(path, tree, fs, loaded).sameLines);
    ASSERT_TRUE(loaded.menuEntriesOnDisk);
    EXPECT_EQ(loaded.menuEntriesOnDisk->title(0), "Home");

    rememberAnotherMenu("Work|cd d:\\\n");
    EXPECT_NE(menuLinesDigestNow(path, fs, loaded), onDisk);
    EXPECT_FALSE(menuChangedOnDisk(path, loaded, fs));
    const ChangesOnDisk changes = compareWithDisk(path, tree, fs, loaded);
    EXPECT_FALSE(changes.sameLines);
    ASSERT_EQ(changes.entries.differing.size(), 1u);
    EXPECT_EQ(differingEntryText(changes.entries.differing[0]),
        "Changed: Work: title \"Work\" -> \"Home\", command \"cd d:\\\" -> \"cd c:\\\"");

    // The same lines under another name are another file.
    const std::string copy = dir.write("copy.ini", text);
    EXPECT_EQ(menuLinesDigestNow(copy, fs, loaded), onDisk);
    EXPECT_TRUE(compareWithDisk(copy, tree, fs, loaded).sameLines);
}

TEST_F(ChangesOnDiskTest, AnyByteChangedReadsTheFileAgain)
{
    rememberAnotherMenu("Work|cd d:\\\n");
    // Beside the menu: the lines read again are the editor's.
    dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\n[Other]\r\nkey=2\r\n");
    EXPECT_EQ(menuLinesDigestNow(path, fs, loaded), menuLinesDigestOnDisk(path, fs));
    EXPECT_TRUE(compareWithDisk(path, tree, fs, loaded).sameLines);
    // In the menu. What another program wrote is not taken for the file read last.
    dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd e:\\\r\n");
    const auto kept = loaded.menuEntriesOnDisk;
    const ChangesOnDisk changes = compareWithDisk(path, tree, fs, loaded);
    EXPECT_EQ(loaded.menuEntriesOnDisk, kept);
    ASSERT_EQ(changes.entries.differing.size(), 1u);
    EXPECT_EQ(differingEntryText(changes.entries.differing[0]),
        "Changed: Home: command \"cd e:\\\" -> \"cd c:\\\"");
    // Gone: an empty menu.
    std::filesystem::remove(path);
    EXPECT_EQ(compareWithDisk(path, tree, fs, loaded).entries.counts.added, 1u);
}

TEST_F(ChangesOnDiskTest, ASaveRemembersTheMenuAsTheFileReadsItBack)
{
    // Written with its blanks, read back without them: after the save the file holds "Home".
    tree.setTitle(tree.first(), " Home ");
    MenuFileUi ui;
    ASSERT_EQ(saveMenuInteractively(path, tree, ui, fs, loaded).outcome, SaveOutcome::Saved);
    ASSERT_TRUE(loaded.menuEntriesOnDisk);
    EXPECT_EQ(loaded.menuEntriesOnDisk->title(0), "Home");
    EXPECT_EQ(loaded.fileOnDisk, FileBytesDigest(test::readFile(path)));
    EXPECT_EQ(differingEntryText(compareWithDisk(path, tree, fs, loaded).entries.differing.at(0)),
        "Changed: Home: title \"Home\" -> \" Home \"");
}

} // namespace
} // namespace torvex
