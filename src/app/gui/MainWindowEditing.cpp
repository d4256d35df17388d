// Editing commands of the main window: the tree's popup menu, the item editor, the folder
// list's open folder, the count and the searches. The decisions live in MenuEditor; the code
// here moves texts between it and the widgets.

#include "app/gui/DirListBox.h"
#include "app/gui/MainWindow.h"
#include "app/gui/StatusPanels.h"
#include "app/gui/UserInput.h"
#include "controls/gui/DrivePanel.h"
#include "editor/EditorTexts.h"
#include "editor/EntryDestination.h"
#include "editor/MenuEditor.h"
#include "menu/gui/MenuText.h"
#include "platform/WindowsView.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <cctype>
#include <map>
#include <utility>

namespace torvex {

namespace {

std::string toStd(const QString &text)
{
    return menuTextFromQt(text);
}

QString toQt(const std::string &text)
{
    return menuTextToQt(text);
}

// Input that reaches a line edit before its text can change.
bool isEditInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::ContextMenu:
    case QEvent::FocusIn:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

// The editing logic together with its view of this window's widgets.
struct MainWindow::Editing final : public QObject, public EditorUi
{
    explicit Editing(MainWindow &owner)
        : form(owner)
        , editor(owner.m_tree, *this, [view = owner.m_view](const std::string &path) {
            return view->directoryExists(path);
        })
    {
        // The file manager's own variable names its program folder, which depends on the file
        // being edited, so it is looked up when a search asks.
        editor.setVariables(fileManagerVariables(*owner.m_view, [&owner] {
            return commanderPath(owner.m_view->registry(), owner.m_session.currentIniFile());
        }));
        // Application-wide: the filter sees the edits' input and, during a search, all input.
        qApp->installEventFilter(this);
    }

    ~Editing() override { qApp->removeEventFilter(this); }

    void showStatus(const std::string &text) override { form.showStatus(text); }
    MessageBoxes &boxes() override { return form.boxes(); }
    void showItemCount(const std::string &text) override
    {
        form.m_statusBar->panel(1)->setText(toQt(text));
    }
    void showItemLimitWarning(const std::string &text, BoxPlacement placement) override
    {
        form.boxes().informAt(
            text, texts::itemLimitCaption, MsgIcon::Information, placement.x, placement.y);
    }
    ScreenPoint pointerPosition() const override
    {
        const QPoint p = QCursor::pos();
        return { p.x(), p.y() };
    }
    ScreenSize screenSize() const override
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (!screen)
            return {};
        return { screen->geometry().width(), screen->geometry().height() };
    }
    void setPanelEnabled(bool enabled) override { form.m_panelData->setEnabled(enabled); }
    void setItemControlsEnabled(bool enabled) override
    {
        form.m_editCommand->setEnabled(enabled);
        form.m_editTargetPath->setEnabled(enabled);
        form.m_butAddPathToCommand->setEnabled(enabled);
        form.m_butAddPathToTargetPath->setEnabled(enabled);
    }
    void setTitleText(const std::string &text) override { showFromStart(form.m_editTitle, text); }
    void setCommandText(const std::string &text) override
    {
        showFromStart(form.m_editCommand, text);
    }
    void setTargetPathText(const std::string &text) override
    {
        showFromStart(form.m_editTargetPath, text);
    }
    // A text the program puts in shows its beginning ("cd C:\..."), not its end where
    // setText leaves the cursor; typing never comes through here. It goes in as it stands,
    // past the edit's validator, and is remembered: the node gets it back byte for byte
    // (bytes that are not UTF-8 included) as long as the user has not edited it.
    void showFromStart(QLineEdit *edit, const std::string &text)
    {
        const QString shown = toQt(text);
        programTexts[edit] = { shown, text };
        const QValidator *validator = edit->validator();
        edit->setValidator(nullptr);
        edit->setText(shown);
        edit->setValidator(validator);
        edit->setCursorPosition(0);
    }
    // The edit's text for the core.
    std::string textOf(const QLineEdit *edit) const
    {
        const QString text = edit->text();
        const auto put = programTexts.find(edit);
        if (put != programTexts.end() && put->second.first == text)
            return put->second.second;
        return toStd(text);
    }
    std::string commandText() const override { return textOf(form.m_editCommand); }
    std::string targetPathText() const override { return textOf(form.m_editTargetPath); }
    void setFolderNameHint(const std::string &hint) override
    {
        form.m_addFolderNameToTitle->setToolTip(toQt(hint));
    }
    // Repaints and timers run; the eventFilter below keeps the user's input away meanwhile.
    void processEvents() override { QApplication::processEvents(); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (editor.isSearching() && isUserInput(type))
            return true;
        if (isEditInput(type)
            && (watched == form.m_editTitle || watched == form.m_editCommand
                || watched == form.m_editTargetPath))
            editor.showSelectedBeforeEdit();
        return QObject::eventFilter(watched, event);
    }

