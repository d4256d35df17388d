#include "controls/gui/WinXP.h"

#include "menu/IniError.h"

#include <QDialog>
#include <QMainWindow>
#include <QWidget>

#include <gtest/gtest.h>

namespace torvex {
namespace {

int instancesOn(const QObject &owner)
{
    return static_cast<int>(owner.findChildren<TWinXP *>(Qt::FindDirectChildrenOnly).size());
}

TEST(WinXPTest, OneInstanceOnAMainWindowOrADialog)
{
    QMainWindow window;
    QDialog dialog;
    EXPECT_NO_THROW(new TWinXP(&window));
    EXPECT_NO_THROW(new TWinXP(&dialog));
    EXPECT_EQ(instancesOn(window), 1);
    EXPECT_EQ(instancesOn(dialog), 1);
}

TEST(WinXPTest, ASecondInstanceOnTheSameWindowFailsAndTheFirstStays)
{
    QDialog dialog;
    auto *first = new TWinXP(&dialog);
    try {
        new TWinXP(&dialog);
        FAIL() << "a second instance was made";
    } catch (const TorvexError &e) {
        EXPECT_STREQ(e.what(), "Only one instance of TWinXP allowed on form");
    }
    ASSERT_EQ(instancesOn(dialog), 1);
    EXPECT_EQ(dialog.findChild<TWinXP *>(), first);
}

TEST(WinXPTest, AnOwnerThatIsNoWindowFails)
{
    QWidget plainWidget;
    QObject plainObject;
    QMainWindow window;
    QWidget child(&window);
    for (QObject *owner :
        { static_cast<QObject *>(&plainWidget), &plainObject, static_cast<QObject *>(&child) }) {
        try {
            new TWinXP(owner);
            FAIL() << "made on a " << owner->metaObject()->className();
        } catch (const TorvexError &e) {
            EXPECT_STREQ(e.what(), "Control parent must be a form!");
        }
        EXPECT_EQ(instancesOn(*owner), 0);
    }
}

TEST(WinXPTest, NoOwnerFails)
{
    EXPECT_THROW(TWinXP(nullptr), TorvexError);
}

} // namespace
} // namespace torvex
