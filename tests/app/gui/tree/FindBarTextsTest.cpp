// The find box's prepared texts against the plain search (each text converted and compared
// with Qt's case-insensitive contains), and the box following edits and undos of the tree
// while its texts are prepared.
#include "app/gui/tree/FindBar.h"
#include "app/gui/tree/FoldedMenuTexts.h"
#include "app/gui/tree/MenuTreeView.h"
#include "menu/gui/MenuText.h"
#include "support/TreeBuilder.h"
#include "support/gui/PrefixWindowFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unordered_set>
#include <vector>

namespace torvex {
namespace {

bool plainSearchHolds(const MenuNode &node, const QString &needle)
{
    for (const std::string_view text : { node.title(), node.data().command, node.data().targetPath }) {
        if (!text.empty() && menuTextToQt(text).contains(needle, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Random texts of letters in both cases, ASCII and not (a capital whose folded form is ASCII
// among them), digits, blanks and backslashes.
class RandomTexts
{
public:
    explicit RandomTexts(unsigned seed)
        : m_random(seed)
    { }
    std::string operator()(int most)
    {
        std::string made;
        for (int length = static_cast<int>(m_random() % (most + 1)); length > 0; --length)
            made += m_pieces[m_random() % m_pieces.size()];
        return made;
    }
    unsigned next() { return static_cast<unsigned>(m_random()); }

private:
    std::mt19937 m_random;
    const std::vector<std::string> m_pieces { "a", "B", "z", "Q", "1", "9", " ", "\\", "é", "É",
        "Ä", "ä", "Ω", "ω", "K" /* Kelvin sign */, "k", "İ", "i", "ẞ", "ß", "日" };
};

// Puts a random menu of `entries` nodes into `tree` (titles, commands and target paths of at
// most `longest` pieces each, shorter for the record) and returns its nodes in the order made.
std::vector<MenuNode *> putRandomMenu(MenuTree &tree, RandomTexts &text, int entries, int longest)
{
    MenuTree built;
    std::vector<MenuNode *> nodes;
    for (int i = 0; i < entries; ++i) {
        MenuNode *parent =
            nodes.empty() || text.next() % 3 == 0 ? nullptr : nodes[text.next() % nodes.size()];
        MenuNode *node =
            parent ? built.addChild(parent, text(longest)) : built.addTopLevel(text(longest));
        built.setData(node, { text(longest - 1), text(longest - 2) });
        nodes.push_back(node);
    }
    tree.takeNodes(built);
    return nodes;
}

// The nodes of a model's rows in menu order (depth first, each before its children).
std::vector<const MenuNode *> rowsInMenuOrder(const QAbstractItemModel &rows)
{
    std::vector<const MenuNode *> shown;
    std::vector<QModelIndex> pending { QModelIndex() };
    while (!pending.empty()) {
        const QModelIndex parent = pending.back();
        pending.pop_back();
        if (parent.isValid())
            shown.push_back(MenuTreeView::nodeOf(parent));
        for (int row = rows.rowCount(parent) - 1; row >= 0; --row)
            pending.push_back(rows.index(row, 0, parent));
    }
    return shown;
}

// Needles cut from the texts and made up.
TEST(FoldedMenuTexts, AgreesWithThePlainSearch)
{
    RandomTexts text(31);
    MenuTree tree;
    for (int i = 0; i < 300; ++i) {
        MenuNode *node = tree.addTopLevel(text(6));
        tree.setData(node, { text(5), text(4) });
    }
    FoldedMenuTexts texts;
    int matches = 0;
    for (int i = 0; i < 400; ++i) {
        const QString needle = QString::fromStdString(text(2));
        if (needle.isEmpty())
            continue;
        const std::string folded = FoldedMenuTexts::foldNeedle(needle);
        for (const auto &node : tree.topLevel()) {
            const bool expected = plainSearchHolds(*node, needle);
            ASSERT_EQ(texts.holds(*node, folded), expected)
                << "needle " << needle.toStdString() << " in " << node->title() << " | "
                << node->data().command << " | " << node->data().targetPath;
            matches += expected ? 1 : 0;
        }
    }
    EXPECT_GT(matches, 1000) << "the texts should match often enough to tell";

    // No match spans two of a node's texts.
    MenuNode *joined = tree.addTopLevel("ab");
    tree.setData(joined, { "cd", "ef" });
    EXPECT_FALSE(texts.holds(*joined, FoldedMenuTexts::foldNeedle(QStringLiteral("bc"))));
    EXPECT_TRUE(texts.holds(*joined, FoldedMenuTexts::foldNeedle(QStringLiteral("CD"))));
}

// Texts with characters beyond ASCII are prepared once and read again when forgotten; ASCII
// texts are read as they are.
TEST(FoldedMenuTexts, ForgottenNodesAreReadAgain)
{
    MenuTree tree;
    test::buildTree(tree, "Tools\n  Hämmer|cd C:\\Hämmer\n  Drill|cd C:\\Drill\nDocs\n");
    FoldedMenuTexts texts;
    MenuNode *tools = test::find(tree, "Tools");
    MenuNode *hammer = test::find(tree, "Hämmer");
    MenuNode *drill = test::find(tree, "Drill");
    const std::string saw = FoldedMenuTexts::foldNeedle(QStringLiteral("SÄGE"));
    EXPECT_FALSE(texts.holds(*hammer, saw));
    EXPECT_FALSE(texts.holds(*drill, saw));
    tree.setTitle(hammer, "Säge");
    tree.setTitle(drill, "säge");
    EXPECT_FALSE(texts.holds(*hammer, saw)) << "prepared before the change";
    EXPECT_TRUE(texts.holds(*drill, saw)) << "Drill's texts are not ASCII now";
    texts.forgetSubtree(tools);
    EXPECT_TRUE(texts.holds(*hammer, saw));
    EXPECT_TRUE(texts.holds(*drill, saw));
    EXPECT_EQ(texts.size(), 2u);

    tree.setTitle(drill, "Saw");
    texts.forget(drill);
    EXPECT_TRUE(texts.holds(*drill, FoldedMenuTexts::foldNeedle(QStringLiteral("sAW"))));
    EXPECT_EQ(texts.size(), 1u) << "ASCII texts are read as they are";
}

class FindBarTextsTest : public test::PrefixWindowFixture
{
protected:
    FindBarTextsTest()
    {
        prefix.makeFolder("drive_c/Work");
        startWindow("C:\\Work");
        load("Docs|cd C:\\Docs\n"
             "Projects\n"
             "  Alpha|cd C:\\Alpha\n"
             "  Beta|cd C:\\Beta\n"
             "Games|cd C:\\Games\n");
    }

    QString typeAndCount(const QString &text)
    {
        auto *edit = widget<QLineEdit>("FindText");
        edit->clear();
        QTest::keyClicks(edit, text);
        QCoreApplication::processEvents();
        return widget<QLabel>("FindCount")->text();
    }
};

// The box keeps its texts while open: a renamed entry, a deleted submenu and its undo are
// found as the tree is now, typed on or typed anew.
TEST_F(FindBarTextsTest, FindsTheTreeAsItIsAfterEditsAndUndos)
{
    MenuTree &tree = form->tree();
    widget<FindBar>("FindBar")->open();
    EXPECT_EQ(typeAndCount(QStringLiteral("ga")), QStringLiteral("0 of 1"));

    tree.setTitle(test::find(tree, "Beta"), "Galaxy");
    QCoreApplication::processEvents();
    EXPECT_EQ(widget<QLabel>("FindCount")->text(), QStringLiteral("0 of 2"));
    EXPECT_EQ(typeAndCount(QStringLiteral("gal")), QStringLiteral("0 of 1"));

    tree.setSelected(test::find(tree, "Projects"));
    widget<QAction>("mnuPopupDeleteSelectedMenu")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(widget<QLabel>("FindCount")->text(), QStringLiteral("0 of 0"));
    widget<QAction>("mnuEditUndo")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(typeAndCount(QStringLiteral("GAL")), QStringLiteral("0 of 1"));
    EXPECT_EQ(typeAndCount(QStringLiteral("alpha")), QStringLiteral("0 of 1"));
}

// The rows the view shows and the count, through the window, against the plain search over
// random menus: the matches, their parents and the selected entry with its parents, in menu
// order; typed on and typed anew.
TEST_F(FindBarTextsTest, ShowsThePlainSearchsMatchesOfRandomMenus)
{
    RandomTexts text(29);
    MenuTree &tree = form->tree();
    auto *edit = widget<QLineEdit>("FindText");
    const QAbstractItemModel &rows = *form->treeView()->model();
    for (int menu = 0; menu < 4; ++menu) {
        const std::vector<MenuNode *> nodes = putRandomMenu(tree, text, 120, 5);
        tree.setSelected(nodes[text.next() % nodes.size()]);
        widget<FindBar>("FindBar")->open();
        for (int round = 0; round < 12; ++round) {
            const QString needle = QString::fromStdString(text(3));
            // Typed on: each longer text narrows the one before.
            for (qsizetype length = 1; length <= needle.size(); ++length) {
                const QString typed = needle.left(length);
                edit->setText(typed);
                QCoreApplication::processEvents();
                std::vector<const MenuNode *> expected;
                std::size_t matches = 0;
                std::unordered_set<const MenuNode *> leading;
                for (const MenuNode *n = tree.selected(); n; n = n->parent())
                    leading.insert(n);
                tree.forEach([&](MenuNode *node) {
                    if (plainSearchHolds(*node, typed)) {
                        ++matches;
                        for (const MenuNode *n = node; n; n = n->parent())
                            leading.insert(n);
                    }
                    return true;
                });
                tree.forEach([&](MenuNode *node) {
                    if (leading.count(node))
                        expected.push_back(node);
                    return true;
                });
                const std::vector<const MenuNode *> shown = rowsInMenuOrder(rows);
                ASSERT_EQ(shown, expected) << "menu " << menu << ", " << typed.toStdString();
                EXPECT_TRUE(widget<QLabel>("FindCount")->text().endsWith(
                    QStringLiteral(" of %1").arg(matches)));
            }
        }
        widget<FindBar>("FindBar")->close();
        EXPECT_EQ(rows.rowCount(), static_cast<int>(tree.topLevel().size()));
    }
}

// The rows the view lays out, top to bottom: a submenu's rows follow it only while it is open.
std::vector<const MenuNode *> rowsLaidOut(const MenuTreeView &view)
{
    std::vector<const MenuNode *> laidOut;
    for (QModelIndex at = view.model()->index(0, 0); at.isValid(); at = view.indexBelow(at))
        laidOut.push_back(MenuTreeView::nodeOf(at));
    return laidOut;
}

std::vector<const MenuNode *> everyNode(const MenuTree &tree)
{
    std::vector<const MenuNode *> nodes;
    tree.forEach([&](MenuNode *node) {
        nodes.push_back(node);
        return true;
    });
    return nodes;
}

// The view, not only its model: each filter shows every shown submenu open, and closing the box
// lays out the whole menu open again, with the selected entry current and the edits made while
// the box was open (an entry added into a submenu the filter hid, one renamed into view).
TEST_F(FindBarTextsTest, TheViewOpensEveryShownSubmenuWhileFilteredAndAfterClosing)
{
    RandomTexts text(41);
    MenuTree &tree = form->tree();
    MenuTreeView &view = *form->treeView();
    auto *bar = widget<FindBar>("FindBar");
    auto *edit = widget<QLineEdit>("FindText");
    for (int menu = 0; menu < 3; ++menu) {
        const std::vector<MenuNode *> nodes = putRandomMenu(tree, text, 150, 4);
        tree.setSelected(nodes[text.next() % nodes.size()]);
        bar->open();
        for (int round = 0; round < 8; ++round) {
            edit->setText(QString::fromStdString(text(2)));
            QCoreApplication::processEvents();
            if (!bar->isFiltering())
                continue;
            // The model's rows in menu order are what the view lays out.
            const std::vector<const MenuNode *> shown = rowsInMenuOrder(*view.model());
            ASSERT_FALSE(shown.empty());
            ASSERT_EQ(rowsLaidOut(view), shown) << "menu " << menu << ", round " << round;
        }
        // Edits while filtered: a new entry in the deepest submenu, an entry renamed.
        const auto depth = [](const MenuNode *node) {
            int levels = 0;
            for (; node->parent(); node = node->parent())
                ++levels;
            return levels;
        };
        MenuNode *deepest = nodes.front();
        for (MenuNode *node : nodes) {
            if (depth(node) > depth(deepest))
                deepest = node;
        }
        edit->setText(QStringLiteral("zz"));
        QCoreApplication::processEvents();
        MenuNode *added = tree.addChild(deepest, "added while found");
        tree.setTitle(nodes.back(), "renamed zz");
        MenuNode *selected = nodes[text.next() % nodes.size()];
        tree.setSelected(selected);
        QCoreApplication::processEvents();
        bar->close();
        QCoreApplication::processEvents();
        ASSERT_EQ(rowsLaidOut(view), everyNode(tree)) << "menu " << menu;
        EXPECT_EQ(MenuTreeView::nodeOf(view.currentIndex()), selected);
        EXPECT_EQ(tree.selected(), selected);
        EXPECT_TRUE(view.indexOf(added).isValid());
        EXPECT_EQ(view.indexOf(nodes.back()).data().toString(), QStringLiteral("renamed zz"));
    }
}

// Counts the titles the view measures (each a text laid out by the style).
class MeasuringStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    QSize sizeFromContents(ContentsType type,
        const QStyleOption *option,
        const QSize &size,
        const QWidget *widget) const override
    {
        if (type == CT_ItemViewItem)
            ++measured;
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
    mutable int measured = 0;
};

// Whether every shown row's picture and title fit in the titles' column.
::testing::AssertionResult noTitleCut(const MenuTreeView &view)
{
    const int column = view.header()->sectionSize(0);
    for (QModelIndex at = view.model()->index(0, 0); at.isValid(); at = view.indexBelow(at)) {
        const int right = view.visualRect(at).left() + view.header()->offset()
            + view.sizeHintForIndex(at).width();
        if (right > column)
            return ::testing::AssertionFailure()
                << at.data().toString().left(20).toStdString() << " needs " << right
                << ", the column is " << column;
    }
    return ::testing::AssertionSuccess();
}

// Each filter fits the titles' column to the titles it shows: wider for a wide title, narrower
// again when it is hidden, none cut; titles measured for an earlier filter are not measured
// again when they show again.
TEST_F(FindBarTextsTest, TheTitlesColumnFollowsTheShownTitlesAsFiltersChange)
{
    MenuTree &tree = form->tree();
    MenuTreeView &view = *form->treeView();
    auto *style = new MeasuringStyle;
    style->setParent(&view);
    view.setStyle(style);
    const std::string wide = "Wide " + std::string(150, 'W');
    tree.addChild(test::find(tree, "Projects"), wide);
    tree.addTopLevel("Wider " + std::string(60, 'W'));
    auto *bar = widget<FindBar>("FindBar");
    auto *edit = widget<QLineEdit>("FindText");
    bar->open();
    const auto columnFor = [&](const QString &typed) {
        edit->setText(typed);
        QCoreApplication::processEvents();
        EXPECT_TRUE(noTitleCut(view)) << typed.toStdString();
        return view.header()->sectionSize(0);
    };
    const int wideShown = columnFor(QStringLiteral("wide"));
    EXPECT_GE(wideShown,
        view.indentation() + view.fontMetrics().horizontalAdvance(QString::fromStdString(wide)));
    const int widerShown = columnFor(QStringLiteral("wider"));
    EXPECT_LT(widerShown, wideShown) << "the wide title is hidden";
    EXPECT_GT(widerShown, view.fontMetrics().horizontalAdvance(QString(60, QLatin1Char('W'))));
    EXPECT_EQ(columnFor(QStringLiteral("docs")), view.viewport()->width()) << "short titles only";

    const int measured = style->measured;
    EXPECT_EQ(columnFor(QStringLiteral("wide")), wideShown);
    EXPECT_EQ(style->measured, measured) << "the titles shown were measured for the first filter";
    bar->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(noTitleCut(view));
    view.setStyle(nullptr);
}

// While filtered, a shown submenu whose entries are all hidden is laid out closed (the view
// keeps no open state for it) and shows nothing below it; an entry added into it that matches
// opens it, and closing the box shows it open with every entry.
TEST_F(FindBarTextsTest, ASubmenuWithEveryEntryHiddenIsClosedWhileFiltered)
{
    MenuTree &tree = form->tree();
    MenuTreeView &view = *form->treeView();
    MenuNode *projects = test::find(tree, "Projects");
    auto *bar = widget<FindBar>("FindBar");
    tree.setSelected(test::find(tree, "Docs"));
    bar->open();
    widget<QLineEdit>("FindText")->setText(QStringLiteral("proj"));
    QCoreApplication::processEvents();
    const QModelIndex shown = view.indexOf(projects);
    ASSERT_TRUE(shown.isValid());
    EXPECT_FALSE(view.isExpanded(shown));
    EXPECT_TRUE(shown.flags().testFlag(Qt::ItemNeverHasChildren));
    EXPECT_EQ(rowsLaidOut(view), (std::vector<const MenuNode *> { test::find(tree, "Docs"), projects }));

    MenuNode *plan = tree.addChild(projects, "Project plan");
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.isExpanded(view.indexOf(projects))) << "a match below it now";
    EXPECT_FALSE(view.indexOf(projects).flags().testFlag(Qt::ItemNeverHasChildren));
    EXPECT_EQ(rowsLaidOut(view),
        (std::vector<const MenuNode *> { test::find(tree, "Docs"), projects, plan }));

    bar->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.isExpanded(view.indexOf(projects)));
    EXPECT_EQ(rowsLaidOut(view), everyNode(tree));
}

} // namespace
} // namespace torvex
