#pragma once

#include "core/Environment.h"

#include <filesystem>

namespace torvex {

// The per-user folders where a Linux desktop program keeps its files, after the XDG base
// directory rules: a variable that is unset, empty or not an absolute path falls back to its
// default under $HOME. Each function returns Torvex's own subfolder; none creates anything.
// With neither the variable nor HOME set, the result is empty.

// $XDG_CONFIG_HOME/torvex, default ~/.config/torvex: settings (torvex.ini).
std::filesystem::path userConfigFolder(const Environment &environment);

// $XDG_STATE_HOME/torvex, default ~/.local/state/torvex: the log and recovery copies.
std::filesystem::path userStateFolder(const Environment &environment);

// $XDG_DATA_HOME, default ~/.local/share, and $XDG_CONFIG_HOME, default ~/.config: the
// folders themselves, where other programs keep their data and settings.
std::filesystem::path userDataHome(const Environment &environment);
std::filesystem::path userConfigHome(const Environment &environment);

} // namespace torvex
