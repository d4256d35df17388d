// Show changes' entries taken straight from the menu kept from the load (or the last save) and
// the editor's tree are those of the lines written, read again and compared, after random
// edits: titles a save keeps or spoils, commands, removals, additions and moves, with the file
// left alone, saved over or rewritten by another program.
#include "app/ChangesOnDisk.h"
#include "files/FileSystem.h"
#include "support/MenuOutlines.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

class AnsweringUi : public MenuFileUi
{
public:
    // Saves anyway, and removes the lines the menu does not show.
    test::ScriptedMessageBoxes boxes;
    MessageBoxes *messageBoxes() override { return &boxes; }
};

std::string fileOf(const DirMenuEntries &lines)
{
    std::string text = "[Configuration]\r\nInstallDir=c:\\fm\r\n[DirMenu]\r\n";
    for (const auto &[key, value] : lines)
        text += key + "=" + value + "\r\n";
    return text;
}

DirMenuEntries linesOfOutline(const std::string &outline)
{
    MenuTree tree;
    test::buildTree(tree, outline);
    return dirMenuLinesToSave(tree);
}

// Titles a save writes as they are, and those it cannot keep ("", a leading "-", blanks the
// file loses, a submenu title cut at 99 characters).
const std::vector<std::string> titles = { "A",
    "Caf\xc3\xa9",
    "",
    "-",
    "-x",
    "--",
    " blank ",
    "\"quoted\"",
    std::string(120, 'y') };

// One edit drawn from `draw` on the node at `at` in menu order.
void edit(MenuTree &tree, int draw)
{
    if (tree.isEmpty()) {
        tree.addNode(nullptr, AttachMode::Add, "New", NodeKind::Item);
        return;
    }
    const std::vector<MenuNode *> nodes = tree.preOrder();
    MenuNode *node = nodes[std::size_t(draw / 8) % nodes.size()];
    const std::string &text = titles[std::size_t(draw / 64) % titles.size()];
    switch (draw % 8) {
    case 0:
    case 1:
        tree.setTitle(node, text);
        break;
    case 2:
        tree.setCommand(node, "cd " + text);
        break;
    case 3:
        tree.setTargetPath(node, draw % 3 ? text : std::string());
        break;
    case 4:
        tree.remove(node);
        break;
    case 5:
        tree.addNode(node, AttachMode::Add, text.empty() ? "Added" : text, NodeKind::Item);
        break;
    case 6:
        tree.addNode(node, AttachMode::AddChild, "Child", NodeKind::Item);
        break;
    case 7: {
        MenuNode *target = nodes[std::size_t(draw / 512) % nodes.size()];
        if (!target->isInSubtreeOf(node))
            tree.move(node, target, draw % 2 ? AttachMode::Add : AttachMode::AddFirst);
        break;
    }
    }
}

void checkAgainstLines(const std::string &path, const MenuTree &tree, const LoadedFile &loaded)
{
    FileSystem &fs = FileSystem::real();
    const MenuComparison lines =
        compareDirMenus(dirMenuLinesOnDisk(path, fs), dirMenuLinesToSave(tree));
    const ChangesOnDisk changes = compareWithDisk(path, tree, fs, loaded);
    RC_ASSERT(changes.sameLines == lines.isSame());
    RC_ASSERT(changes.entries.counts == lines.entries);
    const std::vector<DifferingEntry> &differing = changes.entries.differing;
    RC_ASSERT(differing.size() == lines.differingEntries.size());
    for (std::size_t i = 0; i < differing.size(); ++i) {
        const DifferingEntry &expected = lines.differingEntries[i];
        RC_ASSERT(differing[i].kind == expected.kind);
        RC_ASSERT(differing[i].before == expected.before);
        RC_ASSERT(differing[i].after == expected.after);
        RC_ASSERT(differing[i].fields == expected.fields);
    }
}

// What happens to the file between the load and the comparison.
enum class OnDisk { Left, Saved, Rewritten };

void loadEditCompare(const DirMenuEntries &lines, OnDisk onDisk)
{
    const auto edits = *rc::gen::container<std::vector<int>>(
        *rc::gen::inRange(0, 6), rc::gen::inRange(0, 1 << 20));
    test::TempDir dir;
    const std::string path = dir.write("wincmd.ini", fileOf(lines));
    FileSystem &fs = FileSystem::real();
    AnsweringUi ui;
    LoadedFile loaded;
    MenuTree tree;
    RC_ASSERT(loadMenuInteractively(path, tree, ui, fs, loaded));
    for (const int draw : edits)
        edit(tree, draw);
    if (onDisk == OnDisk::Saved) {
        saveMenuInteractively(path, tree, ui, fs, loaded);
        for (const int draw : *rc::gen::container<std::vector<int>>(
                 *rc::gen::inRange(0, 4), rc::gen::inRange(0, 1 << 20)))
            edit(tree, draw);
    } else if (onDisk == OnDisk::Rewritten) {
        MenuTree other;
        readDirMenu(lines, other);
        edit(other, *rc::gen::inRange(0, 1 << 20));
        dir.write("wincmd.ini", fileOf(dirMenuLinesToSave(other)));
    }
    checkAgainstLines(path, tree, loaded);
    // Again after one more edit, from the menu the first comparison kept where the file is
    // the one read last.
    edit(tree, *rc::gen::inRange(0, 1 << 20));
    checkAgainstLines(path, tree, loaded);
}

rc::Gen<std::vector<int>> drawsUpTo(int count, int limit)
{
    return rc::gen::resize(count, rc::gen::container<std::vector<int>>(rc::gen::inRange(0, limit)));
}

RC_GTEST_PROP(ChangesOnDiskProperty, StorableMenusEditedLeftSavedOrRewritten, ())
{
    const auto draws = *drawsUpTo(30, 1600);
    const auto onDisk = *rc::gen::element(OnDisk::Left, OnDisk::Saved, OnDisk::Rewritten);
    loadEditCompare(linesOfOutline(test::storableOutline(draws)), onDisk);
}

RC_GTEST_PROP(ChangesOnDiskProperty, AnySectionsEditedLeftSavedOrRewritten, ())
{
    const auto draws = *drawsUpTo(30, 6336);
    const auto onDisk = *rc::gen::element(OnDisk::Left, OnDisk::Saved, OnDisk::Rewritten);
    loadEditCompare(test::anySection(draws), onDisk);
}

} // namespace
} // namespace torvex
