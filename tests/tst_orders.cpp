// Auction bids, the press statement and the orders archive.
#include "orders/bids.h"
#include "orders/enterbidunit.h"
#include "support/fixture.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <zip.h>

namespace {

using orders::Bid;

// The entries of an archive: name -> (bytes, compression method).
QMap<QString, QPair<QByteArray, int>> archiveEntries(const QString &path)
{
    QMap<QString, QPair<QByteArray, int>> out;
    int error = 0;
    zip_t *z = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!z)
        return out;
    for (zip_int64_t i = 0; i < zip_get_num_entries(z, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(z, zip_uint64_t(i), 0, &st);
        QByteArray bytes(qsizetype(st.size), '\0');
        zip_file_t *f = zip_fopen_index(z, zip_uint64_t(i), 0);
        zip_fread(f, bytes.data(), st.size);
        zip_fclose(f);
        out.insert(QString::fromUtf8(st.name), {bytes, int(st.comp_method)});
    }
    zip_close(z);
    return out;
}

// A roster open and session 7 chosen.
TPelMainForm &ready(Fixture &fx)
{
    TPelMainForm &w = fx.start();
    fx.openRoster("ABC.ros", "ABC,Athletic Borough,J. Smith\r\nJones,2,34,GK,5\r\n");
    ctl<QComboBox>(w, "SessionNoComboBox")->setCurrentIndex(6);
    return w;
}

void setBid(TPelMainForm &w, int row, const QString &lot, const QString &price, const QString &name)
{
    ctl<StringGrid>(w, "AuctionStringGrid")->setCell(0, row, lot);
    ctl<StringGrid>(w, "AuctionStringGrid")->setCell(1, row, price);
    ctl<StringGrid>(w, "AuctionStringGrid")->setCell(2, row, name);
}

} // namespace

class TestOrders : public QObject {
    Q_OBJECT
private slots:
    void namesConsistent_data()
    {
        QTest::addColumn<QVector<Bid>>("bids");
        QTest::addColumn<bool>("consistent");
        const Bid empty{"", "", ""};
        QTest::newRow("same lot, same name") << QVector<Bid>{{"3", "100", "Smith"}, {"3", "ALL", "Smith"}} << true;
        QTest::newRow("names differing in case") << QVector<Bid>{{"3", "1", "Smith"}, {"4", "1", "smith"}} << false;
        QTest::newRow("no name beside an empty row") << QVector<Bid>{{"2", "150", ""}, empty} << false;
        QTest::newRow("all empty") << QVector<Bid>{empty, empty} << true;
        QTest::newRow("different names") << QVector<Bid>{{"1", "5", "A"}, {"2", "5", "B"}} << true;
    }
    void namesConsistent()
    {
        QFETCH(QVector<Bid>, bids);
        QFETCH(bool, consistent);
        QCOMPARE(orders::namesConsistent(bids), consistent);
    }

    void bidLines()
    {
        const QVector<Bid> bids{{"2", "50", "B"}, {"", "", ""}, {"10", "ALL", "T"}, {"1", "", ""}, {"1", "20", "a"}};
        QCOMPARE(orders::bidLines(bids, true), QStringList({"1,20,a", "10,ALL,T", "2,50,B"}));
        QCOMPARE(orders::bidLines(bids, false), QStringList({"2,50,B", "10,ALL,T", "1,20,a"}));
        QCOMPARE(orders::bidLines({{"", "5", ""}, {"3", "", ""}, {"", "50", ""}}, true), QStringList({",50,"}));
    }

