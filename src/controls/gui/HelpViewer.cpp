#include "controls/gui/HelpViewer.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace torvex {

HelpViewer::HelpViewer(QWidget *parent)
    : QDialog(parent)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Torvex Help"));
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 520);
}

bool HelpViewer::showTopic(const QString &helpFile, int topic)
{
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The file has its own extension, so it is given to the browser as HTML explicitly.
    m_browser->setHtml(QString::fromUtf8(file.readAll()));
    m_anchor = QStringLiteral("topic-%1").arg(topic);
    show();
    raise();
    activateWindow();
    m_browser->scrollToAnchor(m_anchor);
    return true;
}

} // namespace torvex
