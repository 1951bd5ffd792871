#pragma once
#include <QTableView>

// A grid of text cells over a model, with fixed header cells (those the
// model does not make selectable), addressed by column and row. The user
// selects a player cell by a left click or with the keyboard; a click on a
// fixed cell or with another button keeps the earlier selection.
class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    QString cell(int col, int row) const;
    int rows() const;

    void setDefaultRowHeight(int height);
    // Widens a column, when needed, to show its header cell's whole text.
    void widenToText(int col);

    // The selected cell: the last player cell made current, by a left click,
    // the keyboard or the program. It is the highlighted cell and the one the
    // commands act on; fixed cells never become current.
    int selectedCol() const { return selCol; }
    int selectedRow() const { return selRow; }
    void selectCell(int col, int row);
    void clearSelectionShown();

    // Rectangle of a cell in the grid's own coordinates.
    QRect cellRect(int col, int row) const;
    // Where a menu opens for the pointer at x, y of the client area: the
    // window's edge plus the grid's edge within its sheet plus the
    // pointer's place in the grid.
    QPoint popupPoint(int x, int y) const;

    void keyboardSearch(const QString &) override {} // typed letters move nothing

signals:
    // Released mouse button with the pointer in the client area.
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
    bool isFixed(int col, int row) const;
    int fixedRows() const; // the header rows above the player cells
    int fixedColumns() const; // the fixed columns left of them
    void keepSelection();
    int selCol = -1;
    int selRow = 1;
};
