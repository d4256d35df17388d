#include "support/PrefixLayouts.h"

namespace fs = std::filesystem;

namespace torvex::test {

std::string fileManagerUserHive(std::string_view installDir, std::string_view iniFileName)
{
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
           "#arch=win32\n\n[Software\\\\Pellmar\\\\Windows Commander] 1700000000\n"
           "\"IniFileName\"="
        + std::string(iniFileName) + "\n\"InstallDir\"=" + std::string(installDir) + "\n\n";
}

fs::path FakeHome::makePrefix(std::string_view relative, bool withMenu) const
{
    const fs::path root = makeFolder(relative);
    const std::string base(relative);
    makeFolder(base + "/drive_c/windows/system32");
    makeFolder(base + "/drive_c/Data/Work");
    makeFolder(base + "/dosdevices");
    fs::create_symlink("../drive_c", root / "dosdevices" / "c:");
    write(base + "/system.reg",
        "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n");
    write(base + "/user.reg",
        withMenu ? fileManagerUserHive("\"C:\\\\fm\"", "\"wincmd.ini\"")
                 : std::string("WINE REGISTRY Version 2\n\n#arch=win32\n\n"));
    if (withMenu)
        write(base + "/drive_c/fm/wincmd.ini", kPrefixMenu);
    return root;
}

void FakeHome::writeLutrisGame(std::string_view name, const fs::path &prefix) const
{
    write(".config/lutris/games/" + std::string(name),
        "game:\n  exe: drive_c/fm/fm.exe\n  prefix: " + prefix.string()
            + "\ngame_slug: fm\nname: Fm\nrunner: wine\nwine:\n  version: lutris-7.2\n");
}

} // namespace torvex::test
