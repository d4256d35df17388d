#include "menu/IniFile.h"

#include "menu/IniError.h"
#include "menu/IniValues.h"
#include "support/FaultyFileSystem.h"
#include "support/SyntheticPrefix.h"

#include <gtest/gtest.h>
#include <utility>

using namespace torvex;
using torvex::test::readFile;
using torvex::test::TempFolder;
namespace fs = std::filesystem;

namespace {

class IniFileTest : public ::testing::Test
{
protected:
    TempFolder folder;
    test::FaultyFileSystem files;
    fs::path path = folder.path() / "wincmd.ini";
    IniFile ini { path.string(), files };
};

} // namespace

TEST_F(IniFileTest, MissingFileReadsAsEmptyAndIsCreatedByAWrite)
{
    EXPECT_TRUE(ini.readSection("DirMenu").empty());
    EXPECT_EQ(ini.readString("s", "k", "def"), "def");
    ini.eraseSection("s");
    ini.replaceSection("s", {});
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(files.writes, 0);

    ini.writeKey("form1", "top", "100");
    EXPECT_EQ(readFile(path), "[form1]\r\ntop=100\r\n");
    EXPECT_EQ(ini.path(), path.string());
}

TEST_F(IniFileTest, EachChangeStartsFromTheFileAsItIsNow)
{
    folder.write("wincmd.ini", "[a]\nx=1\n");
    ini.writeKey("a", "y", "2");
    folder.write("wincmd.ini", readFile(path) + "[b]\nz=3\n"); // someone else writes
    ini.replaceSection("DirMenu", { { "menu1", "Home" } });
    EXPECT_EQ(readFile(path), "[a]\nx=1\ny=2\n[b]\nz=3\n[DirMenu]\nmenu1=Home\n");
    EXPECT_EQ(ini.readSection("dirmenu"), (IniEntries { { "menu1", "Home" } }));
}

TEST_F(IniFileTest, WriteThatChangesNothingLeavesTheFileAlone)
{
    folder.write("wincmd.ini", "[a]\nx=1\n");
    ini.writeKey("a", "x", "1");
    ini.eraseSection("b");
    EXPECT_EQ(files.writes, 0);
}

TEST_F(IniFileTest, SaveKeepsPermissionsLinksAndLeavesNoTemporaryFiles)
{
    folder.write("real.ini", "[a]\nx=1\n");
    const fs::path real = folder.path() / "real.ini";
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, path);

    ini.writeKey("a", "x", "2");

    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(readFile(real), "[a]\nx=2\n");
    EXPECT_EQ(fs::status(real).permissions(),
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
}

TEST_F(IniFileTest, FailedWriteLeavesTheFileAndNamesIt)
{
    folder.write("wincmd.ini", "[DirMenu]\r\nmenu1=old\r\n");
    files.failWrites = true;
    try {
        ini.replaceSection("DirMenu", { { "menu1", "new" } });
        FAIL() << "no error";
    } catch (const IniWriteError &error) {
        EXPECT_STREQ(error.what(), ("Unable to write to " + path.string()).c_str());
        EXPECT_EQ(error.cause(), "No space left on device");
    }
    EXPECT_THROW(ini.eraseSection("DirMenu"), IniWriteError);
    EXPECT_EQ(readFile(path), "[DirMenu]\r\nmenu1=old\r\n");
}

TEST_F(IniFileTest, RealWriteFailuresReportThePath)
{
    const std::string nowhere = (folder.path() / "missing" / "x.ini").string();
    IniFile inMissingFolder(nowhere);
    EXPECT_THROW(
        {
            try {
                inMissingFolder.writeKey("s", "k", "v");
            } catch (const IniWriteError &error) {
                EXPECT_EQ(std::string(error.what()), "Unable to write to " + nowhere);
                throw;
            }
        },
        IniWriteError);

    const fs::path dir = folder.makeFolder("adir");
    IniFile onFolder(dir.string());
    EXPECT_THROW(onFolder.writeKey("s", "k", "v"), IniWriteError);
    EXPECT_TRUE(fs::is_directory(dir));
}

TEST_F(IniFileTest, UnreadableFileFailsReadsAndWrites)
{
    folder.write("wincmd.ini", "[s]\nk=v\n");
    files.failReads = true;
    EXPECT_THROW(ini.readSection("s"), IniReadError);
    try {
        ini.writeKey("s", "k", "w");
        FAIL() << "no error";
    } catch (const IniWriteError &error) {
        EXPECT_NE(error.cause().find("Input/output error"), std::string::npos);
    }
    EXPECT_EQ(files.writes, 0);
}

