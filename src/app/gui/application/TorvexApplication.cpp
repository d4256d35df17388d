#include "app/gui/application/TorvexApplication.h"

#include "app/gui/application/LoggedClassName.h"

#include <QFont>
#include <QMetaObject>
#include <QWidget>

#include <cstdio>
#include <exception>

namespace torvex {

TorvexApplication::TorvexApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{ }

TorvexApplication *TorvexApplication::instance()
{
    return qobject_cast<TorvexApplication *>(QCoreApplication::instance());
}

bool TorvexApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        report(receiver, e.what());
    } catch (...) {
        report(receiver, "Unknown error");
    }
    return false;
}

std::string TorvexApplication::senderClassName(const QObject *receiver)
{
    if (!receiver)
        return {};
    // An action, a shortcut or another non-widget reports for the widget that owns it.
    const QObject *object = receiver;
    while (object && !object->isWidgetType())
        object = object->parent();
    const QObject *sender = receiver;
    if (object) {
        // The window whose event was being handled; a popup menu belongs to the window that
        // opened it.
        const QWidget *window = static_cast<const QWidget *>(object)->window();
        while (window->windowType() == Qt::Popup && window->parentWidget())
            window = window->parentWidget()->window();
        sender = window;
    }
    return loggedClassName(sender);
}

void TorvexApplication::report(QObject *receiver, const std::string &message)
{
    const std::string sender = senderClassName(receiver);
    if (!m_handler) {
        std::fprintf(stderr, "%s: %s\n", sender.c_str(), message.c_str());
        return;
    }
    try {
        m_handler(sender, message);
    } catch (...) {
        // The handler itself failed (for example the log cannot be written): nothing more
        // can be reported, and unwinding into Qt is not allowed.
        std::fprintf(stderr, "%s: %s\n", sender.c_str(), message.c_str());
    }
}

} // namespace torvex
