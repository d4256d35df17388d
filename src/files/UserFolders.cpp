#include "files/UserFolders.h"

namespace torvex {

namespace {

std::filesystem::path baseFolder(
    const Environment &environment, const char *variable, const std::filesystem::path &underHome)
{
    if (auto it = environment.find(variable); it != environment.end()) {
        const std::filesystem::path value(it->second);
        if (value.is_absolute())
            return value;
    }
    if (auto home = environment.find("HOME"); home != environment.end() && !home->second.empty())
        return std::filesystem::path(home->second) / underHome;
    return {};
}

std::filesystem::path torvexFolderIn(const std::filesystem::path &base)
{
    return base.empty() ? base : base / "torvex";
}

} // namespace

std::filesystem::path userConfigFolder(const Environment &environment)
{
    return torvexFolderIn(baseFolder(environment, "XDG_CONFIG_HOME", ".config"));
}

std::filesystem::path userStateFolder(const Environment &environment)
{
    return torvexFolderIn(baseFolder(environment, "XDG_STATE_HOME", ".local/state"));
}

std::filesystem::path userDataHome(const Environment &environment)
{
    return baseFolder(environment, "XDG_DATA_HOME", ".local/share");
}

std::filesystem::path userConfigHome(const Environment &environment)
{
    return baseFolder(environment, "XDG_CONFIG_HOME", ".config");
}

} // namespace torvex
