// The line-up document's rules, without a window: roster loads, marking,
// New Lineup, the choices and undo.
#include "app/pelerror.h"
#include "app/textfile.h"
#include "lineup/lineupdocument.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

using namespace lineup;

namespace {

QStringList linesOf(const QByteArray &bytes)
{
    return textfile::splitLines(textfile::decode(bytes));
}

// Each player as "name:play/style/subs/conditionals", in roster order.
QStringList shown(const LineupDocument &doc)
{
    QStringList out;
    for (int i = 0; i < doc.playerCount(); ++i) {
        const Player &p = doc.player(i);
        out.append(p.name + u':' + QStringList{p.marks.play, p.marks.style, p.marks.subs, p.marks.conditionals}.join(u'/'));
    }
    return out;
}

const QByteArray MarkedAbc = "ABC,Athletic Borough,J. Smith\r\n"
                             "Jones,2,34,GK,5,GK,n\r\n"
                             "Brown,1,20,DF,3,DF,a,,x\r\n"
                             "Green,3,15,MF,2,MF,p,S1\r\n"
                             "White,4,12,FW,1\r\n";

} // namespace

class TestDocument : public QObject {
    Q_OBJECT
private slots:
    void rosterLoads_data()
    {
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QStringList>("players");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<bool>("choicesKept"); // training, coaching, penalty taker
        const QString none = "///";
        QTest::newRow("another team over a marked one")
            << QByteArray("XYZ,Zealots,Rival\r\nAdams,3,30,GK,5\r\nBaker,1,1,DF,1\r\n")
            << QStringList{"Adams:" + none, "Baker:" + none} << QStringList{} << false;
        QTest::newRow("the same roster again")
            << MarkedAbc << QStringList{"Jones:GK/n//", "Brown:DF/a//x", "Green:MF/p/S1/", "White:" + none}
            << QStringList{} << true;
        QTest::newRow("reordered: marks follow the names")
            << QByteArray("ABC,Athletic Borough,J. Smith\r\nWhite,4,12,FW,1\r\nGreen,3,15,MF,2\r\nJones,2,34,GK,5\r\n"
                          "Brown,1,20,DF,3\r\n")
            << QStringList{"White:" + none, "Green:MF/p/S1/", "Jones:GK/n//", "Brown:DF/a//x"} << QStringList{}
            << true;
        QTest::newRow("a player leaves: nothing slides")
            << QByteArray("ABC,Athletic Borough,J. Smith\r\nJones,2,34,GK,5\r\nGreen,3,15,MF,2\r\nWhite,4,12,FW,1\r\n")
            << QStringList{"Jones:GK/n//", "Green:MF/p/S1/", "White:" + none} << QStringList{"Brown"} << true;
        QTest::newRow("trailing empty lines are no players")
            << QByteArray("ABC,Athletic Borough,J. Smith\r\nJones,2,34,GK,5\r\n\r\n\r\n")
            << QStringList{"Jones:GK/n//"} << QStringList{"Brown", "Green"} << true;
        QTest::newRow("marks in the file win over carried ones")
            << QByteArray("ABC,Athletic Borough,J. Smith\r\nJones,2,34,GK,5,SW\r\nBrown,1,20,DF,3,,,S2\r\n")
            << QStringList{"Jones:SW/n//", "Brown://S2/x"} << QStringList{"Green"} << true;
        QTest::newRow("two of a name keep their own marks")
            << QByteArray("ABC,A,B\r\nJones,2,34,GK,5\r\nJones,2,34,GK,5\r\n") << QStringList{"Jones:GK/n//", "Jones:" + none}
            << QStringList{"Brown", "Green"} << true;
    }
    void rosterLoads()
    {
        QFETCH(QByteArray, second);
        QFETCH(QStringList, players);
        QFETCH(QStringList, removed);
        QFETCH(bool, choicesKept);
        LineupDocument doc;
        QVERIFY(doc.loadRoster(linesOf(MarkedAbc)).isEmpty());
        doc.addTraining("Brown");
        doc.addCoaching("OTF");
        doc.setPenaltyTaker("Jones");
        QCOMPARE(doc.totals().count[GK], 1);

        QCOMPARE(doc.loadRoster(linesOf(second)), removed);
        QCOMPARE(shown(doc), players);
        QCOMPARE(doc.choices().training, choicesKept ? QStringList{"Brown"} : QStringList{});
        QCOMPARE(doc.choices().coaching, choicesKept ? QStringList{"OTF"} : QStringList{});
        QCOMPARE(doc.choices().penaltyTaker, QString(choicesKept ? "Jones" : ""));
        QCOMPARE(doc.choices().StartStrategy, QString("N"));
        // The totals follow the roster at once.
        int starters = 0;
        for (int i = 0; i < doc.playerCount(); ++i)
            starters += !doc.player(i).marks.play.isEmpty() && doc.player(i).marks.subs.isEmpty();
        QCOMPARE(doc.totals().starters, starters);

        // Undo gives back the earlier roster and line-up whole.
        doc.undoStack()->undo();
        QCOMPARE(shown(doc), QStringList({"Jones:GK/n//", "Brown:DF/a//x", "Green:MF/p/S1/", "White:///"}));
        QCOMPARE(doc.team().abbreviation, QString("ABC"));
        QCOMPARE(doc.choices().training, QStringList{"Brown"});
    }

