#include "support/MenuTool.h"

#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace torvex::test {

namespace {

// Runs the tool with XDG_STATE_HOME at `stateHome` (a fresh empty folder when empty), so that
// no recovery copy of the machine shows up in the output; stderr goes to `err` (shell words).
ToolRun run(const std::filesystem::path &prefix,
    const std::string &args,
    const std::string &err,
    const std::filesystem::path &stateHome)
{
    const TempDir emptyState;
    const std::string command = "XDG_STATE_HOME='"
        + (stateHome.empty() ? emptyState.path() : stateHome).string() + "' WINEPREFIX='"
        + prefix.string() + "' " + TORVEX_MENU_TOOL + " " + args + " 2>" + err;
    FILE *pipe = ::popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer {};
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return { WEXITSTATUS(status), out };
}

} // namespace

ToolRun runMenuTool(const std::filesystem::path &prefix,
    const std::string &args,
    const std::filesystem::path &stateHome)
{
    return run(prefix, args, "&1", stateHome);
}

ToolStreams runMenuToolStreams(const std::filesystem::path &prefix, const std::string &args)
{
    TempDir dir;
    const std::string errFile = dir.file("stderr");
    const ToolRun result = run(prefix, args, "'" + errFile + "'", {});
    return { result.exitCode, result.out, readFile(errFile) };
}

ToolStreams runMenuToolAtHome(const std::filesystem::path &home, const std::string &args)
{
    TempDir dir;
    const std::string errFile = dir.file("stderr");
    const std::string command = "env -u WINEPREFIX -u XDG_DATA_HOME -u XDG_CONFIG_HOME"
                                " -u XDG_STATE_HOME HOME='"
        + home.string() + "' timeout 30 " + TORVEX_MENU_TOOL + " " + args + " 2>'" + errFile + "'";
    FILE *pipe = ::popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer {};
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return { WEXITSTATUS(status), out, readFile(errFile) };
}

} // namespace torvex::test
