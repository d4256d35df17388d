#include "platform/WinePrefix.h"

#include <system_error>

extern char **environ;

namespace torvex {

Environment processEnvironment()
{
    Environment environment;
    for (char **entry = environ; entry && *entry; ++entry) {
        std::string text(*entry);
        auto eq = text.find('=');
        if (eq != std::string::npos && eq > 0)
            environment.emplace(text.substr(0, eq), text.substr(eq + 1));
    }
    return environment;
}

WinePrefix::WinePrefix(std::filesystem::path root)
    : m_root(std::move(root))
{ }

std::optional<WinePrefix> WinePrefix::locate(const Environment &environment)
{
    std::filesystem::path root;
    if (auto it = environment.find("WINEPREFIX"); it != environment.end() && !it->second.empty())
        root = it->second;
    else if (auto home = environment.find("HOME");
             home != environment.end() && !home->second.empty())
        root = std::filesystem::path(home->second) / ".wine";
    else
        return std::nullopt;
    std::error_code error;
    if (!std::filesystem::is_directory(root, error))
        return std::nullopt;
    return WinePrefix(root);
}

} // namespace torvex
