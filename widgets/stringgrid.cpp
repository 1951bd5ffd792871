#include "widgets/stringgrid.h"

#include "widgets/wincolour.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

StringGrid::StringGrid(int columns, int rows, int fixedColumns, QWidget *parent)
    : QTableWidget(rows, columns, parent), fixedCols(fixedColumns), selCol(fixedColumns)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    for (int c = 0; c < columns; ++c)
        setColumnWidth(c, 30);
    setDefaultRowHeight(16);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            styleCell(c, r);
    if (rows > fixedRows && columns > fixedCols)
        setCurrentCell(selRow, selCol);
}

void StringGrid::styleCell(int col, int row)
{
    QTableWidgetItem *it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        setItem(row, col, it);
    }
    if (isFixed(col, row)) {
        it->setFlags(Qt::ItemIsEnabled);
        it->setBackground(fixedColour);
        it->setForeground(readableTextColour(fixedColour));
    } else {
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        it->setBackground(cellColour);
        it->setForeground(cellText);
    }
}

QString StringGrid::cell(int col, int row) const
{
    const QTableWidgetItem *it = item(row, col);
    return it ? it->text() : QString();
}

void StringGrid::setCell(int col, int row, const QString &text)
{
    if (!item(row, col))
        styleCell(col, row);
    item(row, col)->setText(text);
}

void StringGrid::setRows(int rows)
{
    const int old = rowCount();
    setRowCount(rows);
    for (int r = old; r < rows; ++r)
        for (int c = 0; c < columnCount(); ++c)
            styleCell(c, r);
    if (selRow >= rows)
        selRow = rows > fixedRows ? fixedRows : rows - 1;
}

void StringGrid::setFixedColour(const QColor &colour)
{
    fixedColour = colour;
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (isFixed(c, r))
                styleCell(c, r);
}

void StringGrid::setCellColour(const QColor &colour, const QColor &text)
{
    cellColour = colour;
    cellText = text;
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (!isFixed(c, r))
                styleCell(c, r);
}

void StringGrid::widenToText(int col)
{
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    int width = columnWidth(col);
    for (int r = 0; r < rowCount(); ++r)
        if (isFixed(col, r))
            width = std::max(width, fontMetrics().horizontalAdvance(cell(col, r)) + margin);
    setColumnWidth(col, width);
}

void StringGrid::setDefaultRowHeight(int height)
{
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(height);
}

void StringGrid::selectCell(int col, int row)
{
    if (isFixed(col, row) || row >= rowCount() || col >= columnCount())
        return;
    selCol = col;
    selRow = row;
    setCurrentCell(row, col);
}

void StringGrid::clearSelectionShown()
{
    clearSelection();
    setCurrentItem(nullptr);
}

QRect StringGrid::cellRect(int col, int row) const
{
    const QRect r = visualRect(model()->index(row, col));
    return r.translated(viewport()->pos());
}

void StringGrid::mousePressEvent(QMouseEvent *event)
{
    // Only a left click on a player cell selects it; the header row, the
    // fixed column and other buttons leave the earlier selection in place.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && !isFixed(index.column(), index.row())) {
        selCol = index.column();
        selRow = index.row();
        QTableWidget::mousePressEvent(event);
    }
}

void StringGrid::mouseMoveEvent(QMouseEvent *)
{
    // No drag selection: one cell is selected by a click.
}

void StringGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableWidget::mouseReleaseEvent(event);
    const QPoint p = viewport()->mapToParent(event->position().toPoint());
    emit mouseUp(event->button(), event->modifiers(), p.x(), p.y());
}

void StringGrid::keyPressEvent(QKeyEvent *event)
{
    // Arrow keys move the selection within the player cells only.
    int col = selCol, row = selRow;
    switch (event->key()) {
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Left: --col; break;
    case Qt::Key_Right: ++col; break;
    default: QTableWidget::keyPressEvent(event); return;
    }
    if (row >= fixedRows && col >= fixedCols && row < rowCount() && col < columnCount())
        selectCell(col, row);
    scrollToItem(item(selRow, selCol));
}
