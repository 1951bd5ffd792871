// The suggested line-up: the best eleven under the squad rules, compared with
// an exhaustive search, the rules that cannot be kept, and the substitutes.
#include "lineup/lineupdocument.h"
#include "lineup/suggest.h"
#include "support/fixture.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include <QRandomGenerator>
#include <QTest>

#include <numeric>

using namespace lineup;

namespace {

const QStringList Styles{"p", "n", "a"};

// A squad in a line: tokens "POS*SL", then optionally ">PLAY[/STYLE]" for a
// marked position, ":SUBS" for a substitute mark and a final "-" for a player
// who is not ticked. The players are named P1, P2, ... in order.
QVector<SuggestPlayer> squad(const QString &tokens)
{
    QVector<SuggestPlayer> players;
    for (QString token : tokens.split(u' ', Qt::SkipEmptyParts)) {
        SuggestPlayer p;
        p.name = QStringLiteral("P%1").arg(players.size() + 1);
        if (token.endsWith(u'-')) {
            p.available = false;
            token.chop(1);
        }
        auto take = [&token](QChar sep) {
            const qsizetype i = token.indexOf(sep);
            if (i < 0)
                return QString();
            const QString rest = token.mid(i + 1);
            token.truncate(i);
            return rest;
        };
        p.subs = take(u':');
        const QString mark = take(u'>');
        p.play = mark.section(u'/', 0, 0);
        p.style = mark.section(u'/', 1, 1);
        p.skill = take(u'*').toInt();
        p.pos = token;
        players.append(p);
    }
    return players;
}

SuggestInput inputOf(const QString &tokens, const QString &strategy = "N")
{
    SuggestInput in;
    in.players = squad(tokens);
    in.strategy = strategy;
    return in;
}

// The marks of every row: "SUBS/PLAY/STYLE" with empty parts left out, "-"
// for a row without marks.
QString marksOf(const Suggestion &s)
{
    QStringList out;
    for (const SuggestRow &r : s.rows) {
        QStringList parts;
        for (const QString &part : {r.subs, r.play, r.style})
            if (!part.isEmpty())
                parts << part;
        out << (parts.isEmpty() ? QStringLiteral("-") : parts.join(u'/'));
    }
    return out.join(u' ');
}

// Every light of the applied line-up, computed again from its rows.
QStringList unlitAfterApplying(const SuggestInput &in, const Suggestion &s)
{
    QVector<Marks> marks;
    for (qsizetype i = 0; i < in.players.size(); ++i)
        marks.append({QString::number(in.players[i].skill), in.players[i].pos, s.rows[i].play, s.rows[i].style,
                      s.rows[i].subs});
    return unlitRules(checkLineup(computeTotals(marks, in.modifiers), in.strategy));
}

// The exhaustive search: every way of giving the ticked, unmarked players with
// a roster position a position or none, row by row, each row tried at GK,
// SW, DF, MF, WG, FW and then left out, so that line-ups come in roster
// order. A line-up is skipped, unfinished, when even its remaining players'
// best ratings cannot lift it above the best one found.
struct Exhaustive {
    bool found = false;
    int sum = 0;
    QVector<int> position; // per player: the new starter's position, -1 for none
};

class ExhaustiveSearch {
public:
    explicit ExhaustiveSearch(const SuggestInput &in) : in(in)
    {
        int marked = 0, heldSlots = 0;
        for (qsizetype i = 0; i < in.players.size(); ++i) {
            const SuggestPlayer &p = in.players[i];
            if (!p.subs.isEmpty()) {
                heldSlots += !p.play.isEmpty() || !defaultSubPosition(p.pos).isEmpty() ? 1 : 0;
            } else if (!p.play.isEmpty()) {
                const int a = int(assignedCodes().indexOf(p.play));
                ++count[a];
                sum[a] += rating(p.skill, a, int(naturalCodes().indexOf(p.pos)), p.style, in.modifiers);
                ++marked;
            } else if (p.available && !p.pos.isEmpty()) {
                pool.append(int(i));
            }
        }
        open = 11 - marked;
        result.position.fill(-1, in.players.size());
        if (open < 0 || pool.size() < open + 5 - heldSlots)
            return;
        for (int a = 0; a < 6; ++a)
            if (count[a] > most[a])
                return;
        for (int row : pool) {
            std::array<int, 6> r;
            for (int a = 0; a < 6; ++a)
                r[a] = rating(in.players[row].skill, a, int(naturalCodes().indexOf(in.players[row].pos)), "n",
                              in.modifiers);
            ratings.append(r);
        }
        // bestOfRest[k][c]: the c highest of the best ratings of rows k on.
        for (int k = 0; k <= pool.size(); ++k) {
            QVector<int> best;
            for (int j = k; j < pool.size(); ++j)
                best.append(*std::max_element(ratings[j].begin(), ratings[j].end()));
            std::sort(best.rbegin(), best.rend());
            QVector<int> sums{0};
            for (int b : best)
                sums.append(sums.last() + b);
            sums.resize(12, sums.last());
            bestOfRest.append(sums);
        }
        position.fill(-1, pool.size());
        visit(0);
    }
    Exhaustive result;

private:
    int total() const { return std::accumulate(sum.begin(), sum.end(), 0); }

