// The main window's stored settings (read at start, written at every close request) and the
// Options command.

#include "app/gui/ButtonColumn.h"
#include "app/gui/FolderPane.h"
#include "app/gui/MainWindow.h"
#include "app/gui/MainWindowOptionsHost.h"
#include "app/gui/MainWindowPanes.h"
#include "app/gui/MenuTreeView.h"
#include "app/gui/OuterSizeKeeper.h"
#include "app/gui/StatusPanels.h"
#include "settings/ProgramSettings.h"
#include "settings/gui/Colours.h"
#include "settings/gui/OptionsDialog.h"

#include <QSplitter>

#include <algorithm>

namespace torvex {

ProgramSettings &MainWindow::settings()
{
    if (!m_settings)
        m_settings = std::make_unique<ProgramSettings>(
            ProgramSettings::pathIn(folders().settingsFolder), fileSystem());
    return *m_settings;
}

OptionsHost &MainWindow::optionsHost()
{
    if (!m_optionsHost)
        m_optionsHost = std::make_unique<MainWindowOptionsHost>(*this);
    return *m_optionsHost;
}

void MainWindow::setTreeColours(int32_t background, int32_t font)
{
    setWidgetColour(m_panes->treeView(), QPalette::Base, background);
    setWidgetColour(m_panes->treeView(), QPalette::Text, font);
}

void MainWindow::readWindowSettings()
{
    ProgramSettings &ini = settings();
    setWidgetColour(m_panes->treeView(), QPalette::Base, ini.readTreeBackground());

    const WindowSettings stored = ini.readWindowSettings();
    if (stored.isMaximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        // Outer bounds, applied as they stand, even far off the screen.
        const QSize frame = frameGeometry().size() - geometry().size();
        move(stored.bounds.left, stored.bounds.top);
        resize(stored.bounds.width - frame.width(), stored.bounds.height - frame.height());
        if (!isVisible())
            new OuterSizeKeeper(this, QSize(stored.bounds.width, stored.bounds.height));
    }

    const int total = std::max(m_panes->splitter()->width(), width());
    m_panes->splitter()->setSizes({ stored.splitter, std::max(1, total - stored.splitter) });

    m_folderPane->restoreDrive(stored.storedDrive);

    // The group keeps exactly one button down; the start-up sequence runs its click.
    if (const auto mode = Session::dropModeFromIndex(stored.dropMode))
        m_panes->buttonColumn()->setDropMode(*mode);
}

void MainWindow::writeWindowSettings()
{
    WindowSnapshot snapshot;
    snapshot.state = isMaximized() ? WindowState::Maximized
        : isMinimized()            ? WindowState::Minimized
                                   : WindowState::Normal;
    const QRect outer = frameGeometry();
    snapshot.bounds = { outer.x(), outer.y(), outer.width(), outer.height() };
    snapshot.splitter = m_panes->splitter()->sizes().value(0);
    snapshot.dropMode =
        int(m_panes->buttonColumn()->checkedDropMode().value_or(m_session.dropMode()));
    snapshot.drive = m_folderPane->chosenDrive();
    // A failed write raises "Unable to write to ..."; the caller reports it and goes on.
    settings().writeWindowSettings(snapshot);
}

void MainWindow::showOptions()
{
    if (!m_optionsDialog)
        return;
    m_optionsDialog->loadOptions();
    m_optionsDialog->exec();
}

} // namespace torvex
