#include "app/gui/files/IniChooserDialog.h"

#include "app/gui/window/HelpCommands.h"
#include "app/gui/window/MainWindow.h"
#include "controls/gui/ThemeComponent.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace torvex {

IniChooserDialog::IniChooserDialog(MainWindow *owner)
    : QDialog(owner)
    , m_owner(owner)
    , m_theme(new ThemeComponent(this))
{
    setObjectName(QStringLiteral("Form3"));
    m_theme->setObjectName(QStringLiteral("WinXP1"));
    setWindowTitle(tr(" Open ini file"));
    setModal(true);
    buildControls();
    resize(492, 271);
    placeControls();
}

void IniChooserDialog::buildControls()
{
    m_label = new QLabel(tr("Select the ini file you want to use:"), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_iniFileList = new QListWidget(this);
    m_iniFileList->setObjectName(QStringLiteral("lboxIniStier"));
    m_iniFileList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_butCancel = new QPushButton(tr("&Cancel"), this);
    m_butCancel->setObjectName(QStringLiteral("butCancel"));
    m_butCancel->setToolTip(tr(" Don't open anything "));
    m_butCancel->setAutoDefault(false);
    m_butOK = new QPushButton(tr("&OK"), this);
    m_butOK->setObjectName(QStringLiteral("butOK"));
    m_butOK->setToolTip(tr(" Open the selected ini file "));
    m_butOK->setDefault(true);
    connect(m_butOK, &QPushButton::clicked, this, &IniChooserDialog::acceptSelection);
    connect(m_butCancel, &QPushButton::clicked, this, &IniChooserDialog::cancel);
    connect(m_iniFileList, &QListWidget::itemDoubleClicked, this, [this] {
        acceptSelection();
    });
}

namespace {

// The buttons' design width, wider where a translated caption needs more room.
int buttonWidth(const QPushButton &button)
{
    QString caption = button.text();
    caption.remove(QLatin1Char('&'));
    return std::max(75, button.fontMetrics().horizontalAdvance(caption) + 2 * 6);
}

} // namespace

void IniChooserDialog::placeControls()
{
    const int w = width();
    const int h = height();
    m_label->setGeometry(12, 8, w - 24, 17);
    // The list keeps its design margins and grows with the dialog in both directions.
    m_iniFileList->setGeometry(12, 28, w - 35, h - 146);
    const int okWidth = buttonWidth(*m_butOK);
    const int cancelWidth = buttonWidth(*m_butCancel);
    m_butOK->setGeometry(w - 12 - okWidth, h - 12 - 49, okWidth, 49);
    m_butCancel->setGeometry(w - 12 - okWidth - 8 - cancelWidth, h - 12 - 25, cancelWidth, 25);
}

void IniChooserDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeControls();
}

void IniChooserDialog::setPaths(
    const std::vector<std::string> &paths, const std::vector<std::string> &labels)
{
    m_iniFileList->clear();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const QString path = QString::fromStdString(paths[i]);
        const QString label = i < labels.size() ? QString::fromStdString(labels[i]) : QString();
        auto *item = new QListWidgetItem(
            label.isEmpty() ? path : QLatin1Char('[') + label + QStringLiteral("]  ") + path,
            m_iniFileList);
        item->setData(PathRole, path);
        item->setToolTip(label.isEmpty() ? path : label + QStringLiteral(": ") + path);
    }
    m_iniFileList->setCurrentRow(-1);
    m_iniFileList->clearSelection();
}

std::string IniChooserDialog::selectedPath() const
{
    const QList<QListWidgetItem *> items = m_iniFileList->selectedItems();
    return items.isEmpty() ? std::string() : items.first()->data(PathRole).toString().toStdString();
}

void IniChooserDialog::keyPressEvent(QKeyEvent *event)
{
    // F1 explains where the files in the list come from.
    if (event->key() == Qt::Key_F1 && m_owner) {
        m_owner->showHelpTopic(chooserHelpTopic, this);
        return;
    }
    QDialog::keyPressEvent(event);
}

void IniChooserDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_iniFileList->selectedItems().isEmpty() && m_iniFileList->count() > 0)
        m_iniFileList->setCurrentRow(0);
    m_iniFileList->setFocus();
}

void IniChooserDialog::acceptSelection()
{
    if (m_iniFileList->selectedItems().isEmpty()) {
        if (m_owner)
            m_owner->boxes().inform(
                chooserNoSelectionText, chooserNoSelectionCaption, MsgIcon::Information);
        return;
    }
    accept();
}

void IniChooserDialog::cancel()
{
    reject();
}

} // namespace torvex
