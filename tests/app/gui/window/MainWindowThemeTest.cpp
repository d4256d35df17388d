// The main window under a dark palette: the find box's matches, the button column's pictures
// and the tree's text on the user's background colour stay readable.

#include "app/gui/editing/ButtonColumn.h"
#include "app/gui/tree/FindBar.h"
#include "app/gui/tree/MenuTreeView.h"
#include "app/gui/window/MainWindow.h"
#include "settings/gui/Colours.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/gui/FindWidget.h"
#include "support/gui/WindowEnvironment.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::ScriptedMessageBoxes;
using test::TempDir;

// A dark desktop palette: light text on dark grounds, a blue highlight.
QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::AlternateBase, QColor(40, 40, 40));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(53, 53, 56));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    return p;
}

// The share of a picture's painted pixels, laid on `ground`, that read against it as text
// does.
double readableShare(const QIcon &icon, const QColor &ground)
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(ground);
    QPainter painter(&image);
    icon.paint(&painter, image.rect());
    painter.end();
    const QImage alone = icon.pixmap(QSize(24, 24), 1.0).toImage().convertToFormat(
        QImage::Format_ARGB32);
    int painted = 0;
    int readable = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            if (qAlpha(alone.pixel(x, y)) < 200)
                continue;
            ++painted;
            if (contrastRatio(QColor(image.pixel(x, y)), ground) >= readableContrast)
                ++readable;
        }
    return painted == 0 ? 0.0 : double(readable) / painted;
}

class MainWindowThemeTest : public testing::Test
{
protected:
    MainWindowThemeTest()
        : m_light(QApplication::palette())
    {
        QApplication::setPalette(darkPalette());
    }

    ~MainWindowThemeTest() override
    {
        if (form)
            form->session().setExitWithoutSaving(true);
        form.reset();
        QApplication::setPalette(m_light);
    }

    // Starts the main window with torvex.ini holding `settings`.
    void start(const std::string &settings)
    {
        program.write("torvex.ini", settings);
        const std::string ini = dir.write(
            "wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd C:\\\r\nmenu2=Docs\r\ncmd2=cd D:\\\r\n");
        MainWindowEnvironment environment =
            test::windowEnvironment(test::viewWithoutPrefix(), program.path(), boxes, "Z:\\");
        environment.candidates = test::foundFiles({ "", "", "", ini });
        form = test::startedWindow(std::move(environment));
        QApplication::processEvents();
    }

    void expectReadableTree(const char *where) const
    {
        SCOPED_TRACE(where);
        const QPalette tree = form->treeView()->palette();
        EXPECT_GE(contrastRatio(tree.color(QPalette::Text), tree.color(QPalette::Base)),
            readableContrast);
        const FindMatchColours match = findMatchColours(tree);
        EXPECT_GE(contrastRatio(match.text, match.background), readableContrast);
        // A match stands apart from the other rows and from the selection.
        EXPECT_NE(match.background, tree.color(QPalette::Base));
        EXPECT_NE(match.background, tree.color(QPalette::Highlight));
    }

    TempDir dir;
    TempDir program;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<MainWindow> form;

private:
    QPalette m_light;
};

TEST_F(MainWindowThemeTest, TreeTextAndFindMatchesReadOnADarkALightAndTheSystemBackground)
{
    // The system's button face with its window text, as at the first start.
    start("");
    expectReadableTree("system colours");
    EXPECT_EQ(form->treeView()->palette().color(QPalette::Text), darkPalette().color(QPalette::Text));
    form.reset();

    // Nearly white, as a user of a light theme chose it: the light text would vanish.
    start("[form2]\r\nSTextFarve=0x00F0F0F0\r\n");
    expectReadableTree("light background");
    EXPECT_EQ(form->treeView()->palette().color(QPalette::Text), QColor(Qt::black));
    form.reset();

    // Dark, from the settings, under the light system text.
    start("[form2]\r\nSTextFarve=0x00202020\r\n");
    expectReadableTree("dark background");

    // The Options give a dark font colour chosen long ago: it turns light.
    form->setTreeColours(0x00202020, 0x00400000);
    expectReadableTree("dark background, dark font");
    // A readable font colour of the user's own stays as chosen.
    form->setTreeColours(0x00202020, 0x0080FFFF);
    expectReadableTree("dark background, yellow font");
    EXPECT_EQ(form->treeView()->palette().color(QPalette::Text), QColor(255, 255, 128));
}

// The share of the painted pixels of the tree's picture for row `row` (not the selected one)
// that read on the tree's background.
double treePictureReadableShare(const MainWindow &form, int row)
{
    const QTreeView *view = form.treeView();
    const QPixmap picture =
        view->model()->index(row, 0).data(Qt::DecorationRole).value<QPixmap>();
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    const QColor ground = view->palette().color(QPalette::Base);
    int painted = 0;
    int readable = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 200)
                continue;
            ++painted;
            readable += contrastRatio(QColor(qRed(pixel), qGreen(pixel), qBlue(pixel)), ground) >= 3.0;
        }
    return painted == 0 ? 0.0 : double(readable) / painted;
}

TEST_F(MainWindowThemeTest, TreePicturesAreDrawnInTheTreesTextColour)
{
    // An item's picture is all lines: on a dark background they must be light.
    start("[form2]\r\nSTextFarve=0x00202020\r\n");
    ASSERT_NE(form->treeView()->currentIndex().row(), 1) << "row 1 shows the unselected picture";
    EXPECT_GE(treePictureReadableShare(*form, 1), 0.9) << "dark background";

    // The Options turn the background light: the lines turn dark.
    form->setTreeColours(0x00F0F0F0, 0x80000008);
    EXPECT_GE(treePictureReadableShare(*form, 1), 0.9) << "light background";
}

TEST_F(MainWindowThemeTest, ButtonPicturesAreDrawnInTheTextColourAndFollowThePalette)
{
    start("");
    const QPalette dark = QApplication::palette();
    for (const char *name : { "SButSave",
             "SBut_Add",
             "SBut_AddFirst",
             "SBut_AddChild",
             "SBut_AddChildFirst",
             "SBut_Insert",
             "SButFindEmptyCommands" }) {
        const QIcon icon = test::findWidget<QToolButton>(*form, name)->icon();
        // A flat button shows the column's ground; one that is down, the button's.
        EXPECT_GE(readableShare(icon, dark.color(QPalette::Window)), 0.4) << name;
        EXPECT_GE(readableShare(icon, dark.color(QPalette::Button)), 0.4) << name;
    }

    // Back to a light palette while the window is open: the lines turn dark again.
    QApplication::setPalette(QPalette(QColor(240, 240, 240)));
    QApplication::processEvents();
    const QIcon icon = test::findWidget<QToolButton>(*form, "SBut_Insert")->icon();
    EXPECT_GE(readableShare(icon, QColor(240, 240, 240)), 0.4);
}

} // namespace
} // namespace torvex
