#include "app/RecentFiles.h"

#include "settings/ProgramSettings.h"

#include <algorithm>
#include <exception>

namespace torvex {

namespace {

std::string recentKey(std::size_t index)
{
    return "file" + std::to_string(index + 1);
}

} // namespace

std::vector<std::string> withRecentFile(std::vector<std::string> files, const std::string &path)
{
    std::erase(files, path);
    files.insert(files.begin(), path);
    if (files.size() > recentFilesLimit)
        files.resize(recentFilesLimit);
    return files;
}

std::vector<std::string> readRecentFiles(const ProgramSettings &settings)
{
    std::vector<std::string> files;
    try {
        for (std::size_t i = 0; i < recentFilesLimit; ++i) {
            const std::string path = settings.readString(recentFilesSection, recentKey(i), "");
            if (!path.empty() && std::find(files.begin(), files.end(), path) == files.end())
                files.push_back(path);
        }
    } catch (const std::exception &) {
        // A list that cannot be read is an empty one; the next open writes it anew.
        return {};
    }
    return files;
}

void writeRecentFiles(ProgramSettings &settings, const std::vector<std::string> &files)
{
    for (std::size_t i = 0; i < recentFilesLimit; ++i)
        settings.writeString(recentFilesSection, recentKey(i), i < files.size() ? files[i] : "");
}

} // namespace torvex
