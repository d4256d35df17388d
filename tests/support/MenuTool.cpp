#include "support/MenuTool.h"

#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace torvex::test {

ToolRun runMenuTool(const std::filesystem::path &prefix,
    const std::string &args,
    const std::filesystem::path &stateHome)
{
    const TempDir emptyState;
    const std::string command = "XDG_STATE_HOME='"
        + (stateHome.empty() ? emptyState.path() : stateHome).string() + "' WINEPREFIX='"
        + prefix.string() + "' " + TORVEX_MENU_TOOL + " " + args + " 2>&1";
    FILE *pipe = ::popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer {};
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return { WEXITSTATUS(status), out };
}

} // namespace torvex::test
