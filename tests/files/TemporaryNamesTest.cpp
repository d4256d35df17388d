// Temporaries and recovery copies as they are named and made in real use: process ids and
// counts of every length, several copies left at once, and a copy that cannot be written.
#include "files/FileSystem.h"

#include "menu/IniError.h"
#include "files/RecoveryCopy.h"
#include "files/TemporaryFiles.h"
#include "support/FaultyFileSystem.h"
#include "support/ProcessesAndFlags.h"
#include "support/TempDir.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace torvex {
namespace {

using test::readFile;
using test::TempDir;
namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path &folder)
{
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// A number of `digits` digits (the first one not zero but for a single digit).
std::string numberOf(std::size_t digits, char last)
{
    std::string text(digits, last);
    text[0] = digits == 1 ? last : '1';
    return text;
}

std::string temporaryName(const std::string &pid, const std::string &n, const std::string &random)
{
    return ".torvex-" + pid + "-" + n + "-" + random + ".tmp";
}

TEST(TemporaryNames, EveryLengthOfProcessIdAndCountUpToTenDigitsIsTorvexsForm)
{
    const std::string random = "0123456789abcdef";
    for (std::size_t digits = 1; digits <= 10; ++digits) {
        for (const char last : { '0', '9' }) {
            const std::string number = numberOf(digits, last);
            EXPECT_TRUE(isTemporaryName(temporaryName(number, "0", random))) << number;
            EXPECT_TRUE(isTemporaryName(temporaryName("7", number, random))) << number;
            EXPECT_TRUE(isTemporaryName(temporaryName(number, number, random))) << number;
        }
    }
    // The largest a pid and the count can be.
    EXPECT_TRUE(isTemporaryName(temporaryName("4194304", "4294967295", "ffffffffffffffff")));

    for (const std::string &other : {
             temporaryName("12345678901", "0", random), // eleven digits
             temporaryName("1", "12345678901", random),
             temporaryName("", "0", random),
             temporaryName("1", "", random),
             temporaryName("1a", "0", random),
             temporaryName("1", "0x", random),
             temporaryName("1", "0", "0123456789abcde"), // fifteen
             temporaryName("1", "0", "0123456789abcdef0"), // seventeen
             temporaryName("1", "0", "0123456789ABCDEF"),
             temporaryName("1", "0", "0123456789abcdeg"),
             temporaryName("1", "0-1", random),
             std::string(".torvex-1-0-") + random + ".tmp~",
             std::string("torvex-1-0-") + random + ".tmp",
             std::string(".torvex-1-0-") + random,
             std::string(".torvex--.tmp"),
         })
        EXPECT_FALSE(isTemporaryName(other)) << other;
}

TEST(TemporaryNames, TheProgramsOwnNamesAreItsFormAndDistinct)
{
    TempDir dir;
    std::set<std::string> names;
    for (int i = 0; i < 50; ++i) {
        const TemporaryFile temporary(dir.path().string());
        const std::string name = fs::path(temporary.path()).filename().string();
        EXPECT_TRUE(isTemporaryName(name)) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 50u);
    EXPECT_TRUE(fs::is_empty(dir.path())) << "each is removed with its object";
}

TEST(TemporaryNames, DeadTemporariesOfEveryLengthAreCleanedUpAndOnlyThey)
{
    TempDir dir;
    const std::string random = "89abcdef01234567";
    std::set<std::string> dead;
    for (std::size_t digits = 1; digits <= 10; ++digits) {
        const std::string number = numberOf(digits, '9');
        for (const std::string &name :
            { temporaryName(number, "3", random), temporaryName("3", number, random) }) {
            dir.write(name, "partial");
            dead.insert(name);
        }
    }
    const std::set<std::string> kept = { temporaryName("12345678901", "3", random),
        temporaryName("3", "3", "89abcdef0123456"),
        temporaryName("3", "3", random) + ".bak",
        "wincmd.ini" };
    for (const std::string &name : kept)
        dir.write(name, "the user's");

    EXPECT_EQ(removeDeadTemporaries(dir.path().string()), static_cast<int>(dead.size()));
    EXPECT_EQ(namesIn(dir.path()), kept);
}

class RecoveryCopies : public ::testing::Test
{
protected:
    TempDir state;
    const fs::path folder = state.path() / "torvex";
};

TEST_F(RecoveryCopies, SeveralCopiesLeftAtOnceAreEachFoundWithTheirFileInTheOrderOfTheirNames)
{
    // Copies that killed saves left before this run, made in an order other than their
    // names': of one file, the earliest comes first.
    fs::create_directories(folder);
    const auto leave = [&](const std::string &name, const std::string &original) {
        std::ofstream(folder / name) << "earlier content of " << original;
        std::ofstream(folder / (name + ".path")) << original << "\n";
    };
    const std::string pid = std::to_string(test::endedProcessId());
    leave("wincmd.ini.20260301-090000." + pid + "-0.recovery", "/home/b/wincmd.ini");
    leave("wincmd.ini.20251231-235959." + pid + "-2.recovery", "/home/a/wincmd.ini");
    leave("other.ini.20260301-090000." + pid + "-1.recovery", "/home/c/other.ini");
    leave("wincmd.ini.20260101-000000." + pid + "-10.recovery", "/home/f/wincmd.ini");
    leave("wincmd.ini.20260101-000000." + pid + "-9.recovery", "/home/d/wincmd.ini");

    // And two of this process, for the same file, kept while it lives.
    std::vector<std::string> own;
    {
        RecoveryCopy first(folder, "/home/e/wincmd.ini", "first");
        RecoveryCopy second(folder, "/home/e/wincmd.ini", "second");
        own = { first.path(), second.path() };
        EXPECT_NE(first.path(), second.path());
        EXPECT_EQ(findRecoveryCopies(folder).size(), 5u) << "live copies are not leftovers";
    }
    const auto found = findRecoveryCopies(folder);
    std::vector<std::string> copies;
    std::vector<std::string> originals;
    for (const FoundRecoveryCopy &copy : found) {
        copies.push_back(fs::path(copy.copy).filename().string());
        originals.push_back(copy.original);
        if (copy.original != "/home/e/wincmd.ini") {
            EXPECT_EQ(readFile(copy.copy), "earlier content of " + copy.original);
        }
    }
    ASSERT_EQ(found.size(), 7u);
    EXPECT_EQ(copies[0], "other.ini.20260301-090000." + pid + "-1.recovery");
    EXPECT_EQ(copies[1], "wincmd.ini.20251231-235959." + pid + "-2.recovery");
    // Made the same second by one process, the first made comes first.
    EXPECT_EQ(copies[2], "wincmd.ini.20260101-000000." + pid + "-9.recovery");
    EXPECT_EQ(copies[3], "wincmd.ini.20260101-000000." + pid + "-10.recovery");
    EXPECT_EQ(copies[4], "wincmd.ini.20260301-090000." + pid + "-0.recovery");
    EXPECT_EQ(originals,
        (std::vector<std::string> { "/home/c/other.ini",
            "/home/a/wincmd.ini",
            "/home/d/wincmd.ini",
            "/home/f/wincmd.ini",
            "/home/b/wincmd.ini",
            "/home/e/wincmd.ini",
            "/home/e/wincmd.ini" }));
    EXPECT_EQ(found[5].copy, own[0]);
    EXPECT_EQ(found[6].copy, own[1]);
    EXPECT_EQ(readFile(found[5].copy), "first");
    EXPECT_EQ(readFile(found[6].copy), "second");
}

// Writes beyond `limit` bytes fail with "File too large" while the object lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit small = m_saved;
        small.rlim_cur = limit;
        m_set = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool isSet() const { return m_set; }

private:
    rlimit m_saved {};
    bool m_set = false;
};

