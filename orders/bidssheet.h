#pragma once
#include <QWidget>

class QAction;
class QCheckBox;
class QMenu;
class QPushButton;
class StringGrid;
class ZipSheet;
namespace lineup {
class LineupDocument;
}

// The "Auction Bids" sheet: up to five bids and their file.
class BidsSheet : public QWidget {
    Q_OBJECT
public:
    BidsSheet(const lineup::LineupDocument &doc, ZipSheet &zip, QWidget *parent = nullptr);

    void AuctionStringGridMouseUp(int x, int y);
    void LotPopupClick(QAction *entry);
    void SaveBidsBtnClick();
    void AuctionBidsHowBtnClick();
    void setColour(const QColor &colour);
    // The controls Tab reaches, in the order they stand on the screen.
    QList<QWidget *> tabStops() const;

private:
    const lineup::LineupDocument &doc;
    ZipSheet &zip;
    StringGrid *AuctionStringGrid;
    QCheckBox *AutoSortCheckBox;
    QPushButton *SaveBidsBtn, *BidsHelpBtn;
    QMenu *LOTPopup;
};
