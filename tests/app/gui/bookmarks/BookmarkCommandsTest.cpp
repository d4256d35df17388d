// File > Import / Export > Linux bookmarks in the window: the desktop's files made by the test
// in a home of its own, the choice scripted.
#include "app/gui/bookmarks/BookmarkCommands.h"

#include "app/gui/bookmarks/XbelBookmarks.h"
#include "app/gui/editing/UndoHistory.h"
#include "platform/DesktopBookmarks.h"
#include "support/SyntheticPrefix.h"
#include "support/TreeBuilder.h"
#include "support/gui/LoadedWindowFixture.h"

#include <QUndoStack>

#include <gtest/gtest.h>

namespace torvex {
namespace {

// Answers with the lines checked as offered (or cancels), and keeps what was offered.
class ScriptedChooser : public BookmarkChooser
{
public:
    bool cancel = false;
    std::vector<BookmarkLine> offered;
    std::optional<std::vector<std::size_t>> choose(
        const std::string &, const std::string &, const std::vector<BookmarkLine> &lines) override
    {
        offered = lines;
        if (cancel)
            return std::nullopt;
        std::vector<std::size_t> checked;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].enabled && lines[i].checked)
                checked.push_back(i);
        }
        return checked;
    }
};

class BookmarkCommandsTest : public test::LoadedWindowFixture
{
protected:
    test::TempFolder home;
    ScriptedChooser chooser;

    void startWithFile(const std::string &ini)
    {
        MainWindowEnvironment environment =
            test::windowEnvironment(test::viewWithoutPrefix(), dir.path(), boxes, "Z:\\");
        environment.candidates = test::foundFiles({ dir.write("wincmd.ini", ini) });
        environment.hostEnvironment = { { "HOME", home.path().string() } };
        form = test::startedWindow(std::move(environment));
        form->bookmarks().setChooser(&chooser);
    }
    void startWithMenu(const std::string &outline)
    {
        startWithFile("[DirMenu]\n");
        test::buildTree(form->tree(), outline);
    }
    std::string folder(const std::string &name) const { return (home.path() / name).string(); }
    std::string uri(const std::string &name) const { return fileUriOfFolder(folder(name)); }
    // The "cd" command of a host folder through drive Z: on "/".
    std::string command(const std::string &name) const
    {
        return "cd " + rootDrivePath(folder(name));
    }
    std::filesystem::path gtkFile() const { return home.path() / ".config/gtk-3.0/bookmarks"; }
};

TEST_F(BookmarkCommandsTest, ImportOffersEveryFolderOnceAndAddsTheCheckedAfterTheSelected)
{
    home.makeFolder("Work Files");
    home.makeFolder("Music");
    home.makeFolder("Documents");
    home.makeFolder("caf\xE9");
    home.write(".config/gtk-3.0/bookmarks",
        uri("Work Files") + " Work\nsftp://host/srv Remote\n" + uri("gone") + " Old\n"
            + uri("caf\xE9") + "\n" + uri("Work Files"));
    home.write(".local/share/user-places.xbel",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel>\n <bookmark href=\"" + uri("Music")
            + "\">\n  <title>Music &amp; more</title>\n  <info><metadata owner=\"x\"><title>no"
              "</title></metadata></info>\n </bookmark>\n <bookmark href=\"remote:/\"><title>"
              "Network</title></bookmark>\n <bookmark href=\""
            + uri("Work Files") + "\"><title>Again</title></bookmark>\n</xbel>\n");
    home.write(".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
    startWithFile("[DirMenu]\nmenu1=A\ncmd1=cd a\nmenu2=B\ncmd2=cd b\n");
    MenuTree &tree = form->tree();
    tree.setSelected(test::find(tree, "A"));
    const int steps = form->history().stack()->count();

    trigger("mnuFileImportLinuxBookmarks");
    ASSERT_EQ(chooser.offered.size(), 5u);
    const std::vector<bool> enabled { true, true, false, true, true };
    const std::vector<bool> checked { true, false, false, true, true };
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(chooser.offered[i].enabled, enabled[i]) << i;
        EXPECT_EQ(chooser.offered[i].checked, checked[i]) << i;
    }
    EXPECT_EQ(chooser.offered[2].note, "its name is not UTF-8");
    const std::string imported = "A|cd a\nWork|" + command("Work Files") + "\nMusic && more|"
        + command("Music") + "\nDocuments|" + command("Documents") + "\nB|cd b\n";
    EXPECT_EQ(test::outline(tree), imported);
    EXPECT_EQ(tree.selected(), test::find(tree, "Work"));
    EXPECT_EQ(form->history().stack()->count(), steps + 1) << "one undo step";
    trigger("mnuEditUndo");
    EXPECT_EQ(test::outline(tree), "A|cd a\nB|cd b\n");

    chooser.cancel = true;
    trigger("mnuFileImportLinuxBookmarks");
    EXPECT_EQ(test::outline(tree), "A|cd a\nB|cd b\n") << "cancelled";
}

