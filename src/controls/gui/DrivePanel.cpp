#include "controls/gui/DrivePanel.h"

#include "controls/gui/DeferredError.h"
#include "controls/gui/PaintedIcon.h"
#include "core/gui/ShownText.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QToolButton>

#include <algorithm>

namespace torvex {

namespace {

void drawHardDisk(QPainter &p, const QColor &body)
{
    p.setPen(QColor(60, 60, 60));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 60));
    p.drawRect(QRectF(11, 8, 2, 2));
}

void drawIcon(QPainter &p, DriveIcon icon)
{
    switch (icon) {
    case DriveIcon::Fixed:
        drawHardDisk(p, QColor(200, 200, 205));
        break;
    case DriveIcon::Remote: {
        drawHardDisk(p, QColor(190, 205, 230));
        p.setPen(QPen(QColor(40, 90, 160), 1.5));
        p.drawLine(QPointF(8, 11.5), QPointF(8, 15));
        p.drawLine(QPointF(3, 15), QPointF(13, 15));
        break;
    }
    case DriveIcon::Removable:
        p.setPen(QColor(50, 50, 70));
        p.setBrush(QColor(70, 90, 150));
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(5, 3, 6, 4));
        break;
    case DriveIcon::CDRom:
        p.setPen(QColor(90, 90, 100));
        p.setBrush(QColor(215, 220, 235));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(6, 6, 4, 4));
        break;
    case DriveIcon::RamDisk:
        p.setPen(QColor(30, 80, 30));
        p.setBrush(QColor(40, 130, 60));
        p.drawRect(QRectF(1.5, 4.5, 13, 7));
        p.setPen(QColor(220, 190, 60));
        for (int x = 3; x <= 13; x += 2)
            p.drawLine(QPointF(x, 12), QPointF(x, 14));
        break;
    case DriveIcon::Unknown:
        drawHardDisk(p, QColor(200, 200, 205));
        p.setPen(QColor(180, 30, 30));
        p.setFont(QFont(p.font().family(), 7, QFont::Bold));
        p.drawText(QRectF(0, 0, 16, 7), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
}

} // namespace

QIcon driveIcon(DriveIcon icon)
{
    // Drawn anew at each scale, so that it stays sharp at a scale factor of 2.
    return paintedIcon(
        [icon](QPainter &painter) {
            drawIcon(painter, icon);
        },
        QSize(16, 16));
}

DrivePanel::DrivePanel(const DriveSource &drives, QWidget *parent)
    : QFrame(parent)
    , m_model(drives)
{
    m_model.setViewHooks(
        [this] {
            remakeButtons();
        },
        [this] {
            syncDownStates();
        });
    m_model.setClickHandler([this](const DriveButton &button, char drive) {
        if (m_onClickButton)
            m_onClickButton(this, this->button(button.letter), drive);
    });
    applySize();
}

QToolButton *DrivePanel::button(char letter) const
{
    for (QToolButton *b : m_buttons) {
        if (b->property("drive").toInt() == letter)
            return b;
    }
    return nullptr;
}

void DrivePanel::remakeButtons()
{
    // Later deletion: the rebuild may run inside one of these buttons' own click.
    for (QToolButton *b : m_buttons) {
        b->hide();
        b->setObjectName(QString());
        b->deleteLater();
    }
    m_buttons.clear();
    applySize();

    const std::vector<DriveButton> &made = m_model.buttons();
    for (std::size_t i = 0; i < made.size(); ++i) {
        const DriveButton &spec = made[i];
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("DriveButton") + QChar::fromLatin1(spec.letter));
        b->setProperty("drive", int(spec.letter)); // the tag
        b->setText(QString::fromStdString(spec.caption));
        // By Tab, and from button to button by the arrows: Space (or the drive's letter)
        // presses it.
        const QString drive = QChar::fromLatin1(spec.letter) + QLatin1Char(':');
        b->setToolTip(QLatin1Char(' ') + shownText(spec.hintText).trimmed()
            + tr("; keys: Space or %1 chooses it, Left and Right go to the other drives ")
                  .arg(QChar::fromLatin1(spec.letter)));
        b->setAccessibleName(tr("Drive %1").arg(drive));
        b->setAccessibleDescription(
            tr("Chooses drive %1; Left and Right go to the other drives").arg(drive));
        b->setAutoRaise(spec.isFlat);
        b->setFocusPolicy(Qt::TabFocus);
        b->installEventFilter(this);
        b->setCheckable(true);
        b->setChecked(spec.isDown);
        b->setGeometry(spec.left, spec.top, spec.width, spec.height);
        if (spec.showsGlyph) {
            b->setIcon(driveIcon(spec.icon));
            b->setIconSize(QSize(m_model.smallIconWidth(), m_model.smallIconHeight()));
            b->setToolButtonStyle(
                spec.caption.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
        } else {
            b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
        connect(b, &QToolButton::clicked, this, [this, i] {
            onButtonClicked(i);
        });
        b->show();
        m_buttons.push_back(b);
    }
    update();
    Q_EMIT buttonsRemade();
}

bool DrivePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const auto at = std::find(m_buttons.begin(), m_buttons.end(), watched);
    if (at == m_buttons.end() || key->modifiers() & ~Qt::KeypadModifier)
        return QFrame::eventFilter(watched, event);
    const std::size_t index = static_cast<std::size_t>(at - m_buttons.begin());
    const std::size_t count = m_buttons.size();
    if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Up) {
        m_buttons[(index + count - 1) % count]->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Down) {
        m_buttons[(index + 1) % count]->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) {
        if (QToolButton *b = button(static_cast<char>('A' + (key->key() - Qt::Key_A)))) {
            b->setFocus(Qt::TabFocusReason);
            b->click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void DrivePanel::syncDownStates()
{
    const std::vector<DriveButton> &made = m_model.buttons();
    for (std::size_t i = 0; i < made.size() && i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(made[i].isDown);
}

void DrivePanel::applySize()
{
    // The panel's own docking is its parent's layout; AutoSize fixes the cross size.
    if (!m_model.autoSize())
        return;
    switch (m_model.align()) {
    case PanelEdge::Top:
    case PanelEdge::Bottom:
        setFixedHeight(m_model.height());
        break;
    case PanelEdge::Left:
    case PanelEdge::Right:
        setFixedWidth(m_model.width());
        break;
    default:
        break;
    }
}

void DrivePanel::onButtonClicked(std::size_t index)
{
    // Qt has toggled the button already; the model decides what stays down.
    try {
        m_model.clickButton(index);
        syncDownStates();
    } catch (...) {
        deferError(this, std::current_exception());
    }
}

void DrivePanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_model.setSize(event->size().width(), event->size().height());
}

void DrivePanel::customEvent(QEvent *event)
{
    rethrowDeferredError(event);
    QFrame::customEvent(event);
}

} // namespace torvex
