#pragma once
#include <QString>
#include <QStringList>

// The roster file and the roster grid's columns.
namespace roster {

enum Column {
    ColName = 0,
    ColAge = 1,
    ColSL = 2,
    ColPos = 3,
    ColEL = 4,
    ColPlay = 5,
    ColStyle = 6,
    ColSubs = 7,
    ColConditionals = 8,
    ColumnCount = 9
};

// Header texts and widths of the grid's columns.
QStringList headers();
int columnWidth(int column);

// Splits a line at every comma: adjacent commas give an empty field, a final
// comma a final empty field, an empty line no fields.
QStringList splitFields(const QString &line);

// Removes leading lines that are the empty text (a line of blanks stays).
QStringList dropLeadingEmpty(QStringList lines);

// The text of a line up to its first comma (the whole line without one).
QString firstField(const QString &line);

// Refuses an abbreviation that would lead a file name out of the working
// directory. Throws a PelError naming the abbreviation.
void checkAbbreviation(const QString &abbreviation);

// Skill levels are rated from -MaxSkill to MaxSkill: beyond that a rating
// and the totals of eleven could not be held. Throws a PelError naming the
// player when a whole-number skill level lies outside; a skill level that is
// no number at all is left to the conversion of the lists and ratings.
constexpr int MaxSkill = 99999;
void checkSkill(const QString &name, const QString &skillText);

// Coaching filter defaults and the candidate rule of the training and
// coaching choices.
constexpr int DefaultMaxAge = 9;
constexpr int DefaultMinSkill = 1;
enum class Candidate { Training, Coaching, None };
Candidate candidateFor(int age, int skill, int maxAge, int minSkill);

// The opponent's abbreviation and player names from his roster's lines.
struct Opponent {
    QString abbreviation;
    QStringList players;
};
Opponent readOpponent(const QStringList &lines);

} // namespace roster
