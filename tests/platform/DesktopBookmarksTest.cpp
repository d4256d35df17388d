#include "platform/DesktopBookmarks.h"

#include "files/FileErrors.h"
#include "platform/WindowsView.h"
#include "support/FaultyFileSystem.h"
#include "support/SyntheticPrefix.h"

#include <gtest/gtest.h>
#include <string>

namespace torvex {
namespace {

TEST(DesktopBookmarks, FileUrisDecodeAndEncodeEveryByte)
{
    EXPECT_EQ(folderOfFileUri("file:///home/me/My%20Files"), "/home/me/My Files");
    EXPECT_EQ(folderOfFileUri("FILE://localhost/tmp/a%2fb"), "/tmp/a/b");
    EXPECT_EQ(folderOfFileUri("file:///caf%C3%A9"), "/caf\xC3\xA9");
    EXPECT_EQ(folderOfFileUri("file:///latin%E9"), "/latin\xE9") << "a byte, whatever it encodes";
    EXPECT_EQ(folderOfFileUri("file://server/share"), std::nullopt);
    EXPECT_EQ(folderOfFileUri("sftp:///home"), std::nullopt);
    EXPECT_EQ(folderOfFileUri("file:///broken%2"), std::nullopt);
    EXPECT_EQ(folderOfFileUri("file:///bad%zz"), std::nullopt);
    EXPECT_EQ(folderOfFileUri("file:///nul%00"), std::nullopt);
    EXPECT_EQ(folderOfFileUri("file://"), std::nullopt);

    const std::string odd = "/home/me/a b%c#\xE9\xC3\xA9~x";
    EXPECT_EQ(fileUriOfFolder(odd), "file:///home/me/a%20b%25c%23%E9%C3%A9~x");
    EXPECT_EQ(folderOfFileUri(fileUriOfFolder(odd)), odd);
}

TEST(DesktopBookmarks, GtkLinesWithLabelsOtherSchemesAndOddEndings)
{
    const std::string text = "file:///home/me/Projects\r\n"
                             "\n"
                             "sftp://host/srv Remote\n"
                             "file:///home/me/My%20Music  Music to hear \n"
                             "file:///broken%2 X\n"
                             "file:///home/me/Projects Again"; // no last line break
    const std::vector<DesktopBookmark> read = readGtkBookmarks(text);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].folder, "/home/me/Projects");
    EXPECT_EQ(read[0].label, "");
    EXPECT_EQ(read[1].folder, "/home/me/My Music");
    EXPECT_EQ(read[1].label, "Music to hear");
    EXPECT_EQ(read[2].label, "Again");

    const auto joined = joinBookmarks({ read, { { "/home/me/Projects/", "Late label" } } });
    ASSERT_EQ(joined.size(), 2u) << "each folder once";
    EXPECT_EQ(joined[0].label, "Again") << "the first label found";
    EXPECT_TRUE(readGtkBookmarks("").empty());
}

TEST(DesktopBookmarks, UserDirsUnderHomeOrAbsolute)
{
    const std::string text = "# written by xdg-user-dirs-update\n"
                             "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                             "XDG_DOWNLOAD_DIR=\"$HOME/\"\n"
                             "XDG_MUSIC_DIR=\"/srv/music\"\n"
                             "XDG_VIDEOS_DIR=\"$HOME/My \\\"Films\\\"\"\n"
                             "XDG_OTHER=\"$HOME/x\"\n"
                             "XDG_PICTURES_DIR=relative\n"
                             "XDG_TEMPLATES_DIR=\"$HOME/Templates\"";
    const std::vector<DesktopBookmark> read = readUserDirs(text, "/home/me/");
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[0].folder, "/home/me/Desktop");
    EXPECT_EQ(read[1].folder, "/srv/music");
    EXPECT_EQ(read[2].folder, "/home/me/My \"Films\"");
    EXPECT_EQ(read[3].folder, "/home/me/Templates");
    EXPECT_TRUE(readUserDirs("XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", "").empty())
        << "no home, no $HOME folders";
}

