#pragma once
#include <QAbstractTableModel>
#include <QColor>

namespace lineup {
class LineupDocument;
}

// The roster grid's view of the line-up document: the header row, then one
// row per player; the header row and the name column are fixed cells.
class RosterModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RosterModel(const lineup::LineupDocument &doc, QObject *parent = nullptr);

    // Rows before any roster is read: the header and 17 empty rows.
    static constexpr int InitialRows = 18;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void setFixedColour(const QColor &colour);
    void setCellColour(const QColor &colour);

private:
    static bool isFixed(const QModelIndex &index) { return index.row() == 0 || index.column() == 0; }
    const lineup::LineupDocument &doc;
    QColor fixedColour{Qt::lightGray};
    QColor cellColour{Qt::white};
};
