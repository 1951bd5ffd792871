#include "orders/bidssheet.h"
#include "app/prompts.h"
#include "app/textfile.h"
#include "lineup/lineupdocument.h"
#include "orders/bids.h"
#include "orders/enterbidunit.h"
#include "orders/zipsheet.h"
#include "widgets/formcontrols.h"
#include "widgets/keyguard.h"
#include "widgets/stringgrid.h"
#include "widgets/wincolour.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

enum BidColumn { ColLot = 0, ColPrice = 1, ColBidName = 2 };

QVector<orders::Bid> bidsOf(const StringGrid *g)
{
    QVector<orders::Bid> bids;
    for (int r = 1; r <= 5; ++r)
        bids.append({g->cell(ColLot, r), g->cell(ColPrice, r), g->cell(ColBidName, r)});
    return bids;
}

} // namespace

BidsSheet::BidsSheet(const lineup::LineupDocument &document, ZipSheet &zipSheet, QWidget *parent)
    : QWidget(parent), doc(document), zip(zipSheet)
{
    nameControl(this, "AuctionSheet");
    addTitle(QStringLiteral("Auction Bids"), this);
    AuctionStringGrid = new StringGrid(3, 6, 0, this);
    nameControl(AuctionStringGrid, "AuctionStringGrid");
    AuctionStringGrid->setGeometry(12, 40, 50 + 100 + 320 + 4, 6 * 24 + 4);
    AuctionStringGrid->setDefaultRowHeight(24);
    AuctionStringGrid->setCellColour(fromWinColour(16776176, QPalette()), QColor(Qt::black));
    const int bidWidths[] = {50, 100, 320};
    const char *bidHeaders[] = {"LOT", "Price Bid", "Name"};
    for (int c = 0; c < 3; ++c) {
        AuctionStringGrid->setColumnWidth(c, bidWidths[c]);
        AuctionStringGrid->setCell(c, 0, QString::fromLatin1(bidHeaders[c]));
        AuctionStringGrid->widenToText(c);
    }
    AutoSortCheckBox = new QCheckBox(QStringLiteral("Use Auto Sort"), this);
    nameControl(AutoSortCheckBox, "AutoSortCheckBox");
    AutoSortCheckBox->setGeometry(12, 200, 120, 20);
    AutoSortCheckBox->setChecked(true);
    AutoSortCheckBox->setToolTip(QStringLiteral("State whether entries should be sorted into Lot order (default: YES)"));
    SaveBidsBtn = addButton(QStringLiteral("Save Bids"), this, "SaveBidsBtn", 140, 196, 90, 25);
    BidsHelpBtn = addButton(QStringLiteral("?"), this, "BidsHelpBtn", 240, 196, 25, 25);
    connect(AuctionStringGrid, &GridView::mouseUp, this, [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
        runGuarded([&] { AuctionStringGridMouseUp(x, y); });
    });
    addCellKeys(AuctionStringGrid, [this](const QModelIndex &, QPoint at) {
        runGuarded([&] { AuctionStringGridMouseUp(at.x(), at.y()); });
    });
    connect(SaveBidsBtn, &QPushButton::clicked, this, [this] { runGuarded([this] { SaveBidsBtnClick(); }); });
    connect(BidsHelpBtn, &QPushButton::clicked, this, [this] { runGuarded([this] { AuctionBidsHowBtnClick(); }); });

    LOTPopup = new QMenu(this);
    nameControl(LOTPopup, "LOTPopup");
    QAction *deselect = LOTPopup->addAction(QStringLiteral("[Deselect]"));
    deselect->setData(QString());
    LOTPopup->addSeparator();
    QList<QAction *> entries{deselect};
    for (int lot = 1; lot <= 10; ++lot) {
        entries.append(LOTPopup->addAction(QString::number(lot)));
        entries.last()->setData(QString::number(lot));
    }
    for (QAction *a : entries)
        connect(a, &QAction::triggered, this, [this, a] { runGuarded([&] { LotPopupClick(a); }); });
}

void BidsSheet::setColour(const QColor &colour)
{
    AuctionStringGrid->setFixedColour(colour);
    setButtonColour(SaveBidsBtn, colour);
}

void BidsSheet::AuctionStringGridMouseUp(int x, int y)
{
    StringGrid *g = AuctionStringGrid;
    const int row = g->selectedRow();
    if (!doc.hasRoster() || row < 1 || row > 5)
        return;
    switch (g->selectedCol()) {
    case ColLot:
        LOTPopup->popup(g->popupPoint(x, y));
        break;
    case ColPrice: {
        TEnterBidForm dialog(g->cell(ColPrice, row), this);
        if (Prompts::current().runDialog(&dialog) == QDialog::Accepted)
            g->setCell(ColPrice, row, dialog.amount());
        break;
    }
    case ColBidName: {
        TBidNameDlg dialog(orders::suggestedName(bidsOf(g), row), this);
        if (Prompts::current().runDialog(&dialog) == QDialog::Accepted)
            g->setCell(ColBidName, row, dialog.PlayNameEdit->text());
        break;
    }
    default: break;
    }
}

void BidsSheet::LotPopupClick(QAction *entry)
{
    AuctionStringGrid->setCell(ColLot, AuctionStringGrid->selectedRow(), entry->data().toString());
}

void BidsSheet::SaveBidsBtnClick()
{
    if (!zip.CheckOrdersReady())
        return;
    const QVector<orders::Bid> bids = bidsOf(AuctionStringGrid);
    if (!orders::namesConsistent(bids)) {
        showMessage(Prompts::Kind::Warning, QStringLiteral("Non Unique Names?"), Prompts::Retry);
        return;
    }
    const QString path = zip.sessionPath(QStringLiteral("Bids.txt"));
    const QStringList lines = orders::bidLines(bids, AutoSortCheckBox->isChecked());
    if (const QString problem = textfile::tooLongLine(lines, QFileInfo(path).fileName()); !problem.isEmpty()) {
        showPlain(QStringLiteral("Bids not saved"), problem + u'.');
        return;
    }
    const QByteArray bytes = textfile::encode(textfile::joinLines(lines), QFileInfo(path).fileName());
    zip.saveOrderFile(path, bytes, QStringLiteral("Bids Saved"), QStringLiteral(" has been created"),
                      QStringLiteral("Bids not saved"));
}

void BidsSheet::AuctionBidsHowBtnClick()
{
    showMessage(Prompts::Kind::Confirmation,
                QStringLiteral("First select the cells by clicking in them with your mouse pointer,\n"
                               " and enter the Lot, amount and player name information. When you have finished\n"
                               " press the Save button to save them."),
                Prompts::Ok);
}

QList<QWidget *> BidsSheet::tabStops() const
{
    return {AuctionStringGrid, AutoSortCheckBox, SaveBidsBtn, BidsHelpBtn};
}