    bool keepsRules() const
    {
        for (int a = 0; a < 6; ++a)
            if (count[a] < least[a] || count[a] > most[a])
                return false;
        if (!(sum[MF] < 2 * sum[DF] && sum[DF] > 0 && sum[MF] > 0))
            return false;
        if (in.strategy != "L" && in.strategy != "E" && !(sum[FW] < 2 * sum[MF] && sum[FW] != 0))
            return false;
        return true;
    }

    void visit(int k)
    {
        if (open == 0) {
            if (keepsRules() && (!result.found || total() > result.sum)) {
                result.found = true;
                result.sum = total();
                for (int j = 0; j < pool.size(); ++j)
                    result.position[pool[j]] = position[j];
            }
            return;
        }
        int missing = 0;
        for (int a = 0; a < 6; ++a)
            missing += std::max(0, least[a] - count[a]);
        if (pool.size() - k < open || missing > open)
            return;
        if (result.found && total() + bestOfRest[k][open] <= result.sum)
            return;
        for (int a = 0; a < 6; ++a) {
            if (count[a] >= most[a])
                continue;
            ++count[a];
            sum[a] += ratings[k][a];
            --open;
            position[k] = a;
            visit(k + 1);
            position[k] = -1;
            ++open;
            sum[a] -= ratings[k][a];
            --count[a];
        }
        visit(k + 1);
    }

    static constexpr int least[6] = {1, 0, 2, 2, 0, 1}, most[6] = {1, 1, 5, 5, 11, 4};
    const SuggestInput &in;
    QVector<int> pool;
    QVector<std::array<int, 6>> ratings;
    QVector<QVector<int>> bestOfRest;
    std::array<int, 6> count{}, sum{};
    int open = 0;
    QVector<int> position;
};

// A squad of 12 to 20 from a seed: every roster position, now and then an
// unknown one or none, SL 0 to 40, some players not ticked, some starters and
// substitutes already marked, a strategy and style factors of their own.
// Every second squad is lopsided, so that a 2:1 rule binds: a weak defence
// with strong players marked in midfield, or a weak midfield with strong
// ones marked in attack.
SuggestInput generated(quint32 seed)
{
    QRandomGenerator g(seed);
    static const QStringList strategies{"N", "S", "O", "L", "B", "P", "E", ""};
    static const QStringList weakDefence{"GK", "SW", "SD", "DF", "DM", "UT"}, weakMidfield{"DM", "MF", "MA", "UT", "WG"};
    SuggestInput in;
    in.strategy = strategies.at(seed % strategies.size());
    if (seed % 5 == 4)
        in.modifiers = {0.8, 1.1, 1.25};
    if (seed % 7 == 6)
        in.modifiers.normal = 0.9;
    const bool lopsided = seed % 2 == 0;
    const QStringList &weak = seed % 4 == 0 ? weakDefence : weakMidfield;
    const QString strongLine = seed % 4 == 0 ? "MF" : "FW";

    const int size = seed % 4 == 1 ? 12 + g.bounded(5) : 17 + g.bounded(4);
    for (int i = 0; i < size; ++i) {
        SuggestPlayer p;
        p.name = QStringLiteral("P%1").arg(i + 1);
        const int code = g.bounded(42);
        p.pos = code < 40 ? naturalCodes().at(code % 10) : code == 40 ? QStringLiteral("XX") : QString();
        p.skill = !lopsided ? g.bounded(41) : weak.contains(p.pos) ? g.bounded(8) : 25 + g.bounded(16);
        p.available = g.bounded(12) != 0;
        in.players.append(p);
    }
    // Marks on rows of their own: up to four starters and two substitutes.
    QList<int> rows;
    for (int i = 0; i < size; ++i)
        rows.insert(g.bounded(rows.size() + 1), i);
    const int starters = lopsided ? 2 + g.bounded(3) : g.bounded(5);
    for (int k = 0; k < starters; ++k) {
        SuggestPlayer &p = in.players[rows.takeFirst()];
        p.play = lopsided && !weak.contains(p.pos) ? strongLine : assignedCodes().at(g.bounded(6));
        p.style = Styles.at(g.bounded(3));
    }
    QStringList open{"S1", "S2", "S3", "S4", "S5"};
    const int subs = g.bounded(3);
    for (int k = 0; k < subs; ++k) {
        SuggestPlayer &p = in.players[rows.takeFirst()];
        p.subs = open.takeAt(g.bounded(open.size()));
        if (g.bounded(2)) {
            p.play = assignedCodes().at(g.bounded(6));
            p.style = Styles.at(g.bounded(3));
        } else if (p.pos.isEmpty()) {
            p.pos = QStringLiteral("MF");
        }
    }
    return in;
}

} // namespace

