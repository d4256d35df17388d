// The DirMenu reader against its writer and the streaming resave against both, on generated
// menus and sections: a menu the file can store reads back as it was written, what the reader
// builds from any section is written the same way again, and the resave writes what reading
// into a tree and writing that tree would.
#include "menu/DirMenuReader.h"
#include "menu/DirMenuWriter.h"
#include "menu/DirMenuStorability.h"
#include "menu/MenuResave.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

const std::string longTitle = std::string(98, 'x') + "\xc3\xa9" + "tail";

// A menu the file can store: titles without a leading dash (but separators, "-" items without
// a command), submenu titles of at most 99 characters, no line breaks, no command or target
// path on a submenu. Each entry goes one level
// deeper than the one before, stays, or climbs out of one or two levels.
std::string storableOutline(const std::vector<int> &draws)
{
    const std::vector<std::string> titles = { "A", "Caf\xc3\xa9", "x-y", "b l a n k", "Tab\there" };
    const std::vector<std::string> commands = { "", "cd C:\\x", "cd \"C:\\a b\"", "=x=" };
    std::string text;
    int depth = 0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const int draw = draws[i];
        const int step = draw % 5;
        if (i > 0 && step == 0)
            depth = std::min(depth + 1, 4);
        else if (step >= 3)
            depth = std::max(0, depth - (step - 2));
        text += std::string(2 * static_cast<std::size_t>(depth), ' ');
        // The next entry is a child when it goes deeper: then this one is a submenu.
        const bool submenu = i + 1 < draws.size() && draws[i + 1] % 5 == 0;
        const int kind = (draw / 5) % 8;
        if (!submenu && kind == 0) {
            text += "-\n";
            continue;
        }
        text += !submenu && kind == 1 ? longTitle : titles[std::size_t(draw / 40) % titles.size()];
        // A submenu's command and target path are not written: it has none here.
        const std::string &command =
            submenu ? commands[0] : commands[std::size_t(draw / 200) % commands.size()];
        const bool target = !submenu && (draw / 800) % 2 == 1;
        if (!command.empty() || target)
            text += "|" + command;
        if (target)
            text += "|D:\\t" + std::to_string(i);
        text += "\n";
    }
    return text;
}

// The lines as the reader takes them from a file: empty values are no lines.
DirMenuEntries asRead(DirMenuEntries lines)
{
    std::erase_if(lines, [](const auto &line) {
        return line.second.empty();
    });
    return lines;
}

std::string outlineOfLines(const DirMenuEntries &lines)
{
    MenuTree tree;
    readDirMenu(asRead(lines), tree);
    return test::outline(tree);
}

RC_GTEST_PROP(DirMenuRoundTripProperty, AStorableMenuReadsBackAsItWasWritten, ())
{
    const auto draws = *rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 1600));
    MenuTree tree;
    test::buildTree(tree, storableOutline(draws));
    RC_PRE(findUnstorableEntries(tree).empty());
    RC_ASSERT(outlineOfLines(writeDirMenu(tree)) == test::outline(tree));
}

// Any DirMenu section: titles of every shape the reader treats apart, commands and target paths
// on any entry, numbers with gaps, past the count or twice, keys in any letter case.
DirMenuEntries anySection(const std::vector<int> &draws)
{
    const std::vector<std::string> titles = { "Item",
        "-",
        "--",
        "---",
        "-- end",
        "-Sub",
        "-Other",
        "-" + longTitle,
        longTitle,
        "-\xc3\xa9",
        " -x" };
    DirMenuEntries entries;
    std::size_t n = 0;
    for (const int draw : draws) {
        ++n;
        const int shape = draw % 16;
        const std::size_t number = shape == 0 ? n + 1 : shape == 1 ? n - 1 : shape == 2 ? 300 : n;
        const std::string suffix = std::to_string(number);
        entries.emplace_back((draw / 16) % 6 == 0 ? "Menu" + suffix : "menu" + suffix,
            titles[std::size_t(draw / 96) % titles.size()]);
        if ((draw / 1056) % 2 == 0)
            entries.emplace_back("cmd" + suffix, "cd C:\\F" + suffix);
        if ((draw / 2112) % 3 == 0)
            entries.emplace_back("PATH" + suffix, "D:\\P" + suffix);
    }
    return entries;
}

RC_GTEST_PROP(DirMenuRoundTripProperty, WhatTheReaderBuildsIsWrittenTheSameWayAgain, ())
{
    const auto draws = *rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 6336));
    MenuTree first;
    readDirMenu(anySection(draws), first);
    const DirMenuEntries written = writeDirMenu(first);
    MenuTree second;
    readDirMenu(asRead(written), second);
    RC_ASSERT(writeDirMenu(second) == written);
}

RC_GTEST_PROP(DirMenuRoundTripProperty, TheResaveWritesWhatTheTreeWouldWrite, ())
{
    const auto draws = *rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 6336));
    DirMenuValues values;
    for (const auto &[key, value] : anySection(draws))
        values.add(key, value);
    MenuTree tree;
    readDirMenu(values, tree);
    DirMenuEntries resaved;
    forEachResavedDirMenuLine(values, [&resaved](std::string_view key, std::string_view value) {
        resaved.emplace_back(key, value);
    });
    RC_ASSERT(resaved == writeDirMenu(tree));
}

} // namespace
} // namespace torvex
