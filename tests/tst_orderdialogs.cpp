// The team tactics and player conditionals dialogs.
#include "lineup/playcondunit.h"
#include "lineup/tactics.h"
#include "lineup/teamtacticunit.h"
#include "support/fixture.h"
#include "widgets/ledlight.h"
#include "widgets/stringgrid.h"
#include "widgets/updown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using lineup::Condition;

namespace {

const QByteArray Strategies = "[TeamTacs]\r\nhowmany=6\r\nT1=Normal\r\nT2=Stalling\r\nT3=Opportunistic\r\n"
                              "T4=Longball\r\nT5=Ball Control\r\nT6=Pressing\r\n";

void pick(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(box->findText(text));
}

void press(UpDownArrows *arrows, bool up, int times = 1)
{
    for (int i = 0; i < times; ++i)
        (up ? arrows->upButton() : arrows->downButton())->click();
}

// Opens Team Tactics on a loaded roster and runs edit on the live dialog.
void teamTactics(Fixture &fx, const std::function<void(TTeamTacticForm *)> &edit)
{
    fx.prompts.dialogs.enqueue([edit](QDialog *d) {
        auto *f = qobject_cast<TTeamTacticForm *>(d);
        QVERIFY(f);
        edit(f);
    });
    ctl<QPushButton>(fx.form(), "MatchTacBtn")->click();
}

// Opens the conditionals of grid row 1 by clicking its cell.
void playerConditionals(Fixture &fx, const std::function<void(TPlayCondForm *)> &edit)
{
    fx.prompts.dialogs.enqueue([edit](QDialog *d) {
        auto *f = qobject_cast<TPlayCondForm *>(d);
        QVERIFY(f);
        edit(f);
    });
    clickCell(ctl<GridView>(fx.form(), "RosterStringGrid"), 8, 1);
}

const QString Orders = "Adams,Baker,T,>=,60,G,=,0,S1,MF,G,<,-2,,,,C,a,,,,T,>,80,S5,FW";

} // namespace

class TestOrderDialogs : public QObject {
    Q_OBJECT
private slots:
    void composing_data()
    {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("time and goals") << QStringList{"T", ">=", "60"} << QStringList{"G", "<", "0"} << "T,>=,60,G,<,0"
                                        << QStringList{"Game Time is more than or equal to 60 Minutes",
                                                       "and Goal Difference is less than 0"};
        QTest::newRow("goals alone") << QStringList{"G", ">", "1"} << QStringList{"", "", "0"} << "G,>,1,,,"
                                     << QStringList{"Goal Difference is greater than 1"};
        QTest::newRow("event T and second operator <") << QStringList{"T", "", "0"} << QStringList{"", "<", "0"}
                                                       << "T,,,,<," << QStringList{};
        QTest::newRow("second alone") << QStringList{"", "", "5"} << QStringList{"T", "<=", "45"} << ",,,T,<=,45"
                                      << QStringList{"Game Time is less than or equal to 45 Minutes"};
        QTest::newRow("equal") << QStringList{"G", "=", "-1"} << QStringList{"", "", ""} << "G,=,-1,,,"
                               << QStringList{"Goal Difference is equal to -1"};
    }
    void composing()
    {
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(QString, code);
        QFETCH(QStringList, lines);
        const Condition a{first.at(0), first.at(1), first.at(2)}, b{second.at(0), second.at(1), second.at(2)};
        QCOMPARE(lineup::tacticCode(a, b), code);
        QCOMPARE(lineup::readableConditions(a, b), lines);
    }

