// Marking the line-up, its ratings and totals, and the checker lights.
#include "app/pelerror.h"
#include "app/textfile.h"
#include "lineup/playcondunit.h"
#include "lineup/teamtacticunit.h"
#include "lineup/ratings.h"
#include "support/fixture.h"
#include "widgets/ledlight.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace lineup;

namespace {

// A compact line-up: tokens "PLAY[*SL][/STYLE][:SUBS][@POS]", natural position
// PLAY, SL 10 and style "n" unless given; "-" stands for an empty "Play".
QVector<Marks> rowsOf(const QString &tokens)
{
    QVector<Marks> rows;
    for (QString token : tokens.split(u' ', Qt::SkipEmptyParts)) {
        Marks m{"10", "", "", "n", ""};
        auto take = [&token](QChar sep, QString &into) {
            const qsizetype i = token.indexOf(sep);
            if (i >= 0) {
                QString rest = token.mid(i + 1);
                token.truncate(i);
                into = rest;
            }
        };
        QString pos;
        take(u'@', pos);
        take(u':', m.subs);
        take(u'/', m.style);
        take(u'*', m.skill);
        m.play = token == "-" ? QString() : token;
        m.pos = pos.isEmpty() ? m.play : pos;
        rows.append(m);
    }
    return rows;
}

QString litLamps(const Lights &l)
{
    QStringList out;
    const std::pair<const char *, Lamp> lamps[] = {{"gk", l.gk}, {"sw", l.sw},    {"df", l.df},
                                                   {"mf", l.mf}, {"fw", l.fw},    {"11", l.starting11},
                                                   {"subs", l.subs}, {"mf21", l.mf21}, {"fw21", l.fw21}};
    for (const auto &[name, lamp] : lamps) {
        if (lamp == Lamp::Off)
            continue;
        QString s = QString::fromLatin1(name);
        if (lamp == Lamp::Green)
            s += "=green";
        else if (lamp == Lamp::Red && s == "fw21")
            s += "=red";
        out.append(s);
    }
    return out.join(u' ');
}

const QString FiveSubs = " MF:S1 DF:S2 FW:S3 GK:S4 WG:S5";

// A menu entry's text as the manager reads it, without the access-letter mark.
QString shown(const QAction *a)
{
    return QString(a->text()).remove(u'&');
}

QAction *styleEntry(TPelMainForm &w, const QString &position, const QString &style)
{
    for (QAction *a : ctl<QMenu>(w, "PlayPopup")->actions())
        if (a->menu() && shown(a) == position)
            for (QAction *e : a->menu()->actions())
                if (shown(e) == style)
                    return e;
    return nullptr;
}

QAction *subEntry(TPelMainForm &w, const QString &text)
{
    for (QAction *a : ctl<QMenu>(w, "SubPopup")->actions())
        if (shown(a) == text)
            return a;
    return nullptr;
}

void closePopups(TPelMainForm &w)
{
    ctl<QMenu>(w, "PlayPopup")->hide();
    ctl<QMenu>(w, "SubPopup")->hide();
}

QString rowMarks(const GridView *g, int r)
{
    return QStringList{g->cell(5, r), g->cell(6, r), g->cell(7, r)}.join(u'|');
}

// The line-up file's bytes as Save Lineup writes them from the window.
QByteArray lineupBytes(TPelMainForm &w)
{
    return textfile::encode(textfile::joinLines(w.document().compose().lines), "lineup");
}

const QByteArray Strategies = "[TeamTacs]\r\nhowmany=2\r\nT1=Normal\r\nT2=Longball\r\n";

// One change of the manager's, made through the window.
void runCommand(Fixture &fx, const QString &command)
{
    TPelMainForm &w = fx.form();
    GridView *g = ctl<GridView>(w, "RosterStringGrid");
    auto dialog = [&fx](auto edit) {
        fx.prompts.dialogs.enqueue([edit](QDialog *d) { edit(d); });
    };
    if (command == "GK [a]ggressive") {
        clickCell(g, 5, 17); // Bench
        styleEntry(w, "GK", "[a]ggressive")->trigger();
    } else if (command == "[deselect]") {
        clickCell(g, 6, 1);
        ctl<QAction>(w, "PlayDeselect")->trigger();
    } else if (command == "S 3") {
        clickCell(g, 7, 17);
        subEntry(w, "S 3")->trigger();
    } else if (command == "sub [deselect]") {
        clickCell(g, 7, 13);
        subEntry(w, "[deselect]")->trigger();
    } else if (command == "Player Conditionals") {
        dialog([](QDialog *d) {
            auto *f = qobject_cast<TPlayCondForm *>(d);
            f->MP1Combo->setEditText("Adams");
            f->DoneBtn->click();
        });
        clickCell(g, 8, 1);
    } else if (command == "Team Tactics") {
        dialog([](QDialog *d) {
            auto *f = qobject_cast<TTeamTacticForm *>(d);
            f->CEventBox->setCurrentIndex(0);
            f->ConditBox1->setCurrentIndex(0);
            f->AddTacButton1->click();
            f->StartStratBox->setCurrentIndex(1);
            f->TeamTacSaveBtn->click();
        });
        ctl<QPushButton>(w, "MatchTacBtn")->click();
    } else if (command == "New Lineup") {
        ctl<QAction>(w, "NewLineupMenu")->trigger();
    } else if (command == "Open Lineup") {
        QByteArray file = lineupBytes(w);
        file.replace("GK,Keeper,n,", "SW,Keeper,a,").replace("5,N,", "7,L,");
        fx.write("TST4.txt", file);
        fx.prompts.files.enqueue(fx.path("TST4.txt"));
        fx.prompts.answers.enqueue(Prompts::Discard); // the changes since the roster was opened
        ctl<QAction>(w, "OpenLineupMenu")->trigger();
    } else if (command == "Home Bonus") {
        ctl<QComboBox>(w, "HBCombo")->setCurrentIndex(4);
    } else if (command == "Penalty Taker") {
        ctl<QComboBox>(w, "PTakeBox")->setCurrentIndex(2);
    } else if (command == "Train (TP)" || command == "Coach (CP)") {
        QComboBox *box = ctl<QComboBox>(w, command == "Train (TP)" ? "TPBox" : "CPBox");
        box->setCurrentIndex(0);
        emit box->activated(0);
    } else if (command == "Delete Training") {
        QListWidget *list = ctl<QListWidget>(w, "TPListBox");
        list->setCurrentRow(0);
        emit list->itemDoubleClicked(list->item(0));
    } else if (command == "Open Roster") {
        QByteArray roster = markedRoster();
        roster.replace("Back,6,10,DF,4,DF,p\r\n", ""); // Back has left the squad
        fx.openRoster("TST.ros", roster);
    } else if (command == "Open Roster of another team") {
        fx.prompts.answers.enqueue(Prompts::Discard);
        fx.openRoster("XYZ.ros", "XYZ,Zealots,Rival\r\nAdams,3,30,GK,5\r\n");
    }
    closePopups(w);
}

} // namespace

