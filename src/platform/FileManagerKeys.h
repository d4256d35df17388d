#pragma once

#include <string_view>

namespace torvex {

// The file manager's registry keys: the current user's and the machine's. Both hold
// "InstallDir" (its program folder) and "IniFileName" (its wincmd.ini).
inline constexpr std::string_view fileManagerUserKey = "Software\\Pellmar\\Windows Commander";
inline constexpr std::string_view fileManagerMachineKey = "SOFTWARE\\Pellmar\\Windows Commander";

} // namespace torvex
