#include "settings/gui/Colours.h"

#include "menu/IniValues.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace torvex {

namespace {

QPalette::ColorRole systemColourRole(int index)
{
    switch (index) {
    case 5: // window background
        return QPalette::Base;
    case 7: // menu text
    case 8: // window text
        return QPalette::Text;
    case 9: // caption text
    case 14: // highlighted text
        return QPalette::HighlightedText;
    case 13: // highlight
        return QPalette::Highlight;
    case 16: // button shadow
        return QPalette::Dark;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 23: // info text
        return QPalette::ToolTipText;
    case 24: // info background
        return QPalette::ToolTipBase;
    default: // button face and the rest
        return QPalette::Button;
    }
}

// The share of light of one sRGB channel.
double linearChannel(double value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.red()) + 0.7152 * linearChannel(rgb.green())
        + 0.0722 * linearChannel(rgb.blue());
}

} // namespace

QColor toQColor(int32_t colour, const QPalette &palette)
{
    if (isSystemColour(colour))
        return palette.color(QPalette::Active, systemColourRole(systemColourIndex(colour)));
    return QColor(colourRed(colour), colourGreen(colour), colourBlue(colour));
}

void setWidgetColour(QWidget *widget, QPalette::ColorRole role, int32_t colour)
{
    QPalette palette = widget->palette();
    // System colours come from the application's palette, never from one changed here.
    const QColor value = toQColor(colour, QApplication::palette(widget));
    palette.setColor(role, value);
    widget->setPalette(palette);
    widget->update();
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        area->viewport()->update();
}

int32_t fromQColor(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return rgbColour(static_cast<uint8_t>(rgb.red()),
        static_cast<uint8_t>(rgb.green()),
        static_cast<uint8_t>(rgb.blue()));
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &background, const QColor &preferred)
{
    if (contrastRatio(preferred, background) >= readableContrast)
        return preferred;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

void setTreeColours(QWidget *view, int32_t background, const int32_t *font)
{
    const QPalette application = QApplication::palette(view);
    const QColor ground = toQColor(background, application);
    const QColor text = font ? toQColor(*font, application) : application.color(QPalette::Text);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, ground);
    palette.setColor(QPalette::Text, readableOn(ground, text));
    view->setPalette(palette);
    view->update();
    if (auto *area = qobject_cast<QAbstractScrollArea *>(view))
        area->viewport()->update();
}

} // namespace torvex
