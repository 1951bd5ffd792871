#pragma once
#include <QRegion>

// A rounded rectangle as a window outline: left, top, right, bottom (right
// and bottom exclusive) and the corner ellipse's width and height.
QRegion roundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
