#pragma once
#include <QMainWindow>

class QTableWidget;

namespace bench {

// The anchor: what a bare Qt program of the same shape costs. A main window
// of Pellmore's size with a menu bar, five tabs and, on the first, a table
// of plain items filled from a roster file.
class AnchorWindow : public QMainWindow {
public:
    AnchorWindow();

    // Reads the file and puts each line in a row, split at its commas into
    // one item per field (nine columns at most).
    void fill(const QString &rosterPath);

    QTableWidget *table = nullptr;
};

} // namespace bench
