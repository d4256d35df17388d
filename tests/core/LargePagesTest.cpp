#include "core/LargePages.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace torvex {
namespace {

TEST(LargeHeapPagesTest, TheTunableIsAddedToWhatTheUserSetAndNeverTwice)
{
    EXPECT_EQ(tunablesWithLargeHeapPages(nullptr), "glibc.malloc.hugetlb=1");
    EXPECT_EQ(tunablesWithLargeHeapPages(""), "glibc.malloc.hugetlb=1");
    EXPECT_EQ(tunablesWithLargeHeapPages("glibc.malloc.arena_max=2"),
        "glibc.malloc.arena_max=2:glibc.malloc.hugetlb=1");
    EXPECT_EQ(tunablesWithLargeHeapPages("glibc.malloc.arena_max=2:glibc.rtld.nns=8"),
        "glibc.malloc.arena_max=2:glibc.rtld.nns=8:glibc.malloc.hugetlb=1");
    // A name that only starts like it is another tunable.
    EXPECT_EQ(tunablesWithLargeHeapPages("glibc.malloc.hugetlbx=1"),
        "glibc.malloc.hugetlbx=1:glibc.malloc.hugetlb=1");

    // The user's own choice stands, whatever its value and place; and what a start again
    // was given asks for nothing more, so the program starts again at most once.
    for (const char *chosen : { "glibc.malloc.hugetlb=0",
             "glibc.malloc.hugetlb=2",
             "glibc.malloc.arena_max=2:glibc.malloc.hugetlb=0",
             "glibc.malloc.hugetlb=1:glibc.malloc.arena_max=2",
             "glibc.malloc.hugetlb" })
        EXPECT_EQ(tunablesWithLargeHeapPages(chosen), std::nullopt) << chosen;
    for (const char *before : { "", "glibc.malloc.arena_max=2" })
        EXPECT_EQ(
            tunablesWithLargeHeapPages(tunablesWithLargeHeapPages(before)->c_str()), std::nullopt);
}

TEST(LargeHeapPagesTest, OnlyLibrariesAndSystemsWhereTheyHelp)
{
    for (const char *knows : { "2.35", "2.36", "2.41", "3.0" })
        EXPECT_TRUE(cLibraryHasHeapLargePages(knows)) << knows;
    for (const char *doesNot : { "2.34", "2.4", "1.99", "", "2", "2.", "x.36" })
        EXPECT_FALSE(cLibraryHasHeapLargePages(doesNot)) << doesNot;

    EXPECT_TRUE(largePagesOnlyWhereAsked("always [madvise] never"));
    EXPECT_FALSE(largePagesOnlyWhereAsked("[always] madvise never"));
    EXPECT_FALSE(largePagesOnlyWhereAsked("always madvise [never]"));
    EXPECT_FALSE(largePagesOnlyWhereAsked(""));
}

TEST(LargeHeapPagesTest, TheEnvironmentKeepsEverythingElseInItsOrder)
{
    const std::vector<std::string> without { "HOME=/root", "GLIBC_TUNABLES_OLD=1", "LANG=de" };
    EXPECT_EQ(environmentWith(without, "GLIBC_TUNABLES", "a=1"),
        (std::vector<std::string> {
            "HOME=/root", "GLIBC_TUNABLES_OLD=1", "LANG=de", "GLIBC_TUNABLES=a=1" }));

    // Replaced where it was; a second definition (the C library reads the first) is dropped.
    const std::vector<std::string> with {
        "HOME=/root", "GLIBC_TUNABLES=b=2", "LANG=de", "GLIBC_TUNABLES=c=3", "EMPTY="
    };
    EXPECT_EQ(environmentWith(with, "GLIBC_TUNABLES", "b=2:a=1"),
        (std::vector<std::string> { "HOME=/root", "GLIBC_TUNABLES=b=2:a=1", "LANG=de", "EMPTY=" }));
    EXPECT_EQ(environmentWith({}, "GLIBC_TUNABLES", "a=1"),
        (std::vector<std::string> { "GLIBC_TUNABLES=a=1" }));
}

TEST(LargeHeapPagesTest, TheLargestFileNamedAfterTheProgramCounts)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path()
        / ("torvex-large-pages-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "sub");
    const auto write = [&folder](const char *name, std::size_t bytes) {
        std::ofstream(folder / name, std::ios::binary) << std::string(bytes, 'x');
        return (folder / name).string();
    };
    const std::string program = write("program", 5000);
    const std::string small = write("small.ini", 10);
    const std::string large = write("large.ini", 3000);
    const std::string missing = (folder / "missing.ini").string();
    const std::string sub = (folder / "sub").string();

    const auto largest = [](std::vector<std::string> arguments) {
        std::vector<const char *> argv;
        for (const std::string &argument : arguments)
            argv.push_back(argument.c_str());
        return largestFileNamed(static_cast<int>(argv.size()), argv.data());
    };
    // The program itself is not an argument.
    EXPECT_EQ(largest({ program }), 0u);
    EXPECT_EQ(largest({ program, small }), 10u);
    EXPECT_EQ(largest({ program, "--prefix", sub, large, small }), 3000u);
    EXPECT_EQ(largest({ program, missing, sub, "-platform", "offscreen" }), 0u);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace torvex