class TestSuggest : public QObject {
    Q_OBJECT

private slots:
    void matchesExhaustiveSearch_data();
    void matchesExhaustiveSearch();
    void twoToOneRuleForcesWeakerMidfielder();
    void rulesThatCannotBeKept_data();
    void rulesThatCannotBeKept();
    void substitutes_data();
    void substitutes();
    void equalSumsGoToTheEarlierRow();
    void suggestLineupInTheWindow();
};

void TestSuggest::matchesExhaustiveSearch_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 400; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void TestSuggest::matchesExhaustiveSearch()
{
    QFETCH(quint32, seed);
    const SuggestInput in = generated(seed);
    const Exhaustive expected = ExhaustiveSearch(in).result;
    const Suggestion s = suggestLineup(in);

    QCOMPARE(s.found(), expected.found);
    if (!expected.found) {
        QVERIFY(s.rows.isEmpty());
        return;
    }
    QCOMPARE(s.sum, expected.sum);
    for (qsizetype i = 0; i < in.players.size(); ++i) {
        const SuggestPlayer &p = in.players[i];
        const SuggestRow &r = s.rows[i];
        if (!p.play.isEmpty() || !p.subs.isEmpty()) {
            // Marks are kept; a substitute without a position gets his default.
            QCOMPARE(r.subs, p.subs);
            QCOMPARE(r.play, p.play.isEmpty() ? defaultSubPosition(p.pos) : p.play);
            QCOMPARE(r.style, p.play.isEmpty() && !r.play.isEmpty() ? QString("n") : p.style);
        } else if (expected.position[i] >= 0) {
            QCOMPARE(r, (SuggestRow{assignedCodes().at(expected.position[i]), "n", ""}));
        } else {
            QVERIFY2(r.play.isEmpty() || (p.available && !r.subs.isEmpty()), qPrintable(p.name));
        }
    }
    QCOMPARE(unlitAfterApplying(in, s), QStringList());
    QCOMPARE(s.formation, formationText(s.totals));
}

