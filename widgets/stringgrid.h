#pragma once
#include "widgets/gridview.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QVector>

// The text cells of a StringGrid.
class TextCells : public QAbstractTableModel {
    Q_OBJECT
public:
    TextCells(int columns, int rows, int fixedColumns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);
    void setRows(int rows);
    // Background colours; the fixed cells' text is black or white,
    // whichever reads on theirs.
    void setFixedColour(const QColor &colour);
    void setCellColour(const QColor &colour, const QColor &text);

private:
    void coloursChanged();
    bool isFixed(int col, int row) const { return row < 1 || col < fixedCols; }
    int columns;
    int fixedCols;
    QVector<QVector<QString>> text;
    QColor fixedColour{Qt::lightGray};
    QColor cellColour{Qt::white};
    QColor cellText{Qt::black};
};

// A small grid of text cells that the program writes, with one fixed header
// row and fixed columns, addressed by column and row.
class StringGrid : public GridView {
    Q_OBJECT
public:
    StringGrid(int columns, int rows, int fixedColumns = 1, QWidget *parent = nullptr);

    void setCell(int col, int row, const QString &text) { cells->setCell(col, row, text); }
    void setRows(int rows) { cells->setRows(rows); } // keeps the cells of the rows that remain

    void setFixedColour(const QColor &colour) { cells->setFixedColour(colour); }
    void setCellColour(const QColor &colour, const QColor &text) { cells->setCellColour(colour, text); }

private:
    TextCells *cells;
};
