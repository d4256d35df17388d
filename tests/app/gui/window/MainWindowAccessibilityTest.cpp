// The window as a screen reader finds it: walked through QAccessible from the main window,
// with the find box and the Problems dock open, every control that takes the focus or a
// press has a name that says what it does and a description; the menu tree's and the folder
// list's rows say what they are.

#include "app/gui/folders/DirListBox.h"
#include "app/gui/tree/MenuTreeView.h"
#include "app/gui/window/MainWindow.h"
#include "support/gui/PrefixWindowFixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QRegularExpression>
#include <QWidget>

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace torvex {
namespace {

const char *menu = "Docs|cd C:\\Docs|cd D:\\Docs\n"
                   "Projects\n"
                   "  Alpha|cd C:\\Alpha\n"
                   "-\n"
                   "Games\n";

struct Spoken
{
    std::string object;
    QAccessible::Role role;
    QString name;
    QString description;
};

bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ButtonMenu:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::Tree:
    case QAccessible::List:
    case QAccessible::Table:
        return true;
    default:
        return false;
    }
}

// Every shown control below `iface` that the user can reach.
void walk(QAccessibleInterface *iface, std::vector<Spoken> &found, int depth = 0)
{
    if (!iface || depth > 40)
        return;
    auto *widget = qobject_cast<QWidget *>(iface->object());
    if (widget && !widget->isVisible())
        return;
    const bool reachable = widget && widget->isEnabled()
        && (widget->focusPolicy() & Qt::TabFocus || isControl(iface->role()));
    if (reachable && isControl(iface->role()))
        found.push_back({ widget->objectName().toStdString(),
            iface->role(),
            iface->text(QAccessible::Name),
            iface->text(QAccessible::Description) });
    // The rows of item views are checked apart.
    if (iface->role() == QAccessible::Tree || iface->role() == QAccessible::List
        || iface->role() == QAccessible::Table)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), found, depth + 1);
}

// The names and descriptions of the rows of the item view `view`, "name | description".
std::set<std::string> rowTexts(QWidget *view)
{
    std::set<std::string> texts;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(view);
    for (int i = 0; iface && i < iface->childCount(); ++i) {
        QAccessibleInterface *row = iface->child(i);
        if (row && row->role() != QAccessible::ColumnHeader)
            texts.insert((row->text(QAccessible::Name) + QStringLiteral(" | ")
                + row->text(QAccessible::Description))
                              .toStdString());
    }
    return texts;
}

class MainWindowAccessibilityTest : public test::PrefixWindowFixture
{
protected:
    MainWindowAccessibilityTest()
    {
        prefix.makeFolder("drive_c/Work/P");
        startWindow("C:\\Work");
        load(menu);
        widget<QAction>("mnuEditFind")->trigger();
        widget<QAction>("viewProblems")->trigger();
        QApplication::processEvents();
    }
};

TEST_F(MainWindowAccessibilityTest, EveryControlHasANameThatSaysWhatItDoesAndADescription)
{
    std::vector<Spoken> found;
    walk(QAccessible::queryAccessibleInterface(form.get()), found);
    // A caption with its key or a mnemonic is no name: "<<   ( F5 )".
    const QRegularExpression caption(QStringLiteral("<<|\\(\\s*F\\d|&"));
    std::set<std::string> named;
    for (const Spoken &control : found) {
        SCOPED_TRACE(control.object);
        EXPECT_FALSE(control.name.trimmed().isEmpty());
        EXPECT_FALSE(control.name.contains(caption)) << control.name.toStdString();
        EXPECT_FALSE(control.description.trimmed().isEmpty());
        named.insert(control.object);
    }
    // The walk reached the controls the window is made of.
    for (const char *name : { "tview",
             "DirListBox",
             "problemRows",
             "FindText",
             "SButSave",
             "SButShowFolder",
             "SButFindMenusWithNonexistentPaths",
             "SButFindEmptyCommands",
             "SBut_Add",
             "SBut_AddFirst",
             "SBut_AddChild",
             "SBut_AddChildFirst",
             "SBut_Insert",
             "AddFolderNameToTitle",
             "ButAddPathToCommand",
             "ButAddPathToTargetPath",
             "EditTitle",
             "DriveButtonC" })
        EXPECT_TRUE(named.count(name)) << name;
}

TEST_F(MainWindowAccessibilityTest, SomeNamesAsSpoken)
{
    const auto spoken = [](QWidget *widget) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        return iface->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(spoken(widget<QWidget>("AddFolderNameToTitle")), "Title from folder name");
    EXPECT_EQ(spoken(widget<QWidget>("SBut_Insert")), "Drop before the destination");
    EXPECT_EQ(spoken(widget<QWidget>("DriveButtonC")), "Drive C:");
    EXPECT_EQ(spoken(form->treeView()), "Menu entries");
    EXPECT_EQ(spoken(form->dirListBox()), "Folders");
}

TEST_F(MainWindowAccessibilityTest, TreeAndFolderRowsSayWhatTheyAre)
{
    const std::set<std::string> tree = rowTexts(form->treeView());
    EXPECT_TRUE(tree.count("Docs, item | command cd C:\\Docs, target path cd D:\\Docs"));
    EXPECT_TRUE(tree.count("Projects, submenu | 1 entry"));
    EXPECT_TRUE(tree.count("Alpha, item | command cd C:\\Alpha"));
    EXPECT_TRUE(tree.count("separator | "));
    EXPECT_TRUE(tree.count("Games, item | no command"));

    const std::set<std::string> folders = rowTexts(form->dirListBox());
    EXPECT_TRUE(folders.count("C:\\, drive | C:\\")) << folders.size();
    EXPECT_TRUE(folders.count("Work, open folder | C:\\Work"));
    EXPECT_TRUE(folders.count("P, subfolder | C:\\Work\\P"));
}

} // namespace
} // namespace torvex
