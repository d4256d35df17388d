// The problem list in the main window, over a synthetic Wine prefix.
#include "support/TreeBuilder.h"
#include "support/gui/ListRows.h"
#include "support/gui/PrefixWindowFixture.h"
#include "support/gui/Wait.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLineEdit>
#include <QPushButton>

#include <set>
#include <string>
#include <utility>

namespace torvex {
namespace {

class MainWindowProblemsTest : public test::PrefixWindowFixture
{
protected:
    void SetUp() override
    {
        prefix.makeFolder("drive_c/Data");
        prefix.makeFolder("drive_c/users");
        startWindow("C:\\");
        form->show();
        load("Data|cd C:\\Data\n"
             "Old|cd C:\\Old\n"
             "Share|cd \\\\nas\\share\n"
             "Tools\n"
             "  Empty\n"
             "  Gone|cd c:\\gone\\*.txt\n"
             "Users|cd %SystemDrive%\\USERS\n");
        form->findChild<QAction *>(QStringLiteral("viewProblems"))->trigger();
    }

    QAbstractItemView &rows() { return *widget<QAbstractItemView>("problemRows"); }

    std::vector<std::string> entries()
    {
        std::vector<std::string> texts;
        for (int i = 0; i < test::rowCount(rows()); ++i)
            texts.push_back(test::cellText(rows(), i, 2).toStdString());
        return texts;
    }

    void click(int row)
    {
        QTest::mouseClick(rows().viewport(),
            Qt::LeftButton,
            {},
            test::rowRect(rows(), row).center());
    }
};

TEST_F(MainWindowProblemsTest, ListsExactlyTheBrokenEntriesAndTheEmptyCommand)
{
    EXPECT_TRUE(widget<QDockWidget>("problemDock")->isVisible());
    EXPECT_EQ(entries(), (std::vector<std::string> { "Old", "Tools > Empty", "Tools > Gone" }));
    EXPECT_EQ(test::cellText(rows(), 2, 3), QStringLiteral("c:\\gone"));
    // Each row as tall as its line of text, one under the other.
    EXPECT_EQ(test::rowRect(rows(), 0).height(), rows().sizeHintForRow(0));
    EXPECT_EQ(test::rowRect(rows(), 1).top(), test::rowRect(rows(), 0).bottom() + 1);
}

TEST_F(MainWindowProblemsTest, AClickSelectsTheEntryAndTheItemEditorShowsIt)
{
    click(2);
    EXPECT_EQ(form->tree().selected(), test::find(form->tree(), "Gone"));
    EXPECT_EQ(widget<QLineEdit>("EditTitle")->text(), QStringLiteral("Gone"));
}

TEST_F(MainWindowProblemsTest, DeletingTwoRowsRemovesTwoEntries)
{
    test::selectRow(rows(), 0);
    test::selectRow(rows(), 2);
    widget<QPushButton>("deleteProblemEntries")->click();
    EXPECT_EQ(test::find(form->tree(), "Old"), nullptr);
    EXPECT_EQ(test::find(form->tree(), "Gone"), nullptr);
    EXPECT_EQ(form->tree().count(), 5u);
    EXPECT_TRUE(test::waitUntil([&] {
        return test::rowCount(rows()) == 1;
    }));
}

TEST_F(MainWindowProblemsTest, AnEditThatMendsThePathRemovesItsRow)
{
    click(0);
    QLineEdit &command = *widget<QLineEdit>("EditCommand");
    command.selectAll();
    QTest::keyClicks(&command, QStringLiteral("cd C:\\Data"));
    EXPECT_EQ(test::find(form->tree(), "Old")->data().command, "cd C:\\Data");
    EXPECT_TRUE(test::waitUntil([&] {
        return entries() == std::vector<std::string> { "Tools > Empty", "Tools > Gone" };
    }));
}

// The keys of a list of rows: Home and End, up and down, across without leaving the row, Enter
// to choose its entry, Tab to go on to the next control.
TEST_F(MainWindowProblemsTest, KeysMoveThroughTheRowsEnterChoosesAndTabLeaves)
{
    QAbstractItemView &list = rows();
    QApplication::setActiveWindow(form.get());
    list.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &list);
    const auto current = [&] {
        return std::pair { list.currentIndex().row(), list.currentIndex().column() };
    };
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(current(), std::pair(2, 0));
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(current(), std::pair(0, 0));
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Right);
    EXPECT_EQ(current(), std::pair(1, 0));
    EXPECT_EQ(list.selectionModel()->selectedRows(), QModelIndexList { list.model()->index(1, 0) });

    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(form->tree().selected(), test::find(form->tree(), "Empty"));
    EXPECT_EQ(widget<QLineEdit>("EditTitle")->text(), QStringLiteral("Empty"));
    QTest::keyClick(&list, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), &list);
}

// What a screen reader says for a row: its entry, its problem and the folder or the reason.
TEST_F(MainWindowProblemsTest, EachRowSaysItsEntryItsProblemAndItsFolder)
{
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(&rows());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Problems"));
    std::set<std::string> said;
    for (int i = 0; i < list->childCount(); ++i) {
        // The rows' cells, not the column titles.
        QAccessibleInterface *cell = list->child(i);
        if (cell && cell->tableCellInterface())
            said.insert(cell->text(QAccessible::Name).toStdString());
    }
    EXPECT_EQ(said,
        (std::set<std::string> { "Old, broken path, C:\\Old",
            "Tools > Empty, no command, no folder is given",
            "Tools > Gone, broken path, c:\\gone" }));
}

} // namespace
} // namespace torvex
