#pragma once

#include "platform/IniLocator.h"
#include "platform/PrefixPlaces.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace torvex {

// What one prefix holds, searched as start-up searches the window's own prefix: its two
// registry keys of the file manager and its Windows folder.
struct PrefixFindings
{
    KnownPrefix prefix;
    // Slots 1 to 3 as that prefix names them (Windows paths); slot 4 stays empty.
    IniCandidates candidates;
    // The host file of each slot, "" for an empty slot.
    std::array<std::string, 4> hostPaths;
    // Why the prefix gave less than it might: not a prefix folder, a refused hive, a registry
    // value of the wrong type. One line each.
    std::vector<std::string> problems;
};

// Searches `prefix` with a Windows view built from its folder. Never throws: a failure is a
// problem of the findings.
PrefixFindings searchPrefix(const KnownPrefix &prefix, const Environment &environment);

// A wincmd.ini found in a prefix other than the window's.
struct OtherPrefixFile
{
    std::string path; // the host path, which names it whatever the window's prefix
    std::string label; // the prefix's name ("Bottles: Work")
    std::filesystem::path prefixRoot;
};

// The files of every prefix in `places` except `except`, prefixes in their order and each
// prefix's files in slot order; a file that two prefixes or slots lead to is listed once.
std::vector<OtherPrefixFile> filesInOtherPrefixes(const PrefixPlaces &places,
    const Environment &environment,
    const std::optional<WinePrefix> &except);

} // namespace torvex
