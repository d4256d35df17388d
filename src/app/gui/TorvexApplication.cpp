#include "app/gui/TorvexApplication.h"

#include <QMetaObject>

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

void TorvexApplication::report(QObject *receiver, const std::string &message)
{
    std::string sender = receiver ? receiver->metaObject()->className() : "";
    // Our classes carry their window names ("TForm1"); the namespace is no part of them.
    if (sender.rfind("torvex::", 0) == 0)
        sender.erase(0, 8);
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