TEST_F(BookmarkCommandsTest, ImportWithoutAnyDesktopFileSaysSo)
{
    startWithMenu("A|cd a\n");
    home.makeFolder(".config/user-dirs.dirs"); // a folder where the file should be
    trigger("mnuFileImportLinuxBookmarks");
    EXPECT_TRUE(chooser.offered.empty());
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.last().caption, linuxBookmarksCaption);
    EXPECT_NE(boxes.last().text.find("names no folders"), std::string::npos);
}

TEST_F(BookmarkCommandsTest, ExportAddsTheFoldersKeepingTheUsersLines)
{
    home.makeFolder("Work Files");
    home.makeFolder("Music");
    const std::string own = "sftp://host/srv Remote\n" + uri("Work Files") + " My work";
    home.write(".config/gtk-3.0/bookmarks", own);
    startWithMenu("Work|" + command("Work Files") + "\nS\n  Gone|cd Z:\\no\\such\\place\n  Music|"
        + command("Music") + "\n  -\nEmpty\n");

    chooser.cancel = true;
    trigger("mnuFileExportLinuxBookmarks");
    EXPECT_EQ(test::readFile(gtkFile()), own) << "cancelled";
    ASSERT_EQ(chooser.offered.size(), 4u);
    EXPECT_EQ(chooser.offered[1].note, "leads to no folder");
    EXPECT_FALSE(chooser.offered[1].enabled);
    EXPECT_NE(chooser.offered[2].text.find("S > Music"), std::string::npos);
    EXPECT_EQ(chooser.offered[3].note, "no command");

    chooser.cancel = false;
    trigger("mnuFileExportLinuxBookmarks");
    EXPECT_EQ(test::readFile(gtkFile()), own + "\n" + uri("Music") + "\n");
    EXPECT_EQ(boxes.last().text,
        "1 folder added to " + gtkFile().string() + ".\r\n1 folder was there already.\r\n"
            + "2 entries skipped: no command, or no folder where the command leads.");

    const std::string afterExport = test::readFile(gtkFile());
    trigger("mnuFileExportLinuxBookmarks");
    EXPECT_EQ(test::readFile(gtkFile()), afterExport) << "no duplicates";
    EXPECT_EQ(boxes.last().text.substr(0, 18), "0 folders added to");
}

TEST_F(BookmarkCommandsTest, AnExportThatCannotWriteSaysWhyAndChangesNothing)
{
    home.makeFolder("Music");
    home.makeFolder(".config/gtk-3.0/bookmarks"); // a folder where the file should be
    startWithMenu("Music|" + command("Music") + "\n");
    trigger("mnuFileExportLinuxBookmarks");
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.last().icon, MsgIcon::Error);
    EXPECT_EQ(boxes.last().text.rfind("Unable to write to " + gtkFile().string(), 0), 0u)
        << boxes.last().text;
    EXPECT_TRUE(std::filesystem::is_directory(gtkFile()));
}

TEST(XbelBookmarks, FileBookmarksWithTheirTitlesUpToAFault)
{
    const auto read = readXbelBookmarks(
        "<xbel><folder><bookmark href=\"file:///srv/a%20b\"><title> Two words </title>"
        "</bookmark></folder><bookmark href=\"file:///x\"/><bookmark href=\"trash:/\"/>"
        "<bookmark href=\"file:///after\"><title>t</ti></bookmark></xbel>");
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].folder, "/srv/a b");
    EXPECT_EQ(read[0].label, "Two words");
    EXPECT_EQ(read[1].folder, "/x");
    EXPECT_EQ(read[1].label, "");
}

} // namespace
} // namespace torvex
