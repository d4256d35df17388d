#pragma once

#include <QLabel>

namespace torvex {

// A label whose text wraps at word boundaries and, when it needs more lines than the label's
// height holds, shows as many lines as fit with the last one ending in an ellipsis. Hovering
// over it then shows the full text as a tooltip, so that it can always be read. text() stays
// the full text.
class ElidedTextLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedTextLabel(QWidget *parent = nullptr);

    // Whether the text needs more lines than the label's height holds.
    bool isElided() const;
    // The lines shown in the current size; when elided, the last one ends in an ellipsis.
    QStringList visibleLines() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QStringList layOut(bool *isElided) const;
};

} // namespace torvex
