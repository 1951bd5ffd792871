#pragma once
// Driving the program as a user does: menu entries found by their text,
// controls by their names, the grid through its item view, popups by name.
// Nothing here knows how the window is built inside.
#include <QString>

class QAbstractItemView;
class QAction;
class QWidget;

namespace bench {

// The menu entry with exactly this text ("&Open Roster"), or null.
QAction *menuEntry(const QWidget *window, const QString &text);
// The first entry whose text without "&" starts with prefix ("Undo"), or null.
QAction *menuEntryStartingWith(const QWidget *window, const QString &prefix);
// An entry of a named popup menu, or of its submenu when one is given.
QAction *popupEntry(const QWidget *window, const char *popup, const QString &submenu, const QString &entry);

// Delivers what the last command posted (layout, repaint), until the event
// queue is empty, before the clock stops.
void settle();
// Shows a window and waits until it is on screen and painted.
void showAndSettle(QWidget *window);
// Closes any open popup menu, as a pick on it does.
void closePopups();

// The grid's column whose header reads header (a header section, or the
// text of the first row), or -1.
int columnOf(const QAbstractItemView *grid, const QString &header);
// The row whose first column reads name, or -1.
int rowOf(const QAbstractItemView *grid, const QString &name);
// A left click on a cell: scrolled into view, pressed and released.
void clickCell(QAbstractItemView *grid, int row, int column);

} // namespace bench
