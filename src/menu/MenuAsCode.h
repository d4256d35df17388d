#pragma once

#include "menu/MenuTree.h"

#include <string>
#include <string_view>

namespace torvex {

// The menu as a text that scripts and version control can hold: a tree of entries, each
// with its title, command, target path ("path") and children, in the order of the menu.
// docs/menu.schema.json describes the JSON form. An entry with children is a submenu and
// carries neither command nor target path (the file stores none for it); empty values are
// left out.

// The menu as JSON, two blanks of indent a level, each entry without children on one line.
std::string menuAsJson(const MenuTree &tree);

// The same tree as YAML.
std::string menuAsYaml(const MenuTree &tree);

// Replaces the tree with the menu of a JSON text in the form menuAsJson writes. Throws
// TorvexError ("line L, column C: <what is wrong>") when the text is not JSON or not such a
// menu; the tree is then left as it was.
void readMenuJson(std::string_view text, MenuTree &tree);

} // namespace torvex
