// The main window's stored settings (read at creation, written at every close request), the
// drive buttons and the Options command.

#include "app/gui/ButtonColumn.h"
#include "app/gui/DirListBox.h"
#include "app/gui/LoggedClassName.h"
#include "app/gui/MainWindow.h"
#include "app/gui/MenuTreeView.h"
#include "app/gui/StatusPanels.h"
#include "controls/gui/DrivePanel.h"
#include "platform/WindowsView.h"
#include "settings/ProgramSettings.h"
#include "settings/gui/Colours.h"
#include "settings/gui/OptionsDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QSplitter>
#include <QTimer>

#include <algorithm>
#include <cctype>

namespace torvex {

namespace {

// The stored size is the window's outer size, but the frame is known only once the window
// manager has framed the shown window, which may come some time after the show. This watcher
// waits for the frame (a short while at most) and then corrects the size, once, so that a
// size read and written again does not grow by the frame at every run.
class OuterSizeKeeper : public QObject
{
public:
    OuterSizeKeeper(QWidget *window, QSize outer)
        : QObject(window)
        , m_window(window)
        , m_outer(outer)
    {
        window->installEventFilter(this);
        m_poll.setInterval(20);
        connect(&m_poll, &QTimer::timeout, this, &OuterSizeKeeper::check);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window || m_done)
            return false;
        if (event->type() == QEvent::Show && !m_poll.isActive()) {
            m_clock.start();
            m_poll.start();
        } else if (m_poll.isActive()
            && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
            QTimer::singleShot(0, this, &OuterSizeKeeper::check);
        }
        return false;
    }

private:
    void check()
    {
        if (m_done)
            return;
        // A window without a frame (no window manager) never gets one: give up after a while.
        constexpr qint64 patience = 2000;
        const QSize frame = m_window->frameGeometry().size() - m_window->size();
        if (m_window->windowState() != Qt::WindowNoState)
            finish();
        else if (!frame.isNull()) {
            m_window->resize(m_outer - frame);
            finish();
        } else if (m_clock.elapsed() > patience)
            finish();
    }

    void finish()
    {
        m_done = true;
        m_poll.stop();
        m_window->removeEventFilter(this);
        deleteLater();
    }

    QWidget *m_window;
    QSize m_outer;
    QTimer m_poll;
    QElapsedTimer m_clock;
    bool m_done = false;
};

} // namespace

ProgramSettings &MainWindow::settings()
{
    if (!m_settings)
        m_settings = std::make_shared<ProgramSettings>(
            ProgramSettings::pathIn(folders().settingsFolder), fileSystem());
    return *m_settings;
}

DrivePanel *MainWindow::velDrives() const
{
    return qobject_cast<DrivePanel *>(m_velDrives);
}

QWidget *MainWindow::createVelDrives(QWidget *parent)
{
    auto *panel = new DrivePanel(*m_view, parent);
    panel->setObjectName(QStringLiteral("VelDrives"));
    setUpMainWindowDrives(panel->model());
    panel->loaded();
    // Bound after the panel is set up: the folder list is placed by the settings later.
    panel->setOnClickButton([this](DrivePanel *, QToolButton *, char drive) {
        VelDrivesClickButton(drive);
    });
    return panel;
}

void MainWindow::setTreeColours(int32_t background, int32_t font)
{
    setWidgetColour(m_tview, QPalette::Base, background);
    setWidgetColour(m_tview, QPalette::Text, font);
}

void MainWindow::clearStatus()
{
    m_statusBar->panel(0)->clear();
}

void MainWindow::readWindowSettings()
{
    ProgramSettings &ini = settings();
    setWidgetColour(m_tview, QPalette::Base, ini.readTreeBackground());

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

    const int total = std::max(m_splitter->width(), width());
    m_splitter->setSizes({ stored.splitter, std::max(1, total - stored.splitter) });

    if (DrivePanel *panel = velDrives()) {
        const auto letter = startDrive(stored.storedDrive, [this](const std::string &folder) {
            return m_view->directoryExists(folder);
        });
        // A panel without buttons has nothing to select (it would refuse the drive).
        if (letter && !panel->buttons().empty())
            panel->setDrive(*letter);
        const char drive = panel->drive();
        if (drive != '\0' && m_view->directoryExists(std::string(1, drive) + ":\\"))
            VelDrivesClickButton(drive);
    }

    // The group keeps exactly one button down; the start-up sequence runs its click.
    if (const auto mode = Session::dropModeFromIndex(stored.dropMode))
        m_buttonColumn->setDropMode(*mode);
}

void MainWindow::writeWindowSettings()
{
    WindowSnapshot snapshot;
    snapshot.state = isMaximized() ? WindowState::Maximized
        : isMinimized()            ? WindowState::Minimized
                                   : WindowState::Normal;
    const QRect outer = frameGeometry();
    snapshot.bounds = { outer.x(), outer.y(), outer.width(), outer.height() };
    snapshot.splitter = m_splitter->sizes().value(0);
    snapshot.dropMode = int(m_buttonColumn->checkedDropMode().value_or(m_session.dropMode()));
    snapshot.drive = velDrives() ? velDrives()->drive() : '\0';
    // A failed write raises "Unable to write to ..."; the caller reports it and goes on.
    settings().writeWindowSettings(snapshot);
}

void MainWindow::VelDrivesClickButton(char drive)
{
    if (!m_dirListBox)
        return;
    const auto upper = [](char c) {
        return std::toupper(static_cast<unsigned char>(c));
    };
    if (m_dirListBox->drive() != 0 && upper(m_dirListBox->drive()) == upper(drive))
        return;
    m_dirListBox->setDrive(drive);
    const char shown = m_dirListBox->drive();
    if (shown != 0 && upper(shown) == upper(drive))
        return;
    // The drive's root cannot be read (no medium, or a drive link whose target is gone): the
    // list stays where it was, and the user is told instead of a button that did nothing.
    // Once the click is over, the button of the list's drive goes back down. The failure is
    // the main window's, whose handler of the click was running.
    globalErrorHandler(loggedClassName(this),
        std::string("Drive ") + static_cast<char>(upper(drive)) + ": is not available");
    QTimer::singleShot(0, this, [this] {
        DrivePanel *panel = velDrives();
        const char listDrive = m_dirListBox->drive();
        if (panel && listDrive != 0 && panel->model().isDriveShown(listDrive))
            panel->setDrive(listDrive);
    });
}

void MainWindow::mnuOptionsOptionsClick()
{
    if (!m_form2)
        return;
    m_form2->loadOptions();
    m_form2->exec();
}

} // namespace torvex
