#pragma once
#include <QString>
#include <QStringList>

// Team tactic entries and player conditional texts, and the condition
// vocabulary they share: events "G" and "T", operators ">" ">=" "=" "<=" "<".
namespace lineup {

const QStringList &conditionEvents();
const QStringList &conditionOperators();

// One condition as the dialogs hold it; an empty event or operator is one
// not chosen.
struct Condition {
    QString event, op, value;
    bool complete() const { return !event.isEmpty() && !op.isEmpty(); }
};

// The first six fields of a team tactic entry: a value only where its event
// and operator are both chosen.
QString tacticCode(const Condition &first, const Condition &second);

// The readable lines of the pending conditions ("Game Time is more than or
// equal to 60 Minutes", "and Goal Difference is less than 0").
QStringList readableConditions(const Condition &first, const Condition &second);

// A strategy's code: the first character of its name, "N" when none is chosen.
QString strategyCode(const QString &name, bool chosen);

// The team tactics' value-field rule, applied as the manager types: above 90
// becomes "90", below -90 "-90", anything that reads as 0 (not a number
// included) "0"; other text stays. A minus sign typed anywhere makes the value
// negative: "5-" becomes "-5", and a minus sign before any digit stays "-"
// for the digits to follow.
QString limitValueText(const QString &text);

// A value field's text once the manager has left it: a lone "-" is 0.
QString finishedValueText(const QString &text);

// An arrow step on a value field's text, limited to -90..90.
QString stepValue(const QString &text, bool up, int step);

// The time-step size of a condition's arrows.
int stepFor(const QString &event, bool timeSteps);

constexpr int ConditionalTextFields = 26;

} // namespace lineup
