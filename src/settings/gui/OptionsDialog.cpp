#include "settings/gui/OptionsDialog.h"

#include "controls/gui/DeferredError.h"
#include "controls/gui/DrivePanel.h"
#include "controls/gui/HelpViewer.h"
#include "controls/gui/ThemeComponent.h"
#include "settings/gui/Colours.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace torvex {

namespace {

struct DriveBox
{
    const char *name;
    const char *caption;
    int top;
};

// Top to bottom in their group; also their focus order.
constexpr std::array<DriveBox, 7> driveBoxes = { {
    { "CBoxFixed", QT_TRANSLATE_NOOP("torvex::OptionsDialog", "Fixed"), 24 },
    { "CBoxRemote", QT_TRANSLATE_NOOP("torvex::OptionsDialog", "Remote"), 49 },
    { "CBoxUnavailable", QT_TRANSLATE_NOOP("torvex::OptionsDialog", "Unavailable"), 74 },
    { "CBoxRemovable", QT_TRANSLATE_NOOP("torvex::OptionsDialog", "Removable"), 99 },
    { "CBoxCDRom", QT_TRANSLATE_NOOP("torvex::OptionsDialog", "CDRom"), 124 },
    { "CBoxRamDisk", QT_TRANSLATE_NOOP("torvex::OptionsDialog", "Ram disk"), 149 },
    { "CBoxUnknown", QT_TRANSLATE_NOOP("torvex::OptionsDialog", "Unknown"), 174 },
} };

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QLabel *swatch(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(text(name));
    label->setGeometry(10, 25, 60, 39);
    label->setFrameShape(QFrame::Box);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    return label;
}

} // namespace

