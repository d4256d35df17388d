// View > Preview menu: the popped-up QMenu against the tree, the cut at 200 and choosing.
#include "app/gui/tree/MenuPreviewPopup.h"

#include "support/TreeBuilder.h"
#include "support/gui/LoadedWindowFixture.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>

#include <gtest/gtest.h>

namespace torvex {
namespace {

// The QMenu as an outline: two blanks a level, "[-]" for a separator, "/" after a submenu,
// "(grey)" after a disabled line.
void describe(const QMenu &menu, int depth, std::string &out)
{
    for (QAction *action : menu.actions()) {
        out += std::string(2 * depth, ' ');
        out += action->isSeparator() ? std::string("[-]") : action->text().toStdString();
        if (action->menu())
            out += "/";
        if (!action->isEnabled())
            out += " (grey)";
        out += "\n";
        if (action->menu())
            describe(*action->menu(), depth + 1, out);
    }
}

std::string describe(const QMenu &menu)
{
    std::string out;
    describe(menu, 0, out);
    return out;
}

QAction *actionNamed(const QMenu &menu, const QString &text)
{
    for (QAction *action : menu.actions()) {
        if (action->text() == text)
            return action;
        if (action->menu()) {
            if (QAction *found = actionNamed(*action->menu(), text))
                return found;
        }
    }
    return nullptr;
}

class MenuPreviewPopupTest : public test::LoadedWindowFixture
{
protected:
    QMenu &previewOf(const std::string &outline)
    {
        start(dir.write("wincmd.ini", "[DirMenu]\n"));
        test::buildTree(form->tree(), outline);
        trigger("viewPreviewMenu");
        QMenu *menu = form->preview().menu();
        EXPECT_TRUE(menu);
        return *menu;
    }
};

TEST_F(MenuPreviewPopupTest, ThePopupHoldsTheTreeWithItsAccessKeysAndNesting)
{
    QMenu &menu = previewOf("&Home|cd c:\\\nTo&ols\n  &Editor|cd e\n  -\n  Sub\n    R&&D|cd r\n"
                            "-\nPlain|cd p\n");
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(describe(menu), "&Home\nTo&ols/\n  &Editor\n  [-]\n  Sub/\n    R&&D\n[-]\nPlain\n");
    EXPECT_EQ(QKeySequence::mnemonic(actionNamed(menu, QStringLiteral("&Home"))->text()),
        QKeySequence(Qt::ALT | Qt::Key_H));
    EXPECT_EQ(QKeySequence::mnemonic(actionNamed(menu, QStringLiteral("To&ols"))->text()),
        QKeySequence(Qt::ALT | Qt::Key_O));
    EXPECT_TRUE(QKeySequence::mnemonic(actionNamed(menu, QStringLiteral("R&&D"))->text()).isEmpty())
        << "&& is a plain &";
    EXPECT_EQ(widget<QAction>("viewPreviewMenu")->shortcut(), QKeySequence(Qt::Key_F9));
}

TEST_F(MenuPreviewPopupTest, NothingPastThe200thEntryAndAGreyLineCountsTheRest)
{
    std::string outline = "S\n";
    for (int i = 0; i < 3; ++i)
        outline += "  in" + std::to_string(i) + "\n";
    for (int i = 0; i < 250; ++i)
        outline += "e" + std::to_string(i) + "\n";
    QMenu &menu = previewOf(outline);
    // S, three children and its end line take five numbers; 195 more top-level entries fit.
    const QList<QAction *> actions = menu.actions();
    ASSERT_EQ(actions.size(), 1 + 195 + 1);
    EXPECT_EQ(actions[195]->text().toStdString(), "e194");
    EXPECT_EQ(
        actions.back()->text().toStdString(), "55 entries not shown (the file manager reads 200)");
    EXPECT_FALSE(actions.back()->isEnabled());
    EXPECT_EQ(actions.front()->menu()->actions().size(), 3);
}

TEST_F(MenuPreviewPopupTest, ChoosingAnEntrySelectsItInTheTree)
{
    QMenu &menu = previewOf("A|cd a\nTools\n  Editor|cd e\n  Viewer|cd v\nB|cd b\n");
    MenuTree &tree = form->tree();
    tree.setSelected(test::find(tree, "A"));
    actionNamed(menu, QStringLiteral("Viewer"))->trigger();
    EXPECT_EQ(tree.selected(), test::find(tree, "Viewer"));
    EXPECT_EQ(widget<QLineEdit>("EditTitle")->text(), QStringLiteral("Viewer"));

    // An entry removed while the preview was open is not selected.
    trigger("viewPreviewMenu");
    QMenu &again = *form->preview().menu();
    QAction *gone = actionNamed(again, QStringLiteral("B"));
    tree.remove(test::find(tree, "B"));
    tree.setSelected(test::find(tree, "A"));
    gone->trigger();
    EXPECT_EQ(tree.selected(), test::find(tree, "A"));
}

} // namespace
} // namespace torvex
