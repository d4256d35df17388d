#include "app/gui/application/OuterSizeKeeper.h"

#include <QEvent>
#include <QWidget>

namespace torvex {

OuterSizeKeeper::OuterSizeKeeper(QWidget *window, QSize outer)
    : QObject(window)
    , m_window(window)
    , m_outer(outer)
{
    window->installEventFilter(this);
    m_poll.setInterval(20);
    connect(&m_poll, &QTimer::timeout, this, &OuterSizeKeeper::check);
}

bool OuterSizeKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || m_done)
        return false;
    const bool isNormal = m_window->windowState() == Qt::WindowNoState;
    if ((event->type() == QEvent::Show || event->type() == QEvent::WindowStateChange) && isNormal
        && m_window->isVisible() && !m_poll.isActive()) {
        // A window shown maximized gets its size once it is restored.
        m_clock.start();
        m_poll.start();
    } else if (m_poll.isActive()
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        QTimer::singleShot(0, this, &OuterSizeKeeper::check);
    }
    return false;
}

void OuterSizeKeeper::check()
{
    if (m_done)
        return;
    // A window without a frame (no window manager) never gets one: give up after a while.
    constexpr qint64 patience = 2000;
    const QSize frame = m_window->frameGeometry().size() - m_window->size();
    if (m_window->windowState() != Qt::WindowNoState)
        m_poll.stop(); // maximized or minimized: wait until it is restored
    else if (!frame.isNull()) {
        m_window->resize(m_outer - frame);
        finish();
    } else if (m_clock.elapsed() > patience)
        finish();
}

void OuterSizeKeeper::finish()
{
    m_done = true;
    m_poll.stop();
    m_window->removeEventFilter(this);
    deleteLater();
}

} // namespace torvex
