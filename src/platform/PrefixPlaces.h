#pragma once

#include "platform/WinePrefix.h"

#include <filesystem>
#include <string>
#include <vector>

namespace torvex {

// A folder that holds, or should hold, a Wine prefix, with the name the user knows it by.
struct KnownPrefix
{
    std::filesystem::path root;
    // "~/.wine", "Bottles: Work", "Lutris: fm", "Steam: 12345", or the folder with the home
    // folder written "~".
    std::string label;
};

// The prefixes of the machine, as Linux users keep them, and what could not be read while
// looking for them.
struct PrefixPlaces
{
    std::vector<KnownPrefix> prefixes;
    std::vector<std::string> problems;
};

// Looks, in this order, at: $WINEPREFIX; ~/.wine; winetricks' prefixes
// ($XDG_DATA_HOME/wineprefixes/*); Bottles' bottles ($XDG_DATA_HOME/bottles/bottles/* and
// the sandboxed ~/.var/app/com.usebottles.bottles/data/bottles/bottles/*); PlayOnLinux
// (~/.PlayOnLinux/wineprefix/*); Lutris (the `prefix:` of each game file in
// $XDG_CONFIG_HOME/lutris/games/ and $XDG_DATA_HOME/lutris/games/, then ~/Games/*); CrossOver
// (~/.cxoffice/*); Steam (steamapps/compatdata/*/pfx under ~/.steam/steam,
// $XDG_DATA_HOME/Steam and the sandboxed Steam). Every folder of a prefix manager's own place
// is listed, a prefix or not, so that a broken one can be reported; of the $WINEPREFIX,
// ~/.wine, Lutris and ~/Games places only prefix folders are. A folder is listed once, under
// its first label, however many links lead to it. Nothing is walked below a prefix: the cost
// is a listing of each place and a read of each Lutris game file.
PrefixPlaces findPrefixPlaces(const Environment &environment);

// The name a prefix folder goes by: its label among findPrefixPlaces' when it is one of
// them, else the folder with the home folder written "~".
std::string prefixLabel(const std::filesystem::path &root, const Environment &environment);

// The folder with the home folder written "~" ("/home/anna/x" gives "~/x").
std::string homeRelative(const std::filesystem::path &folder, const Environment &environment);

} // namespace torvex
