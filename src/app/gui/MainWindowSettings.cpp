// The main window's stored settings (read at creation, written at every close request), the
// Options command and the window as the Options dialog sees it.

#include "app/gui/ButtonColumn.h"
#include "app/gui/FolderPane.h"
#include "app/gui/MainWindow.h"
#include "app/gui/MenuTreeView.h"
#include "app/gui/StatusPanels.h"
#include "settings/OptionsHost.h"
#include "settings/ProgramSettings.h"
#include "settings/gui/Colours.h"
#include "settings/gui/OptionsDialog.h"

#include <QApplication>
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

// The main window as the Options dialog sees it.
class MainWindowOptionsHost : public OptionsHost
{
public:
    explicit MainWindowOptionsHost(MainWindow &window)
        : m_window(window)
    { }

    ProgramSettings &settings() override { return m_window.settings(); }

    void applyTreeColours(int32_t background, int32_t font) override
    {
        m_window.setTreeColours(background, font);
    }

    void applyDriveTypes(DriveTypeSet types) override
    {
        m_window.folderPane().setDriveTypes(types);
    }

    void setConfirmDropOnCommand(bool confirm) override
    {
        m_window.session().setConfirmDropOnCommand(confirm);
    }

    void setStatusText(const std::string &text) override
    {
        if (text.empty())
            m_window.clearStatus();
        else
            m_window.showStatus(text);
    }

    void waitProcessingMessages(unsigned milliseconds) override
    {
        if (milliseconds == 0)
            QApplication::processEvents();
        else
            MainWindow::waitProcessingMessages(milliseconds);
    }

    std::string helpFolder() const override { return m_window.folders().helpFolder; }

private:
    MainWindow &m_window;
};

} // namespace

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
    setWidgetColour(m_tview, QPalette::Base, background);
    setWidgetColour(m_tview, QPalette::Text, font);
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

    m_folderPane->restoreDrive(stored.velDrives);

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
