// The find box's prepared texts against the plain search (each text converted and compared
// with Qt's case-insensitive contains), and the box following edits and undos of the tree
// while its texts are prepared.
#include "app/gui/tree/FindBar.h"
#include "app/gui/tree/FoldedMenuTexts.h"
#include "menu/gui/MenuText.h"
#include "support/TreeBuilder.h"
#include "support/gui/PrefixWindowFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace torvex {
namespace {

bool plainSearchHolds(const MenuNode &node, const QString &needle)
{
    for (const std::string *text : { &node.title(), &node.data().command, &node.data().targetPath }) {
        if (!text->empty() && menuTextToQt(*text).contains(needle, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Texts of letters in both cases, ASCII and not (a capital whose folded form is ASCII among
// them), digits, blanks and backslashes; needles cut from them and made up.
TEST(FoldedMenuTexts, AgreesWithThePlainSearch)
{
    const std::vector<std::string> pieces { "a", "B", "z", "Q", "1", "9", " ", "\\", "é", "É",
        "Ä", "ä", "Ω", "ω", "K" /* Kelvin sign */, "k", "İ", "i", "ẞ", "ß", "日" };
    std::mt19937 random(31);
    const auto text = [&](int most) {
        std::string made;
        for (int length = static_cast<int>(random() % (most + 1)); length > 0; --length)
            made += pieces[random() % pieces.size()];
        return made;
    };
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

TEST(FoldedMenuTexts, ForgottenNodesAreReadAgain)
{
    MenuTree tree;
    test::buildTree(tree, "Tools\n  Hammer|cd C:\\Hammer\nDocs\n");
    FoldedMenuTexts texts;
    MenuNode *tools = test::find(tree, "Tools");
    MenuNode *hammer = test::find(tree, "Hammer");
    const std::string saw = FoldedMenuTexts::foldNeedle(QStringLiteral("saw"));
    EXPECT_FALSE(texts.holds(*hammer, saw));
    tree.setTitle(hammer, "Saw");
    EXPECT_FALSE(texts.holds(*hammer, saw)) << "prepared before the change";
    texts.forgetSubtree(tools);
    EXPECT_TRUE(texts.holds(*hammer, saw));
    EXPECT_EQ(texts.size(), 1u);
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

} // namespace
} // namespace torvex
