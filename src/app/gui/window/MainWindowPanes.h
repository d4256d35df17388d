#pragma once

#include "app/gui/editing/ItemEditorPanel.h"

#include <memory>

class QHBoxLayout;
class QLabel;
class QMainWindow;
class QSplitter;
class QWidget;

namespace torvex {

class ButtonColumn;
class FolderPane;
class InputGate;
class MenuTree;
class MenuTreeModel;
class MenuTreeView;
class NoticeBar;
class Session;
class StatusPanels;
class CurrentWindowsView;

// The widgets of the main window, built into it: the ini path panel `Panel_IniSti`, the
// `Splitter` with the left pane (folder list, button column, `Panel1`) and the right pane
// (drive buttons, item editor, menu tree), and the status bar. The window places and wires
// them; this class only builds them and names them.
class MainWindowPanes
{
public:
    // `itemEditorWindow` is what the item editor needs of the window.
    MainWindowPanes(QMainWindow &window,
        FolderPane &folders,
        MenuTree &tree,
        InputGate &inputGate,
        ItemEditorWindow &itemEditorWindow);

    QLabel *iniPanel() const { return m_iniPathLabel; }
    // Beside the file panel: the Wine prefix the window works in.
    QLabel *prefixPanel() const { return m_panelPrefix; }
    StatusPanels *statusBar() const { return m_statusBar; }
    QWidget *leftPane() const { return m_panelLeft; }
    QSplitter *splitter() const { return m_splitter; }
    QWidget *rightPane() const { return m_panelRight; }
    ButtonColumn *buttonColumn() const { return m_buttonColumn; }
    ItemEditorPanel *itemEditor() const { return m_itemEditor; }
    MenuTreeView *treeView() const { return m_tview; }
    // The bar above the tree that tells what the file holds beyond the menu.
    NoticeBar *noticeBar() const { return m_noticeBar; }
    // Owned by the window; it observes the tree and must go before the tree does.
    MenuTreeModel *treeModel() const { return m_model; }

private:
    QHBoxLayout *buildFileRow(QWidget *central);
    QWidget *buildLeftPane();
    QWidget *buildRightPane(MenuTree &tree,
        InputGate &inputGate,
        ItemEditorWindow &itemEditorWindow);

    QMainWindow &m_window;
    FolderPane &m_folders;
    QLabel *m_iniPathLabel = nullptr; // Panel_IniSti
    QLabel *m_panelPrefix = nullptr;
    StatusPanels *m_statusBar = nullptr; // StatusBar
    QWidget *m_panelLeft = nullptr;
    QSplitter *m_splitter = nullptr;
    QWidget *m_panelRight = nullptr;
    QLabel *m_panel1 = nullptr;
    ButtonColumn *m_buttonColumn = nullptr; // PanelKnapper
    ItemEditorPanel *m_itemEditor = nullptr; // PanelData
    MenuTreeView *m_tview = nullptr;
    NoticeBar *m_noticeBar = nullptr;
    MenuTreeModel *m_model = nullptr;
};

} // namespace torvex
