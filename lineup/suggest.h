#pragma once
#include "lineup/ratings.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The best line-up for a squad: the eleven starters with the highest rating
// sum that light every checker light, and five substitutes.
namespace lineup {

// One roster row as the suggestion sees it: the player and the marks the
// manager has already set, as the grid holds them.
struct SuggestPlayer {
    QString name;
    int skill = 0;          // "SL"
    QString pos;            // roster position code ("Pos")
    bool available = true;  // ticked: the suggestion may choose him
    QString play, style, subs;
};

struct SuggestInput {
    QVector<SuggestPlayer> players; // in roster order
    Modifiers modifiers;
    QString strategy; // the starting strategy code
};

// The marks of one row once the suggestion is applied.
struct SuggestRow {
    QString play, style, subs;
    bool operator==(const SuggestRow &) const = default;
};

struct Suggestion {
    QString problem;          // the rule that cannot be kept; empty when found
    QVector<SuggestRow> rows; // one per player, in roster order
    QString formation;        // "1 GK, 1 SW, 4 DF, 3 MF, 0 WG, 2 FW"
    int sum = 0;              // the eleven starters' rating sum
    Totals totals;
    Lights lights;
    bool found() const { return problem.isEmpty(); }
};

// What is kept and what is filled:
// - A row with a "Play" and no "Subs" is a marked starter: he stays with his
//   position and style and counts in the sums, ticked or not.
// - A row with a "Subs" mark is a marked substitute and is never a starter.
//   A mark S1 to S5 holds its slot; one without a position is given the
//   default substitute position and style "n", as marking the slot does.
// - Every other ticked row with a roster position may be chosen.
//
// Starters. The new starters get style "n" and the rating of their position
// at that style. Among the line-ups that light every light (one goalkeeper,
// at most one sweeper, two to five defenders and midfielders, one to four
// forwards, eleven starters, both 2:1 rules, the forward one always lit for
// "L" and "E") the one with the highest rating sum wins. Among equal sums the
// first in roster order wins: compare the two line-ups row by row from the
// top of the roster; at the first row where they differ, the one that starts
// that player wins, and when both start him, the one that gives him the
// earlier position in the order GK, SW, DF, MF, WG, FW.
//
// Substitutes. The free slots are filled from the ticked players left over,
// each with his default substitute position and style "n": S1, when free,
// with the best natural goalkeeper (roster position "GK") left, then the
// other free slots in order with the best left by SL; ties go to the earlier
// row.
//
// When no line-up keeps every rule, problem names the one that cannot be
// kept and rows is empty.
Suggestion suggestLineup(const SuggestInput &input);

// "1 GK, 0 SW, 4 DF, 4 MF, 0 WG, 2 FW": the starters per position.
QString formationText(const Totals &totals);

// A light's rule in words ("GK: exactly one goalkeeper must start").
QString lightRule(Lamp Lights::*light);

// The rule of each light that is off, in the panel's order.
QStringList unlitRules(const Lights &lights);

} // namespace lineup
