// The session's other orders: bids, press, and the orders archive.
#include "app/pelmainunit1.h"
#include "app/prompts.h"
#include "app/textfile.h"
#include "orders/bids.h"
#include "orders/enterbidunit.h"
#include "widgets/formcontrols.h"
#include "widgets/stringgrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {
enum BidColumn { ColLot = 0, ColPrice = 1, ColBidName = 2 };
}

bool TPelMainForm::saveOrderFile(const QString &path, const QByteArray &bytes, const QString &savedCaption,
                                 const QString &replacedSuffix, const QString &notSaved)
{
    const QString name = QFileInfo(path).fileName();
    const bool exists = QFileInfo::exists(path);
    if (exists
        && showMessage(Prompts::Kind::Confirmation, QStringLiteral("File exits. Replace it?"),
                       Prompts::Yes | Prompts::No) != Prompts::Yes) {
        showPlain(QString(), notSaved);
        return false;
    }
    textfile::writeFile(path, bytes);
    AddToZipList(path);
    showPlain(savedCaption, name + (exists ? replacedSuffix : QStringLiteral(" has been created")));
    return true;
}

bool TPelMainForm::CheckOrdersReady()
{
    if (AbbLabel->text().isEmpty()) {
        showMessage(Prompts::Kind::Warning, QStringLiteral("No Roster File open! File not saved"), Prompts::Cancel);
        return false;
    }
    if (SessionNoComboBox->currentIndex() < 0) {
        showMessage(Prompts::Kind::Warning, QStringLiteral("Session number not specified. File not saved"),
                    Prompts::Cancel);
        return false;
    }
    return true;
}

QString TPelMainForm::sessionPath(const QString &suffix) const
{
    return pathFor(orders::sessionFileName(AbbLabel->text(), SessionNoComboBox->currentText(), suffix));
}

namespace {

QVector<orders::Bid> bidsOf(const StringGrid *g)
{
    QVector<orders::Bid> bids;
    for (int r = 1; r <= 5; ++r)
        bids.append({g->cell(ColLot, r), g->cell(ColPrice, r), g->cell(ColBidName, r)});
    return bids;
}

} // namespace

void TPelMainForm::AuctionStringGridMouseUp(int x, int y)
{
    StringGrid *g = AuctionStringGrid;
    const int row = g->selectedRow();
    if (AbbLabel->text().isEmpty() || row < 1 || row > 5)
        return;
    switch (g->selectedCol()) {
    case ColLot:
        LOTPopup->popup(popupPoint(g, x, y));
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

void TPelMainForm::LotPopupClick(QAction *entry)
{
    AuctionStringGrid->setCell(ColLot, AuctionStringGrid->selectedRow(), entry->data().toString());
}

void TPelMainForm::SaveBidsBtnClick()
{
    if (!CheckOrdersReady())
        return;
    const QVector<orders::Bid> bids = bidsOf(AuctionStringGrid);
    if (!orders::namesConsistent(bids)) {
        showMessage(Prompts::Kind::Warning, QStringLiteral("Non Unique Names?"), Prompts::Retry);
        return;
    }
    const QString path = sessionPath(QStringLiteral("Bids.txt"));
    const QStringList lines = orders::bidLines(bids, AutoSortCheckBox->isChecked());
    if (const QString problem = textfile::tooLongLine(lines, QFileInfo(path).fileName()); !problem.isEmpty()) {
        showPlain(QStringLiteral("Bids not saved"), problem + u'.');
        return;
    }
    const QByteArray bytes = textfile::encode(textfile::joinLines(lines), QFileInfo(path).fileName());
    saveOrderFile(path, bytes, QStringLiteral("Bids Saved"), QStringLiteral(" has been created"),
                  QStringLiteral("Bids not saved"));
}

void TPelMainForm::AuctionBidsHowBtnClick()
{
    showMessage(Prompts::Kind::Confirmation,
                QStringLiteral("First select the cells by clicking in them with your mouse pointer,\n"
                               " and enter the Lot, amount and player name information. When you have finished\n"
                               " press the Save button to save them."),
                Prompts::Ok);
}

void TPelMainForm::SavePressBtnClick()
{
    if (!CheckOrdersReady())
        return;
    const QString path = sessionPath(QStringLiteral("Press.txt"));
    // The text exactly as it stands (toPlainText would turn no-break spaces
    // into spaces); its lines end with CR LF, the last one as typed.
    const QStringList lines = textfile::splitLines(
        PressMemo->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n'));
    const QString fileName = QFileInfo(path).fileName();
    if (const QString problem = textfile::tooLongLine(lines, fileName); !problem.isEmpty()) {
        showPlain(QStringLiteral("Press not saved"), problem + QStringLiteral(". Break the line into shorter ones."));
        return;
    }
    QString text = PressMemo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n")).replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    saveOrderFile(path, textfile::encode(text, fileName), QStringLiteral("Press Saved"),
                  QStringLiteral(" has been saved"), QStringLiteral("Press not saved"));
}

void TPelMainForm::PressHowBtnClick()
{
    showPlain(QStringLiteral("How do I enter Press?"),
              QStringLiteral("First enter your press by typing in the text box and then press the Save button "
                             "to save it."));
}

void TPelMainForm::ZipListBoxDblClick()
{
    deleteSelected(ZipListBox);
}

void TPelMainForm::AddZipListBtnClick()
{
    const QString path =
        Prompts::current().openFile(this, QStringLiteral("Add File to Orders to be Zipped"),
                                    QStringLiteral("Lineup files|*.txt|All Files (*.*)|*.*"), rosterFolder);
    if (path.isEmpty() || !ZipListBox->findItems(path, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        return;
    AddToZipList(path);
}

void TPelMainForm::ZipBtnClick()
{
    if (ZipListBox->count() == 0) {
        showMessage(Prompts::Kind::Warning, QStringLiteral("No files to Zip!"), Prompts::Cancel);
        return;
    }
    if (!CheckOrdersReady())
        return;
    QStringList files;
    for (int i = 0; i < ZipListBox->count(); ++i)
        files.append(ZipListBox->item(i)->text());
    QStringList unique;
    if (const QStringList problems = orders::archiveProblems(files, &unique); !problems.isEmpty()) {
        showMessage(Prompts::Kind::Error, problems.first(), Prompts::Ok);
        return;
    }
    const QString path = sessionPath(QStringLiteral(".zip"));
    const QStringList entries = orders::writeArchive(path, unique);
    // Entries kept from an earlier archive of the session are named too.
    showPlain(QStringLiteral("Orders Saved"), QFileInfo(path).fileName() + QStringLiteral(" has been created")
                                                  + QStringLiteral("\n\nIt holds: ") + entries.join(QStringLiteral(", ")));
    ZipListBox->clear();
}
