// The main window's layout as a user meets it: every text readable at the first-start size
// and at the least sizes the window and the splitter allow, a long file path that never
// widens the window, the normal size of a window that opens maximized, deep entries
// brought into view sideways, no widget over another at any height down to the least, and the
// Problems dock and the History window taking no room beyond the window's own.

#include "app/gui/widgets/ElidedPathLabel.h"
#include "app/gui/widgets/ElidedTextLabel.h"
#include "app/gui/window/MainWindow.h"
#include "app/gui/tree/MenuTreeView.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/gui/FindWidget.h"
#include "support/gui/Wait.h"
#include "support/gui/WindowEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDockWidget>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QToolTip>
#include <QTreeView>

#include <filesystem>
#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::ScriptedMessageBoxes;
using test::TempDir;

// Every pair of visible sibling widgets below `parent` that overlap, as "name/name" (a
// widget's own children lie inside it and are compared among themselves).
QStringList overlaps(const QWidget &parent)
{
    QStringList found;
    QList<const QWidget *> shown;
    for (const QObject *child : parent.children()) {
        const auto *w = qobject_cast<const QWidget *>(child);
        if (w && w->isVisible() && !w->isWindow())
            shown.append(w);
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                found.append(shown[i]->objectName() + QLatin1Char('/') + shown[j]->objectName());
        }
        found += overlaps(*shown[i]);
    }
    return found;
}

