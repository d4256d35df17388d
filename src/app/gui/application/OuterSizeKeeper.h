#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSize>
#include <QTimer>

class QWidget;

namespace torvex {

// The stored size is the window's outer size, but the frame is known only once the window
// manager has framed the shown window, which may come some time after the show. This watcher
// waits for the frame (a short while at most) and then corrects the size, once, so that a
// size read and written again does not grow by the frame at every run. A window shown
// maximized is corrected when it is first restored to its normal size.
class OuterSizeKeeper : public QObject
{
public:
    // Watches `window`, which is to have the outer size `outer`; deletes itself when done.
    OuterSizeKeeper(QWidget *window, QSize outer);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void check();
    void finish();

    QWidget *m_window;
    QSize m_outer;
    QTimer m_poll;
    QElapsedTimer m_clock;
    bool m_done = false;
};

} // namespace torvex
