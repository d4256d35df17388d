#include "controls/gui/DeferredError.h"

#include <QCoreApplication>

namespace torvex {

namespace {

QEvent::Type deferredErrorType()
{
    static const int type = QEvent::registerEventType();
    return static_cast<QEvent::Type>(type);
}

class DeferredErrorEvent : public QEvent
{
public:
    explicit DeferredErrorEvent(std::exception_ptr error)
        : QEvent(deferredErrorType())
        , m_error(std::move(error))
    { }
    [[noreturn]] void rethrow() const { std::rethrow_exception(m_error); }

private:
    std::exception_ptr m_error;
};

} // namespace

void deferError(QObject *receiver, std::exception_ptr error)
{
    QCoreApplication::postEvent(receiver, new DeferredErrorEvent(std::move(error)));
}

void rethrowDeferredError(QEvent *event)
{
    if (event->type() == deferredErrorType())
        static_cast<DeferredErrorEvent *>(event)->rethrow();
}

} // namespace torvex
