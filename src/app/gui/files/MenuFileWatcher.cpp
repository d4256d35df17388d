#include "app/gui/files/MenuFileWatcher.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace torvex {

MenuFileWatcher::MenuFileWatcher(std::function<void()> changed, QObject *parent)
    : QObject(parent)
    , m_changed(std::move(changed))
    , m_watcher(new QFileSystemWatcher(this))
    , m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(settleMilliseconds);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &MenuFileWatcher::noticed);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &MenuFileWatcher::noticed);
    connect(m_settle, &QTimer::timeout, this, &MenuFileWatcher::settled);
}

void MenuFileWatcher::watch(const std::string &path)
{
    if (path == m_path)
        return;
    m_settle->stop();
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_path = path;
    if (m_path.empty())
        return;
    const QFileInfo file(QString::fromStdString(m_path));
    m_watcher->addPath(file.absolutePath());
    if (file.exists())
        m_watcher->addPath(file.absoluteFilePath());
}

void MenuFileWatcher::noticed()
{
    m_settle->start();
}

void MenuFileWatcher::settled()
{
    // A file replaced by a rename is a new file that is not watched yet.
    const QFileInfo file(QString::fromStdString(m_path));
    if (file.exists() && !m_watcher->files().contains(file.absoluteFilePath()))
        m_watcher->addPath(file.absoluteFilePath());
    if (m_changed)
        m_changed();
}

} // namespace torvex
