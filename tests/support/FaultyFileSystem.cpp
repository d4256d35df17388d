#include "support/FaultyFileSystem.h"

#include "menu/IniError.h"

namespace torvex::test {

std::string FaultyFileSystem::readAll(const std::string &path) const
{
    if (failReads)
        throw IniReadError(path, "Input/output error");
    return FileSystem::readAll(path);
}

void FaultyFileSystem::writeAtomic(const std::string &path, const std::string &bytes)
{
    if (failWrites)
        throw IniWriteError(path, "No space left on device");
    ++writes;
    FileSystem::writeAtomic(path, bytes);
}

} // namespace torvex::test
