#include "app/gui/window/MainPlusKey.h"

#include <QKeyEvent>
#include <QWidget>

namespace torvex {

MainPlusKey::MainPlusKey(QWidget &widget, std::function<void()> command)
    : QObject(&widget)
    , m_command(std::move(command))
{
    widget.installEventFilter(this);
}

bool MainPlusKey::isMainPlus(const QKeyEvent &event)
{
    // The keypad's keys carry the keypad modifier, so that one is refused here too.
    return (event.key() == Qt::Key_Plus || event.key() == Qt::Key_Equal)
        && event.modifiers() == Qt::NoModifier;
}

bool MainPlusKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (!isMainPlus(*key))
        return false;
    // The key is the widget's own: no shortcut of the window takes it first.
    event->accept();
    if (event->type() == QEvent::KeyPress && m_command)
        m_command();
    return true;
}

} // namespace torvex
