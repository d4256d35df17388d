#pragma once

#include <QObject>

class QLabel;
class QWidget;

namespace torvex {

class UndoHistory;

// Shows whether the menu differs from the one loaded or last saved: while it does, an
// asterisk stands before the file path in the file panel ("* /home/me/wincmd.ini") and after
// the program's title in the window's title ("  Torvex v1.2 *"). It follows the clean state
// of the undo history.
class UnsavedMark : public QObject
{
    Q_OBJECT

public:
    UnsavedMark(UndoHistory &history, QWidget &window, QLabel &filePanel);

    // Puts the mark on or takes it off the panel's and the window's current texts; to be
    // called after either text was set anew.
    void refresh();

private:
    UndoHistory &m_history;
    QWidget &m_window;
    QLabel &m_filePanel;
};

} // namespace torvex
