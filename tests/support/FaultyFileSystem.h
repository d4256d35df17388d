#pragma once

#include "files/FileSystem.h"

#include <filesystem>
#include <functional>
#include <string>

namespace torvex::test {

// The host file system with failures switched on by the test: reads fail with
// "Input/output error" while `failReads` is set, writes with "No space left on device" while
// `failWrites` is set. `writes` counts the writes that went through. The permission questions
// of a write get the answers a test running as root cannot have from the system: every file
// refused with `refusal` when it is not empty, folders that may not be written into while
// `foldersLocked` is set, owners that a new file cannot take while `ownersFixed` is set.
class FaultyFileSystem : public FileSystem
{
public:
    // Recovery copies in the user's state folder.
    FaultyFileSystem() = default;
    explicit FaultyFileSystem(std::filesystem::path recoveryFolder)
        : FileSystem(std::move(recoveryFolder))
    { }

    bool failReads = false;
    bool failWrites = false;
    int writes = 0;
    std::string refusal;
    bool foldersLocked = false;
    bool ownersFixed = false;
    std::function<void(const std::string &path)> afterRead;

    std::string readAll(const std::string &path) const override;
    void writeAtomic(const std::string &path, const FileContent &content) override;
    void writeOwnCopy(
        const std::string &path, const FileContent &content, const std::string &modeOf) override;
    std::string writeRefusal(const std::string &path) const override;
    bool folderWritable(const std::string &folder) const override;
    bool canTakeOwnership(const FileOwnership &ownership) const override;
};

} // namespace torvex::test
