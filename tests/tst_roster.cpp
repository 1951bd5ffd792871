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

QStringList row(const StringGrid *g, int r)
{
    QStringList out;
    for (int c = 0; c < g->columnCount(); ++c)
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
        QCOMPARE(w.AbbLabel->text(), QString("TST"));
        QCOMPARE(w.TeamNameLabel->text(), QString("Test Rovers"));
        QCOMPARE(w.ManageLabel->text(), QString("Coached by A. Manager"));
        QCOMPARE(w.RosterStringGrid->rows(), 12);
        QCOMPARE(row(w.RosterStringGrid, 1), QStringList({"Keeper", "3", "20", "GK", "1", "", "", "", ""}));
        QCOMPARE(items(w.PTakeBox), ExampleNames);
        QCOMPARE(items(w.TPBox), QStringList({"Utility", "Youth"}));
        QCOMPARE(items(w.CPBox), QStringList({"OTF", "SET", "Keeper", "Sweeper", "Stopper", "Back", "Anchor",
                                              "Middle", "Attack", "Winger", "Striker"}));
        for (QComboBox *b : {w.PTakeBox, w.TPBox, w.CPBox})
            QCOMPARE(b->currentIndex(), -1);
        QCOMPARE(w.StartStrategy, QString("N"));
    }

    void cancelledChooserChangesNothing()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.OpenSubMenu->trigger();
        QCOMPARE(fx.prompts.choosers.size(), 1);
        QCOMPARE(w.RosterStringGrid->rows(), 18);
        QVERIFY(w.AbbLabel->text().isEmpty());
        QVERIFY(fx.prompts.boxes.isEmpty());
    }

    void lineupFieldsAndWindows1252()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("ABC.ros", "ABC,Athletic Borough,J. Smith\r\nJones,2,34,GK,5,MF,n\r\n"
                                 "M\xfcller,3,20,DF,3,DF,a,S1,extra,ignored,more\n");
        QCOMPARE(row(w.RosterStringGrid, 1), QStringList({"Jones", "2", "34", "GK", "5", "MF", "n", "", ""}));
        QCOMPARE(row(w.RosterStringGrid, 2),
                 QStringList({QString::fromUtf8("M\u00fcller"), "3", "20", "DF", "3", "DF", "a", "S1", "extra"}));
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("changed"); // grid and labels already filled
        QTest::newRow("empty file") << QByteArray("") << "List index out of bounds (0)" << false;
        QTest::newRow("only empty lines") << QByteArray("\r\n\r\n\n") << "List index out of bounds (0)" << false;
        QTest::newRow("bad age") << QByteArray("NEW,New Team,Boss\r\nA,2,10,GK,1\r\nB,x,10,DF,1\r\nC,3,10,MF,1\r\n")
                                 << "'x' is not a valid integer value." << true;
        QTest::newRow("line too long")
            << QByteArray("NEW,New Team,Boss\r\n" + QByteArray(256, 'x') + "\r\n") << "Line 2 of " << false;
        QTest::newRow("separator in abbreviation")
            << QByteArray("../X,New Team,Boss\r\nA,2,10,GK,1\r\n") << "The team abbreviation \"../X\"" << false;
    }
    void failures()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QFETCH(bool, changed);
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", exampleRoster());
        fx.openRoster("NEW.ros", file);
        QCOMPARE(fx.prompts.boxes.size(), 1);
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Pellmore"));
        QCOMPARE(fx.prompts.boxes.first().kind, Prompts::Kind::Error);
        QVERIFY2(fx.prompts.boxes.first().text.startsWith(message), qPrintable(fx.prompts.boxes.first().text));
        if (!changed) {
            QCOMPARE(w.AbbLabel->text(), QString("TST"));
            QCOMPARE(w.RosterStringGrid->rows(), 12);
            QCOMPARE(items(w.PTakeBox), ExampleNames);
            return;
        }
        QCOMPARE(w.AbbLabel->text(), QString("NEW"));
        QCOMPARE(w.RosterStringGrid->cell(0, 1), QString("A"));
        // The fill stopped at the failing row: it is a penalty taker, the
        // players before it are candidates, and the strategy was not set.
        QCOMPARE(items(w.PTakeBox).first(), QString("A"));
        QCOMPARE(items(w.PTakeBox).size(), 2);
        QCOMPARE(items(w.CPBox), QStringList({"OTF", "SET", "A"}));
        QCOMPARE(w.StartStrategy, QString("N")); // left from the first roster
    }

    void emptyLineBecomesRowWithoutFields()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        const QByteArray file = "NEW,New Team,Boss\r\nA,2,10,GK,1\r\n\r\nC,3,10,MF,1\r\n";
        fx.openRoster("NEW.ros", file);
        QCOMPARE(fx.prompts.texts(), QStringList({"'' is not a valid integer value."}));
        QCOMPARE(w.RosterStringGrid->rows(), 4);
        QCOMPARE(w.RosterStringGrid->cell(0, 3), QString("C"));

        // A row that still holds numbers from the earlier roster loads.
        fx.prompts.boxes.clear();
        fx.openRoster("TST.ros", exampleRoster());
        fx.openRoster("NEW.ros", file);
        QVERIFY(fx.prompts.boxes.isEmpty());
        QCOMPARE(row(w.RosterStringGrid, 2), QStringList({"Sweeper", "4", "18", "SW", "2", "", "", "", ""}));
    }

    void missingFile()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.prompts.files.enqueue(fx.path("gone.ros"));
        w.OpenSubMenu->trigger();
        QCOMPARE(fx.prompts.texts(), QStringList({"Cannot open file " + fx.path("gone.ros") + "."}));
    }

    void teamLineOnlyAndShortTeamLine()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", exampleRoster());
        fx.openRoster("T2.ros", "T2,Second\r\n");
        QCOMPARE(w.AbbLabel->text(), QString("T2"));
        QCOMPARE(w.TeamNameLabel->text(), QString("Second"));
        QCOMPARE(w.ManageLabel->text(), QString("Coached by A. Manager")); // kept
        QCOMPARE(w.RosterStringGrid->rows(), 1);
        QCOMPARE(w.PTakeBox->count(), 0);
        QCOMPARE(w.TPBox->count(), 0);
        QCOMPARE(items(w.CPBox), QStringList({"OTF", "SET"}));
        QVERIFY(fx.prompts.boxes.isEmpty());
    }

    void shorterRosterKeepsMarksOfRemainingRows()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("ONE.ros", "ONE,First,X\r\nA,2,10,GK,1,GK,n\r\nB,3,11,DF,1,DF,a,S2\r\nC,4,12,MF,1,MF,p\r\n");
        w.TPListBox->addItem("A");
        fx.openRoster("TWO.ros", "TWO,Second,Y\r\nD,5,13,FW,1\r\nE,6,14,WG,1\r\n");
        QCOMPARE(w.RosterStringGrid->rows(), 3);
        QCOMPARE(row(w.RosterStringGrid, 1), QStringList({"D", "5", "13", "FW", "1", "GK", "n", "", ""}));
        QCOMPARE(row(w.RosterStringGrid, 2), QStringList({"E", "6", "14", "WG", "1", "DF", "a", "S2", ""}));
        QCOMPARE(items(w.TPListBox), QStringList({"A"})); // chosen lists untouched
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
        pick(w.CPBox, "OTF");
        QCOMPARE(w.CPBox->currentIndex(), -1);
        pick(w.CPBox, "OTF"); // the same entry twice is listed twice
        pick(w.CPBox, "Back");
        pick(w.CPBox, "SET");
        QCOMPARE(items(w.CPListBox), QStringList({"OTF", "OTF", "Back", "SET"}));
        pick(w.CPBox, "Keeper");
        QCOMPARE(fx.prompts.boxes.size(), 1);
        QCOMPARE(fx.prompts.boxes.first().kind, Prompts::Kind::Plain);
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Coaching Problem"));
        QCOMPARE(fx.prompts.boxes.first().text, QString("Four players already chosen"));
        QCOMPARE(w.CPListBox->count(), 4);
        QCOMPARE(w.CPBox->currentIndex(), -1);

        doubleClick(w.CPListBox, 1);
        QCOMPARE(items(w.CPListBox), QStringList({"OTF", "Back", "SET"}));
        pick(w.CPBox, "Keeper");
        QCOMPARE(items(w.CPListBox), QStringList({"OTF", "Back", "SET", "Keeper"}));

        for (const char *n : {"Youth", "Utility", "Youth", "Youth", "Utility"})
            pick(w.TPBox, n);
        QCOMPARE(items(w.TPListBox), QStringList({"Youth", "Utility", "Youth", "Youth"}));
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
        w.MenuCoachFilt->trigger();
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
            w.MenuCoachFilt->trigger();
        };
        setFilter("21", "9"); // no roster: nothing is rebuilt
        QCOMPARE(w.CPBox->count(), 0);
        fx.openRoster("TST.ros", exampleRoster());
        QVERIFY(items(w.CPBox).contains("Striker")); // age 10, SL 22 passes by skill
        QVERIFY(items(w.CPBox).contains("Middle"));            // age 7
        w.PTakeBox->setCurrentIndex(2);
        w.TPListBox->addItem("Youth");
        setFilter("23", "8");
        QCOMPARE(items(w.CPBox), QStringList({"OTF", "SET", "Keeper", "Sweeper", "Stopper", "Back", "Anchor",
                                              "Middle", "Attack"}));
        QCOMPARE(w.PTakeBox->currentIndex(), 2);
        QCOMPARE(items(w.TPListBox), QStringList({"Youth"}));

        fx.prompts.dialogs.enqueue([](QDialog *d) {
            auto *f = qobject_cast<TCoachFiltForm *>(d);
            f->MinSLBox->setText("1");
            f->CancelButton->click();
        });
        const QByteArray before = fx.ini();
        w.MenuCoachFilt->trigger();
        QCOMPARE(fx.ini(), before);
    }
};

QTEST_MAIN(TestRoster)
#include "tst_roster.moc"
