// The drive button panel as a widget: its buttons follow the panel's logic and real mouse
// clicks latch them and raise the click event.

#include "controls/gui/DrivePanel.h"

#include "support/FakeDriveSource.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>
#include <string>

namespace torvex {
namespace {

class DrivePanelTest : public ::testing::Test
{
protected:
    DrivePanelTest()
    {
        drives.types = { { 'C', DriveTypeCode::Fixed },
            { 'D', DriveTypeCode::Fixed },
            { 'E', DriveTypeCode::CDRom },
            { 'N', DriveTypeCode::Remote } };
        drives.names = { { 'C', "System (C:)" }, { 'D', "Data (D:)" }, { 'N', "share (N:)" } };
        window.resize(455, 60);
        panel = new DrivePanel(drives, &window);
        panel->setObjectName(QStringLiteral("VelDrives"));
        panel->setGeometry(3, 3, 455, 22);
        panel->setOnClickButton([this](DrivePanel *sender, QToolButton *button, char drive) {
            EXPECT_EQ(sender, panel);
            EXPECT_EQ(button, panel->button(drive));
            clicks += drive;
        });
    }

    // The main window's instance: 44 by 22, no spacing, bare letters, one drive down.
    void makeMainWindowPanel()
    {
        setUpMainWindowDrives(panel->model());
        panel->loaded();
        window.show();
        clicks.clear();
    }

    std::string checkedLetters() const
    {
        std::string down;
        for (QToolButton *b : panel->buttons())
            if (b->isChecked())
                down += char(b->property("drive").toInt());
        return down;
    }

    test::FakeDriveSource drives;
    QWidget window;
    DrivePanel *panel = nullptr;
    std::string clicks;
};

TEST_F(DrivePanelTest, MainWindowInstanceShowsOneFlatButtonPerDrive)
{
    makeMainWindowPanel();
    ASSERT_EQ(panel->buttons().size(), 3u); // C, D, N; not the CD drive
    EXPECT_EQ(panel->height(), 22);
    int left = 0;
    for (QToolButton *b : panel->buttons()) {
        EXPECT_EQ(b->geometry(), QRect(left, 0, 44, 22));
        EXPECT_TRUE(b->autoRaise());
        EXPECT_FALSE(b->icon().isNull());
        left += 44;
    }
    QToolButton *c = panel->findChild<QToolButton *>(QStringLiteral("DriveButtonC"));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->text(), QStringLiteral("C"));
    EXPECT_EQ(c->toolTip(),
        QStringLiteral(
            " System (C:); keys: Space or C chooses it, Left and Right go to the other drives "));
    EXPECT_EQ(checkedLetters(), "C");
    EXPECT_EQ(panel->drive(), 'C');
}

TEST_F(DrivePanelTest, MouseClicksLatchAndRaiseTheEvent)
{
    makeMainWindowPanel();
    QTest::mouseClick(panel->button('N'), Qt::LeftButton);
    EXPECT_EQ(checkedLetters(), "N");
    EXPECT_EQ(panel->drive(), 'N');
    // The button that is down stays down and raises the event again.
    QTest::mouseClick(panel->button('N'), Qt::LeftButton);
    EXPECT_EQ(checkedLetters(), "N");
    EXPECT_EQ(clicks, "NN");
}

TEST_F(DrivePanelTest, UngroupedButtonsDoNotStayDown)
{
    panel->loaded();
    window.show();
    QTest::mouseClick(panel->button('D'), Qt::LeftButton);
    EXPECT_EQ(checkedLetters(), "");
    EXPECT_EQ(clicks, "D");
    EXPECT_EQ(panel->drive(), '\0');
    EXPECT_EQ(panel->button('D')->text(), QStringLiteral("D:"));
}

TEST_F(DrivePanelTest, ChangingTheDriveTypesRemakesTheButtons)
{
    makeMainWindowPanel();
    panel->setDrive('n');
    ASSERT_EQ(clicks, "N");
    drives.current = "D:\\data";
    panel->setDriveTypes({ DriveType::Fixed });
    QApplication::processEvents();
    EXPECT_EQ(panel->buttons().size(), 2u);
    EXPECT_EQ(panel->findChild<QToolButton *>(QStringLiteral("DriveButtonN")), nullptr);
    // The remembered drive lost its button: the current folder's drive is selected.
    EXPECT_EQ(checkedLetters(), "D");
    EXPECT_EQ(clicks, "ND");

    panel->setDriveTypes({});
    EXPECT_TRUE(panel->buttons().empty());
    EXPECT_EQ(panel->drive(), '\0');
    EXPECT_THROW(panel->setDrive('C'), DrivePanelError);
}

} // namespace
} // namespace torvex
