#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace torvex {

// The Wine prefix a Lutris game file names: the value of `prefix:` in its `game:` map, a
// leading "~/" taken as `home`. Nothing when the text is no YAML, holds no such key, names a
// relative folder or nests deeper than a game file ever does (a guard against input built to
// exhaust the parser). Never throws.
std::optional<std::filesystem::path> lutrisGamePrefix(
    std::string_view yamlText, const std::filesystem::path &home);

// The game's name for the chooser, from its file name: the stem without the "-<digits>" that
// Lutris appends ("fm-1690000000.yml" gives "fm").
std::string lutrisGameName(const std::filesystem::path &gameFile);

} // namespace torvex
