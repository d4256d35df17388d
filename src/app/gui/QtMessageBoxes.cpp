#include "app/gui/QtMessageBoxes.h"

#include "menu/gui/MenuText.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace torvex {

namespace {

QMessageBox::Icon toQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MsgResult fromQt(int button, MsgButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok:
        return MsgResult::Ok;
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    }
    // Closed with the window's close button: the escape answer of the box.
    return buttons == MsgButtons::Ok   ? MsgResult::Ok
        : buttons == MsgButtons::YesNo ? MsgResult::No
                                       : MsgResult::Cancel;
}

// A short message makes a narrow box whose title bar cuts the caption ("Nothi...o save"):
// the box is made at least as wide as the caption plus room for the frame's buttons.
void keepCaptionWhole(QMessageBox &box)
{
    constexpr int frameButtons = 120;
    const int wanted = QFontMetrics(box.font()).horizontalAdvance(box.windowTitle()) + frameButtons;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(),
            0,
            1,
            grid->columnCount());
    }
}

} // namespace

MsgResult QtMessageBoxes::ask(
    const std::string &text, const std::string &caption, MsgIcon icon, MsgButtons buttons)
{
    return show(text, caption, icon, buttons, std::nullopt, std::nullopt);
}

void QtMessageBoxes::informAt(const std::string &text,
    const std::string &caption,
    MsgIcon icon,
    std::optional<int> x,
    std::optional<int> y)
{
    show(text, caption, icon, MsgButtons::Ok, x, y);
}

MsgResult QtMessageBoxes::show(const std::string &text,
    const std::string &caption,
    MsgIcon icon,
    MsgButtons buttons,
    std::optional<int> x,
    std::optional<int> y)
{
    // Messages are built with carriage return and line feed; the box wants bare line feeds.
    // The text may quote titles and commands: menu text, converted as such.
    QString body = menuTextToQt(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(toQt(icon), QString::fromStdString(caption), body, toQt(buttons), m_owner);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    keepCaptionWhole(box);
    box.show();
    if (x || y) {
        // Shown first, so that an axis without a value keeps the place the box chose.
        box.move(x.value_or(box.x()), y.value_or(box.y()));
    }
    box.raise();
    box.activateWindow();
    return fromQt(box.exec(), buttons);
}

} // namespace torvex
