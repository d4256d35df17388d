#pragma once

#include "files/FileSystem.h"

#include <memory>
#include <string>

namespace torvex {

class WindowsView;

// The file operations of the ini engine for paths as the program meets them: a Windows path
// ("C:\...") goes to its host file through the Windows view, any other path is used as it
// is. Errors name the path the caller gave, not the host path.
class WindowsFileSystem : public FileSystem
{
public:
    // `host` does the actual work (FileSystem::real() when nullptr; not owned).
    explicit WindowsFileSystem(std::shared_ptr<const WindowsView> view, FileSystem *host = nullptr);

    // Windows paths go through `view` from now on (the prefix of another file).
    void setView(std::shared_ptr<const WindowsView> view) { m_view = std::move(view); }

    bool fileExists(const std::string &path) const override;
    bool dirExists(const std::string &path) const override;
    // Throws IniReadError naming `path` when the file cannot be read or its drive is missing.
    std::string readAll(const std::string &path) const override;
    // Throws IniWriteError naming `path` when the write fails or its drive is missing.
    void writeAtomic(const std::string &path, const FileContent &content) override;
    // The host file's lock; an empty one when its drive is missing.
    FileLock lockForSave(const std::string &path, std::chrono::milliseconds patience) override;
    // Throws IniWriteError naming `path` when the write fails or a drive is missing.
    void writeOwnCopy(
        const std::string &path, const FileContent &content, const std::string &modeOf) override;

private:
    // The host path, "" when `path` is on a drive that does not exist.
    std::string hostPath(const std::string &path) const;

    std::shared_ptr<const WindowsView> m_view;
    FileSystem *m_host;
};

} // namespace torvex
