#include "widgets/stringgrid.h"
#include "widgets/wincolour.h"

TextCells::TextCells(int columns, int rows, int fixedColumns, QObject *parent)
    : QAbstractTableModel(parent), columns(columns), fixedCols(fixedColumns), text(rows, QVector<QString>(columns))
{
}

int TextCells::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(text.size());
}

int TextCells::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns;
}

QVariant TextCells::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole: return cell(index.column(), index.row());
    case Qt::BackgroundRole: return isFixed(index.column(), index.row()) ? fixedColour : cellColour;
    case Qt::ForegroundRole:
        return isFixed(index.column(), index.row()) ? readableTextColour(fixedColour) : cellText;
    default: return {};
    }
}

Qt::ItemFlags TextCells::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return isFixed(index.column(), index.row()) ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QString TextCells::cell(int col, int row) const
{
    if (row < 0 || row >= text.size() || col < 0 || col >= columns)
        return QString();
    return text.at(row).at(col);
}

void TextCells::setCell(int col, int row, const QString &t)
{
    if (row < 0 || row >= text.size() || col < 0 || col >= columns)
        return;
    text[row][col] = t;
    emit dataChanged(index(row, col), index(row, col), {Qt::DisplayRole});
}

void TextCells::setRows(int rows)
{
    const int old = int(text.size());
    if (rows < old) {
        beginRemoveRows({}, rows, old - 1);
        text.resize(rows);
        endRemoveRows();
    } else if (rows > old) {
        beginInsertRows({}, old, rows - 1);
        text.resize(rows, QVector<QString>(columns));
        endInsertRows();
    }
}

void TextCells::setFixedColour(const QColor &colour)
{
    fixedColour = colour;
    coloursChanged();
}

void TextCells::setCellColour(const QColor &colour, const QColor &textColour)
{
    cellColour = colour;
    cellText = textColour;
    coloursChanged();
}

void TextCells::coloursChanged()
{
    if (!text.isEmpty())
        emit dataChanged(index(0, 0), index(int(text.size()) - 1, columns - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole});
}

StringGrid::StringGrid(int columns, int rows, int fixedColumns, QWidget *parent)
    : GridView(parent), cells(new TextCells(columns, rows, fixedColumns, this))
{
    setModel(cells);
}

