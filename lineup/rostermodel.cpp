#include "lineup/rostermodel.h"
#include "lineup/lineupdocument.h"
#include "roster/rosterfile.h"
#include "widgets/wincolour.h"

RosterModel::RosterModel(const lineup::LineupDocument &document, QObject *parent)
    : QAbstractTableModel(parent), doc(document)
{
    connect(&doc, &lineup::LineupDocument::rosterAboutToBeReset, this, [this] { beginResetModel(); });
    connect(&doc, &lineup::LineupDocument::rosterReset, this, [this] { endResetModel(); });
    connect(&doc, &lineup::LineupDocument::marksChanged, this, [this](int first, int last) {
        emit dataChanged(index(first + 1, roster::ColPlay), index(last + 1, roster::ColConditionals),
                         {Qt::DisplayRole});
    });
}

int RosterModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return doc.rosterRead() ? doc.playerCount() + 1 : InitialRows;
}

int RosterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : roster::ColumnCount;
}

QVariant RosterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (index.row() == 0)
            return roster::headers().at(index.column());
        if (index.row() - 1 < doc.playerCount())
            return doc.player(index.row() - 1).field(index.column());
        return QString();
    case Qt::BackgroundRole: return isFixed(index) ? fixedColour : cellColour;
    // The header cells' text reads on the window's colour; the players'
    // cells keep the grid's own text colour.
    case Qt::ForegroundRole: return isFixed(index) ? QVariant(readableTextColour(fixedColour)) : QVariant();
    default: return {};
    }
}

Qt::ItemFlags RosterModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return isFixed(index) ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void RosterModel::setFixedColour(const QColor &colour)
{
    fixedColour = colour;
    const int last = rowCount() - 1;
    emit dataChanged(index(0, 0), index(0, roster::ColumnCount - 1), {Qt::BackgroundRole, Qt::ForegroundRole});
    emit dataChanged(index(0, 0), index(last, 0), {Qt::BackgroundRole, Qt::ForegroundRole});
}

void RosterModel::setCellColour(const QColor &colour)
{
    cellColour = colour;
    emit dataChanged(index(1, 1), index(rowCount() - 1, roster::ColumnCount - 1), {Qt::BackgroundRole});
}
