#include "app/PrefixOption.h"
#include "cli/CommandView.h"
#include "cli/MenuTool.h"
#include "core/Text.h"
#include "files/FileSystem.h"
#include "files/RecoveryCopy.h"
#include "platform/WindowsFileSystem.h"
#include "platform/WindowsView.h"

#include <iostream>
#include <memory>

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const auto &found :
        torvex::findRecoveryCopies(torvex::FileSystem::real().recoveryFolder()))
        std::cerr << "torvex-menu: "
                  << torvex::visibleText(torvex::recoveryCopyNotice(found).english()) << '\n';
    try {
        // Files are named as the editor names them: "C:\..." paths go through the Wine
        // prefix, so that what "where" prints can be given to print, check and resave. The
        // prefix is the one --prefix names, else the one the file lies in.
        const torvex::Environment environment = torvex::processEnvironment();
        const auto namedPrefix = torvex::takePrefixOption(args);
        auto view = std::make_shared<const torvex::WindowsView>(
            torvex::viewForCommand(args, namedPrefix, environment, std::cerr));
        torvex::WindowsFileSystem fs(view);
        return torvex::runMenuTool(args, std::cout, std::cerr, fs, *view, environment);
    } catch (const std::exception &error) {
        std::cerr << "torvex-menu: " << torvex::visibleText(error.what()) << '\n';
        return 2;
    }
}
