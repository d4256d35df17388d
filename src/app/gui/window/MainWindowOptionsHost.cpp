#include "app/gui/window/MainWindowOptionsHost.h"

#include "app/gui/folders/FolderPane.h"
#include "app/gui/window/MainWindow.h"
#include "platform/ProgramFolders.h"

#include <QApplication>
#include <QElapsedTimer>

namespace torvex {

ProgramSettings &MainWindowOptionsHost::settings()
{
    return m_window.settings();
}

void MainWindowOptionsHost::applyTreeColours(int32_t background, int32_t font)
{
    m_window.setTreeColours(background, font);
}

void MainWindowOptionsHost::applyDriveTypes(DriveTypeSet types)
{
    m_window.folderPane().setDriveTypes(types);
}

void MainWindowOptionsHost::setConfirmDropOnCommand(bool confirm)
{
    m_window.session().setConfirmDropOnCommand(confirm);
}

void MainWindowOptionsHost::setStatusText(const std::string &text)
{
    if (text.empty())
        m_window.clearStatus();
    else
        m_window.showStatus(text);
}

void MainWindowOptionsHost::waitHandlingEvents(unsigned milliseconds)
{
    if (milliseconds == 0)
        QApplication::processEvents();
    else {
        // By the tick count, handling pending events meanwhile.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < static_cast<qint64>(milliseconds))
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

std::string MainWindowOptionsHost::helpFile() const
{
    return torvex::helpFile(m_window.folders(), hostFolderProbe());
}

} // namespace torvex
