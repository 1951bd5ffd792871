#pragma once
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSize;
class QWidget;

// Small builders for the dialogs' fixed layouts.
QLabel *addLabel(const QString &text, QWidget *parent, int x, int y);
// A drop-down list the user picks from, without a selection.
QComboBox *addPickList(QWidget *parent, const QStringList &items, int x, int y, int width);
// The text of a drop-down list's chosen entry; empty when none is chosen.
QString chosenText(const QComboBox *box);
// Deletes a list's selected entry; nothing when none is selected.
void deleteSelected(QListWidget *list);
// A field into which no comma can be typed or pasted: a comma would add a
// field to a line of the league's comma-separated files.
void refuseCommas(QLineEdit *field);
// Places a window in the middle of the screen: by its outer size when
// given; else by its present one, and again by its frame when first shown.
void centreOnScreen(QWidget *window, const QSize &outer);
void centreOnScreen(QWidget *window);
