#pragma once

#include <QDialog>

class QTextBrowser;

namespace torvex {

// The in-program help window: shows the HTML help file and scrolls to a topic's anchor
// ("topic-9999").
class HelpViewer : public QDialog
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // Loads `helpFile` and shows it at `topic`. Returns false when the file cannot be read.
    bool showTopic(const QString &helpFile, int topic);
    QTextBrowser *browser() const { return m_browser; }
    QString currentAnchor() const { return m_anchor; }

private:
    QTextBrowser *m_browser;
    QString m_anchor;
};

} // namespace torvex
