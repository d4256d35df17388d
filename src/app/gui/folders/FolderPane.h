#pragma once

#include "controls/DrivePanelModel.h"
#include "core/LocalText.h"
#include "editor/DropLogic.h"

#include <QObject>

#include <memory>
#include <optional>
#include <string>

class QPoint;
class QWidget;

namespace torvex {

class CurrentWindowsView;
class DirListBox;
class DrivePanel;

// The folder side of the main window: the folder list `DirListBox` and the drive button panel
// `VelDrives` above the editor, kept on the same drive. It remembers the list entry under the
// last press, which names the folder of a Ctrl-drop.
class FolderPane : public QObject
{
    Q_OBJECT

public:
    // The pane follows `views` onto the prefix of each file loaded.
    FolderPane(CurrentWindowsView &views, QObject *parent);

    // Makes the folder list, a child of `parent`.
    DirListBox *createList(QWidget *parent);
    // Makes `VelDrives`, a child of `parent`, with the drive types of the main window.
    DrivePanel *createDrives(QWidget *parent);

    DirListBox *list() const { return m_list; }
    DrivePanel *drives() const { return m_drives; }

    // Puts the list at `folder` (a Windows path) without telling anyone: a start, not a change
    // of folder the user made.
    void startAt(const std::string &folder);
    // Opens the list at `folder` (a Windows path); the drive buttons follow onto its drive.
    void showFolder(const std::string &folder);
    // A drive button was clicked: the list moves to `drive`, or the failure is reported when
    // its root cannot be read. (VelDrivesClickButton)
    void switchToDrive(char drive);
    // Puts down the stored drive's button (torvex.ini form1/VelDrives) and opens it.
    void restoreDrive(const std::string &storedDrive);
    // The drive to store: the letter of the button that is down, '\0' for none.
    char chosenDrive() const;
    void setDriveTypes(DriveTypeSet types);

    // The list row under the last press in the list, -1 when the press hit no entry.
    int pressedRow() const { return m_pressedRow; }
    // The entry of that row, none when there is none.
    std::optional<DirEntry> pressedEntry() const;

Q_SIGNALS:
    // The list opened another folder.
    void folderChanged();
    // A click failed (a drive that is not available): the window shows and logs `message`
    // as a failure of its handlers.
    void failed(const LocalText &message);

private:
    void rememberPressedRow(const QPoint &pos); // DirListBoxMouseDown

    // The view was replaced: the drive buttons are made again and the list opens the same
    // folder when the new view has it, else the root of C: (or of the first drive).
    void followView();

    CurrentWindowsView &m_views;
    DirListBox *m_list = nullptr;
    DrivePanel *m_drives = nullptr;
    int m_pressedRow = -1;
};

} // namespace torvex
