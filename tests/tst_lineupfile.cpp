// The line-up file: Save Lineup, Open Lineup, applying a file, Save & View
// and the Lineup Viewer sheet.
#include "lineup/lineupfile.h"
#include "support/fixture.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

namespace {

const QByteArray MarkedRoster = markedRoster();

const QString KeeperOrders = "Adams,,T,>=,45,D,a,,,,,,,,,,,,,,,,,,,"; // 26 fields
const QStringList Tactics{"G,>,1,T,>,60,D", "G,<,0,T,>=,75,A", "T,>,30,,,,P", "G,=,0,,,,N", "G,<=,-2,T,<,80,L"};

const QByteArray E25(25, ',');

QByteArray expectedFile()
{
    return "5,L,G,>,1,T,>,60,D,G,<,0,T,>=,75,A,T,>,30,,,,P,G,=,0,,,,N,G,<=,-2,T,<,80,L\r\n"
           "OTF,Back,,,Youth,Utility,,,Striker\r\n"
           "GK,Keeper,n,Adams,,T,>=,45,D,a,,,,,,,,,,,,,,,,,,,\r\n"
           "SW,Sweeper,a," + E25 + "\r\n"
           "DF,Stopper,n," + E25 + "\r\n"
           "DF,Back,p," + E25 + "\r\n"
           "DF,Anchor,n," + E25 + "\r\n"
           "MF,Middle,a," + E25 + "\r\n"
           "MF,Attack,n," + E25 + "\r\n"
           "WG,Winger,n," + E25 + "\r\n"
           "FW,Striker,a," + E25 + "\r\n"
           "FW,Utility,n," + E25 + "\r\n"
           "MF,Youth,p," + E25 + "\r\n"
           "MF,Sub1,n," + E25 + "\r\n"
           "DF,Ren\xe9,n," + E25 + "\r\n"
           "FW,Sub3,a," + E25 + "\r\n"
           "GK,Sub4,n," + E25 + "\r\n"
           "WG,Sub5,p," + E25 + "\r\n"
           ",\r\n";
}

void select(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(box->findText(text));
}

// Opens the marked roster and fills in every order of a match.
void prepareFullLineup(Fixture &fx)
{
    TPelMainForm &w = fx.form();
    fx.openRoster("TST.ros", MarkedRoster);
    lineup::LineupDocument &doc = w.document();
    setMark(w, 8, 1, KeeperOrders);
    doc.setTeamTactics(Tactics, "L");
    select(ctl<QComboBox>(w, "HBCombo"), "5");
    select(ctl<QComboBox>(w, "MatchNoComboBox"), "3");
    select(ctl<QComboBox>(w, "PTakeBox"), "Striker");
    for (const char *coach : {"OTF", "Back"})
        doc.addCoaching(coach);
    for (const char *trainee : {"Youth", "Utility"})
        doc.addTraining(trainee);
}

QByteArray lineupOf(const QByteArray &line1, const QByteArray &line2, const QList<QByteArray> &players)
{
    QByteArray f = line1 + "\r\n" + line2 + "\r\n";
    for (const QByteArray &p : players)
        f += p + "\r\n";
    return f + ",\r\n";
}

// Sixteen player lines: eleven starters then five substitutes.
QList<QByteArray> players(const QList<QByteArray> &starters)
{
    QList<QByteArray> out = starters;
    while (out.size() < 11)
        out.append("MF,Nobody," + QByteArray::number(out.size()) + E25.mid(1) + ",");
    for (const char *s : {"MF,Sub1,n", "DF,Ren\xe9,n", "FW,Sub3,a", "GK,Sub4,n", "WG,Sub5,p"})
        out.append(QByteArray(s) + "," + E25);
    return out;
}

} // namespace

