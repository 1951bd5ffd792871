#include "widgets/gridview.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

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

void GridView::keyPressEvent(QKeyEvent *event)
{
    // Arrow keys move the selection within the player cells only.
    int col = selCol, row = selRow;
    switch (event->key()) {
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Left: --col; break;
    case Qt::Key_Right: ++col; break;
    default: QTableView::keyPressEvent(event); return;
    }
    if (row >= 0 && col >= 0 && row < rows() && col < model()->columnCount())
        selectCell(col, row);
    scrollTo(model()->index(selRow, selCol));
}
