#include "settings/gui/Colours.h"

#include "menu/IniValues.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QWidget>

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

} // namespace torvex
