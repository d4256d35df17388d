// The main window's widgets: composition, names, captions, hints and pictures.

#include "app/gui/window/MainWindowPanes.h"

#include "app/gui/editing/ButtonColumn.h"
#include "app/gui/folders/DirListBox.h"
#include "app/gui/widgets/ElidedPathLabel.h"
#include "app/gui/widgets/ElidedTextLabel.h"
#include "app/gui/folders/FolderPane.h"
#include "app/gui/editing/ItemEditorPanel.h"
#include "app/gui/tree/MenuTreeView.h"
#include "app/gui/files/NoticeBar.h"
#include "app/gui/widgets/Pictures.h"
#include "app/gui/window/StatusPanels.h"
#include "controls/gui/DrivePanel.h"
#include "menu/gui/MenuText.h"
#include "menu/gui/MenuTreeModel.h"
#include "platform/WindowsView.h"

#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace torvex {

namespace {

QWidget *panel(const char *name, QWidget *parent = nullptr)
{
    auto *w = new QWidget(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

QLabel *label(const char *name, const char *text, QWidget *parent)
{
    auto *l = new QLabel(QCoreApplication::translate("torvex::MainWindowPanes", text), parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

} // namespace

MainWindowPanes::MainWindowPanes(QMainWindow &window,
    FolderPane &folders,
    MenuTree &tree,
    InputGate &inputGate,
    ItemEditorWindow &itemEditorWindow)
    : m_window(window)
    , m_folders(folders)
{
    m_window.setObjectName(QStringLiteral("Form1"));
    m_window.setWindowIcon(applicationIcon());
    auto *central = panel("CentralArea", &m_window);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *bevel1 = panel("Bevel1", central);
    bevel1->setFixedHeight(4);
    column->addWidget(bevel1);
    column->addLayout(buildFileRow(central));

    m_splitter = new QSplitter(Qt::Horizontal, central);
    m_splitter->setObjectName(QStringLiteral("Splitter"));
    m_splitter->setHandleWidth(6);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(buildLeftPane());
    m_splitter->addWidget(buildRightPane(tree, inputGate, itemEditorWindow));
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({ 234, 709 - 234 - 6 });
    column->addWidget(m_splitter, 1);
    m_window.setCentralWidget(central);
    m_statusBar = new StatusPanels(&m_window);
    m_window.setStatusBar(m_statusBar);
    m_window.resize(709, 540);
    m_window.move(330, 113);
}

// The file panel `Panel_IniSti` and the prefix panel beside it.
QHBoxLayout *MainWindowPanes::buildFileRow(QWidget *central)
{
    // A long path is shortened in its middle and never widens the window.
    m_iniPathLabel = new ElidedPathLabel(central);
    m_iniPathLabel->setObjectName(QStringLiteral("Panel_IniSti"));
    m_iniPathLabel->setFixedHeight(26);
    m_iniPathLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_iniPathLabel->setAlignment(Qt::AlignCenter);
    m_iniPathLabel->setToolTip(
        QCoreApplication::translate("torvex::MainWindowPanes", " Ini file "));
    m_panelPrefix = new QLabel(central);
    m_panelPrefix->setObjectName(QStringLiteral("PanelPrefix"));
    m_panelPrefix->setFixedHeight(26);
    m_panelPrefix->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panelPrefix->setAlignment(Qt::AlignCenter);
    // A long name is cut rather than widen the window; the tooltip names the folder.
    m_panelPrefix->setMaximumWidth(220);
    auto *fileRow = new QHBoxLayout;
    fileRow->setSpacing(0);
    fileRow->addWidget(m_iniPathLabel, 1);
    fileRow->addWidget(m_panelPrefix);
    return fileRow;
}

QWidget *MainWindowPanes::buildLeftPane()
{
    m_panelLeft = panel("PanelLeft");
    auto *outer = new QVBoxLayout(m_panelLeft);
    outer->setContentsMargins(3, 3, 3, 3);
    outer->setSpacing(0);
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(m_folders.createList(m_panelLeft), 1);
    m_buttonColumn = new ButtonColumn(m_panelLeft);
    row->addWidget(m_buttonColumn);
    outer->addLayout(row, 1);
    m_panel1 = label("Panel1",
        QT_TRANSLATE_NOOP("torvex::MainWindowPanes", "Max. number of items allowed: 200"),
        m_panelLeft);
    m_panel1->setFixedHeight(21);
    m_panel1->setAlignment(Qt::AlignCenter);
    m_panel1->setToolTip(QCoreApplication::translate(
        "torvex::MainWindowPanes", " Windows Commander only reads 200 items "));
    outer->addWidget(m_panel1);
    // The pane is at least 200 px wide, and wide enough for the whole notice.
    const int notice = m_panel1->fontMetrics().horizontalAdvance(m_panel1->text());
    m_panelLeft->setMinimumWidth(std::max(200, notice + 2 * 3 + 12));
    return m_panelLeft;
}

QWidget *MainWindowPanes::buildRightPane(MenuTree &tree,
    InputGate &inputGate,
    ItemEditorWindow &itemEditorWindow)
{
    // The right pane's least width is the item editor's, where every caption fits.
    m_panelRight = panel("PanelRight");
    auto *layout = new QVBoxLayout(m_panelRight);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(0);
    layout->addWidget(m_folders.createDrives(m_panelRight));
    m_itemEditor = new ItemEditorPanel(tree, inputGate, itemEditorWindow, m_panelRight);
    layout->addWidget(m_itemEditor);
    m_noticeBar = new NoticeBar(m_panelRight);
    layout->addWidget(m_noticeBar);
    m_tview = new MenuTreeView(m_panelRight);
    m_model = new MenuTreeModel(tree, &m_window);
    // For the sharpest screen: a lower scale draws them smaller, not blurred.
    m_model->setImages(
        treeImages(qApp->devicePixelRatio(), m_tview->palette().color(QPalette::Text)));
    m_tview->setMenuModel(m_model);
    layout->addWidget(m_tview, 1);
    return m_panelRight;
}

} // namespace torvex
