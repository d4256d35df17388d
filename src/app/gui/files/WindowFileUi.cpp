#include "app/gui/files/WindowFileUi.h"

#include "app/gui/files/FileController.h"
#include "app/gui/editing/ItemEditorPanel.h"
#include "app/gui/window/MainMenus.h"
#include "app/gui/window/MainWindow.h"
#include "app/gui/window/MainWindowPanes.h"
#include "app/gui/tree/MenuTreeView.h"
#include "editor/MenuEditor.h"

#include <QApplication>

namespace torvex {

WindowFileUi::WindowFileUi(MainWindow &window, MainWindowPanes &panes)
    : m_window(window)
    , m_panes(panes)
{ }

void WindowFileUi::showStatus(const std::string &text)
{
    m_window.showStatus(text);
}

void WindowFileUi::showStatus(const LocalText &text)
{
    m_window.showStatus(text);
}

void WindowFileUi::processEvents()
{
    QApplication::processEvents();
}

void WindowFileUi::setBusyCursor(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void WindowFileUi::setMenusEnabled(bool enabled)
{
    m_window.menus().setEnabled(enabled);
}

void WindowFileUi::setPanelsEnabled(bool enabled)
{
    m_panes.leftPane()->setEnabled(enabled);
    m_panes.rightPane()->setEnabled(enabled);
    m_panes.itemEditor()->setEnabled(enabled);
}

void WindowFileUi::afterLoad()
{
    // The tree view has opened every submenu of the new menu already.
    m_window.menuEditor().showSelectedEntry();
    m_window.menuEditor().updateItemCount();
}

void WindowFileUi::saveFailed(const std::string &message, const std::string &cause)
{
    m_window.files().reportSaveFailure(LocalText::verbatim(message), cause);
}

void WindowFileUi::saveFailed(const LocalText &message, const std::string &cause)
{
    m_window.files().reportSaveFailure(message, cause);
}

MessageBoxes *WindowFileUi::messageBoxes()
{
    return &m_window.boxes();
}

} // namespace torvex
