#pragma once

#include <string>

namespace torvex::test {

// The worked example of a DirMenu section, one key a line ending in "\n": a command, a
// submenu with an item that has a target path and a nested submenu, the two end markers, and
// a last command.
inline const std::string workedExampleLines = "menu1=Home\n"
                                              "cmd1=cd c:\\\n"
                                              "menu2=-Tools\n"
                                              "menu3=Editor\n"
                                              "cmd3=cd c:\\ed\n"
                                              "path3=d:\\x\n"
                                              "menu4=-Sub2\n"
                                              "menu5=A\n"
                                              "cmd5=cd a\n"
                                              "menu6=--\n"
                                              "menu7=--\n"
                                              "menu8=Last\n"
                                              "cmd8=cd z\n";

} // namespace torvex::test
