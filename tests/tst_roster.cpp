// Opening a roster; the training, coaching and penalty-taker choices; the
// coaching filter.
#include "roster/coachfiltunit.h"
#include "roster/rosterfile.h"
#include "support/fixture.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList row(const GridView *g, int r)
{
    QStringList out;
    for (int c = 0; c < g->model()->columnCount(); ++c)
        out.append(g->cell(c, r));
    return out;
}

// A user's pick from a drop-down list.
void pick(QComboBox *box, const QString &text)
{
    const int i = box->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    box->setCurrentIndex(i);
    emit box->activated(i);
}

void doubleClick(QListWidget *list, int index)
{
    const QRect r = list->visualItemRect(list->item(index));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

// What the manager sees of an opened roster: team labels, grid, candidate
// boxes, the strategy and every box shown.
QStringList rosterView(const Fixture &fx)
{
    const TPelMainForm &w = *fx.window;
    QStringList view{ctl<QLabel>(w, "AbbLabel")->text(), ctl<QLabel>(w, "TeamNameLabel")->text(),
                     ctl<QLabel>(w, "ManageLabel")->text(), w.document().choices().StartStrategy};
    const GridView *grid = ctl<GridView>(w, "RosterStringGrid");
    for (int r = 0; r < grid->rows(); ++r)
        view += row(grid, r).join(u'|');
    view += items(ctl<QComboBox>(w, "PTakeBox")).join(u'|');
    view += items(ctl<QComboBox>(w, "TPBox")).join(u'|');
    view += items(ctl<QComboBox>(w, "CPBox")).join(u'|');
    for (const auto &box : fx.prompts.boxes)
        view += box.caption + u':' + box.text;
    return view;
}

const QStringList ExampleNames{"Keeper", "Sweeper", "Stopper", "Back",    "Anchor", "Middle",
                               "Attack", "Winger",  "Striker", "Utility", "Youth"};

} // namespace

