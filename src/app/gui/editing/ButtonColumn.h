#pragma once

#include "menu/MenuTree.h"

#include <QKeySequence>
#include <QWidget>

#include <optional>
#include <vector>

class QButtonGroup;
class QFrame;
class QToolButton;

namespace torvex {

// The button column `PanelKnapper` beside the folder list: Save, Show Command folder, the
// five drop-mode buttons and the two searches. The drop-mode buttons form one group whose
// ids are the AttachMode values; exactly one of them is down.
class ButtonColumn : public QWidget
{
    Q_OBJECT

public:
    explicit ButtonColumn(QWidget *parent = nullptr);

    QToolButton *saveButton() const { return m_save; } // SButSave
    QToolButton *showFolderButton() const { return m_showFolder; } // SButShowFolder
    QToolButton *findBrokenPathsButton() const { return m_findBrokenPaths; }
    QToolButton *findEmptyCommandsButton() const { return m_findEmptyCommands; }

    // Every button, top to bottom (the order Tab goes through them).
    std::vector<QToolButton *> buttons() const;

    // Puts the button of `mode` down, without a click.
    void setDropMode(AttachMode mode);
    // The mode whose button is down.
    std::optional<AttachMode> checkedDropMode() const;

Q_SIGNALS:
    // The user pressed a drop-mode button (SBut_Add, SBut_AddFirst, SBut_AddChild,
    // SBut_AddChildFirst, SBut_Insert).
    void dropModeChosen(AttachMode mode);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // What a button says: its tool tip, its name and description for screen readers, and its
    // key (none for Save, whose F2 is the File menu's).
    struct ButtonText
    {
        const char *hint;
        const char *name;
        const char *description;
        QKeySequence key = {};
    };
    QToolButton *addButton(const char *name, int picture, QRect geometry, const ButtonText &text);
    // Places the buttons for a column `height` high, none over another.
    void placeButtons(int height);
    // Draws the pictures in the palette's button text colour.
    void drawPictures();

    // Each button with its picture and its place in the design, top to bottom.
    struct Slot
    {
        QToolButton *button;
        int picture;
        QRect design;
    };
    std::vector<Slot> m_slots;

    QToolButton *m_save = nullptr;
    QToolButton *m_showFolder = nullptr;
    QToolButton *m_findBrokenPaths = nullptr; // SButFindMenusWithNonexistentPaths
    QToolButton *m_findEmptyCommands = nullptr; // SButFindEmptyCommands
    QButtonGroup *m_dropModes = nullptr;
    QFrame *m_bevel = nullptr; // Bevel2
};

} // namespace torvex
