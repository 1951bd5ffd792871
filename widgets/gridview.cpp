#include "widgets/gridview.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>

GridView::GridView(QWidget *parent) : QTableView(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(30);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setDefaultRowHeight(16);
}

void GridView::setModel(QAbstractItemModel *m)
{
    QTableView::setModel(m);
    connect(m, &QAbstractItemModel::modelReset, this, &GridView::keepSelection);
    connect(m, &QAbstractItemModel::rowsRemoved, this, &GridView::keepSelection);
    // The first player cell starts selected.
    for (int c = 0; c < m->columnCount() && selCol < 0; ++c)
        if (!isFixed(c, selRow))
            selCol = c;
    if (selCol < 0)
        selCol = 0;
    keepSelection();
}

void GridView::keepSelection()
{
    const int count = rows();
    if (selRow >= count) {
        int fixedRows = 0;
        while (fixedRows < count && isFixed(selCol, fixedRows))
            ++fixedRows;
        selRow = count > fixedRows ? fixedRows : count - 1;
    }
    if (!isFixed(selCol, selRow))
        setCurrentIndex(model()->index(selRow, selCol));
}

bool GridView::isFixed(int col, int row) const
{
    const QModelIndex index = model() ? model()->index(row, col) : QModelIndex();
    return !index.isValid() || !(index.flags() & Qt::ItemIsSelectable);
}

QString GridView::cell(int col, int row) const
{
    return model()->index(row, col).data().toString();
}

int GridView::rows() const
{
    return model() ? model()->rowCount() : 0;
}

void GridView::setDefaultRowHeight(int height)
{
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(height);
}

void GridView::widenToText(int col)
{
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    setColumnWidth(col, std::max(columnWidth(col), fontMetrics().horizontalAdvance(cell(col, 0)) + margin));
}

void GridView::selectCell(int col, int row)
{
    if (isFixed(col, row))
        return;
    selCol = col;
    selRow = row;
    setCurrentIndex(model()->index(row, col));
}

void GridView::clearSelectionShown()
{
    clearSelection();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

QRect GridView::cellRect(int col, int row) const
{
    return visualRect(model()->index(row, col)).translated(viewport()->pos());
}

QPoint GridView::popupPoint(int x, int y) const
{
    const QPoint windowEdge = window()->frameGeometry().topLeft();
    return windowEdge + pos() + viewport()->pos() + QPoint(x, y);
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && !isFixed(index.column(), index.row())) {
        selCol = index.column();
        selRow = index.row();
        QTableView::mousePressEvent(event);
    }
}

void GridView::mouseMoveEvent(QMouseEvent *)
{
    // No drag selection: one cell is selected by a click.
}

void GridView::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    const QPoint p = event->position().toPoint();
    emit mouseUp(event->button(), event->modifiers(), p.x(), p.y());
}

int GridView::fixedRows() const
{
    const int lastCol = model() ? model()->columnCount() - 1 : 0;
    int r = 0;
    while (r < rows() && isFixed(lastCol, r))
        ++r;
    return r;
}

int GridView::fixedColumns() const
{
    const int columns = model() ? model()->columnCount() : 0;
    int c = 0;
    while (c < columns && isFixed(c, rows() - 1))
        ++c;
    return c;
}

QModelIndex GridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Every move of the keyboard ends on a player cell.
    const QModelIndex to = QTableView::moveCursor(action, modifiers);
    if (!to.isValid() || !isFixed(to.column(), to.row()))
        return to;
    const int row = std::max(to.row(), fixedRows()), col = std::max(to.column(), fixedColumns());
    if (isFixed(col, row))
        return currentIndex();
    return model()->index(row, col);
}

void GridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid() && !isFixed(current.column(), current.row())) {
        selCol = current.column();
        selRow = current.row();
    }
}

QItemSelectionModel::SelectionFlags GridView::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    // The current cell stays the highlighted one: Ctrl never takes it away.
    const QItemSelectionModel::SelectionFlags flags = QTableView::selectionCommand(index, event);
    if (flags.testFlag(QItemSelectionModel::Deselect))
        return QItemSelectionModel::ClearAndSelect;
    return flags;
}