void TestSuggest::twoToOneRuleForcesWeakerMidfielder()
{
    // Nine starters are marked; the two places left must both go to
    // midfield, whose sum must stay below twice the defence's 12. The best
    // pair within 23 is 20 + 3 (or 15 + 8, which comes later in the roster).
    const SuggestInput in = inputOf("GK*30>GK/n DF*6>DF/n DF*6>DF/n WG*10>WG/n WG*10>WG/n WG*10>WG/n WG*10>WG/n "
                                    "FW*5>FW/n FW*5>FW/n "
                                    "MF*20 MF*20 MF*15 MF*8 MF*3 FW*10 GK*12");
    const Suggestion s = suggestLineup(in);
    QVERIFY2(s.found(), qPrintable(s.problem));
    QCOMPARE(marksOf(s), QString("GK/n DF/n DF/n WG/n WG/n WG/n WG/n FW/n FW/n "
                                 "MF/n S2/MF/n S3/MF/n S5/MF/n MF/n S4/FW/n S1/GK/n"));
    QCOMPARE(s.formation, QString("1 GK, 0 SW, 2 DF, 2 MF, 4 WG, 2 FW"));
    QCOMPARE(s.sum, 30 + 12 + 23 + 40 + 10);
    QCOMPARE(s.totals.sum[MF], 23);
    QCOMPARE(unlitRules(s.lights), QStringList());
}

void TestSuggest::rulesThatCannotBeKept_data()
{
    QTest::addColumn<QString>("squad");
    QTest::addColumn<QString>("strategy");
    QTest::addColumn<QString>("problem");

    const QString sixteen = "GK*20 SW*20 DF*20 DF*20 DF*20 MF*20 MF*20 MF*20 WG*20 FW*20 FW*20 "
                            "GK*10 DF*10 MF*10 FW*10 UT*10";
    const QString mf = "2:1 rule MF: the midfield sum must be above 0 and below twice the defence sum, "
                       "which must be above 0";
    const QString fw = "2:1 rule FW: the forward sum must not be 0 and must be below twice the midfield sum, "
                       "which must be above 0, unless the starting strategy is L or E";
    const QString tooFew = "fewer than 16 available players";
    const QString zeros = " GK*0 GK*0 GK*0 GK*0 GK*0 GK*0 GK*0 GK*0 GK*0 GK*0 GK*0 GK*0 GK*0 GK*0";
    const QString keepers = "GK*30 GK*30 GK*30 GK*30 GK*30 GK*30 GK*30 GK*30 GK*30 GK*30 GK*30 GK*30 GK*30 "
                            "GK*30 GK*30 GK*30";

    QTest::newRow("fifteen players") << sixteen.section(u' ', 0, 14) << "N" << tooFew;
    QTest::newRow("sixteen, one not ticked") << sixteen + "-" << "N" << tooFew;
    QTest::newRow("sixteen, one marked S6")
        << sixteen.section(u' ', 0, 14) + " UT*10:S6" << "N" << tooFew;
    QTest::newRow("sixteen, one without a position for the bench")
        << sixteen.section(u' ', 0, 14) + " *10" << "N" << tooFew;
    QTest::newRow("two marked goalkeepers")
        << "GK*20>GK/n GK*10>GK/a " + sixteen << "N" << "GK: exactly one goalkeeper must start; 2 are marked";
    QTest::newRow("two marked sweepers")
        << "SW*20>SW/n SD*10>SW/n " + sixteen << "N" << "SW: at most one sweeper may start; 2 are marked";
    QTest::newRow("six marked defenders")
        << "DF*1>DF DF*1>DF DF*1>DF DF*1>DF DF*1>DF DF*1>DF " + sixteen << "N"
        << "DF: two to five defenders must start; 6 are marked";
    QTest::newRow("five marked forwards")
        << "FW*1>FW FW*1>FW FW*1>FW FW*1>FW FW*1>FW " + sixteen << "N"
        << "FW: one to four forwards must start; 5 are marked";
    QTest::newRow("twelve marked starters")
        << "GK*1>GK DF*1>DF DF*1>DF DF*1>DF MF*1>MF MF*1>MF MF*1>MF WG*1>WG WG*1>WG WG*1>WG FW*1>FW FW*1>FW "
               + sixteen
        << "N" << "Starting 11: eleven players must start; 12 players are marked as starters";
    QTest::newRow("eleven marked, no forward")
        << "GK*1>GK DF*1>DF DF*1>DF DF*1>DF DF*1>DF DF*1>DF MF*1>MF MF*1>MF MF*1>MF MF*1>MF MF*1>MF " + sixteen
        << "N" << "FW: one to four forwards must start; the marked starters leave too few places";
    QTest::newRow("marked outside the line-up positions")
        << "MF*20>XX/n " + sixteen << "N"
        << "Starting 11: eleven players must start; P1 is marked \"XX\", which is not a line-up position";
    QTest::newRow("two substitutes in S2")
        << "MF*20>MF/n:S2 DF*20:S2 " + sixteen << "N"
        << "Five Subs: S1 to S5 must each hold one substitute; S2 is marked twice";
    QTest::newRow("a substitute mark naming no slot")
        << "MF*20>MF/n:S6 " + sixteen << "N"
        << "Five Subs: S1 to S5 must each hold one substitute; P1 is marked \"S6\"";
    // Nobody rates above 0: no sum can be positive.
    QTest::newRow("all SL 0") << "MF*0 FW*0" + zeros << "N" << mf + "; " + fw;
    QTest::newRow("all SL 0, longball") << "MF*0 FW*0" + zeros << "L" << mf;
    // One player rates above 0: he is either defence or midfield.
    QTest::newRow("one real player, longball") << "MF*40 FW*0" + zeros << "L" << mf;
    QTest::newRow("one real player") << "MF*40 FW*0" + zeros << "N" << mf + "; " + fw;
    // Two: defence and midfield, or midfield and attack, never all three.
    QTest::newRow("two real players") << "MF*40 MF*40" + zeros << "N"
                                      << "the two 2:1 rules cannot be kept together: " + mf + "; " + fw;
    // Goalkeepers rate 0 in attack.
    QTest::newRow("only goalkeepers") << keepers << "N" << fw;
    QTest::newRow("only goalkeepers, open") << keepers << "O" << fw;
    QTest::newRow("only goalkeepers, E") << keepers << "E" << "";
}

