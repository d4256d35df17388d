#include "app/gui/folders/FolderPane.h"

#include "app/gui/folders/DirListBox.h"
#include "controls/gui/DrivePanel.h"
#include "platform/CurrentWindowsView.h"
#include "platform/WindowsView.h"
#include "settings/ProgramSettings.h"

#include <QSignalBlocker>
#include <QTimer>

#include <cctype>

namespace torvex {

namespace {

char upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

FolderPane::FolderPane(CurrentWindowsView &views, QObject *parent)
    : QObject(parent)
    , m_views(views)
{
    m_views.onReplaced([this] {
        followView();
    });
}

void FolderPane::followView()
{
    if (m_list)
        m_list->setWindowsView(m_views.shared());
    if (m_drives)
        m_drives->model().readDrivesAgain();
    if (!m_list)
        return;
    const WindowsView &view = m_views.view();
    std::string folder = m_list->directory();
    if (folder.empty() || !view.directoryExists(folder)) {
        folder.clear();
        const std::uint32_t mask = view.driveMask();
        for (char letter : std::string("CDEFGHIJKLMNOPQRSTUVWXYZAB")) {
            const std::string root = std::string(1, letter) + ":\\";
            if ((mask & (1u << (letter - 'A'))) && view.directoryExists(root)) {
                folder = root;
                break;
            }
        }
    }
    if (folder.empty())
        return;
    // The folder may be the same text in another prefix: it is read again either way.
    showFolder(folder);
}

DirListBox *FolderPane::createList(QWidget *parent)
{
    m_list = new DirListBox(parent);
    m_list->setWindowsView(m_views.shared());
    connect(m_list, &DirListBox::directoryChanged, this, &FolderPane::folderChanged);
    connect(m_list, &DirListBox::mousePressed, this, &FolderPane::rememberPressedRow);
    return m_list;
}

DrivePanel *FolderPane::createDrives(QWidget *parent)
{
    m_drives = new DrivePanel(m_views, parent);
    m_drives->setObjectName(QStringLiteral("VelDrives"));
    setUpMainWindowDrives(m_drives->model());
    m_drives->loaded();
    // Bound after the panel is set up: the folder list is placed by the settings later.
    m_drives->setOnClickButton([this](DrivePanel *, QToolButton *, char drive) {
        switchToDrive(drive);
    });
    return m_drives;
}

void FolderPane::startAt(const std::string &folder)
{
    const QSignalBlocker quiet(m_list);
    m_list->setDirectory(folder);
}

void FolderPane::showFolder(const std::string &folder)
{
    m_list->setDirectory(folder);
    // The drive buttons follow the list onto another drive, so the button that is down
    // names the drive shown (and is the one stored at close). Its click finds the list
    // already on that drive and leaves the folder alone.
    const char drive = m_list->drive();
    if (m_drives && drive != 0 && m_drives->model().isDriveShown(drive)
        && upper(m_drives->drive()) != upper(drive))
        m_drives->setDrive(drive);
}

void FolderPane::switchToDrive(char drive)
{
    if (!m_list)
        return;
    if (m_list->drive() != 0 && upper(m_list->drive()) == upper(drive))
        return;
    m_list->setDrive(drive);
    const char shown = m_list->drive();
    if (shown != 0 && upper(shown) == upper(drive))
        return;
    // The drive's root cannot be read (no medium, or a drive link whose target is gone): the
    // list stays where it was, and the user is told instead of a button that did nothing.
    // Once the click is over, the button of the list's drive goes back down.
    Q_EMIT failed(LocalText(
        "torvex::FolderPane", QT_TRANSLATE_NOOP("torvex::FolderPane", "Drive %1: is not available"))
                      .arg(std::string(1, upper(drive))));
    QTimer::singleShot(0, this, [this] {
        const char listDrive = m_list->drive();
        if (m_drives && listDrive != 0 && m_drives->model().isDriveShown(listDrive))
            m_drives->setDrive(listDrive);
    });
}

void FolderPane::restoreDrive(const std::string &storedDrive)
{
    if (!m_drives)
        return;
    const auto letter = startDrive(storedDrive, [this](const std::string &folder) {
        return m_views.view().directoryExists(folder);
    });
    // A panel without buttons has nothing to select (it would refuse the drive).
    if (letter && !m_drives->buttons().empty())
        m_drives->setDrive(*letter);
    const char drive = m_drives->drive();
    if (drive != '\0' && m_views.view().directoryExists(std::string(1, drive) + ":\\"))
        switchToDrive(drive);
}

char FolderPane::chosenDrive() const
{
    return m_drives ? m_drives->drive() : '\0';
}

void FolderPane::setDriveTypes(DriveTypeSet types)
{
    if (m_drives)
        m_drives->setDriveTypes(types);
}

std::optional<DirEntry> FolderPane::pressedEntry() const
{
    if (m_pressedRow < 0 || m_pressedRow >= m_list->count())
        return std::nullopt;
    return DirEntry { m_list->entryText(m_pressedRow), m_list->entryPath(m_pressedRow) };
}

void FolderPane::rememberPressedRow(const QPoint &pos)
{
    const QModelIndex at = m_list->indexAt(pos);
    m_pressedRow = at.isValid() ? at.row() : -1;
    if (at.isValid())
        m_list->selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
}

} // namespace torvex
