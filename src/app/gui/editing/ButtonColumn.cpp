#include "app/gui/editing/ButtonColumn.h"

#include "app/gui/widgets/Pictures.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>

namespace torvex {

namespace {

// Height of the button column in the window's design; the two search buttons keep their
// distance from its bottom edge.
constexpr int designColumnHeight = 414;
// Below the design's room the buttons are stacked this far apart, and shrink down to this
// height, which sets the column's least height.
constexpr int stackedGap = 2;
constexpr int leastButtonHeight = 18;
constexpr int buttonCount = 9;
constexpr int leastColumnHeight = buttonCount * leastButtonHeight + (buttonCount + 1) * stackedGap;

} // namespace

ButtonColumn::ButtonColumn(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PanelKnapper"));
    setFixedWidth(44);
    setMinimumHeight(leastColumnHeight);
    // Each button takes the focus by Tab (Space presses it) and has a key of its own, named
    // in its tool tip; Save's key is the File menu's F2.
    m_save = addButton("SButSave",
        int(Picture::Save),
        { 5, 4, 32, 32 },
        { QT_TR_NOOP(" Save (F2) "),
            QT_TR_NOOP("Save"),
            QT_TR_NOOP("Saves the menu into the ini file") });
    m_showFolder = addButton("SButShowFolder",
        int(Picture::ShowFolder),
        { 5, 40, 32, 32 },
        { QT_TR_NOOP(" Show Command folder (F8) "),
            QT_TR_NOOP("Show Command folder"),
            QT_TR_NOOP("Opens the folder list at the folder of the selected entry's command"),
            QKeySequence(Qt::Key_F8) });
    QToolButton *dropButtons[] = {
        addButton("SBut_Add",
            int(Picture::Add),
            { 5, 107, 32, 28 },
            { QT_TR_NOOP(" Add dropped menu at the end of the list (Ctrl+1) "),
                QT_TR_NOOP("Drop at the end of the list"),
                QT_TR_NOOP(
                    "Drop mode: a dropped entry is added at the end of the destination's level"),
                QKeySequence(Qt::CTRL | Qt::Key_1) }),
        addButton("SBut_AddFirst",
            int(Picture::AddFirst),
            { 5, 139, 32, 28 },
            { QT_TR_NOOP(" Add dropped menu at the beginning of the list (Ctrl+2) "),
                QT_TR_NOOP("Drop at the beginning of the list"),
                QT_TR_NOOP("Drop mode: a dropped entry is added at the beginning of the "
                           "destination's level"),
                QKeySequence(Qt::CTRL | Qt::Key_2) }),
        addButton("SBut_AddChild",
            int(Picture::AddChild),
            { 5, 171, 32, 28 },
            { QT_TR_NOOP(" Add dropped menu as the last submenu of the destination (Ctrl+3) "),
                QT_TR_NOOP("Drop as the last entry of the destination"),
                QT_TR_NOOP("Drop mode: a dropped entry becomes the last entry in the destination's "
                           "submenu"),
                QKeySequence(Qt::CTRL | Qt::Key_3) }),
        addButton("SBut_AddChildFirst",
            int(Picture::AddChildFirst),
            { 5, 203, 32, 28 },
            { QT_TR_NOOP(" Add dropped menu as the first submenu of the destination (Ctrl+4) "),
                QT_TR_NOOP("Drop as the first entry of the destination"),
                QT_TR_NOOP("Drop mode: a dropped entry becomes the first entry in the "
                           "destination's submenu"),
                QKeySequence(Qt::CTRL | Qt::Key_4) }),
        addButton("SBut_Insert",
            int(Picture::Insert),
            { 5, 235, 32, 28 },
            { QT_TR_NOOP(" Insert dropped menu before the destination menu (Ctrl+5) "),
                QT_TR_NOOP("Drop before the destination"),
                QT_TR_NOOP(
                    "Drop mode: a dropped entry is inserted directly before the destination"),
                QKeySequence(Qt::CTRL | Qt::Key_5) }),
    };
    m_findBrokenPaths = addButton("SButFindMenusWithNonexistentPaths",
        int(Picture::FindBrokenPaths),
        { 4, 333, 34, 32 },
        { QT_TR_NOOP(" Find menus with broken (nonexistent) paths (F11) "),
            QT_TR_NOOP("Find broken paths"),
            QT_TR_NOOP(
                "Selects the next entry whose command leads to a folder that does not exist"),
            QKeySequence(Qt::Key_F11) });
    m_findEmptyCommands = addButton("SButFindEmptyCommands",
        int(Picture::FindEmptyCommands),
        { 4, 368, 34, 32 },
        { QT_TR_NOOP(" Find menus with no Command strings (F12) "),
            QT_TR_NOOP("Find empty commands"),
            QT_TR_NOOP("Selects the next entry that has no command"),
            QKeySequence(Qt::Key_F12) });

    // Exactly one drop mode is down; pressing the one that is down leaves it down.
    m_dropModes = new QButtonGroup(this);
    m_dropModes->setExclusive(true);
    for (int mode = int(AttachMode::Add); mode <= int(AttachMode::Insert); ++mode) {
        dropButtons[mode]->setCheckable(true);
        m_dropModes->addButton(dropButtons[mode], mode);
    }
    setDropMode(AttachMode::AddChildFirst);
    connect(m_dropModes, &QButtonGroup::idClicked, this, [this](int id) {
        Q_EMIT dropModeChosen(static_cast<AttachMode>(id));
    });

    m_bevel = new QFrame(this);
    m_bevel->setObjectName(QStringLiteral("Bevel2"));
    m_bevel->setFrameShape(QFrame::VLine);
    m_bevel->setFrameShadow(QFrame::Sunken);
    drawPictures();
}

QToolButton *ButtonColumn::addButton(
    const char *name, int picture, QRect geometry, const ButtonText &text)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QLatin1String(name));
    b->setAutoRaise(true);
    // By Tab only: a click leaves the focus where it was (in the tree, for a drop mode).
    b->setFocusPolicy(Qt::TabFocus);
    b->setIconSize(QSize(24, 24));
    b->setToolTip(tr(text.hint));
    b->setAccessibleName(tr(text.name));
    b->setAccessibleDescription(tr(text.description));
    b->setGeometry(geometry);
    if (!text.key.isEmpty()) {
        // The key clicks the button wherever the focus is in the window; a disabled button
        // (while a file loads) does nothing.
        auto *shortcut = new QShortcut(text.key, this, nullptr, nullptr, Qt::WindowShortcut);
        shortcut->setObjectName(QLatin1String(name) + QStringLiteral("Key"));
        connect(shortcut, &QShortcut::activated, b, &QToolButton::click);
    }
    m_slots.push_back({ b, picture, geometry });
    return b;
}

