// The window's prefix follows the file it loads.
#include "app/PrefixFollower.h"

#include "platform/WindowsView.h"
#include "support/PrefixLayouts.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace torvex {
namespace {

class PrefixFollowerTest : public ::testing::Test
{
protected:
    test::FakeHome home;
    fs::path wine = home.makePrefix(".wine");
    fs::path bottle = home.makePrefix(".local/share/bottles/bottles/Work");
    std::shared_ptr<const WindowsView> start =
        std::make_shared<const WindowsView>(WindowsView::forPrefix(WinePrefix(wine), {}));

    static fs::path rootOf(const std::shared_ptr<const WindowsView> &view)
    {
        return view->hasPrefix() ? view->prefix()->root() : fs::path();
    }
};

TEST_F(PrefixFollowerTest, AHostFileTakesThePrefixItLiesInOnce)
{
    const PrefixFollower follower(start, home.environment(), false);
    const std::string file = (bottle / "drive_c/fm/wincmd.ini").string();
    const auto moved = follower.viewFor(file, std::nullopt, start);
    EXPECT_EQ(rootOf(moved), bottle);
    EXPECT_TRUE(moved->directoryExists("C:\\Data\\Work"));
    EXPECT_EQ(follower.viewFor(file, std::nullopt, moved), moved) << "no second view";
    // Back in the start prefix, the start view itself.
    EXPECT_EQ(
        follower.viewFor((wine / "drive_c/fm/wincmd.ini").string(), std::nullopt, moved), start);
}

TEST_F(PrefixFollowerTest, FilesOutsideEveryPrefixAndWindowsPathsUseTheStartView)
{
    const PrefixFollower follower(start, home.environment(), false);
    const auto moved =
        follower.viewFor((bottle / "drive_c/fm/wincmd.ini").string(), std::nullopt, start);
    EXPECT_EQ(follower.viewFor(home.write("x.ini", "").string(), std::nullopt, moved), start);
    EXPECT_EQ(follower.viewFor("C:\\fm\\wincmd.ini", std::nullopt, moved), start);
}

TEST_F(PrefixFollowerTest, AFileOfferedFromAPrefixOpensInIt)
{
    // A file on a drive that leads out of its prefix is still that prefix's.
    const fs::path outside = home.makeFolder("shared");
    const PrefixFollower follower(start, home.environment(), false);
    EXPECT_EQ(rootOf(follower.viewFor((outside / "wincmd.ini").string(), bottle, start)), bottle);
}

TEST_F(PrefixFollowerTest, ANamedPrefixIsKeptWhateverTheFile)
{
    const PrefixFollower follower(start, home.environment(), true);
    EXPECT_EQ(follower.viewFor((bottle / "drive_c/fm/wincmd.ini").string(), bottle, start), start);
}

} // namespace
} // namespace torvex