void TestSuggest::rulesThatCannotBeKept()
{
    QFETCH(QString, squad);
    QFETCH(QString, strategy);
    QFETCH(QString, problem);
    const Suggestion s = suggestLineup(inputOf(squad, strategy));
    QCOMPARE(s.problem, problem);
    QCOMPARE(s.rows.isEmpty(), !problem.isEmpty());
    if (s.found())
        QCOMPARE(s.lights.fw21, Lamp::Green);
}

void TestSuggest::substitutes_data()
{
    QTest::addColumn<QString>("bench");
    QTest::addColumn<QString>("marks");

    QTest::newRow("goalkeeper first, then by SL")
        << "MF*30 GK*5 FW*25 DF*20 WG*35 SW*10 GK*8" << "S3/MF/n - S4/FW/n S5/DF/n S2/WG/n - S1/GK/n";
    QTest::newRow("no goalkeeper left")
        << "MF*30 FW*25 DF*20 WG*35 SW*10 MF*1" << "S2/MF/n S3/FW/n S4/DF/n S1/WG/n S5/SW/n -";
    QTest::newRow("ties by roster order")
        << "DF*10 MF*10 FW*10 WG*10 SW*10 UT*10" << "S1/DF/n S2/MF/n S3/FW/n S4/WG/n S5/SW/n -";
    QTest::newRow("default positions") << "UT*5 SD*4 DM*3 MA*2 XX*1" << "S1/FW/n S2/SW/n S3/DF/n S4/MF/n S5/XX/n";
    // S1 is held, so the goalkeeper is not preferred.
    QTest::newRow("only free slots are filled")
        << "MF*30 GK*5 FW*25:S1 DF*20>WG/a:S3 WG*35 SW*10 FW*1" << "S4/MF/n - S1/FW/n S3/WG/a S2/WG/n S5/SW/n -";
    QTest::newRow("not ticked, no position")
        << "MF*30- GK*5 FW*25 *40 WG*35 SW*10 DF*9 DF*8" << "- S1/GK/n S3/FW/n - S2/WG/n S4/SW/n S5/DF/n -";
    QTest::newRow("a marked substitute without a position keeps his slot")
        << "DM*30:S4 GK*5 FW*25 DF*20 WG*35" << "S4/DF/n S1/GK/n S3/FW/n S5/DF/n S2/WG/n";
}

