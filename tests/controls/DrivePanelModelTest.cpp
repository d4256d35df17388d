#include "controls/DrivePanelModel.h"

#include "support/FakeDriveSource.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

using FakeDrives = test::FakeDriveSource;

struct Click
{
    char letter;
    char drive;
};

class DrivePanelModelTest : public ::testing::Test
{
protected:
    DrivePanelModelTest()
    {
        drives.types = { { 'C', DriveTypeCode::Fixed }, { 'D', DriveTypeCode::Fixed } };
        drives.names = { { 'C', "System (C:)" }, { 'D', "Data (D:)" } };
    }

    // A panel over `drives` that records its click events.
    std::unique_ptr<DrivePanelModel> makePanel()
    {
        auto panel = std::make_unique<DrivePanelModel>(drives);
        panel->setClickHandler([this](const DriveButton &button, char drive) {
            clicks.push_back({ button.letter, drive });
        });
        return panel;
    }

    std::string downLetters(const DrivePanelModel &panel)
    {
        std::string down;
        for (const DriveButton &button : panel.buttons())
            if (button.isDown)
                down += button.letter;
        return down;
    }

    std::string letters(const DrivePanelModel &panel)
    {
        std::string all;
        for (const DriveButton &button : panel.buttons())
            all += button.letter;
        return all;
    }

    FakeDrives drives;
    std::vector<Click> clicks;
};

TEST_F(DrivePanelModelTest, CreationGivesDefaultsAndNoButtons)
{
    DrivePanelModel panel(drives);
    EXPECT_TRUE(panel.buttons().empty());
    EXPECT_EQ(panel.buttonWidth(), 42);
    EXPECT_EQ(panel.buttonHeight(), 20);
    EXPECT_EQ(panel.buttonSpacing(), 2);
    EXPECT_EQ(panel.height(), 24);
    EXPECT_EQ(panel.align(), PanelEdge::Top);
    EXPECT_EQ(panel.driveTypes(), DriveTypeSet::all());
    EXPECT_EQ(panel.buttonCaptionTemplate(), "[DR]:");
    EXPECT_EQ(panel.buttonHintTemplate(), "Click the Button to access Drive \"[DD]\".");
    EXPECT_EQ(panel.drive(), '\0'); // GroupIndex 0
}

TEST_F(DrivePanelModelTest, ButtonsStandSideBySideWithSpacing)
{
    auto panel = makePanel();
    panel->setAutoSize(false);
    panel->setButtonSpacing(5);
    ASSERT_EQ(letters(*panel), "CD");
    const DriveButton &c = panel->buttons()[0];
    const DriveButton &d = panel->buttons()[1];
    EXPECT_EQ(c.left, 5);
    EXPECT_EQ(d.left, 2 * 5 + 42);
    EXPECT_EQ(c.top, 5);
    EXPECT_EQ(d.top, 5);
    EXPECT_EQ(c.width, 42);
    EXPECT_EQ(c.height, 20);
    EXPECT_EQ(c.caption, "C:");
    EXPECT_EQ(d.hint, "Click the Button to access Drive \"Data (D:)\".");
}

TEST_F(DrivePanelModelTest, VerticalButtonsStackTopToBottom)
{
    auto panel = makePanel();
    panel->setAutoSize(false);
    panel->setButtonSpacing(5);
    panel->setVertical(true);
    ASSERT_EQ(panel->buttons().size(), 2u);
    EXPECT_EQ(panel->buttons()[0].top, 5);
    EXPECT_EQ(panel->buttons()[1].top, 2 * 5 + 20);
    EXPECT_EQ(panel->buttons()[0].left, 5);
    EXPECT_EQ(panel->buttons()[1].left, 5);
}

TEST_F(DrivePanelModelTest, OnlyPresentDrivesOfChosenTypesGetButtons)
{
    drives.types['A'] = DriveTypeCode::Removable;
    drives.types['E'] = DriveTypeCode::CDRom;
    drives.types['N'] = DriveTypeCode::Remote;
    auto panel = makePanel();
    EXPECT_EQ(letters(*panel), ""); // no rebuild yet
    panel->rebuildButtons();
    EXPECT_EQ(letters(*panel), "ACDEN");
    panel->setDriveTypes({ DriveType::Fixed, DriveType::Remote });
    EXPECT_EQ(letters(*panel), "CDN");
    EXPECT_TRUE(panel->isDriveShown('n'));
    EXPECT_FALSE(panel->isDriveShown('E'));
    EXPECT_FALSE(panel->isDriveShown('Q')); // absent
    EXPECT_FALSE(panel->isDriveShown('\\')); // not a letter
}