    void amounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << "" << "Please enter an amount first.";
        QTest::newRow("10000") << "10000" << "Max Bid is 9999";
        QTest::newRow("12a") << "12a" << "Enter your bid using ONLY numbers";
        QTest::newRow("-99") << "-99" << "Enter your bid using ONLY numbers";
        QTest::newRow("0") << "0" << "Please enter a POSITIVE Amount";
        QTest::newRow("-5") << "-5" << "Please enter a POSITIVE Amount";
        QTest::newRow("9999") << "9999" << "";
        QTest::newRow("1") << "1" << "";
    }
    void amounts()
    {
        QFETCH(QString, text);
        QFETCH(QString, problem);
        QCOMPARE(orders::amountProblem(text), problem);
    }

    void suggestions()
    {
        const QVector<Bid> bids{{"1", "", ""}, {"5", "10", "Jones"}, {"", "", ""}, {"5", "", ""}, {"7", "", "Own"}};
        QCOMPARE(orders::suggestedName(bids, 4), QString("Jones"));
        QCOMPARE(orders::suggestedName(bids, 5), QString("Own"));
        QCOMPARE(orders::suggestedName(bids, 1), QString("AuctPlayer1"));
        QCOMPARE(orders::suggestedName(bids, 3), QString("AuctPlayer3")); // an empty lot matches nothing
    }

    void ordersNeedRosterAndSession_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("bids") << "SaveBidsBtn";
        QTest::newRow("press") << "SavePressBtn";
        QTest::newRow("zip") << "ZipBtn";
    }
    void ordersNeedRosterAndSession()
    {
        QFETCH(QString, button);
        Fixture fx;
        TPelMainForm &w = fx.start();
        listForZip(w, "x.txt");
        w.findChild<QPushButton *>(button)->click();
        fx.openRoster("ABC.ros", "ABC,A,B\r\n");
        w.findChild<QPushButton *>(button)->click();
        QCOMPARE(fx.prompts.texts(), QStringList({"No Roster File open! File not saved",
                                                  "Session number not specified. File not saved"}));
        for (const auto &box : fx.prompts.boxes) {
            QCOMPARE(box.kind, Prompts::Kind::Warning);
            QCOMPARE(box.buttons, int(Prompts::Cancel));
        }
        QCOMPARE(QDir(fx.dir.path()).entryList({"*Session*"}), QStringList());
        QCOMPARE(ctl<QListWidget>(w, "ZipListBox")->count(), 1);
    }

    void bidCellsThroughTheGrid()
    {
        Fixture fx;
        TPelMainForm &w = ready(fx);
        w.show();
        StringGrid *g = ctl<StringGrid>(w, "AuctionStringGrid");
        ctl<QTabWidget>(w, "MainPageControl")->setCurrentWidget(ctl<QWidget>(w, "AuctionSheet"));

        clickCell(g, 0, 2);
        QVERIFY(ctl<QMenu>(w, "LOTPopup")->isVisible());
        for (QAction *a : ctl<QMenu>(w, "LOTPopup")->actions())
            if (a->text() == "10")
                a->trigger();
        ctl<QMenu>(w, "LOTPopup")->hide();
        QCOMPARE(g->cell(0, 2), QString("10"));

        fx.prompts.dialogs.enqueue([](QDialog *d) {
            auto *f = qobject_cast<TEnterBidForm *>(d);
            QVERIFY(f);
            QCOMPARE(f->windowTitle(), QString("Enter Bid Amount"));
            QCOMPARE(f->BidEdit->text(), QString());
            f->BidEdit->setText(" 250 ");
            f->OKBtn->click();
        });
        clickCell(g, 1, 2);
        QCOMPARE(g->cell(1, 2), QString("250"));

        fx.prompts.dialogs.enqueue([&](QDialog *d) {
            auto *f = qobject_cast<TEnterBidForm *>(d);
            QCOMPARE(f->BidEdit->text(), QString("250"));
            f->BidEdit->setText("12a");
            QTest::keyClick(f->BidEdit, Qt::Key_Return); // stays open to correct
            QCOMPARE(fx.prompts.texts().last(), QString("Enter your bid using ONLY numbers"));
            QCOMPARE(fx.prompts.boxes.last().caption, QString("Pellmore"));
            QVERIFY(f->result() != QDialog::Accepted);
            f->BidEdit->setText("0");
            f->OKBtn->click(); // Done closes even after a message
            QCOMPARE(f->result(), int(QDialog::Rejected));
        });
        clickCell(g, 1, 2);
        QCOMPARE(g->cell(1, 2), QString("250"));
        QCOMPARE(fx.prompts.texts().last(), QString("Please enter a POSITIVE Amount"));

        fx.prompts.dialogs.enqueue([](QDialog *d) { qobject_cast<TEnterBidForm *>(d)->BidAllBtn->click(); });
        clickCell(g, 1, 2);
        QCOMPARE(g->cell(1, 2), QString("ALL"));
        fx.prompts.dialogs.enqueue([](QDialog *d) {
            auto *f = qobject_cast<TEnterBidForm *>(d);
            QCOMPARE(f->BidEdit->text(), QString()); // "ALL" starts empty
            f->CancelBtn->click();
        });
        clickCell(g, 1, 2);
        QCOMPARE(g->cell(1, 2), QString("ALL"));

        fx.prompts.dialogs.enqueue([](QDialog *d) {
            auto *f = qobject_cast<TBidNameDlg *>(d);
            QVERIFY(f);
            QCOMPARE(f->PlayNameEdit->text(), QString("AuctPlayer2"));
            f->ClearBtn->click();
            QTest::keyClicks(f->PlayNameEdit, "Smith, J");
            QCOMPARE(f->PlayNameEdit->text(), QString("Smith J")); // no comma can be typed
            f->OKBtn->click();
        });
        clickCell(g, 2, 2);
        QCOMPARE(g->cell(2, 2), QString("Smith J"));
        fx.prompts.dialogs.enqueue([](QDialog *d) {
            auto *f = qobject_cast<TBidNameDlg *>(d);
            f->ClearBtn->click();
            f->OKBtn->click();
        });
        clickCell(g, 2, 2);
        QCOMPARE(g->cell(2, 2), QString());
    }

    void bidCellsNeedRoster()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        ctl<QTabWidget>(w, "MainPageControl")->setCurrentWidget(ctl<QWidget>(w, "AuctionSheet"));
        clickCell(ctl<StringGrid>(w, "AuctionStringGrid"), 0, 1);
        clickCell(ctl<StringGrid>(w, "AuctionStringGrid"), 1, 1);
        QVERIFY(!ctl<QMenu>(w, "LOTPopup")->isVisible());
        QCOMPARE(fx.prompts.dialogsRun, 0);
    }

    void saveBids()
    {
        Fixture fx;
        TPelMainForm &w = ready(fx);
        setBid(w, 1, "2", "50", "Brown");
        setBid(w, 3, "10", "ALL", QString::fromUtf8("Ren\u00e9"));
        setBid(w, 4, "1", "20", "Adams");
        ctl<QPushButton>(w, "SaveBidsBtn")->click();
        QCOMPARE(fx.prompts.texts(), QStringList({"ABCSession7Bids.txt has been created"}));
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Bids Saved"));
        QCOMPARE(fx.read("ABCSession7Bids.txt"), QByteArray("1,20,Adams\r\n10,ALL,Ren\xe9\r\n2,50,Brown\r\n"));

        ctl<QCheckBox>(w, "AutoSortCheckBox")->setChecked(false);
        fx.prompts.answers.enqueue(Prompts::No);
        ctl<QPushButton>(w, "SaveBidsBtn")->click();
        QCOMPARE(fx.prompts.texts().mid(1), QStringList({"File exits. Replace it?", "Bids not saved"}));
        QCOMPARE(fx.prompts.boxes.last().caption, QString("Pellmore"));
        QCOMPARE(items(ctl<QListWidget>(w, "ZipListBox")), QStringList({"ABCSession7Bids.txt"}));

        fx.prompts.answers.enqueue(Prompts::Yes);
        ctl<QPushButton>(w, "SaveBidsBtn")->click();
        QCOMPARE(fx.prompts.texts().last(), QString("ABCSession7Bids.txt has been created"));
        QCOMPARE(fx.read("ABCSession7Bids.txt"), QByteArray("2,50,Brown\r\n10,ALL,Ren\xe9\r\n1,20,Adams\r\n"));
        QCOMPARE(ctl<QListWidget>(w, "ZipListBox")->count(), 2);

        setBid(w, 5, "4", "", "brown");
        fx.prompts.boxes.clear();
        ctl<QPushButton>(w, "SaveBidsBtn")->click();
        QCOMPARE(fx.prompts.texts(), QStringList({"Non Unique Names?"}));
        QCOMPARE(fx.prompts.boxes.first().kind, Prompts::Kind::Warning);
        QCOMPARE(fx.prompts.boxes.first().buttons, int(Prompts::Retry));
    }

    void emptyBidsAndPress()
    {
        Fixture fx;
        TPelMainForm &w = ready(fx);
        ctl<QPushButton>(w, "SaveBidsBtn")->click();
        ctl<QPushButton>(w, "SavePressBtn")->click();
        QCOMPARE(fx.read("ABCSession7Bids.txt"), QByteArray(""));
        QVERIFY(QFile::exists(fx.path("ABCSession7Press.txt")));
        QCOMPARE(fx.read("ABCSession7Press.txt"), QByteArray(""));
        QCOMPARE(items(ctl<QListWidget>(w, "ZipListBox")), QStringList({"ABCSession7Bids.txt", "ABCSession7Press.txt"}));
    }

    void savePress()
    {
        Fixture fx;
        TPelMainForm &w = ready(fx);
        QTest::keyClicks(ctl<QPlainTextEdit>(w, "PressMemo"), "Our keeper is fit.");
        QTest::keyClick(ctl<QPlainTextEdit>(w, "PressMemo"), Qt::Key_Return);
        ctl<QPlainTextEdit>(w, "PressMemo")->insertPlainText(QString::fromUtf8("Caf\u00e9 talk \u20ac"));
        ctl<QPushButton>(w, "SavePressBtn")->click();
        QCOMPARE(fx.prompts.texts(), QStringList({"ABCSession7Press.txt has been created"}));
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Press Saved"));
        QCOMPARE(fx.read("ABCSession7Press.txt"), QByteArray("Our keeper is fit.\r\nCaf\xe9 talk \x80"));
        QCOMPARE(ctl<QPlainTextEdit>(w, "PressMemo")->toPlainText(), QString::fromUtf8("Our keeper is fit.\nCaf\u00e9 talk \u20ac")); // kept

        fx.prompts.answers.enqueue(Prompts::Yes);
        ctl<QPushButton>(w, "SavePressBtn")->click();
        QCOMPARE(fx.prompts.texts().last(), QString("ABCSession7Press.txt has been saved"));
        fx.prompts.answers.enqueue(Prompts::No);
        ctl<QPushButton>(w, "SavePressBtn")->click();
        QCOMPARE(fx.prompts.texts().last(), QString("Press not saved"));
        QCOMPARE(ctl<QListWidget>(w, "ZipListBox")->count(), 2);

        ctl<QPlainTextEdit>(w, "PressMemo")->setPlainText(QString::fromUtf8("Emoji \U0001F600"));
        fx.prompts.answers.enqueue(Prompts::Yes);
        ctl<QPushButton>(w, "SavePressBtn")->click();
        QVERIFY(fx.prompts.texts().last().contains(QString::fromUtf8("\"\U0001F600\"")));
        QCOMPARE(fx.read("ABCSession7Press.txt"), QByteArray("Our keeper is fit.\r\nCaf\xe9 talk \x80"));

        ctl<QPushButton>(w, "PressHelpBtn")->click();
        QCOMPARE(fx.prompts.boxes.last().caption, QString("How do I enter Press?"));
        ctl<QPushButton>(w, "BidsHelpBtn")->click();
        QCOMPARE(fx.prompts.boxes.last().kind, Prompts::Kind::Confirmation);
        QCOMPARE(fx.prompts.boxes.last().text,
                 QString("First select the cells by clicking in them with your mouse pointer,\n and enter the Lot, "
                         "amount and player name information. When you have finished\n press the Save button to "
                         "save them."));
    }

    void zipTheSessionsOrders()
    {
        Fixture fx;
        TPelMainForm &w = ready(fx);
        setBid(w, 1, "3", "100", "Smith");
        ctl<QPlainTextEdit>(w, "PressMemo")->setPlainText("Hello");
        ctl<QPushButton>(w, "SaveBidsBtn")->click();
        ctl<QPushButton>(w, "SavePressBtn")->click();
        fx.write("ABC3.txt", "line-up\r\n");
        fx.prompts.files.enqueue(fx.path("ABC3.txt"));
        ctl<QPushButton>(w, "AddZipListBtn")->click();
        fx.prompts.boxes.clear();

        ctl<QPushButton>(w, "ZipBtn")->click();
        QCOMPARE(fx.prompts.texts(),
                 QStringList({"ABCSession7.zip has been created\n\n"
                              "It holds: ABC3.txt, ABCSession7Bids.txt, ABCSession7Press.txt"}));
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Orders Saved"));
        QCOMPARE(ctl<QListWidget>(w, "ZipListBox")->count(), 0);
        auto entries = archiveEntries(fx.path("ABCSession7.zip"));
        QCOMPARE(entries.keys(), QStringList({"ABC3.txt", "ABCSession7Bids.txt", "ABCSession7Press.txt"}));
        QCOMPARE(entries["ABC3.txt"].first, QByteArray("line-up\r\n"));
        QCOMPARE(entries["ABCSession7Bids.txt"].first, QByteArray("3,100,Smith\r\n"));
        QCOMPARE(entries["ABCSession7Press.txt"].first, QByteArray("Hello"));
        for (const auto &e : entries)
            QCOMPARE(e.second, int(ZIP_CM_DEFLATE));

        // A second zip into the existing archive replaces the press and keeps the rest.
        ctl<QPlainTextEdit>(w, "PressMemo")->setPlainText("Second");
        fx.prompts.answers.enqueue(Prompts::Yes);
        ctl<QPushButton>(w, "SavePressBtn")->click();
        ctl<QPushButton>(w, "ZipBtn")->click();
        entries = archiveEntries(fx.path("ABCSession7.zip"));
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries["ABCSession7Press.txt"].first, QByteArray("Second"));
        QCOMPARE(entries["ABC3.txt"].first, QByteArray("line-up\r\n"));

        w.show();
        fx.prompts.boxes.clear();
        ctl<QAction>(w, "ExitMenu")->trigger(); // zipped: no question
        QVERIFY(fx.prompts.boxes.isEmpty());
        QVERIFY(!w.isVisible());
    }

    void zipFailuresKeepTheList()
    {
        Fixture fx;
        TPelMainForm &w = ready(fx);
        ctl<QListWidget>(w, "ZipListBox")->clear();
        ctl<QPushButton>(w, "ZipBtn")->click();
        QCOMPARE(fx.prompts.texts(), QStringList({"No files to Zip!"}));
        QCOMPARE(fx.prompts.boxes.first().buttons, int(Prompts::Cancel));

        fx.write("old.txt", "old");
        orders::writeArchive(fx.path("ABCSession7.zip"), {fx.path("old.txt")});
        const QByteArray before = fx.read("ABCSession7.zip");
        listForZip(w, fx.path("gone.txt"));
        ctl<QPushButton>(w, "ZipBtn")->click();
        QVERIFY(fx.prompts.texts().last().startsWith("Cannot read " + fx.path("gone.txt")));
        QCOMPARE(ctl<QListWidget>(w, "ZipListBox")->count(), 1);
        QCOMPARE(fx.read("ABCSession7.zip"), before);

        QDir(fx.dir.path()).mkdir("other");
        fx.write("other/old.txt", "other");
        ctl<QListWidget>(w, "ZipListBox")->clear();
        listForZip(w, fx.path("old.txt"));
        listForZip(w, fx.path("other/old.txt"));
        ctl<QPushButton>(w, "ZipBtn")->click();
        QVERIFY(fx.prompts.texts().last().contains(fx.path("old.txt") + " and " + fx.path("other/old.txt")));
        QCOMPARE(ctl<QListWidget>(w, "ZipListBox")->count(), 2);
        QCOMPARE(fx.read("ABCSession7.zip"), before);
    }

    void addFilesAndRemoval()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        for (const char *name : {"a.txt", "B.txt", "b.txt", "a.txt", "B.txt"}) {
            fx.prompts.files.enqueue(fx.path(name));
            ctl<QPushButton>(w, "AddZipListBtn")->click();
        }
        QCOMPARE(fx.prompts.choosers.first().title, QString("Add File to Orders to be Zipped"));
        QCOMPARE(items(ctl<QListWidget>(w, "ZipListBox")), QStringList({fx.path("a.txt"), fx.path("B.txt"), fx.path("b.txt")}));
        ctl<QPushButton>(w, "AddZipListBtn")->click(); // cancelled
        QCOMPARE(ctl<QListWidget>(w, "ZipListBox")->count(), 3);

        ctl<QTabWidget>(w, "MainPageControl")->setCurrentWidget(ctl<QWidget>(w, "SummarySheet"));
        const QRect r = ctl<QListWidget>(w, "ZipListBox")->visualItemRect(ctl<QListWidget>(w, "ZipListBox")->item(1));
        QTest::mouseClick(ctl<QListWidget>(w, "ZipListBox")->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(ctl<QListWidget>(w, "ZipListBox")->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(items(ctl<QListWidget>(w, "ZipListBox")), QStringList({fx.path("a.txt"), fx.path("b.txt")}));
        QVERIFY(fx.prompts.boxes.isEmpty());
    }
};

QTEST_MAIN(TestOrders)
#include "tst_orders.moc"