class TestLineup : public QObject {
    Q_OBJECT
private slots:
    // Each light says its rule and what its colours mean, in the colours
    // it shows.
    void checkerLightsExplainThemselves_data()
    {
        QTest::addColumn<QString>("light");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QStringList>("colours");
        const QStringList red{"Lit red: kept"}, purple{"Lit purple: kept"};
        QTest::newRow("GK") << "valGKLed" << "exactly one goalkeeper" << red;
        QTest::newRow("SW") << "valSWLed" << "no more than one sweeper" << red;
        QTest::newRow("DF") << "valDFLed" << "2 to 5 defenders" << red;
        QTest::newRow("MF") << "valMFLed" << "2 to 5 midfielders" << red;
        QTest::newRow("FW") << "valFWLed" << "1 to 4 forwards" << red;
        QTest::newRow("starting 11") << "starting11Led" << "exactly eleven players" << purple;
        QTest::newRow("five subs") << "subsLed" << "S1 to S5" << purple;
        QTest::newRow("2:1 MF") << "MF21Led" << "less than twice the defenders'" << red;
        QTest::newRow("2:1 FW") << "FW21Led" << "less than twice the midfielders'"
                                << QStringList{"Lit red: kept", "Lit green", "(L or E)"};
    }
    void checkerLightsExplainThemselves()
    {
        QFETCH(QString, light);
        QFETCH(QString, rule);
        QFETCH(QStringList, colours);
        Fixture fx;
        TPelMainForm &w = fx.start();
        const auto *led = ctl<LedLight>(*ctl<QFrame>(w, "validPanel"), qPrintable(light));
        const QString tip = led->toolTip();
        QVERIFY2(tip.contains(rule), qPrintable(tip));
        for (const QString &c : colours)
            QVERIFY2(tip.contains(c), qPrintable(tip));
        QVERIFY2(tip.contains("Gray: not kept"), qPrintable(tip));
        QCOMPARE(led->onColour(), colours.first().contains("purple") ? QColor(128, 0, 128) : QColor(Qt::red));
    }

