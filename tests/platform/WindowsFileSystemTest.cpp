#include "platform/WindowsFileSystem.h"

#include "menu/IniError.h"
#include "platform/WindowsView.h"
#include "support/SyntheticPrefix.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace torvex {
namespace {

namespace fs = std::filesystem;

class WindowsFileSystemTest : public testing::Test
{
protected:
    WindowsFileSystemTest()
    {
        prefix.write("drive_c/Program Files/FM/wincmd.ini", "[DirMenu]\r\nmenu1=A\r\n");
    }
    test::SyntheticPrefix prefix;
    WindowsFileSystem files { std::make_shared<WindowsView>(
        WindowsView::forPrefix(prefix.prefix(), Environment {})) };
};

TEST_F(WindowsFileSystemTest, WindowsPathsReachTheirHostFiles)
{
    EXPECT_TRUE(files.fileExists("C:\\Program Files\\FM\\wincmd.ini"));
    EXPECT_TRUE(files.fileExists("c:\\program files\\fm\\WINCMD.INI")) << "without regard to case";
    EXPECT_TRUE(files.dirExists("C:\\Program Files"));
    EXPECT_FALSE(files.fileExists("C:\\Program Files"));
    EXPECT_FALSE(files.fileExists("Q:\\wincmd.ini")) << "no drive Q:";
    EXPECT_EQ(files.readAll("C:\\Program Files\\FM\\wincmd.ini"), "[DirMenu]\r\nmenu1=A\r\n");
}

TEST_F(WindowsFileSystemTest, HostPathsAreUsedAsTheyStand)
{
    const fs::path host = prefix.path() / "drive_c" / "Program Files" / "FM" / "wincmd.ini";
    EXPECT_TRUE(files.fileExists(host.string()));
    files.writeAtomic(host.string(), "new");
    EXPECT_EQ(files.readAll("C:\\Program Files\\FM\\wincmd.ini"), "new");
}

TEST_F(WindowsFileSystemTest, WritesGoToTheHostFile)
{
    files.writeAtomic("C:\\Program Files\\FM\\wincmd.ini", "[DirMenu]\r\n");
    std::string content =
        test::readFile(prefix.path() / "drive_c" / "Program Files" / "FM" / "wincmd.ini");
    EXPECT_EQ(content, "[DirMenu]\r\n");
}

TEST_F(WindowsFileSystemTest, ErrorsNameThePathTheCallerGave)
{
    try {
        files.readAll("C:\\Program Files\\FM\\missing.ini");
        FAIL();
    } catch (const IniReadError &e) {
        EXPECT_EQ(
            std::string(e.what()).rfind("Unable to read C:\\Program Files\\FM\\missing.ini: ", 0),
            0u)
            << e.what();
    }
    try {
        files.writeAtomic("Q:\\wincmd.ini", "x");
        FAIL();
    } catch (const IniWriteError &e) {
        EXPECT_STREQ(e.what(), "Unable to write to Q:\\wincmd.ini");
    }
    try {
        files.writeAtomic("C:\\No Such Folder\\wincmd.ini", "x");
        FAIL();
    } catch (const IniWriteError &e) {
        EXPECT_STREQ(e.what(), "Unable to write to C:\\No Such Folder\\wincmd.ini");
    }
}

} // namespace
} // namespace torvex
