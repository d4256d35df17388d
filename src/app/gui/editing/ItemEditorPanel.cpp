#include "app/gui/editing/ItemEditorPanel.h"

#include "app/gui/editing/UndoHistory.h"
#include "app/gui/files/InputGate.h"
#include "app/gui/widgets/ElidedTextLabel.h"
#include "core/MessageBoxes.h"
#include "core/gui/ShownText.h"
#include "editor/EditorTexts.h"
#include "editor/EntryDestination.h"
#include "menu/gui/MenuText.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

#include <algorithm>

namespace torvex {

namespace {

// A caption as shown: without the ampersand that marks its mnemonic.
QString plainCaption(QString caption)
{
    return caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

QLabel *label(const char *name, const char *text, QWidget *parent)
{
    auto *l = new QLabel(QCoreApplication::translate("torvex::ItemEditorPanel", text), parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

} // namespace

ItemEditorPanel::ItemEditorPanel(MenuTree &tree,
    InputGate &gate,
    ItemEditorWindow &window,
    QWidget *parent)
    : QWidget(parent)
    , m_tree(tree)
    , m_gate(gate)
    , m_window(window)
{
    setObjectName(QStringLiteral("PanelData"));
    setFixedHeight(122);
    buildControls();
    setMinimumWidth(minimumPanelWidth());
    connect(&m_gate, &InputGate::inputArriving, this, &ItemEditorPanel::inputArriving);
}

void ItemEditorPanel::buildControls()
{
    auto edit = [this](const char *name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setValidator(new SingleLineValidator(e));
        return e;
    };
    auto button = [this](const char *name, const char *caption, const char *hint) {
        auto *b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tr(hint));
        b->setAutoDefault(false);
        return b;
    };
    m_editTitle = edit("EditTitle");
    m_editCommand = edit("EditCommand");
    m_editTargetPath = edit("EditTargetPath");
    label("Label3", QT_TR_NOOP("&Title:"), this)->setBuddy(m_editTitle);
    label("Label1", QT_TR_NOOP("&Command:"), this)->setBuddy(m_editCommand);
    label("Label2", QT_TR_NOOP("Target &path:"), this)->setBuddy(m_editTargetPath);
    m_addFolderNameToTitle =
        button("AddFolderNameToTitle", "<<   ( F&5 )", QT_TR_NOOP(" Title = folder name "));
    m_butAddPathToCommand = button("ButAddPathToCommand",
        "<<   ( F&6 )",
        QT_TR_NOOP(" Command (source path) = selected path (see status bar) "));
    m_butAddPathToTargetPath = button("ButAddPathToTargetPath",
        "<<   ( F&7 )",
        QT_TR_NOOP(" Target path = selected path (see status bar) "));
    // Screen readers say what the edits hold and what the buttons do, not their captions.
    const auto speak = [](QWidget *control, const char *name, const char *description) {
        control->setAccessibleName(tr(name));
        control->setAccessibleDescription(tr(description));
    };
    speak(m_editTitle,
        QT_TR_NOOP("Title"),
        QT_TR_NOOP("The title of the selected entry as the menu shows it"));
    speak(m_editCommand,
        QT_TR_NOOP("Command"),
        QT_TR_NOOP("What the selected entry runs, such as cd and a folder"));
    speak(m_editTargetPath,
        QT_TR_NOOP("Target path"),
        QT_TR_NOOP("Where the selected entry takes the other panel, such as cd and a folder"));
    speak(m_addFolderNameToTitle,
        QT_TR_NOOP("Title from folder name"),
        QT_TR_NOOP("Sets the title to the name of the folder open in the folder list (F5)"));
    speak(m_butAddPathToCommand,
        QT_TR_NOOP("Command from folder"),
        QT_TR_NOOP("Sets the command to the folder open in the folder list (F6)"));
    speak(m_butAddPathToTargetPath,
        QT_TR_NOOP("Target path from folder"),
        QT_TR_NOOP("Sets the target path to the folder open in the folder list (F7)"));
    // The guidance wraps within the panel; what does not fit is cut with an ellipsis and
    // shown whole as a tooltip.
    m_guidance = new ElidedTextLabel(this);
    m_guidance->setObjectName(QStringLiteral("Label4"));
    connectControls();
}

void ItemEditorPanel::connectControls()
{
    // Only the user's typing reaches the tree: a text the program puts in is no edit.
    for (QLineEdit *edit : { m_editTitle, m_editCommand, m_editTargetPath }) {
        connect(edit, &QLineEdit::textEdited, this, [this, edit] {
            typed(edit);
        });
        // Leaving the edit (or Return) ends the typing step.
        connect(edit, &QLineEdit::editingFinished, this, [this] {
            if (m_history)
                m_history->endTyping();
        });
    }
    connect(m_addFolderNameToTitle,
        &QPushButton::clicked,
        this,
        &ItemEditorPanel::addFolderNameToTitle);
    connect(m_butAddPathToCommand, &QPushButton::clicked, this, &ItemEditorPanel::addPathToCommand);
    connect(m_butAddPathToTargetPath,
        &QPushButton::clicked,
        this,
        &ItemEditorPanel::addPathToTargetPath);
}

ItemEditorPanel::Metrics ItemEditorPanel::metrics() const
{
    // The design's sizes (labels 72 px, edits 21 px high every 26 px, buttons 65 by 25) are
    // the least; a larger font widens and heightens them, so that no text is cut.
    const QFontMetrics fm = fontMetrics();
    Metrics m;
    int labelWidth = 72;
    for (const char *name : { "Label3", "Label1", "Label2" }) {
        if (auto *l = findChild<QLabel *>(QLatin1String(name)))
            labelWidth = std::max(labelWidth, fm.horizontalAdvance(plainCaption(l->text())) + 6);
    }
    m.editLeft = 8 + labelWidth;
    m.rowHeight = std::max(21, m_editTitle->sizeHint().height());
    m.buttonHeight = std::max(25, m_addFolderNameToTitle->sizeHint().height());
    // The caption keeps an average character's room and the button's frame on both sides.
    m.buttonWidth = std::max(65,
        fm.horizontalAdvance(plainCaption(m_addFolderNameToTitle->text()))
            + 2 * fm.averageCharWidth() + 12);
    // An edit shows a typical command such as "cd C:\Users\name\Documents" whole.
    m.editMinimumWidth = fm.horizontalAdvance(QStringLiteral("cd C:\\Users\\name\\Documents")) + 12;
    return m;
}

int ItemEditorPanel::minimumPanelWidth() const
{
    const Metrics m = metrics();
    return m.editLeft + m.editMinimumWidth + 7 + m.buttonWidth + 3;
}

void ItemEditorPanel::placeControls()
{
    // The edits stretch with the panel; the buttons keep to its right edge, 3 px inside.
    const Metrics m = metrics();
    const int w = width();
    const int buttonLeft = std::max(m.editLeft + m.editMinimumWidth + 7, w - 3 - m.buttonWidth);
    const int editWidth = buttonLeft - 7 - m.editLeft;
    const int rowStep = m.rowHeight + 5;
    const char *labels[] = { "Label3", "Label1", "Label2" };
    QLineEdit *edits[] = { m_editTitle, m_editCommand, m_editTargetPath };
    QPushButton *buttons[] = {
        m_addFolderNameToTitle, m_butAddPathToCommand, m_butAddPathToTargetPath
    };
    for (int i = 0; i < 3; ++i) {
        const int top = 5 + rowStep * i;
        if (auto *l = findChild<QLabel *>(QLatin1String(labels[i])))
            l->setGeometry(6, top, m.editLeft - 8, m.rowHeight);
        edits[i]->setGeometry(m.editLeft, top, editWidth, m.rowHeight);
        buttons[i]->setGeometry(
            buttonLeft, top + (m.rowHeight - m.buttonHeight) / 2, m.buttonWidth, m.buttonHeight);
    }
    // The guidance wraps under the edits; the panel grows by the lines it needs, so that it
    // is never cut (it is the only explanation of the Ctrl-drop).
    const int guidanceTop = 5 + rowStep * 3 + 4;
    const int guidanceWidth = std::max(40, w - 16);
    const int guidanceHeight =
        fontMetrics()
            .boundingRect(QRect(0, 0, guidanceWidth, 100000), Qt::TextWordWrap, m_guidance->text())
            .height();
    m_guidance->setGeometry(8, guidanceTop, guidanceWidth, guidanceHeight);
    const int panelHeight = std::max(122, guidanceTop + guidanceHeight + 6);
    if (height() != panelHeight)
        setFixedHeight(panelHeight);
}

void ItemEditorPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void ItemEditorPanel::setGuidance(const QString &text)
{
    m_guidance->setText(text);
    setMinimumWidth(minimumPanelWidth());
    placeControls();
}

void ItemEditorPanel::inputArriving(QWidget *widget)
{
    if (widget == m_editTitle || widget == m_editCommand || widget == m_editTargetPath)
        m_editor->showSelectedBeforeEdit();
}

void ItemEditorPanel::writeBack(QLineEdit *edit)
{
    if (edit == m_editTitle)
        m_editor->titleEdited(textOf(edit));
    else if (edit == m_editCommand)
        m_editor->commandEdited(textOf(edit));
    else
        m_editor->targetPathEdited(textOf(edit));
}

void ItemEditorPanel::typed(QLineEdit *edit)
{
    const auto writeBack = [this, edit] {
        this->writeBack(edit);
    };
    if (!m_history) {
        writeBack();
        return;
    }
    const MenuNode *node = m_tree.selected();
    const std::string subject = node ? quotedTitle(node->title()) : std::string("\"\"");
    const auto name = [&subject](const char *source) {
        return LocalText(stepNameContext, source).arg(subject);
    };
    if (edit == m_editTitle)
        m_history->recordTyping(TypingField::Title,
            name(QT_TRANSLATE_NOOP("torvex::UndoHistory", "Edit title of %1")),
            writeBack);
    else if (edit == m_editCommand)
        m_history->recordTyping(TypingField::Command,
            name(QT_TRANSLATE_NOOP("torvex::UndoHistory", "Edit command of %1")),
            writeBack);
    else
        m_history->recordTyping(TypingField::TargetPath,
            name(QT_TRANSLATE_NOOP("torvex::UndoHistory", "Edit target path of %1")),
            writeBack);
}

void ItemEditorPanel::fillFromFolder(const char *stepName, const std::function<void()> &fill)
{
    const MenuNode *node = m_tree.selected();
    if (m_history && node)
        m_history->record(
            LocalText(stepNameContext, stepName).arg(quotedTitle(node->title())), fill);
    else
        fill();
}

// The buttons fill an edit the way typing does: MenuEditor writes what they put in into the
// node, as one step of the undo history.
void ItemEditorPanel::addFolderNameToTitle()
{
    fillFromFolder(QT_TRANSLATE_NOOP("torvex::UndoHistory", "Title from folder for %1"), [this] {
        m_editor->titleFromFolder(m_window.openFolder());
    });
}

void ItemEditorPanel::addPathToCommand()
{
    fillFromFolder(QT_TRANSLATE_NOOP("torvex::UndoHistory", "Command from folder for %1"), [this] {
        m_editor->commandFromFolder(m_window.openFolder());
    });
}

void ItemEditorPanel::addPathToTargetPath()
{
    fillFromFolder(
        QT_TRANSLATE_NOOP("torvex::UndoHistory", "Target path from folder for %1"), [this] {
            m_editor->targetPathFromFolder(m_window.openFolder());
        });
}

void ItemEditorPanel::showUndoneState(bool countChanged)
{
    if (m_tree.isEmpty()) {
        setEnabled(false);
        for (QLineEdit *edit : { m_editTitle, m_editCommand, m_editTargetPath })
            showFromStart(edit, {});
    } else {
        setEnabled(true);
        m_editor->showSelectedEntry();
    }
    if (countChanged)
        m_editor->updateItemCount();
}

void ItemEditorPanel::functionKeyPressed(int key)
{
    // Only the panel is looked at: F6 and F7 act also while their buttons are disabled.
    if (!isEnabled())
        return;
    if (key == Qt::Key_F5)
        addFolderNameToTitle();
    else if (key == Qt::Key_F6)
        addPathToCommand();
    else if (key == Qt::Key_F7)
        addPathToTargetPath();
}

void ItemEditorPanel::findBrokenPaths()
{
    const InputGate::Hold hold(m_gate, InputGate::Reason::Search);
    m_editor->findBrokenPaths();
}

void ItemEditorPanel::findEmptyCommands()
{
    const InputGate::Hold hold(m_gate, InputGate::Reason::Search);
    m_editor->findEmptyCommands();
}

// ---- EditorUi ----

void ItemEditorPanel::showStatus(const std::string &text)
{
    m_window.showStatus(text);
}

void ItemEditorPanel::showStatus(const LocalText &text)
{
    m_window.showStatus(shownText(text));
}

void ItemEditorPanel::showItemCount(const LocalText &text)
{
    m_window.showItemCount(text);
}

MessageBoxes &ItemEditorPanel::boxes()
{
    return m_window.boxes();
}

void ItemEditorPanel::showItemLimitWarning(const LocalText &text, BoxPlacement placement)
{
    boxes().informAt(text,
        LocalText(texts::editorContext, texts::itemLimitCaption),
        MsgIcon::Information,
        placement.x,
        placement.y);
}

ScreenPoint ItemEditorPanel::pointerPosition() const
{
    const QPoint p = QCursor::pos();
    return { p.x(), p.y() };
}

ScreenSize ItemEditorPanel::screenSize() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return { screen->geometry().width(), screen->geometry().height() };
}

void ItemEditorPanel::setPanelEnabled(bool enabled)
{
    setEnabled(enabled);
}

void ItemEditorPanel::setItemControlsEnabled(bool enabled)
{
    m_editCommand->setEnabled(enabled);
    m_editTargetPath->setEnabled(enabled);
    m_butAddPathToCommand->setEnabled(enabled);
    m_butAddPathToTargetPath->setEnabled(enabled);
}

void ItemEditorPanel::setTitleText(std::string_view text)
{
    showFromStart(m_editTitle, text);
}

void ItemEditorPanel::setCommandText(std::string_view text)
{
    showFromStart(m_editCommand, text);
}

void ItemEditorPanel::setTargetPathText(std::string_view text)
{
    showFromStart(m_editTargetPath, text);
}

// A text the program puts in shows its beginning ("cd C:\..."), not its end where setText
// leaves the cursor. It goes in as it stands, past the edit's validator.
void ItemEditorPanel::showFromStart(QLineEdit *edit, std::string_view text)
{
    const QString shown = menuTextToQt(text);
    m_programTexts[edit] = { shown, std::string(text) };
    const QValidator *validator = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(shown);
    edit->setValidator(validator);
    edit->setCursorPosition(0);
}

std::string ItemEditorPanel::textOf(const QLineEdit *edit) const
{
    const QString text = edit->text();
    const auto put = m_programTexts.find(edit);
    if (put != m_programTexts.end() && put->second.first == text)
        return put->second.second;
    return menuTextFromQt(text);
}

std::string ItemEditorPanel::commandText() const
{
    return textOf(m_editCommand);
}

std::string ItemEditorPanel::targetPathText() const
{
    return textOf(m_editTargetPath);
}

void ItemEditorPanel::setFolderNameHint(const LocalText &hint)
{
    m_addFolderNameToTitle->setToolTip(shownText(hint));
}

void ItemEditorPanel::processEvents()
{
    // Repaints and timers run; the input gate keeps the user's input away meanwhile.
    QApplication::processEvents();
}

} // namespace torvex
