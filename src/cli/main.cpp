#include "cli/MenuTool.h"
#include "menu/FileSystem.h"

#include <iostream>

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return torvex::runMenuTool(args, std::cout, std::cerr, torvex::FileSystem::real());
}
