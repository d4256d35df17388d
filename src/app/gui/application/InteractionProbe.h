#pragma once

#include <QObject>

#include <functional>

class QLineEdit;
class QString;

namespace torvex {

class MainWindow;

// A measuring aid for benchmarks, off unless the environment variable
// TORVEX_MEASURE_INTERACTIONS is set: once the window has loaded a menu, it does what a user
// does after the load, one interaction after another, and writes for each one line to
// standard output, then ends the program:
//   interaction <name>: cpu <ms> ms, memory <+KB> KB
// The CPU time (user and system, of the whole process) runs from the interaction until the
// window has been idle for a moment after it, so the work that timers do after it (a rescan
// of the problem list, a filter of the tree) counts too; the memory is the growth of the
// resident size. A question the window asks is answered Yes (else with its default button, or closed)
// and named on a line of its own. The menu should hold an entry titled "Big" (a submenu
// of many entries, deleted and restored) and entries titled "Folder N". With the value
// "open-problems" it only opens the Problems dock.
class InteractionProbe : public QObject
{
public:
    static constexpr const char *variable = "TORVEX_MEASURE_INTERACTIONS";
    // With this one set too (TEXT[,TEXT...]), only the find box is measured: for each text,
    // the box's opening and each character typed, the box closed in between.
    static constexpr const char *findVariable = "TORVEX_MEASURE_FIND";

    // A probe on `window` when the variable is set; nullptr otherwise. The window owns it.
    static InteractionProbe *installIfRequested(MainWindow &window);

    explicit InteractionProbe(MainWindow &window);

private:
    void waitForLoad();
    void run();
    // Runs `action`, waits until the window is idle, and reports the cost under `name`.
    void measure(const char *name, const std::function<void()> &action);
    void typeInto(QLineEdit *edit, QChar character);
    // Opens the find box, types `text` into it one character at a time, and closes it.
    void measureFind(const QString &text);

    MainWindow &m_window;
};

} // namespace torvex
