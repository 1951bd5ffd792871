#include "widgets/fadinglabel.h"

#include <cmath>

FadingLabel::FadingLabel(const QString &text, QColor a, QColor b, QWidget *parent)
    : QLabel(text, parent), from(a), to(b)
{
    timer.setInterval(60);
    connect(&timer, &QTimer::timeout, this, &FadingLabel::step);
    step();
}

void FadingLabel::showEvent(QShowEvent *)
{
    timer.start();
}

void FadingLabel::hideEvent(QHideEvent *)
{
    timer.stop();
}

void FadingLabel::step()
{
    phase = (phase + 1) % 60;
    const double t = (1 - std::cos(phase * 2 * M_PI / 60)) / 2;
    auto mix = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    const QColor c(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}
