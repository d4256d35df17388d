#pragma once

#include <QStatusBar>

class QLabel;

namespace torvex {

// The status bar `StatusBar` with two panels side by side, each of a width set by the
// window: panel 0 for messages, panel 1 for the item count.
class StatusPanels : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusPanels(QWidget *parent = nullptr);

    QLabel *panel(int i) const { return m_panels[i]; }
    int panelWidth(int i) const { return m_widths[i]; }
    void setPanelWidth(int i, int width);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placePanels();

    QLabel *m_panels[2] = {};
    int m_widths[2] = { 50, 100 };
};

} // namespace torvex
