#include "app/gui/files/UnsavedMark.h"

#include "app/gui/editing/UndoHistory.h"

#include <QLabel>
#include <QWidget>

namespace torvex {

namespace {

// The panel's text is " " and the path; marked, " * " and the path.
const QString panelMark = QStringLiteral(" * ");
// The title ends in " *" while marked.
const QString titleMark = QStringLiteral(" *");

} // namespace

UnsavedMark::UnsavedMark(UndoHistory &history, QWidget &window, QLabel &filePanel)
    : QObject(&window)
    , m_history(history)
    , m_window(window)
    , m_filePanel(filePanel)
{
    connect(&history, &UndoHistory::cleanChanged, this, &UnsavedMark::refresh);
}

void UnsavedMark::refresh()
{
    const bool unsaved = !m_history.isClean();

    QString panel = m_filePanel.text();
    if (panel.startsWith(panelMark))
        panel = panel.mid(panelMark.size() - 1);
    if (unsaved && panel.startsWith(QLatin1Char(' ')))
        panel = panelMark + panel.mid(1);
    if (panel != m_filePanel.text())
        m_filePanel.setText(panel);

    QString title = m_window.windowTitle();
    if (title.endsWith(titleMark))
        title.chop(titleMark.size());
    if (unsaved)
        title += titleMark;
    if (title != m_window.windowTitle())
        m_window.setWindowTitle(title);
}

} // namespace torvex
