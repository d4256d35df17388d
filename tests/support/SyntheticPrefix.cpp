#include "support/SyntheticPrefix.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace torvex::test {

fs::path TempFolder::write(std::string_view relative, std::string_view content) const
{
    return TempDir::write(std::string(relative), std::string(content));
}

fs::path TempFolder::makeFolder(std::string_view relative) const
{
    fs::path folder = path() / relative;
    fs::create_directories(folder);
    return folder;
}

SyntheticPrefix::SyntheticPrefix(bool withWindows)
{
    makeFolder(withWindows ? "drive_c/windows/system32" : "drive_c");
    makeFolder("dosdevices");
    linkDrive('c', "../drive_c");
}

void SyntheticPrefix::writeUserHive(std::string_view body) const
{
    write("user.reg",
        "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
        "#arch=win32\n\n"
            + std::string(body));
}

void SyntheticPrefix::writeMachineHive(std::string_view body) const
{
    write("system.reg",
        "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n"
            + std::string(body));
}

void SyntheticPrefix::linkDrive(char letter, const fs::path &target) const
{
    fs::create_symlink(target, path() / "dosdevices" / std::string { letter, ':' });
}

} // namespace torvex::test
