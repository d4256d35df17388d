#include "platform/WindowsPath.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

// The one rule every part of Torvex uses: the folder list, the destination check, the view's
// mapping to host folders and torvex-menu must agree on it.
TEST(WindowsPath, DriveLetterColonThenNothingOrASeparator)
{
    for (const char *path : { "C:", "c:", "C:\\", "z:/", "C:\\Work", "C:/Work/x" })
        EXPECT_TRUE(isWindowsPath(path)) << path;
    for (const char *path :
        { "", "C", "C:relative", "1:\\", "::\\", "\\\\server\\share", "\\windows", "/home", ":\\" })
        EXPECT_FALSE(isWindowsPath(path)) << path;
}

TEST(WindowsPath, DriveIndexTakesEitherCase)
{
    EXPECT_EQ(driveIndex('a'), 0);
    EXPECT_EQ(driveIndex('Z'), 25);
    EXPECT_EQ(driveIndex('@'), -1);
    EXPECT_EQ(driveIndex('['), -1);
    EXPECT_EQ(driveIndex('1'), -1);
}

TEST(WindowsPath, PartsAreResolvedAsWindowsDoes)
{
    using Parts = std::vector<std::string>;
    EXPECT_EQ(windowsPathParts(""), Parts {});
    EXPECT_EQ(windowsPathParts("\\"), Parts {});
    EXPECT_EQ(windowsPathParts("\\Work\\\\Sub/"), (Parts { "Work", "Sub" }));
    EXPECT_EQ(windowsPathParts("\\a\\.\\b\\..\\c"), (Parts { "a", "c" }));
    EXPECT_EQ(windowsPathParts("\\..\\..\\x"), Parts { "x" });
}

} // namespace
} // namespace torvex
