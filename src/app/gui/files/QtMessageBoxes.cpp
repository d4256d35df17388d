#include "app/gui/files/QtMessageBoxes.h"

#include "core/gui/ShownText.h"
#include "menu/gui/MenuText.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include <algorithm>

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

QMessageBox::StandardButton toQt(MsgResult result)
{
    switch (result) {
    case MsgResult::Ok:
        return QMessageBox::Ok;
    case MsgResult::Cancel:
        return QMessageBox::Cancel;
    case MsgResult::Yes:
        return QMessageBox::Yes;
    case MsgResult::No:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

// The text of a box: messages are built with carriage return and line feed, the box wants
// bare line feeds; the text may quote titles and commands, so it is menu text.
QString boxText(QString body)
{
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return body;
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

void prepareBox(QMessageBox &box)
{
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    keepCaptionWhole(box);
}

} // namespace

MsgResult QtMessageBoxes::ask(
    const std::string &text, const std::string &caption, MsgIcon icon, MsgButtons buttons)
{
    return show(menuTextToQt(text),
        QString::fromStdString(caption),
        icon,
        buttons,
        std::nullopt,
        std::nullopt);
}

MsgResult QtMessageBoxes::ask(const LocalText &text,
    const LocalText &caption,
    MsgIcon icon,
    MsgButtons buttons,
    std::optional<MsgResult> defaultButton)
{
    return show(shownText(text),
        shownText(caption),
        icon,
        buttons,
        std::nullopt,
        std::nullopt,
        defaultButton);
}

MsgResult QtMessageBoxes::askWithDefault(const std::string &text,
    const std::string &caption,
    MsgIcon icon,
    MsgButtons buttons,
    MsgResult defaultButton)
{
    return show(menuTextToQt(text),
        QString::fromStdString(caption),
        icon,
        buttons,
        std::nullopt,
        std::nullopt,
        defaultButton);
}

std::size_t QtMessageBoxes::choose(const MsgChoice &choice)
{
    QMessageBox box(toQt(choice.icon),
        shownText(choice.caption),
        boxText(shownText(choice.text)),
        QMessageBox::NoButton,
        m_owner);
    std::vector<QPushButton *> buttons;
    for (std::size_t i = 0; i < choice.buttons.size(); ++i) {
        // The roles only place the buttons; what each one means is its index.
        const auto role =
            i == choice.escapeButton ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        buttons.push_back(box.addButton(shownText(choice.buttons[i]), role));
        buttons.back()->setObjectName(QStringLiteral("choiceButton%1").arg(i));
    }
    if (const QString details = shownText(choice.details); !details.isEmpty())
        box.setDetailedText(boxText(details));
    if (choice.defaultButton < buttons.size())
        box.setDefaultButton(buttons[choice.defaultButton]);
    if (choice.escapeButton < buttons.size())
        box.setEscapeButton(buttons[choice.escapeButton]);
    prepareBox(box);
    box.show();
    box.raise();
    box.activateWindow();
    box.exec();
    const auto pressed = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return pressed == buttons.end() ? choice.escapeButton
                                    : static_cast<std::size_t>(pressed - buttons.begin());
}

void QtMessageBoxes::informAt(const std::string &text,
    const std::string &caption,
    MsgIcon icon,
    std::optional<int> x,
    std::optional<int> y)
{
    show(menuTextToQt(text), QString::fromStdString(caption), icon, MsgButtons::Ok, x, y);
}

void QtMessageBoxes::informAt(const LocalText &text,
    const LocalText &caption,
    MsgIcon icon,
    std::optional<int> x,
    std::optional<int> y)
{
    show(shownText(text), shownText(caption), icon, MsgButtons::Ok, x, y);
}

MsgResult QtMessageBoxes::show(const QString &text,
    const QString &caption,
    MsgIcon icon,
    MsgButtons buttons,
    std::optional<int> x,
    std::optional<int> y,
    std::optional<MsgResult> defaultButton)
{
    QMessageBox box(toQt(icon), caption, boxText(text), toQt(buttons), m_owner);
    if (defaultButton)
        box.setDefaultButton(toQt(*defaultButton));
    prepareBox(box);
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
