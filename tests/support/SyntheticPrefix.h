#pragma once

#include "platform/WinePrefix.h"
#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace torvex::test {

// A temporary folder (see TempDir) whose writes answer with filesystem paths.
class TempFolder : public TempDir
{
public:
    // Writes `content` to `relative`, making the folders above it.
    std::filesystem::path write(std::string_view relative, std::string_view content) const;

    // Makes the folder `relative` (and those above it).
    std::filesystem::path makeFolder(std::string_view relative) const;
};

// A small Wine prefix in a temporary folder: drive_c with a windows folder, dosdevices with
// c: -> ../drive_c, and hives in Wine's own format.
class SyntheticPrefix : public TempFolder
{
public:
    // `withWindows` false leaves drive_c without its windows folder.
    explicit SyntheticPrefix(bool withWindows = true);

    WinePrefix prefix() const { return WinePrefix(path()); }

    // Writes user.reg / system.reg: Wine's header followed by `body`.
    void writeUserHive(std::string_view body) const;
    void writeMachineHive(std::string_view body) const;

    // Makes dosdevices/<letter>: a link to `target` (taken as it is, so it may be relative
    // to dosdevices or missing).
    void linkDrive(char letter, const std::filesystem::path &target) const;
};

} // namespace torvex::test
