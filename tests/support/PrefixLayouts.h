#pragma once

#include "platform/WinePrefix.h"
#include "support/SyntheticPrefix.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace torvex::test {

// A home folder in a temporary folder, where tests lay out Wine prefixes the way the prefix
// managers keep them. environment() is a host environment with only HOME set to it.
class FakeHome : public TempFolder
{
public:
    // Makes a Wine prefix at `relative`: hives with Wine's header (the user's naming the file
    // manager's C:\fm and its wincmd.ini when `withMenu`), drive_c with windows/, fm/ and
    // Data/Work/, dosdevices/c: -> ../drive_c, and drive_c/fm/wincmd.ini whose one entry
    // leads to C:\Data\Work. Returns the prefix folder.
    std::filesystem::path makePrefix(std::string_view relative, bool withMenu = true) const;

    // Writes a Lutris game file `name` under ~/.config/lutris/games naming `prefix`.
    void writeLutrisGame(std::string_view name, const std::filesystem::path &prefix) const;

    Environment environment() const { return { { "HOME", path().string() } }; }
};

// The menu every prefix of makePrefix holds: one entry, "Work", leading to C:\Data\Work.
inline constexpr std::string_view kPrefixMenu =
    "[DirMenu]\r\nmenu1=Work\r\ncmd1=cd C:\\Data\\Work\r\n";

// The user hive text of the file manager's key with these values (written as given, so quote
// them, or use str(2):"...").
std::string fileManagerUserHive(std::string_view installDir, std::string_view iniFileName);

} // namespace torvex::test
