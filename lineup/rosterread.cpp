#include "lineup/lineupdocument.h"
#include "app/pelerror.h"
#include "roster/rosterfile.h"

// Reading a roster file into the line-up document's state.
namespace lineup {

using namespace roster;

QString Player::field(int column) const
{
    switch (column) {
    case ColName: return name;
    case ColAge: return age;
    case ColSL: return skill;
    case ColPos: return pos;
    case ColEL: return el;
    case ColPlay: return marks.play;
    case ColStyle: return marks.style;
    case ColSubs: return marks.subs;
    case ColConditionals: return marks.conditionals;
    default: return QString();
    }
}

namespace {

void setField(Player &p, int column, const QString &text)
{
    QString *fields[] = {&p.name, &p.age, &p.skill, &p.pos, &p.el,
                         &p.marks.play, &p.marks.style, &p.marks.subs, &p.marks.conditionals};
    if (column >= 0 && column < ColumnCount)
        *fields[column] = text;
}

} // namespace

QString LineupDocument::rosterAbbreviation(const QStringList &lines)
{
    return splitFields(dropLeadingEmpty(lines).first()).value(0);
}

LineupDocument::ReadRoster LineupDocument::readRoster(const QStringList &fileLines) const
{
    QStringList lines = dropLeadingEmpty(fileLines);
    while (lines.last().isEmpty())
        lines.removeLast(); // trailing empty lines are no players
    const QStringList teamFields = splitFields(lines.first());
    checkAbbreviation(teamFields.value(0));

    State next;
    next.read = true;
    next.team = state.team; // a missing field keeps the label's text
    if (teamFields.size() > 0)
        next.team.abbreviation = teamFields.at(0);
    if (teamFields.size() > 1)
        next.team.name = teamFields.at(1);
    if (teamFields.size() > 2)
        next.team.manager = teamFields.at(2);
    const bool sameTeam = state.read && next.team.abbreviation == state.team.abbreviation;

    // The n-th player of a name takes the marks of the n-th of that name.
    QHash<QString, QVector<int>> earlier;
    if (sameTeam)
        for (int i : marked)
            earlier[state.players.at(i).name].append(i);
    std::vector<bool> kept(state.players.size(), false);
    QHash<QString, int> seen;

    next.players.reserve(lines.size() - 1);
    for (qsizetype r = 1; r < lines.size(); ++r) {
        const QString &line = lines.at(r);
        QString fields[ColumnCount];
        int count = 0;
        for (qsizetype start = 0; !line.isEmpty() && count < ColumnCount;) {
            const qsizetype comma = line.indexOf(u',', start);
            fields[count++] = line.mid(start, (comma < 0 ? line.size() : comma) - start);
            if (comma < 0)
                break;
            start = comma + 1;
        }
        Player p;
        if (sameTeam) {
            const int n = seen[fields[ColName]]++;
            const auto it = earlier.constFind(fields[ColName]);
            if (it != earlier.cend() && n < it->size()) {
                p.marks = state.players.at(it->at(n)).marks;
                kept[it->at(n)] = true;
            }
        }
        for (int c = 0; c < count; ++c)
            setField(p, c, fields[c]);
        checkSkill(p.name, p.skill); // a skill level too large to rate
        // The candidate lists read Age and SL as whole numbers.
        for (const QString *number : {&p.age, &p.skill}) {
            bool ok = false;
            (void)QStringView(*number).trimmed().toInt(&ok, 10);
            if (!ok)
                toWholeNumber(*number); // throws its message
        }
        next.players.append(std::move(p));
    }

    ReadRoster read;
    read.sameTeam = sameTeam;
    if (sameTeam)
        for (int i : marked)
            if (!kept[i])
                read.lost.append(state.players.at(i).name);

    next.choices = state.choices;
    next.choices.StartStrategy = QStringLiteral("N");
    if (!sameTeam) {
        next.choices.training.clear();
        next.choices.coaching.clear();
        next.choices.penaltyTaker.clear();
    } else if (!next.choices.penaltyTaker.isEmpty()) {
        const bool present = std::any_of(next.players.cbegin(), next.players.cend(),
                                         [&](const Player &p) { return p.name == next.choices.penaltyTaker; });
        if (!present)
            next.choices.penaltyTaker.clear();
    }
    read.state = std::move(next);
    return read;
}

} // namespace lineup