TEST_F(DrivePanelModelTest, EmptyDriveTypesLeaveNoButtonAndRefuseADrive)
{
    auto panel = makePanel();
    panel->setGroupIndex(128);
    panel->setDriveTypes({});
    EXPECT_TRUE(panel->buttons().empty());
    EXPECT_EQ(panel->drive(), '\0');
    try {
        panel->setDrive('C');
        FAIL() << "no error";
    } catch (const DrivePanelError &error) {
        EXPECT_STREQ(error.what(), "No drive button exists");
    }
    // The remembered drive survives: it comes back with the buttons.
    clicks.clear();
    panel->setDriveTypes({ DriveType::Fixed });
    EXPECT_EQ(downLetters(*panel), "C");
    EXPECT_EQ(panel->drive(), 'C');
    EXPECT_TRUE(clicks.empty());
}

TEST_F(DrivePanelModelTest, TemplatesExpandLetterThenDisplayName)
{
    drives.names['C'] = "[DR] [DD]"; // inserted text is not expanded again
    DrivePanelModel panel(drives);
    EXPECT_EQ(panel.expandTemplate('c', "[DR][DR]").english(), "CC");
    EXPECT_EQ(panel.expandTemplate('c', "plain").english(), "plain");
    EXPECT_EQ(panel.expandTemplate('d', " [DD] ").english(), " Data (D:) ");
    EXPECT_EQ(panel.expandTemplate('c', "[DD]/[DR]").english(), "[DR] [DD]/C");
    EXPECT_EQ(panel.expandTemplate('X', "<[DD]>").english(), "<X:\\>"); // no name from the system
}

TEST_F(DrivePanelModelTest, CaptionsFollowShowCaptions)
{
    auto panel = makePanel();
    panel->setButtonCaptionTemplate("[DR]");
    EXPECT_EQ(panel->buttons()[0].caption, "C");
    panel->setShowCaptions(false);
    EXPECT_EQ(panel->buttons()[0].caption, "");
    EXPECT_FALSE(panel->buttons()[0].hint.empty());
}

TEST_F(DrivePanelModelTest, WritingALowerCaseDriveSelectsItsButton)
{
    auto panel = makePanel();
    panel->setGroupIndex(128); // C goes down: the remembered drive
    clicks.clear();
    panel->setDrive('d');
    EXPECT_EQ(downLetters(*panel), "D");
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].letter, 'D');
    EXPECT_EQ(clicks[0].drive, 'D');
    EXPECT_EQ(panel->drive(), 'D');
}

TEST_F(DrivePanelModelTest, ADriveWithoutButtonKeepsTheDownOne)
{
    auto panel = makePanel();
    panel->setGroupIndex(128);
    ASSERT_EQ(downLetters(*panel), "C");
    clicks.clear();
    panel->setDrive('Q');
    EXPECT_EQ(downLetters(*panel), "C");
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].drive, 'C');
    EXPECT_EQ(panel->drive(), 'C');
}

TEST_F(DrivePanelModelTest, WithAllowAllUpADriveWithoutButtonSelectsTheFirst)
{
    drives.types['B'] = DriveTypeCode::Fixed;
    auto panel = makePanel();
    panel->setGroupIndex(128);
    panel->setAllowAllUp(true);
    ASSERT_EQ(downLetters(*panel), "C");
    clicks.clear();
    panel->setDrive('Q');
    EXPECT_EQ(downLetters(*panel), "B");
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].drive, 'B');
    EXPECT_EQ(panel->drive(), 'B');
}