    void rating_data()
    {
        QTest::addColumn<int>("skill");
        QTest::addColumn<QString>("play");
        QTest::addColumn<QString>("pos");
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("expected");
        QTest::newRow("SL 10 at 0.8 gives 8") << 10 << "DF" << "SW" << "" << 8;
        QTest::newRow("SL 10 at 0.1 gives 1") << 10 << "GK" << "MF" << "" << 1;
        QTest::newRow("20 aggressive gives 23") << 20 << "GK" << "GK" << "a" << 23;
        QTest::newRow("SL 15 passive gives 12") << 15 << "MF" << "MF" << "p" << 12;
        QTest::newRow("DF 10 at MF aggressive gives 10") << 10 << "MF" << "DF" << "a" << 10;
        QTest::newRow("10 normal to aggressive gives 12") << 10 << "FW" << "FW" << "a" << 12;
        QTest::newRow("GK at FW rates 0") << 40 << "FW" << "GK" << "a" << 0;
        QTest::newRow("UT at DF full fit") << 17 << "DF" << "UT" << "n" << 17;
        QTest::newRow("SL 7 at 0.6") << 7 << "SW" << "MF" << "" << 5; // 4.2 -> 5
        QTest::newRow("unknown style leaves rating") << 10 << "WG" << "DM" << "x" << 8;
        QTest::newRow("unknown natural rates 0") << 30 << "DF" << "ZZ" << "n" << 0;
    }
    void rating()
    {
        QFETCH(int, skill);
        QFETCH(QString, play);
        QFETCH(QString, pos);
        QFETCH(QString, style);
        QFETCH(int, expected);
        const auto a = assignedCodes().indexOf(play);
        const auto n = naturalCodes().indexOf(pos);
        QCOMPARE(lineup::rating(skill, int(a), int(n), style, Modifiers{}), expected);
    }

    void lights_data()
    {
        QTest::addColumn<QString>("lineup");
        QTest::addColumn<QString>("strategy");
        QTest::addColumn<QString>("lit");
        QTest::newRow("no starters") << "" << "N" << "sw";
        QTest::newRow("a complete line-up")
            << "GK DF DF DF DF MF MF MF MF FW FW" + FiveSubs << "N" << "gk sw df mf fw 11 subs mf21 fw21=red";
        QTest::newRow("two goalkeepers") << "GK GK" << "N" << "sw";
        QTest::newRow("two sweepers") << "SW SW" << "N" << "";
        QTest::newRow("six defenders") << "DF DF DF DF DF DF" << "N" << "sw";
        QTest::newRow("one defender") << "DF" << "N" << "sw";
        QTest::newRow("five forwards") << "FW FW FW FW FW" << "N" << "sw";
        QTest::newRow("subs S1 S2 S3 S4 S4") << "MF:S1 DF:S2 FW:S3 GK:S4 WG:S4" << "N" << "sw";
        QTest::newRow("six substitutes") << FiveSubs + " MF:S3" << "N" << "sw";
        QTest::newRow("five subs") << FiveSubs << "N" << "sw subs";
        QTest::newRow("midfield 39 against 20") << "DF DF MF*20 MF*19" << "N" << "sw df mf mf21";
        QTest::newRow("midfield 40 against 20") << "DF DF MF*20 MF*20" << "N" << "sw df mf";
        QTest::newRow("defence sum 0") << "DF*0 DF*0 MF MF" << "N" << "sw df mf";
        QTest::newRow("forward sum 0") << "MF MF FW*0" << "N" << "sw mf fw";
        QTest::newRow("forward sum 0, L") << "MF MF FW*0" << "L" << "sw mf fw fw21=green";
        QTest::newRow("no forwards, E") << "MF" << "E" << "sw fw21=green";
        QTest::newRow("strategy LL is not L") << "MF" << "LL" << "sw";
        QTest::newRow("L, forwards below 2:1") << "MF MF FW" << "L" << "sw mf fw fw21=red";
        QTest::newRow("forwards at 2:1") << "MF FW FW" << "N" << "sw fw";
        QTest::newRow("eleven without goalkeeper") << "DF DF DF DF DF MF MF MF MF FW FW" << "N"
                                                   << "sw df mf fw 11 mf21 fw21=red";
        QTest::newRow("substitute whose position was removed")
            << "MF:S1 DF:S2 FW:S3 GK:S4 -:S5" << "N" << "sw";
        QTest::newRow("unknown substitute mark") << "MF:S1 DF:S2 FW:S3 GK:S4 WG:SX" << "N" << "sw";
        QTest::newRow("unknown play code counts nowhere") << "GK XX" << "N" << "gk sw";
    }
    void lights()
    {
        QFETCH(QString, lineup);
        QFETCH(QString, strategy);
        QFETCH(QString, lit);
        QCOMPARE(litLamps(checkLineup(computeTotals(rowsOf(lineup), Modifiers{}), strategy)), lit);
    }

