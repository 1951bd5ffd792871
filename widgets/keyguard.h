#pragma once
#include <QList>
#include <QModelIndex>
#include <QPoint>
#include <functional>

class QAbstractItemView;
class QComboBox;
class QDialog;
class QPushButton;
class QWidget;

// Keys and the pointer change a manager's orders only when he asks: the
// small guards the windows put on their controls.

// A drop-down list takes an entry only by an explicit pick: a click on an
// entry of the open list, or Enter on it. The wheel, the arrow, page, home
// and end keys and typed letters do nothing while the list is closed; Space,
// F4 and Alt+Down open it. On an editable box typing edits the text as usual.
void pickOnly(QComboBox *box);

// An editable box offers its entries in a popup as the manager types, and
// keeps the text he typed until he picks one: no inline completion, and a
// typed text is never added to the entries.
void completeByPopup(QComboBox *box);

// No button of the dialog becomes the default by taking the focus; Enter
// presses defaultButton, or nothing at all when it is null.
void onlyDefaultButton(QDialog *dialog, QPushButton *defaultButton);

// Keys on an item view's current cell. Return, Enter, Space, the Menu key
// and Shift+F10 run activate with the cell and its middle point in the
// view's client area, as a click there would; Delete runs erase. The view
// is one stop of the Tab chain: Tab leaves it, the arrows move within it.
using CellHandler = std::function<void(const QModelIndex &cell, QPoint at)>;
void addCellKeys(QAbstractItemView *view, CellHandler activate,
                 std::function<void(const QModelIndex &cell)> erase = {});

// Delete on a list runs the same handler as a double-click on its entry.
void deleteKeyRuns(QAbstractItemView *list, std::function<void()> handler);

// The Up and Down keys, with the modifiers given, run the handler of the
// up/down arrow pair beside the control.
void upDownKeysRun(QWidget *control, std::function<void(bool up)> step,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The Tab chain in the order given (hidden widgets are passed over by Tab).
void chainTabOrder(const QList<QWidget *> &widgets);
