#include "roster/rosterfile.h"
#include "app/pelerror.h"

#include <algorithm>

namespace roster {

QStringList headers()
{
    return {QStringLiteral("Name"), QStringLiteral("Age"), QStringLiteral("SL"),
            QStringLiteral("Pos"), QStringLiteral("EL"), QStringLiteral("Play"),
            QStringLiteral("Style"), QStringLiteral("Subs"), QStringLiteral("Conditionals")};
}

int columnWidth(int column)
{
    switch (column) {
    case ColName: return 120;
    case ColConditionals: return 141;
    default: return 30;
    }
}

QStringList splitFields(const QString &line)
{
    if (line.isEmpty())
        return {};
    return line.split(u',');
}

QStringList dropLeadingEmpty(QStringList lines)
{
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    if (lines.isEmpty())
        throw PelError(QStringLiteral("List index out of bounds (0)"));
    return lines;
}

QString firstField(const QString &line)
{
    const qsizetype comma = line.indexOf(u',');
    return comma < 0 ? line : line.left(comma);
}

void checkAbbreviation(const QString &abbreviation)
{
    if (abbreviation.contains(u'/') || abbreviation.contains(u'\\') || abbreviation == QLatin1String("..")
        || abbreviation.contains(QChar(0)))
        throw PelError(QStringLiteral("The team abbreviation \"%1\" holds a path separator; "
                                      "Pellmore names files after it and cannot open this roster")
                           .arg(abbreviation));
}

void checkSkill(const QString &name, const QString &skillText)
{
    const QString t = skillText.trimmed();
    bool ok = false;
    const qlonglong value = t.toLongLong(&ok, 10);
    const QString digits = t.startsWith(u'-') || t.startsWith(u'+') ? t.mid(1) : t;
    const bool allDigits = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    if ((ok && (value > MaxSkill || value < -MaxSkill)) || (!ok && allDigits))
        throw PelError(QStringLiteral("The skill level %1 of %2 is too large to rate (Pellmore rates skill levels "
                                      "up to %3); the roster was not opened")
                           .arg(t, name)
                           .arg(MaxSkill));
}

Candidate candidateFor(int age, int skill, int maxAge, int minSkill)
{
    if (age == 0 || age == 1)
        return Candidate::Training;
    if (age <= maxAge || skill >= minSkill)
        return Candidate::Coaching;
    return Candidate::None;
}

Opponent readOpponent(const QStringList &lines)
{
    const QStringList rest = dropLeadingEmpty(lines);
    Opponent o;
    o.abbreviation = firstField(rest.first());
    for (qsizetype i = 1; i < rest.size(); ++i) {
        const QString name = firstField(rest.at(i));
        if (!name.isEmpty())
            o.players.append(name);
    }
    return o;
}

} // namespace roster