TEST_F(DrivePanelModelTest, RebuildWithoutTheRememberedDriveFallsBack)
{
    drives.types['N'] = DriveTypeCode::Remote;
    drives.types['B'] = DriveTypeCode::Fixed;
    auto panel = makePanel();
    panel->setGroupIndex(128);
    panel->setDrive('N');
    ASSERT_EQ(panel->drive(), 'N');

    // The current folder's drive, when it has a button.
    drives.current = "D:\\work";
    clicks.clear();
    panel->setDriveTypes({ DriveType::Fixed });
    EXPECT_EQ(downLetters(*panel), "D");
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].drive, 'D');

    // Otherwise C, and without C the first button.
    panel->setDrive('N'); // no button: D stays
    EXPECT_EQ(panel->drive(), 'D');
    drives.current = "Z:\\";
    drives.types.erase('C');
    DrivePanelModel other(drives);
    std::vector<char> raised;
    other.setClickHandler([&](const DriveButton &, char drive) {
        raised.push_back(drive);
    });
    other.setDriveTypes({ DriveType::Remote });
    other.setGroupIndex(128); // remembered C has no button
    EXPECT_EQ(downLetters(other), "N");
    other.setDriveTypes({ DriveType::Fixed });
    EXPECT_EQ(downLetters(other), "B");
    EXPECT_EQ(raised, (std::vector<char> { 'N', 'B' }));
}

TEST_F(DrivePanelModelTest, ClicksLatchWithinTheGroup)
{
    auto panel = makePanel();
    panel->setGroupIndex(128);
    clicks.clear();
    panel->clickButton(0); // already down: raised again
    panel->clickButton(0);
    EXPECT_EQ(downLetters(*panel), "C");
    panel->clickButton(1);
    EXPECT_EQ(downLetters(*panel), "D");
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks[0].drive, 'C');
    EXPECT_EQ(clicks[1].drive, 'C');
    EXPECT_EQ(clicks[2].drive, 'D');
    EXPECT_EQ(panel->drive(), 'D');

    panel->setAllowAllUp(true);
    ASSERT_EQ(downLetters(*panel), "D");
    panel->clickButton(1); // releases it
    EXPECT_EQ(downLetters(*panel), "");
    EXPECT_EQ(panel->drive(), 'D');
}

TEST_F(DrivePanelModelTest, UngroupedButtonsNeverStayDown)
{
    auto panel = makePanel();
    panel->rebuildButtons();
    panel->clickButton(1);
    panel->setDrive('C'); // ignored
    EXPECT_EQ(downLetters(*panel), "");
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].drive, 'D');
    EXPECT_EQ(panel->drive(), '\0');
}

TEST_F(DrivePanelModelTest, AutoSizeFollowsTheDockingEdge)
{
    auto panel = makePanel();
    panel->setSize(300, 10);
    panel->setButtonHeight(30);
    EXPECT_EQ(panel->height(), 34);
    // A resize still makes the buttons.
    EXPECT_EQ(panel->buttons().size(), 2u);

    panel->setAlign(PanelEdge::None);
    panel->setSize(300, 10);
    panel->setButtonHeight(40);
    EXPECT_EQ(panel->height(), 10);
    EXPECT_EQ(panel->width(), 300);
}

TEST_F(DrivePanelModelTest, AlignmentFlipSetsVerticalAndRebuilds)
{
    auto panel = makePanel();
    int rebuilds = 0;
    panel->setViewHooks(
        [&] {
            ++rebuilds;
        },
        nullptr);
    panel->setAlign(PanelEdge::Left);
    EXPECT_TRUE(panel->isVertical());
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(panel->width(), 2 * 2 + 42);
    EXPECT_EQ(panel->buttons()[1].top, 2 * 2 + 20);

    panel->setAlign(PanelEdge::Right); // same axis: no flip
    panel->setAlign(PanelEdge::None);
    EXPECT_TRUE(panel->isVertical());
    EXPECT_EQ(rebuilds, 1);

    panel->setAlign(PanelEdge::Top); // from none: no flip either
    EXPECT_TRUE(panel->isVertical());
    panel->setAlign(PanelEdge::Right);
    panel->setAlign(PanelEdge::Bottom);
    EXPECT_FALSE(panel->isVertical());
    EXPECT_EQ(rebuilds, 3);
}

TEST(TVelDriveTypesTest, BitsFollowOrdinals)
{
    const DriveTypeSet set { DriveType::Unknown, DriveType::RamDisk };
    EXPECT_EQ(set.bits(), 0x41);
    EXPECT_TRUE(set.with(DriveType::Fixed).contains(DriveType::Fixed));
    EXPECT_FALSE(set.contains(DriveType::Fixed));
    EXPECT_EQ(DriveTypeSet::all().bits(), 0x7F);
    EXPECT_TRUE(DriveTypeSet().isEmpty());
}

} // namespace
} // namespace torvex
