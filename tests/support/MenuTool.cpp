#include "support/MenuTool.h"

#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace torvex::test {

namespace {

ToolRun run(const std::filesystem::path &prefix, const std::string &args, const std::string &err)
{
    const std::string command =
        "WINEPREFIX='" + prefix.string() + "' " + TORVEX_MENU_TOOL + " " + args + " 2>" + err;
    FILE *pipe = ::popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer {};
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return { WEXITSTATUS(status), out };
}

} // namespace

ToolRun runMenuTool(const std::filesystem::path &prefix, const std::string &args)
{
    return run(prefix, args, "&1");
}

ToolStreams runMenuToolStreams(const std::filesystem::path &prefix, const std::string &args)
{
    TempDir dir;
    const std::string errFile = dir.file("stderr");
    const ToolRun result = run(prefix, args, "'" + errFile + "'");
    return { result.exitCode, result.out, readFile(errFile) };
}

} // namespace torvex::test
