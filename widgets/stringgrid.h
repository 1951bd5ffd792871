#pragma once
#include <QTableWidget>

// A grid of text cells with fixed header rows and columns, addressed by
// column and row as the program's Parts address them. The user selects cells
// by clicking; only the program writes them. Fixed cells are never selected.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(int columns, int rows, int fixedColumns = 1, QWidget *parent = nullptr);

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);

    void setRows(int rows); // keeps the cells of the rows that remain
    int rows() const { return rowCount(); }

    // Background colours; the fixed cells' text is black or white,
    // whichever reads on theirs.
    void setFixedColour(const QColor &colour);
    void setCellColour(const QColor &colour, const QColor &text);
    // Widens a column, when needed, to show its fixed cells' whole text.
    void widenToText(int col);
    void setDefaultRowHeight(int height);

    // The selected cell: the last player cell selected by a left click.
    int selectedCol() const { return selCol; }
    int selectedRow() const { return selRow; }
    void selectCell(int col, int row);
    void clearSelectionShown();

    // Rectangle of a cell in the grid's own coordinates.
    QRect cellRect(int col, int row) const;

signals:
    // Released mouse button with the pointer in the grid's coordinates.
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool isFixed(int col, int row) const { return row < fixedRows || col < fixedCols; }
    void styleCell(int col, int row);
    int fixedRows = 1;
    int fixedCols = 1;
    int selCol = 1;
    int selRow = 1;
    QColor fixedColour{Qt::lightGray};
    QColor cellColour{Qt::white};
    QColor cellText{Qt::black};
};
