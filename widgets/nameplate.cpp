#include "widgets/nameplate.h"

#include <QPainter>
#include <QStyle>

NamePlate::NamePlate(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Window, plateColour());
    setPalette(pal);
}

void NamePlate::paintEvent(QPaintEvent *)
{
    if (text().isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize textSize = fontMetrics().size(0, text());
    const QRect textRect = QStyle::alignedRect(layoutDirection(), alignment(), textSize, contentsRect());
    const QRect plate = textRect.adjusted(-3, 0, 3, 0).intersected(rect());
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(QPalette::Window));
    p.drawRoundedRect(plate, 3, 3);
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(textRect, alignment(), text());
}
