#include "app/gui/window/StatusPanels.h"

#include <QLabel>

#include <algorithm>

namespace torvex {

StatusPanels::StatusPanels(QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    setFixedHeight(19);
    for (int i = 0; i < 2; ++i) {
        // Placed by hand rather than through addWidget so that the widths are exactly the
        // ones the window sets, without the status bar's own margins.
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_panels[i]->setTextFormat(Qt::PlainText);
    }
    placePanels();
}

void StatusPanels::setPanelWidth(int i, int width)
{
    m_widths[i] = std::max(0, width);
    placePanels();
}

void StatusPanels::resizeEvent(QResizeEvent *event)
{
    QStatusBar::resizeEvent(event);
    placePanels();
}

void StatusPanels::placePanels()
{
    m_panels[0]->setGeometry(0, 0, m_widths[0], height());
    m_panels[1]->setGeometry(m_widths[0], 0, m_widths[1], height());
}

} // namespace torvex
