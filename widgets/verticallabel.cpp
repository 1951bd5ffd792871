#include "widgets/verticallabel.h"

#include <QPainter>

VerticalLabel::VerticalLabel(const QString &text, QWidget *parent) : QWidget(parent), caption(text)
{
    setAutoFillBackground(true);
}

QSize VerticalLabel::sizeHint() const
{
    return fontMetrics().size(0, caption).transposed() + QSize(4, 8);
}

void VerticalLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    p.translate(0, height());
    p.rotate(-90);
    p.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, caption);
}
