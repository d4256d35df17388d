// The main window's widgets: composition, names, captions, hints, pictures and focus order.

#include "app/gui/DirListBox.h"
#include "app/gui/ElidedTextLabel.h"
#include "app/gui/MainWindow.h"
#include "app/gui/MenuTreeView.h"
#include "app/gui/Pictures.h"
#include "app/gui/StatusPanels.h"
#include "menu/gui/MenuText.h"
#include "menu/gui/MenuTreeModel.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

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
    auto *l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

// Height of the button column in the window's design; the two search buttons keep their
// distance from its bottom edge.
constexpr int designColumnHeight = 414;

} // namespace

void MainWindow::buildWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(applicationIcon());
    auto *central = panel("CentralArea", this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *bevel1 = panel("Bevel1", central);
    bevel1->setFixedHeight(4);
    column->addWidget(bevel1);
    m_panelIniSti = label("Panel_IniSti", "", central);
    m_panelIniSti->setFixedHeight(26);
    m_panelIniSti->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panelIniSti->setAlignment(Qt::AlignCenter);
    m_panelIniSti->setToolTip(QStringLiteral(" Ini file "));
    column->addWidget(m_panelIniSti);

    m_splitter = new QSplitter(Qt::Horizontal, central);
    m_splitter->setObjectName(QStringLiteral("Splitter"));
    m_splitter->setHandleWidth(6);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(buildLeftPane());
    m_splitter->addWidget(buildRightPane());
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({ 234, 709 - 234 - 6 });
    column->addWidget(m_splitter, 1);
    setCentralWidget(central);
    buildStatusBar();
    resize(709, 540);
    move(330, 113);
}

QWidget *MainWindow::buildLeftPane()
{
    m_panelLeft = panel("PanelLeft");
    m_panelLeft->setMinimumWidth(200);
    auto *outer = new QVBoxLayout(m_panelLeft);
    outer->setContentsMargins(3, 3, 3, 3);
    outer->setSpacing(0);
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    m_dirListBox = new DirListBox(m_panelLeft);
    m_dirListBox->setWindowsView(m_view);
    row->addWidget(m_dirListBox, 1);
    row->addWidget(buildButtonColumn());
    outer->addLayout(row, 1);
    m_panel1 = label("Panel1", "Max. number of items allowed: 200", m_panelLeft);
    m_panel1->setFixedHeight(21);
    m_panel1->setAlignment(Qt::AlignCenter);
    m_panel1->setToolTip(QStringLiteral(" Windows Commander only reads 200 items "));
    outer->addWidget(m_panel1);
    return m_panelLeft;
}

QToolButton *MainWindow::addSpeedButton(
    const char *name, int picture, QRect geometry, const char *hint)
{
    auto *b = new QToolButton(m_panelKnapper);
    b->setObjectName(QLatin1String(name));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(speedButtonIcon(static_cast<Picture>(picture)));
    b->setIconSize(QSize(24, 24));
    b->setToolTip(QString::fromUtf8(hint));
    b->setGeometry(geometry);
    return b;
}

QWidget *MainWindow::buildButtonColumn()
{
    m_panelKnapper = panel("PanelKnapper");
    m_panelKnapper->setFixedWidth(44);
    m_panelKnapper->installEventFilter(this);
    m_sButSave = addSpeedButton("SButSave", int(Picture::Save), { 5, 4, 32, 32 }, " Save (F2) ");
    m_sButShowFolder = addSpeedButton(
        "SButShowFolder", int(Picture::ShowFolder), { 5, 40, 32, 32 }, " Show Command folder ");
    m_sButAdd = addSpeedButton("SBut_Add",
        int(Picture::Add),
        { 5, 107, 32, 28 },
        " Add dropped menu at the end of the list ");
    m_sButAddFirst = addSpeedButton("SBut_AddFirst",
        int(Picture::AddFirst),
        { 5, 139, 32, 28 },
        " Add dropped menu at the beginning of the list ");
    m_sButAddChild = addSpeedButton("SBut_AddChild",
        int(Picture::AddChild),
        { 5, 171, 32, 28 },
        " Add dropped menu as the last submenu of the destination ");
    m_sButAddChildFirst = addSpeedButton("SBut_AddChildFirst",
        int(Picture::AddChildFirst),
        { 5, 203, 32, 28 },
        " Add dropped menu as the first submenu of the destination ");
    m_sButInsert = addSpeedButton("SBut_Insert",
        int(Picture::Insert),
        { 5, 235, 32, 28 },
        " Insert dropped menu before the destination menu ");
    m_sButFindMenusWithNonexistentPaths = addSpeedButton("SButFindMenusWithNonexistentPaths",
        int(Picture::FindBrokenPaths),
        { 4, 333, 34, 32 },
        " Find menus with broken (nonexistent) paths ");
    m_sButFindEmptyCommands = addSpeedButton("SButFindEmptyCommands",
        int(Picture::FindEmptyCommands),
        { 4, 368, 34, 32 },
        " Find menus with no Command strings ");

    // Exactly one drop mode is down; pressing the one that is down leaves it down.
    m_dropModeGroup = new QButtonGroup(this);
    m_dropModeGroup->setExclusive(true);
    int id = 0;
    for (QToolButton *b :
        { m_sButAdd, m_sButAddFirst, m_sButAddChild, m_sButAddChildFirst, m_sButInsert }) {
        b->setCheckable(true);
        m_dropModeGroup->addButton(b, id++);
    }
    m_sButAddChildFirst->setChecked(true);

    m_bevel2 = new QFrame(m_panelKnapper);
    m_bevel2->setObjectName(QStringLiteral("Bevel2"));
    m_bevel2->setFrameShape(QFrame::VLine);
    m_bevel2->setFrameShadow(QFrame::Sunken);
    return m_panelKnapper;
}

