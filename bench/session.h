#pragma once
// One roster size: a generated squad and its opponent on disk, and Pellmore's
// window in a temporary folder with its own settings file, driven as a
// manager drives it.
#include "bench/rosters.h"
#include "support/fixture.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemView;
class QComboBox;

namespace bench {

// The program's default settings file.
QByteArray defaultSettings();
// Writes a whole file; the benchmark cannot go on without it.
void writeFile(const QString &path, const QByteArray &bytes);

extern const QString TeamLine;
constexpr unsigned SquadSeed = 14;

class Session {
public:
    Session(int players, const QByteArray &ini);

    TPelMainForm &window() { return fixture.form(); }
    ScriptedPrompts &prompts() { return fixture.prompts; }
    QAbstractItemView *grid();
    QString label(const char *name);
    QComboBox *box(const char *name);
    QString cell(int row, const QString &column);

    // A new window, shown and painted, with nothing queued for the prompts.
    void freshWindow();
    void clearQueues();
    // Triggers the menu entry with this text; false when there is none.
    bool trigger(const QString &entry);
    void openRoster();
    void openLineup();
    // The squad's first and last players are in the grid under its abbreviation.
    bool rosterOpen();

    // Rows of the chosen players, found once the roster is open.
    void findRows();
    // A click on a player's Play cell and a pick of position and style.
    void mark(int row, const QString &position, const QString &style);
    void markSubstitute(int row, int k);
    // A complete line-up with home bonus, penalty taker, two to train and
    // two to coach.
    void buildLineup();
    bool lineupMarked();
    // No error or refusal box since mark; when lastEnding is given, the last
    // box shown ends so.
    bool boxesFine(qsizetype mark, const QString &lastEnding = QString());

    Fixture fixture;
    Squad squad;
    QString roster, opponent, lineup;
    QStringList chosen; // sixteen players spread over the squad
    QList<int> rows;
};

} // namespace bench
