// The ini chooser on its own: selection when shown, OK without a selection, double-click,
// Cancel and Esc.

#include "app/gui/files/IniChooserDialog.h"

#include "app/gui/window/MainWindow.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/gui/Wait.h"
#include "support/gui/WindowEnvironment.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace torvex {
namespace {

class IniChooserDialogTest : public testing::Test
{
protected:
    IniChooserDialogTest()
    {
        form = test::startedWindow(
            test::windowEnvironment(test::viewWithoutPrefix(), dir.path(), boxes, "Z:\\"));
        chooser = test::attachChooser(*form);
        chooser->setPaths({ "C:\\one\\wincmd.ini", "D:\\two\\wincmd.ini" });
        list = chooser->findChild<QListWidget *>(QStringLiteral("lboxIniStier"));
    }

    // Runs the chooser modally; `act` runs once it is shown. Returns the dialog's result.
    int runWith(std::function<void()> act)
    {
        QTimer::singleShot(0, chooser, [this, act] {
            act();
            // Whatever `act` did, make sure the loop ends.
            if (chooser->isVisible())
                QTimer::singleShot(0, chooser, [this] {
                    chooser->done(-1);
                });
        });
        return chooser->exec();
    }
    QPushButton *button(const char *name) const
    {
        return chooser->findChild<QPushButton *>(QLatin1String(name));
    }

    test::TempDir dir;
    test::ScriptedMessageBoxes boxes;
    std::unique_ptr<MainWindow> form;
    IniChooserDialog *chooser = nullptr;
    QListWidget *list = nullptr;
};

TEST_F(IniChooserDialogTest, ItsLayoutAndHints)
{
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral(" Open ini file"));
    EXPECT_EQ(chooser->size(), QSize(492, 271));
    EXPECT_EQ(list->geometry(), QRect(12, 28, 457, 125));
    EXPECT_EQ(button("butCancel")->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(button("butCancel")->toolTip(), QStringLiteral(" Don't open anything "));
    EXPECT_EQ(button("butOK")->size(), QSize(75, 49));
    EXPECT_EQ(button("butOK")->toolTip(), QStringLiteral(" Open the selected ini file "));
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_NE(chooser->findChild<QObject *>(QStringLiteral("WinXP1")), nullptr);
    chooser->show();
    chooser->resize(600, 400);
    test::waitUntil([&] {
        return list->geometry() == QRect(12, 28, 565, 254);
    });
    EXPECT_EQ(list->geometry(), QRect(12, 28, 565, 254));
    test::waitUntil([&] {
        return button("butOK")->geometry().bottomRight() == QPoint(600 - 13, 400 - 13);
    });
    EXPECT_EQ(button("butOK")->geometry().bottomRight(), QPoint(600 - 13, 400 - 13));
    chooser->hide();
}

TEST_F(IniChooserDialogTest, TheFirstEntryIsSelectedWhenShownAndOkReturnsIt)
{
    const int result = runWith([this] {
        EXPECT_EQ(list->currentRow(), 0);
        QTest::mouseClick(button("butOK"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(chooser->selectedPath(), "C:\\one\\wincmd.ini");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(IniChooserDialogTest, OkWithoutASelectionAsksForOneAndStaysOpen)
{
    bool stayedOpen = false;
    const int result = runWith([&] {
        list->clearSelection();
        QTest::mouseClick(button("butOK"), Qt::LeftButton);
        stayedOpen = chooser->isVisible();
        chooser->reject();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Please select a file (click on it).");
    EXPECT_EQ(boxes.last().caption, " Select a file");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Information);
}

TEST_F(IniChooserDialogTest, DoubleClickIsOk)
{
    const int result = runWith([this] {
        const QRect second = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(chooser->selectedPath(), "D:\\two\\wincmd.ini");
}

TEST_F(IniChooserDialogTest, CancelAndEscapeReturnCancel)
{
    EXPECT_EQ(runWith([this] {
        QTest::mouseClick(button("butCancel"), Qt::LeftButton);
    }),
        QDialog::Rejected);
    EXPECT_EQ(runWith([this] {
        QTest::keyClick(chooser, Qt::Key_Escape);
    }),
        QDialog::Rejected);
    EXPECT_EQ(runWith([this] {
        chooser->close();
    }),
        QDialog::Rejected);
}

} // namespace
} // namespace torvex
