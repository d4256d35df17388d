#include "app/gui/widgets/ElidedPathLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace torvex {

ElidedPathLabel::ElidedPathLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

QString ElidedPathLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

QSize ElidedPathLabel::sizeHint() const
{
    return minimumSizeHint();
}

QSize ElidedPathLabel::minimumSizeHint() const
{
    // Room for a few characters and the frame; the height of one line.
    const int frame = 2 * frameWidth();
    return { fontMetrics().averageCharWidth() * 6 + frame, fontMetrics().height() + frame };
}

void ElidedPathLabel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawText(contentsRect(), int(alignment()) | Qt::TextSingleLine, shownText());
}

bool ElidedPathLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && isElided()) {
        // The whole path, for a path that does not fit; otherwise the label's own hint.
        auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), text().trimmed(), this);
        return true;
    }
    return QLabel::event(event);
}

} // namespace torvex
