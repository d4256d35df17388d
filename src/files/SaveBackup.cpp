#include "files/SaveBackup.h"

#include "files/FileSystem.h"
#include "files/FileErrors.h"
#include "files/Folders.h"

#include <cstdint>
#include <cstdio>

namespace torvex {

namespace {

constexpr const char *backupSuffix = ".bak";

} // namespace

SaveBackup::SaveBackup(FileSystem &fs, std::filesystem::path stateFolder)
    : m_fs(fs)
    , m_stateFolder(std::move(stateFolder))
{ }

std::optional<std::string> SaveBackup::keepBefore(const std::string &path)
{
    if (m_kept.contains(path) || !m_fs.fileExists(path))
        return std::nullopt;
    const std::string bytes = m_fs.readAll(path);
    std::string where;
    try {
        where = keepBeside(path, bytes);
    } catch (const IniWriteError &error) {
        // A name beside the file that something else took may have been planted there: the
        // user is asked rather than the backup quietly kept elsewhere.
        if (error.cause() == notOwnRegularFileCause)
            throw;
        // A backup beside the file that cannot be written (a full disk, a folder that
        // refuses a new file) still leaves the state folder.
    }
    if (where.empty())
        where = keepInStateFolder(path, bytes);
    m_kept.insert(path);
    return where;
}

// "" when the file's folder cannot be written.
std::string SaveBackup::keepBeside(const std::string &path, const std::string &bytes)
{
    const std::filesystem::path file(path);
    const std::string folder = file.has_parent_path() ? file.parent_path().string() : ".";
    if (!m_fs.folderWritable(folder))
        return {};
    const std::string backup = path + backupSuffix;
    m_fs.writeOwnCopy(backup, bytes, path);
    return backup;
}

std::string SaveBackup::stateFolderName(const std::string &path)
{
    std::error_code error;
    std::filesystem::path file = std::filesystem::absolute(path, error);
    if (error)
        file = path;
    // FNV-1a of the folder's path: the same folder always gives the same tag.
    std::uint32_t hash = 2166136261u;
    for (const char c : file.lexically_normal().parent_path().string()) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    char tag[9];
    std::snprintf(tag, sizeof tag, "%08x", static_cast<unsigned>(hash));
    return file.filename().string() + "." + tag + backupSuffix;
}

std::string SaveBackup::keepInStateFolder(const std::string &path, const std::string &bytes)
{
    const std::string backup = (m_stateFolder / stateFolderName(path)).string();
    // Said with the folder and why it is needed: the reader knows neither "state" nor XDG.
    if (m_stateFolder.empty())
        throw IniWriteError(backup,
            "the backup cannot be kept beside the file, and no other folder is known for it "
            "(neither XDG_STATE_HOME nor HOME is set)");
    if (!createFolders(m_stateFolder.string()))
        throw IniWriteError(backup,
            "the backup cannot be kept beside the file, and the folder " + m_stateFolder.string()
                + " for it cannot be made");
    m_fs.writeOwnCopy(backup, bytes, path);
    return backup;
}

} // namespace torvex
