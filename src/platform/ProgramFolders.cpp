#include "platform/ProgramFolders.h"

#include "files/UserFolders.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace torvex {

namespace {

constexpr const char *englishHelpFileName = "torvex.hlp";

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

    const bool hasOwnHelp = probe.fileExists(beside + englishHelpFileName);
    const bool hasSharedHelp = probe.fileExists(shared + englishHelpFileName);
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

std::string helpFileName(const std::string &language)
{
    return language.empty() ? englishHelpFileName : "torvex." + language + ".hlp";
}

std::string helpFile(const ProgramFolders &folders, const FolderProbe &probe)
{
    const std::string folder = withSlash(folders.helpFolder);
    const std::string ownLanguage = folder + helpFileName(folders.helpLanguage);
    if (folders.helpLanguage.empty() || probe.fileExists(ownLanguage))
        return ownLanguage;
    const std::string english = folder + englishHelpFileName;
    return probe.fileExists(english) ? english : ownLanguage;
}

} // namespace torvex
