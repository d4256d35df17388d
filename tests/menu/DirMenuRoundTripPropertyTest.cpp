// The DirMenu reader against its writer and the streaming resave against both, on generated
// menus and sections: a menu the file can store reads back as it was written, what the reader
// builds from any section is written the same way again, and the resave writes what reading
// into a tree and writing that tree would.
#include "menu/DirMenuReader.h"
#include "menu/DirMenuWriter.h"
#include "menu/DirMenuStorability.h"
#include "menu/MenuResave.h"
#include "support/MenuOutlines.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

using test::anySection;
using test::storableOutline;

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