    void totals()
    {
        // A substitute with a position adds nothing; an unknown natural code
        // counts in his column and rates 0; an unknown mark is a substitute.
        const Totals t = computeTotals(rowsOf("GK*20/a FW*40@GK DF@ZZ MF:S1 WG:SX XX -:S2"), Modifiers{});
        QCOMPARE(t.count[GK], 1);
        QCOMPARE(t.sum[GK], 23);
        QCOMPARE(t.count[FW], 1);
        QCOMPARE(t.sum[FW], 0);
        QCOMPARE(t.count[DF], 1);
        QCOMPARE(t.sum[DF], 0);
        QCOMPARE(t.count[MF], 0);
        QCOMPARE(t.starters, 3);
        QCOMPARE(t.substitutes, 2);
        QCOMPARE(t.slot, (std::array<bool, 5>{true, false, false, false, false}));
        QVERIFY_THROWS_EXCEPTION(PelError, computeTotals(rowsOf("GK*ten"), Modifiers{}));
    }

    void defaultSubPositions()
    {
        const QStringList from{"UT", "SD", "DM", "MA", "GK", "SW", "DF", "MF", "WG", "FW", "QQ", ""};
        const QStringList to{"FW", "SW", "DF", "MF", "GK", "SW", "DF", "MF", "WG", "FW", "QQ", ""};
        for (int i = 0; i < from.size(); ++i)
            QCOMPARE(defaultSubPosition(from.at(i)), to.at(i));
    }

    void markingThroughTheGrid()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        fx.openRoster("TST.ros", exampleRoster());
        GridView *g = ctl<GridView>(w, "RosterStringGrid");