    MainWindow &form;
    MenuEditor editor;
    // The last text the program put into each edit, as shown and as the core holds it.
    std::map<const QLineEdit *, std::pair<QString, std::string>> programTexts;
};

MainWindow::Editing &MainWindow::editing()
{
    if (!m_editing)
        m_editing = std::make_shared<Editing>(*this);
    return *m_editing;
}

void MainWindow::mnuPopupPopup()
{
    const PopupEntries shown = popupEntries(m_tree);
    m_mnuPopupAddSubMenu->setVisible(shown.addSubMenu);
    m_mnuPopUpAddSisterMenu->setVisible(shown.addSisterMenu);
    m_mnuPopUpAddCopy->setVisible(shown.addCopy);
    m_n2->setVisible(shown.separatorN2);
    m_mnuPopupDeleteSelectedMenu->setVisible(shown.deleteSelectedMenu);
    m_mnuPopupAddMenu->setVisible(shown.addMenu);
    m_n4->setVisible(shown.separatorN4);
    m_mnuPopupShowCommandFolder->setVisible(shown.showCommandFolder);
}

void MainWindow::mnuPopupAddSubMenuClick()
{
    editing().editor.addSubMenu();
}

void MainWindow::mnuPopUpAddSisterMenuClick()
{
    editing().editor.addSisterMenu();
}

void MainWindow::mnuPopUpAddCopyClick()
{
    editing().editor.addCopy();
}

void MainWindow::mnuPopupDeleteSelectedMenuClick()
{
    editing().editor.deleteSelectedMenu();
}

void MainWindow::mnuPopupAddMenuClick()
{
    editing().editor.addMenu();
}

void MainWindow::deleteMenuTree(MenuNode *node)
{
    editing().editor.deleteMenuTree(node);
}

void MainWindow::showSelectedEntry()
{
    editing().editor.showSelectedEntry();
}

void MainWindow::tviewMouseDown(Qt::MouseButton, const QPoint &)
{
    editing().editor.treePressed();
}

void MainWindow::tviewKeyUp(int)
{
    editing().editor.showSelectedEntry();
}

void MainWindow::EditTitleChange()
{
    editing().editor.titleEdited(editing().textOf(m_editTitle));
}

void MainWindow::EditCommandChange()
{
    editing().editor.commandEdited(editing().textOf(m_editCommand));
}

void MainWindow::EditTargetPathChange()
{
    editing().editor.targetPathEdited(editing().textOf(m_editTargetPath));
}

void MainWindow::AddFolderNameToTitleClick()
{
    editing().editor.titleFromFolder(m_dirListBox->directory());
}

void MainWindow::ButAddPathToCommandClick()
{
    editing().editor.commandFromFolder(m_dirListBox->directory());
}

void MainWindow::ButAddPathToTargetPathClick()
{
    editing().editor.targetPathFromFolder(m_dirListBox->directory());
}

void MainWindow::DirListBoxChange()
{
    editing().editor.openFolderChanged(m_dirListBox->directory());
}

void MainWindow::SButShowFolderClick()
{
    // The Command edit may still hold the node a cancelled drop left in the panel.
    editing().editor.showSelectedBeforeEdit();
    const auto folder = editing().editor.commandFolderToShow(editing().textOf(m_editCommand));
    if (!folder)
        return;
    // The list takes Windows paths: a host path in a command goes through its drive.
    const auto host = m_view->hostPath(*folder);
    const auto windows = host ? m_view->windowsPath(*host) : std::nullopt;
    if (!windows)
        return;
    m_dirListBox->setDirectory(*windows);
    // The drive buttons follow the list onto another drive, so the button that is down
    // names the drive shown (and is the one stored at close). Its click finds the list
    // already on that drive and leaves the folder alone.
    DrivePanel *panel = velDrives();
    const char drive = m_dirListBox->drive();
    if (panel && drive != 0 && panel->model().isDriveShown(drive)
        && std::toupper(static_cast<unsigned char>(panel->drive()))
            != std::toupper(static_cast<unsigned char>(drive)))
        panel->setDrive(drive);
}

void MainWindow::updateItemCount()
{
    editing().editor.updateItemCount();
}

void MainWindow::SButFindMenusWithNonexistentPathsClick()
{
    editing().editor.findBrokenPaths();
}

void MainWindow::SButFindEmptyCommandsClick()
{
    editing().editor.findEmptyCommands();
}

} // namespace torvex