class TestLineupFile : public QObject {
    Q_OBJECT
private slots:
    void savesTheLeaguesFormat()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        prepareFullLineup(fx);
        ctl<QAction>(w, "SaveLineupMenu")->trigger();
        QCOMPARE(fx.prompts.texts(), QStringList({"TST3.txt has been created"}));
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Lineup Saved"));
        QCOMPARE(fx.read("TST3.txt"), expectedFile());
        QCOMPARE(items(ctl<QListWidget>(w, "ZipListBox")), QStringList({"TST3.txt"}));

        fx.prompts.answers.enqueue(Prompts::Yes); // replace: listed a second time
        ctl<QAction>(w, "SaveLineupMenu")->trigger();
        QCOMPARE(fx.prompts.boxes.at(1).text, QString("File exits. Replace it?"));
        QCOMPARE(fx.prompts.boxes.at(1).caption, QString("Confirm"));
        QCOMPARE(items(ctl<QListWidget>(w, "ZipListBox")), QStringList({"TST3.txt", "TST3.txt"}));
    }

    void savedOpenedAndSavedAgainIsIdentical()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        prepareFullLineup(fx);
        ctl<QAction>(w, "SaveLineupMenu")->trigger();
        ctl<QAction>(w, "NewLineupMenu")->trigger();
        select(ctl<QComboBox>(w, "MatchNoComboBox"), "9");
        fx.prompts.files.enqueue(fx.path("TST3.txt"));
        fx.prompts.answers.enqueue(Prompts::Discard); // New Lineup is not saved
        ctl<QAction>(w, "OpenLineupMenu")->trigger();
        QCOMPARE(fx.prompts.boxes.at(1).text, QString("The line-up TST9.txt has changes that are not saved. Save them?"));
        QCOMPARE(fx.prompts.choosers.last().title, QString("Open Lineup"));
        QCOMPARE(fx.prompts.choosers.last().filters, QString("Lineup files|*.txt|All Files (*.*)|*.*"));
        QCOMPARE(ctl<QComboBox>(w, "MatchNoComboBox")->currentText(), QString("3"));
        QCOMPARE(ctl<QComboBox>(w, "HBCombo")->currentText(), QString("5"));
        QCOMPARE(ctl<QComboBox>(w, "PTakeBox")->currentText(), QString("Striker"));
        QCOMPARE(w.document().choices().StartStrategy, QString("L"));
        QCOMPARE(w.document().choices().TeamTacticList, Tactics);
        QCOMPARE(items(ctl<QListWidget>(w, "CPListBox")), QStringList({"OTF", "Back"}));
        QCOMPARE(items(ctl<QListWidget>(w, "TPListBox")), QStringList({"Youth", "Utility"}));
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(8, 1), KeeperOrders);
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(7, 12), QString("S2"));
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(5, 17), QString()); // Bench
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(1, 1), QString("1"));  // totals recomputed

        const QByteArray first = fx.read("TST3.txt");
        QFile::remove(fx.path("TST3.txt"));
        ctl<QAction>(w, "SaveLineupMenu")->trigger();
        QCOMPARE(fx.read("TST3.txt"), first);
    }

    void refusals_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("play");
        QTest::addColumn<QString>("subs");
        QTest::addColumn<QString>("message");
        const QString starters = "You need 11 starting players, Lineup not saved";
        const QString subs = "You need 5 substitutes, Lineup not saved";
        QTest::newRow("10 starters") << 11 << "" << "" << starters;
        QTest::newRow("12 starters") << 17 << "DF" << "" << starters;
        QTest::newRow("12 starters and 4 subs") << 16 << "WG" << "" << starters;
        QTest::newRow("four substitutes") << 16 << "" << "S5" << subs;
        QTest::newRow("two S2 and no S4") << 15 << "GK" << "S2" << subs;
        QTest::newRow("a mark that names no slot") << 16 << "WG" << "S6" << subs;
    }
    void refusals()
    {
        QFETCH(int, row);
        QFETCH(QString, play);
        QFETCH(QString, subs);
        QFETCH(QString, message);
        Fixture fx;
        TPelMainForm &w = fx.start();
        prepareFullLineup(fx);
        w.document().setTeamTactics(w.document().choices().TeamTacticList, QString());
        setMark(w, 5, row, play);
        setMark(w, 7, row, subs);
        ctl<QAction>(w, "SaveLineupMenu")->trigger();
        QCOMPARE(fx.prompts.texts(), QStringList({message}));
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Invalid Lineup"));
        QVERIFY(!QFile::exists(fx.path("TST3.txt")));
        QCOMPARE(ctl<QListWidget>(w, "ZipListBox")->count(), 0);
        QCOMPARE(w.document().choices().StartStrategy, QString("N")); // set even when refused
    }

    void noMatchSelectedAndDeclinedReplace()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        prepareFullLineup(fx);
        ctl<QComboBox>(w, "MatchNoComboBox")->setCurrentIndex(-1);
        ctl<QComboBox>(w, "HBCombo")->setCurrentIndex(-1);
        fx.write("TST1.txt", "old");
        fx.prompts.answers.enqueue(Prompts::No);
        ctl<QAction>(w, "SaveLineupMenu")->trigger();
        QCOMPARE(fx.prompts.texts(), QStringList({"File exits. Replace it?", "Lineup not saved"}));
        QCOMPARE(fx.prompts.boxes.at(1).caption, QString("Pellmore"));
        QCOMPARE(fx.read("TST1.txt"), QByteArray("old"));
        QCOMPARE(ctl<QListWidget>(w, "ZipListBox")->count(), 0);

        fx.prompts.answers.enqueue(Prompts::Yes);
        ctl<QAction>(w, "SaveLineupMenu")->trigger();
        QVERIFY(fx.read("TST1.txt").startsWith("3,L,")); // no home bonus selected: "3"
    }

    void failedSavesLeaveOldFileAndListNothing()
    {
        Fixture fx("[Options]\r\nWorkingDir=" + QDir::tempPath().toUtf8() + "/no-such-pellmore-folder/\r\n");
        TPelMainForm &w = fx.start();
        prepareFullLineup(fx);
        ctl<QAction>(w, "SaveLineupMenu")->trigger();
        QCOMPARE(fx.prompts.boxes.size(), 1);
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Pellmore"));
        QVERIFY(fx.prompts.boxes.first().text.startsWith("Cannot write " + w.state().workingDir + "TST3.txt: "));
        QCOMPARE(ctl<QListWidget>(w, "ZipListBox")->count(), 0);

        Fixture here;
        TPelMainForm &v = here.start();
        prepareFullLineup(here);
        here.write("TST3.txt", "old");
        setMark(v, 8, 2, QString::fromUtf8("\u0141ukasz") + QString(25, u',')); // not in Windows-1252
        here.prompts.answers.enqueue(Prompts::Yes);
        ctl<QAction>(v, "SaveLineupMenu")->trigger();
        QVERIFY(here.prompts.boxes.last().text.contains(QString::fromUtf8("\"\u0141\"")));
        QCOMPARE(here.read("TST3.txt"), QByteArray("old"));
        QCOMPARE(ctl<QListWidget>(v, "ZipListBox")->count(), 0);
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("abbreviation");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("match");
        QTest::newRow("ABC3.txt") << "/x/ABC3.txt" << "ABC" << true << 3;
        QTest::newRow("ABC12.txt") << "/x/y/ABC12.txt" << "ABC" << true << 12;
        QTest::newRow("AB3.txt") << "AB3.txt" << "AB" << true << 3;
        QTest::newRow("ABCD12.txt") << "ABCD12.txt" << "ABCD" << true << 1;
        QTest::newRow("ABC.txt") << "ABC.txt" << "AB" << false << 0;
        QTest::newRow("ABCD.txt") << "ABCD.txt" << "ABC" << false << 0;
    }
    void fileNames()
    {
        QFETCH(QString, path);
        QFETCH(QString, abbreviation);
        QFETCH(bool, valid);
        QFETCH(int, match);
        const lineup::LineupName n = lineup::parseLineupName(path);
        QCOMPARE(n.abbreviation, abbreviation);
        QCOMPARE(n.matchValid, valid);
        QCOMPARE(n.match, match);
    }

    void openRefusesWrongLineCounts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("valid");
        const QByteArray good = lineupOf("5,N" + QByteArray(35, ','), ",,,,,,,,", players({}));
        QTest::newRow("19 lines") << good << true;
        QTest::newRow("last CR LF missing") << good.chopped(2) << true;
        QTest::newRow("20 lines") << good + "\r\n" << false;
        QTest::newRow("18 lines") << good.mid(good.indexOf('\n') + 1) << false;
    }
    void openRefusesWrongLineCounts()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, valid);
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", MarkedRoster);
        fx.write("TST7.txt", file);
        fx.prompts.files.enqueue(fx.path("TST7.txt"));
        ctl<QAction>(w, "OpenLineupMenu")->trigger();
        if (valid) {
            QVERIFY(fx.prompts.boxes.isEmpty());
            QCOMPARE(ctl<QComboBox>(w, "MatchNoComboBox")->currentText(), QString("7"));
        } else {
            QCOMPARE(fx.prompts.texts(), QStringList({"Not a valid Lineup file"}));
            QCOMPARE(fx.prompts.boxes.first().caption, QString("Lineup Error"));
            QCOMPARE(ctl<QComboBox>(w, "MatchNoComboBox")->currentIndex(), -1);
            QCOMPARE(w.document().choices().StartStrategy, QString("N"));
        }
    }

    void applyEdgeCases()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", MarkedRoster);
        select(ctl<QComboBox>(w, "HBCombo"), "6");
        setMark(w, 8, 2, "kept");
        // Home bonus out of range, tactics in groups 2 and 4, a penalty
        // taker and a player who are not in the roster.
        const QByteArray line1 = "12,E,,,,,,,,G,>,1,,,,D,,,,,,,,T,<,80,,,,A,,,,,,,";
        const QByteArray file = lineupOf(line1, "OTF,,SET,,Youth,,,,Stranger",
                                         players({"GK,Stranger,n," + E25, "SW,Sweeper,a," + E25}));
        fx.write("ABC.txt", file);
        fx.prompts.files.enqueue(fx.path("ABC.txt"));
        fx.prompts.answers.enqueue(Prompts::Discard);
        ctl<QAction>(w, "OpenLineupMenu")->trigger();
        QCOMPARE(fx.prompts.texts().mid(1), QStringList({"OpenLineup error (reading Match No)EConvertError"}));
        QCOMPARE(fx.prompts.boxes.at(1).caption, QString("Error"));
        QCOMPARE(ctl<QComboBox>(w, "MatchNoComboBox")->currentText(), QString("1"));
        QCOMPARE(ctl<QComboBox>(w, "HBCombo")->currentText(), QString("6"));
        QCOMPARE(w.document().choices().StartStrategy, QString("E"));
        QCOMPARE(w.document().choices().TeamTacticList, QStringList({"G,>,1,,,,D", "T,<,80,,,,A"}));
        QCOMPARE(items(ctl<QListWidget>(w, "CPListBox")), QStringList({"OTF", "SET"}));
        QCOMPARE(items(ctl<QListWidget>(w, "TPListBox")), QStringList({"Youth"}));
        QCOMPARE(ctl<QComboBox>(w, "PTakeBox")->currentIndex(), -1);
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(0, 1), QString("Keeper")); // no row for Stranger
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(8, 2), QString("kept")); // empty conditional keeps the cell
        QCOMPARE(ctl<QListWidget>(w, "StartersListBox")->item(0)->text(), "GK Stranger n       " + QString(26, u' '));
        QCOMPARE(ctl<QListWidget>(w, "TeamInfListBox")->item(8)->text(), QString("PK: Stranger"));

        fx.write("TST4.txt", lineupOf("x,N", "", players({})));
        fx.prompts.files.enqueue(fx.path("TST4.txt"));
        ctl<QAction>(w, "OpenLineupMenu")->trigger();
        QCOMPARE(fx.prompts.texts().last(), QString("OpenLineup error EConvertError"));
        QCOMPARE(ctl<QComboBox>(w, "HBCombo")->currentText(), QString("6"));
        QVERIFY(w.document().choices().TeamTacticList.isEmpty());
    }

    void openLoadsTheTeamsRoster()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.write("TST3.txt", expectedFile());
        fx.prompts.files.enqueue(fx.path("TST3.txt"));
        ctl<QAction>(w, "OpenLineupMenu")->trigger(); // no roster: TST.ros is missing
        QCOMPARE(fx.prompts.texts(), QStringList({"Cannot open file TST.ros."}));
        QVERIFY(ctl<QLabel>(w, "AbbLabel")->text().isEmpty());
        QCOMPARE(ctl<QComboBox>(w, "MatchNoComboBox")->currentIndex(), -1);

        fx.write("TST.ros", MarkedRoster);
        fx.prompts.files.enqueue(fx.path("TST3.txt"));
        ctl<QAction>(w, "OpenLineupMenu")->trigger();
        QCOMPARE(ctl<QLabel>(w, "AbbLabel")->text(), QString("TST"));
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->rows(), 18);
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(8, 1), KeeperOrders);
        QCOMPARE(ctl<QComboBox>(w, "MatchNoComboBox")->currentText(), QString("3"));
    }

    void viewer()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        prepareFullLineup(fx);
        ctl<QAction>(w, "SaveView1")->trigger();
        QCOMPARE(ctl<QTabWidget>(w, "MainPageControl")->currentWidget(), ctl<QWidget>(w, "LineupSheet"));
        QVERIFY(ctl<QFrame>(w, "validPanel")->isHidden());
        QCOMPARE(items(ctl<QListWidget>(w, "TeamInfListBox")),
                 QStringList({"HomeBonus: 5            Starting Tactic: L",
                              "Conditional Tactic #1      G  >  1  T  >  60  D",
                              "Conditional Tactic #2      G  <  0  T  >=  75  A",
                              "Conditional Tactic #3      T  >  30        P",
                              "Conditional Tactic #4      G  =  0        N",
                              "Conditional Tactic #5      G  <=  -2  T  <  80  L", "CP:  OTF  Back    ",
                              "TP:  Youth  Utility    ", "PK: Striker"}));
        QCOMPARE(ctl<QListWidget>(w, "StartersListBox")->count(), 11);
        QCOMPARE(ctl<QListWidget>(w, "StartersListBox")->item(0)->text(),
                 "GK Keeper n       Adams  T >= 45 D a " + QString(19, u' '));
        QCOMPARE(ctl<QListWidget>(w, "SubsListBox")->item(1)->text(), QString::fromUtf8("S2: DF Ren\u00e9 n       ") + QString(26, u' '));
        QCOMPARE(pitchLabels(w)[0]->text(), QString("Keeper"));
        QCOMPARE(pitchLabels(w)[6]->text(), QString()); // three defenders: DF4, DF5 empty

        ctl<QTabWidget>(w, "MainPageControl")->setCurrentWidget(ctl<QWidget>(w, "MainSheet")); // as the user picks it
        QVERIFY(!ctl<QFrame>(w, "validPanel")->isHidden());
    }

    void viewerWithoutTacticsAndPitchSlots()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", MarkedRoster);
        QList<QByteArray> starters;
        for (const char *s : {"GK,One,n", "GK,Two,n", "WG,W1,n", "WG,W2,n", "WG,W3,n", "FW,F1,n", "FW,F2,n",
                              "FW,F3,n", "FW,F4,n", "FW,F5,n", "XX,Odd,n"})
            starters.append(QByteArray(s) + "," + E25);
        const QByteArray file = lineupOf("4,N" + QByteArray(35, ','), ",,,,,,,,", players(starters));
        fx.write("TST2.txt", file);
        fx.prompts.files.enqueue(fx.path("TST2.txt"));
        ctl<QAction>(w, "OpenLineupMenu")->trigger();
        QCOMPARE(ctl<QListWidget>(w, "TeamInfListBox")->count(), 9);
        QCOMPARE(ctl<QListWidget>(w, "TeamInfListBox")->item(0)->text(), QString("HomeBonus: 4            Starting Tactic: N"));
        QCOMPARE(ctl<QListWidget>(w, "TeamInfListBox")->item(3)->text(), "Conditional Tactic #3      " + QString(12, u' '));
        QCOMPARE(ctl<QListWidget>(w, "TeamInfListBox")->item(6)->text(), QString("CP:        "));
        QCOMPARE(ctl<QListWidget>(w, "TeamInfListBox")->item(8)->text(), QString("PK: "));
        QStringList pitch;
        for (QLabel *l : pitchLabels(w))
            pitch.append(l->text());
        QCOMPARE(pitch, QStringList({"Two", "", "", "", "", "", "", "", "", "", "", "", "W1", "W2", "W3", "",
                                     "F1", "F2", "F3", "F4"}));
        QCOMPARE(ctl<QTabWidget>(w, "MainPageControl")->currentWidget(), ctl<QWidget>(w, "MainSheet")); // Open Lineup stays on the sheet
    }

    void saveAndViewAfterRefusalAppliesNothing()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        prepareFullLineup(fx);
        fx.write("TST3.txt", expectedFile());
        setMark(w, 5, 11, ""); // ten starters
        ctl<QAction>(w, "SaveView1")->trigger();
        QCOMPARE(fx.prompts.texts(), QStringList({"You need 11 starting players, Lineup not saved"}));
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(5, 11), QString());
        QCOMPARE(ctl<QTabWidget>(w, "MainPageControl")->currentWidget(), ctl<QWidget>(w, "MainSheet"));
        QCOMPARE(ctl<QListWidget>(w, "StartersListBox")->count(), 0);
    }

    // The pitch is decoded when the viewer is first shown, however it is shown.
    void pitchPictureOnFirstView_data()
    {
        QTest::addColumn<bool>("saveAndView");
        QTest::newRow("sheet picked") << false;
        QTest::newRow("Save & View") << true;
    }

    void pitchPictureOnFirstView()
    {
        QFETCH(bool, saveAndView);
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *field = ctl<QLabel>(w, "FieldImage");
        auto *pages = ctl<QTabWidget>(w, "MainPageControl");
        QWidget *viewer = ctl<QWidget>(w, "LineupSheet");
        QVERIFY(field->pixmap().isNull());
        if (saveAndView) {
            prepareFullLineup(fx);
            ctl<QAction>(w, "SaveView1")->trigger();
        } else {
            pages->setCurrentWidget(viewer);
        }
        QCOMPARE(pages->currentWidget(), viewer);
        const QImage shown = field->pixmap().toImage();
        QCOMPARE(shown.size(), QSize(300, 356));
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
                 QImage(":/pitch.png").convertToFormat(QImage::Format_ARGB32));
    }

    void zipSheetRemovesExactRepeats()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        for (const char *p : {"b.txt", "A.txt", "a.txt", "b.txt", "a.txt", "C.txt"})
            listForZip(w, p);
        QCOMPARE(items(ctl<QListWidget>(w, "ZipListBox")), QStringList({"A.txt", "a.txt", "a.txt", "b.txt", "b.txt", "C.txt"}));
        ctl<QTabWidget>(w, "MainPageControl")->setCurrentWidget(ctl<QWidget>(w, "SummarySheet"));
        QCOMPARE(items(ctl<QListWidget>(w, "ZipListBox")), QStringList({"A.txt", "a.txt", "b.txt", "C.txt"}));
        QVERIFY(ctl<QFrame>(w, "validPanel")->isHidden());
    }
};

QTEST_MAIN(TestLineupFile)
#include "tst_lineupfile.moc"
