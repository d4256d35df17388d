#pragma once

#include <QElapsedTimer>
#include <QObject>

class QLabel;
class QWidget;

#include <string>

namespace torvex {

// A line "Name:  value kB" of /proc/self/status (VmHWM, VmRSS); 0 when there is none.
long statusKilobytes(const std::string &name);
// The CPU time the process used so far (user and system), in milliseconds.
double processCpuMilliseconds();

// A measuring aid for benchmarks, off unless the environment variable
// TORVEX_REPORT_LOAD_TIME is set: once the window first paints a loaded menu's item count
// (above zero), it writes one line to standard output, then ends the program at once:
//   loaded <count> items: <ms> ms after the window appeared, <ms> ms after start,
//   peak <KB> KB, cpu <ms> ms after the window appeared, <ms> ms in all
// "Appeared" is the window's first show; the peak is the process's (VmHWM); the CPU time
// (user and system) is steadier than the wall time on a machine busy with other work; "in all"
// counts it from the process's start, a start again of the program included. The line is
// written after the paint that shows the count has finished, so the tree is laid out and
// painted by then.
class LoadTimeProbe : public QObject
{
public:
    static constexpr const char *variable = "TORVEX_REPORT_LOAD_TIME";

    // A probe on `window` when the variable is set; nullptr otherwise. The window owns it.
    static LoadTimeProbe *installIfRequested(QWidget &window);

    LoadTimeProbe(QWidget &window, QLabel &countPanel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report();

    QWidget &m_window;
    QLabel &m_countPanel;
    QElapsedTimer m_sinceShown;
    double m_cpuAtShow = 0;
    bool m_reporting = false;
};

} // namespace torvex
