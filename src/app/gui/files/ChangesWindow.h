#pragma once

#include "app/ChangesOnDisk.h"
#include "menu/MenuComparison.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QListWidget;
class QStackedWidget;
class QTableWidget;
class QTextEdit;

namespace torvex {

class FileSystem;
class MenuTree;
struct LoadedFile;

// The "Show changes..." window: the menu file as it is on disk now against what a save of the
// editor's menu would write, under a one-line summary of the entries that differ. It lists
// the entries that differ, one line each (added green, removed red, changed yellow, moved
// blue); "Key lines" shows the DirMenu lines themselves instead, as a unified diff or side by
// side, removed lines red and added ones green. The lines are compared only while they are
// shown (or asked for): the entries alone come from the menu kept from the load or the last
// save while the file is unchanged, without writing or reading lines.
// It is not modal: the menu can be edited while it is open, and showing it again, its Refresh
// button or Ctrl+D in it compare anew. One window serves each parent.
class ChangesWindow : public QWidget
{
    Q_OBJECT

public:
    // Compares the file at `path` with what a save of `tree` would write and shows the result
    // in the changes window of `parent` (made on first use), raised and activated. With no
    // path (no file open) the window says so. Throws IniReadError when the file cannot be
    // read. For the File menu and for any question about saving that offers it; `tree`, `fs`
    // and `loaded` (what the window knows of the file it read or wrote last) must live as
    // long as the window, whose Refresh compares them again.
    static ChangesWindow *showChanges(QWidget *parent,
        const std::string &path,
        const MenuTree &tree,
        FileSystem &fs,
        const LoadedFile &loaded);

    // The same for a question that is waiting for its answer: the window is modal while it
    // is open, so that it can be read, scrolled and switched to side by side, and the call
    // returns when the user closes it.
    static void showChangesUntilClosed(QWidget *parent,
        const std::string &path,
        const MenuTree &tree,
        FileSystem &fs,
        const LoadedFile &loaded);

    explicit ChangesWindow(QWidget *parent = nullptr);

    // Shows `comparison` of the file at `path` (on disk, before) with the editor (after).
    void showComparison(const std::string &path, const MenuComparison &comparison);
    // The same with the entries alone; the key lines are compared when they are wanted.
    void showEntryChanges(const std::string &path, const ChangesOnDisk &changes);
    // Shows that no file is open.
    void showNoFile();

    // Compares again what the last showChanges compared: the same file with the same tree.
    void refresh();

    QString summary() const;
    // The differing entries, one line each ("Removed: Tools > Old"), in menu order.
    QStringList entryLines() const;
    bool showsKeyLines() const;
    void setShowsKeyLines(bool keyLines);
    bool isSideBySide() const;
    void setSideBySide(bool sideBySide);
    // The lines marked as removed ("-menu3=Editor") and added ("+menu3=Text editor"), in the
    // order the unified view shows them; compares again, lines too, when they were not
    // compared yet.
    QStringList changedLines();

Q_SIGNALS:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showSummary(const std::string &path, const LocalText &summary);
    void fillEntries(const std::vector<DifferingEntry> &differing);
    void keyLinesToggled();
    void fillUnified(const MenuComparison &comparison);
    void showChosenView();
    void fillSideBySide(const MenuComparison &comparison);

    QLabel *m_summary = nullptr;
    QCheckBox *m_keyLines = nullptr;
    QCheckBox *m_sideBySide = nullptr;
    QStackedWidget *m_views = nullptr;
    QListWidget *m_entries = nullptr;
    QTextEdit *m_unified = nullptr;
    QTableWidget *m_table = nullptr;
    QStringList m_changedLines;
    // Whether the key lines shown are those of the last comparison.
    bool m_keyLinesCompared = false;
    std::function<void(bool keyLines)> m_compareAgain;
};

} // namespace torvex
