#pragma once

#include "app/gui/editing/UndoHistory.h"
#include "editor/EditorUi.h"
#include "editor/MenuEditor.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

class QLabel;
class QLineEdit;
class QPushButton;

namespace torvex {

class InputGate;
class MenuTree;
class MessageBoxes;
class UndoHistory;

// What the item editor needs from the window around it; the main window is the one
// implementation.
class ItemEditorWindow
{
public:
    // Status panel 0 (messages) and 1 (the item count); the text as it is to be shown.
    virtual void showStatus(const std::string &text) = 0;
    virtual void showStatus(const QString &text) = 0;
    virtual void showItemCount(const LocalText &text) = 0;
    virtual MessageBoxes &boxes() = 0;
    // The folder open in the folder list (a Windows path).
    virtual std::string openFolder() = 0;

protected:
    ~ItemEditorWindow() = default;
};

// The item editor `PanelData`: the Title, Command and Target path edits of the selected
// node, the three buttons (F5 to F7) that fill them from the open folder and the drag
// guidance. It shows what the editing logic (MenuEditor, owned by the window) tells it and
// runs that logic for typing, F5 to F7 and the searches.
class ItemEditorPanel : public QWidget, private EditorUi
{
    Q_OBJECT

public:
    ItemEditorPanel(MenuTree &tree,
        InputGate &gate,
        ItemEditorWindow &window,
        QWidget *parent = nullptr);

    // What the editing logic shows its state through.
    EditorUi &ui() { return *this; }
    // The editing logic this panel's edits, buttons and searches run; set once by the window.
    void setEditor(MenuEditor &editor) { m_editor = &editor; }
    // Typing and the F5 to F7 buttons make steps of `history` (none: nothing is recorded).
    void setHistory(UndoHistory *history) { m_history = history; }
    // After an undo or redo: the edits show the selected entry (empty and disabled when the
    // menu is), and the count follows when it may have changed.
    void showUndoneState(bool countChanged);

    void addFolderNameToTitle(); // AddFolderNameToTitleClick, F5
    void addPathToCommand(); // ButAddPathToCommandClick, F6
    void addPathToTargetPath(); // ButAddPathToTargetPathClick, F7
    // F5 to F7 act while the panel is enabled, also when their buttons are disabled.
    void functionKeyPressed(int key); // FormKeyDown
    // The searches hold back all input while they walk the tree.
    void findBrokenPaths(); // SButFindMenusWithNonexistentPathsClick
    void findEmptyCommands(); // SButFindEmptyCommandsClick
    // The Command edit's text as the core holds it.
    std::string commandText() const override;
    // The guidance under the edits (`Label4`).
    void setGuidance(const QString &text);

    QLineEdit *titleEdit() const { return m_editTitle; }
    QLineEdit *commandEdit() const { return m_editCommand; }
    QLineEdit *targetPathEdit() const { return m_editTargetPath; }
    QPushButton *folderNameButton() const { return m_addFolderNameToTitle; }
    QPushButton *commandPathButton() const { return m_butAddPathToCommand; }
    QPushButton *targetPathButton() const { return m_butAddPathToTargetPath; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Sizes of the panel's parts in its font.
    struct Metrics
    {
        int editLeft = 80;
        int editMinimumWidth = 0;
        int rowHeight = 21;
        int buttonWidth = 65;
        int buttonHeight = 25;
    };
    Metrics metrics() const;
    // The width at which every caption and a typical command are shown whole.
    int minimumPanelWidth() const;
    void buildControls();
    void connectControls();
    void placeControls();
    void inputArriving(QWidget *widget);
    void typed(QLineEdit *edit);
    // Writes what the edit holds into the selected node.
    void writeBack(QLineEdit *edit);
    // Runs `fill` as one step named `stepName`, the entry's title its %1.
    void fillFromFolder(const char *stepName, const std::function<void()> &fill);

    // ---- EditorUi ----
    void showStatus(const std::string &text) override;
    void showStatus(const LocalText &text) override;
    void showItemCount(const LocalText &text) override;
    MessageBoxes &boxes() override;
    void showItemLimitWarning(const LocalText &text, BoxPlacement placement) override;
    ScreenPoint pointerPosition() const override;
    ScreenSize screenSize() const override;
    void setPanelEnabled(bool enabled) override;
    void setItemControlsEnabled(bool enabled) override;
    void setTitleText(std::string_view text) override;
    void setCommandText(std::string_view text) override;
    void setTargetPathText(std::string_view text) override;
    std::string targetPathText() const override;
    void setFolderNameHint(const LocalText &hint) override;
    void processEvents() override;

    void showFromStart(QLineEdit *edit, std::string_view text);
    std::string textOf(const QLineEdit *edit) const;

    MenuTree &m_tree;
    InputGate &m_gate;
    // Watched: the window destroys the history before this panel, whose edits still lose the
    // focus (and end their typing) while the window goes.
    QPointer<UndoHistory> m_history;
    ItemEditorWindow &m_window;
    MenuEditor *m_editor = nullptr;
    // The last text the program put into each edit, as shown and as the core holds it, so
    // that bytes that are not UTF-8 survive a copy of an entry the user has not edited.
    std::map<const QLineEdit *, std::pair<QString, std::string>> m_programTexts;

    QLineEdit *m_editTitle = nullptr; // EditTitle
    QLineEdit *m_editCommand = nullptr; // EditCommand
    QLineEdit *m_editTargetPath = nullptr; // EditTargetPath
    QPushButton *m_addFolderNameToTitle = nullptr; // AddFolderNameToTitle
    QPushButton *m_butAddPathToCommand = nullptr; // ButAddPathToCommand
    QPushButton *m_butAddPathToTargetPath = nullptr; // ButAddPathToTargetPath
    QLabel *m_guidance = nullptr; // Label4
};

} // namespace torvex
