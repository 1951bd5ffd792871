#pragma once
#include <QColor>
#include <QPalette>

// Windows colour values as the settings file stores them: 0x00BBGGRR for a
// plain colour; a value with the top bit set names a system colour.
QColor fromWinColour(int value, const QPalette &palette);
int toWinColour(const QColor &colour);

// Gives a widget a background colour that its children can follow.
class QWidget;
void setBackground(QWidget *widget, const QColor &colour);
void setButtonColour(QWidget *button, const QColor &colour);