    void valueRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("left"); // once the field is left
        QTest::newRow("95") << "95" << "90" << "90";
        QTest::newRow("-95") << "-95" << "-90" << "-90";
        QTest::newRow("empty") << "" << "0" << "0";
        QTest::newRow("minus waits for digits") << "-" << "-" << "0";
        QTest::newRow("minus after 0") << "0-" << "-" << "0";
        QTest::newRow("minus after 5") << "5-" << "-5" << "-5";
        QTest::newRow("-0") << "-0" << "-" << "0";
        QTest::newRow("abc") << "abc" << "0" << "0";
        QTest::newRow("+5") << "+5" << "+5" << "+5";
        QTest::newRow("05") << "05" << "05" << "05";
        QTest::newRow("-90") << "-90" << "-90" << "-90";
    }
    void valueRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, left);
        QCOMPARE(lineup::limitValueText(typed), shown);
        Fixture fx(Strategies);
        fx.start();
        fx.openRoster("TST.ros", exampleRoster());
        teamTactics(fx, [&](TTeamTacticForm *f) {
            pick(f->CEventBox, "G");
            pick(f->ConditBox1, ">");
            f->CTacVal1->setText(typed);
            QCOMPARE(f->CTacVal1->text(), shown);
            QCOMPARE(f->CTacVal1->maxLength(), 4);
            QCOMPARE(f->TheNewTactic, "G,>," + lineup::finishedValueText(shown) + ",,,"); // never a lone "-"
            emit f->CTacVal1->editingFinished();
            QCOMPARE(f->CTacVal1->text(), left);
        });
    }

    void arrows_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("timeSteps");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("result");
        QTest::newRow("T ticked 0 up") << "T" << true << "0" << true << 1 << "15";
        QTest::newRow("T ticked 80 up") << "T" << true << "80" << true << 1 << "90";
        QTest::newRow("T ticked 7 up") << "T" << true << "7" << true << 1 << "22";
        QTest::newRow("T unticked 0 up") << "T" << false << "0" << true << 1 << "1";
        QTest::newRow("G ticked 0 up") << "G" << true << "0" << true << 1 << "1";
        QTest::newRow("seven steps") << "G" << false << "0" << true << 7 << "7";
        QTest::newRow("bound -90") << "G" << false << "-89" << false << 3 << "-90";
        QTest::newRow("T ticked down") << "T" << true << "10" << false << 1 << "-5";
    }
    // A value field can hold a number read from a file, as large as any.
    void stepsFromAnyNumber_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("result");
        QTest::newRow("largest up") << "2147483647" << true << 15 << "90";
        QTest::newRow("largest down") << "2147483647" << false << 15 << "90";
        QTest::newRow("smallest down") << "-2147483648" << false << 15 << "-90";
    }
    void stepsFromAnyNumber()
    {
        QFETCH(QString, start);
        QFETCH(bool, up);
        QFETCH(int, step);
        QFETCH(QString, result);
        QCOMPARE(lineup::stepValue(start, up, step), result);
    }

    void arrows()
    {
        QFETCH(QString, event);
        QFETCH(bool, timeSteps);
        QFETCH(QString, start);
        QFETCH(bool, up);
        QFETCH(int, presses);
        QFETCH(QString, result);
        Fixture fx(Strategies + (timeSteps ? "[Options]\r\nTimeSteps=1\r\n" : ""));
        fx.start();
        fx.openRoster("TST.ros", exampleRoster());
        teamTactics(fx, [&](TTeamTacticForm *f) {
            QCOMPARE(f->TimeCheck->isChecked(), timeSteps);
            pick(f->CEventBox2, event);
            f->CTacVal2->setText(start);
            press(f->UpDown2, up, presses);
            QCOMPARE(f->CTacVal2->text(), result);
        });
        setMark(fx.form(), 8, 1, "");
        playerConditionals(fx, [&](TPlayCondForm *f) { // the same steps on an empty field
            QCOMPARE(f->TimeCheck->isChecked(), timeSteps);
            pick(f->rows[1].event1, event);
            f->rows[1].value1->setText(start);
            press(f->rows[1].upDown1, up, presses);
            QCOMPARE(f->rows[1].value1->text(), result);
            f->rows[2].value2->clear();
            press(f->rows[2].upDown2, false);
            QCOMPARE(f->rows[2].value2->text(), QString("-1"));
        });
    }

    void teamTacticsDialog()
    {
        Fixture fx(Strategies);
        TPelMainForm &w = fx.start();
        ctl<QPushButton>(w, "MatchTacBtn")->click(); // no roster: nothing
        QCOMPARE(fx.prompts.dialogsRun, 0);
        fx.openRoster("TST.ros", exampleRoster());
        w.document().setTeamTactics(w.document().choices().TeamTacticList, "L");
        teamTactics(fx, [&](TTeamTacticForm *f) {
            QCOMPARE(f->windowTitle(), QString("Team Tactics"));
            QCOMPARE(f->size(), QSize(570, 240));
            QCOMPARE(f->palette().color(QPalette::Window), w.colour());
            QCOMPARE(f->StartStratBox->currentText(), QString("Longball"));
            QCOMPARE(f->StartStratBox->count(), 6);
            QCOMPARE(f->TeamStratBox1->currentIndex(), -1);
            QCOMPARE(f->CTacVal1->text(), QString("0"));
            f->AddTacButton1->click(); // nothing composed yet
            QCOMPARE(f->TeamTacListBox1->count(), 0);

            pick(f->CEventBox, "T");
            pick(f->ConditBox1, ">=");
            f->CTacVal1->setText("60");
            pick(f->CEventBox2, "G");
            pick(f->ConditBox2, "<");
            QCOMPARE(f->TheNewTactic, QString("T,>=,60,G,<,0"));
            QCOMPARE(items(f->ListNewTac1), QStringList({"Game Time is more than or equal to 60 Minutes",
                                                         "and Goal Difference is less than 0"}));
            pick(f->TeamStratBox1, "Stalling");
            f->AddTacButton1->click();
            f->ResetTacButton->click();
            QCOMPARE(f->CEventBox->currentIndex(), -1);
            QCOMPARE(f->CTacVal2->text(), QString("0"));
            QVERIFY(f->ListNewTac1->count() == 0 && f->TheNewTactic.isEmpty());
            f->AddTacButton1->click(); // just reset: nothing
            QCOMPARE(f->TeamTacListBox1->count(), 1);

            pick(f->CEventBox, "T");
            pick(f->ConditBox2, "<");
            f->AddTacButton1->click(); // no strategy chosen
            pick(f->CEventBox, "G");
            pick(f->ConditBox1, ">");
            f->CTacVal1->setText("1");
            pick(f->TeamStratBox1, "Pressing");
            f->ResetTacButton->click();
            pick(f->CEventBox, "G");
            pick(f->ConditBox1, ">");
            f->CTacVal1->setText("1");
            pick(f->TeamStratBox1, "Pressing");
            f->AddTacButton1->click();
            f->AddTacButton1->click(); // the same again
            f->AddTacButton1->click();
            QCOMPARE(items(f->TeamTacListBox1), QStringList({"T,>=,60,G,<,0,S", "T,,,,<,,N", "G,>,1,,,,P",
                                                             "G,>,1,,,,P", "G,>,1,,,,P"}));
            f->AddTacButton1->click(); // a sixth
            QCOMPARE(fx.prompts.texts(), QStringList({"Only FIVE Team Conditionals allowed."}));
            QCOMPARE(fx.prompts.boxes.first().caption, QString("Maximum Reached"));
            QCOMPARE(f->TeamTacListBox1->count(), 5);

            f->TeamTacListBox1->setCurrentRow(0);
            press(f->TTUpDown, true); // the first up: nothing
            QCOMPARE(f->TeamTacListBox1->item(0)->text(), QString("T,>=,60,G,<,0,S"));
            press(f->TTUpDown, false, 2); // carried down two places
            QCOMPARE(items(f->TeamTacListBox1).indexOf("T,>=,60,G,<,0,S"), 2);
            QCOMPARE(f->TeamTacListBox1->currentRow(), 2);
            f->TeamTacListBox1->setCurrentRow(4);
            press(f->TTUpDown, false); // the last down: nothing
            QCOMPARE(f->TeamTacListBox1->currentRow(), 4);

            f->TeamTacListBox1->show();
            const QRect r = f->TeamTacListBox1->visualItemRect(f->TeamTacListBox1->item(1));
            QTest::mouseClick(f->TeamTacListBox1->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(f->TeamTacListBox1->viewport(), Qt::LeftButton, {}, r.center());
            QCOMPARE(f->TeamTacListBox1->count(), 4);
            pick(f->StartStratBox, "Ball Control");
            f->TeamTacSaveBtn->click();
        });
        QCOMPARE(w.document().choices().TeamTacticList, QStringList({"T,,,,<,,N", "T,>=,60,G,<,0,S", "G,>,1,,,,P", "G,>,1,,,,P"}));
        QCOMPARE(items(ctl<QListWidget>(w, "TTListBox")), w.document().choices().TeamTacticList);
        QCOMPARE(w.document().choices().StartStrategy, QString("B"));
    }

    void cancelKeepsState()
    {
        Fixture fx(Strategies);
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", exampleRoster());
        w.document().setTeamTactics({"G,<,0,,,,P"}, "E"); // the checker lights FW21Led green for "E"
        QVERIFY(ctl<LedLight>(w, "FW21Led")->isLit()); // at once
        teamTactics(fx, [](TTeamTacticForm *f) {
            f->TeamTacListBox1->clear();
            pick(f->StartStratBox, "Normal");
            f->TeamCancelBtn->click();
        });
        QCOMPARE(w.document().choices().TeamTacticList, QStringList({"G,<,0,,,,P"}));
        QCOMPARE(ctl<QListWidget>(w, "TTListBox")->count(), 1);
        QCOMPARE(w.document().choices().StartStrategy, QString("E"));
        QVERIFY(ctl<LedLight>(w, "FW21Led")->isLit());
        QCOMPARE(ctl<LedLight>(w, "FW21Led")->onColour(), QColor(0, 160, 0));
    }

    void strategyNames_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("added");
        QTest::newRow("no keys: six test names") << QByteArray("") << "" << 6 << "t" << "G,>,0,,,,t";
        QTest::newRow("unknown code selects the first") << Strategies << "Q" << 6 << "N" << "G,>,0,,,,N";
        QTest::newRow("none configured") << QByteArray("[TeamTacs]\r\nhowmany=0\r\n") << "L" << 0 << "N"
                                         << "G,>,0,,,,N";
    }
    void strategyNames()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, start);
        QFETCH(int, count);
        QFETCH(QString, stored);
        QFETCH(QString, added);
        Fixture fx(ini);
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", exampleRoster());
        w.document().setTeamTactics(w.document().choices().TeamTacticList, start);
        teamTactics(fx, [&](TTeamTacticForm *f) {
            QCOMPARE(f->StartStratBox->count(), count);
            QCOMPARE(f->TeamStratBox1->count(), count);
            QCOMPARE(f->StartStratBox->currentIndex(), count ? 0 : -1);
            pick(f->CEventBox, "G");
            pick(f->ConditBox1, ">");
            if (count)
                f->TeamStratBox1->setCurrentIndex(0);
            f->AddTacButton1->click();
            f->TeamTacSaveBtn->click();
        });
        QCOMPARE(w.document().choices().StartStrategy, stored);
        QCOMPARE(w.document().choices().TeamTacticList, QStringList({added}));
    }

    void playerConditionalsDialog()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        fx.openRoster("TST.ros", exampleRoster());
        w.document().setOpponent("XYZ", {"Adams", "Baker"});
        playerConditionals(fx, [&](TPlayCondForm *f) {
            QCOMPARE(f->windowTitle(), QString("Player Conditionals"));
            QCOMPARE(f->size(), QSize(557, 272));
            QVERIFY(!f->mask().contains(QPoint(1, 1)));    // rounded corner
            QVERIFY(f->mask().contains(QPoint(278, 136)));
            QVERIFY(f->mask().contains(QPoint(15, 1)));
            QCOMPARE(f->playerLabel->text(), QString("Keeper"));
            QCOMPARE(items(f->MP1Combo), QStringList({"", "Adams", "Baker"}));
            QCOMPARE(f->MP1Combo->currentText(), QString());
            QCOMPARE(f->rows[0].event1->currentIndex(), -1);
            QCOMPARE(items(f->rows[2].position), QStringList({"GK", "SW", "DF", "MF", "WG", "FW", "p", "n", "a"}));
            QCOMPARE(f->DoneBtn->palette().color(QPalette::Button), w.colour());
            f->DoneBtn->click();
        });
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(8, 1), QString(25, u','));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(1, 1), QString("0"));

        // A full text comes back unchanged through open and Done.
        setMark(w, 8, 1, Orders);
        playerConditionals(fx, [](TPlayCondForm *f) {
            QCOMPARE(f->MP2Combo->currentText(), QString("Baker"));
            QCOMPARE(f->rows[1].action->currentText(), QString("C"));
            f->DoneBtn->click();
        });
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(8, 1), Orders);

        // Commas cannot be entered; marking names need not be opponents.
        playerConditionals(fx, [](TPlayCondForm *f) {
            f->MP1Combo->lineEdit()->clear();
            QTest::keyClicks(f->MP1Combo->lineEdit(), "Smith, J");
            f->rows[0].value1->clear();
            QTest::keyClicks(f->rows[0].value1, "6,0");
            f->resetRow(2);
            f->DoneBtn->click();
        });
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(8, 1), QString("Smith J,Baker,T,>=,60,G,=,0,S1,MF,G,<,-2,,,,C,a,,,,,,,,"));
    }

    void caseRulesAndShortTexts_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("stored");
        const QString E = ",,,,,,,,";
        QTest::newRow("lower-case g and >= in the first condition")
            << ",,g,>=,5,,,,," + E + "," + E.chopped(1) << ",,G,>=,5,,,,," + E + "," + E.chopped(1);
        QTest::newRow("lower-case g as the second event") << ",,,,,g,<,1,," + E + "," + E.chopped(1)
                                                           << ",,,,,,<,1,," + E + "," + E.chopped(1);
        QTest::newRow("no commas") << "Adams" << "Adams" + QString(25, u',');
        QTest::newRow("unknown action") << ",,T,>,45,,,,X9,n" << ",,T,>,45,,,,,n" + QString(16, u',');
        QTest::newRow("longer than 255 characters, split whole")
            << QString(300, u'x') + ",Baker" << QString(300, u'x') + ",Baker" + QString(24, u',');
    }
    void caseRulesAndShortTexts()
    {
        QFETCH(QString, cell);
        QFETCH(QString, stored);
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        fx.openRoster("TST.ros", exampleRoster());
        setMark(w, 8, 1, cell);
        playerConditionals(fx, [](TPlayCondForm *f) { f->DoneBtn->click(); });
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(8, 1), stored);
    }

    void cancelDeletesAndFrameCloseKeeps()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        fx.openRoster("TST.ros", exampleRoster());
        setMark(w, 8, 1, Orders);
        playerConditionals(fx, [](TPlayCondForm *f) {
            f->MP1Combo->setEditText("Changed");
            f->close(); // the window's frame
        });
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(8, 1), Orders);
        playerConditionals(fx, [](TPlayCondForm *f) { f->CancelBtn->click(); });
        QCOMPARE(ctl<GridView>(w, "RosterStringGrid")->cell(8, 1), QString());
    }

    void ordersReachTheLineupFile()
    {
        Fixture fx(Strategies);
        TPelMainForm &w = fx.start();
        w.show();
        QByteArray roster = "TST,Test,Boss\r\n";
        for (int i = 1; i <= 16; ++i)
            roster += "P" + QByteArray::number(i) + ",3,10,MF,1,MF,n" +
                      (i > 11 ? ",S" + QByteArray::number(i - 11) : QByteArray()) + "\r\n";
        fx.openRoster("TST.ros", roster);
        teamTactics(fx, [](TTeamTacticForm *f) {
            pick(f->StartStratBox, "Longball");
            for (const char *op : {">", "<", "="}) {
                pick(f->CEventBox, "G");
                pick(f->ConditBox1, op);
                pick(f->TeamStratBox1, "Pressing");
                f->AddTacButton1->click();
            }
            f->TeamTacSaveBtn->click();
        });
        playerConditionals(fx, [](TPlayCondForm *f) {
            f->MP1Combo->setEditText("Adams");
            pick(f->rows[0].event1, "T");
            pick(f->rows[0].op1, ">=");
            f->rows[0].value1->setText("60");
            pick(f->rows[0].action, "S1");
            pick(f->rows[0].position, "MF");
            f->DoneBtn->click();
        });
        ctl<QAction>(w, "SaveLineupMenu")->trigger();
        const QList<QByteArray> lines = fx.read("TST1.txt").split('\n');
        QCOMPARE(lines.at(0), "3,L,G,>,0,,,,P,G,<,0,,,,P,G,=,0,,,,P" + QByteArray(14, ',') + "\r");
        QCOMPARE(lines.at(2), "MF,P1,n,Adams,,T,>=,60,,,,S1,MF" + QByteArray(16, ',') + "\r");
        QCOMPARE(lines.at(3), "MF,P2,n," + QByteArray(25, ',') + "\r");
    }
};

QTEST_MAIN(TestOrderDialogs)
#include "tst_orderdialogs.moc"
