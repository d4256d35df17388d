// torvex-menu export, import, add and remove run as a program on files of their own.
#include "support/MenuTool.h"

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::readFile;
using test::TempDir;
using test::ToolRun;

ToolRun runTool(const std::string &args)
{
    return test::runMenuTool("/nonexistent-prefix", args);
}

// Every sample file: the menu exported and imported again is written as a save of the menu
// writes it, and into a file so written it goes back byte for byte, in JSON and (for the
// menu) in YAML alike.
TEST(MenuAsCodeCommands, ExportThenImportGivesTheFileBackByteForByte)
{
    std::vector<std::filesystem::path> samples;
    for (const char *folder : { TORVEX_SOURCE_DIR "/examples", TORVEX_DATA_DIR "/ini" })
        for (const auto &entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == ".ini")
                samples.push_back(entry.path());
    ASSERT_GE(samples.size(), 2u);
    for (const auto &sample : samples) {
        SCOPED_TRACE(sample.string());
        TempDir dir;
        const std::string original = readFile(sample);
        const std::string file = dir.write("wincmd.ini", original);
        const std::string saved = dir.write("saved.ini", original);
        ASSERT_EQ(runTool("resave '" + saved + "'").exitCode, 0);

        const test::ToolStreams exported =
            test::runMenuToolStreams("/nonexistent-prefix", "export " + file);
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        const std::string json = dir.write("menu.json", exported.out);
        ASSERT_EQ(runTool("import " + file + " " + json).exitCode, 0);
        EXPECT_EQ(readFile(file), readFile(saved));
        if (readFile(saved) != original) {
            EXPECT_EQ(readFile(file + ".bak"), original) << "the file as it was is kept";
        }

        const std::string written = readFile(file);
        ASSERT_EQ(runTool("import " + file + " " + json).exitCode, 0);
        EXPECT_EQ(readFile(file), written);
        EXPECT_EQ(runTool("export " + file).out, exported.out);
        EXPECT_EQ(runTool("export --yaml " + file).exitCode, 0);
    }
}

TEST(MenuAsCodeCommands, WhatCannotBeImportedIsRefusedWithExitTwoAndTheFileStaysUntouched)
{
    TempDir dir;
    const std::string before = "[DirMenu]\nmenu1=Home\ncmd1=cd c:\\\n";
    const std::string file = dir.write("wincmd.ini", before);
    const struct
    {
        const char *json;
        const char *message;
    } cases[] = {
        { "{\"menu\": [{\"title\": \"a\",}]}",
            "torvex-menu: MENU: line 1, column 25: expected a member name in quotes, found "
            "'}'\n" },
        { "{\"menu\": [{\"title\": \"a\", \"command\": [\"x\"]}]}",
            "torvex-menu: MENU: line 1, column 37: \"command\" must be a string\n" },
        { "{\"menu\": [{\"title\": \"Tools\", \"children\": [{\"title\": \"-Old\", \"command\": "
          "\"cd x\"}, {\"title\": \"Two\\nlines\"}]}]}",
            "torvex-menu: The file cannot store these entries as they are:\n"
            "  Tools > -Old: a title beginning with \"-\" reads back as a submenu\n"
            "  Tools > Two\xE2\x90\x8Alines: the title holds a line break\n" },
    };
    for (const auto &c : cases) {
        const std::string json = dir.write("menu.json", c.json);
        const ToolRun run = runTool("import " + file + " " + json);
        EXPECT_EQ(run.exitCode, 2) << c.json;
        std::string message = c.message;
        if (const std::size_t at = message.find("MENU"); at != std::string::npos)
            message.replace(at, 4, json);
        EXPECT_EQ(run.out, message) << c.json;
        EXPECT_EQ(readFile(file), before) << c.json;
        EXPECT_FALSE(std::filesystem::exists(file + ".bak")) << "nothing to keep: nothing written";
    }
    const ToolRun missing = runTool("import " + file + " " + dir.file("none.json"));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.out.find("none.json: No such file or directory"), std::string::npos);
    EXPECT_EQ(runTool("import " + file).exitCode, 2);
    EXPECT_EQ(readFile(file), before);
}

