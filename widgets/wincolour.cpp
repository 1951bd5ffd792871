#include "widgets/wincolour.h"

#include <QWidget>

QColor fromWinColour(int value, const QPalette &palette)
{
    const quint32 v = static_cast<quint32>(value);
    if (v & 0x80000000u) {
        switch (v & 0xFF) {
        case 5: return palette.color(QPalette::Base);         // window background
        case 8: return palette.color(QPalette::Text);         // window text
        case 13: return palette.color(QPalette::Highlight);   // highlight
        case 15:                                              // button face
        default: return palette.color(QPalette::Button);
        }
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

int toWinColour(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setButtonColour(QWidget *button, const QColor &colour)
{
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, colour);
    button->setPalette(pal);
}
