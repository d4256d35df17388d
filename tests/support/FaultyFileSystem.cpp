#include "support/FaultyFileSystem.h"

#include "menu/IniError.h"

namespace torvex::test {

std::string FaultyFileSystem::readAll(const std::string &path) const
{
    if (failReads)
        throw IniReadError(path, "Input/output error");
    std::string bytes = FileSystem::readAll(path);
    if (afterRead)
        afterRead(path);
    return bytes;
}

void FaultyFileSystem::writeAtomic(const std::string &path, const FileContent &content)
{
    if (failWrites)
        throw IniWriteError(path, "No space left on device");
    ++writes;
    FileSystem::writeAtomic(path, content);
}

void FaultyFileSystem::writeOwnCopy(
    const std::string &path, const FileContent &content, const std::string &modeOf)
{
    if (failWrites)
        throw IniWriteError(path, "No space left on device");
    ++writes;
    FileSystem::writeOwnCopy(path, content, modeOf);
}

std::string FaultyFileSystem::writeRefusal(const std::string &path) const
{
    return refusal.empty() ? FileSystem::writeRefusal(path) : refusal;
}

bool FaultyFileSystem::folderWritable(const std::string &folder) const
{
    return !foldersLocked && FileSystem::folderWritable(folder);
}

bool FaultyFileSystem::canTakeOwnership(const FileOwnership &ownership) const
{
    return !ownersFixed && FileSystem::canTakeOwnership(ownership);
}

} // namespace torvex::test
