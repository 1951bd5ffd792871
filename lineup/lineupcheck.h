#pragma once
#include "lineup/ratings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// What is wrong with a line-up file, line by line, as a game master checks
// the files he receives.
namespace lineup {

// The index of the first character of a text that the league cannot read: a
// control character, or a byte Windows-1252 leaves undefined; -1 for none.
qsizetype unreadableAt(const QString &text);

struct Problem {
    int line; // from 1
    QString message;
    bool operator==(const Problem &) const = default;
};

// The problems of the file's form: a byte-order mark, lines over 255
// characters, characters the league cannot read, not 19 lines. lines are
// the file's bytes split into lines.
QVector<Problem> formProblems(const QByteArray &bytes, const QStringList &lines);

// A roster row as the check needs it.
struct RosterEntry {
    QString name, skill, pos;
};

// The problems of a 19-line file's line-up against the roster: a line that
// names no player or one not in the roster (rosterName in the message), an
// empty substitute slot, and every checker light that the line-up leaves
// off, as the window shows it once the file is opened on that roster.
QVector<Problem> lineupProblems(const QStringList &lines, const QVector<RosterEntry> &roster,
                                const QString &rosterName, const Modifiers &modifiers);

} // namespace lineup
