#pragma once

#include "app/gui/bookmarks/BookmarkChoiceDialog.h"
#include "core/Environment.h"

#include <QObject>

#include <memory>

class QMenu;
class QWidget;

namespace torvex {

class CurrentWindowsView;
class FileSystem;
class MenuNode;
class MenuTree;
class MessageBoxes;
class UndoHistory;

// The caption of the bookmark dialogs and messages.
inline constexpr const char *linuxBookmarksCaption =
    QT_TRANSLATE_NOOP("torvex::BookmarkCommands", "Linux bookmarks");

// What the bookmark commands need of the window.
class BookmarkWindow
{
public:
    virtual MessageBoxes &boxes() = 0;

protected:
    ~BookmarkWindow() = default;
};

// File > Import > "Linux bookmarks..." and File > Export > "Linux bookmarks...": the folders
// the desktop knows (GTK's bookmarks, KDE's places, the XDG user folders) become entries
// after the selected one, as one undo step; the folders of chosen entries are added to GTK's
// bookmarks, the user's own lines kept.
class BookmarkCommands : public QObject
{
    Q_OBJECT

public:
    // The files are read and written through `hostFiles`; `environment` names the desktop's
    // folders (HOME, XDG_CONFIG_HOME, XDG_DATA_HOME).
    BookmarkCommands(QMenu &importMenu,
        QMenu &exportMenu,
        QWidget &window,
        BookmarkWindow &host,
        MenuTree &tree,
        UndoHistory &history,
        const CurrentWindowsView &views,
        FileSystem &hostFiles,
        Environment environment);
    ~BookmarkCommands() override;

    void importBookmarks();
    void exportBookmarks();
    // Who chooses the lines; nullptr goes back to the dialog.
    void setChooser(BookmarkChooser *chooser);

Q_SIGNALS:
    // Entries were added by an import; the first of them.
    void entriesAdded(MenuNode *first);

private:
    BookmarkChooser &chooser() { return m_chooser ? *m_chooser : *m_dialogChooser; }
    void reportExport(std::size_t added, std::size_t chosen, std::size_t skipped);

    BookmarkWindow &m_host;
    MenuTree &m_tree;
    UndoHistory &m_history;
    const CurrentWindowsView &m_views;
    FileSystem &m_files;
    Environment m_environment;
    std::unique_ptr<DialogBookmarkChooser> m_dialogChooser;
    BookmarkChooser *m_chooser = nullptr;
};

} // namespace torvex
