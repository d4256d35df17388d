// Sorting by title in the window: the locale's order against a plain list sorted by QCollator,
// and the Edit menu's commands as one undo step each.
#include "app/gui/editing/SortCommands.h"
#include "app/gui/editing/UndoHistory.h"
#include "support/TreeBuilder.h"
#include "support/gui/LoadedWindowFixture.h"

#include <QCollator>
#include <QLocale>
#include <QUndoStack>

#include <algorithm>
#include <gtest/gtest.h>

namespace torvex {
namespace {

class SortCommandsTest : public test::LoadedWindowFixture
{
protected:
    SortCommandsTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~SortCommandsTest() override { QLocale::setDefault(QLocale::c()); }
};

// The titles of the top level, in order.
std::vector<std::string> titlesOf(const MenuTree &tree)
{
    std::vector<std::string> titles;
    for (const auto &node : tree.topLevel())
        titles.emplace_back(node->title());
    return titles;
}

std::size_t placeOf(const std::vector<std::string> &titles, const std::string &title)
{
    return std::size_t(std::find(titles.begin(), titles.end(), title) - titles.begin());
}

TEST_F(SortCommandsTest, TitlesGoInTheLocalesNaturalOrderAsAPlainListSortedByQCollator)
{
    const std::vector<std::string> titles = { "Folder 10", "folder 2", "Zeta",
        "\xC3\x89"
        "clair",
        "eagle", "Fig", "Folder 1", "apple", "Banana",
        "\xC3\xA9"
        "cole",
        "Folder 02b" };
    MenuTree tree;
    for (const std::string &title : titles)
        tree.addTopLevel(title);
    sortMenuLevel(tree, nullptr, localeTitleOrder(), {});

    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::string> plain = titles;
    std::stable_sort(plain.begin(), plain.end(), [&](const std::string &a, const std::string &b) {
        return collator.compare(QString::fromStdString(a), QString::fromStdString(b)) < 0;
    });
    const std::vector<std::string> sorted = titlesOf(tree);
    EXPECT_EQ(sorted, plain);
    // What the order is for: numbers by value, letter case and accents not first.
    EXPECT_LT(placeOf(sorted, "folder 2"), placeOf(sorted, "Folder 10"));
    EXPECT_LT(placeOf(sorted, "Folder 1"), placeOf(sorted, "folder 2"));
    EXPECT_LT(placeOf(sorted, "apple"), placeOf(sorted, "Banana"));
    EXPECT_LT(placeOf(sorted, "eagle"), placeOf(sorted, "\xC3\x89" "clair"));
    EXPECT_LT(placeOf(sorted, "\xC3\x89" "clair"), placeOf(sorted, "Fig"));
}

TEST_F(SortCommandsTest, SortByTitleSortsTheSelectedEntrysLevelAsOneUndoStep)
{
    start(dir.write("wincmd.ini",
        "[DirMenu]\nmenu1=Alpha\ncmd1=cd al\nmenu2=-Tools\nmenu3=b\ncmd3=cd b\nmenu4=A 10\n"
        "cmd4=cd a10\nmenu5=A 9\ncmd5=cd a9\nmenu6=--\nmenu7=-\nmenu8=Mid\ncmd8=cd m\n"
        "menu9=Early\ncmd9=cd e\n"));
    MenuTree &tree = form->tree();
    const std::string loaded = test::outline(tree);
    QUndoStack *stack = form->history().stack();
    const int steps = stack->count();

    tree.setSelected(test::find(tree, "b"));
    trigger("mnuEditSortLevel");
    EXPECT_EQ(test::outline(tree),
        "Alpha|cd al\nTools\n  A 9|cd a9\n  A 10|cd a10\n  b|cd b\n-\nMid|cd m\nEarly|cd e\n");
    EXPECT_EQ(tree.selected(), test::find(tree, "b"));

    trigger("mnuEditSortAll");
    const std::string all =
        "Tools\n  A 9|cd a9\n  A 10|cd a10\n  b|cd b\nAlpha|cd al\n-\nEarly|cd e\nMid|cd m\n";
    EXPECT_EQ(test::outline(tree), all);
    EXPECT_EQ(stack->count(), steps + 2);
    EXPECT_EQ(stack->undoText().toStdString(), "Sort all levels");

    widget<QAction>("mnuEditSortSubmenusFirst")->setChecked(false);
    trigger("mnuEditSortAll");
    EXPECT_EQ(test::outline(tree),
        "Alpha|cd al\nTools\n  A 9|cd a9\n  A 10|cd a10\n  b|cd b\n-\nEarly|cd e\nMid|cd m\n")
        << "submenus mixed with the items";

    trigger("mnuEditUndo");
    EXPECT_EQ(test::outline(tree), all);
    trigger("mnuEditUndo");
    trigger("mnuEditUndo");
    EXPECT_EQ(test::outline(tree), loaded);
}

} // namespace
} // namespace torvex
