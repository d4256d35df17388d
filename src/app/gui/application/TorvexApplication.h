#pragma once

#include <QApplication>

#include <functional>
#include <string>

namespace torvex {

// The application object. An exception that escapes an event handler is caught here and
// handed to the error handler with the class name of the receiver, so that nothing unwinds
// through Qt.
class TorvexApplication : public QApplication
{
    Q_OBJECT

public:
    using ErrorHandler =
        std::function<void(const std::string &senderClassName, const std::string &message)>;

    TorvexApplication(int &argc, char **argv);

    void setErrorHandler(ErrorHandler handler) { m_handler = std::move(handler); }
    bool hasErrorHandler() const { return static_cast<bool>(m_handler); }

    bool notify(QObject *receiver, QEvent *event) override;

    // The running application, nullptr when the QApplication is of another class.
    static TorvexApplication *instance();

    // The class name reported for a failure in an event of `receiver`: the class of the
    // window it belongs to ("TForm1" for anything in the main window, a popup menu counting
    // as part of the window that opened it), without the namespace; for an object outside
    // any window, its own class.
    static std::string senderClassName(const QObject *receiver);

private:
    void report(QObject *receiver, const std::string &message);

    ErrorHandler m_handler;
};

} // namespace torvex
