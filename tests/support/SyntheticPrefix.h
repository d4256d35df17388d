#pragma once

#include "platform/WinePrefix.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace torvex::test {

// A temporary folder removed when the object goes (each test gets its own).
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }

    // Writes `content` to `relative`, making the folders above it.
    std::filesystem::path write(std::string_view relative, std::string_view content) const;

    // Makes the folder `relative` (and those above it).
    std::filesystem::path makeFolder(std::string_view relative) const;

private:
    std::filesystem::path m_path;
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
