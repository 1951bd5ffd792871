#include "lineup/lineupdocument.h"

#include <QUndoCommand>
#include <QUndoStack>

// The undo side of the line-up document: its two kinds of command and the
// staging of a change.
namespace lineup {

namespace {

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

LineupDocument::CommandGroup::CommandGroup(LineupDocument &doc, const QString &commandText) : stack(doc.stack)
{
    stack->beginMacro(commandText);
}

LineupDocument::CommandGroup::~CommandGroup()
{
    stack->endMacro();
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

} // namespace lineup
