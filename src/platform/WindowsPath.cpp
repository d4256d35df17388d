#include "platform/WindowsPath.h"

namespace torvex {

int driveIndex(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        return letter - 'a';
    if (letter >= 'A' && letter <= 'Z')
        return letter - 'A';
    return -1;
}

bool isWindowsPath(std::string_view path)
{
    return path.size() >= 2 && driveIndex(path[0]) >= 0 && path[1] == ':'
        && (path.size() == 2 || path[2] == '\\' || path[2] == '/');
}

bool isUncPath(std::string_view path)
{
    // Only backslashes: "//x" is a host path on Linux.
    return path.size() > 2 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\'
        && path[2] != '/' && path[2] != '?' && path[2] != '.';
}

std::vector<std::string> windowsPathParts(std::string_view afterDrive)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= afterDrive.size()) {
        auto end = afterDrive.find_first_of("\\/", start);
        if (end == std::string_view::npos)
            end = afterDrive.size();
        const auto part = afterDrive.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.emplace_back(part);
        }
        start = end + 1;
    }
    return parts;
}

} // namespace torvex
