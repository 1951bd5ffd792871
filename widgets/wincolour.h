#pragma once
#include <QColor>
#include <QPalette>

// Windows colour values as the settings file stores them: 0x00BBGGRR for a
// plain colour; a value with the top bit set names a system colour.
QColor fromWinColour(int value, const QPalette &palette);
int toWinColour(const QColor &colour);

// Contrast of text and its background, as WCAG 2 measures it.
double relativeLuminance(const QColor &colour);
double contrastRatio(const QColor &a, const QColor &b); // 1 to 21
constexpr double ReadableContrast = 4.5;
// Black on a light background, white on a dark one, chosen by luminance:
// either reaches at least 4.5:1.
QColor readableTextColour(const QColor &background);
// The colour itself when it reads on the background at 4.5:1; otherwise
// the nearest shade of it towards the readable text colour that does.
QColor readableShade(const QColor &colour, const QColor &background);

// Gives a widget a background colour that its children can follow, with
// text readable on it.
class QWidget;
void setBackground(QWidget *widget, const QColor &colour);
// A button face in the colour, its caption readable on it.
void setButtonColour(QWidget *button, const QColor &colour);
// A box, list or grid that takes its parent's colour: its field and
// button face in the colour, its text readable on it.
void setFieldColour(QWidget *control, const QColor &colour);
// Keeps a widget in the system's colours whatever its parent's colours.
void keepSystemColours(QWidget *widget);
