// What the main window says about lines of the file that the menu does not show and about
// entries the file cannot store: the notice bar above the tree and the questions of saving,
// driven through the window.

#include "app/gui/window/MainWindow.h"
#include "app/gui/tree/MenuTreeView.h"
#include "app/gui/files/NoticeBar.h"
#include "menu/gui/MenuTreeModel.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"
#include "support/gui/FindWidget.h"
#include "support/gui/LoadedWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>

namespace torvex {
namespace {

using test::find;
using test::outline;
using test::readFile;
using test::TempDir;

// A comment (line 4), an entry past the numbering's end (line 7) and a second section (8).
const std::string fileWithHiddenLines = "[Configuration]\r\nInstallDir=c:\\fm\r\n[DirMenu]\r\n"
                                        "; by hand\r\nmenu1=Home\r\ncmd1=cd c:\\\r\n"
                                        "menu5=Far\r\n[DirMenu]\r\nmenu1=Other\r\n";

class MainWindowNoticeTest : public test::LoadedWindowFixture
{
};

TEST_F(MainWindowNoticeTest, TheBarNamesEachHiddenLineAndCanBeClosed)
{
    start(dir.write("wincmd.ini", fileWithHiddenLines));
    EXPECT_EQ(outline(form->tree()), "Home|cd c:\\\n");
    ASSERT_TRUE(bar()->isVisible());
    EXPECT_EQ(widget<QLabel>("noticeText")->text(),
        QStringLiteral(
            "The file holds 4 lines that the menu does not show; saving will remove them."));
    EXPECT_TRUE(boxes.empty()) << "the notice does not stop the work";

    QTest::mouseClick(widget<QPushButton>("noticeDetailsButton"), Qt::LeftButton);
    ASSERT_NE(bar()->detailsWindow(), nullptr);
    EXPECT_TRUE(bar()->detailsWindow()->isVisible());
    EXPECT_EQ(widget<QPlainTextEdit>("noticeDetailsList")->toPlainText(),
        QStringLiteral("Lines of the file that the menu does not show (saving removes them):\n"
                       "line 4: ; by hand (a comment)\n"
                       "line 7: menu5=Far (past a gap in the numbering, where the file manager "
                       "stops reading)\n"
                       "line 8: [DirMenu] (a second DirMenu section; only the first is read)\n"
                       "line 9: menu1=Other (in a second DirMenu section)"));

    QTest::mouseClick(widget<QToolButton>("noticeCloseButton"), Qt::LeftButton);
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_FALSE(bar()->detailsWindow()->isVisible());
    EXPECT_EQ(outline(form->tree()), "Home|cd c:\\\n");
}

TEST_F(MainWindowNoticeTest, AFileWithNothingHiddenShowsNoBar)
{
    start(dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\n\r\n[Next]\r\n"));
    EXPECT_FALSE(bar()->isVisible());
}

TEST_F(MainWindowNoticeTest, SaveAsksOnceWithCancelAsDefaultThenTheBarGoes)
{
    const std::string path = dir.write("wincmd.ini", fileWithHiddenLines);
    start(path);
    boxes.answer(MsgResult::Cancel);
    save();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().caption, "Lines not shown");
    EXPECT_EQ(
        boxes.last().buttonTexts, (std::vector<std::string> { "Save and remove them", "Cancel" }));
    EXPECT_EQ(boxes.last().defaultButton, 1u);
    EXPECT_EQ(readFile(path), fileWithHiddenLines);
    EXPECT_TRUE(bar()->isVisible());

    // Closing saves too, and asks the same; Cancel keeps the window.
    boxes.answer(MsgResult::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(readFile(path), fileWithHiddenLines);

    boxes.answerChoice(0);
    save();
    EXPECT_EQ(readFile(path),
        "[Configuration]\r\nInstallDir=c:\\fm\r\n[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\n");
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_EQ(boxes.boxes().size(), 3u);
    save();
    EXPECT_EQ(boxes.boxes().size(), 3u) << "nothing is left to ask about";
}

TEST_F(MainWindowNoticeTest, CancelForAnEntryTheFileCannotStoreShowsItInTheEditor)
{
    const std::string path = dir.write("wincmd.ini",
        "[DirMenu]\r\nmenu1=-Projects\r\nmenu2=-Old\r\nmenu3=Docs\r\n"
        "cmd3=cd d\r\nmenu4=--\r\nmenu5=--\r\nmenu6=Last\r\ncmd6=cd l\r\n");
    start(path);
    const std::string before = readFile(path);
    MenuNode *old = find(form->tree(), "Old");
    form->tree().setTitle(old, "-Old-");
    form->tree().setSelected(find(form->tree(), "Last"));

    boxes.answer(MsgResult::Cancel);
    save();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().caption, "Cannot be stored");
    EXPECT_NE(boxes.last().text.find("entry 1, under Projects (saved as number 2): "), std::string::npos);
    EXPECT_EQ(boxes.last().buttonTexts, (std::vector<std::string> { "Save anyway", "Cancel" }));
    EXPECT_EQ(boxes.last().defaultButton, 1u);
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(form->tree().selected(), old);
    EXPECT_EQ(widget<QLineEdit>("EditTitle")->text(), QStringLiteral("-Old-"));
}

TEST_F(MainWindowNoticeTest, AnEmptiedMenuIsSavedAfterTheQuestion)
{
    const std::string path =
        dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=A\r\ncmd1=cd a\r\nmenu2=B\r\ncmd2=cd b\r\n");
    start(path);
    auto *tview = form->treeView();
    tview->setFocus();
    QTest::keyClick(tview, Qt::Key_Delete);
    QTest::keyClick(tview, Qt::Key_Delete);
    ASSERT_TRUE(form->tree().isEmpty());

    boxes.answer(MsgResult::Yes);
    widget<QAction>("mnuFilesSave")->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Remove all 2 entries from the file?");
    EXPECT_EQ(boxes.last().defaultAnswer, MsgResult::No);
    EXPECT_EQ(readFile(path), "[DirMenu]\r\n");
}

} // namespace
} // namespace torvex