TEST_F(IniFileTest, RejectedValueIsAWriteError)
{
    folder.write("wincmd.ini", "[s]\nk=v\n");
    try {
        ini.writeKey("s", "k", "two\nlines");
        FAIL() << "no error";
    } catch (const IniWriteError &error) {
        EXPECT_STREQ(error.what(), ("Unable to write to " + path.string()).c_str());
        EXPECT_FALSE(error.cause().empty());
    }
    EXPECT_EQ(readFile(path), "[s]\nk=v\n");
}

TEST_F(IniFileTest, IntegersBoolsAndColoursGoThroughStrings)
{
    folder.write("wincmd.ini",
        "[form2]\nSTextFarve=0x00FF0000\nother=$00FF0000\nbad=blue\n"
        "CBoxAsk=true\nCBoxFixed=2\nCBoxRemote=0\nempty=\n");
    EXPECT_EQ(ini.readInteger("form2", "STextFarve", buttonFaceColour), rgbColour(0, 0, 255));
    EXPECT_EQ(ini.readInteger("form2", "other", buttonFaceColour), rgbColour(0, 0, 255));
    EXPECT_EQ(ini.readInteger("form2", "bad", buttonFaceColour), buttonFaceColour);
    EXPECT_EQ(ini.readInteger("form2", "empty", 7), 7);
    EXPECT_EQ(ini.readInteger("form2", "missing", 7), 7);
    EXPECT_TRUE(ini.readBool("form2", "CBoxAsk", true));
    EXPECT_FALSE(ini.readBool("form2", "CBoxAsk", false));
    EXPECT_TRUE(ini.readBool("form2", "CBoxFixed", false));
    EXPECT_FALSE(ini.readBool("form2", "CBoxRemote", true));
    EXPECT_TRUE(ini.readBool("form2", "missing", true));

    ini.writeInteger("form2", "sTextFontColor", windowTextColour);
    ini.writeBool("form2", "CBoxRemote", true);
    ini.writeBool("form2", "CBoxFixed", false);
    EXPECT_EQ(ini.readString("form2", "sTextFontColor", ""), "-2147483640");
    EXPECT_EQ(ini.readInteger("form2", "sTextFontColor", 0), windowTextColour);
    EXPECT_EQ(ini.readString("form2", "CBoxRemote", ""), "1");
    EXPECT_EQ(ini.readString("form2", "CBoxFixed", ""), "0");
}

TEST_F(IniFileTest, TextItCannotWriteBackIsRefusedAndNeverWritten)
{
    const std::string utf16BigEndian("\xFE\xFF\0[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n", 22);
    folder.write("wincmd.ini", utf16BigEndian);
    try {
        (void)ini.readSection("s");
        FAIL() << "no error";
    } catch (const IniReadError &error) {
        EXPECT_EQ(std::string(error.what()),
            "Unable to read " + path.string() + ": UTF-16 big-endian is not supported");
    }
    EXPECT_THROW((void)ini.readString("s", "k", "def"), IniFormatError);
    EXPECT_THROW(ini.writeKey("s", "k", "w"), IniFormatError);
    EXPECT_THROW(ini.replaceSection("DirMenu", { { "menu1", "x" } }), IniFormatError);
    EXPECT_THROW(ini.eraseSection("s"), IniFormatError);
    EXPECT_EQ(files.writes, 0);
    EXPECT_EQ(readFile(path), utf16BigEndian);
}

TEST_F(IniFileTest, ARejectedValueCarriesItsKeyAndProblem)
{
    folder.write("wincmd.ini", "[s]\nk=v\n");
    try {
        ini.replaceSection("DirMenu", { { "menu1", "A" }, { "cmd1", "cd a\r\nb" } });
        FAIL() << "no error";
    } catch (const IniWriteError &error) {
        try {
            std::rethrow_if_nested(error);
            ADD_FAILURE() << "nothing nested";
        } catch (const IniValueError &refused) {
            EXPECT_EQ(refused.key(), "cmd1");
            EXPECT_EQ(refused.problem(), "holds a line break");
        }
    }
    EXPECT_EQ(readFile(path), "[s]\nk=v\n");
}

// Another program writes the file between a change's read and its write: the change is made
// again from the file as that program left it, so both are kept.
TEST_F(IniFileTest, AChangeIsMadeAgainWhenAnotherProgramWroteTheFileMeanwhile)
{
    ini.writeKey("form1", "top", "100");
    bool written = false;
    files.afterRead = [&](const std::string &) {
        if (!std::exchange(written, true))
            folder.write("wincmd.ini", "[form1]\r\ntop=100\r\n[theirs]\r\nkey=1\r\n");
    };
    ini.writeKey("form1", "left", "7");
    EXPECT_EQ(readFile(path), "[form1]\r\ntop=100\r\nleft=7\r\n[theirs]\r\nkey=1\r\n");
}