void TestSuggest::substitutes()
{
    QFETCH(QString, bench);
    QFETCH(QString, marks);
    // Eleven marked starters: every choice is for the bench.
    const SuggestInput in = inputOf("GK*30>GK/n SW*30>SW/n DF*30>DF/n DF*30>DF/n DF*30>DF/n MF*30>MF/n MF*30>MF/n "
                                    "MF*30>MF/n WG*30>WG/n FW*30>FW/n FW*30>FW/n "
                                    + bench);
    const Suggestion s = suggestLineup(in);
    QVERIFY2(s.found(), qPrintable(s.problem));
    QCOMPARE(marksOf(s), "GK/n SW/n DF/n DF/n DF/n MF/n MF/n MF/n WG/n FW/n FW/n " + marks);
    QCOMPARE(unlitAfterApplying(in, s), QStringList());
}

void TestSuggest::equalSumsGoToTheEarlierRow()
{
    // Twins everywhere: the first of each pair starts, the second sits.
    const QString twins = "GK*30 SW*30 DF*30 DF*30 MF*30 MF*30 UT*30 WG*30 FW*30 FW*30 DM*30 ";
    const Suggestion s = suggestLineup(inputOf(twins + twins));
    QVERIFY2(s.found(), qPrintable(s.problem));
    QCOMPARE(marksOf(s).section(u' ', 0, 10), QString("GK/n SW/n DF/n DF/n MF/n MF/n DF/n WG/n FW/n FW/n DF/n"));
    QCOMPARE(s.sum, 330);
}

// File > Suggest Lineup: enabled with a roster, Apply marks the grid as one
// undo step, Cancel changes nothing, an unticked player is left out.
void TestSuggest::suggestLineupInTheWindow()
{
    Fixture fx;
    TPelMainForm &w = fx.start();
    auto *entry = ctl<QAction>(w, "SuggestLineupMenu");
    QVERIFY(!entry->isEnabled());
    QByteArray roster = "ABC,Athletic Borough,J. Smith\r\n";
    const char *pos[] = {"GK", "GK", "SW", "DF", "DF", "DF", "DF", "DM", "MF", "MF", "MF",
                         "MA", "WG", "FW", "FW", "UT", "SD", "MF"};
    for (int i = 0; i < 18; ++i)
        roster += "P" + QByteArray::number(i + 1) + ",5," + QByteArray::number(10 + i) + "," + pos[i] + ",3\r\n";
    fx.openRoster("ABC.ros", roster);
    QVERIFY(entry->isEnabled());
    lineup::LineupDocument &doc = w.document();
    const QByteArray empty = doc.compose().lines.join(u'\n').toLatin1();

    // Cancel: nothing changes.
    fx.prompts.dialogs.enqueue([](QDialog *d) { d->reject(); });
    entry->trigger();
    QCOMPARE(doc.compose().lines.join(u'\n').toLatin1(), empty);

    // The strongest player unticked, then Apply.
    QString formation;
    fx.prompts.dialogs.enqueue([&](QDialog *d) {
        auto *list = d->findChild<QListView *>("PlayerList");
        QVERIFY(list);
        list->model()->setData(list->model()->index(17, 0), Qt::Unchecked, Qt::CheckStateRole);
        formation = d->findChild<QLabel *>("FormationLabel")->text();
        d->findChild<QPushButton *>("ApplyBtn")->click();
    });
    entry->trigger();
    QVERIFY2(formation.startsWith("1 GK, "), qPrintable(formation));
    const Lights &l = doc.lights();
    for (Lamp lamp : {l.gk, l.sw, l.df, l.mf, l.fw, l.starting11, l.subs, l.mf21, l.fw21})
        QVERIFY(lamp != Lamp::Off);
    QVERIFY(doc.player(17).marks.play.isEmpty());
    const ComposedLineup composed = doc.compose();
    QCOMPARE(composed.starters, 11);
    QVERIFY(composed.substitutesComplete);

    // One undo step gives the empty line-up back.
    auto *undo = ctl<QAction>(w, "UndoMenu");
    QCOMPARE(undo->text(), QString("Undo Suggest Lineup"));
    undo->trigger();
    QCOMPARE(doc.compose().lines.join(u'\n').toLatin1(), empty);
}

QTEST_MAIN(TestSuggest)
#include "tst_suggest.moc"