void MainWindow::layoutButtonColumn()
{
    if (!m_bevel2)
        return;
    const int h = m_panelKnapper->height();
    m_bevel2->setGeometry(41, 0, 3, h);
    m_sButFindMenusWithNonexistentPaths->move(4, h - (designColumnHeight - 333));
    m_sButFindEmptyCommands->move(4, h - (designColumnHeight - 368));
}

QWidget *MainWindow::buildRightPane()
{
    m_panelRight = panel("PanelRight");
    m_panelRight->setMinimumWidth(60);
    auto *layout = new QVBoxLayout(m_panelRight);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(0);
    m_velDrives = createVelDrives(m_panelRight); // MainWindowSettings.cpp
    layout->addWidget(m_velDrives);
    layout->addWidget(buildItemEditor());
    buildTree();
    layout->addWidget(m_tview, 1);
    return m_panelRight;
}

QWidget *MainWindow::buildItemEditor()
{
    m_panelData = panel("PanelData", m_panelRight);
    m_panelData->setFixedHeight(122);
    m_panelData->installEventFilter(this);
    auto edit = [this](const char *name) {
        auto *e = new QLineEdit(m_panelData);
        e->setObjectName(QLatin1String(name));
        e->setValidator(new SingleLineValidator(e));
        return e;
    };
    auto button = [this](const char *name, const char *caption, const char *hint) {
        auto *b = new QPushButton(QString::fromUtf8(caption), m_panelData);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(QString::fromUtf8(hint));
        b->setAutoDefault(false);
        return b;
    };
    m_editTitle = edit("EditTitle");
    m_editCommand = edit("EditCommand");
    m_editTargetPath = edit("EditTargetPath");
    label("Label3", "&Title:", m_panelData)->setBuddy(m_editTitle);
    label("Label1", "&Command:", m_panelData)->setBuddy(m_editCommand);
    label("Label2", "Target &path:", m_panelData)->setBuddy(m_editTargetPath);
    m_addFolderNameToTitle =
        button("AddFolderNameToTitle", "<<   ( F&5 )", " Title = folder name ");
    m_butAddPathToCommand = button("ButAddPathToCommand",
        "<<   ( F&6 )",
        " Command (source path) = selected path (see status bar) ");
    m_butAddPathToTargetPath = button(
        "ButAddPathToTargetPath", "<<   ( F&7 )", " Target path = selected path (see status bar) ");
    // The guidance wraps within the panel; what does not fit is cut with an ellipsis and
    // shown whole as a tooltip.
    m_label4 = new ElidedTextLabel(m_panelData);
    m_label4->setObjectName(QStringLiteral("Label4"));
    // Three lines of guidance fit under the edits; at the design width they hold it all.
    QFont small = m_label4->font();
    small.setPixelSize(11);
    m_label4->setFont(small);
    return m_panelData;
}

void MainWindow::layoutItemEditor()
{
    if (!m_label4)
        return;
    // Design width of the panel 455: edits end 75 px, buttons 3 px and the guidance text
    // 26 px short of the right edge.
    const int w = m_panelData->width();
    const int editWidth = std::max(40, w - 80 - 75);
    const int labelY[] = { 9, 35, 61 };
    const char *labels[] = { "Label3", "Label1", "Label2" };
    QLineEdit *edits[] = { m_editTitle, m_editCommand, m_editTargetPath };
    QPushButton *buttons[] = {
        m_addFolderNameToTitle, m_butAddPathToCommand, m_butAddPathToTargetPath
    };
    for (int i = 0; i < 3; ++i) {
        if (auto *l = m_panelData->findChild<QLabel *>(QLatin1String(labels[i])))
            l->setGeometry(6, labelY[i] - 2, 72, 17);
        edits[i]->setGeometry(80, 5 + 26 * i, editWidth, 21);
        buttons[i]->setGeometry(std::max(80 + editWidth + 7, w - 68), 4 + 26 * i, 65, 25);
    }
    m_label4->setGeometry(8, 82, std::max(40, w - 34), 122 - 82);
}

void MainWindow::buildTree()
{
    m_tview = new MenuTreeView(m_panelRight);
    m_model = new MenuTreeModel(m_tree, this);
    m_model->setImages(treeImages());
    m_tview->setMenuModel(m_model);
}

void MainWindow::buildStatusBar()
{
    m_statusBar = new StatusPanels(this);
    setStatusBar(m_statusBar);
}

} // namespace torvex
