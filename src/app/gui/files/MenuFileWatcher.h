#pragma once

#include <QObject>

#include <functional>
#include <string>

class QFileSystemWatcher;
class QTimer;

namespace torvex {

// Watches one file for changes made by any program. A program that saves by writing a new
// file and renaming it over the old one replaces the file, which ends a watch on the file
// alone: the folder is watched too, and the file is watched again after each change. Changes
// that come in a burst are reported once, when they have settled.
class MenuFileWatcher : public QObject
{
    Q_OBJECT

public:
    // How long changes must have rested before they are reported, in milliseconds.
    static constexpr int settleMilliseconds = 250;

    // `changed` runs once the changes to the watched file have settled.
    explicit MenuFileWatcher(std::function<void()> changed, QObject *parent = nullptr);

    // Watches the file at the host path `path` from now on; "" watches nothing.
    void watch(const std::string &path);
    const std::string &path() const { return m_path; }

private:
    void noticed();
    void settled();

    std::function<void()> m_changed;
    QFileSystemWatcher *m_watcher;
    QTimer *m_settle;
    std::string m_path;
};

} // namespace torvex
