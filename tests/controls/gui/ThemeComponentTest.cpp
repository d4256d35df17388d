#include "controls/gui/ThemeComponent.h"

#include "core/Error.h"

#include <QDialog>
#include <QMainWindow>
#include <QWidget>

#include <gtest/gtest.h>

namespace torvex {
namespace {

int instancesOn(const QObject &owner)
{
    return static_cast<int>(
        owner.findChildren<ThemeComponent *>(Qt::FindDirectChildrenOnly).size());
}

TEST(ThemeComponentTest, OneInstanceOnAMainWindowOrADialog)
{
    QMainWindow window;
    QDialog dialog;
    EXPECT_NO_THROW(new ThemeComponent(&window));
    EXPECT_NO_THROW(new ThemeComponent(&dialog));
    EXPECT_EQ(instancesOn(window), 1);
    EXPECT_EQ(instancesOn(dialog), 1);
}

TEST(ThemeComponentTest, ASecondInstanceOnTheSameWindowFailsAndTheFirstStays)
{
    QDialog dialog;
    auto *first = new ThemeComponent(&dialog);
    try {
        new ThemeComponent(&dialog);
        FAIL() << "a second instance was made";
    } catch (const TorvexError &e) {
        EXPECT_STREQ(e.what(), "Only one instance of TWinXP allowed on form");
    }
    ASSERT_EQ(instancesOn(dialog), 1);
    EXPECT_EQ(dialog.findChild<ThemeComponent *>(), first);
}

TEST(ThemeComponentTest, AnOwnerThatIsNoWindowFails)
{
    QWidget plainWidget;
    QObject plainObject;
    QMainWindow window;
    QWidget child(&window);
    for (QObject *owner :
        { static_cast<QObject *>(&plainWidget), &plainObject, static_cast<QObject *>(&child) }) {
        try {
            new ThemeComponent(owner);
            FAIL() << "made on a " << owner->metaObject()->className();
        } catch (const TorvexError &e) {
            EXPECT_STREQ(e.what(), "Control parent must be a form!");
        }
        EXPECT_EQ(instancesOn(*owner), 0);
    }
}

TEST(ThemeComponentTest, NoOwnerFails)
{
    EXPECT_THROW(ThemeComponent(nullptr), TorvexError);
}

} // namespace
} // namespace torvex
