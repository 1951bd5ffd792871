#include "widgets/ledlight.h"

#include <QPainter>
#include <QRadialGradient>

LedLight::LedLight(QWidget *parent) : QWidget(parent)
{
    setFixedSize(15, 15);
}

void LedLight::setLit(bool value)
{
    if (lit != value) {
        lit = value;
        update();
    }
}

void LedLight::setOnColour(const QColor &colour)
{
    if (on != colour) {
        on = colour;
        update();
    }
}

void LedLight::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const QColor base = shownColour();
    QRadialGradient g(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() / 1.6);
    g.setColorAt(0, base.lighter(lit ? 170 : 130));
    g.setColorAt(1, base.darker(lit ? 110 : 130));
    p.setBrush(g);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawEllipse(r);
}
