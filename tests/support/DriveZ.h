#pragma once

#include <filesystem>
#include <string>

namespace torvex::test {

// The Windows path of a host path on a machine without a Wine prefix, where drive Z: is "/":
// /a/b is Z:\a\b.
inline std::string onZ(const std::filesystem::path &host)
{
    std::string path = "Z:" + host.string();
    for (char &c : path)
        c = c == '/' ? '\\' : c;
    return path;
}

} // namespace torvex::test