    void refusedRosterChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty line inside") << QByteArray("XYZ,Z,R\r\nA,2,10,GK,1\r\n\r\nC,3,10,MF,1\r\n")
                                           << "'' is not a valid integer value";
        QTest::newRow("age not a number") << QByteArray("XYZ,Z,R\r\nA,two,10,GK,1\r\n") << "'two' is not a valid integer value";
        QTest::newRow("only empty lines") << QByteArray("\r\n\r\n") << "List index out of bounds (0)";
    }
    void refusedRosterChangesNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        LineupDocument doc;
        doc.loadRoster(linesOf(MarkedAbc));
        const int commands = doc.undoStack()->count();
        QSignalSpy resets(&doc, &LineupDocument::rosterReset);
        try {
            doc.loadRoster(linesOf(file));
            QFAIL("the roster was taken");
        } catch (const PelError &e) {
            QCOMPARE(e.message(), message);
        }
        QCOMPARE(resets.count(), 0);
        QCOMPARE(doc.undoStack()->count(), commands);
        QCOMPARE(doc.team().abbreviation, QString("ABC"));
        QCOMPARE(doc.playerCount(), 4);
    }

    void teamLineWithFewerFieldsKeepsTheRest()
    {
        LineupDocument doc;
        doc.loadRoster(linesOf("T2,Second\r\n"));
        QCOMPARE(doc.team().name, QString("Second"));
        QVERIFY(!doc.team().manager);
        doc.loadRoster(linesOf(MarkedAbc));
        doc.loadRoster(linesOf("T3\r\n"));
        QCOMPARE(doc.team().abbreviation, QString("T3"));
        QCOMPARE(doc.team().name, QString("Athletic Borough"));
        QCOMPARE(doc.team().manager.value_or(""), QString("J. Smith"));
        QCOMPARE(doc.playerCount(), 0);
    }

    void substitutes_data()
    {
        QTest::addColumn<QString>("pos");
        QTest::addColumn<QString>("play");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("after"); // play/style after "S 3"
        QTest::newRow("DM without a position") << "DM" << "" << "" << "DF/n";
        QTest::newRow("UT without a position") << "UT" << "" << "" << "FW/n";
        QTest::newRow("SD without a position") << "SD" << "" << "" << "SW/n";
        QTest::newRow("MA without a position") << "MA" << "" << "" << "MF/n";
        QTest::newRow("unknown code is copied") << "QQ" << "" << "" << "QQ/n";
        QTest::newRow("a position is kept") << "DM" << "FW" << "a" << "FW/a";
    }
    void substitutes()
    {
        QFETCH(QString, pos);
        QFETCH(QString, play);
        QFETCH(QString, style);
        QFETCH(QString, after);
        LineupDocument doc;
        doc.loadRoster(linesOf("ABC,A,B\r\nX,2,10," + pos.toLatin1() + ",1\r\n"));
        if (!play.isEmpty())
            doc.choosePosition(0, play, style, "mark");
        doc.chooseSubstitute(0, "S3", "S 3");
        const PlayerMarks m = doc.player(0).marks;
        QCOMPARE(m.play + u'/' + m.style, after);
        QCOMPARE(m.subs, QString("S3"));
        doc.chooseSubstitute(0, QString(), "[deselect]"); // a former substitute keeps his position
        QCOMPARE(doc.player(0).marks.play + u'/' + doc.player(0).marks.style, after);
        QCOMPARE(doc.totals().starters, after.startsWith("QQ") ? 0 : 1); // an unknown code counts nowhere
    }

    void newLineupClearsTheLineup()
    {
        LineupDocument doc;
        doc.newLineup(true); // without a roster: nothing
        QCOMPARE(doc.undoStack()->count(), 0);
        QCOMPARE(doc.choices().match, QString());

        doc.loadRoster(linesOf(MarkedAbc));
        doc.setSession("4");
        doc.setMatch("30");
        doc.setHomeBonus("5");
        doc.setTeamTactics({"G,>,1,,,,P"}, "L");
        doc.setOpponent("XYZ", {"Adams"});
        doc.newLineup(true);
        QCOMPARE(shown(doc), QStringList({"Jones:///", "Brown:///", "Green:///", "White:///"}));
        const LineupChoices &c = doc.choices();
        QCOMPARE(c.session, QString("4"));
        QCOMPARE(c.match, QString("30")); // the last match stays
        QCOMPARE(c.homeBonus, QString());
        QCOMPARE(c.StartStrategy, QString());
        QVERIFY(c.TeamTacticList.isEmpty() && c.OppPlayerList.isEmpty());
        QCOMPARE(c.opponent, QString("None"));
        QCOMPARE(doc.totals().starters, 0);
        QCOMPARE(doc.undoStack()->undoText(), QString("New Lineup"));
    }

    void choicesStayInRange()
    {
        LineupDocument doc;
        doc.setSession("12"); // beyond the ten sessions: no choice
        QCOMPARE(doc.choices().session, QString());
        doc.setSession("7");
        doc.setHomeBonus("8");
        doc.setRanges({12, 30, 3, 7});
        QCOMPARE(doc.choices().session, QString("7"));
        QCOMPARE(doc.choices().homeBonus, QString());
        doc.setRanges({5, 30, 3, 8});
        QCOMPARE(doc.choices().session, QString());
        doc.undoStack()->undo(); // an older choice comes back only within range
        QCOMPARE(doc.choices().session, QString());
    }

    void fourEntriesAtMost()
    {
        LineupDocument doc;
        for (const char *name : {"A", "B", "C", "D"})
            QVERIFY(doc.addTraining(name));
        QVERIFY(!doc.addTraining("E"));
        QCOMPARE(doc.choices().training, QStringList({"A", "B", "C", "D"}));
        doc.removeTraining(1);
        QCOMPARE(doc.choices().training, QStringList({"A", "C", "D"}));
        doc.removeTraining(-1); // nothing selected
        QCOMPARE(doc.undoStack()->count(), 5);
    }

    void changesThatChangeNothingAreNoCommands()
    {
        LineupDocument doc;
        doc.loadRoster(linesOf(MarkedAbc));
        const int commands = doc.undoStack()->count();
        doc.choosePosition(3, QString(), QString(), "[deselect]"); // White has no position
        doc.setPenaltyTaker(QString());
        doc.chooseSubstitute(4, "S1", "S 1"); // no such player
        doc.choosePosition(-1, "GK", "n", "GK [n]ormal");
        QCOMPARE(doc.undoStack()->count(), commands);
    }

    void marksChangedNamesTheRows()
    {
        LineupDocument doc;
        doc.loadRoster(linesOf(MarkedAbc));
        QSignalSpy spy(&doc, &LineupDocument::marksChanged);
        doc.choosePosition(2, "FW", "a", "FW [a]ggressive");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first(), QVariantList({2, 2}));
        doc.newLineup(false);
        QCOMPARE(spy.last(), QVariantList({0, 2})); // the marked rows only
    }

    void modifiedUntilSavedOrUndone()
    {
        LineupDocument doc;
        doc.loadRoster(linesOf(MarkedAbc));
        QVERIFY(!doc.isModified());
        QSignalSpy spy(&doc, &LineupDocument::modifiedChanged);
        doc.choosePosition(3, "FW", "n", "FW [n]ormal");
        QVERIFY(doc.isModified());
        doc.undoStack()->undo();
        QVERIFY(!doc.isModified());
        doc.setSession("3"); // not in the file
        QVERIFY(!doc.isModified());
        doc.choosePosition(3, "FW", "n", "FW [n]ormal");
        doc.markSaved();
        QVERIFY(!doc.isModified());
        QCOMPARE(spy.count(), 4);
    }

    void applyingALineupFile()
    {
        LineupDocument doc;
        doc.loadRoster(linesOf(MarkedAbc));
        LineupFile file;
        file.homeBonus = "12";
        file.strategy = "E";
        file.tactics = QStringList{"T,>,45,,,,L"};
        file.coaching = QStringList{"SET"};
        file.penaltyTaker = "Stranger";
        file.starters = {{"SW", "White", "a", ""}, {"GK", "Stranger", "n", ""}};
        file.substitutes = {{"DF", "Jones", "n", "c"}};
        QVERIFY(doc.applyLineup(file, 40));
        QCOMPARE(shown(doc), QStringList({"Jones:DF/n/S1/c", "Brown:DF/a//x", "Green:MF/p/S1/", "White:SW/a//"}));
        const LineupChoices &c = doc.choices();
        QCOMPARE(c.match, QString()); // match 40 of 30: none
        QCOMPARE(c.homeBonus, QString()); // 12 is out of range
        QCOMPARE(c.penaltyTaker, QString()); // not in the roster
        QCOMPARE(c.TeamTacticList, QStringList({"T,>,45,,,,L"}));
        QCOMPARE(doc.undoStack()->undoText(), QString("Open Lineup"));
        file.homeBonus = "x";
        QVERIFY(!doc.applyLineup(file, 0));
        QCOMPARE(doc.choices().match, QString("1"));
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
