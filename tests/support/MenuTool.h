#pragma once

#include <filesystem>
#include <string>

namespace torvex::test {

// What a run of torvex-menu printed (stdout and stderr together) and its exit code.
struct ToolRun
{
    int exitCode;
    std::string out;
};

// Runs the built torvex-menu with `args` (shell words, quoted by the caller), WINEPREFIX set
// to `prefix` and XDG_STATE_HOME to `stateHome` (a fresh empty folder when not given), so
// that no recovery copy of the machine shows up in the output.
ToolRun runMenuTool(const std::filesystem::path &prefix,
    const std::string &args,
    const std::filesystem::path &stateHome = {});

// A run with its two streams kept apart.
struct ToolStreams
{
    int exitCode;
    std::string out; // stdout
    std::string err; // stderr
};

ToolStreams runMenuToolStreams(const std::filesystem::path &prefix, const std::string &args);

// Runs torvex-menu as a user without WINEPREFIX whose home folder is `home` (the XDG folders
// unset, so they lie under it), stdout and stderr apart. A run that takes longer than 30
// seconds is stopped and gives exit code 124, so that a hang fails the test.
ToolStreams runMenuToolAtHome(const std::filesystem::path &home, const std::string &args);

} // namespace torvex::test