        clickCell(g, 5, 1); // Keeper's "Play"
        QVERIFY(ctl<QMenu>(w, "PlayPopup")->isVisible());
        QCOMPARE(ctl<QMenu>(w, "PlayPopup")->defaultAction(), ctl<QAction>(w, "PlayDeselect"));
        styleEntry(w, "GK", "[a]ggressive")->trigger();
        closePopups(w);
        QCOMPARE(rowMarks(g, 1), QString("GK|a|"));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(1, 1), QString("1"));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(1, 2), QString("23"));
        QVERIFY(ctl<LedLight>(w, "valGKLed")->isLit());
        QCOMPARE(ctl<LedLight>(w, "valGKLed")->onColour(), QColor(Qt::red));

        clickCell(g, 6, 1); // the "Style" cell opens the same menu
        QVERIFY(ctl<QMenu>(w, "PlayPopup")->isVisible());
        ctl<QAction>(w, "PlayDeselect")->trigger();
        closePopups(w);
        QCOMPARE(rowMarks(g, 1), QString("||"));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(1, 1), QString("0"));
        QVERIFY(!ctl<LedLight>(w, "valGKLed")->isLit());

        clickCell(g, 7, 5); // Anchor, a natural "DM" without a position
        QVERIFY(ctl<QMenu>(w, "SubPopup")->isVisible());
        QCOMPARE(subEntry(w, "S 3")->toolTip(), QString("3rd Sub"));
        subEntry(w, "S 3")->trigger();
        closePopups(w);
        QCOMPARE(rowMarks(g, 5), QString("DF|n|S3"));

        clickCell(g, 5, 9); // Striker plays "FW" aggressive, then becomes a sub
        styleEntry(w, "FW", "[a]ggressive")->trigger();
        closePopups(w);
        clickCell(g, 7, 9);
        subEntry(w, "S 3")->trigger(); // a second "S3" leaves the first in place
        closePopups(w);
        QCOMPARE(rowMarks(g, 9), QString("FW|a|S3"));
        QCOMPARE(rowMarks(g, 5), QString("DF|n|S3"));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(6, 1), QString("0")); // substitutes are not totalled

        clickCell(g, 7, 9);
        subEntry(w, "[deselect]")->trigger(); // a former substitute with a position starts
        closePopups(w);
        QCOMPARE(rowMarks(g, 9), QString("FW|a|"));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(6, 1), QString("1"));
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(6, 2), QString("26"));
        QVERIFY(fx.prompts.boxes.isEmpty());
    }

    void clickRules()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        w.show();
        GridView *g = ctl<GridView>(w, "RosterStringGrid");
        clickCell(g, 5, 1); // no roster: nothing
        QVERIFY(!ctl<QMenu>(w, "PlayPopup")->isVisible());

        fx.openRoster("TST.ros", exampleRoster());
        clickCell(g, 2, 3); // an "SL" cell: nothing
        QVERIFY(!ctl<QMenu>(w, "PlayPopup")->isVisible() && !ctl<QMenu>(w, "SubPopup")->isVisible());
        clickCell(g, 8, 3); // "Conditionals": no menu
        QVERIFY(!ctl<QMenu>(w, "PlayPopup")->isVisible() && !ctl<QMenu>(w, "SubPopup")->isVisible());

        clickCell(g, 6, 4); // select Back's "Style"
        QVERIFY(ctl<QMenu>(w, "PlayPopup")->isVisible());
        closePopups(w);
        clickCell(g, 7, 0); // a header cell right of x 100: the menu for the selected row
        QVERIFY(ctl<QMenu>(w, "PlayPopup")->isVisible());
        styleEntry(w, "DF", "[p]assive")->trigger();
        closePopups(w);
        QCOMPARE(rowMarks(g, 4), QString("DF|p|"));

        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, QPoint(50, 40)); // name column, x <= 100
        QVERIFY(!ctl<QMenu>(w, "PlayPopup")->isVisible());
        clickCell(g, 7, 6, Qt::RightButton); // another button keeps the selection
        QVERIFY(ctl<QMenu>(w, "PlayPopup")->isVisible());
        QCOMPARE(g->selectedRow(), 4);
        closePopups(w);
    }

    void newLineup_data()
    {
        QTest::addColumn<bool>("autoIncrease");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("off keeps match 7") << false << 6 << 6;
        QTest::newRow("7 becomes 8") << true << 6 << 7;
        QTest::newRow("30 stays 30") << true << 29 << 29;
        QTest::newRow("none becomes 1") << true << -1 << 0;
    }
    void newLineup()
    {
        QFETCH(bool, autoIncrease);
        QFETCH(int, before);
        QFETCH(int, after);
        Fixture fx(autoIncrease ? "[Options]\r\nAutoIncr=1\r\n" : "");
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", "TST,Test,Boss\r\nA,2,10,GK,1,GK,n,,1,2,3\r\nB,3,10,DF,1,DF,a,S1\r\n");
        lineup::LineupDocument &doc = w.document();
        auto *match = ctl<QComboBox>(w, "MatchNoComboBox");
        auto *session = ctl<QComboBox>(w, "SessionNoComboBox");
        auto *bonus = ctl<QComboBox>(w, "HBCombo");
        auto *penalty = ctl<QComboBox>(w, "PTakeBox");
        auto *training = ctl<QListWidget>(w, "TPListBox");
        auto *coaching = ctl<QListWidget>(w, "CPListBox");
        auto *tactics = ctl<QListWidget>(w, "TTListBox");
        auto *opponent = ctl<QPushButton>(w, "ChooseOppButton");
        match->setCurrentIndex(before);
        session->setCurrentIndex(3);
        bonus->setCurrentIndex(1);
        penalty->setCurrentIndex(1);
        doc.addTraining("A");
        doc.addCoaching("OTF");
        doc.setTeamTactics({"T,>,45,L,,,"}, "L");
        doc.setOpponent("XYZ", {"Adams"});
        listForZip(w, "TST1.txt");
        QCOMPARE(items(tactics), QStringList({"T,>,45,L,,,"}));
        QCOMPARE(opponent->text(), QString("XYZ"));
        QCOMPARE(penalty->currentText(), QString("B"));

        ctl<QAction>(w, "NewLineupMenu")->trigger();
        GridView *g = ctl<GridView>(w, "RosterStringGrid");
        QCOMPARE(rowMarks(g, 1) + g->cell(8, 1), QString("||"));
        QCOMPARE(rowMarks(g, 2), QString("||"));
        QCOMPARE(g->cell(0, 1), QString("A"));
        QCOMPARE(training->count() + coaching->count() + tactics->count(), 0);
        QCOMPARE(penalty->currentIndex(), -1);
        QCOMPARE(bonus->currentIndex(), -1);
        QCOMPARE(session->currentIndex(), 3);
        QCOMPARE(doc.choices().StartStrategy, QString());
        QVERIFY(doc.choices().TeamTacticList.isEmpty());
        QCOMPARE(opponent->text(), QString("None"));
        QVERIFY(doc.choices().OppPlayerList.isEmpty());
        QCOMPARE(ctl<QListWidget>(w, "ZipListBox")->count(), 1);
        QCOMPARE(match->currentIndex(), after);
        // The totals and lights show the empty line-up at once.
        QCOMPARE(ctl<StringGrid>(w, "LineupTotGrid")->cell(1, 1), QString("0"));
        QVERIFY(!ctl<LedLight>(w, "valGKLed")->isLit());
        QVERIFY(ctl<LedLight>(w, "valSWLed")->isLit());
    }

    void undoAndRedo_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("entry"); // the command's name in the Edit menu
        for (const char *command : {"GK [a]ggressive", "[deselect]", "S 3", "Player Conditionals", "Team Tactics",
                                    "New Lineup", "Open Lineup", "Home Bonus", "Penalty Taker", "Train (TP)",
                                    "Coach (CP)", "Delete Training", "Open Roster"})
            QTest::newRow(command) << command << command;
        QTest::newRow("substitute [deselect]") << "sub [deselect]" << "[deselect]";
        QTest::newRow("another team") << "Open Roster of another team" << "Open Roster";
    }
    void undoAndRedo()
    {
        QFETCH(QString, command);
        QFETCH(QString, entry);
        Fixture fx(Strategies);
        TPelMainForm &w = fx.start();
        w.show();
        fx.openRoster("TST.ros", markedRoster());
        lineup::LineupDocument &doc = w.document();
        ctl<QComboBox>(w, "HBCombo")->setCurrentIndex(2);
        ctl<QComboBox>(w, "MatchNoComboBox")->setCurrentIndex(3);
        doc.addTraining("Youth");
        QAction *undo = ctl<QAction>(w, "UndoMenu");
        QAction *redo = ctl<QAction>(w, "RedoMenu");
        const QByteArray before = lineupBytes(w);

        runCommand(fx, command);
        const QByteArray after = lineupBytes(w);
        QVERIFY(after != before);
        QCOMPARE(undo->text(), "Undo " + entry);
        for (const QString &text : fx.prompts.texts()) // only the question before replacing the line-up
            QVERIFY2(text.startsWith("The line-up TST4.txt has changes") || text.startsWith("These players are not"),
                     qPrintable(text));

        undo->trigger();
        QCOMPARE(lineupBytes(w), before);
        QCOMPARE(redo->text(), "Redo " + entry);
        redo->trigger();
        QCOMPARE(lineupBytes(w), after);
        undo->trigger();
        QCOMPARE(lineupBytes(w), before);
    }

    void undoneNewLineupSavesTheSameFile()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", markedRoster());
        ctl<QAction>(w, "SaveLineupMenu")->trigger();
        const QByteArray saved = fx.read("TST1.txt");
        QVERIFY(!saved.isEmpty());
        ctl<QAction>(w, "NewLineupMenu")->trigger();
        QVERIFY(w.isWindowModified());
        QCOMPARE(ctl<QAction>(w, "UndoMenu")->shortcut(), QKeySequence("Ctrl+Z"));
        ctl<QAction>(w, "UndoMenu")->trigger();
        QVERIFY(!w.isWindowModified());
        QFile::remove(fx.path("TST1.txt"));
        ctl<QAction>(w, "SaveLineupMenu")->trigger();
        QCOMPARE(fx.read("TST1.txt"), saved);
        QCOMPARE(ctl<QAction>(w, "RedoMenu")->shortcuts(),
                 QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    }

    void newLineupWithoutRosterDoesNothing()
    {
        Fixture fx("[Options]\r\nAutoIncr=1\r\n");
        TPelMainForm &w = fx.start();
        ctl<QComboBox>(w, "HBCombo")->setCurrentIndex(2);
        ctl<QPushButton>(w, "ChooseOppButton")->setText("XYZ");
        ctl<QAction>(w, "NewLineupMenu")->trigger();
        QCOMPARE(ctl<QComboBox>(w, "MatchNoComboBox")->currentIndex(), -1);
        QCOMPARE(ctl<QComboBox>(w, "HBCombo")->currentIndex(), 2);
        QCOMPARE(ctl<QPushButton>(w, "ChooseOppButton")->text(), QString("XYZ"));
    }

    void opponent()
    {
        Fixture fx;
        TPelMainForm &w = fx.start();
        fx.openRoster("TST.ros", exampleRoster());
        fx.write("XYZ.ros", "\r\n\r\nXYZ,Zealots,Rival\r\nAdams,3,30,GK,5\r\n,no name\r\n\r\nBaker\r\nAdams,1,1,DF,1\r\n");
        fx.prompts.files.enqueue(fx.path("XYZ.ros"));
        ctl<QPushButton>(w, "ChooseOppButton")->click();
        QCOMPARE(fx.prompts.choosers.last().title, QString("Open Roster File"));
        QCOMPARE(ctl<QPushButton>(w, "ChooseOppButton")->text(), QString("XYZ"));
        QCOMPARE(w.document().choices().OppPlayerList, QStringList({"Adams", "Baker", "Adams"}));

        ctl<QPushButton>(w, "ChooseOppButton")->click(); // cancelled: nothing changes
        QCOMPARE(w.document().choices().OppPlayerList.size(), 3);

        fx.prompts.files.enqueue(fx.path("TST.ros")); // one's own roster
        ctl<QPushButton>(w, "ChooseOppButton")->click();
        QCOMPARE(fx.prompts.boxes.size(), 1);
        QCOMPARE(fx.prompts.boxes.first().kind, Prompts::Kind::Warning);
        QCOMPARE(fx.prompts.boxes.first().caption, QString("Warning"));
        QCOMPARE(fx.prompts.boxes.first().text, QString("Choose the team you are playing AGAINST!"));
        QCOMPARE(fx.prompts.boxes.first().buttons, int(Prompts::Cancel));
        QCOMPARE(ctl<QPushButton>(w, "ChooseOppButton")->text(), QString("None"));
        QVERIFY(w.document().choices().OppPlayerList.isEmpty());

        fx.write("EMPTY.ros", "\r\n");
        fx.prompts.files.enqueue(fx.path("EMPTY.ros"));
        ctl<QPushButton>(w, "ChooseOppButton")->click();
        QCOMPARE(fx.prompts.boxes.last().text, QString("List index out of bounds (0)"));
        QCOMPARE(ctl<QPushButton>(w, "ChooseOppButton")->text(), QString("None"));
    }
};

QTEST_MAIN(TestLineup)
#include "tst_lineup.moc"
