// Contrast between colours, and the text colour chosen for a background.

#include "settings/gui/Colours.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

TEST(ColoursTest, ContrastRatioRunsFromOneToTwentyOneWhicheverColourComesFirst)
{
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::black), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(90, 90, 90), QColor(90, 90, 90)), 1.0, 1e-9);
    // Mid grey on white, a known pair: 4.48 to 1, just short of readable.
    EXPECT_NEAR(contrastRatio(QColor(119, 119, 119), Qt::white), 4.48, 0.01);
    // Green weighs most in lightness, blue least.
    EXPECT_GT(contrastRatio(QColor(0, 255, 0), Qt::black), contrastRatio(QColor(0, 0, 255), Qt::black));
}

TEST(ColoursTest, ReadableTextKeepsTheChosenColourOrTurnsBlackOrWhite)
{
    const QColor yellow(255, 255, 128);
    EXPECT_EQ(readableOn(QColor(32, 32, 32), yellow), yellow);
    EXPECT_EQ(readableOn(QColor(32, 32, 32), QColor(64, 0, 0)), QColor(Qt::white));
    EXPECT_EQ(readableOn(QColor(240, 240, 240), yellow), QColor(Qt::black));
    // A middle ground goes to whichever of the two reads better.
    EXPECT_EQ(readableOn(QColor(120, 180, 120), QColor(110, 170, 110)), QColor(Qt::black));
    EXPECT_EQ(readableOn(QColor(90, 60, 160), QColor(100, 70, 150)), QColor(Qt::white));
}

} // namespace
} // namespace torvex
