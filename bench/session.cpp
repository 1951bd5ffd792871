#include "bench/session.h"
#include "bench/drive.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>

namespace bench {

const QString TeamLine = QStringLiteral("BEN,Bench Athletic,R. Tester");

namespace {

const QString OpponentLine = QStringLiteral("OPP,Opposition Town,S. Rival");
const QString LineupName = QStringLiteral("BEN1.txt"); // no match chosen: match 1
constexpr unsigned OpponentSeed = 41;

} // namespace

QByteArray defaultSettings()
{
    QFile f(QStringLiteral(PELLMORE_SOURCE_DIR "/resources/pellmore.INI"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

Session::Session(int players, const QByteArray &ini)
    : fixture(ini), squad(generateSquad(players, TeamLine, SquadSeed)),
      roster(fixture.path(QStringLiteral("BEN.ros"))), opponent(fixture.path(QStringLiteral("OPP.ros"))),
      lineup(fixture.path(LineupName))
{
    writeFile(roster, squad.bytes);
    writeFile(opponent, generateSquad(players, OpponentLine, OpponentSeed).bytes);
    for (int k = 0; k < 16; ++k)
        chosen.append(squad.names.at(int((qint64(k) * (players - 1)) / 15)));
}

QAbstractItemView *Session::grid()
{
    return window().findChild<QAbstractItemView *>(QStringLiteral("RosterStringGrid"));
}

QString Session::label(const char *name)
{
    return window().findChild<QLabel *>(QString::fromLatin1(name))->text();
}

QComboBox *Session::box(const char *name)
{
    return window().findChild<QComboBox *>(QString::fromLatin1(name));
}

QString Session::cell(int row, const QString &column)
{
    return grid()->model()->index(row, columnOf(grid(), column)).data().toString();
}

void Session::freshWindow()
{
    clearQueues();
    fixture.start();
    showAndSettle(&window());
}

void Session::clearQueues()
{
    prompts().answers.clear();
    prompts().files.clear();
    prompts().dialogs.clear();
}

bool Session::trigger(const QString &entry)
{
    QAction *a = menuEntry(&window(), entry);
    if (!a)
        return false;
    a->trigger();
    return true;
}

void Session::openRoster()
{
    prompts().files.enqueue(roster);
    trigger(QStringLiteral("&Open Roster"));
}

void Session::openLineup()
{
    prompts().files.enqueue(lineup);
    trigger(QStringLiteral("Open &Lineup"));
}

bool Session::rosterOpen()
{
    return label("AbbLabel") == QLatin1String("BEN") && rowOf(grid(), squad.names.last()) >= 0
           && rowOf(grid(), squad.names.first()) >= 0;
}

void Session::findRows()
{
    rows.clear();
    for (const QString &name : chosen)
        rows.append(rowOf(grid(), name));
}

void Session::mark(int row, const QString &position, const QString &style)
{
    clickCell(grid(), row, columnOf(grid(), QStringLiteral("Play")));
    if (QAction *a = popupEntry(&window(), "PlayPopup", position, style))
        a->trigger();
    closePopups();
}

void Session::markSubstitute(int row, int k)
{
    clickCell(grid(), row, columnOf(grid(), QStringLiteral("Subs")));
    if (QAction *a = popupEntry(&window(), "SubPopup", QString(), QStringLiteral("S %1").arg(k)))
        a->trigger();
    closePopups();
}

void Session::buildLineup()
{
    static const char *const positions[11] = {"GK", "SW", "DF", "DF", "DF", "MF", "MF", "MF", "WG", "FW", "FW"};
    static const char *const styles[3] = {"[n]ormal", "[a]ggressive", "[p]assive"};
    for (int k = 0; k < 11; ++k)
        mark(rows.at(k), QString::fromLatin1(positions[k]), QString::fromLatin1(styles[k % 3]));
    for (int k = 1; k <= 5; ++k)
        markSubstitute(rows.at(10 + k), k);
    box("HBCombo")->setCurrentIndex(2);
    box("PTakeBox")->setCurrentIndex(box("PTakeBox")->findText(chosen.at(7)));
    int n = 0;
    for (const char *name : {"TPBox", "CPBox", "TPBox", "CPBox"}) {
        QComboBox *b = box(name);
        const int pick = std::min(3 + n++ / 2, b->count() - 1);
        if (pick < 0)
            continue;
        b->setCurrentIndex(pick);
        emit b->activated(pick); // as a pick from the list delivers it
    }
    settle();
}

bool Session::lineupMarked()
{
    return cell(rows.at(0), QStringLiteral("Play")) == QLatin1String("GK");
}

bool Session::boxesFine(qsizetype mark, const QString &lastEnding)
{
    const QList<ScriptedPrompts::Box> &boxes = prompts().boxes;
    for (qsizetype i = mark; i < boxes.size(); ++i)
        if (boxes.at(i).kind == Prompts::Kind::Error || boxes.at(i).caption == QLatin1String("Invalid Lineup")
            || boxes.at(i).caption == QLatin1String("Lineup Error"))
            return false;
    return lastEnding.isEmpty() || (boxes.size() > mark && boxes.last().text.endsWith(lastEnding));
}

} // namespace bench
