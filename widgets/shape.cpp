#include "widgets/shape.h"

#include <QPainterPath>
#include <QPolygon>

QRegion roundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, right - left, bottom - top), ellipseWidth / 2.0, ellipseHeight / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}
