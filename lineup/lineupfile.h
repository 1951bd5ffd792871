#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

// The line-up file: 19 lines of comma-separated fields, read by the game
// master's match engine. Every byte counts.
namespace lineup {

constexpr int LineupLines = 19;
constexpr int TeamLineFields = 37;
constexpr int CoachingLineFields = 9;
constexpr int PlayerLineFields = 29;
constexpr int ConditionalFields = 26;
constexpr int TacticFields = 7;
constexpr int MaxTactics = 5;

// The file name: abbreviation + match number + ".txt", or abbreviation +
// "1.txt" when no match is selected.
QString lineupFileName(const QString &abbreviation, const QString &matchText);

// One roster-grid row as the file needs it.
struct PlayerRow {
    QString name, play, style, subs, conditionals;
};

struct LineupOrders {
    QString homeBonus; // empty when no entry is selected
    QString strategy;
    QStringList tactics; // at most five entries of seven fields each
    QStringList coaching, training;
    QString penaltyTaker;
    QVector<PlayerRow> rows; // in grid order
};

struct ComposedLineup {
    QStringList lines; // the 19 lines, without line ends
    int starters = 0;
    bool substitutesComplete = false;
    // Why a line is longer than the league's 255 characters, naming the line
    // and what makes it long; empty when every line fits.
    QString tooLong(const QString &fileName) const;
};
ComposedLineup composeLineup(const LineupOrders &orders);

// The fields of a line, padded with empty fields to at least count.
QStringList fieldsOf(const QString &line, int count);

// Team abbreviation and match number from a line-up file's name.
struct LineupName {
    QString abbreviation;
    bool matchValid = false;
    int match = 0;
};
LineupName parseLineupName(const QString &path);

// A read line-up, field by field.
struct LineupFile {
    QString homeBonus;
    QString strategy;
    QStringList tactics; // the non-empty groups, closed up in file order
    QStringList coaching, training;
    QString penaltyTaker;
    struct Player {
        QString play, name, style;
        QString conditionals; // empty when all 26 fields are empty
    };
    QVector<Player> starters;    // lines 3-13
    QVector<Player> substitutes; // lines 14-18, S1 to S5
};
LineupFile parseLineup(const QStringList &lines);

// The Lineup Viewer's texts.
QStringList viewerTeamInformation(const QStringList &lines, const QString &homeBonusShown);
QString viewerPlayerText(const QString &line);

} // namespace lineup
