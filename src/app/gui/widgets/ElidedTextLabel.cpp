#include "app/gui/widgets/ElidedTextLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>

namespace torvex {

ElidedTextLabel::ElidedTextLabel(QWidget *parent)
    : QLabel(parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QStringList ElidedTextLabel::layOut(bool *isElided) const
{
    const QString full = text();
    const QRect area = contentsRect();
    const QFontMetrics metrics(font());
    QTextLayout layout(full, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    *isElided = false;
    layout.beginLayout();
    int y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        const bool nextFits = y + 2 * metrics.lineSpacing() <= area.height();
        const int end = line.textStart() + line.textLength();
        if (!nextFits && end < full.size()) {
            // The last line that fits takes the rest of the text, cut with an ellipsis.
            const QString rest = full.mid(line.textStart()).simplified();
            lines << metrics.elidedText(rest, Qt::ElideRight, area.width());
            *isElided = true;
            break;
        }
        lines << full.mid(line.textStart(), line.textLength()).trimmed();
        y += metrics.lineSpacing();
    }
    layout.endLayout();
    return lines;
}

QStringList ElidedTextLabel::visibleLines() const
{
    bool elided = false;
    return layOut(&elided);
}

bool ElidedTextLabel::isElided() const
{
    bool elided = false;
    layOut(&elided);
    return elided;
}

void ElidedTextLabel::paintEvent(QPaintEvent *)
{
    const QStringList lines = visibleLines();
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QRect area = contentsRect();
    const QFontMetrics metrics(font());
    int y = area.top();
    for (const QString &line : lines) {
        painter.drawText(QRect(area.left(), y, area.width(), metrics.lineSpacing()),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
            line);
        y += metrics.lineSpacing();
    }
}

bool ElidedTextLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        // Text left out is shown whole while the pointer rests on the label.
        auto *help = static_cast<QHelpEvent *>(event);
        // As rich text the tooltip wraps instead of running across the screen.
        if (isElided())
            QToolTip::showText(help->globalPos(),
                QStringLiteral("<p>") + text().toHtmlEscaped() + QStringLiteral("</p>"),
                this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

} // namespace torvex
