#pragma once

#include "editor/MenuEditor.h"
#include "support/FakeEditorUi.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace torvex::test {

// A MenuEditor over a tree, a fake window and scripted boxes; `folders` are the folders that
// exist.
class EditorFixture : public ::testing::Test
{
protected:
    EditorFixture()
    {
        ui.editor = &editor;
        ui.messageBoxes = &boxes;
    }

    // Loads an outline the way opening a file does: panel enabled, first node selected.
    void load(const std::string &text)
    {
        buildTree(tree, text);
        ui.panelEnabled = true;
        tree.setSelected(tree.first());
        editor.showSelectedEntry();
    }

    // Selects a node by title the way a click in the tree does.
    MenuNode *click(const std::string &title)
    {
        MenuNode *node = find(tree, title);
        EXPECT_NE(node, nullptr) << title;
        tree.setSelected(node);
        editor.showSelectedEntry();
        return node;
    }

    MenuTree tree;
    FakeEditorUi ui;
    ScriptedMessageBoxes boxes;
    std::set<std::string> folders;
    MenuEditor editor { tree, ui, [this](const std::string &path) {
                           return folders.count(path) > 0;
                       } };
};

} // namespace torvex::test
