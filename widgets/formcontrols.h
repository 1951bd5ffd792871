#pragma once
#include <QStringList>

class QComboBox;
class QFont;
class QLabel;
class QLineEdit;
class QListWidget;
class QObject;
class QPushButton;
class QSize;
class QWidget;

// Small builders for the dialogs' fixed layouts.
QLabel *addLabel(const QString &text, QWidget *parent, int x, int y);
// A label of a fixed size (its text's size, in the font given, where w or h
// is -1).
QLabel *addLabel(const QString &text, QWidget *parent, int x, int y, int w, int h = -1, const QFont *font = nullptr);
// A sheet's title at its top left, bold and large, sized to its text.
QLabel *addTitle(const QString &text, QWidget *sheet);
// A drop-down list the user picks from, without a selection; only an
// explicit pick chooses an entry.
QComboBox *addPickList(QWidget *parent, const QStringList &items, int x, int y, int width);
// A named list box at a place.
QListWidget *addListBox(QWidget *parent, const char *name, int x, int y, int w, int h);
// A named push button at a place.
QPushButton *addButton(const QString &text, QWidget *parent, const char *name, int x, int y, int w, int h);
// A widget's object name, from the program's control names.
void nameControl(QObject *control, const char *name);
// The text of a drop-down list's chosen entry; empty when none is chosen.
QString chosenText(const QComboBox *box);
// The row of a list's selected entry; -1 when none is selected.
int selectedEntry(const QListWidget *list);
// Deletes a list's selected entry; nothing when none is selected.
void deleteSelected(QListWidget *list);
// Shows texts as a list's entries, leaving a list that shows them alone.
void showEntries(QListWidget *list, const QStringList &texts);
// A field into which no comma can be typed or pasted: a comma would add a
// field to a line of the league's comma-separated files. Line breaks and
// other control characters are dropped from what is pasted.
void refuseCommas(QLineEdit *field);
// Places a window in the middle of the screen: by its outer size when
// given; else by its present one, and again by its frame when first shown.
void centreOnScreen(QWidget *window, const QSize &outer);
void centreOnScreen(QWidget *window);
