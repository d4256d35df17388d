#pragma once

#include <QEvent>

#include <exception>

class QObject;

namespace torvex {

// Hands an exception caught inside a widget's signal handler to `receiver`'s own event
// handling, so that it reaches the application's error handling (with the receiver's class
// name) without unwinding through Qt's signal code. The receiver's customEvent must call
// rethrowDeferredError.
void deferError(QObject *receiver, std::exception_ptr error);

// Rethrows the exception carried by `event` when it is one that deferError posted; returns
// otherwise.
void rethrowDeferredError(QEvent *event);

} // namespace torvex