TEST_F(RecoveryCopies, ACopyThatCannotBeWrittenLeavesNothingBehind)
{
    const std::string large(20000, 'x');
    {
        const FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.isSet());
        try {
            RecoveryCopy copy(folder, "/home/a/wincmd.ini", large);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error &error) {
            EXPECT_EQ(std::string(error.what()),
                "no recovery copy could be kept in " + folder.string() + ": File too large");
        }
    }
    EXPECT_TRUE(fs::is_empty(folder)) << "neither the copy, its note nor a temporary";
    EXPECT_TRUE(findRecoveryCopies(folder).empty());
}

TEST_F(RecoveryCopies, AnInPlaceSaveWhoseCopyCannotBeWrittenLeavesTheFileAndNoCopy)
{
    TempDir dir;
    const std::string old = "[DirMenu]\r\n" + std::string(20000, ';') + "\r\n";
    const std::string file = dir.write("wincmd.ini", old);
    test::FaultyFileSystem files(folder);
    files.foldersLocked = true;
    std::string cause;
    {
        // The new content is short, but the copy of the old one does not fit.
        const FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.isSet());
        try {
            files.writeAtomic(file, "[DirMenu]\r\nmenu1=new\r\n");
        } catch (const IniWriteError &error) {
            cause = error.cause();
        }
    }
    EXPECT_EQ(cause, "no recovery copy could be kept in " + folder.string() + ": File too large");
    EXPECT_EQ(readFile(file), old);
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string> { "wincmd.ini" });
    EXPECT_TRUE(fs::is_empty(folder));
}

} // namespace
} // namespace torvex