// A caption as shown, without its mnemonic's ampersand.
QString shown(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

class MainWindowLayoutTest : public testing::Test
{
protected:
    ~MainWindowLayoutTest() override
    {
        if (form)
            form->session().setExitWithoutSaving(true);
    }

    // Starts the main window, without torvex.ini unless the test wrote one, on `ini`.
    void start(const std::string &ini)
    {
        MainWindowEnvironment environment =
            test::windowEnvironment(test::viewWithoutPrefix(), program.path(), boxes, "Z:\\");
        environment.candidates = test::foundFiles({ "", "", "", ini });
        form = test::startedWindow(std::move(environment));
        QApplication::processEvents();
    }

    // Starts as above without torvex.ini, and waits until the window has its first-start
    // size (the frame is added once the window is framed).
    void startFirstTime(const std::string &ini)
    {
        start(ini);
        EXPECT_TRUE(test::waitUntil([this] {
            return form->frameGeometry().size() == QSize(760, 560);
        })) << form->frameGeometry().width()
            << "x" << form->frameGeometry().height();
    }

    template <typename T> T *widget(const char *name) const
    {
        return test::findWidget<T>(*form, name);
    }

    // Every text of the window that a user reads, checked against the room it has.
    void expectEveryTextWhole(const char *where) const
    {
        SCOPED_TRACE(where);
        auto *guidance = widget<ElidedTextLabel>("Label4");
        EXPECT_FALSE(guidance->isElided())
            << guidance->visibleLines().join(QLatin1Char('|')).toStdString();
        EXPECT_GE(guidance->visibleLines().size(), 2);
        for (const char *name : { "Label1", "Label2", "Label3" }) {
            auto *label = widget<QLabel>(name);
            EXPECT_LE(label->fontMetrics().horizontalAdvance(shown(label->text())),
                label->contentsRect().width())
                << name;
        }
        for (const char *name :
            { "AddFolderNameToTitle", "ButAddPathToCommand", "ButAddPathToTargetPath" }) {
            auto *button = widget<QPushButton>(name);
            // The caption keeps at least an average character's room from either edge.
            const QFontMetrics fm = button->fontMetrics();
            EXPECT_LE(fm.horizontalAdvance(shown(button->text())) + 2 * fm.averageCharWidth(),
                button->width())
                << name;
            EXPECT_GE(button->height(), fm.height() + 4) << name;
        }
        auto *command = widget<QLineEdit>("EditCommand");
        EXPECT_LE(
            command->fontMetrics().horizontalAdvance(QStringLiteral("cd C:\\Users\\anna")) + 10,
            command->width());
        auto *notice = widget<QLabel>("Panel1");
        EXPECT_LE(notice->fontMetrics().horizontalAdvance(notice->text()),
            notice->contentsRect().width());
    }

    TempDir dir;
    TempDir program;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<MainWindow> form;
};

TEST_F(MainWindowLayoutTest, EveryTextIsWholeAtTheFirstStartSizeAndAtTheLeastSizes)
{
    startFirstTime(
        dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd C:\\Users\\anna\r\n"));
    expectEveryTextWhole("first start");

    form->resize(1, 1); // as small as the window goes
    QApplication::processEvents();
    auto *splitter = widget<QSplitter>("Splitter");
    splitter->setSizes({ 10000, 1 }); // the right pane at its least width
    QApplication::processEvents();
    expectEveryTextWhole("least window, right pane least");
    splitter->setSizes({ 1, 10000 }); // the left pane at its least width
    QApplication::processEvents();
    expectEveryTextWhole("least window, left pane least");
    EXPECT_GE(splitter->sizes().value(0), 200);
}

TEST_F(MainWindowLayoutTest, ALongPathIsShortenedInItsMiddleAndNeverWidensTheWindow)
{
    std::filesystem::path folder = dir.path();
    while (folder.string().size() < 250 - 40)
        folder /= "a rather long folder name";
    std::string name(250 - folder.string().size() - 1 - 4, 'x');
    const std::string ini =
        dir.write(std::filesystem::relative(folder / (name + ".ini"), dir.path()).string(),
            "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd C:\\Users\r\n");
    ASSERT_EQ(ini.size(), 250u);
    startFirstTime(ini);
    auto *panel = widget<ElidedPathLabel>("Panel_IniSti");
    EXPECT_EQ(panel->text(), QString::fromStdString(" " + ini));

    form->resize(700, 560);
    QApplication::processEvents();
    EXPECT_EQ(form->width(), 700);
    EXPECT_LE(form->minimumSizeHint().width(), 700);
    ASSERT_TRUE(panel->isElided());
    EXPECT_TRUE(panel->shownText().contains(QChar(0x2026)));
    EXPECT_TRUE(panel->shownText().endsWith(QStringLiteral(".ini")));
    EXPECT_TRUE(panel->shownText().startsWith(QStringLiteral(" /")));

    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), panel->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(panel, &hover);
    EXPECT_EQ(QToolTip::text(), QString::fromStdString(ini));
    QToolTip::hideText();
}

TEST_F(MainWindowLayoutTest, AWindowThatOpensMaximizedReturnsToTheStoredSize)
{
    program.write(
        "torvex.ini", "[form1]\r\nmaximized=1\r\nleft=40\r\ntop=50\r\nwidth=820\r\nheight=610\r\n");
    start("");
    EXPECT_TRUE(form->isMaximized());
    form->showNormal();
    // The frame's size is known only once the window is framed.
    EXPECT_TRUE(test::waitUntil([this] {
        return form->frameGeometry() == QRect(40, 50, 820, 610);
    })) << form->frameGeometry().width()
        << "x" << form->frameGeometry().height();
}

TEST_F(MainWindowLayoutTest, ADeepEntryIsScrolledIntoViewSideways)
{
    std::string menu = "[DirMenu]\r\n";
    constexpr int depth = 16;
    for (int i = 1; i <= depth; ++i)
        menu += "menu" + std::to_string(i) + "=-Level " + std::to_string(i) + "\r\n";
    menu += "menu" + std::to_string(depth + 1) + "=The deepest entry of all\r\n";
    menu += "cmd" + std::to_string(depth + 1) + "=cd C:\\Deep\r\n";
    for (int i = 1; i <= depth; ++i)
        menu += "menu" + std::to_string(depth + 1 + i) + "=--\r\n";
    startFirstTime(dir.write("wincmd.ini", menu));
    auto *tview = widget<MenuTreeView>("tview");
    ASSERT_GT(depth * tview->indentation(), tview->viewport()->width());

    QModelIndex deepest = tview->model()->index(0, 0);
    while (tview->model()->rowCount(deepest) > 0)
        deepest = tview->model()->index(0, 0, deepest);
    tview->setCurrentIndex(deepest);
    QApplication::processEvents();
    EXPECT_GT(tview->horizontalScrollBar()->maximum(), 0);
    const QRect row = tview->visualRect(deepest);
    EXPECT_GE(row.left(), 0);
    EXPECT_LE(row.left() + tview->sizeHintForIndex(deepest).width(), tview->viewport()->width());

    // Back at the top, the view returns to the left edge.
    tview->setCurrentIndex(tview->model()->index(0, 0));
    QApplication::processEvents();
    EXPECT_EQ(tview->horizontalScrollBar()->value(), 0);
}

TEST_F(MainWindowLayoutTest, NoWidgetLiesOverAnotherAtAnyHeightDownToTheLeast)
{
    startFirstTime(
        dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd C:\\Users\\anna\r\n"));
    // The item editor grows as the window narrows (its guidance wraps): the window's least
    // height follows once the editor has its height.
    // The item editor grows as the window narrows (its guidance wraps), and the window's
    // least height follows it a few turns of the event loop later.
    for (int round = 0; round < 2; ++round) {
        form->resize(1, 1);
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    const QSize least = form->size();
    EXPECT_LE(least.width(), 615);
    EXPECT_LE(least.height(), 318);
    for (int height = least.height(); height <= 560; height += 23) {
        form->resize(least.width(), height);
        QApplication::processEvents();
        EXPECT_EQ(overlaps(*form).join(QLatin1Char(' ')).toStdString(), "") << height;
    }
    // The column's buttons stay tall enough to click.
    for (const char *name : { "SButSave", "SBut_Insert", "SButFindEmptyCommands" }) {
        form->resize(least);
        QApplication::processEvents();
        EXPECT_GE(widget<QWidget>(name)->height(), 18) << name;
    }
}

TEST_F(MainWindowLayoutTest, TheProblemsDockAndTheHistoryTakeNoRoomBeyondTheWindow)
{
    startFirstTime(dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd C:\\\r\n"));
    auto *tview = widget<QWidget>("tview");
    const QSize before = form->size();
    const int treeBefore = tview->height();
    form->findChild<QAction *>(QStringLiteral("viewProblems"))->trigger();
    QApplication::processEvents();
    auto *dock = widget<QDockWidget>("problemDock");
    ASSERT_TRUE(dock->isVisible());
    EXPECT_EQ(form->size(), before);
    EXPECT_GT(dock->height(), 60);
    EXPECT_LE(dock->height(), before.height() / 3 + 10);
    EXPECT_LT(tview->height(), treeBefore);
    dock->close();
    QApplication::processEvents();
    EXPECT_EQ(form->size(), before);
    EXPECT_EQ(tview->height(), treeBefore);

    // The History opens beside the window or, with no room there, clear of the tree.
    form->findChild<QAction *>(QStringLiteral("mnuEditHistory"))->trigger();
    QApplication::processEvents();
    auto *history = widget<QDialog>("HistoryWindow");
    ASSERT_TRUE(history->isVisible());
    const QRect tree(tview->mapToGlobal(QPoint(0, 0)), tview->size());
    EXPECT_FALSE(history->frameGeometry().intersects(tree))
        << history->frameGeometry().x() << "+" << history->frameGeometry().width() << " tree at "
        << tree.x();
    EXPECT_GE(history->width(), 100);
}

} // namespace
} // namespace torvex
