#include "widgets/wincolour.h"

#include <QApplication>
#include <QWidget>
#include <cmath>

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

double relativeLuminance(const QColor &colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor c = colour.toRgb();
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableTextColour(const QColor &background)
{
    // At this luminance black and white contrast equally (about 4.58:1).
    return relativeLuminance(background) > 0.179 ? QColor(Qt::black) : QColor(Qt::white);
}

QColor readableShade(const QColor &colour, const QColor &background)
{
    const QColor target = readableTextColour(background);
    const QColor from = colour.toRgb();
    for (int step = 0; step <= 20; ++step) {
        const double t = step / 20.0;
        auto mix = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
        const QColor c(mix(from.red(), target.red()), mix(from.green(), target.green()),
                       mix(from.blue(), target.blue()));
        if (contrastRatio(c, background) >= ReadableContrast)
            return c;
    }
    return target;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::WindowText, readableTextColour(colour));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setButtonColour(QWidget *button, const QColor &colour)
{
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, colour);
    pal.setColor(QPalette::ButtonText, readableTextColour(colour));
    button->setPalette(pal);
}

void setFieldColour(QWidget *control, const QColor &colour)
{
    const QColor text = readableTextColour(colour);
    QPalette pal = control->palette();
    for (auto [back, fore] : {std::pair{QPalette::Base, QPalette::Text}, std::pair{QPalette::Button, QPalette::ButtonText},
                              std::pair{QPalette::Window, QPalette::WindowText}}) {
        pal.setColor(back, colour);
        pal.setColor(fore, text);
    }
    control->setPalette(pal);
}

void keepSystemColours(QWidget *widget)
{
    QPalette pal = QApplication::palette();
    pal.setResolveMask(~QPalette::ResolveMask(0)); // every role its own, none inherited
    widget->setPalette(pal);
}
