#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace torvex {

class ProgramSettings;

// The files opened last, newest first, as File > "Open recent" lists them. torvex.ini keeps
// them in section RecentFiles, keys file1 (the newest) to file8.
inline constexpr const char *recentFilesSection = "RecentFiles";
inline constexpr std::size_t recentFilesLimit = 8;

// The list with `path` put first: taken out where it was, the oldest dropped beyond the limit.
std::vector<std::string> withRecentFile(std::vector<std::string> files, const std::string &path);

// The stored list, empty keys and repeats left out; empty when torvex.ini cannot be read.
std::vector<std::string> readRecentFiles(const ProgramSettings &settings);
// Stores the list (the first recentFilesLimit); throws IniWriteError as every write does.
void writeRecentFiles(ProgramSettings &settings, const std::vector<std::string> &files);

} // namespace torvex
