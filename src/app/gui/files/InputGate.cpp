#include "app/gui/files/InputGate.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace torvex {

namespace {

// Input through which the user could change the menu: keys, shortcuts, clicks, context
// menus and drops.
bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// Input that reaches a control before what it shows can change.
bool precedesChange(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::ContextMenu:
    case QEvent::FocusIn:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

InputGate::InputGate(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    qApp->installEventFilter(this);
}

InputGate::~InputGate()
{
    qApp->removeEventFilter(this);
}

void InputGate::block(Reason reason)
{
    ++(reason == Reason::FileWork ? m_fileWork : m_search);
}

void InputGate::unblock(Reason reason)
{
    int &depth = reason == Reason::FileWork ? m_fileWork : m_search;
    if (depth > 0)
        --depth;
}

bool InputGate::isBlocked(Reason reason) const
{
    return (reason == Reason::FileWork ? m_fileWork : m_search) > 0;
}

bool InputGate::belongsToWindow(const QObject *object) const
{
    // Actions and shortcuts count as part of the widget that owns them.
    while (object && !object->isWidgetType())
        object = object->parent();
    return object && static_cast<const QWidget *>(object)->window() == m_window;
}

bool InputGate::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (isUserInput(type)) {
        if (m_search > 0)
            return true;
        if (m_fileWork > 0 && belongsToWindow(watched))
            return true;
    }
    auto *widget = watched->isWidgetType() ? static_cast<QWidget *>(watched) : nullptr;
    if (!widget || widget->window() != m_window)
        return false;
    if (precedesChange(type))
        Q_EMIT inputArriving(widget);
    if (type == QEvent::KeyPress) {
        // The key passes every widget on its way; the window reacts to it once, at the
        // focused control (or at the window itself when nothing has the focus).
        QWidget *focus = QApplication::focusWidget();
        if (widget == focus || (!focus && widget == m_window))
            Q_EMIT keyPressed(static_cast<QKeyEvent *>(event)->key());
    }
    return false;
}

} // namespace torvex
