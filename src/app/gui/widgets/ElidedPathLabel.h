#pragma once

#include <QLabel>

namespace torvex {

// A one-line label for a file path: a path longer than the label is shown with its middle
// left out, and hovering over it then shows the whole path as a tooltip. The label asks for
// no width of its own, so a long path never widens the window. text() stays the full text.
class ElidedPathLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedPathLabel(QWidget *parent = nullptr);

    // The text as shown in the label's current width.
    QString shownText() const;
    bool isElided() const { return shownText() != text(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
};

} // namespace torvex
