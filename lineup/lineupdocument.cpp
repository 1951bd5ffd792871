#include "lineup/lineupdocument.h"
#include "app/pelerror.h"
#include "roster/rosterfile.h"

#include <QUndoStack>

namespace lineup {

namespace {

bool isChoice(const QString &text, int from, int to)
{
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    return ok && from <= n && n <= to && QString::number(n) == text;
}

} // namespace

LineupDocument::LineupDocument(QObject *parent) : QObject(parent), stack(new QUndoStack(this))
{
    markSaved();
}

LineupDocument::~LineupDocument()
{
    // The commands refer to the document: they go first.
    delete stack;
}

int LineupDocument::findPlayer(const QString &name) const
{
    return firstIndex.value(name, -1);
}

void LineupDocument::rebuildIndex()
{
    firstIndex.clear();
    firstIndex.reserve(state.players.size());
    marked.clear();
    for (int i = 0; i < state.players.size(); ++i) {
        const Player &p = state.players.at(i);
        if (!firstIndex.contains(p.name))
            firstIndex.insert(p.name, i);
        if (!p.marks.isEmpty())
            marked.insert(marked.end(), i);
    }
}

void LineupDocument::clampChoices(LineupChoices &c) const
{
    if (!c.session.isEmpty() && !isChoice(c.session, 1, range.sessions))
        c.session.clear();
    if (!c.match.isEmpty() && !isChoice(c.match, 1, range.matches))
        c.match.clear();
    if (!c.homeBonus.isEmpty() && !isChoice(c.homeBonus, range.homeBonusMin, range.homeBonusMax))
        c.homeBonus.clear();
}

void LineupDocument::setRanges(const ChoiceRanges &ranges)
{
    range = ranges;
    const LineupChoices before = state.choices;
    clampChoices(state.choices);
    emit choicesChanged();
    if (state.choices != before) {
        UpdateLineupTotals();
        updateModified();
    }
}

void LineupDocument::choosePosition(int index, const QString &play, const QString &style, const QString &commandText)
{
    edit(commandText, [&](LineupEdit &e) {
        PlayerMarks m = e.marks(index);
        m.play = play;
        m.style = style;
        e.setMarks(index, m);
    });
}

void LineupDocument::chooseSubstitute(int index, const QString &mark, const QString &commandText)
{
    edit(commandText, [&](LineupEdit &e) {
        PlayerMarks m = e.marks(index);
        m.subs = mark;
        if (!mark.isEmpty() && index >= 0 && index < playerCount())
            SetDefaultSubPosition(m, player(index).pos);
        e.setMarks(index, m);
    });
}

void LineupDocument::SetDefaultSubPosition(PlayerMarks &m, const QString &rosterPos)
{
    if (!m.play.isEmpty())
        return; // a substitute with a position keeps it and his style
    m.play = defaultSubPosition(rosterPos);
    m.style = QStringLiteral("n");
}

void LineupDocument::setConditionals(int index, const QString &text)
{
    edit(QStringLiteral("Player Conditionals"), [&](LineupEdit &e) {
        PlayerMarks m = e.marks(index);
        m.conditionals = text;
        e.setMarks(index, m);
    });
}

void LineupDocument::setMarks(const QVector<RowMarks> &rows, const QString &commandText)
{
    edit(commandText, [&](LineupEdit &e) {
        for (const RowMarks &r : rows)
            e.setMarks(r.index, r.marks);
    });
}

void LineupDocument::setSession(const QString &text)
{
    edit(QStringLiteral("Session"), [&](LineupEdit &e) { e.choices().session = text; });
}

void LineupDocument::setMatch(const QString &text)
{
    edit(QStringLiteral("Match No."), [&](LineupEdit &e) { e.choices().match = text; });
}

void LineupDocument::setHomeBonus(const QString &text)
{
    edit(QStringLiteral("Home Bonus"), [&](LineupEdit &e) { e.choices().homeBonus = text; });
}

void LineupDocument::setPenaltyTaker(const QString &name)
{
    edit(QStringLiteral("Penalty Taker"), [&](LineupEdit &e) { e.choices().penaltyTaker = name; });
}

bool LineupDocument::addTraining(const QString &entry)
{
    if (state.choices.training.size() >= 4)
        return false;
    edit(QStringLiteral("Train (TP)"), [&](LineupEdit &e) { e.choices().training.append(entry); });
    return true;
}

bool LineupDocument::addCoaching(const QString &entry)
{
    if (state.choices.coaching.size() >= 4)
        return false;
    edit(QStringLiteral("Coach (CP)"), [&](LineupEdit &e) { e.choices().coaching.append(entry); });
    return true;
}

void LineupDocument::removeTraining(int at)
{
    if (at >= 0 && at < state.choices.training.size())
        edit(QStringLiteral("Delete Training"), [&](LineupEdit &e) { e.choices().training.removeAt(at); });
}

void LineupDocument::removeCoaching(int at)
{
    if (at >= 0 && at < state.choices.coaching.size())
        edit(QStringLiteral("Delete Coaching"), [&](LineupEdit &e) { e.choices().coaching.removeAt(at); });
}

void LineupDocument::setTeamTactics(const QStringList &tactics, const QString &startStrategy)
{
    edit(QStringLiteral("Team Tactics"), [&](LineupEdit &e) {
        e.choices().TeamTacticList = tactics.mid(0, MaxTactics);
        e.choices().StartStrategy = startStrategy;
    });
}

void LineupDocument::setOpponent(const QString &caption, const QStringList &players)
{
    edit(QStringLiteral("Opponent"), [&](LineupEdit &e) {
        e.choices().opponent = caption;
        e.choices().OppPlayerList = players;
    });
}

void LineupDocument::ensureStartStrategy()
{
    if (!state.choices.StartStrategy.isEmpty())
        return;
    state.choices.StartStrategy = QStringLiteral("N");
    emit choicesChanged();
    UpdateLineupTotals();
    updateModified();
}

void LineupDocument::newLineup(bool autoIncrease)
{
    if (!hasRoster())
        return;
    edit(QStringLiteral("New Lineup"), [&](LineupEdit &e) {
        for (int i : marked)
            e.setMarks(i, PlayerMarks());
        LineupChoices &c = e.choices();
        c.training.clear();
        c.coaching.clear();
        c.TeamTacticList.clear();
        c.penaltyTaker.clear();
        c.homeBonus.clear();
        c.StartStrategy.clear();
        c.opponent = QStringLiteral("None");
        c.OppPlayerList.clear();
        if (autoIncrease && range.matches > 0) {
            const int match = c.match.isEmpty() ? 0 : c.match.toInt();
            c.match = QString::number(std::min(match + 1, range.matches));
        }
    });
}

bool LineupDocument::applyLineup(const LineupFile &file, std::optional<int> matchNumber, const QString &commandText)
{
    bool bonusRead = false;
    const int bonus = file.homeBonus.toInt(&bonusRead, 10);
    edit(commandText, [&](LineupEdit &e) {
        LineupChoices &c = e.choices();
        if (matchNumber) {
            const int entry = *matchNumber <= 0 ? 1 : *matchNumber;
            c.match = entry <= range.matches ? QString::number(entry) : QString();
        }
        const int shown = bonusRead ? bonus : 0;
        if (range.homeBonusMin <= shown && shown <= range.homeBonusMax)
            c.homeBonus = QString::number(shown);
        c.StartStrategy = file.strategy;
        c.TeamTacticList = file.tactics;
        c.coaching = file.coaching;
        c.training = file.training;
        c.penaltyTaker = findPlayer(file.penaltyTaker) >= 0 ? file.penaltyTaker : QString();
        auto mark = [&](const LineupFile::Player &p, const QString &subs) {
            const int i = findPlayer(p.name);
            if (i < 0)
                return;
            PlayerMarks m = e.marks(i);
            m.style = p.style;
            m.play = p.play;
            if (!p.conditionals.isEmpty())
                m.conditionals = p.conditionals;
            if (!subs.isEmpty())
                m.subs = subs;
            e.setMarks(i, m);
        };
        for (const auto &p : file.starters)
            mark(p, QString());
        for (int k = 0; k < file.substitutes.size(); ++k)
            mark(file.substitutes.at(k), QStringLiteral("S%1").arg(k + 1));
    });
    return bonusRead;
}

void LineupDocument::UpdateLineupTotals()
{
    QVector<Marks> rows;
    rows.reserve(qsizetype(marked.size()));
    for (int i : marked) {
        const Player &p = state.players.at(i);
        if (!p.marks.play.isEmpty())
            rows.append({p.skill, p.pos, p.marks.play, p.marks.style, p.marks.subs});
    }
    try {
        const Totals t = computeTotals(rows, mods);
        totalsNow = t;
        lightsNow = checkLineup(t, state.choices.StartStrategy);
    } catch (const PelError &e) {
        pendingError = e.message();
    }
    emit totalsChanged();
}

QString LineupDocument::takeError()
{
    return std::exchange(pendingError, QString());
}

void LineupDocument::setModifiers(const Modifiers &m)
{
    mods = m;
    UpdateLineupTotals();
}

LineupOrders LineupDocument::orders() const
{
    const LineupChoices &c = state.choices;
    LineupOrders o;
    o.homeBonus = c.homeBonus;
    o.strategy = c.StartStrategy;
    o.tactics = c.TeamTacticList;
    o.coaching = c.coaching;
    o.training = c.training;
    o.penaltyTaker = c.penaltyTaker;
    for (int i : marked) {
        const Player &p = state.players.at(i);
        if (!p.marks.play.isEmpty())
            o.rows.append({p.name, p.marks.play, p.marks.style, p.marks.subs, p.marks.conditionals});
    }
    return o;
}

void LineupDocument::markSaved()
{
    savedLines = compose().lines;
    updateModified();
}

void LineupDocument::updateModified()
{
    const bool now = compose().lines != savedLines;
    if (now == modified)
        return;
    modified = now;
    emit modifiedChanged(modified);
}

} // namespace lineup
