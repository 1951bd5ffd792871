#pragma once
#include <QTableWidget>

// A grid of text cells with fixed header rows and columns, addressed by
// column and row. The user selects a cell by clicking it or with the
// keyboard; only the program writes them. Fixed cells are never selected.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(int columns, int rows, int fixedColumns = 1, QWidget *parent = nullptr);

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);

    void setRows(int rows); // keeps the cells of the rows that remain
    int rows() const { return rowCount(); }

    void setFixedColour(const QColor &colour);
    void setCellColour(const QColor &colour);
    void setDefaultRowHeight(int height);

    // The selected cell: the last player cell made current, by a left click,
    // the keyboard or the program. It is the highlighted cell and the one the
    // commands act on; fixed cells never become current.
    int selectedCol() const { return selCol; }
    int selectedRow() const { return selRow; }
    void selectCell(int col, int row);
    void clearSelectionShown();

    // Rectangle of a cell in the grid's own coordinates.
    QRect cellRect(int col, int row) const;

    void keyboardSearch(const QString &) override {} // typed letters move nothing

signals:
    // Released mouse button with the pointer in the grid's coordinates.
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;

private:
    bool isFixed(int col, int row) const { return row < fixedRows || col < fixedCols; }
    void styleCell(int col, int row);
    int fixedRows = 1;
    int fixedCols = 1;
    int selCol = 1;
    int selRow = 1;
    QColor fixedColour{Qt::lightGray};
    QColor cellColour{Qt::white};
};
