#include "platform/ProgramFolders.h"

#include "platform/UserFolders.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace torvex {

namespace {

constexpr const char *helpFileName = "torvex.hlp";

std::string withSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// Where `cmake --install` puts the help file, relative to the executable in bin/.
std::string sharedDataFolder(const std::string &executableFolder)
{
    const std::filesystem::path shared =
        std::filesystem::path(executableFolder) / "../share/torvex/";
    return withSlash(shared.lexically_normal().string());
}

} // namespace

ProgramFolders ProgramFolders::besideExecutable(const std::string &folder)
{
    const std::string beside = withSlash(folder);
    return { beside, beside, beside, true };
}

FolderProbe hostFolderProbe()
{
    return { [](const std::string &folder) {
                return ::access(folder.c_str(), W_OK) == 0;
            },
        [](const std::string &path) {
            std::error_code error;
            return std::filesystem::is_regular_file(path, error);
        } };
}

ProgramFolders programFolders(
    const std::string &executableFolder, const Environment &environment, const FolderProbe &probe)
{
    ProgramFolders folders = ProgramFolders::besideExecutable(executableFolder);
    const std::string beside = folders.helpFolder;
    const std::string shared = sharedDataFolder(beside);

    const bool hasOwnHelp = probe.fileExists(beside + helpFileName);
    const bool hasSharedHelp = probe.fileExists(shared + helpFileName);
    if (!hasOwnHelp && hasSharedHelp)
        folders.helpFolder = shared;

    const bool isInstalled = !hasOwnHelp && hasSharedHelp;
    if (!isInstalled && probe.canWrite(beside))
        return folders;

    const std::filesystem::path config = userConfigFolder(environment);
    const std::filesystem::path state = userStateFolder(environment);
    if (config.empty() || state.empty())
        return folders;
    folders.settingsFolder = withSlash(config.string());
    folders.logFolder = withSlash(state.string());
    folders.isPortable = false;
    return folders;
}

bool createFolders(const std::string &folder) noexcept
{
    try {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::path target = fs::path(folder).lexically_normal();
        if (fs::is_directory(target, error))
            return true;
        // Parents first, from the outermost missing one inwards.
        fs::path partial;
        for (const fs::path &component : target) {
            partial /= component;
            if (component.empty() || fs::is_directory(partial, error))
                continue;
            if (!fs::create_directory(partial, error) && !fs::is_directory(partial, error))
                return false;
            fs::permissions(partial, fs::perms::owner_all, fs::perm_options::replace, error);
        }
        return fs::is_directory(target, error);
    } catch (...) {
        return false;
    }
}

bool createFolderOf(const std::string &path) noexcept
{
    try {
        const std::filesystem::path parent = std::filesystem::path(path).parent_path();
        return parent.empty() || createFolders(parent.string());
    } catch (...) {
        return false;
    }
}

} // namespace torvex
