#include "platform/WindowsFileSystem.h"

#include "menu/IniError.h"
#include "platform/WindowsView.h"

namespace torvex {

WindowsFileSystem::WindowsFileSystem(std::shared_ptr<const WindowsView> view, FileSystem *host)
    : FileSystem((host ? *host : FileSystem::real()).recoveryFolder())
    , m_view(std::move(view))
    , m_host(host ? host : &FileSystem::real())
{ }

std::string WindowsFileSystem::hostPath(const std::string &path) const
{
    const auto host = m_view->hostPath(path);
    return host ? host->string() : std::string();
}

bool WindowsFileSystem::fileExists(const std::string &path) const
{
    const std::string host = hostPath(path);
    return !host.empty() && m_host->fileExists(host);
}

bool WindowsFileSystem::dirExists(const std::string &path) const
{
    const std::string host = hostPath(path);
    return !host.empty() && m_host->dirExists(host);
}

std::string WindowsFileSystem::readAll(const std::string &path) const
{
    const std::string host = hostPath(path);
    if (host.empty())
        throw IniReadError(path, "no such drive");
    try {
        return m_host->readAll(host);
    } catch (const IniReadError &e) {
        // Keep the reason, but name the file as the user knows it.
        throw IniReadError(path, e.cause());
    }
}

void WindowsFileSystem::writeAtomic(const std::string &path, const FileContent &content)
{
    const std::string host = hostPath(path);
    if (host.empty())
        throw IniWriteError(path, "no such drive");
    try {
        m_host->writeAtomic(host, content);
    } catch (const IniWriteError &e) {
        throw IniWriteError(path, e.cause());
    }
}

FileLock WindowsFileSystem::lockForSave(const std::string &path, std::chrono::milliseconds patience)
{
    const std::string host = hostPath(path);
    if (host.empty())
        return {};
    try {
        return m_host->lockForSave(host, patience);
    } catch (const IniWriteError &e) {
        throw IniWriteError(path, e.cause());
    }
}

void WindowsFileSystem::writeOwnCopy(
    const std::string &path, const FileContent &content, const std::string &modeOf)
{
    const std::string host = hostPath(path);
    const std::string hostModeOf = hostPath(modeOf);
    if (host.empty() || hostModeOf.empty())
        throw IniWriteError(path, "no such drive");
    try {
        m_host->writeOwnCopy(host, content, hostModeOf);
    } catch (const IniWriteError &e) {
        throw IniWriteError(path, e.cause());
    }
}

} // namespace torvex
