#pragma once

#include <QListWidget>

#include <map>
#include <memory>
#include <string>

namespace torvex {

class WindowsView;

// The directory list `DirListBox`: the root of one drive, the folders on the way down, the
// open folder and its subfolders, each entry with its text and its full Windows path.
// Double-click (or Enter) opens an entry. Every change of the open folder is signalled.
class DirListBox : public QListWidget
{
    Q_OBJECT

public:
    // Item data roles of an entry.
    static constexpr int PathRole = Qt::UserRole + 1;
    static constexpr int LevelRole = Qt::UserRole + 2;
    // How far an entry is indented: by its level.
    static int indentOf(const QModelIndex &index);

    explicit DirListBox(QWidget *parent = nullptr);

    // The view the list reads folders through; another view forgets the folders last open on
    // each drive. The list is read again at the next setDirectory.
    void setWindowsView(std::shared_ptr<const WindowsView> view);

    // Opens the folder (a Windows path in any spelling). A folder that does not exist opens
    // its nearest existing parent; a missing drive leaves the list as it is. Emits
    // directoryChanged when the open folder is another one than before.
    void setDirectory(const std::string &folder);
    // The open folder's full Windows path, "" before the first folder was opened.
    const std::string &directory() const { return m_directory; }
    // The drive letter of the open folder, 0 before the first folder was opened.
    char drive() const { return m_directory.empty() ? 0 : m_directory[0]; }
    // Switches to the drive's folder that was open there last (its root the first time).
    void setDrive(char letter);
    // Reads the open folder again (its subfolders may have changed).
    void refresh();

    std::string entryText(int row) const;
    std::string entryPath(int row) const;
    // The row of the open folder, -1 when the list is empty.
    int openRow() const { return m_openRow; }

Q_SIGNALS:
    void directoryChanged();
    void mousePressed(const QPoint &pos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // The current row has a frame while the list has the focus (FocusFrame.h).
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A drag carries the dragged entries' texts and paths in the list's order
    // (FolderDragData), never the items themselves.
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override;
    // Folders are only ever copied: a drop elsewhere that reported a move would have the
    // list remove the dragged entries.
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void fill();
    void openRowAt(const QModelIndex &index);

    std::shared_ptr<const WindowsView> m_view;
    std::string m_directory;
    std::map<char, std::string> m_folderByDrive;
    int m_openRow = -1;
};

} // namespace torvex