std::vector<QToolButton *> ButtonColumn::buttons() const
{
    std::vector<QToolButton *> all;
    for (const Slot &slot : m_slots)
        all.push_back(slot.button);
    return all;
}

void ButtonColumn::setDropMode(AttachMode mode)
{
    if (QAbstractButton *button = m_dropModes->button(int(mode)))
        button->setChecked(true);
}

std::optional<AttachMode> ButtonColumn::checkedDropMode() const
{
    const int id = m_dropModes->checkedId();
    if (id < 0)
        return std::nullopt;
    return static_cast<AttachMode>(id);
}

void ButtonColumn::drawPictures()
{
    const QColor ink = palette().color(QPalette::Active, QPalette::ButtonText);
    for (const Slot &slot : m_slots)
        slot.button->setIcon(speedButtonIcon(static_cast<Picture>(slot.picture), ink));
}

void ButtonColumn::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        drawPictures();
}

void ButtonColumn::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_bevel->setGeometry(41, 0, 3, height());
    placeButtons(height());
}

void ButtonColumn::placeButtons(int h)
{
    // The searches keep their distance from the bottom edge while they stay below the drop
    // modes.
    const QRect lastDropMode = m_slots[6].design;
    const int firstSearch = h - (designColumnHeight - m_slots[7].design.y());
    if (firstSearch >= lastDropMode.bottom() + 1 + 4) {
        for (const Slot &slot : m_slots) {
            slot.button->setGeometry(slot.design);
            slot.button->setIconSize(QSize(24, 24));
        }
        m_findBrokenPaths->move(m_slots[7].design.x(), firstSearch);
        m_findEmptyCommands->move(
            m_slots[8].design.x(), h - (designColumnHeight - m_slots[8].design.y()));
        return;
    }
    // Too short for the design: stacked one below the other, shrunk alike when they must.
    int designHeights = 0;
    for (const Slot &slot : m_slots)
        designHeights += slot.design.height();
    const int room = std::max(0, h - (int(m_slots.size()) + 1) * stackedGap);
    int y = stackedGap;
    for (const Slot &slot : m_slots) {
        const int height = std::max(leastButtonHeight,
            std::min(slot.design.height(), slot.design.height() * room / designHeights));
        slot.button->setGeometry(slot.design.x(), y, slot.design.width(), height);
        const int icon = std::min(24, height - 4);
        slot.button->setIconSize(QSize(icon, icon));
        y += height + stackedGap;
    }
}

} // namespace torvex
