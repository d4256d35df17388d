#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace torvex {

// Takes "--prefix DIR" (or "--prefix=DIR") out of `args` and returns DIR, the Wine prefix
// that torvex and torvex-menu are told to work in. Throws TorvexError when DIR is missing or
// names no folder.
std::optional<std::filesystem::path> takePrefixOption(std::vector<std::string> &args);

} // namespace torvex
