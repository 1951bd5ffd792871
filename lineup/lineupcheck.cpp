#include "lineup/lineupcheck.h"
#include "app/textfile.h"
#include "lineup/lineupfile.h"
#include "lineup/suggest.h"

#include <algorithm>

namespace lineup {

namespace {

constexpr int FirstStarterLine = 3, FirstSubstituteLine = 14;

QString codeOf(QChar c)
{
    return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QChar(u'0')).toUpper();
}

} // namespace

qsizetype unreadableAt(const QString &text)
{
    // Windows-1252's undefined bytes decode to C1 controls.
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text.at(i).category() == QChar::Other_Control)
            return i;
    return -1;
}

QVector<Problem> formProblems(const QByteArray &bytes, const QStringList &lines)
{
    QVector<Problem> problems;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        problems.append({1, QStringLiteral("the file starts with a UTF-8 byte-order mark, which the league cannot read")});
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const int number = int(i + 1);
        if (line.size() > textfile::MaxLineLength)
            problems.append({number, QStringLiteral("the line is %1 characters long; the league reads at most %2")
                                         .arg(line.size())
                                         .arg(textfile::MaxLineLength)});
        if (const qsizetype at = unreadableAt(line); at >= 0) {
            QString message = QStringLiteral("column %1: the character %2 cannot be read by the league")
                                  .arg(at + 1)
                                  .arg(codeOf(line.at(at)));
            const qsizetype more = std::count_if(line.begin() + at + 1, line.end(),
                                                 [](QChar c) { return c.category() == QChar::Other_Control; });
            if (more > 0)
                message += QStringLiteral(" (and %1 more on this line)").arg(more);
            problems.append({number, message});
        }
    }
    if (lines.size() != LineupLines)
        problems.append({int(std::clamp<qsizetype>(lines.size(), 1, LineupLines + 1)),
                         QStringLiteral("a line-up file has %1 lines; this one has %2").arg(LineupLines).arg(lines.size())});
    return problems;
}

QVector<Problem> lineupProblems(const QStringList &lines, const QVector<RosterEntry> &roster,
                                const QString &rosterName, const Modifiers &modifiers)
{
    QVector<Problem> problems;
    const LineupFile file = parseLineup(lines);

    // The grid once the file is applied to the roster, marks as Open Lineup
    // sets them: the first row of each name.
    QVector<Marks> rows;
    for (const RosterEntry &e : roster)
        rows.append({e.skill, e.pos, QString(), QString(), QString()});
    auto mark = [&](const LineupFile::Player &p, const QString &subs, int line) {
        for (qsizetype r = 0; r < roster.size(); ++r) {
            if (roster.at(r).name != p.name)
                continue;
            rows[r].style = p.style;
            rows[r].play = p.play;
            if (!subs.isEmpty())
                rows[r].subs = subs;
            return;
        }
        if (p.name.isEmpty())
            problems.append({line, subs.isEmpty() ? QStringLiteral("the starter line names no player")
                                                  : QStringLiteral("substitute slot %1 is empty").arg(subs)});
        else
            problems.append({line, QStringLiteral("\"%1\" is not in the roster %2").arg(p.name, rosterName)});
    };
    for (qsizetype k = 0; k < file.starters.size(); ++k)
        mark(file.starters.at(k), QString(), int(FirstStarterLine + k));
    for (qsizetype k = 0; k < file.substitutes.size(); ++k)
        mark(file.substitutes.at(k), QStringLiteral("S%1").arg(k + 1), int(FirstSubstituteLine + k));

    const Lights lights = checkLineup(computeTotals(rows, modifiers), file.strategy);
    for (const QString &rule : unlitRules(lights))
        problems.append({rule == lightRule(&Lights::subs) ? FirstSubstituteLine : FirstStarterLine, rule});
    return problems;
}

} // namespace lineup