TEST(DesktopBookmarks, ImportNamesTheFolderThroughTheDriveThatHoldsIt)
{
    test::SyntheticPrefix wine;
    const auto home = wine.makeFolder("host/home/me");
    wine.makeFolder("host/home/me/Work Files");
    wine.linkDrive('h', home);
    const WindowsView view = WindowsView::forPrefix(wine.prefix(), {});

    const BookmarkImport work = importOf({ (home / "Work Files").string(), "" }, view);
    EXPECT_EQ(work.command, "cd H:\\Work Files");
    EXPECT_EQ(work.title, "Work Files");
    EXPECT_TRUE(work.folderExists);
    EXPECT_TRUE(work.refusal.empty());

    const std::string gone = (wine.path() / "elsewhere" / "gone").string();
    const BookmarkImport missing = importOf({ gone + "/", "Old & new place" }, view);
    EXPECT_EQ(missing.title, "Old && new place") << "the menu shows the & itself";
    EXPECT_FALSE(missing.folderExists);
    EXPECT_EQ(missing.command, "cd " + rootDrivePath(gone)) << "no drive holds it: Z:";
    EXPECT_EQ(rootDrivePath("/a/b c/"), "Z:\\a\\b c");
    EXPECT_EQ(rootDrivePath("/"), "Z:\\");

    const BookmarkImport latin = importOf({ (home / "caf\xE9").string(), "" }, view);
    EXPECT_EQ(latin.refusal, "its name is not UTF-8");
    EXPECT_TRUE(latin.command.empty());
}

TEST(DesktopBookmarks, ExportKeepsTheUsersLinesAndAddsNoDuplicates)
{
    const std::string own = "sftp://host/srv Remote\n"
                            "file:///home/me/Projects Projects\n"
                            "# not a bookmark, kept\n"
                            "file:///home/me/My%20Music";
    std::size_t added = 99;
    const std::string written = gtkBookmarksWith(own,
        { "/home/me/My Music/", "/home/me/New Place", "/home/me/Projects", "/home/me/New Place" },
        added);
    EXPECT_EQ(written, own + "\nfile:///home/me/New%20Place\n");
    EXPECT_EQ(added, 1u);

    EXPECT_EQ(gtkBookmarksWith("", { "/tmp" }, added), "file:///tmp\n");
    EXPECT_EQ(added, 1u);
    EXPECT_EQ(gtkBookmarksWith(own, {}, added), own) << "nothing added, nothing touched";
    EXPECT_EQ(added, 0u);
}

TEST(DesktopBookmarks, TheDesktopsFilesFollowTheXdgFolders)
{
    const DesktopBookmarkFiles files =
        desktopBookmarkFiles({ { "HOME", "/home/me" }, { "XDG_DATA_HOME", "/data" } });
    EXPECT_EQ(files.gtk, "/home/me/.config/gtk-3.0/bookmarks");
    EXPECT_EQ(files.userDirs, "/home/me/.config/user-dirs.dirs");
    EXPECT_EQ(files.kde, "/data/user-places.xbel");
    EXPECT_TRUE(desktopBookmarkFiles({}).gtk.empty());
}

TEST(DesktopBookmarks, TheFileIsWrittenSafelyOrNotAtAll)
{
    test::TempFolder home;
    test::FaultyFileSystem files(home.path() / "recovery");
    const auto path = home.path() / ".config" / "gtk-3.0" / "bookmarks";
    EXPECT_EQ(readDesktopFile(files, path), std::nullopt) << "absent";

    EXPECT_EQ(addGtkBookmarks(files, path, { "/srv/a b" }), 1u) << "made with its folder";
    EXPECT_EQ(test::readFile(path), "file:///srv/a%20b\n");

    home.write(".config/gtk-3.0/bookmarks", "file:///mine Mine\nfile:///srv/a%20b");
    const int writes = files.writes;
    EXPECT_EQ(addGtkBookmarks(files, path, { "/srv/a b", "/mine/" }), 0u);
    EXPECT_EQ(files.writes, writes) << "nothing to add, nothing written";

    files.failReads = true;
    EXPECT_THROW(addGtkBookmarks(files, path, { "/new" }), IniReadError);
    EXPECT_EQ(files.writes, writes);
    files.failReads = false;
    files.failWrites = true;
    EXPECT_THROW(addGtkBookmarks(files, path, { "/new" }), IniWriteError);
    files.failWrites = false;
    EXPECT_EQ(test::readFile(path), "file:///mine Mine\nfile:///srv/a%20b") << "untouched";

    EXPECT_EQ(addGtkBookmarks(files, path, { "/new" }), 1u);
    EXPECT_EQ(test::readFile(path), "file:///mine Mine\nfile:///srv/a%20b\nfile:///new\n");
}

} // namespace
} // namespace torvex
