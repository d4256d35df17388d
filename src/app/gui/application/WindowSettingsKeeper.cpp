#include "app/gui/application/WindowSettingsKeeper.h"

#include "app/Session.h"
#include "app/gui/editing/ButtonColumn.h"
#include "app/gui/folders/FolderPane.h"
#include "app/gui/window/MainWindowPanes.h"
#include "app/gui/tree/MenuTreeView.h"
#include "app/gui/application/OuterSizeKeeper.h"
#include "app/gui/widgets/Pictures.h"
#include "menu/gui/MenuTreeModel.h"
#include "settings/ProgramSettings.h"
#include "settings/gui/Colours.h"

#include <QApplication>
#include <QMainWindow>
#include <QSplitter>

#include <algorithm>

namespace torvex {

WindowSettingsKeeper::WindowSettingsKeeper(QMainWindow &window,
    MainWindowPanes &panes,
    FolderPane &folderPane,
    const Session &session,
    std::filesystem::path settingsPath,
    FileSystem &fs)
    : m_window(window)
    , m_panes(panes)
    , m_folderPane(folderPane)
    , m_session(session)
    , m_settingsPath(std::move(settingsPath))
    , m_fs(fs)
{ }

WindowSettingsKeeper::~WindowSettingsKeeper() = default;

ProgramSettings &WindowSettingsKeeper::settings()
{
    if (!m_settings)
        m_settings = std::make_unique<ProgramSettings>(m_settingsPath, m_fs);
    return *m_settings;
}

void WindowSettingsKeeper::setTreeColours(int32_t background, int32_t font)
{
    torvex::setTreeColours(m_panes.treeView(), background, &font);
    inkTreePictures();
}

// The tree's pictures are drawn in its text colour, which reads on its background.
void WindowSettingsKeeper::inkTreePictures()
{
    m_panes.treeModel()->setImages(treeImages(
        qApp->devicePixelRatio(), m_panes.treeView()->palette().color(QPalette::Text)));
}

void WindowSettingsKeeper::read()
{
    ProgramSettings &ini = settings();
    torvex::setTreeColours(m_panes.treeView(), ini.readTreeBackground());
    inkTreePictures();

    const WindowSettings stored = ini.readWindowSettings();
    // Outer bounds, applied as they stand, even far off the screen. A window that opens
    // maximized takes them first, as the size it returns to.
    const QSize frame = m_window.frameGeometry().size() - m_window.geometry().size();
    m_window.move(stored.bounds.left, stored.bounds.top);
    m_window.resize(stored.bounds.width - frame.width(), stored.bounds.height - frame.height());
    if (!m_window.isVisible())
        new OuterSizeKeeper(&m_window, QSize(stored.bounds.width, stored.bounds.height));
    if (stored.isMaximized)
        m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);

    const int total = std::max(m_panes.splitter()->width(), m_window.width());
    m_panes.splitter()->setSizes({ stored.splitter, std::max(1, total - stored.splitter) });

    m_folderPane.restoreDrive(stored.storedDrive);

    // The group keeps exactly one button down; the start-up sequence runs its click.
    if (const auto mode = Session::dropModeFromIndex(stored.dropMode))
        m_panes.buttonColumn()->setDropMode(*mode);
}

void WindowSettingsKeeper::write()
{
    WindowSnapshot snapshot;
    snapshot.state = m_window.isMaximized() ? WindowState::Maximized
        : m_window.isMinimized()            ? WindowState::Minimized
                                            : WindowState::Normal;
    const QRect outer = m_window.frameGeometry();
    snapshot.bounds = { outer.x(), outer.y(), outer.width(), outer.height() };
    snapshot.splitter = m_panes.splitter()->sizes().value(0);
    snapshot.dropMode =
        int(m_panes.buttonColumn()->checkedDropMode().value_or(m_session.dropMode()));
    snapshot.drive = m_folderPane.chosenDrive();
    settings().writeWindowSettings(snapshot);
}

} // namespace torvex
