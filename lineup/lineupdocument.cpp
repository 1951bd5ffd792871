#include "lineup/lineupdocument.h"
#include "app/pelerror.h"
#include "roster/rosterfile.h"

#include <QUndoCommand>
#include <QUndoStack>

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

// Marks and choices before and after one change of the manager's.
class MarksCommand : public QUndoCommand {
public:
    MarksCommand(LineupDocument *doc, const QString &text, QVector<LineupDocument::RowMarks> before,
                 QVector<LineupDocument::RowMarks> after, std::optional<LineupChoices> choicesBefore,
                 std::optional<LineupChoices> choicesAfter)
        : QUndoCommand(text), doc(doc), before(std::move(before)), after(std::move(after)),
          choicesBefore(std::move(choicesBefore)), choicesAfter(std::move(choicesAfter))
    {
    }
    void redo() override { doc->applyMarks(after, choicesAfter ? &*choicesAfter : nullptr); }
    void undo() override { doc->applyMarks(before, choicesBefore ? &*choicesBefore : nullptr); }

private:
    LineupDocument *doc;
    QVector<LineupDocument::RowMarks> before, after;
    std::optional<LineupChoices> choicesBefore, choicesAfter;
};

// A roster load: the whole state is swapped in, and out again on undo.
class RosterCommand : public QUndoCommand {
public:
    RosterCommand(LineupDocument *doc, const QString &text, LineupDocument::State next)
        : QUndoCommand(text), doc(doc), stash(std::move(next))
    {
    }
    void redo() override { doc->swapState(stash); }
    void undo() override { doc->swapState(stash); }

private:
    LineupDocument *doc;
    LineupDocument::State stash;
};

bool isChoice(const QString &text, int from, int to)
{
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    return ok && from <= n && n <= to && QString::number(n) == text;
}

} // namespace

PlayerMarks LineupEdit::marks(int index) const
{
    if (index < 0 || index >= doc.playerCount())
        return PlayerMarks();
    const auto it = rows.constFind(index);
    return it != rows.cend() ? *it : doc.player(index).marks;
}

void LineupEdit::setMarks(int index, const PlayerMarks &m)
{
    if (index >= 0 && index < doc.playerCount()) // no such player: nothing to mark
        rows.insert(index, m);
}

LineupDocument::LineupDocument(QObject *parent) : QObject(parent), stack(new QUndoStack(this))
{
    markSaved();
}

LineupDocument::~LineupDocument()
{
    // The commands refer to the document: they go first.
    delete stack;
}

LineupDocument::CommandGroup::CommandGroup(LineupDocument &doc, const QString &commandText) : stack(doc.stack)
{
    stack->beginMacro(commandText);
}

LineupDocument::CommandGroup::~CommandGroup()
{
    stack->endMacro();
}

int LineupDocument::findPlayer(const QString &name) const
{
    return firstIndex.value(name, -1);
}

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
        // The candidate lists read Age and SL as whole numbers.
        for (const QString *number : {&p.age, &p.skill}) {
            bool ok = false;
            QStringView(*number).trimmed().toInt(&ok, 10);
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

QStringList LineupDocument::loadRoster(ReadRoster roster, const QString &commandText)
{
    stack->push(new RosterCommand(this, commandText, std::move(roster.state)));
    if (!roster.sameTeam)
        markSaved(); // a new team's line-up has nothing unsaved yet
    return roster.lost;
}

void LineupDocument::swapState(State &other)
{
    emit rosterAboutToBeReset();
    std::swap(state, other);
    clampChoices(state.choices);
    rebuildIndex();
    emit rosterReset();
    emit choicesChanged();
    UpdateLineupTotals();
    updateModified();
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

void LineupDocument::applyMarks(const QVector<RowMarks> &rows, const LineupChoices *choices)
{
    int first = -1, last = -1;
    for (const RowMarks &r : rows) {
        state.players[r.index].marks = r.marks;
        if (r.marks.isEmpty())
            marked.erase(r.index);
        else
            marked.insert(r.index);
        first = first < 0 ? r.index : std::min(first, r.index);
        last = std::max(last, r.index);
    }
    if (first >= 0)
        emit marksChanged(first, last);
    if (choices) {
        state.choices = *choices;
        clampChoices(state.choices);
        emit choicesChanged();
    }
    UpdateLineupTotals();
    updateModified();
}

void LineupDocument::edit(const QString &commandText, const std::function<void(LineupEdit &)> &change)
{
    LineupEdit e(*this);
    change(e);
    QVector<RowMarks> before, after;
    for (auto it = e.rows.cbegin(); it != e.rows.cend(); ++it) {
        const PlayerMarks &old = state.players.at(it.key()).marks;
        if (old != it.value()) {
            before.append({it.key(), old});
            after.append({it.key(), it.value()});
        }
    }
    clampChoices(e.staged);
    const bool choicesDiffer = e.staged != state.choices;
    if (before.isEmpty() && !choicesDiffer)
        return; // nothing to undo
    std::optional<LineupChoices> choicesBefore, choicesAfter;
    if (choicesDiffer) {
        choicesBefore = state.choices;
        choicesAfter = e.staged;
    }
    stack->push(new MarksCommand(this, commandText, std::move(before), std::move(after), std::move(choicesBefore),
                                 std::move(choicesAfter)));
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
