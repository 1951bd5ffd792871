#include "lineup/lineupfile.h"
#include "app/textfile.h"

namespace lineup {

namespace {

const QString EmptyConditional = QString(ConditionalFields - 1, u',');

bool isWholeNumber(const QString &text)
{
    bool ok = false;
    text.toInt(&ok, 10);
    return ok;
}

} // namespace

QString lineupFileName(const QString &abbreviation, const QString &matchText)
{
    return abbreviation + (matchText.isEmpty() ? QStringLiteral("1") : matchText) + QStringLiteral(".txt");
}

ComposedLineup composeLineup(const LineupOrders &o)
{
    for (const QString *t : {&o.homeBonus, &o.strategy, &o.penaltyTaker})
        textfile::checkSingleLine(*t, QStringLiteral("\"%1\"").arg(*t));
    for (const QStringList *list : {&o.tactics, &o.coaching, &o.training})
        for (const QString &t : *list)
            textfile::checkSingleLine(t, QStringLiteral("\"%1\"").arg(t));
    for (const PlayerRow &r : o.rows)
        if (!r.play.isEmpty())
            for (const QString *t : {&r.name, &r.play, &r.style, &r.conditionals})
                textfile::checkSingleLine(*t, QStringLiteral("The line of %1").arg(r.name));
    QString team = (o.homeBonus.isEmpty() ? QStringLiteral("3") : o.homeBonus) + u',' + o.strategy;
    for (qsizetype i = 0; i < MaxTactics; ++i)
        team += i < o.tactics.size() ? u',' + o.tactics.at(i) : QString(TacticFields, u',');

    QString coaching;
    for (const QStringList *list : {&o.coaching, &o.training})
        for (int i = 0; i < 4; ++i)
            coaching += list->value(i) + u',';
    coaching += o.penaltyTaker;

    QStringList starters;
    QStringList subs(5);
    for (const PlayerRow &r : o.rows) {
        if (r.play.isEmpty())
            continue;
        const QString line = r.play + u',' + r.name + u',' + r.style + u','
                             + (r.conditionals.isEmpty() ? EmptyConditional : r.conditionals);
        if (r.subs.isEmpty()) {
            starters.append(line);
            continue;
        }
        // Only the marks S1 to S5 name a slot; any other text goes nowhere.
        static const QStringList marks{"S1", "S2", "S3", "S4", "S5"};
        if (const qsizetype slot = marks.indexOf(r.subs); slot >= 0)
            subs[slot] = line;
    }

    ComposedLineup c;
    c.starters = int(starters.size());
    c.substitutesComplete = std::all_of(subs.begin(), subs.end(), [](const QString &s) { return !s.isEmpty(); });
    c.lines << team << coaching << starters << subs << QStringLiteral(",");
    return c;
}

QString ComposedLineup::tooLong(const QString &fileName) const
{
    const QString problem = textfile::tooLongLine(lines, fileName);
    if (problem.isEmpty())
        return problem;
    qsizetype at = 0;
    while (lines.at(at).size() <= textfile::MaxLineLength)
        ++at;
    QString cause;
    if (at == 0)
        cause = QStringLiteral("the team tactics make it long");
    else if (at == 1)
        cause = QStringLiteral("the names of the coaching and training players and the penalty taker make it long");
    else
        cause = QStringLiteral("the name and the conditionals of %1 make it long").arg(fieldsOf(lines.at(at), 2).at(1));
    return problem + QStringLiteral(": ") + cause;
}

QStringList fieldsOf(const QString &line, int count)
{
    QStringList fields = line.split(u',');
    while (fields.size() < count)
        fields.append(QString());
    return fields;
}

LineupName parseLineupName(const QString &path)
{
    QString name = path.mid(path.lastIndexOf(u'/') + 1).left(5);
    if (const qsizetype dot = name.indexOf(u'.'); dot >= 0)
        name.remove(dot, dot == name.size() - 1 ? 1 : 2);
    QString matchText = name.right(2);
    if (!isWholeNumber(matchText))
        matchText = name.right(1);
    LineupName n;
    n.match = matchText.toInt(&n.matchValid, 10);
    n.abbreviation = name;
    if (const qsizetype at = name.indexOf(matchText); at >= 0 && !matchText.isEmpty())
        n.abbreviation.remove(at, matchText.size());
    return n;
}

LineupFile parseLineup(const QStringList &lines)
{
    LineupFile f;
    const QStringList team = fieldsOf(lines.value(0), TeamLineFields);
    f.homeBonus = team.at(0);
    f.strategy = team.at(1);
    for (int g = 0; g < MaxTactics; ++g) {
        const QString entry = team.mid(2 + g * TacticFields, TacticFields).join(u',');
        if (entry.size() > TacticFields - 1)
            f.tactics.append(entry);
    }
    const QStringList coaching = fieldsOf(lines.value(1), CoachingLineFields);
    for (int i = 0; i < 8; ++i)
        if (!coaching.at(i).isEmpty())
            (i < 4 ? f.coaching : f.training).append(coaching.at(i));
    f.penaltyTaker = coaching.at(8);
    for (int l = 2; l < 18 && l < lines.size(); ++l) {
        const QStringList p = fieldsOf(lines.at(l), PlayerLineFields);
        QString conditional = p.mid(3, ConditionalFields).join(u',');
        if (conditional == EmptyConditional)
            conditional.clear();
        (l < 13 ? f.starters : f.substitutes).append({p.at(0), p.at(1), p.at(2), conditional});
    }
    return f;
}

QStringList viewerTeamInformation(const QStringList &lines, const QString &homeBonusShown)
{
    const QStringList team = fieldsOf(lines.value(0), TeamLineFields);
    const QStringList coaching = fieldsOf(lines.value(1), CoachingLineFields);
    QStringList info;
    info << QStringLiteral("HomeBonus: ") + homeBonusShown + QStringLiteral("            Starting Tactic: ")
                + team.at(1);
    for (int g = 0; g < MaxTactics; ++g)
        info << QStringLiteral("Conditional Tactic #%1      ").arg(g + 1)
                    + team.mid(2 + g * TacticFields, TacticFields).join(QStringLiteral("  "));
    QString cp = QStringLiteral("CP:"), tp = QStringLiteral("TP:");
    for (int i = 0; i < 4; ++i) {
        cp += QStringLiteral("  ") + coaching.at(i);
        tp += QStringLiteral("  ") + coaching.at(4 + i);
    }
    info << cp << tp << QStringLiteral("PK: ") + coaching.at(8);
    return info;
}

QString viewerPlayerText(const QString &line)
{
    QString text;
    const QStringList fields = line.split(u',');
    for (qsizetype i = 0; i < fields.size(); ++i) {
        text += fields.at(i) + u' ';
        if (i == 2)
            text += QString(6, u' ');
    }
    return text;
}

} // namespace lineup