OptionsDialog::OptionsDialog(OptionsHost &host, QWidget *parent)
    : QDialog(parent)
    , m_host(host)
{
    buildDialog();
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::buildDialog()
{
    setObjectName(QStringLiteral("Form2"));
    m_winXP1 = new ThemeComponent(this);
    m_winXP1->setObjectName(QStringLiteral("WinXP1"));
    setWindowTitle(tr(" Options"));
    m_chooseColour = [this](int32_t current) -> std::optional<int32_t> {
        QColorDialog dialog(toQColor(current, palette()), this);
        dialog.setObjectName(QStringLiteral("ColorD"));
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return fromQColor(dialog.selectedColor());
    };
    buildControls();
    // The client area follows the controls: below the backup check box under the
    // confirmation group, right of OK.
    setFixedSize(m_butOK->geometry().right() + 1 + 10, m_cBoxBackup->geometry().bottom() + 1 + 10);
    move(262, 112);
}

QGroupBox *OptionsDialog::groupBox(const char *name, const char *title, QRect geometry)
{
    auto *box = new QGroupBox(tr(title), this);
    box->setObjectName(text(name));
    box->setGeometry(geometry);
    return box;
}

QPushButton *OptionsDialog::button(
    QWidget *parent, const char *name, const char *caption, QRect geometry)
{
    auto *b = new QPushButton(tr(caption), parent);
    b->setObjectName(text(name));
    b->setGeometry(geometry);
    return b;
}

void OptionsDialog::buildControls()
{
    buildColourControls();
    buildDriveBoxes();
    buildConfirmations();
    m_butOK = button(this, "ButOK", QT_TR_NOOP("&OK"), QRect(312, 17, 99, 45));
    m_butCancel = button(this, "ButCancel", QT_TR_NOOP("&Cancel"), QRect(312, 69, 99, 25));
    connectButtons();
    setFocusOrder();
}

void OptionsDialog::buildColourControls()
{
    m_gBoxBackgroundColor =
        groupBox("GBoxBackgroundColor", QT_TR_NOOP(" &Background color: "), QRect(12, 11, 132, 80));
    m_backgroundSwatch = swatch(m_gBoxBackgroundColor, "STextFarve");
    m_butSelectColor =
        button(m_gBoxBackgroundColor, "ButSelectColor", "...", QRect(81, 39, 39, 25));
    m_butSelectColor->setToolTip(tr(" Select background color... "));

    m_gBoxFontColor = groupBox("GBoxFontColor", QT_TR_NOOP(" &Font color: "), QRect(12, 99, 132, 80));
    m_fontSwatch = swatch(m_gBoxFontColor, "sTextFontColor");
    m_butSelectFontColor =
        button(m_gBoxFontColor, "ButSelectFontColor", "...", QRect(81, 39, 39, 25));
    m_butSelectFontColor->setToolTip(tr(" Select font color "));
    for (QPushButton *b : { m_butSelectColor, m_butSelectFontColor }) {
        QFont bold = b->font();
        bold.setBold(true);
        b->setFont(bold);
    }

    m_butWindowsColor =
        button(this, "ButWindowsColor", QT_TR_NOOP("&Use Windows colors"), QRect(14, 184, 131, 25));
    m_butWindowsColor->setToolTip(tr(" Use standard background and font colors  "));
}

void OptionsDialog::buildDriveBoxes()
{
    m_gBoxShowTheseDiskTypes =
        groupBox("GBoxShowTheseDiskTypes", QT_TR_NOOP(" Show these &disk types: "), QRect(156, 11, 146, 205));
    for (std::size_t i = 0; i < driveBoxes.size(); ++i) {
        auto *box = new QCheckBox(tr(driveBoxes[i].caption), m_gBoxShowTheseDiskTypes);
        box->setObjectName(text(driveBoxes[i].name));
        box->setGeometry(12, driveBoxes[i].top, 128, 17);
        m_driveBoxes[i] = box;
    }
    m_driveBoxes[0]->setChecked(true);
}

void OptionsDialog::buildConfirmations()
{
    m_gBoxConfirmation =
        groupBox("GBoxConfirmation", QT_TR_NOOP(" Confirmation &when: "), QRect(12, 217, 291, 65));
    m_cBoxAsk = new QCheckBox(tr("Closing without saving"), m_gBoxConfirmation);
    m_cBoxAsk->setObjectName(QStringLiteral("CBoxAsk"));
    m_cBoxAsk->setGeometry(15, 20, 217, 17);
    m_cBoxAsk->setToolTip(tr(" Check this if you want to be asked "));
    m_cBoxAsk->setChecked(true);
    m_cBoxDropTargetHasCommand = new QCheckBox(tr("Drop target has command"), m_gBoxConfirmation);
    m_cBoxDropTargetHasCommand->setObjectName(QStringLiteral("CBoxDropTargetHasCommand"));
    m_cBoxDropTargetHasCommand->setGeometry(15, 39, 217, 17);
    m_cBoxDropTargetHasCommand->setToolTip(tr(" Check this to be asked when adding submenus "
                                                "(and thus remove the parent menu's command) "));
    m_cBoxDropTargetHasCommand->setChecked(true);

    // Not a confirmation: it stands on its own under their group, in line with their boxes.
    m_cBoxBackup = new QCheckBox(tr("Keep a backup before the first save"), this);
    m_cBoxBackup->setObjectName(QStringLiteral("CBoxBackup"));
    m_cBoxBackup->setGeometry(27, 288, 276, 17);
    m_cBoxBackup->setToolTip(tr(" The first save of a run keeps the file as it was, as "
                                  "wincmd.ini.bak beside it "));
    m_cBoxBackup->setChecked(true);
}

void OptionsDialog::connectButtons()
{
    connect(m_butSelectColor, &QPushButton::clicked, this, [this] {
        guarded(
            [this] {
                chooseBackgroundColour();
            },
            -1);
    });
    connect(m_butSelectFontColor, &QPushButton::clicked, this, [this] {
        guarded(
            [this] {
                chooseFontColour();
            },
            -1);
    });
    connect(m_butWindowsColor, &QPushButton::clicked, this, [this] {
        guarded(
            [this] {
                useWindowsColours();
            },
            -1);
    });
    // A failed OK still closes the dialog with OK; a failed Cancel with Cancel.
    connect(m_butOK, &QPushButton::clicked, this, [this] {
        guarded(
            [this] {
                saveAndApply();
            },
            QDialog::Accepted);
    });
    connect(m_butCancel, &QPushButton::clicked, this, [this] {
        guarded(
            [this] {
                revert();
            },
            QDialog::Rejected);
    });
}

void OptionsDialog::setFocusOrder()
{
    QWidget *order[] = { m_butSelectColor,
        m_butSelectFontColor,
        m_butWindowsColor,
        m_cBoxAsk,
        m_cBoxDropTargetHasCommand,
        m_cBoxBackup,
        m_driveBoxes[0],
        m_driveBoxes[1],
        m_driveBoxes[2],
        m_driveBoxes[3],
        m_driveBoxes[4],
        m_driveBoxes[5],
        m_driveBoxes[6],
        m_butOK,
        m_butCancel };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

template <typename Handler> void OptionsDialog::guarded(Handler &&handler, int closeWith)
{
    try {
        handler();
    } catch (...) {
        if (closeWith >= 0)
            done(closeWith);
        deferError(this, std::current_exception());
    }
}

void OptionsDialog::setBackgroundColour(int32_t colour)
{
    m_backgroundColour = colour;
    setWidgetColour(m_backgroundSwatch, QPalette::Window, colour);
}

void OptionsDialog::setFontColour(int32_t colour)
{
    m_fontColour = colour;
    setWidgetColour(m_fontSwatch, QPalette::Window, colour);
}

Options OptionsDialog::optionsFromControls() const
{
    Options options;
    options.backgroundColour = m_backgroundColour;
    options.fontColour = m_fontColour;
    bool *shown[] = { &options.showFixed,
        &options.showRemote,
        &options.showUnavailable,
        &options.showRemovable,
        &options.showCDRom,
        &options.showRamDisk,
        &options.showUnknown };
    for (std::size_t i = 0; i < m_driveBoxes.size(); ++i)
        *shown[i] = m_driveBoxes[i]->isChecked();
    options.askOnExitWithoutSaving = m_cBoxAsk->isChecked();
    options.confirmDropOnCommand = m_cBoxDropTargetHasCommand->isChecked();
    options.keepBackup = m_cBoxBackup->isChecked();
    return options;
}

void OptionsDialog::showOptions(const Options &options)
{
    setBackgroundColour(options.backgroundColour);
    setFontColour(options.fontColour);
    const bool shown[] = { options.showFixed,
        options.showRemote,
        options.showUnavailable,
        options.showRemovable,
        options.showCDRom,
        options.showRamDisk,
        options.showUnknown };
    for (std::size_t i = 0; i < m_driveBoxes.size(); ++i)
        m_driveBoxes[i]->setChecked(shown[i]);
    m_cBoxAsk->setChecked(options.askOnExitWithoutSaving);
    m_cBoxDropTargetHasCommand->setChecked(options.confirmDropOnCommand);
    m_cBoxBackup->setChecked(options.keepBackup);
}

void OptionsDialog::loadOptions()
{
    showOptions(m_host.settings().readOptions());
    m_host.setConfirmDropOnCommand(m_cBoxDropTargetHasCommand->isChecked());
    m_host.applyTreeColours(m_backgroundColour, m_fontColour);

    m_host.waitHandlingEvents(0);
    m_host.setStatusText(tr("Showing selected drives...").toStdString());
    m_host.waitHandlingEvents(0);
    m_host.waitHandlingEvents(200);
    // One write of the whole set: a drive that keeps its button keeps its selection.
    m_host.applyDriveTypes(driveTypesOf(optionsFromControls()));
    m_host.waitHandlingEvents(200);
    m_host.setStatusText({});
}

void OptionsDialog::saveAndApply()
{
    const Options options = optionsFromControls();
    m_host.settings().writeOptions(options);
    m_host.setConfirmDropOnCommand(options.confirmDropOnCommand);
    m_host.applyTreeColours(options.backgroundColour, options.fontColour);
    m_host.applyDriveTypes(driveTypesOf(options));
    done(QDialog::Accepted);
}

void OptionsDialog::revert()
{
    loadOptions();
    done(QDialog::Rejected);
}

void OptionsDialog::chooseBackgroundColour()
{
    if (const auto colour = m_chooseColour(m_backgroundColour)) {
        setBackgroundColour(*colour);
        m_host.applyTreeColours(m_backgroundColour, m_fontColour);
    }
}

void OptionsDialog::chooseFontColour()
{
    if (const auto colour = m_chooseColour(m_fontColour)) {
        setFontColour(*colour);
        m_host.applyTreeColours(m_backgroundColour, m_fontColour);
    }
}

void OptionsDialog::useWindowsColours()
{
    setBackgroundColour(windowColour);
    setFontColour(windowTextColour);
    m_host.applyTreeColours(m_backgroundColour, m_fontColour);
}

void OptionsDialog::showHelpOnF1(int key)
{
    if (key != Qt::Key_F1)
        return;
    const QString helpFile = QString::fromStdString(m_host.helpFile());
    if (!QFileInfo(helpFile).isFile())
        return;
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer(this);
    m_helpViewer->showTopic(helpFile, 8);
}

void OptionsDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        m_butCancel->click();
        return;
    }
    showHelpOnF1(event->key());
    QDialog::keyPressEvent(event);
}

void OptionsDialog::customEvent(QEvent *event)
{
    rethrowDeferredError(event);
    QDialog::customEvent(event);
}

} // namespace torvex