class TestRoster : public QObject {
    Q_OBJECT
private slots:
    void opensRoster()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", "\r\n\r\n" + exampleRoster()); // leading empty lines skipped
        QCOMPARE(fx.prompts.texts(), QStringList());
        QCOMPARE(fx.prompts.choosers.first().title, QString("Open Roster File"));
        QCOMPARE(fx.prompts.choosers.first().filters, QString("Roster Files|*.ros|All files|*.*"));
        QCOMPARE(ctl<QLabel>(w, "AbbLabel")->text(), QString("TST"));
        QCOMPARE(ctl<QLabel>(w, "TeamNameLabel")->text(), QString("Test Rovers"));
        QCOMPARE(ctl<QLabel>(w, "ManageLabel")->text(), QString("Coached by A. Manager"));
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->rows(), 12);
        QCOMPARE(row(ctl<GridView>(w, "RosterStringGrid"), 1), QStringList({"Keeper", "3", "20", "GK", "1", "", "", "", ""}));
        QCOMPARE(items(ctl<QComboBox>(w, "PTakeBox")), ExampleNames);
        QCOMPARE(items(ctl<QComboBox>(w, "TPBox")), QStringList({"Utility", "Youth"}));
        QCOMPARE(items(ctl<QComboBox>(w, "CPBox")), QStringList({"OTF", "SET", "Keeper", "Sweeper", "Stopper", "Back", "Anchor",
                                              "Middle", "Attack", "Winger", "Striker"}));
        for (QComboBox *b : {ctl<QComboBox>(w, "PTakeBox"), ctl<QComboBox>(w, "TPBox"), ctl<QComboBox>(w, "CPBox")})
            QCOMPARE(b->currentIndex(), -1);
        QCOMPARE(w.document().choices().StartStrategy, QString("N"));
    }

    void cancelledChooserChangesNothing()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        ctl<QAction>(w, "OpenSubMenu")->trigger();
        QCOMPARE(fx.prompts.choosers.size(), 1);
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->rows(), 18);
        QVERIFY(ctl<QLabel>(w, "AbbLabel")->text().isEmpty());
        QVERIFY(fx.prompts.boxes.isEmpty());
    }

    void lineupFieldsAndWindows1252()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("ABC.ros", "ABC,Athletic Borough,J. Smith\r\nJones,2,34,GK,5,MF,n\r\n"
                                 "M\xfcller,3,20,DF,3,DF,a,S1,extra,ignored,more\n");
        QCOMPARE(row(ctl<GridView>(w, "RosterStringGrid"), 1), QStringList({"Jones", "2", "34", "GK", "5", "MF", "n", "", ""}));
        QCOMPARE(row(ctl<GridView>(w, "RosterStringGrid"), 2),
                 QStringList({QString::fromUtf8("M\u00fcller"), "3", "20", "DF", "3", "DF", "a", "S1", "extra"}));
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty file") << QByteArray("") << "List index out of bounds (0)";
        QTest::newRow("only empty lines") << QByteArray("\r\n\r\n\n") << "List index out of bounds (0)";
        // A roster that cannot be marked is not shown either.
        QTest::newRow("bad age") << QByteArray("NEW,New Team,Boss\r\nA,2,10,GK,1\r\nB,x,10,DF,1\r\nC,3,10,MF,1\r\n")
                                 << "'x' is not a valid integer value.";
        QTest::newRow("bad skill") << QByteArray("NEW,New Team,Boss\r\nA,2,ten,GK,1\r\n")
                                   << "'ten' is not a valid integer value.";
        QTest::newRow("empty line inside") << QByteArray("NEW,New Team,Boss\r\nA,2,10,GK,1\r\n\r\nC,3,10,MF,1\r\n")
                                           << "'' is not a valid integer value.";
        QTest::newRow("line too long")
            << QByteArray("NEW,New Team,Boss\r\n" + QByteArray(256, 'x') + "\r\n") << "Line 2 of ";
        QTest::newRow("separator in abbreviation")
            << QByteArray("../X,New Team,Boss\r\nA,2,10,GK,1\r\n") << "The team abbreviation \"../X\"";
    }
    void failures()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", exampleRoster());
        fx.openRoster("NEW.ros", file);
        QCOMPARE(fx.prompts.boxes.size(), 1);
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Pellmore"));
        QCOMPARE(fx.prompts.boxes.first().kind, Prompts::Kind::Error);
        QVERIFY2(fx.prompts.boxes.first().text.startsWith(message), qPrintable(fx.prompts.boxes.first().text));
        // Nothing changes: the earlier roster stays whole and markable.
        QCOMPARE(ctl<QLabel>(w, "AbbLabel")->text(), QString("TST"));
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->rows(), 12);
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(0, 2), QString("Sweeper"));
        QCOMPARE(items(ctl<QComboBox>(w, "PTakeBox")), ExampleNames);
    }

    void missingFile()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.prompts.files.enqueue(fx.path("gone.ros"));
        ctl<QAction>(w, "OpenSubMenu")->trigger();
        QCOMPARE(fx.prompts.texts(), QStringList({"Cannot open file " + fx.path("gone.ros") + "."}));
    }

    // A roster named on the command line opens as Open Roster opens it, a
    // bare name from the current folder, errors in the same boxes.
    void openedAtStartAsOpenRoster_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no such file
        QTest::addColumn<QString>("abbreviation");
        QTest::addColumn<int>("boxes");
        QTest::newRow("roster") << exampleRoster() << "TST" << 0;
        QTest::newRow("missing file") << QByteArray() << "" << 1;
        QTest::newRow("bad age, refused whole")
            << QByteArray("NEW,New Team,Boss\r\nA,2,10,GK,1\r\nB,x,10,DF,1\r\n") << "" << 1;
        QTest::newRow("line too long") << QByteArray("NEW,New Team,Boss\r\n" + QByteArray(256, 'x') + "\r\n") << ""
                                       << 1;
    }
    void openedAtStartAsOpenRoster()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, abbreviation);
        QFETCH(int, boxes);
        Fixture atStart;
        if (!file.isNull())
            atStart.write("NEW.ros", file);
        atStart.start().openRosterAtStart("NEW.ros");
        QVERIFY(atStart.prompts.choosers.isEmpty());
        QCOMPARE(ctl<QLabel>(atStart.form(), "AbbLabel")->text(), abbreviation);
        QCOMPARE(atStart.prompts.boxes.size(), boxes);

        Fixture chosen;
        chosen.start();
        if (!file.isNull())
            chosen.write("NEW.ros", file);
        chosen.prompts.files.enqueue("NEW.ros");
        ctl<QAction>(chosen.form(), "OpenSubMenu")->trigger();
        QCOMPARE(rosterView(atStart), rosterView(chosen));
    }

    void teamLineOnlyAndShortTeamLine()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", exampleRoster());
        fx.openRoster("T2.ros", "T2,Second\r\n");
        QCOMPARE(ctl<QLabel>(w, "AbbLabel")->text(), QString("T2"));
        QCOMPARE(ctl<QLabel>(w, "TeamNameLabel")->text(), QString("Second"));
        QCOMPARE(ctl<QLabel>(w, "ManageLabel")->text(), QString("Coached by A. Manager")); // kept
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->rows(), 1);
        QCOMPARE(ctl<QComboBox>(w, "PTakeBox")->count(), 0);
        QCOMPARE(ctl<QComboBox>(w, "TPBox")->count(), 0);
        QCOMPARE(items(ctl<QComboBox>(w, "CPBox")), QStringList({"OTF", "SET"}));
        QVERIFY(fx.prompts.boxes.isEmpty());
    }

    void anotherTeamsShorterRosterStartsAnEmptyLineup()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("ONE.ros", "ONE,First,X\r\nA,1,10,GK,1,GK,n\r\nB,3,11,DF,1,DF,a,S2\r\nC,4,12,MF,1,MF,p\r\n");
        w.document().addTraining("A");
        fx.prompts.answers.enqueue(Prompts::Discard);
        fx.openRoster("TWO.ros", "TWO,Second,Y\r\nD,5,13,FW,1\r\nE,6,14,WG,1\r\n");
        GridView *g = ctl<GridView>(w, "RosterStringGrid");
        QCOMPARE(g->rows(), 3);
        QCOMPARE(row(g, 1), QStringList({"D", "5", "13", "FW", "1", "", "", "", ""}));
        QCOMPARE(row(g, 2), QStringList({"E", "6", "14", "WG", "1", "", "", "", ""}));
        QCOMPARE(ctl<QListWidget>(w, "TPListBox")->count(), 0);
    }

    void candidateRule_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("skill");
        QTest::addColumn<int>("maxAge");
        QTest::addColumn<int>("minSkill");
        QTest::addColumn<int>("expected");
        const int T = int(roster::Candidate::Training), C = int(roster::Candidate::Coaching),
                  N = int(roster::Candidate::None);
        QTest::newRow("age 0") << 0 << 5 << 9 << 1 << T;
        QTest::newRow("age 1, SL 99: training only") << 1 << 99 << 9 << 1 << T;
        QTest::newRow("age 2") << 2 << 0 << 9 << 1 << C;
        QTest::newRow("age 9 at max, any SL") << 9 << 0 << 9 << 50 << C;
        QTest::newRow("age 10, SL 5, min 6") << 10 << 5 << 9 << 6 << N;
        QTest::newRow("age 10, SL 5, min 5") << 10 << 5 << 9 << 5 << C;
        QTest::newRow("both fail") << 10 << 0 << 9 << 1 << N;
    }
    void candidateRule()
    {
        QFETCH(int, age);
        QFETCH(int, skill);
        QFETCH(int, maxAge);
        QFETCH(int, minSkill);
        QFETCH(int, expected);
        QCOMPARE(int(roster::candidateFor(age, skill, maxAge, minSkill)), expected);
    }

    void fourEntryLimit()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        fx.openRoster("TST.ros", exampleRoster());
        pick(ctl<QComboBox>(w, "CPBox"), "OTF");
        QCOMPARE(ctl<QComboBox>(w, "CPBox")->currentIndex(), -1);
        pick(ctl<QComboBox>(w, "CPBox"), "OTF"); // the same entry twice is listed twice
        pick(ctl<QComboBox>(w, "CPBox"), "Back");
        pick(ctl<QComboBox>(w, "CPBox"), "SET");
        QCOMPARE(items(ctl<QListWidget>(w, "CPListBox")), QStringList({"OTF", "OTF", "Back", "SET"}));
        pick(ctl<QComboBox>(w, "CPBox"), "Keeper");
        QCOMPARE(fx.prompts.boxes.size(), 1);
        QCOMPARE(fx.prompts.boxes.first().kind, Prompts::Kind::Plain);
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Coaching Problem"));
        QCOMPARE(fx.prompts.boxes.first().text, QString("Four players already chosen"));
        QCOMPARE(ctl<QListWidget>(w, "CPListBox")->count(), 4);
        QCOMPARE(ctl<QComboBox>(w, "CPBox")->currentIndex(), -1);

        doubleClick(ctl<QListWidget>(w, "CPListBox"), 1);
        QCOMPARE(items(ctl<QListWidget>(w, "CPListBox")), QStringList({"OTF", "Back", "SET"}));
        pick(ctl<QComboBox>(w, "CPBox"), "Keeper");
        QCOMPARE(items(ctl<QListWidget>(w, "CPListBox")), QStringList({"OTF", "Back", "SET", "Keeper"}));

        for (const char *n : {"Youth", "Utility", "Youth", "Youth", "Utility"})
            pick(ctl<QComboBox>(w, "TPBox"), n);
        QCOMPARE(items(ctl<QListWidget>(w, "TPListBox")), QStringList({"Youth", "Utility", "Youth", "Youth"}));
        QCOMPARE(fx.prompts.boxes.last().caption, QString("Training Problem"));
        QCOMPARE(fx.prompts.boxes.last().text, QString("Four players already chosen."));
    }

    void coachingFilter_data()
    {
        QTest::addColumn<QString>("skill");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("stored");
        const QByteArray untouched = "[CoachFilt]\r\nMinSkill=1\r\nMaxAge=9\r\n";
        QTest::newRow("accepted") << "15" << "9" << "" << QByteArray("[CoachFilt]\r\nMinSkill=15\r\nMaxAge=9\r\n");
        QTest::newRow("bounds accepted") << "99" << "10" << "" << QByteArray("[CoachFilt]\r\nMinSkill=99\r\nMaxAge=10\r\n");
        QTest::newRow("skill 0") << "0" << "9" << "Enter a Skill Level between 1 - 99" << untouched;
        QTest::newRow("skill 100") << "100" << "9" << "Enter a Skill Level between 1 - 99" << untouched;
        QTest::newRow("skill text") << "a" << "0" << "Enter a Skill Level between 1 - 99" << untouched;
        QTest::newRow("age 0") << "5" << "0" << "Enter an Age between 1 - 10" << untouched;
        QTest::newRow("age 11") << "5" << "11" << "Enter an Age between 1 - 10" << untouched;
        QTest::newRow("age text") << "5" << "old" << "Enter an Age between 1 - 10" << untouched;
    }
    void coachingFilter()
    {
        QFETCH(QString, skill);
        QFETCH(QString, age);
        QFETCH(QString, message);
        QFETCH(QByteArray, stored);
        Fixture fx("[CoachFilt]\r\nMinSkill=1\r\nMaxAge=9\r\n");
        TPelMainForm &w = fx.start();
        fx.prompts.dialogs.enqueue([&](QDialog *d) {
            auto *f = qobject_cast<TCoachFiltForm *>(d);
            QVERIFY(f);
            QCOMPARE(f->windowTitle(), QString("Coaching Filter"));
            QCOMPARE(f->MinSLBox->text(), QString("1"));
            QCOMPARE(f->MaxAgeBox->text(), QString("9"));
            f->show();
            f->MinSLBox->setText(skill);
            f->MaxAgeBox->setText(age);
            QSignalSpy closed(f, &QDialog::finished);
            f->DoneButton->click();
            if (message.isEmpty()) {
                QCOMPARE(closed.count(), 1);
                QCOMPARE(f->result(), int(QDialog::Accepted));
                return;
            }
            // A refused entry keeps the dialog open, the field selected to be corrected.
            QCOMPARE(closed.count(), 0);
            QLineEdit *refused = message.contains("Skill") ? f->MinSLBox : f->MaxAgeBox;
            QCOMPARE(f->focusWidget(), refused);
            QCOMPARE(refused->selectedText(), refused->text());
            f->CancelButton->click();
        });
        ctl<QAction>(w, "MenuCoachFilt")->trigger();
        QCOMPARE(fx.prompts.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(fx.prompts.boxes.first().caption, QString("Pellmore"));
        QCOMPARE(fx.ini(), stored);
    }

    void filterRebuildsCandidatesOnlyWithRoster()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        auto setFilter = [&](const char *skill, const char *age) {
            fx.prompts.dialogs.enqueue([=](QDialog *d) {
                auto *f = qobject_cast<TCoachFiltForm *>(d);
                f->MinSLBox->setText(skill);
                f->MaxAgeBox->setText(age);
                f->DoneButton->click();
            });
            ctl<QAction>(w, "MenuCoachFilt")->trigger();
        };
        setFilter("21", "9"); // no roster: nothing is rebuilt
        QCOMPARE(ctl<QComboBox>(w, "CPBox")->count(), 0);
        fx.openRoster("TST.ros", exampleRoster());
        QVERIFY(items(ctl<QComboBox>(w, "CPBox")).contains("Striker")); // age 10, SL 22 passes by skill
        QVERIFY(items(ctl<QComboBox>(w, "CPBox")).contains("Middle"));            // age 7
        ctl<QComboBox>(w, "PTakeBox")->setCurrentIndex(2);
        ctl<QListWidget>(w, "TPListBox")->addItem("Youth");
        setFilter("23", "8");
        QCOMPARE(items(ctl<QComboBox>(w, "CPBox")), QStringList({"OTF", "SET", "Keeper", "Sweeper", "Stopper", "Back", "Anchor",
                                              "Middle", "Attack"}));
        QCOMPARE(ctl<QComboBox>(w, "PTakeBox")->currentIndex(), 2);
        QCOMPARE(items(ctl<QListWidget>(w, "TPListBox")), QStringList({"Youth"}));

        fx.prompts.dialogs.enqueue([](QDialog *d) {
            auto *f = qobject_cast<TCoachFiltForm *>(d);
            f->MinSLBox->setText("1");
            f->CancelButton->click();
        });
        const QByteArray before = fx.ini();
        ctl<QAction>(w, "MenuCoachFilt")->trigger();
        QCOMPARE(fx.ini(), before);
    }
};

QTEST_MAIN(TestRoster)
#include "tst_roster.moc"