std::string print(const std::string &file)
{
    return runTool("print " + file).out;
}

TEST(MenuAsCodeCommands, AddPutsEntriesWhereTitlePathsSayAndMakesMissingSubmenus)
{
    TempDir dir;
    const std::string file = dir.write("wincmd.ini",
        "[DirMenu]\nmenu1=Home\ncmd1=cd h\nmenu2=-Tools\nmenu3=Old\ncmd3=cd o\nmenu4=--\n"
        "menu5=-A > B\nmenu6=C\ncmd6=cd c\nmenu7=--\n");
    EXPECT_EQ(runTool("add " + file + " --title 'Vim' --command 'cd v' --path 'D:\\v'"
                  " --under 'Tools > Editors'")
                  .exitCode,
        0);
    EXPECT_EQ(runTool("add " + file + " --title 'x>y' --command 'cd xy' --first --under 'A > B'")
                  .exitCode,
        0);
    EXPECT_EQ(runTool("add " + file + " --title 'Mid' --command 'cd m' --after Home").exitCode, 0);
    EXPECT_EQ(runTool("add " + file + " --title 'Top' --command 'cd t' --first").exitCode, 0);
    EXPECT_EQ(runTool("add " + file + " --title 'End' --command 'cd e'").exitCode, 0);
    EXPECT_EQ(print(file),
        "Top\tcd t\nHome\tcd h\nMid\tcd m\nTools\n  Old\tcd o\n  Editors\n    Vim\tcd v\tD:\\v\n"
        "A > B\n  x>y\tcd xy\n  C\tcd c\nEnd\tcd e\n");

    const std::string before = readFile(file);
    const ToolRun notFound = runTool("add " + file + " --title a --command b --after Nowhere");
    EXPECT_EQ(notFound.exitCode, 1);
    const ToolRun intoItem = runTool("add " + file + " --title a --command b --under 'Tools > Old'");
    EXPECT_EQ(intoItem.exitCode, 2);
    EXPECT_EQ(intoItem.out,
        "torvex-menu: \"Tools > Old\" is an entry with a command, not a submenu\n");
    for (const char *usage : { "--title a", "--command b", "--title a --command b --first --after x",
             "--title a --command b --colour red", "--title a --command" })
        EXPECT_EQ(runTool("add " + file + " " + usage).exitCode, 2) << usage;
    EXPECT_EQ(readFile(file), before);
}

TEST(MenuAsCodeCommands, RemoveTakesTheNamedEntryWithWhatItHoldsOrExitsOneWhenThereIsNone)
{
    TempDir dir;
    const std::string file = dir.write("wincmd.ini",
        "[DirMenu]\nmenu1=Home\ncmd1=cd h\nmenu2=-Tools\nmenu3=Old\ncmd3=cd o\nmenu4=--\n"
        "menu5=-A > B\nmenu6=-C\nmenu7=D\ncmd7=cd d\nmenu8=--\nmenu9=--\nmenu10=x>y\ncmd10=cd xy\n");
    EXPECT_EQ(runTool("remove " + file + " 'Tools > Old'").exitCode, 0);
    EXPECT_EQ(runTool("remove " + file + " 'A > B > C'").exitCode, 0);
    EXPECT_EQ(runTool("remove " + file + " 'x>y'").exitCode, 0);
    // A submenu that lost its last entry stays, as an entry of its own.
    EXPECT_EQ(print(file), "Home\tcd h\nTools\t\nA > B\t\n");

    const std::string before = readFile(file);
    const ToolRun missing = runTool("remove " + file + " 'Tools > Old'");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "torvex-menu: no entry \"Tools > Old\"\n");
    EXPECT_EQ(runTool("remove " + file).exitCode, 2);
    EXPECT_EQ(runTool("remove " + dir.file("none.ini") + " Home").exitCode, 2);
    EXPECT_EQ(readFile(file), before);
}

} // namespace
} // namespace torvex
