#include "app/gui/folders/DirListBox.h"

#include "support/DriveZ.h"
#include "support/TempDir.h"
#include "support/gui/WindowEnvironment.h"

#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <gtest/gtest.h>

namespace torvex {
namespace {

namespace fs = std::filesystem;

using test::onZ;

class DirListBoxTest : public testing::Test
{
protected:
    DirListBoxTest()
    {
        for (const char *name : { "Top/Data", "Top/apps", "Top/Data/Inner" })
            fs::create_directories(dir.path() / name);
        list.setWindowsView(test::viewWithoutPrefix());
        list.resize(300, 400);
    }
    int rowOf(const std::string &text) const
    {
        for (int i = 0; i < list.count(); ++i)
            if (list.entryText(i) == text)
                return i;
        return -1;
    }

    test::TempDir dir;
    DirListBox list;
};

TEST_F(DirListBoxTest, ShowsTheWayDownAndTheSubfoldersWithTheirPaths)
{
    const std::string top = onZ(dir.path() / "Top");
    list.setDirectory(top);
    EXPECT_EQ(list.directory(), top);
    EXPECT_EQ(list.drive(), 'Z');
    EXPECT_EQ(list.entryText(0), "Z:\\");
    EXPECT_EQ(list.entryText(list.openRow()), "Top");
    EXPECT_EQ(list.entryText(list.openRow() + 1), "apps");
    EXPECT_EQ(list.entryText(list.openRow() + 2), "Data");
    EXPECT_EQ(list.entryPath(list.openRow() + 2), top + "\\Data");
    EXPECT_EQ(list.count(), list.openRow() + 3);
    EXPECT_EQ(list.currentRow(), list.openRow());
    EXPECT_EQ(list.entryPath(list.count()), "") << "no entry there";
}

TEST_F(DirListBoxTest, DoubleClickOpensAndSignalsEveryChange)
{
    list.show();
    list.setDirectory(onZ(dir.path() / "Top"));
    QSignalSpy changed(&list, &DirListBox::directoryChanged);
    const int data = rowOf("Data");
    ASSERT_GE(data, 0);
    const QPoint at = list.visualItemRect(list.item(data)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(changed.count(), 0) << "a single click only selects";
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(list.directory(), onZ(dir.path() / "Top" / "Data"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_GE(rowOf("Inner"), 0);
    // Opening the folder that is open already is no change.
    list.setDirectory(list.directory());
    EXPECT_EQ(changed.count(), 1);
    // Enter opens the current entry: the root.
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.directory(), "Z:\\");
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(DirListBoxTest, AFolderThatVanishedIsNeverACrash)
{
    const std::string data = onZ(dir.path() / "Top" / "Data");
    list.setDirectory(data);
    fs::remove_all(dir.path() / "Top" / "Data");
    list.refresh();
    EXPECT_EQ(list.directory(), onZ(dir.path() / "Top"));
    // An entry whose folder went away meanwhile opens the nearest folder that is left.
    fs::create_directories(dir.path() / "Top" / "Brief");
    list.refresh();
    const int brief = rowOf("Brief");
    ASSERT_GE(brief, 0);
    fs::remove_all(dir.path() / "Top" / "Brief");
    list.setDirectory(list.entryPath(brief));
    EXPECT_EQ(list.directory(), onZ(dir.path() / "Top"));
}

TEST_F(DirListBoxTest, EachDriveRemembersItsFolder)
{
    const std::string top = onZ(dir.path() / "Top");
    list.setDirectory(top);
    list.setDrive('q');
    EXPECT_EQ(list.directory(), top) << "a missing drive leaves the list as it is";
    list.setDirectory("Z:\\");
    list.setDirectory(top);
    list.setDrive('z');
    EXPECT_EQ(list.directory(), top);
}

} // namespace
} // namespace torvex
