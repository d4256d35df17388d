#pragma once

#include "menu/MenuTree.h"

#include <string>

namespace torvex::test {

// Builds trees from an outline: one node a line, two blanks of indent per level, an optional
// "|command" and "|command|target" after the title. A node with indented lines below it
// becomes a submenu.
void buildTree(MenuTree &tree, const std::string &outline);

// The tree as an outline in the same notation (commands shown only where set).
std::string outline(const MenuTree &tree);

// Finds the first node with this title in pre-order; nullptr when there is none.
MenuNode *find(const MenuTree &tree, const std::string &title);

} // namespace torvex::test
