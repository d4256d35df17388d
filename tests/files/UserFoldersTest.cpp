#include "files/UserFolders.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

TEST(UserFoldersTest, VariablesWinWhenAbsoluteAndFallBackUnderHomeOtherwise)
{
    const Environment set {
        { "HOME", "/home/anna" }, { "XDG_CONFIG_HOME", "/cfg" }, { "XDG_STATE_HOME", "/state" }
    };
    EXPECT_EQ(userConfigFolder(set), "/cfg/torvex");
    EXPECT_EQ(userStateFolder(set), "/state/torvex");

    // Empty and relative values are ignored, as the base directory rules say.
    const Environment loose {
        { "HOME", "/home/anna" }, { "XDG_CONFIG_HOME", "" }, { "XDG_STATE_HOME", "relative/state" }
    };
    EXPECT_EQ(userConfigFolder(loose), "/home/anna/.config/torvex");
    EXPECT_EQ(userStateFolder(loose), "/home/anna/.local/state/torvex");
}

TEST(UserFoldersTest, NoHomeAndNoVariableGivesNoFolder)
{
    EXPECT_TRUE(userConfigFolder(Environment {}).empty());
    EXPECT_TRUE(userStateFolder(Environment { { "HOME", "" } }).empty());
}

} // namespace
} // namespace torvex
